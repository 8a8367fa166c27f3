#include "core/hexkakuro/deduce.h"

#include <cstring>

namespace zorvek::hexkakuro {
namespace {

// Removes the candidates of `cell` that `allowed` does not flag (digits 1..9);
// true when it removed any.
bool KeepOnly(HexCell& cell, const bool (&allowed)[10]) {
  bool lost = false;
  for (int d = 1; d <= 9; ++d) {
    if (cell.candidates[d] && !allowed[d]) {
      cell.candidates[d] = false;
      lost = true;
    }
  }
  return lost;
}

bool KeepOnly(HexCell& cell, const DigitFlags& mask) {
  bool allowed[10];
  for (int d = 0; d <= 9; ++d) allowed[d] = mask[d] != 0;
  return KeepOnly(cell, allowed);
}

// Candidate sets as bit masks, bit d for digit d.
unsigned CandidateBits(const HexCell& cell) {
  unsigned bits = 0;
  for (int d = 1; d <= 9; ++d)
    if (cell.candidates[d]) bits |= 1u << d;
  return bits;
}

int BitCount(unsigned bits) {
  int n = 0;
  for (; bits; bits &= bits - 1) ++n;
  return n;
}

// Depth-first: distinct digits for others[i..], none in `used`, adding up to rem.
bool CanComplete(const unsigned (&others)[6], int i, int n, unsigned used, int rem) {
  if (i >= n || i >= 6) return rem == 0;
  if (rem <= 0) return false;
  for (int d = 1; d <= 9 && d <= rem; ++d) {
    const unsigned bit = 1u << d;
    if ((others[i] & bit) && !(used & bit) && CanComplete(others, i + 1, n, used | bit, rem - d))
      return true;
  }
  return false;
}

}  // namespace

void AssignSingle(HexBoard& board, int r, int c, DeduceFlags& flags) {
  HexCell& cell = board.at(r, c);
  int n = 0;
  int d = 0;
  for (int k = 1; k <= 9; ++k) {
    if (cell.candidates[k]) {
      ++n;
      d = k;
    }
  }
  if (n == 0) {
    flags.contradiction = true;
    return;
  }
  if (cell.assigned || n > 1) return;
  cell.digit = d;
  cell.assigned = true;
  const HexPos self{r, c};
  for (int k = 0; k < cell.clueCount; ++k) {
    const HexPos cluePos = cell.clues[k];
    const HexCell& clue = board.at(cluePos);
    HexPos run[6];
    const int length = RunCells(board, cluePos.row, cluePos.col, run);
    int rem = clue.sum;
    int left = clue.count;
    for (int i = 0; i < length; ++i) {
      const HexCell& x = board.at(run[i]);
      if (!x.assigned) continue;
      if (!(run[i] == self) && x.digit == d) {
        flags.contradiction = true;
        return;
      }
      // Once the sum is used up, later digits are no longer counted.
      if (rem > 0) {
        rem -= x.digit;
        --left;
      }
    }
    DigitFlags mask;
    mask.fill(1);
    if (left >= 1 && rem >= 1) {
      if (!LookupHexPossibleDigits(left, rem, mask)) {
        flags.contradiction = true;
        return;
      }
    } else if (rem != 0) {
      flags.contradiction = true;
      return;
    }
    for (int i = 0; i < length; ++i) {
      HexCell& x = board.at(run[i]);
      if (x.assigned) continue;
      bool lost = false;
      if (x.candidates[d]) {
        x.candidates[d] = false;
        lost = true;
      }
      lost |= KeepOnly(x, mask);
      if (lost) {
        flags.changed = true;
        AssignSingle(board, run[i].row, run[i].col, flags);
        if (flags.contradiction) return;
      }
    }
  }
}

void ApplyClueSum(HexBoard& board, int r, int c, int sum, const DigitFlags& mask,
                  DeduceFlags& flags) {
  HexCell& clue = board.at(r, c);
  clue.sum = sum;
  clue.touched = clue.count;
  HexPos run[6];
  const int length = RunCells(board, r, c, run);
  bool anyLost = false;
  for (int i = 0; i < length; ++i) {
    HexCell& x = board.at(run[i]);
    if (!x.touchedCell) {
      x.touchedCell = true;
      for (int k = 0; k < x.clueCount; ++k) {
        HexCell& other = board.at(x.clues[k]);
        if (other.touched < other.count) ++other.touched;
      }
    }
    if (KeepOnly(x, mask)) {
      flags.changed = true;
      anyLost = true;
    }
    if (anyLost) {
      AssignSingle(board, run[i].row, run[i].col, flags);
      if (flags.contradiction) return;
    }
  }
}

void CheckSumFeasibility(HexBoard& board, int r, int c, int clueRow, int clueCol,
                         DeduceFlags& flags) {
  const HexCell& clue = board.at(clueRow, clueCol);
  int rem = clue.sum;
  int left = clue.count;
  unsigned others[6];
  int otherCount = 0;
  HexPos run[6];
  const int length = RunCells(board, clueRow, clueCol, run);
  for (int i = 0; i < length; ++i) {
    if (run[i] == HexPos{r, c}) continue;
    const HexCell& x = board.at(run[i]);
    if (x.assigned) {
      rem -= x.digit;
      --left;
    } else {
      others[otherCount++] = CandidateBits(x);
    }
  }
  HexCell& cell = board.at(r, c);
  for (int d = 1; d <= 9; ++d) {
    if (!cell.candidates[d]) continue;
    bool possible;
    if (left == 1)
      possible = rem == d;
    else
      possible = CanComplete(others, 0, otherCount, 1u << d, rem - d);
    if (!possible) {
      cell.candidates[d] = false;
      flags.changed = true;
      AssignSingle(board, r, c, flags);
      if (flags.contradiction) return;
    }
  }
}

void EliminateNakedSubsets(HexBoard& board, int clueRow, int clueCol, DeduceFlags& flags) {
  HexPos run[6];
  const int m = RunCells(board, clueRow, clueCol, run);
  unsigned sets[6];
  int counts[6];
  for (int i = 0; i < m; ++i) {
    sets[i] = CandidateBits(board.at(run[i]));
    counts[i] = BitCount(sets[i]);
  }
  for (int i = 0; i < m; ++i) {
    if (counts[i] == 0) continue;
    for (int j = i; j < m; ++j) {
      if (counts[j] == 0) continue;
      const unsigned unionSet = sets[i] | sets[j];
      const int u = BitCount(unionSet);
      if (u > m) continue;
      bool inside[6] = {};
      int s = 0;
      for (int k = 0; k < m; ++k) {
        if (counts[k] > 0 && (sets[k] & ~unionSet) == 0) {
          inside[k] = true;
          ++s;
        }
      }
      if (s != u) continue;
      for (int k = 0; k < m; ++k) {
        if (inside[k]) continue;
        sets[k] &= ~unionSet;
        counts[k] = BitCount(sets[k]);
      }
    }
  }
  for (int i = 0; i < m; ++i) {
    HexCell& x = board.at(run[i]);
    bool allowed[10];
    for (int d = 0; d <= 9; ++d) allowed[d] = (sets[i] >> d) & 1u;
    if (KeepOnly(x, allowed)) {
      flags.changed = true;
      AssignSingle(board, run[i].row, run[i].col, flags);
      if (flags.contradiction) return;
    }
  }
}

bool PropagateHex(HexBoard& board) {
  DeduceFlags flags;
  do {
    flags.changed = false;
    for (int r = 0; r < kBoardRows; ++r) {
      for (int c = 0; c < kBoardCols; ++c) {
        const HexCell& cell = board.at(r, c);
        if (cell.kind == kHexWhite) {
          for (int k = 0; k < cell.clueCount; ++k) {
            const HexPos clue = cell.clues[k];
            if (!cell.assigned && board.at(clue).sum != 0)
              CheckSumFeasibility(board, r, c, clue.row, clue.col, flags);
            if (flags.contradiction) return true;
          }
        } else if (cell.kind == kHexClue) {
          EliminateNakedSubsets(board, r, c, flags);
          if (flags.contradiction) return true;
        }
      }
    }
  } while (flags.changed);
  return false;
}

bool DeduceFromClues(const HexGrid& grid, int rows, int cols, HexBoard& board) {
  board = HexBoard{};
  if (!IsHexSize(rows, cols)) return false;
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) {
      HexCell& cell = board.at(r, c);
      cell.kind = grid.cells[r][c].kind;
      if (cell.kind == kHexWhite)
        for (int d = 1; d <= 9; ++d) cell.candidates[d] = true;
    }
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) {
      if (board.at(r, c).kind != kHexClue) continue;
      for (int i = 1; i <= 6; ++i) {
        HexCell& white = board.at(Neighbour(r, c, i));
        if (white.kind != kHexWhite || white.clueCount >= 2) continue;
        ++board.at(r, c).count;
        white.clues[white.clueCount++] = {r, c};
      }
    }
  DeduceFlags flags;
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) {
      if (board.at(r, c).kind != kHexClue) continue;
      const int sum = grid.cells[r][c].number;
      DigitFlags mask{};
      if (!LookupHexPossibleDigits(board.at(r, c).count, sum, mask)) return false;
      ApplyClueSum(board, r, c, sum, mask, flags);
      if (flags.contradiction) return false;
    }
  return !PropagateHex(board);
}

bool VerifyAndExport(const HexBoard& board, int rows, int cols, HexGrid& grid) {
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= cols; ++c) {
      const HexCell& clue = board.at(r, c);
      if (clue.kind != kHexClue) continue;
      HexPos run[6];
      const int length = RunCells(board, r, c, run);
      int total = 0;
      for (int i = 0; i < length; ++i) total += board.at(run[i]).digit;
      if (total != clue.sum) return false;
    }
  }
  std::memset(&grid, 0, sizeof grid);
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= cols; ++c) {
      const HexCell& cell = board.at(r, c);
      HexGridCell& out = grid.cells[r][c];
      out.kind = cell.kind;
      if (cell.kind == kHexClue) {
        out.number = cell.sum;
        out.count = cell.count;
      } else if (cell.kind == kHexWhite) {
        out.number = cell.digit;
      }
    }
  }
  return true;
}

}  // namespace zorvek::hexkakuro

#include "core/sudoku/solver.h"

#include <cstring>

namespace zorvek::sudoku {
namespace {

struct BoxTables {
  int row[10][10];
  int col[10][10];
  BoxTables() {
    for (int b = 1; b <= 9; ++b)
      for (int p = 1; p <= 9; ++p) {
        row[b][p] = (b - 1) / 3 * 3 + (p - 1) / 3;
        col[b][p] = (b - 1) % 3 * 3 + (p - 1) % 3;
      }
  }
};
const BoxTables kBoxes;

int BoxOf(int row, int col) { return row / 3 * 3 + col / 3 + 1; }

// Index of the cell at position `pos` (0..8) of unit `unit` of kind
// 0 row, 1 column, 2 box (unit 0..8; boxes are numbered from 1 in the tables).
int UnitCell(int kind, int unit, int pos) {
  switch (kind) {
    case 0: return unit * 9 + pos;
    case 1: return pos * 9 + unit;
    default: return kBoxes.row[unit + 1][pos + 1] * 9 + kBoxes.col[unit + 1][pos + 1];
  }
}

int CountBits(unsigned mask) { return __builtin_popcount(mask); }

unsigned CandidateMask(const SolverCell& c) {
  unsigned m = 0;
  for (int d = 0; d < 9; ++d)
    if (c.Candidates[d]) m |= 1u << d;
  return m;
}

void FreshCell(SolverCell& c) {
  c.Given = 0;
  c.Value = -1;
  c.CandidateCount = 9;
  std::memset(c.Candidates, 1, sizeof c.Candidates);
  std::memset(c.SubsetMarks, 0, sizeof c.SubsetMarks);
}

}  // namespace

int BoxCellRow(int box, int position) { return kBoxes.row[box][position]; }
int BoxCellColumn(int box, int position) { return kBoxes.col[box][position]; }

void Solver::ResetBoard(SolverBoard& board) {
  for (SolverCell& c : board.cells) FreshCell(c);
  done_ = DoneTables{};
}

void Solver::ResetFromGivens(SolverBoard& board) {
  for (SolverCell& c : board.cells) {
    if (c.Given == 1 && c.Value >= 1 && c.Value <= 9) {
      const int v = c.Value;
      std::memset(c.Candidates, 0, sizeof c.Candidates);
      c.Candidates[v - 1] = 1;
      c.CandidateCount = 1;
      std::memset(c.SubsetMarks, 0, sizeof c.SubsetMarks);
    } else {
      FreshCell(c);
    }
  }
  done_ = DoneTables{};
  for (int i = 0; i < 81; ++i)
    if (board.cells[i].Given == 1) PlaceDigit(board, i / 9, i % 9, board.cells[i].Value);
}

void Solver::RemoveCandidate(SolverBoard& board, int index, int digit) {
  SolverCell& c = board.cells[index];
  if (!c.Candidates[digit - 1]) return;
  c.Candidates[digit - 1] = 0;
  --c.CandidateCount;
  // Naked singles follow at once, depth first.
  if (c.CandidateCount == 1) PlaceDigit(board, index / 9, index % 9, -1);
}

void Solver::PlaceDigit(SolverBoard& board, int row, int col, int digit) {
  SolverCell& cell = board.at(row, col);
  if (digit == -1) {
    for (int d = 9; d >= 1; --d)
      if (cell.Candidates[d - 1]) {
        digit = d;
        break;
      }
    if (digit == -1) return;  // no candidate left: a contradiction found later
  }
  if (digit < 1 || digit > 9) return;
  std::memset(cell.Candidates, 0, sizeof cell.Candidates);
  cell.Candidates[digit - 1] = 1;
  cell.CandidateCount = 1;
  cell.Value = digit;

  const int self = row * 9 + col;
  const int box = BoxOf(row, col);
  for (int p = 1; p <= 9; ++p) {
    const int i = kBoxes.row[box][p] * 9 + kBoxes.col[box][p];
    if (i != self) RemoveCandidate(board, i, digit);
  }
  for (int r = 0; r < 9; ++r)
    if (r != row) RemoveCandidate(board, r * 9 + col, digit);
  for (int c = 0; c < 9; ++c)
    if (c != col) RemoveCandidate(board, row * 9 + c, digit);
}

bool Solver::HiddenSingles(SolverBoard& board, int kind, bool& progress) {
  for (int unit = 0; unit < 9; ++unit) {
    int count[10] = {};
    int where[10] = {};
    for (int pos = 0; pos < 9; ++pos) {
      const int i = UnitCell(kind, unit, pos);
      const SolverCell& c = board.cells[i];
      if (c.Value != -1) {
        count[c.Value] += 10;
        continue;
      }
      for (int d = 1; d <= 9; ++d)
        if (c.Candidates[d - 1]) {
          ++count[d];
          where[d] = i;
        }
    }
    for (int d = 1; d <= 9; ++d) {
      if (count[d] == 0) return false;
      if (count[d] != 1) continue;
      const SolverCell& c = board.cells[where[d]];
      if (c.Value == d) continue;
      // An earlier single of this unit may have taken the cell or the digit.
      if (c.Value != -1 || !c.Candidates[d - 1]) return false;
      PlaceDigit(board, where[d] / 9, where[d] % 9, d);
      progress = true;
    }
  }
  return true;
}

void Solver::NakedSubsets(SolverBoard& board, int kind, int level, bool& progress,
                          bool& contradiction) {
  if (level < 2) return;  // only cells of at most `level` candidates take part
  const int markBase = kind * 4;
  auto mark = [&](int index, int size) -> std::uint8_t& {
    return board.cells[index].SubsetMarks[markBase + size - 2];
  };
  for (int unit = 0; unit < 9 && !contradiction; ++unit) {
    int cells[9];
    for (int pos = 0; pos < 9; ++pos) cells[pos] = UnitCell(kind, unit, pos);
    auto usable = [&](int pos) {
      const SolverCell& c = board.cells[cells[pos]];
      return c.Value == -1 && c.CandidateCount <= level;
    };
    int chosen[5];
    // Depth-first over increasing positions; `size` cells are chosen so far.
    auto found = [&](int size, unsigned u) {
      if (size == 3 && chosen[1] == chosen[0] + 1 && chosen[2] == chosen[1] + 1) {
        contradiction = true;
        return;
      }
      for (int pos = 0; pos < 9; ++pos) {
        bool inSubset = false;
        for (int k = 0; k < size; ++k) inSubset |= chosen[k] == pos;
        if (inSubset) continue;
        // A cell determined on the way still loses the rest of U: that is
        // how a contradiction here surfaces in AllDigitsCoverable.
        for (int d = 1; d <= 9; ++d) {
          if ((u >> (d - 1) & 1u) && board.cells[cells[pos]].Candidates[d - 1]) {
            RemoveCandidate(board, cells[pos], d);
            progress = true;
          }
        }
      }
      for (int k = 0; k < size; ++k) mark(cells[chosen[k]], size) = 1;
    };
    auto marksClear = [&](int count, int size) {
      for (int k = 0; k < count; ++k)
        if (mark(cells[chosen[k]], size)) return false;
      return true;
    };
    auto unionOf = [&](int count) {
      unsigned u = 0;
      for (int k = 0; k < count; ++k) u |= CandidateMask(board.cells[cells[chosen[k]]]);
      return u;
    };
    // Recursion depth is at most five, so a small explicit helper suffices.
    auto extend = [&](auto&& self, int count) -> void {
      const int size = count + 1;
      for (int pos = chosen[count - 1] + 1; pos < 9 && !contradiction; ++pos) {
        // The cells so far must stay undetermined and unmarked at this size.
        bool stillOpen = marksClear(count, size);
        for (int k = 0; k < count && stillOpen; ++k) stillOpen = usable(chosen[k]);
        if (!stillOpen) return;
        if (!usable(pos) || mark(cells[pos], size)) continue;
        chosen[count] = pos;
        const unsigned u = unionOf(size);
        const int n = CountBits(u);
        if (n == size) {
          found(size, u);
        } else if (n <= level && size < 5 && marksClear(size, size + 1)) {
          self(self, size);
        }
      }
    };
    for (int p1 = 0; p1 < 9 && !contradiction; ++p1) {
      if (!usable(p1) || mark(cells[p1], 2)) continue;
      chosen[0] = p1;
      extend(extend, 1);
    }
  }
}

void Solver::Intersections(SolverBoard& board, bool& progress) {
  // Rows and columns to boxes.
  for (int kind = 0; kind < 2; ++kind) {
    for (int line = 0; line < 9; ++line) {
      for (int d = 1; d <= 9; ++d) {
        std::uint8_t& doneMark = kind == 0 ? done_.RowBoxDone[line][d - 1]
                                           : done_.ColumnBoxDone[line][d - 1];
        if (doneMark) continue;
        int segment = -1, segments = 0;
        for (int s = 0; s < 3; ++s) {
          bool present = false;
          for (int k = 0; k < 3; ++k) {
            const int other = s * 3 + k;
            const int i = kind == 0 ? line * 9 + other : other * 9 + line;
            present |= board.cells[i].Candidates[d - 1] != 0;
          }
          if (present) {
            segment = s;
            ++segments;
          }
        }
        if (segments != 1) continue;
        doneMark = 1;
        progress = true;
        const int firstLine = line / 3 * 3;
        for (int l = firstLine; l < firstLine + 3; ++l) {
          if (l == line) continue;
          for (int k = 0; k < 3; ++k) {
            const int other = segment * 3 + k;
            const int i = kind == 0 ? l * 9 + other : other * 9 + l;
            RemoveCandidate(board, i, d);
          }
        }
      }
    }
  }
  // Boxes to rows and columns.
  for (int kind = 0; kind < 2; ++kind) {
    for (int b = 1; b <= 9; ++b) {
      for (int d = 1; d <= 9; ++d) {
        std::uint8_t& doneMark = kind == 0 ? done_.BoxRowDone[b - 1][d - 1]
                                           : done_.BoxColumnDone[b - 1][d - 1];
        if (doneMark) continue;
        int line = -1, lines = 0;
        bool seen[9] = {};
        for (int p = 1; p <= 9; ++p) {
          const int r = kBoxes.row[b][p], c = kBoxes.col[b][p];
          if (!board.cells[r * 9 + c].Candidates[d - 1]) continue;
          const int l = kind == 0 ? r : c;
          if (!seen[l]) {
            seen[l] = true;
            line = l;
            ++lines;
          }
        }
        if (lines != 1) continue;
        doneMark = 1;
        progress = true;
        const int first = kind == 0 ? (b - 1) % 3 * 3 : (b - 1) / 3 * 3;
        for (int other = 0; other < 9; ++other) {
          if (other >= first && other < first + 3) continue;
          const int i = kind == 0 ? line * 9 + other : other * 9 + line;
          RemoveCandidate(board, i, d);
        }
      }
    }
  }
}

bool Solver::SolveLogically(SolverBoard& board, int level) {
  bool progress = true;
  while (progress) {
    progress = false;
    if (level > 2)
      for (int kind = 0; kind < 3; ++kind)
        if (!HiddenSingles(board, kind, progress)) return false;
    for (int kind = 0; kind < 3; ++kind) {
      bool contradiction = false;
      NakedSubsets(board, kind, level, progress, contradiction);
      if (contradiction) return false;
    }
    if (level > 2) Intersections(board, progress);
  }
  return true;
}

bool IsSolved(const SolverBoard& board) {
  for (const SolverCell& c : board.cells)
    if (c.Value == -1) return false;
  return true;
}

bool AllDigitsCoverable(const SolverBoard& board) {
  for (int kind = 0; kind < 2; ++kind)
    for (int line = 0; line < 9; ++line) {
      unsigned u = 0;
      for (int k = 0; k < 9; ++k)
        u |= CandidateMask(board.cells[kind == 0 ? line * 9 + k : k * 9 + line]);
      if (u != 0x1FFu) return false;
    }
  return true;
}

}  // namespace zorvek::sudoku

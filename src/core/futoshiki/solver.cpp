#include "core/futoshiki/solver.h"

#include <cstring>

namespace zorvek::futoshiki {
namespace {

constexpr int kLevels[3][3] = {
    {1, 1, 2},  // Easy: 5, 7, 9
    {2, 3, 3},  // Medium
    {3, 5, 5},  // Hard
};

int Highest(const FutCell& cell, int n) {
  for (int d = n; d >= 1; --d)
    if (cell.candidates[d]) return d;
  return -10;
}

int Lowest(const FutCell& cell, int n) {
  for (int d = 1; d <= n; ++d)
    if (cell.candidates[d]) return d;
  return 10;
}

// Clears one candidate; a cell left with a single one is fixed at once.
void Drop(FutBoard& board, const FutHeader& header, int row, int col, int digit, bool& changed) {
  FutCell& cell = board.at(row, col);
  if (!cell.candidates[digit]) return;
  cell.candidates[digit] = false;
  --cell.count;
  changed = true;
  if (cell.count == 1) FixCell(board, header, row, col);
}

// The greater and smaller cell of a sign stored in (row, col); dir 0 right,
// 1 down. False when there is no sign.
bool SignCells(const FutBoard& board, int row, int col, int dir, int& gr, int& gc, int& sr,
               int& sc) {
  const FutCell& cell = board.at(row, col);
  const int sign = dir == 0 ? cell.signRight : cell.signDown;
  if (sign == 0) return false;
  const int nr = dir == 0 ? row : row + 1;
  const int nc = dir == 0 ? col + 1 : col;
  if (sign == 1) {
    gr = row, gc = col, sr = nr, sc = nc;
  } else {
    gr = nr, gc = nc, sr = row, sc = col;
  }
  return true;
}

int CountOf(const bool (&set)[10], int n) {
  int k = 0;
  for (int d = 1; d <= n; ++d) k += set[d];
  return k;
}

// One line of the board: a row (cells (index, p)) or a column (cells (p, index)).
struct Line {
  FutBoard& board;
  bool isRow;
  int index;
  FutCell& cell(int p) const { return isRow ? board.at(index, p) : board.at(p, index); }
  bool* flags(int p) const { return isRow ? cell(p).rowSubsetUsed : cell(p).colSubsetUsed; }
  int row(int p) const { return isRow ? index : p; }
  int col(int p) const { return isRow ? p : index; }
};

// Hidden singles of one line: false when a digit has no place left in it.
bool HiddenSingles(const FutHeader& header, const Line& line, bool& changed) {
  const int n = header.size;
  int tally[10] = {};
  for (int p = 0; p < n; ++p) {
    const FutCell& c = line.cell(p);
    if (c.value >= 1) {
      tally[c.value] = 10;
    } else {
      for (int d = 1; d <= n; ++d)
        if (c.candidates[d]) ++tally[d];
    }
  }
  for (int d = 1; d <= n; ++d) {
    if (tally[d] == 0) return false;
    if (tally[d] != 1) continue;
    // Earlier fixes in this loop may already have settled the cell.
    for (int p = 0; p < n; ++p) {
      FutCell& c = line.cell(p);
      if (c.value < 0 && c.candidates[d]) {
        std::memset(c.candidates, 0, sizeof c.candidates);
        c.candidates[d] = true;
        c.count = 1;
        FixCell(line.board, header, line.row(p), line.col(p));
        changed = true;
        break;
      }
    }
  }
  return true;
}

bool Eligible(const Line& line, int p, int size, int level) {
  const FutCell& c = line.cell(p);
  return c.value < 0 && c.count <= level && !line.flags(p)[size - 2];
}

void Unite(bool (&u)[10], const FutCell& c, int n) {
  for (int d = 1; d <= n; ++d) u[d] = u[d] || c.candidates[d];
}

// Removes a found subset's digits from the line's other cells and marks the
// members so the same subset is not found again.
void Eliminate(const FutHeader& header, const Line& line, const int* members, int size,
               const bool (&digits)[10], bool& changed) {
  const int n = header.size;
  for (int p = 0; p < n; ++p) {
    bool member = false;
    for (int i = 0; i < size; ++i) member = member || members[i] == p;
    if (!member) RemoveCandidates(line.board, header, line.row(p), line.col(p), digits, changed);
  }
  for (int i = 0; i < size; ++i) line.flags(members[i])[size - 2] = true;
}

bool AnyFlag(const Line& line, const int* members, int count, int size) {
  for (int i = 0; i < count; ++i)
    if (line.flags(members[i])[size - 2]) return true;
  return false;
}

void NakedSubsets(const FutHeader& header, const Line& line, int level, bool& changed) {
  const int n = header.size;
  int m[5];
  for (m[0] = 0; m[0] < n; ++m[0]) {
    if (!Eligible(line, m[0], 2, level)) continue;
    for (m[1] = m[0] + 1; m[1] < n; ++m[1]) {
      if (!Eligible(line, m[1], 2, level)) continue;
      bool u2[10] = {};
      Unite(u2, line.cell(m[0]), n);
      Unite(u2, line.cell(m[1]), n);
      const int k2 = CountOf(u2, n);
      if (k2 == 2) {
        Eliminate(header, line, m, 2, u2, changed);
        continue;
      }
      if (k2 > level || AnyFlag(line, m, 2, 3)) continue;
      for (m[2] = m[1] + 1; m[2] < n; ++m[2]) {
        if (!Eligible(line, m[2], 3, level)) continue;
        bool u3[10];
        std::memcpy(u3, u2, sizeof u3);
        Unite(u3, line.cell(m[2]), n);
        const int k3 = CountOf(u3, n);
        if (k3 == 3) {
          Eliminate(header, line, m, 3, u3, changed);
          continue;
        }
        if (k3 > level || AnyFlag(line, m, 3, 4)) continue;
        for (m[3] = m[2] + 1; m[3] < n; ++m[3]) {
          if (!Eligible(line, m[3], 4, level)) continue;
          bool u4[10];
          std::memcpy(u4, u3, sizeof u4);
          Unite(u4, line.cell(m[3]), n);
          const int k4 = CountOf(u4, n);
          if (k4 == 4) {
            Eliminate(header, line, m, 4, u4, changed);
            continue;
          }
          if (k4 > level || AnyFlag(line, m, 4, 5)) continue;
          for (m[4] = m[3] + 1; m[4] < n; ++m[4]) {
            if (!Eligible(line, m[4], 5, level)) continue;
            bool u5[10];
            std::memcpy(u5, u4, sizeof u5);
            Unite(u5, line.cell(m[4]), n);
            if (CountOf(u5, n) == 5) Eliminate(header, line, m, 5, u5, changed);
          }
        }
      }
    }
  }
}

}  // namespace

int SolverLevel(int difficulty, int size) {
  const int d = difficulty < 0 ? 0 : difficulty > 2 ? 2 : difficulty;
  const int s = size <= 6 ? 0 : size <= 8 ? 1 : 2;
  return kLevels[d][s];
}

void FixCell(FutBoard& board, const FutHeader& header, int row, int col) {
  const int n = header.size;
  FutCell& cell = board.at(row, col);
  const int digit = Highest(cell, n);
  if (digit < 1) return;  // no candidate left: the checks report it
  cell.value = digit;
  bool changed = false;
  for (int r = 0; r < n; ++r)
    if (r != row) Drop(board, header, r, col, digit, changed);
  for (int c = 0; c < n; ++c)
    if (c != col) Drop(board, header, row, c, digit, changed);
}

void RemoveCandidates(FutBoard& board, const FutHeader& header, int row, int col,
                      const bool (&digits)[10], bool& changed) {
  for (int d = 1; d <= header.size; ++d)
    if (digits[d]) Drop(board, header, row, col, d, changed);
}

bool ApplySignBounds(FutBoard& board, const FutHeader& header, bool& changed) {
  const int n = header.size;
  for (;;) {
    bool pass = false;
    for (int row = 0; row < n; ++row) {
      for (int col = 0; col < n; ++col) {
        for (int dir = 0; dir < 2; ++dir) {
          int gr, gc, sr, sc;
          if (!SignCells(board, row, col, dir, gr, gc, sr, sc)) continue;
          const int maxG = Highest(board.at(gr, gc), n);
          const int minS = Lowest(board.at(sr, sc), n);
          if (maxG <= minS) return false;
          for (int d = 1; d <= minS; ++d) Drop(board, header, gr, gc, d, pass);
          for (int d = maxG; d <= n; ++d) Drop(board, header, sr, sc, d, pass);
        }
      }
    }
    if (!pass) return true;
    changed = true;
  }
}

bool SolveLogically(const FutHeader& header, FutBoard& board, int level) {
  const int n = header.size;
  for (;;) {
    bool round = false;
    if (!ApplySignBounds(board, header, round)) return false;
    if (level > 2) {
      for (int i = 0; i < n; ++i)
        if (!HiddenSingles(header, Line{board, true, i}, round)) return false;
      for (int i = 0; i < n; ++i)
        if (!HiddenSingles(header, Line{board, false, i}, round)) return false;
    }
    for (int i = 0; i < n; ++i) NakedSubsets(header, Line{board, true, i}, level, round);
    for (int i = 0; i < n; ++i) NakedSubsets(header, Line{board, false, i}, level, round);
    if (!round) return true;
  }
}

bool IsConsistent(const FutHeader& header, const FutBoard& board) {
  const int n = header.size;
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < n; ++i) {
      for (int d = 1; d <= n; ++d) {
        bool placed = false;
        for (int p = 0; p < n && !placed; ++p)
          placed = (pass == 0 ? board.at(i, p) : board.at(p, i)).candidates[d];
        if (!placed) return false;
      }
    }
  }
  for (int row = 0; row < n; ++row) {
    for (int col = 0; col < n; ++col) {
      for (int dir = 0; dir < 2; ++dir) {
        int gr, gc, sr, sc;
        if (!SignCells(board, row, col, dir, gr, gc, sr, sc)) continue;
        if (Highest(board.at(gr, gc), n) <= Lowest(board.at(sr, sc), n)) return false;
      }
    }
  }
  return true;
}

bool IsFullyDetermined(const FutHeader& header, const FutBoard& board) {
  for (int row = 0; row < header.size; ++row)
    for (int col = 0; col < header.size; ++col)
      if (board.at(row, col).value < 0) return false;
  return true;
}

void BuildFromGivens(const FutHeader& header, FutBoard& board) {
  const int n = header.size;
  for (int row = 0; row < n; ++row) {
    for (int col = 0; col < n; ++col) {
      FutCell& c = board.at(row, col);
      std::memset(c.candidates, 0, sizeof c.candidates);
      if (c.given) {
        c.count = 1;
        if (c.value >= 1 && c.value <= n) c.candidates[c.value] = true;
      } else {
        c.value = -1;
        c.count = n;
        for (int d = 1; d <= n; ++d) c.candidates[d] = true;
      }
      std::memset(c.rowSubsetUsed, 0, sizeof c.rowSubsetUsed);
      std::memset(c.colSubsetUsed, 0, sizeof c.colSubsetUsed);
    }
  }
  for (int row = 0; row < n; ++row)
    for (int col = 0; col < n; ++col)
      if (board.at(row, col).given) FixCell(board, header, row, col);
}

bool SolveAndExport(const FutHeader& header, FutBoard& board, FutGrid& grid) {
  BuildFromGivens(header, board);
  const int level = SolverLevel(header.difficulty, header.size);
  if (!SolveLogically(header, board, level) || !IsConsistent(header, board) ||
      !IsFullyDetermined(header, board))
    return false;
  const int n = header.size;
  for (int row = 0; row < n; ++row) {
    for (int col = 0; col < n; ++col) {
      const FutCell& c = board.at(row, col);
      FutGridCell& g = grid.cells[row][col];
      // A fresh cell: no marks, text or check outline left from the last puzzle.
      g = FutGridCell{};
      g.given = c.given ? 1 : 0;
      g.solution = c.value;
      g.signRight = c.signRight;
      g.signDown = c.signDown;
      g.entry = c.given ? static_cast<std::uint8_t>(c.value) : 0;
    }
  }
  return true;
}

}  // namespace zorvek::futoshiki

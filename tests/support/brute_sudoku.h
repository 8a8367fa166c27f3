#pragma once
// An independent Sudoku checker for tests: plain backtracking over bitmasks,
// sharing nothing with the engine's solver.
#include <array>

namespace zorvek::testing {

using Grid = std::array<int, 81>;  // 0 empty, 1..9

// Counts solutions up to `limit`; the first one found goes to *first.
inline int CountSudokuSolutions(Grid g, int limit = 2, Grid* first = nullptr) {
  int rows[9] = {}, cols[9] = {}, boxes[9] = {};
  for (int i = 0; i < 81; ++i) {
    if (g[i] == 0) continue;
    const int bit = 1 << g[i], r = i / 9, c = i % 9, b = r / 3 * 3 + c / 3;
    if ((rows[r] | cols[c] | boxes[b]) & bit) return 0;
    rows[r] |= bit;
    cols[c] |= bit;
    boxes[b] |= bit;
  }
  int count = 0;
  auto search = [&](auto&& self) -> void {
    int best = -1, bestOptions = 10, bestMask = 0;
    for (int i = 0; i < 81; ++i) {
      if (g[i]) continue;
      const int r = i / 9, c = i % 9, b = r / 3 * 3 + c / 3;
      const int mask = ~(rows[r] | cols[c] | boxes[b]) & 0x3FE;
      const int n = __builtin_popcount(mask);
      if (n < bestOptions) {
        best = i;
        bestOptions = n;
        bestMask = mask;
      }
    }
    if (best < 0) {
      if (count++ == 0 && first) *first = g;
      return;
    }
    const int r = best / 9, c = best % 9, b = r / 3 * 3 + c / 3;
    for (int d = 1; d <= 9 && count < limit; ++d) {
      const int bit = 1 << d;
      if (!(bestMask & bit)) continue;
      g[best] = d;
      rows[r] |= bit;
      cols[c] |= bit;
      boxes[b] |= bit;
      self(self);
      rows[r] &= ~bit;
      cols[c] &= ~bit;
      boxes[b] &= ~bit;
      g[best] = 0;
    }
  };
  search(search);
  return count;
}

// Solves by naked singles alone (a cell with one possible digit is filled,
// repeatedly); true when that fills the grid.
inline bool SolvesByNakedSingles(Grid g) {
  for (bool changed = true; changed;) {
    changed = false;
    for (int i = 0; i < 81; ++i) {
      if (g[i]) continue;
      const int r = i / 9, c = i % 9;
      int used = 0;
      for (int k = 0; k < 9; ++k) {
        used |= 1 << g[r * 9 + k];
        used |= 1 << g[k * 9 + c];
        used |= 1 << g[(r / 3 * 3 + k / 3) * 9 + c / 3 * 3 + k % 3];
      }
      const int free = ~used & 0x3FE;
      if (__builtin_popcount(free) == 1) {
        g[i] = __builtin_ctz(free);
        changed = true;
      }
    }
  }
  for (int v : g)
    if (!v) return false;
  return true;
}

}  // namespace zorvek::testing

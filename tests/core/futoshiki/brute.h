#pragma once
// An independent Futoshiki checker for tests: backtracking over bit-mask
// domains, sharing nothing with the engine's solver.
#include <array>

#include "core/futoshiki/record.h"

namespace zorvek::testing {

struct FutProblem {
  int n = 0;
  std::array<std::array<int, 9>, 9> value{};  // 0 empty
  std::array<std::array<int, 9>, 9> right{};  // signRight
  std::array<std::array<int, 9>, 9> down{};   // signDown
};

inline FutProblem ProblemFromGrid(const futoshiki::FutHeader& header,
                                  const futoshiki::FutGrid& grid) {
  FutProblem p;
  p.n = header.size;
  for (int r = 0; r < p.n; ++r)
    for (int c = 0; c < p.n; ++c) {
      const auto& cell = grid.cells[r][c];
      p.value[r][c] = cell.given ? cell.solution : 0;
      p.right[r][c] = cell.signRight;
      p.down[r][c] = cell.signDown;
    }
  return p;
}

// Counts solutions up to `limit`; the first one goes to *first. Guesses a
// digit for the cell with the fewest options, after propagating the Latin
// rule and the sign bounds over bit-mask domains.
inline int CountFutoshikiSolutions(FutProblem p, int limit = 2, FutProblem* first = nullptr) {
  const int n = p.n;
  const int full = ((1 << n) - 1) << 1;
  using Domains = std::array<int, 81>;
  Domains start{};
  for (int i = 0; i < n * n; ++i) {
    const int v = p.value[i / n][i % n];
    start[i] = v ? (1 << v) & full : full;
  }
  auto low = [](int mask) { return __builtin_ctz(mask); };
  auto high = [](int mask) { return 31 - __builtin_clz(mask); };
  // False when some cell has no digit left.
  auto propagate = [&](Domains& d) {
    for (int i = 0; i < n * n; ++i)
      if (d[i] == 0) return false;
    for (bool changed = true; changed;) {
      changed = false;
      for (int i = 0; i < n * n; ++i) {
        if (d[i] == 0) return false;
        const int r = i / n, c = i % n;
        if (__builtin_popcount(d[i]) == 1) {
          for (int k = 0; k < n; ++k) {
            for (int j : {r * n + k, k * n + c}) {
              if (j == i || !(d[j] & d[i])) continue;
              d[j] &= ~d[i];
              if (d[j] == 0) return false;
              changed = true;
            }
          }
        }
        for (int dir = 0; dir < 2; ++dir) {
          const int sign = dir == 0 ? p.right[r][c] : p.down[r][c];
          if (sign == 0) continue;
          const int j = dir == 0 ? i + 1 : i + n;
          const int g = sign == 1 ? i : j, s = sign == 1 ? j : i;
          const int keepG = d[g] & ~((2 << low(d[s])) - 1);  // above the smaller's lowest
          const int keepS = d[s] & ((1 << high(d[g])) - 1);   // below the greater's highest
          if (keepG != d[g] || keepS != d[s]) {
            d[g] = keepG;
            d[s] = keepS;
            if (!keepG || !keepS) return false;
            changed = true;
          }
        }
      }
    }
    return true;
  };
  int count = 0;
  auto search = [&](auto&& self, Domains d) -> void {
    if (!propagate(d)) return;
    int best = -1, bestOptions = 99;
    for (int i = 0; i < n * n; ++i) {
      const int options = __builtin_popcount(d[i]);
      if (options > 1 && options < bestOptions) best = i, bestOptions = options;
    }
    if (best < 0) {
      if (count++ == 0 && first) {
        *first = p;
        for (int i = 0; i < n * n; ++i) first->value[i / n][i % n] = low(d[i]);
      }
      return;
    }
    for (int v = 1; v <= n && count < limit; ++v) {
      if (!((d[best] >> v) & 1)) continue;
      Domains next = d;
      next[best] = 1 << v;
      self(self, next);
    }
  };
  search(search, start);
  return count;
}

}  // namespace zorvek::testing

#pragma once
// An independent judge of finished HexKakuro puzzles for the tests. It finds
// neighbours from hexagon centre distances rather than the engine's tables,
// and counts solutions by brute force.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "hexkakuro/record.h"

namespace hexcheck {

using zorvek::hexkakuro::HexGrid;

// Centre of cell (r, c) for hexagons of side 2 (u = 1, h = sqrt 3); odd
// columns stand half a hexagon higher.
inline void Centre(int r, int c, double& x, double& y) {
  const double h = std::sqrt(3.0);
  x = (c - 1) * 3.0 + 2.0;
  y = (r - 1) * 2.0 * h + h + (c % 2 == 0 ? h : 0.0);
}

inline bool Touching(int r1, int c1, int r2, int c2) {
  if (r1 == r2 && c1 == c2) return false;
  double x1, y1, x2, y2;
  Centre(r1, c1, x1, y1);
  Centre(r2, c2, x2, y2);
  return std::fabs(std::hypot(x1 - x2, y1 - y2) - 2.0 * std::sqrt(3.0)) < 1e-6;
}

// The cells touching (r, c) within rows 0..maxRow, columns 0..maxCol.
inline std::vector<std::pair<int, int>> TouchingCells(int r, int c, int maxRow, int maxCol) {
  std::vector<std::pair<int, int>> out;
  for (int rr = std::max(0, r - 1); rr <= std::min(maxRow, r + 1); ++rr)
    for (int cc = std::max(0, c - 1); cc <= std::min(maxCol, c + 1); ++cc)
      if (Touching(r, c, rr, cc)) out.push_back({rr, cc});
  return out;
}

inline bool ClueSpot(int r, int c) { return (r % 2 == 1 && c % 4 == 3) || (r % 2 == 0 && c % 4 == 1); }
inline bool WhiteSpot(int r, int c, int rows, int cols) {
  return r >= 1 && r <= rows - 1 && c >= 1 && c <= cols && !ClueSpot(r, c) &&
         !(r == 1 && c % 4 == 1);
}

struct Runs {
  std::vector<std::pair<int, int>> whites;  // cell positions
  std::vector<std::pair<int, int>> clues;
  std::vector<int> sums;
  std::vector<std::vector<int>> members;    // per clue: indices into whites
  std::vector<std::vector<int>> cluesOf;    // per white: indices into clues
};

inline Runs CollectRuns(const HexGrid& g, int rows, int cols) {
  Runs runs;
  int index[14][16];
  for (int r = 0; r < 14; ++r)
    for (int c = 0; c < 16; ++c) {
      index[r][c] = -1;
      if (g.cells[r][c].kind == 3) {
        index[r][c] = static_cast<int>(runs.whites.size());
        runs.whites.push_back({r, c});
      }
    }
  runs.cluesOf.resize(runs.whites.size());
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) {
      if (g.cells[r][c].kind != 1) continue;
      const int k = static_cast<int>(runs.clues.size());
      runs.clues.push_back({r, c});
      runs.sums.push_back(g.cells[r][c].number);
      runs.members.emplace_back();
      for (auto [rr, cc] : TouchingCells(r, c, 13, 15)) {
        if (index[rr][cc] < 0) continue;
        runs.members.back().push_back(index[rr][cc]);
        runs.cluesOf[index[rr][cc]].push_back(k);
      }
    }
  return runs;
}

// Number of complete digit assignments that satisfy every clue, up to `limit`.
inline int CountSolutions(const HexGrid& g, int rows, int cols, int limit = 2) {
  const Runs runs = CollectRuns(g, rows, cols);
  const int n = static_cast<int>(runs.whites.size());
  const int k = static_cast<int>(runs.clues.size());
  std::vector<int> value(n, 0);
  std::vector<int> used(k, 0), sum(k, 0), filled(k, 0);
  // Smallest / largest total of `count` digits not in `mask`.
  auto bound = [](int mask, int count, bool smallest) {
    int total = 0;
    for (int i = 0; i < 9 && count > 0; ++i) {
      const int d = smallest ? 1 + i : 9 - i;
      if (!(mask & (1 << d))) {
        total += d;
        --count;
      }
    }
    return count > 0 ? -1 : total;
  };
  auto fits = [&](int cell, int d) {
    for (int q : runs.cluesOf[cell]) {
      if (used[q] & (1 << d)) return false;
      const int s = sum[q] + d;
      const int left = static_cast<int>(runs.members[q].size()) - filled[q] - 1;
      const int lo = bound(used[q] | (1 << d), left, true);
      const int hi = bound(used[q] | (1 << d), left, false);
      if (lo < 0 || s + lo > runs.sums[q] || s + hi < runs.sums[q]) return false;
    }
    return true;
  };
  int found = 0;
  auto search = [&](auto&& self) -> void {
    if (found >= limit) return;
    int best = -1, bestCount = 10;
    for (int i = 0; i < n; ++i) {
      if (value[i]) continue;
      int options = 0;
      for (int d = 1; d <= 9; ++d) options += fits(i, d);
      if (options < bestCount) {
        best = i;
        bestCount = options;
      }
    }
    if (best < 0) {
      ++found;
      return;
    }
    for (int d = 1; d <= 9 && found < limit; ++d) {
      if (!fits(best, d)) continue;
      value[best] = d;
      for (int q : runs.cluesOf[best]) {
        used[q] |= 1 << d;
        sum[q] += d;
        ++filled[q];
      }
      self(self);
      for (int q : runs.cluesOf[best]) {
        used[q] &= ~(1 << d);
        sum[q] -= d;
        --filled[q];
      }
      value[best] = 0;
    }
  };
  search(search);
  return found;
}

// Every rule a finished puzzle must keep, apart from uniqueness: cells on
// their lattice, every white cell in exactly two runs, run lengths within
// minRun..maxRun (or the pattern's own length when that is shorter),
// distinct digits adding up to each clue, and the stored counts. Empty when
// all hold, else the first broken rule.
inline std::string CheckPuzzle(const HexGrid& g, int rows, int cols, int minRun, int maxRun) {
  for (int r = 0; r < 14; ++r)
    for (int c = 0; c < 16; ++c) {
      const int kind = g.cells[r][c].kind;
      const bool field = r >= 1 && r <= rows && c >= 1 && c <= cols;
      if (!field && kind != 0) return "cell outside the field";
      if (kind == 1 && !ClueSpot(r, c)) return "clue off its lattice";
      if ((kind == 2 || kind == 3) && !WhiteSpot(r, c, rows, cols)) return "white off its lattice";
      if (field && ClueSpot(r, c) && kind != 1) return "clue position without a clue";
      if (field && WhiteSpot(r, c, rows, cols) && kind != 2 && kind != 3) return "white position empty";
      if (kind == 3 && (g.cells[r][c].number < 1 || g.cells[r][c].number > 9)) return "bad digit";
    }
  const Runs runs = CollectRuns(g, rows, cols);
  for (std::size_t w = 0; w < runs.whites.size(); ++w)
    if (runs.cluesOf[w].size() != 2) return "white cell not in two runs";
  for (std::size_t q = 0; q < runs.clues.size(); ++q) {
    const auto [r, c] = runs.clues[q];
    int pattern = 0;
    for (auto [rr, cc] : TouchingCells(r, c, 13, 15)) pattern += WhiteSpot(rr, cc, rows, cols);
    const int length = static_cast<int>(runs.members[q].size());
    if (length != g.cells[r][c].count) return "stored count differs from the run";
    if (length > maxRun || length < std::min(minRun, pattern)) return "run length out of range";
    int seen = 0, total = 0;
    for (int m : runs.members[q]) {
      const int d = g.cells[runs.whites[m].first][runs.whites[m].second].number;
      if (seen & (1 << d)) return "repeated digit in a run";
      seen |= 1 << d;
      total += d;
    }
    if (total != runs.sums[q]) return "sum mismatch";
  }
  return "";
}

}  // namespace hexcheck

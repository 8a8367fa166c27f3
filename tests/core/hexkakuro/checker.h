#pragma once
// An independent judge of finished HexKakuro puzzles for the tests: it finds
// neighbours from hexagon centre distances, not the engine's tables, and
// counts solutions by brute force.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/hexkakuro/record.h"

namespace hexcheck {

using Cells = std::vector<std::pair<int, int>>;

// Centres for hexagons of side 2 (u = 1, h = sqrt 3); odd columns stand higher.
inline bool Touching(int r1, int c1, int r2, int c2) {
  const double h = std::sqrt(3.0);
  auto y = [h](int r, int c) { return (r - 1) * 2 * h + (c % 2 == 0 ? h : 0.0); };
  const double d = std::hypot(3.0 * (c1 - c2), y(r1, c1) - y(r2, c2));
  return std::fabs(d - 2 * h) < 1e-6;
}

inline Cells TouchingCells(int r, int c) {
  Cells out;
  for (int rr = std::max(0, r - 1); rr <= std::min(13, r + 1); ++rr)
    for (int cc = std::max(0, c - 1); cc <= std::min(15, c + 1); ++cc)
      if (Touching(r, c, rr, cc)) out.push_back({rr, cc});
  return out;
}

inline bool ClueSpot(int r, int c) { return (r % 2 == 1 && c % 4 == 3) || (r % 2 == 0 && c % 4 == 1); }
inline bool WhiteSpot(int r, int c, int rows, int cols) {
  return r >= 1 && r < rows && c >= 1 && c <= cols && !ClueSpot(r, c) && !(r == 1 && c % 4 == 1);
}

struct Runs {
  Cells whites;
  Cells clues;
  std::vector<int> sums;
  std::vector<std::vector<int>> members;  // per clue: indices into whites
  std::vector<std::vector<int>> cluesOf;  // per white: indices of its clues
};

inline Runs CollectRuns(const zorvek::hexkakuro::HexGrid& g) {
  Runs runs;
  for (int r = 0; r < 14; ++r)
    for (int c = 0; c < 16; ++c)
      if (g.cells[r][c].kind == 3) runs.whites.push_back({r, c});
  runs.cluesOf.resize(runs.whites.size());
  for (int r = 0; r < 14; ++r)
    for (int c = 0; c < 16; ++c) {
      if (g.cells[r][c].kind != 1) continue;
      runs.clues.push_back({r, c});
      runs.sums.push_back(g.cells[r][c].number);
      runs.members.emplace_back();
      for (auto p : TouchingCells(r, c)) {
        const auto it = std::find(runs.whites.begin(), runs.whites.end(), p);
        if (it == runs.whites.end()) continue;
        runs.members.back().push_back(static_cast<int>(it - runs.whites.begin()));
        runs.cluesOf[it - runs.whites.begin()].push_back(static_cast<int>(runs.sums.size()) - 1);
      }
    }
  return runs;
}

// Digit assignments that satisfy every clue, counted up to `limit`.
inline int CountSolutions(const zorvek::hexkakuro::HexGrid& g, int limit = 2) {
  const Runs runs = CollectRuns(g);
  const int n = static_cast<int>(runs.whites.size());
  std::vector<int> value(n, 0), used(runs.sums.size(), 0), sum(runs.sums.size(), 0),
      open(runs.sums.size(), 0);
  for (std::size_t q = 0; q < runs.sums.size(); ++q) open[q] = static_cast<int>(runs.members[q].size());
  auto fits = [&](int cell, int d) {
    for (int q : runs.cluesOf[cell]) {
      const int mask = used[q] | (1 << d);
      if (used[q] & (1 << d)) return false;
      int lo = sum[q] + d, hi = lo, need = open[q] - 1;
      for (int k = 1, m = need; k <= 9 && m > 0; ++k)
        if (!(mask & (1 << k))) lo += k, --m;
      for (int k = 9, m = need; k >= 1 && m > 0; --k)
        if (!(mask & (1 << k))) hi += k, --m;
      if (lo > runs.sums[q] || hi < runs.sums[q]) return false;
    }
    return true;
  };
  int found = 0;
  auto search = [&](auto&& self) -> void {
    int best = -1, fewest = 10;
    for (int i = 0; i < n; ++i) {
      int options = 0;
      for (int d = 1; d <= 9 && !value[i]; ++d) options += fits(i, d);
      if (!value[i] && options < fewest) best = i, fewest = options;
    }
    if (best < 0) return void(++found);
    for (int d = 1; d <= 9 && found < limit; ++d) {
      if (!fits(best, d)) continue;
      value[best] = d;
      for (int q : runs.cluesOf[best]) used[q] |= 1 << d, sum[q] += d, --open[q];
      self(self);
      for (int q : runs.cluesOf[best]) used[q] &= ~(1 << d), sum[q] -= d, ++open[q];
      value[best] = 0;
    }
  };
  search(search);
  return found;
}

// Every rule a finished puzzle keeps besides uniqueness; empty when all hold.
inline std::string CheckPuzzle(const zorvek::hexkakuro::HexGrid& g, int rows, int cols, int minRun,
                               int maxRun) {
  for (int r = 0; r < 14; ++r)
    for (int c = 0; c < 16; ++c) {
      const int kind = g.cells[r][c].kind;
      const bool clueSpot = r >= 1 && r <= rows && c >= 1 && c <= cols && ClueSpot(r, c);
      if ((kind == 1) != clueSpot) return "clue lattice broken";
      if ((kind == 2 || kind == 3) != WhiteSpot(r, c, rows, cols)) return "white lattice broken";
    }
  const Runs runs = CollectRuns(g);
  for (const auto& clues : runs.cluesOf)
    if (clues.size() != 2) return "white cell not in two runs";
  for (std::size_t q = 0; q < runs.sums.size(); ++q) {
    const auto [r, c] = runs.clues[q];
    const int length = static_cast<int>(runs.members[q].size());
    int pattern = 0, seen = 0, total = 0;
    for (auto [rr, cc] : TouchingCells(r, c)) pattern += WhiteSpot(rr, cc, rows, cols);
    if (length != g.cells[r][c].count) return "stored count differs from the run";
    if (length > maxRun || length < std::min(minRun, pattern)) return "run length out of range";
    for (int m : runs.members[q]) {
      const int d = g.cells[runs.whites[m].first][runs.whites[m].second].number;
      if (d < 1 || d > 9 || (seen & (1 << d))) return "bad or repeated digit";
      seen |= 1 << d;
      total += d;
    }
    if (total != runs.sums[q]) return "sum mismatch";
  }
  return "";
}

}  // namespace hexcheck

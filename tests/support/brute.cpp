#include "support/brute.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <tuple>

namespace zorvek::testing {
namespace {

// reach[free][n]: bit t set when n distinct digits from the set `free` (bit
// d-1 for digit d) can add up to t.
struct ReachTable {
  std::uint64_t reach[512][10] = {};
  ReachTable() {
    for (int set = 0; set < 512; ++set) {
      int n = 0, total = 0;
      for (int d = 1; d <= 9; ++d)
        if (set >> (d - 1) & 1) ++n, total += d;
      for (int free = set; free < 512; free = (free + 1) | set)
        reach[free][n] |= std::uint64_t{1} << total;
    }
  }
};

bool Reachable(int used, int left, int need) {
  static const ReachTable table;
  if (left < 0 || need < 0 || need > 45) return false;
  return table.reach[~(used >> 1) & 511][left] >> need & 1;
}

struct Search {
  const Problem& p;
  int limit;
  std::vector<int>* first;
  int full = 0;
  std::vector<int> value, used, total, open;
  std::vector<std::vector<int>> groupsOf;
  int found = 0;

  explicit Search(const Problem& problem, int lim, std::vector<int>* f)
      : p(problem), limit(lim), first(f), full(((1 << problem.digits) - 1) << 1) {
    const std::size_t n = p.given.size();
    value.assign(n, 0);
    groupsOf.resize(n);
    used.assign(p.groups.size(), 0);
    total.assign(p.groups.size(), 0);
    open.assign(p.groups.size(), 0);
    for (std::size_t g = 0; g < p.groups.size(); ++g) {
      open[g] = static_cast<int>(p.groups[g].cells.size());
      for (int cell : p.groups[g].cells) groupsOf[cell].push_back(static_cast<int>(g));
    }
  }

  int Free(int cell) const {
    int mask = full;
    for (int g : groupsOf[cell]) mask &= ~used[g];
    return mask;
  }

  // Each cell's digits left by its groups, then narrowed by the signs until
  // they settle: a greater cell keeps digits above the smaller's lowest, a
  // smaller one digits below the greater's highest.
  std::vector<int> Domains() const {
    std::vector<int> dom(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) dom[i] = value[i] ? 1 << value[i] : Free(static_cast<int>(i));
    for (bool changed = !p.greater.empty(); changed;) {
      changed = false;
      for (auto [a, b] : p.greater) {
        if (!dom[a] || !dom[b]) return dom;
        const int keepA = dom[a] & ~((2 << std::countr_zero(static_cast<unsigned>(dom[b]))) - 1);
        const int keepB = dom[b] & ((1 << (31 - __builtin_clz(dom[a]))) - 1);
        if (keepA != dom[a] || keepB != dom[b]) dom[a] = keepA, dom[b] = keepB, changed = true;
      }
    }
    return dom;
  }

  // Digits of an open cell that still leave each of its sums reachable.
  int Options(int cell, int mask) const {
    for (int d = 1; d <= p.digits; ++d)
      for (int g : groupsOf[cell]) {
        const int sum = p.groups[g].sum;
        if (sum >= 0 && (mask >> d & 1) && !Reachable(used[g] | 1 << d, open[g] - 1, sum - total[g] - d))
          mask &= ~(1 << d);
      }
    return mask;
  }

  void Set(int cell, int d, int sign) {
    value[cell] = sign > 0 ? d : 0;
    for (int g : groupsOf[cell]) {
      used[g] ^= 1 << d;
      total[g] += sign * d;
      open[g] -= sign;
    }
  }

  void Go() {
    int best = -1, bestMask = 0, bestCount = 99;
    const std::vector<int> dom = Domains();
    for (std::size_t i = 0; i < value.size(); ++i) {
      if (dom[i] == 0) return;
      if (value[i]) continue;
      const int mask = Options(static_cast<int>(i), dom[i]);
      const int count = __builtin_popcount(mask);
      if (count == 0) return;
      if (count < bestCount) best = static_cast<int>(i), bestMask = mask, bestCount = count;
    }
    if (best < 0) {
      if (found++ == 0 && first) *first = value;
      return;
    }
    for (int d = 1; d <= p.digits && found < limit; ++d) {
      if (!(bestMask >> d & 1)) continue;
      Set(best, d, 1);
      Go();
      Set(best, d, -1);
    }
  }
};

}  // namespace

int CountSolutions(const Problem& p, int limit, std::vector<int>* first) {
  Search s(p, limit, first);
  for (std::size_t i = 0; i < p.given.size(); ++i) {
    const int d = p.given[i];
    if (d == 0) continue;
    if (d < 1 || d > p.digits || !(s.Free(static_cast<int>(i)) >> d & 1)) return 0;
    s.Set(static_cast<int>(i), d, 1);
  }
  s.Go();
  return s.found;
}

std::string Verdict(const Problem& p) {
  if (!p.fault.empty()) return p.fault;
  std::vector<int> found;
  const int count = CountSolutions(p, 2, &found);
  if (count != 1) return std::to_string(count) + " solutions";
  if (found != p.solution) return "the stored solution is not the one the clues allow";
  return "";
}

Problem SudokuProblem(const sudoku::SudPuzzle& puzzle) {
  Problem p;
  p.groups.resize(27);
  for (int i = 0; i < 81; ++i) {
    const int r = i / 9, c = i % 9;
    const sudoku::SudCell& x = puzzle.cells[r][c];
    p.given.push_back(x.given ? x.solution : 0);
    p.solution.push_back(x.solution);
    p.groups[r].cells.push_back(i);
    p.groups[9 + c].cells.push_back(i);
    p.groups[18 + r / 3 * 3 + c / 3].cells.push_back(i);
    if (x.entry != (x.given ? x.solution : 0) || x.textLength || x.check) p.fault = "play field set";
  }
  return p;
}

Problem FutoshikiProblem(const futoshiki::FutHeader& header, const futoshiki::FutGrid& grid) {
  Problem p;
  const int n = p.digits = header.size;
  p.groups.resize(2 * n);
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) {
      const futoshiki::FutGridCell& cell = grid.cells[r][c];
      const int i = r * n + c;
      p.given.push_back(cell.given ? cell.solution : 0);
      p.solution.push_back(cell.solution);
      p.groups[r].cells.push_back(i);
      p.groups[n + c].cells.push_back(i);
      if (cell.entry != (cell.given ? cell.solution : 0) || cell.textLength || cell.check)
        p.fault = "play field set";
      for (auto [sign, next, inside] : {std::tuple{cell.signRight, i + 1, c + 1 < n},
                                        std::tuple{cell.signDown, i + n, r + 1 < n}}) {
        if (sign && !inside) p.fault = "sign off the board";
        if (sign == 1) p.greater.push_back({i, next});
        if (sign == 2) p.greater.push_back({next, i});
      }
    }
  return p;
}

Problem KakuroProblem(const kakuro::KakHeader& h, const kakuro::KakGrid& g) {
  Problem p;
  const auto white = [&](int r, int c) { return r <= h.rows && c <= h.cols && g.cells[r][c].colour == 2; };
  std::vector<int> index((h.rows + 1) * (h.cols + 1), -1);
  for (int r = 0; r <= h.rows; ++r)
    for (int c = 0; c <= h.cols; ++c) {
      const kakuro::KakCell& cell = g.cells[r][c];
      bool played = cell.entry != -1 || cell.mark || cell.textLength;
      for (auto m : cell.pencil) played |= m != 0;
      if (played) p.fault = "play field set";
      if (h.symmetric && (cell.colour == 2) != white(h.rows + 1 - r, h.cols + 1 - c))
        p.fault = "not symmetric";
      if (cell.colour == 2 && (r == 0 || c == 0)) p.fault = "white cell in the clue frame";
      if (cell.colour != 2) continue;
      index[r * (h.cols + 1) + c] = static_cast<int>(p.given.size());
      p.given.push_back(0);
      p.solution.push_back(cell.sum);
    }
  for (int r = 0; r <= h.rows; ++r)
    for (int c = 0; c <= h.cols; ++c) {
      const kakuro::KakCell& cell = g.cells[r][c];
      if (cell.colour != 1) continue;
      for (int down = 0; down < 2; ++down) {
        Problem::Group run{{}, down ? cell.downSum : cell.sum};
        for (int k = 1; white(down ? r + k : r, down ? c : c + k); ++k)
          run.cells.push_back(index[(down ? r + k : r) * (h.cols + 1) + (down ? c : c + k)]);
        const int n = static_cast<int>(run.cells.size());
        if (n != (down ? cell.downLength : cell.acrossLength)) p.fault = "stored run length differs";
        if (n == 1 || n > 9) p.fault = "run of " + std::to_string(n);
        if (n) p.groups.push_back(run);
      }
    }
  return p;
}

// Hexagons of side 2 in flat-top columns, odd columns standing higher; two
// cells touch when their centres are 2 sqrt(3) apart.
bool HexTouching(int r1, int c1, int r2, int c2) {
  const double h = std::sqrt(3.0);
  auto y = [h](int r, int c) { return (r - 1) * 2 * h + (c % 2 == 0 ? h : 0.0); };
  return std::fabs(std::hypot(3.0 * (c1 - c2), y(r1, c1) - y(r2, c2)) - 2 * h) < 1e-6;
}

Problem HexKakuroProblem(const hexkakuro::HexGrid& g, int rows, int cols) {
  Problem p;
  const auto clueSpot = [](int r, int c) { return (r % 2 == 1 && c % 4 == 3) || (r % 2 == 0 && c % 4 == 1); };
  std::vector<int> index(14 * 16, -1), runsOf(14 * 16, 0);
  for (int r = 0; r < 14; ++r)
    for (int c = 0; c < 16; ++c) {
      const hexkakuro::HexGridCell& cell = g.cells[r][c];
      const bool inside = r >= 1 && r <= rows && c >= 1 && c <= cols;
      const bool whiteSpot = inside && r < rows && !clueSpot(r, c) && !(r == 1 && c % 4 == 1);
      if ((cell.kind == 1) != (inside && clueSpot(r, c))) p.fault = "clue lattice broken";
      if ((cell.kind == 2 || cell.kind == 3) != whiteSpot) p.fault = "white lattice broken";
      if (cell.kind != 3) continue;
      if (cell.entry || cell.textLength || cell.check) p.fault = "play field set";
      index[r * 16 + c] = static_cast<int>(p.given.size());
      p.given.push_back(0);
      p.solution.push_back(cell.number);
    }
  for (int r = 0; r < 14; ++r)
    for (int c = 0; c < 16; ++c) {
      if (g.cells[r][c].kind != 1) continue;
      Problem::Group run{{}, g.cells[r][c].number};
      for (int rr = std::max(0, r - 1); rr <= std::min(13, r + 1); ++rr)
        for (int cc = std::max(0, c - 1); cc <= std::min(15, c + 1); ++cc)
          if (index[rr * 16 + cc] >= 0 && HexTouching(r, c, rr, cc)) {
            run.cells.push_back(index[rr * 16 + cc]);
            ++runsOf[rr * 16 + cc];
          }
      if (static_cast<int>(run.cells.size()) != g.cells[r][c].count) p.fault = "stored count differs";
      p.groups.push_back(run);
    }
  for (int i = 0; i < 14 * 16; ++i)
    if (index[i] >= 0 && runsOf[i] != 2) p.fault = "white cell not in two runs";
  return p;
}

}  // namespace zorvek::testing

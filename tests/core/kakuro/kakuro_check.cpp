#include "kakuro_check.h"

#include <cstdint>
#include <vector>

namespace zorvek::kakuro::testing {
namespace {

bool White(const KakHeader& h, const KakGrid& g, int r, int c) {
  return r >= 0 && c >= 0 && r <= h.rows && c <= h.cols && g.cells[r][c].colour == 2;
}

struct Run {
  int sum;
  int cells;
  int used = 0;
  int total = 0;
  int placed = 0;
};

struct Search {
  const KakHeader& h;
  const KakGrid& g;
  std::vector<Run> runs;
  std::vector<std::pair<int, int>> cells;  // white cells, row-major
  std::vector<std::pair<int, int>> runOf;  // across, down run index per cell
  int limit;
  int found = 0;

  // Whether `left` more distinct digits outside `used` can still add up to
  // `need`, exactly: a table of reachable sums per set of free digits.
  static bool Reachable(int used, int left, int need) {
    struct Table {
      std::uint64_t sums[512][10] = {};
      Table() {
        for (int set = 0; set < 512; ++set) {
          int n = 0, total = 0;
          for (int d = 1; d <= 9; ++d)
            if (set >> (d - 1) & 1) ++n, total += d;
          // Every superset of free digits can make this set's total.
          for (int free = 0; free < 512; ++free)
            if ((free & set) == set) sums[free][n] |= std::uint64_t{1} << total;
        }
      }
    };
    static const Table table;
    if (left < 0 || left > 9 || need < 0 || need > 45) return false;
    const int free = ~(used >> 1) & 511;
    return table.sums[free][left] >> need & 1;
  }

  std::vector<bool> placed;

  int Options(std::size_t i) const {
    const Run& a = runs[runOf[i].first];
    const Run& d = runs[runOf[i].second];
    int mask = 0;
    for (int digit = 1; digit <= 9; ++digit) {
      const int bit = 1 << digit;
      if ((a.used | d.used) & bit) continue;
      if (!Reachable(a.used | bit, a.cells - a.placed - 1, a.sum - a.total - digit)) continue;
      if (!Reachable(d.used | bit, d.cells - d.placed - 1, d.sum - d.total - digit)) continue;
      mask |= bit;
    }
    return mask;
  }

  // Depth-first, always on the cell with the fewest digits left.
  void Go(std::size_t left) {
    if (found >= limit) return;
    if (left == 0) {
      ++found;
      return;
    }
    std::size_t best = cells.size();
    int bestMask = 0, bestCount = 10;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      if (placed[i]) continue;
      const int mask = Options(i);
      const int count = __builtin_popcount(mask);
      if (count == 0) return;
      if (count < bestCount) best = i, bestMask = mask, bestCount = count;
    }
    Run& a = runs[runOf[best].first];
    Run& d = runs[runOf[best].second];
    placed[best] = true;
    for (int digit = 1; digit <= 9; ++digit) {
      const int bit = 1 << digit;
      if (!(bestMask & bit)) continue;
      for (Run* run : {&a, &d}) run->used |= bit, run->total += digit, ++run->placed;
      Go(left - 1);
      for (Run* run : {&a, &d}) run->used &= ~bit, run->total -= digit, --run->placed;
    }
    placed[best] = false;
  }
};

}  // namespace

std::string PuzzleProblems(const KakHeader& h, const KakGrid& g) {
  const auto at = [](int r, int c) {
    std::string text = std::to_string(r);
    text += ',';
    text += std::to_string(c);
    return text;
  };
  if (h.rows < 7 || h.rows > 11 || h.cols < 7 || h.cols > 13) return "bad size";
  if ((h.symmetric != 0) != (h.rows >= 9)) return "symmetric flag does not follow the rows";
  for (int r = 0; r <= h.rows; ++r)
    for (int c = 0; c <= h.cols; ++c) {
      const KakCell& cell = g.cells[r][c];
      if (cell.entry != -1 || cell.mark != 0 || cell.textLength != 0) return "play field set " + at(r, c);
      for (auto p : cell.pencil)
        if (p) return "pencil mark set " + at(r, c);
      if ((r == 0 || c == 0) && cell.colour != 1) return "white cell in the clue frame " + at(r, c);
      if (cell.colour == 2) {
        if (cell.sum < 1 || cell.sum > 9) return "solution digit out of range " + at(r, c);
        continue;
      }
      if (cell.colour != 1) return "bad colour " + at(r, c);
      for (int dir = 0; dir < 2; ++dir) {
        int n = 0, total = 0, used = 0;
        for (int k = 1;; ++k) {
          const int rr = dir ? r + k : r, cc = dir ? c : c + k;
          if (!White(h, g, rr, cc)) break;
          ++n;
          const int digit = g.cells[rr][cc].sum;
          if (used >> digit & 1) return "repeated digit in the run of " + at(r, c);
          used |= 1 << digit;
          total += digit;
        }
        const int length = dir ? cell.downLength : cell.acrossLength;
        const int sum = dir ? cell.downSum : cell.sum;
        if (length != n) return "run length does not match " + at(r, c);
        if (n == 1 || n > 9) return "run of " + std::to_string(n) + " at " + at(r, c);
        if (sum != total) return "clue does not add up at " + at(r, c);
      }
    }
  if (h.symmetric)
    for (int r = 1; r <= h.rows; ++r)
      for (int c = 1; c <= h.cols; ++c)
        if (g.cells[r][c].colour != g.cells[h.rows + 1 - r][h.cols + 1 - c].colour)
          return "not symmetric at " + at(r, c);
  return "";
}

int CountSolutions(const KakHeader& h, const KakGrid& g, int limit) {
  Search s{h, g, {}, {}, {}, limit, 0, {}};
  std::vector<int> acrossRun((h.rows + 1) * (h.cols + 1), -1), downRun(acrossRun);
  for (int r = 0; r <= h.rows; ++r)
    for (int c = 0; c <= h.cols; ++c) {
      if (!White(h, g, r, c)) continue;
      const int idx = r * (h.cols + 1) + c;
      if (White(h, g, r, c - 1)) {
        acrossRun[idx] = acrossRun[idx - 1];
        ++s.runs[acrossRun[idx]].cells;
      } else {
        acrossRun[idx] = static_cast<int>(s.runs.size());
        s.runs.push_back({g.cells[r][c - 1].sum, 1});
      }
      if (White(h, g, r - 1, c)) {
        downRun[idx] = downRun[idx - (h.cols + 1)];
        ++s.runs[downRun[idx]].cells;
      } else {
        downRun[idx] = static_cast<int>(s.runs.size());
        s.runs.push_back({g.cells[r - 1][c].downSum, 1});
      }
      s.cells.push_back({r, c});
      s.runOf.push_back({acrossRun[idx], downRun[idx]});
    }
  s.placed.assign(s.cells.size(), false);
  s.Go(s.cells.size());
  return s.found;
}

}  // namespace zorvek::kakuro::testing

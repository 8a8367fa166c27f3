#include "core/kakuro/fill.h"

#include <algorithm>
#include <bit>

#include "core/common/types.h"
#include "core/kakuro/tables.h"

namespace zorvek::kakuro {
namespace {

// Sum pairs for two crossing runs (shorter, longer) whose possible digits
// share exactly one digit, so seeding them decides the crossing cell.
struct SumPairs {
  int lo;
  int hi;
  int count;
  int pairs[28][2];
};

constexpr SumPairs kPairsOneToNine[] = {
    {2, 2, 26, {{3, 4}, {3, 11}, {4, 3}, {4, 6}, {4, 11}, {4, 12}, {5, 13}, {6, 4}, {6, 14}, {7, 15}, {8, 16}, {9, 16}, {9, 17}, {11, 3}, {11, 4}, {12, 4}, {13, 5}, {14, 6}, {14, 16}, {15, 7}, {16, 8}, {16, 9}, {16, 14}, {16, 17}, {17, 9}, {17, 16}}},
    {2, 3, 18, {{3, 19}, {4, 7}, {4, 19}, {4, 20}, {5, 21}, {6, 22}, {7, 23}, {8, 23}, {8, 24}, {12, 6}, {12, 7}, {13, 7}, {14, 8}, {15, 9}, {16, 10}, {16, 11}, {16, 23}, {17, 11}}},
    {2, 4, 14, {{3, 26}, {4, 26}, {4, 27}, {5, 28}, {6, 29}, {7, 29}, {7, 30}, {13, 10}, {13, 11}, {14, 11}, {15, 12}, {16, 13}, {16, 14}, {17, 14}}},
    {2, 5, 12, {{3, 32}, {4, 32}, {4, 33}, {5, 34}, {6, 34}, {6, 35}, {14, 15}, {14, 16}, {15, 16}, {16, 17}, {16, 18}, {17, 18}}},
    {2, 6, 12, {{3, 37}, {4, 37}, {4, 38}, {5, 38}, {5, 39}, {6, 38}, {14, 22}, {15, 21}, {15, 22}, {16, 22}, {16, 23}, {17, 23}}},
    {3, 3, 14, {{6, 20}, {7, 20}, {7, 21}, {8, 22}, {9, 23}, {10, 23}, {10, 24}, {20, 6}, {20, 7}, {21, 7}, {22, 8}, {23, 9}, {23, 10}, {24, 10}}},
    {3, 4, 12, {{6, 27}, {7, 27}, {7, 28}, {8, 29}, {9, 29}, {9, 30}, {21, 10}, {21, 11}, {22, 11}, {23, 12}, {23, 13}, {24, 13}}},
    {3, 5, 10, {{6, 33}, {7, 33}, {7, 34}, {8, 34}, {8, 35}, {22, 15}, {22, 16}, {23, 16}, {23, 17}, {24, 17}}},
    {3, 6, 4, {{6, 38}, {7, 39}, {23, 21}, {24, 22}}},
    {4, 4, 8, {{10, 28}, {11, 28}, {11, 29}, {12, 30}, {28, 10}, {28, 11}, {29, 11}, {30, 12}}},
    {4, 5, 4, {{10, 34}, {11, 35}, {29, 15}, {30, 16}}},
    {4, 6, 3, {{10, 39}, {30, 21}, {30, 22}}},
};

constexpr SumPairs kPairsZeroToNine[] = {
    {2, 2, 28, {{1, 2}, {1, 10}, {2, 1}, {2, 4}, {2, 10}, {2, 11}, {3, 12}, {4, 2}, {4, 13}, {5, 14}, {6, 15}, {7, 16}, {8, 16}, {8, 17}, {10, 1}, {10, 2}, {11, 2}, {12, 3}, {13, 4}, {14, 5}, {14, 16}, {15, 6}, {16, 7}, {16, 8}, {16, 14}, {16, 17}, {17, 8}, {17, 16}}},
    {2, 3, 20, {{1, 18}, {2, 4}, {2, 18}, {2, 19}, {3, 20}, {4, 21}, {5, 22}, {6, 23}, {7, 23}, {7, 24}, {11, 3}, {11, 4}, {12, 4}, {13, 5}, {14, 6}, {15, 7}, {16, 8}, {16, 9}, {16, 23}, {17, 9}}},
    {2, 4, 16, {{1, 25}, {2, 25}, {2, 26}, {3, 27}, {4, 28}, {5, 29}, {6, 29}, {6, 30}, {12, 6}, {12, 7}, {13, 7}, {14, 8}, {15, 9}, {16, 10}, {16, 11}, {17, 11}}},
    {2, 5, 14, {{1, 31}, {2, 31}, {2, 32}, {3, 33}, {4, 34}, {5, 34}, {5, 35}, {13, 10}, {13, 11}, {14, 11}, {15, 12}, {16, 13}, {16, 14}, {17, 14}}},
    {2, 6, 12, {{1, 36}, {2, 36}, {2, 37}, {3, 38}, {4, 38}, {4, 39}, {14, 15}, {14, 16}, {15, 16}, {16, 17}, {16, 18}, {17, 18}}},
    {3, 3, 16, {{3, 19}, {4, 19}, {4, 20}, {5, 21}, {6, 22}, {7, 23}, {8, 23}, {8, 24}, {19, 3}, {19, 4}, {20, 4}, {21, 5}, {22, 6}, {23, 7}, {23, 8}, {24, 8}}},
    {3, 4, 14, {{3, 26}, {4, 26}, {4, 27}, {5, 28}, {6, 29}, {7, 29}, {7, 30}, {20, 6}, {20, 7}, {21, 7}, {22, 8}, {23, 9}, {23, 10}, {24, 10}}},
    {3, 5, 12, {{3, 32}, {4, 32}, {4, 33}, {5, 34}, {6, 34}, {6, 35}, {21, 10}, {21, 11}, {22, 11}, {23, 12}, {23, 13}, {24, 13}}},
    {3, 6, 10, {{3, 37}, {4, 37}, {4, 38}, {5, 38}, {5, 39}, {22, 15}, {22, 16}, {23, 16}, {23, 17}, {24, 17}}},
    {4, 4, 12, {{6, 27}, {7, 27}, {7, 28}, {8, 29}, {9, 29}, {9, 30}, {27, 6}, {27, 7}, {28, 7}, {29, 8}, {29, 9}, {30, 9}}},
    {4, 5, 10, {{6, 33}, {7, 33}, {7, 34}, {8, 34}, {8, 35}, {28, 10}, {28, 11}, {29, 11}, {29, 12}, {30, 12}}},
    {4, 6, 4, {{6, 38}, {7, 39}, {29, 15}, {30, 16}}},
};

const SumPairs* FindPairs(bool zeroAllowed, int lo, int hi) {
  for (const SumPairs& p : zeroAllowed ? kPairsZeroToNine : kPairsOneToNine)
    if (p.lo == lo && p.hi == hi) return &p;
  return nullptr;
}

// Run heads of white cells and run lengths of black cells, from the colours.
void ComputeRuns(KakWorkGrid& grid, int rows, int cols) {
  for (int r = 0; r <= rows; ++r)
    for (int c = 0; c <= cols; ++c) {
      KakWorkCell& cell = grid.cells[r][c];
      if (cell.colour == kWhite) {
        cell.head[kAcross] = c > 0 && grid.cells[r][c - 1].colour == kWhite
                                 ? grid.cells[r][c - 1].head[kAcross]
                                 : c - 1;
        cell.head[kDown] = r > 0 && grid.cells[r - 1][c].colour == kWhite
                               ? grid.cells[r - 1][c].head[kDown]
                               : r - 1;
        continue;
      }
      int n = 0;
      while (c + n + 1 <= cols && grid.cells[r][c + n + 1].colour == kWhite) ++n;
      cell.runLength[kAcross] = n;
      n = 0;
      while (r + n + 1 <= rows && grid.cells[r + n + 1][c].colour == kWhite) ++n;
      cell.runLength[kDown] = n;
    }
}

}  // namespace

void WorkGridFromPuzzle(const KakHeader& header, const KakGrid& grid, KakWorkGrid& work) {
  for (auto& row : work.cells)
    for (KakWorkCell& cell : row) cell = KakWorkCell{};
  const int rows = std::clamp(header.rows, 0, kGridRows - 1);
  const int cols = std::clamp(header.cols, 0, kGridCols - 1);
  for (int r = 0; r < kWorkRows; ++r)
    for (int c = 0; c < kWorkCols; ++c) {
      KakWorkCell& cell = work.cells[r][c];
      cell.colour = kBlack;
      cell.digit = -1;
      if (r > rows || c > cols) continue;
      const KakCell& source = grid.cells[r][c];
      // Row 0 and column 0 are clue cells whatever the bytes say.
      if (source.colour == kWhite && r > 0 && c > 0) {
        cell.colour = kWhite;
      } else {
        cell.runSum[kAcross] = source.sum;
        cell.runSum[kDown] = source.downSum;
      }
    }
  ComputeRuns(work, rows, cols);
}

KakPropagation::KakPropagation(const KakHeader& header, KakWorkGrid& grid)
    : grid_(grid),
      rows_(std::clamp(header.rows, 0, kWorkRows - 1)),
      cols_(std::clamp(header.cols, 0, kWorkCols - 1)),
      lowest_(std::clamp(header.lowestDigit, 0, 9)),
      highest_(std::clamp(header.highestDigit, 0, 9)) {}

KakWorkCell& KakPropagation::HeadOf(int r, int c, int direction) {
  const KakWorkCell& cell = grid_.cells[r][c];
  return direction == kAcross ? grid_.cells[r][cell.head[kAcross]]
                              : grid_.cells[cell.head[kDown]][c];
}

int KakPropagation::RunCells(int hr, int hc, int direction, int (&rs)[9], int (&cs)[9]) const {
  const int n = std::clamp(grid_.cells[hr][hc].runLength[direction], 0, 9);
  for (int i = 0; i < n; ++i) {
    rs[i] = direction == kAcross ? hr : hr + 1 + i;
    cs[i] = direction == kAcross ? hc + 1 + i : hc;
  }
  return n;
}

int KakPropagation::CandidateMask(const KakWorkCell& cell) const {
  int mask = 0;
  for (int d = lowest_; d <= highest_; ++d)
    if (cell.candidates[d]) mask |= 1 << d;
  return mask;
}

bool KakPropagation::UpdateCell(int r, int c) {
  KakWorkCell& cell = grid_.cells[r][c];
  const int mask = CandidateMask(cell);
  if (mask == 0) return false;
  HeadOf(r, c, kAcross).runChanged[kAcross] = 1;
  HeadOf(r, c, kDown).runChanged[kDown] = 1;
  if (cell.solved) return true;
  ++progress;
  if (std::popcount(static_cast<unsigned>(mask)) > 1) return true;
  const int digit = std::countr_zero(static_cast<unsigned>(mask));
  cell.digit = digit;
  cell.solved = 1;
  for (int direction = kAcross; direction <= kDown; ++direction) {
    const int hr = direction == kAcross ? r : cell.head[kDown];
    const int hc = direction == kAcross ? cell.head[kAcross] : c;
    const KakWorkCell& head = grid_.cells[hr][hc];
    int rs[9], cs[9];
    const int n = RunCells(hr, hc, direction, rs, cs);
    int s = head.runSum[direction];
    int m = n;
    for (int i = 0; i < n; ++i) {
      const KakWorkCell& other = grid_.cells[rs[i]][cs[i]];
      if (!other.solved) continue;
      if (other.digit == digit && (rs[i] != r || cs[i] != c)) return false;
      s -= other.digit;
      --m;
    }
    std::uint8_t allowed[10];
    for (auto& a : allowed) a = 1;
    if (head.runSum[direction] > 0) {
      if (m >= 1 && s >= 1) {
        if (!LookupPossibleDigits(m, s, allowed)) return false;
      } else if (m < 1) {
        if (s != 0) return false;
      } else {
        // Cells left but nothing left to share among them: only a 0 could
        // still fit, and only when the sum is not already exceeded.
        if (s < 0) return false;
        for (int d = 1; d < 10; ++d) allowed[d] = 0;
      }
    }
    for (int i = 0; i < n; ++i) {
      if (rs[i] == r && cs[i] == c) continue;
      KakWorkCell& other = grid_.cells[rs[i]][cs[i]];
      if (other.solved) continue;
      bool removed = false;
      for (int d = lowest_; d <= highest_; ++d)
        if (other.candidates[d] && (d == digit || !allowed[d])) {
          other.candidates[d] = 0;
          removed = true;
        }
      if (removed && !UpdateCell(rs[i], cs[i])) return false;
    }
  }
  return true;
}

KakFill::KakFill(const KakHeader& header, KakWorkGrid& grid, Random& random)
    : KakPropagation(header, grid),
      random_(random),
      difficulty_(header.difficulty),
      zeroAllowed_(header.zeroAllowed != 0) {}

void KakFill::InitFill() {
  for (int r = 0; r <= rows_; ++r)
    for (int c = 0; c <= cols_; ++c) {
      KakWorkCell& cell = grid_.cells[r][c];
      const std::uint8_t colour = cell.colour;
      cell = KakWorkCell{};
      cell.colour = colour;
      cell.digit = -1;
      if (colour == kWhite) {
        for (auto& candidate : cell.candidates) candidate = 1;
        if (!zeroAllowed_) cell.candidates[0] = 0;
      }
    }
  ComputeRuns(grid_, rows_, cols_);
}

bool KakFill::SetRunSum(int hr, int hc, int direction, int sum) {
  KakWorkCell& head = grid_.cells[hr][hc];
  head.runSum[direction] = sum;
  head.runClaimed[direction] = head.runLength[direction];
  head.runChanged[direction] = 1;
  int rs[9], cs[9];
  const int n = RunCells(hr, hc, direction, rs, cs);
  for (int i = 0; i < n; ++i) {
    KakWorkCell& cell = grid_.cells[rs[i]][cs[i]];
    if (cell.claimed) continue;
    cell.claimed = 1;
    ++HeadOf(rs[i], cs[i], 1 - direction).runClaimed[1 - direction];
  }
  std::uint8_t allowed[10];
  if (!LookupPossibleDigits(n, sum, allowed)) return false;
  bool changed[9] = {};
  for (int i = 0; i < n; ++i) {
    KakWorkCell& cell = grid_.cells[rs[i]][cs[i]];
    for (int d = lowest_; d <= highest_; ++d)
      if (cell.candidates[d] && !allowed[d]) {
        cell.candidates[d] = 0;
        changed[i] = true;
      }
  }
  for (int i = 0; i < n; ++i)
    if (changed[i] && !UpdateCell(rs[i], cs[i])) return false;
  return true;
}

bool KakFill::SeedNineRuns() {
  for (int c = 0; c <= cols_; ++c)
    for (int r = rows_; r >= 0; --r) {
      const KakWorkCell& cell = grid_.cells[r][c];
      if (cell.colour != kBlack) continue;
      for (int direction = kAcross; direction <= kDown; ++direction)
        if (cell.runLength[direction] == 9 && !SetRunSum(r, c, direction, 45)) return false;
    }
  return true;
}

bool KakFill::SeedCrossings() {
  const int target = difficulty_ == kEasy ? rows_ * cols_ / 2 : rows_ * cols_ / 8;
  bool marked[kWorkRows][kWorkCols] = {};
  int seeded = 0;
  int row = random_(rows_) + 1;
  for (int picks = 0; seeded < target && picks < 201;) {
    ++picks;
    row = row == rows_ ? 1 : row + 1;
    int col = random_(cols_) + 1;
    for (int steps = 0; marked[row][col] && steps < cols_ + 1; ++steps)
      col = col == cols_ ? 1 : col + 1;
    marked[row][col] = true;
    const KakWorkCell& cell = grid_.cells[row][col];
    if (cell.colour != kWhite || cell.claimed) continue;
    const int acrossCol = cell.head[kAcross];
    const int downRow = cell.head[kDown];
    const KakWorkCell& acrossHead = grid_.cells[row][acrossCol];
    const KakWorkCell& downHead = grid_.cells[downRow][col];
    if (acrossHead.runClaimed[kAcross] != 0 || downHead.runClaimed[kDown] != 0) continue;
    const int a = acrossHead.runLength[kAcross];
    const int b = downHead.runLength[kDown];
    const SumPairs* pairs = FindPairs(zeroAllowed_, std::min(a, b), std::max(a, b));
    if (pairs == nullptr) continue;
    const int* pair = pairs->pairs[random_(pairs->count)];
    const int acrossSum = a >= b ? pair[1] : pair[0];
    const int downSum = a >= b ? pair[0] : pair[1];
    if (!SetRunSum(row, acrossCol, kAcross, acrossSum)) return false;
    if (!SetRunSum(downRow, col, kDown, downSum)) return false;
    ++seeded;
  }
  return SeedNineRuns();
}

bool KakFill::FillingExists(const int* masks, int n, int index, int remaining,
                            int used) const {
  if (index == n) return remaining == 0;
  const int options = masks[index] & ~used;
  for (int d = lowest_; d <= highest_ && d <= remaining; ++d)
    if ((options >> d) & 1)
      if (FillingExists(masks, n, index + 1, remaining - d, used | (1 << d))) return true;
  return false;
}

bool KakFill::ExamineRun(int hr, int hc, int direction, bool& removedAny) {
  const KakWorkCell& head = grid_.cells[hr][hc];
  int rs[9], cs[9];
  const int n = RunCells(hr, hc, direction, rs, cs);
  if (head.runSum[direction] > 0) {
    for (int i = 0; i < n; ++i) {
      KakWorkCell& cell = grid_.cells[rs[i]][cs[i]];
      if (cell.solved) continue;
      // The other cells: solved ones fixed to their digit.
      int masks[9];
      int count = 0;
      int remaining = head.runSum[direction];
      int used = 0;
      for (int j = 0; j < n; ++j) {
        if (j == i) continue;
        const KakWorkCell& other = grid_.cells[rs[j]][cs[j]];
        if (other.solved) {
          remaining -= other.digit;
          used |= 1 << other.digit;
        } else {
          masks[count++] = CandidateMask(other);
        }
      }
      bool removed = false;
      for (int d = lowest_; d <= highest_; ++d) {
        if (!cell.candidates[d]) continue;
        if (((used >> d) & 1) || d > remaining ||
            !FillingExists(masks, count, 0, remaining - d, used | (1 << d))) {
          cell.candidates[d] = 0;
          removed = true;
        }
      }
      if (removed) {
        removedAny = true;
        if (!UpdateCell(rs[i], cs[i])) return false;
      }
    }
  }
  // Naked subsets: k cells whose candidates lie within k digits own them.
  int size[9];
  int id[9];
  bool lost[9] = {};
  for (int i = 0; i < n; ++i) {
    size[i] = 10;
    id[i] = 0;
  }
  int nextId = 0;
  for (int i = 0; i < n; ++i)
    for (int j = i; j < n; ++j) {
      const int unionMask = CandidateMask(grid_.cells[rs[i]][cs[i]]) |
                            CandidateMask(grid_.cells[rs[j]][cs[j]]);
      const int k = std::popcount(static_cast<unsigned>(unionMask));
      if (k > n) continue;
      bool inside[9];
      int members = 0;
      for (int t = 0; t < n; ++t) {
        inside[t] = (CandidateMask(grid_.cells[rs[t]][cs[t]]) & ~unionMask) == 0;
        if (inside[t]) ++members;
      }
      if (members != k) continue;
      ++nextId;
      for (int t = 0; t < n; ++t) {
        KakWorkCell& cell = grid_.cells[rs[t]][cs[t]];
        if (inside[t]) {
          if (k < size[t]) {
            size[t] = k;
            id[t] = nextId;
          }
          continue;
        }
        for (int d = lowest_; d <= highest_; ++d)
          if (((unionMask >> d) & 1) && cell.candidates[d]) {
            cell.candidates[d] = 0;
            lost[t] = true;
            removedAny = true;
          }
      }
    }
  for (int t = 0; t < n; ++t) {
    KakWorkCell& cell = grid_.cells[rs[t]][cs[t]];
    const bool small = size[t] == 2 || size[t] == 3;
    cell.subsetSize[direction] = small ? size[t] : 0;
    cell.subsetId[direction] = small ? id[t] : 0;
  }
  for (int t = 0; t < n; ++t)
    if (lost[t] && !UpdateCell(rs[t], cs[t])) return false;
  return true;
}

bool KakFill::RefineCandidates() {
  for (;;) {
    bool removed = false;
    for (int r = 0; r <= rows_; ++r)
      for (int c = 0; c <= cols_; ++c) {
        KakWorkCell& cell = grid_.cells[r][c];
        if (cell.colour != kBlack) continue;
        for (int direction = kAcross; direction <= kDown; ++direction) {
          if (!cell.runChanged[direction]) continue;
          cell.runChanged[direction] = 0;
          if (!ExamineRun(r, c, direction, removed)) return false;
        }
      }
    if (!removed) return true;
  }
}

bool KakFill::PickRun(int& hr, int& hc, int& direction) const {
  int two[3] = {-1, -1, -1};
  int more[3] = {-1, -1, -1};
  for (int r = 0; r <= rows_; ++r)
    for (int c = 0; c <= cols_; ++c) {
      const KakWorkCell& cell = grid_.cells[r][c];
      if (cell.colour != kBlack) continue;
      for (int d = kAcross; d <= kDown; ++d) {
        if (cell.runSum[d] != 0 || cell.runLength[d] <= 0) continue;
        const int open = cell.runLength[d] - cell.runClaimed[d];
        if (open < 2) {
          hr = r;
          hc = c;
          direction = d;
          return true;
        }
        int* slot = open == 2 ? two : more;
        slot[0] = r;
        slot[1] = c;
        slot[2] = d;
      }
    }
  const int* chosen = two[0] >= 0 ? two : more;
  if (chosen[0] < 0) return false;
  hr = chosen[0];
  hc = chosen[1];
  direction = chosen[2];
  return true;
}

int KakFill::ChooseRunSum(int hr, int hc, int direction, int retry) {
  if (retry == 0) {
    // Ways to fill the run from its candidates, by the set of digits used;
    // the set's total is the sum.
    int rs[9], cs[9];
    const int n = RunCells(hr, hc, direction, rs, cs);
    std::int32_t ways[2][1024];
    std::fill(std::begin(ways[0]), std::end(ways[0]), 0);
    ways[0][0] = 1;
    for (int i = 0; i < n; ++i) {
      const int mask = CandidateMask(grid_.cells[rs[i]][cs[i]]);
      auto& from = ways[i & 1];
      auto& to = ways[(i + 1) & 1];
      std::fill(std::begin(to), std::end(to), 0);
      for (int used = 0; used < 1024; ++used) {
        if (from[used] == 0) continue;
        const int options = mask & ~used;
        for (int d = 0; d < 10; ++d)
          if ((options >> d) & 1) to[used | (1 << d)] += from[used];
      }
    }
    std::fill(std::begin(sumCounts_), std::end(sumCounts_), 0);
    for (int used = 0; used < 1024; ++used) {
      const int w = ways[n & 1][used];
      if (w == 0) continue;
      int sum = 0;
      for (int d = 0; d < 10; ++d)
        if ((used >> d) & 1) sum += d;
      if (sum >= 1 && sum <= 45) sumCounts_[sum] += w;
    }
  }
  int fewest = 0;
  for (int sum = 1; sum <= 45; ++sum)
    if (sumCounts_[sum] > 0 && (fewest == 0 || sumCounts_[sum] < fewest)) fewest = sumCounts_[sum];
  if (fewest == 0) return 2;
  int sums[45];
  int count = 0;
  for (int sum = 1; sum <= 45; ++sum)
    if (sumCounts_[sum] == fewest) sums[count++] = sum;
  const int sum = sums[random_(count)];
  sumCounts_[sum] = 0;
  return SetRunSum(hr, hc, direction, sum) ? 0 : 1;
}

bool KakFill::CheckRectangles() {
  for (int r = 1; r <= rows_; ++r)
    for (int c = 1; c <= cols_; ++c) {
      const KakWorkCell& cell = grid_.cells[r][c];
      if (cell.colour != kWhite) continue;
      const int sa = cell.subsetSize[kAcross];
      const int sd = cell.subsetSize[kDown];
      if (sa < 2 || sd < 2 || (sa != 2 && sd != 2)) continue;
      int rs[9], cs[9];
      int c2 = -1;
      int n = RunCells(r, cell.head[kAcross], kAcross, rs, cs);
      for (int i = 0; i < n; ++i)
        if (cs[i] != c && grid_.cells[r][cs[i]].subsetId[kAcross] == cell.subsetId[kAcross])
          c2 = cs[i];
      int r2 = -1;
      n = RunCells(cell.head[kDown], c, kDown, rs, cs);
      for (int i = 0; i < n; ++i)
        if (rs[i] != r && grid_.cells[rs[i]][c].subsetId[kDown] == cell.subsetId[kDown])
          r2 = rs[i];
      if (c2 < 0 || r2 < 0) continue;
      const KakWorkCell& opposite = grid_.cells[r2][c2];
      if (opposite.colour == kWhite && opposite.subsetSize[kAcross] == sa &&
          opposite.subsetSize[kDown] == sd &&
          opposite.head[kAcross] == grid_.cells[r2][c].head[kAcross] &&
          opposite.head[kDown] == grid_.cells[r][c2].head[kDown])
        return true;
    }
  return false;
}

int KakFill::FillDigits() {
  InitFill();
  const bool seeded = difficulty_ == kHard ? SeedNineRuns() : SeedCrossings();
  if (!seeded || !RefineCandidates()) return 1;
  for (;;) {
    const KakWorkGrid saved = grid_;
    int hr, hc, direction;
    if (!PickRun(hr, hc, direction)) break;
    for (int retry = 0;; ++retry) {
      const int chosen = ChooseRunSum(hr, hc, direction, retry);
      if (retry > 9 || chosen == 2) return 1;
      bool again = chosen == 1;
      if (!again) again = !RefineCandidates() || CheckRectangles();
      if (!again) break;
      grid_ = saved;
    }
  }
  for (int r = 0; r <= rows_; ++r)
    for (int c = 0; c <= cols_; ++c)
      if (grid_.cells[r][c].colour == kWhite && !grid_.cells[r][c].solved) return 2;
  return 0;
}

KakSeedPairs SeedPairs(bool zeroAllowed, int lo, int hi) {
  const SumPairs* found = FindPairs(zeroAllowed, lo, hi);
  if (found == nullptr) return {0, nullptr};
  return {found->count, found->pairs};
}

int FillDigits(const KakHeader& header, KakWorkGrid& grid, Random& random) {
  KakFill fill(header, grid, random);
  return fill.FillDigits();
}

}  // namespace zorvek::kakuro

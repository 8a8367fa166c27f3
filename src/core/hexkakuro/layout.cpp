#include "core/hexkakuro/layout.h"

#include <algorithm>

#include "core/hexkakuro/deduce.h"

namespace zorvek::hexkakuro {
namespace {

// Sum pairs (shorter run / longer run) whose possible digits share exactly
// one digit, so the cell the two runs share is forced.
constexpr SeedPair kSeeds22[] = {
    {3, 4},   {3, 11}, {4, 3},   {4, 6},  {4, 11},  {4, 12}, {5, 13},  {6, 4},  {6, 14},
    {7, 15},  {8, 16}, {9, 16},  {9, 17}, {11, 3},  {11, 4}, {12, 4},  {13, 5}, {14, 6},
    {14, 16}, {15, 7}, {16, 8},  {16, 9}, {16, 14}, {16, 17}, {17, 9}};
constexpr SeedPair kSeeds23[] = {
    {3, 19}, {4, 7},  {4, 19}, {4, 20}, {5, 21},  {6, 22},  {7, 23},  {8, 23}, {8, 24},
    {12, 6}, {12, 7}, {13, 7}, {14, 8}, {15, 9},  {16, 10}, {16, 11}, {16, 23}};
constexpr SeedPair kSeeds24[] = {{3, 26},  {4, 26},  {4, 27},  {5, 28},  {6, 29},
                                 {7, 29},  {7, 30},  {13, 10}, {13, 11}, {14, 11},
                                 {15, 12}, {16, 13}, {16, 14}};
constexpr SeedPair kSeeds25[] = {{3, 32},  {4, 32},  {4, 33},  {5, 34},  {6, 34}, {6, 35},
                                 {14, 15}, {14, 16}, {15, 16}, {16, 17}, {16, 18}};
constexpr SeedPair kSeeds26[] = {{3, 37},  {4, 37},  {4, 38},  {5, 38},  {5, 39}, {6, 38},
                                 {14, 22}, {15, 21}, {15, 22}, {16, 22}, {16, 23}};
constexpr SeedPair kSeeds33[] = {{6, 20},  {7, 20},  {7, 21}, {8, 22},  {9, 23},
                                 {10, 23}, {10, 24}, {20, 6}, {20, 7},  {21, 7},
                                 {22, 8},  {23, 9},  {23, 10}, {24, 10}};
constexpr SeedPair kSeeds34[] = {{6, 27},  {7, 27},  {7, 28},  {8, 29},  {9, 29},  {9, 30},
                                 {21, 10}, {21, 11}, {22, 11}, {23, 12}, {23, 13}, {24, 13}};
constexpr SeedPair kSeeds35[] = {{6, 33},  {7, 33},  {7, 34},  {8, 34},  {8, 35},
                                 {22, 15}, {22, 16}, {23, 16}, {23, 17}, {24, 17}};
constexpr SeedPair kSeeds36[] = {{6, 38}, {7, 39}, {23, 21}, {24, 22}};

// The four extreme sums a run of fresh cells may get: lo, lo+1, hi-1, hi.
constexpr int kLowestSum[7] = {0, 1, 3, 6, 10, 15, 21};
constexpr int kHighestSum[7] = {0, 9, 17, 24, 30, 35, 39};

constexpr std::uint16_t kTallyLimit = 65500;

// A cell may go when every run it belongs to stays at min or longer.
bool CanRemove(const HexBoard& board, const HexCell& cell, int minRun) {
  if (cell.kind != kHexWhite) return false;
  for (int k = 0; k < cell.clueCount; ++k)
    if (board.at(cell.clues[k]).count <= minRun) return false;
  return true;
}

}  // namespace

LevelParameters ParametersFor(int level) {
  switch (level) {
    case 0: return {2, 3, 30, 20};
    case 1: return {3, 4, 20, 10};
    default: return {5, 6, 10, 0};
  }
}

const SeedPair* SeedTable(int shorter, int longer, int& size) {
  struct Entry {
    int shorter, longer;
    const SeedPair* pairs;
    int size;
  };
  static constexpr Entry kTables[] = {
      {2, 2, kSeeds22, std::size(kSeeds22)}, {2, 3, kSeeds23, std::size(kSeeds23)},
      {2, 4, kSeeds24, std::size(kSeeds24)}, {2, 5, kSeeds25, std::size(kSeeds25)},
      {2, 6, kSeeds26, std::size(kSeeds26)}, {3, 3, kSeeds33, std::size(kSeeds33)},
      {3, 4, kSeeds34, std::size(kSeeds34)}, {3, 5, kSeeds35, std::size(kSeeds35)},
      {3, 6, kSeeds36, std::size(kSeeds36)}};
  for (const Entry& e : kTables) {
    if (e.shorter == shorter && e.longer == longer) {
      size = e.size;
      return e.pairs;
    }
  }
  size = 0;
  return nullptr;
}

void RemoveWhiteCell(HexBoard& board, int r, int c) {
  HexCell& cell = board.at(r, c);
  cell.kind = kHexRemoved;
  for (int k = 0; k < cell.clueCount; ++k) --board.at(cell.clues[k]).count;
}

void MakeHexLayout(Random& random, int level, int rows, int cols, HexBoard& board) {
  const LevelParameters p = ParametersFor(level);
  for (;;) {
    // The full pattern.
    board = HexBoard{};
    for (int r = 1; r <= rows; ++r) {
      for (int c = 1; c <= cols; ++c) {
        if (IsCluePosition(r, c))
          board.at(r, c).kind = kHexClue;
        else if (IsWhitePosition(r, c, rows))
          board.at(r, c).kind = kHexWhite;
      }
    }
    for (int r = 1; r <= rows; ++r) {
      for (int c = 1; c <= cols; ++c) {
        HexCell& clue = board.at(r, c);
        if (clue.kind != kHexClue) continue;
        for (int i = 1; i <= 6; ++i) {
          const HexPos n = Neighbour(r, c, i);
          HexCell& white = board.at(n);
          if (white.kind != kHexWhite || white.clueCount >= 2) continue;
          ++clue.count;
          white.clues[white.clueCount++] = {r, c};
        }
      }
    }
    // Random removals, never in the first or last column.
    int col = 2 + random(cols - 2);
    for (int attempt = 0; attempt < p.removalAttempts; ++attempt) {
      if (++col >= cols) col = 2;
      for (int draw = 0; draw < rows + 3; ++draw) {
        const int r = 2 + random(rows - 3);
        if (CanRemove(board, board.at(r, col), p.minRun)) {
          RemoveWhiteCell(board, r, col);
          break;
        }
      }
    }
    // Shorten runs that are still too long.
    bool tooLong = false;
    for (int r = 1; r <= rows; ++r) {
      for (int c = 1; c <= cols; ++c) {
        HexCell& clue = board.at(r, c);
        if (clue.kind != kHexClue || clue.count <= p.maxRun) continue;
        for (int i : kRunOrder) {
          if (clue.count <= p.maxRun) break;
          const HexPos n = Neighbour(r, c, i);
          if (CanRemove(board, board.at(n), p.minRun)) RemoveWhiteCell(board, n.row, n.col);
        }
      }
    }
    for (int r = 1; r <= rows; ++r)
      for (int c = 1; c <= cols; ++c)
        if (board.at(r, c).kind == kHexClue && board.at(r, c).count > p.maxRun) tooLong = true;
    if (!tooLong) return;
  }
}

bool FillHexDigits(Random& random, int level, int rows, int cols, HexBoard& board) {
  HexFill fill(random, level, rows, cols, board);
  return fill.Run();
}

void HexFill::ResetHexBoard() {
  for (auto& row : board_.cells) {
    for (HexCell& cell : row) {
      if (cell.kind == kHexClue) {
        cell.sum = 0;
        cell.touched = 0;
      } else if (cell.kind == kHexWhite) {
        cell.digit = 0;
        cell.assigned = false;
        cell.candidates[0] = false;
        for (int d = 1; d <= 9; ++d) cell.candidates[d] = true;
        cell.touchedCell = false;
      }
    }
  }
  failure_ = false;
}

bool HexFill::Run() {
  ResetHexBoard();
  if (level_ < 2) SeedClues();
  if (!failure_ && PropagateHex(board_)) failure_ = true;
  for (;;) {
    const HexBoard copy = board_;
    HexPos next;
    if (!ChooseNextClue(next)) break;
    ClearTally();
    int tries = 0;
    for (;;) {
      bool retry = false;
      ChooseClueSum(next.row, next.col, tries, retry);
      if (tries > 9) {
        failure_ = true;
        retry = false;
      }
      if (!retry && !failure_ && PropagateHex(board_)) retry = true;
      if (!retry) break;
      ++tries;
      board_ = copy;
    }
    if (failure_) break;
  }
  // Final check: every white cell fixed, every clue with its sum.
  failure_ = false;
  for (const auto& row : board_.cells) {
    for (const HexCell& cell : row) {
      if ((cell.kind == kHexWhite && !cell.assigned) || (cell.kind == kHexClue && cell.sum == 0))
        failure_ = true;
    }
  }
  return !failure_;
}

bool HexFill::HasAdjacentTwin(int r, int c, int sum, int n) const {
  for (const HexPos p : AdjacentClues(r, c)) {
    if (p.row < 0 || p.row > rows_ + 1 || p.col < 0 || p.col > cols_ + 1) continue;
    const HexCell& other = board_.at(p);
    if (other.kind == kHexClue && other.sum == sum && other.count == n) return true;
  }
  return false;
}

void HexFill::SeedClues() {
  const int target = ParametersFor(level_).seedPairs;
  if (target == 0) return;
  int c = 1 + random_(cols_);
  if (c % 2 == 0) ++c;
  int seeds = 0;
  int attempts = 0;
  do {
    ++attempts;
    c += 2;
    if (c >= cols_ + 1) c -= cols_ + 1;
    int r = random_(rows_ + 1);
    const bool oddRows = c % 4 == 3;
    if ((r % 2 == 1) != oddRows) ++r;
    if (r > rows_) r -= rows_ + 1;
    const HexCell& clue = board_.at(r, c);
    if (clue.kind != kHexClue || clue.touched != 0) continue;
    const int drawn = 1 + random_(6);
    bool havePair = false;
    HexPos a;
    HexPos b;
    for (int k = 1; k <= 6; ++k) {
      const int dir = (drawn - 1 + k) % 6 + 1;
      const HexCell& x = board_.at(Neighbour(r, c, dir));
      if (x.kind != kHexWhite || x.touchedCell || x.clueCount != 2) continue;
      if (board_.at(x.clues[0]).touched != 0 || board_.at(x.clues[1]).touched != 0) continue;
      a = x.clues[0];
      b = x.clues[1];
      havePair = true;
    }
    if (!havePair) continue;
    const int countA = board_.at(a).count;
    const int countB = board_.at(b).count;
    int size = 0;
    const SeedPair* table = SeedTable(std::min(countA, countB), std::max(countA, countB), size);
    if (table == nullptr) continue;
    const SeedPair pair = table[random_(size)];
    const int sumA = countA >= countB ? pair.longerSum : pair.shorterSum;
    const int sumB = countA >= countB ? pair.shorterSum : pair.longerSum;
    if (HasAdjacentTwin(a.row, a.col, sumA, countA) || HasAdjacentTwin(b.row, b.col, sumB, countB))
      continue;
    DigitFlags mask;
    DeduceFlags flags;
    if (!LookupHexPossibleDigits(countA, sumA, mask)) {
      failure_ = true;
      return;
    }
    ApplyClueSum(board_, a.row, a.col, sumA, mask, flags);
    if (flags.contradiction || !LookupHexPossibleDigits(countB, sumB, mask)) {
      failure_ = true;
      return;
    }
    ApplyClueSum(board_, b.row, b.col, sumB, mask, flags);
    if (flags.contradiction) {
      failure_ = true;
      return;
    }
    ++seeds;
  } while (seeds < target && attempts <= 200);
}

bool HexFill::ChooseNextClue(HexPos& chosen) {
  const int target = 1 + random_(3);
  const int start = 1 + random_(rows_);
  int best = 0;
  bool sawTwo = false;
  bool have = false;
  for (int i = 0; i < rows_; ++i) {
    const int r = (start - 1 + i) % rows_ + 1;
    for (int c = 1; c <= cols_; ++c) {
      const HexCell& clue = board_.at(r, c);
      if (clue.kind != kHexClue || clue.sum != 0) continue;
      const int k = clue.count - clue.touched;
      if (k < 2 || k == target) {
        chosen = {r, c};
        return true;
      }
      if (k == 2) {
        chosen = {r, c};
        sawTwo = true;
        have = true;
      } else if (k > best && !sawTwo) {
        chosen = {r, c};
        best = k;
        have = true;
      }
    }
  }
  return have;
}

void HexFill::TallyRun(const unsigned* sets, int i, int n, unsigned used, int sum) {
  if (i == n) {
    if (tally_[sum] < kTallyLimit) ++tally_[sum];
    return;
  }
  for (int d = 1; d <= 9; ++d) {
    const unsigned bit = 1u << d;
    if ((sets[i] & bit) && !(used & bit)) TallyRun(sets, i + 1, n, used | bit, sum + d);
  }
}

void HexFill::ChooseClueSum(int r, int c, int tries, bool& retry) {
  if (tries == 0) {
    HexPos run[6];
    const int n = RunCells(board_, r, c, run);
    runLength_ = n;
    unsigned sets[6];
    bool allFresh = n >= 1;
    for (int i = 0; i < n; ++i) {
      const HexCell& x = board_.at(run[i]);
      sets[i] = 0;
      for (int d = 1; d <= 9; ++d)
        if (x.candidates[d]) sets[i] |= 1u << d;
      if (CandidateCount(x) < 6) allFresh = false;
    }
    if (allFresh) {
      // Enumerating fresh runs is costly and says little: take the extremes.
      const int lo = kLowestSum[n];
      const int hi = kHighestSum[n];
      for (int s : {lo, lo + 1, hi - 1, hi}) tally_[s] = 1;
    } else {
      TallyRun(sets, 0, n, 0, 0);
    }
  }
  const int n = runLength_;
  int best = 0;
  for (int s = 1; s <= 39; ++s)
    if (tally_[s] > 0 && (best == 0 || tally_[s] < best)) best = tally_[s];
  if (best == 0) {
    failure_ = true;
    return;
  }
  int sums[39];
  int k = 0;
  for (int s = 1; s <= 39; ++s)
    if (tally_[s] == best) sums[k++] = s;
  const int sum = sums[random_(k)];
  tally_[sum] = 0;
  DigitFlags mask;
  if (!LookupHexPossibleDigits(n, sum, mask)) {
    failure_ = true;
    return;
  }
  if (HasAdjacentTwin(r, c, sum, n)) {
    retry = true;
    return;
  }
  DeduceFlags flags;
  ApplyClueSum(board_, r, c, sum, mask, flags);
  if (flags.contradiction) retry = true;
}

}  // namespace zorvek::hexkakuro

#include "core/hexkakuro/generator.h"

#include <gtest/gtest.h>

#include <cstring>

#include "checker.h"
#include "core/common/types.h"
#include "core/hexkakuro/deduce.h"
#include "core/hexkakuro/layout.h"

namespace zorvek::hexkakuro {
namespace {

constexpr std::pair<int, int> kSizes[] = {{9, 9}, {11, 13}};

int PatternCount(HexPos clue, int rows, int cols) {
  int n = 0;
  for (auto [r, c] : hexcheck::TouchingCells(clue.row, clue.col)) n += hexcheck::WhiteSpot(r, c, rows, cols);
  return n;
}

TEST(HexLayout, RunsFitTheLevelOverManySeeds) {
  for (auto [rows, cols] : kSizes)
    for (int level = 0; level <= 2; ++level) {
      const LevelParameters p = ParametersFor(level);
      for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        Random random(seed);
        HexBoard b;
        MakeHexLayout(random, level, rows, cols, b);
        int removed = 0;
        for (int r = 1; r <= rows; ++r)
          for (int c = 1; c <= cols; ++c) {
            const HexCell& x = b.at(r, c);
            ASSERT_EQ(x.kind == kHexClue, IsCluePosition(r, c));
            ASSERT_EQ(x.kind == kHexWhite || x.kind == kHexRemoved, IsWhitePosition(r, c, rows));
            if (x.kind == kHexClue) {
              int whites = 0;
              for (int i = 1; i <= 6; ++i) whites += b.at(Neighbour(r, c, i)).kind == kHexWhite;
              ASSERT_EQ(x.count, whites);
              ASSERT_LE(x.count, p.maxRun) << "level " << level << " seed " << seed;
              ASSERT_GE(x.count, std::min(p.minRun, PatternCount({r, c}, rows, cols)))
                  << "level " << level << " seed " << seed;
            }
            if (x.kind != kHexRemoved) continue;
            ++removed;
            for (int k = 0; level == 2 && k < 2; ++k) {  // Hard: only between two six-runs
              EXPECT_EQ(PatternCount(x.clues[k], rows, cols), 6);
              EXPECT_EQ(b.at(x.clues[k]).count, 5);
            }
          }
        if (level == 0) {
          EXPECT_GT(removed, 0);
        }
      }
    }
}

TEST(HexFillSteps, ChooseNextClue) {
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    Random random(seed);
    HexBoard b;
    MakeHexLayout(random, 2, 11, 13, b);  // Hard: runs of 5 and 6 never match a target 1..3
    std::vector<HexPos> clues;
    for (int r = 1; r <= 11; ++r)
      for (int c = 1; c <= 13; ++c)
        if (b.at(r, c).kind == kHexClue && b.at(r, c).count >= 5) clues.push_back({r, c});
    ASSERT_GE(clues.size(), 4u);
    // Every clue but the listed ones has a sum; the listed have k untouched cells.
    auto open = [&](std::initializer_list<std::pair<HexPos, int>> list) {
      for (auto& row : b.cells)
        for (HexCell& x : row) x.sum = x.kind == kHexClue ? 1 : 0;
      for (auto [p, k] : list) {
        b.at(p).sum = 0;
        b.at(p).touched = b.at(p).count - k;
      }
    };
    auto chosen = [&] {
      HexFill fill(random, 2, 11, 13, b);
      HexPos p{-1, -1};
      fill.ChooseNextClue(p);
      return p;
    };
    const HexPos a = clues[0], c = clues[1], d = clues.back();
    for (int k : {0, 1}) {  // fewer than two untouched cells: chosen wherever the scan starts
      open({{a, 5}, {c, 4}, {d, k}});
      for (int i = 0; i < 8; ++i) EXPECT_EQ(chosen(), d);
    }
    open({{a, 5}, {c, 2}, {d, 4}});  // else two untouched cells beat more
    for (int i = 0; i < 8; ++i) EXPECT_EQ(chosen(), c);
    open({{a, 4}, {c, 5}, {d, 4}});  // else the most
    EXPECT_EQ(chosen(), c);
    open({});
    EXPECT_EQ(chosen(), (HexPos{-1, -1}));
  }
}

TEST(HexFillSteps, FreshRunGetsAnExtremeSumAndTwinsCostARetry) {
  for (std::uint64_t seed = 1; seed <= 6; ++seed) {
    Random random(seed);
    HexBoard b;
    MakeHexLayout(random, 0, 9, 9, b);
    HexFill fill(random, 0, 9, 9, b);
    fill.ResetHexBoard();
    HexPos clue{-1, -1};
    for (int r = 9; r >= 1; --r)
      for (int c = 1; c <= 9; ++c)
        if (b.at(r, c).kind == kHexClue && b.at(r, c).count == 3) clue = {r, c};
    ASSERT_NE(clue.row, -1);
    const HexBoard fresh = b;
    fill.ClearTally();
    std::vector<int> sums;
    for (int tries = 0; tries < 4; ++tries) {
      b = fresh;
      bool retry = false;
      fill.ChooseClueSum(clue.row, clue.col, tries, retry);
      ASSERT_FALSE(fill.failure());
      sums.push_back(b.at(clue).sum);
    }
    std::sort(sums.begin(), sums.end());
    EXPECT_EQ(sums, (std::vector<int>{6, 7, 23, 24}));
    bool retry = false;
    fill.ChooseClueSum(clue.row, clue.col, 4, retry);  // all four rejected
    EXPECT_TRUE(fill.failure());

    // A neighbouring clue (two rows down or up) with the same sum and length.
    HexPos twin = clue.row + 2 <= 9 ? HexPos{clue.row + 2, clue.col} : HexPos{clue.row - 2, clue.col};
    b = fresh;
    b.at(twin).count = 3;
    b.at(twin).sum = 24;
    EXPECT_TRUE(fill.HasAdjacentTwin(clue.row, clue.col, 24, 3));
    EXPECT_FALSE(fill.HasAdjacentTwin(clue.row, clue.col, 24, 2));
    EXPECT_FALSE(fill.HasAdjacentTwin(clue.row, clue.col, 23, 3));

    // Drawing the twin's sum costs a retry and leaves the clue without a sum.
    const HexBoard withTwin = b;
    fill.ClearTally();
    int retries = 0;
    for (int tries = 0; tries < 4; ++tries) {
      b = withTwin;
      bool retry = false;
      fill.ChooseClueSum(clue.row, clue.col, tries, retry);
      if (retry) {
        ++retries;
        EXPECT_EQ(b.at(clue).sum, 0);
        EXPECT_EQ(fill.tally(24), 0);
      } else {
        EXPECT_NE(b.at(clue).sum, 24);
      }
    }
    EXPECT_EQ(retries, 1);
  }
}

// Seeding gives pairs of fresh neighbouring clues sums that force the cell
// they share, and keeps every clue's touched count true to its run. (A pair
// can clash with cells forced earlier; that seeding ends as a failed fill.)
TEST(HexFillSteps, SeedingForcesTheSharedCellOfEachPair) {
  for (auto [rows, cols] : kSizes)
    for (int level = 0; level <= 2; ++level) {
      int seeded = 0;
      for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(testing::Message() << rows << "x" << cols << " level " << level << " seed " << seed);
        Random random(seed);
        HexBoard b;
        MakeHexLayout(random, level, rows, cols, b);
        HexFill fill(random, level, rows, cols, b);
        fill.ResetHexBoard();
        fill.SeedClues();
        if (fill.failure()) continue;
        ++seeded;
        int summed = 0, fixed = 0;
        for (int r = 1; r <= rows; ++r)
          for (int c = 1; c <= cols; ++c) {
            const HexCell& x = b.at(r, c);
            fixed += x.kind == kHexWhite && x.assigned;
            if (x.kind != kHexClue) continue;
            HexPos run[6];
            const int n = RunCells(b, r, c, run);
            int reached = 0;
            for (int i = 0; i < n; ++i) reached += b.at(run[i]).touchedCell;
            EXPECT_EQ(x.touched, x.sum > 0 ? x.count : reached) << r << "," << c;
            summed += x.sum > 0;
          }
        EXPECT_EQ(summed % 2, 0);
        EXPECT_LE(summed / 2, ParametersFor(level).seedPairs);
        EXPECT_GE(fixed, summed / 2);  // each pair has its own shared cell
        if (level < 2) {
          EXPECT_GT(summed, 0);
        }
      }
      EXPECT_GE(seeded, 5);
    }
}

// The independent checker accepts every puzzle (lattice, runs, sums, distinct
// digits, one solution); sums alone deduce every digit; no neighbouring clues
// share both sum and length.
TEST(HexGenerator, PuzzlesAreValidUniqueAndDeducible) {
  for (auto [rows, cols] : kSizes)
    for (int level = 0; level <= 2; ++level) {
      Random random(1000 + level);
      CreateProgress progress;
      for (int i = 0; i < 6; ++i) {
        HexGrid grid{};
        ASSERT_TRUE(CreateHexKakuroForPrint(random, progress, level, rows, cols, grid));
        SCOPED_TRACE(testing::Message() << rows << "x" << cols << " level " << level << " #" << i);
        const LevelParameters p = ParametersFor(level);
        EXPECT_EQ(hexcheck::CheckPuzzle(grid, rows, cols, p.minRun, p.maxRun), "");
        EXPECT_EQ(hexcheck::CountSolutions(grid), 1);
        HexBoard board;
        ASSERT_TRUE(DeduceFromClues(grid, rows, cols, board));
        for (int r = 1; r <= rows; ++r)
          for (int c = 1; c <= cols; ++c) {
            const HexGridCell& x = grid.cells[r][c];
            if (x.kind == kHexWhite) {
              EXPECT_EQ(board.at(r, c).assigned ? board.at(r, c).digit : 0, x.number);
            }
            if (x.kind != kHexClue) continue;
            for (const HexPos q : AdjacentClues(r, c)) {
              if (q.row < 1 || q.row > rows || q.col < 1 || q.col > cols) continue;
              const HexGridCell& y = grid.cells[q.row][q.col];
              EXPECT_FALSE(y.kind == kHexClue && y.number == x.number && y.count == x.count);
            }
          }
      }
    }
}

TEST(HexGenerator, DriversKeepOrReplaceThePuzzle) {
  Random random(42);
  CreateProgress progress;
  HexHeader settings{1, {}, 9, 9, 500, kTimerPaused, {}};
  HexGrid grid{};
  grid.cells[1][2].entry = 7;
  const HexHeader oldSettings = settings;
  const HexGrid oldGrid = grid;
  auto unchanged = [&] {
    return std::memcmp(&settings, &oldSettings, sizeof settings) == 0 &&
           std::memcmp(&grid, &oldGrid, sizeof grid) == 0;
  };
  progress.cancelled = true;
  HexCreateResult r = CreateHexKakuroPuzzle(random, progress, 2, 11, 13, settings, grid);
  EXPECT_TRUE(r.cancelled && !r.success && unchanged());
  EXPECT_FALSE(CreateHexKakuroForPrint(random, progress, 0, 9, 9, grid));
  EXPECT_TRUE(unchanged());

  // A new puzzle starts at zero, running, whatever the old clock said.
  progress.cancelled = false;
  r = CreateHexKakuroPuzzle(random, progress, 2, 11, 13, settings, grid);
  ASSERT_TRUE(r.success);
  EXPECT_LE(r.attempts, 101);
  EXPECT_EQ(progress.attempts.load(), r.attempts);
  const HexHeader expected{2, {}, 11, 13, 0, kTimerRunning, {}};
  EXPECT_EQ(std::memcmp(&settings, &expected, sizeof settings), 0);
  EXPECT_TRUE(BlocksAreValid(settings, grid));

  HexHeader startup{7, {}, 0, 0, 9, 0, {}};  // whatever a damaged state left
  CreateStartupHexKakuro(random, startup, grid);
  const HexHeader easy{kEasy, {}, 9, 9, 0, kTimerRunning, {}};
  EXPECT_EQ(std::memcmp(&startup, &easy, sizeof startup), 0);
  EXPECT_TRUE(HasPuzzle(grid) && BlocksAreValid(startup, grid));

  // A seed gives the same puzzle every time.
  Random a(9), b(9);
  HexGrid x{}, y{};
  ASSERT_TRUE(CreateHexKakuroForPrint(a, progress, 1, 9, 9, x));
  ASSERT_TRUE(CreateHexKakuroForPrint(b, progress, 1, 9, 9, y));
  EXPECT_EQ(std::memcmp(&x, &y, sizeof x), 0);
}

}  // namespace
}  // namespace zorvek::hexkakuro

#include "hexkakuro/generator.h"

#include <gtest/gtest.h>

#include <cstring>

#include "checker.h"
#include "common/types.h"
#include "hexkakuro/deduce.h"
#include "hexkakuro/layout.h"

namespace zorvek::hexkakuro {
namespace {

struct Size {
  int rows, cols;
};
constexpr Size kSizes[] = {{9, 9}, {11, 13}};

int WhiteNeighbours(const HexBoard& b, int r, int c) {
  int n = 0;
  for (int i = 1; i <= 6; ++i) n += b.at(Neighbour(r, c, i)).kind == kHexWhite;
  return n;
}

int PatternCount(int r, int c, int rows, int cols) {
  int n = 0;
  for (int i = 1; i <= 6; ++i) {
    const HexPos p = Neighbour(r, c, i);
    n += IsWhitePosition(p.row, p.col, rows) && p.col <= cols;
  }
  return n;
}

TEST(HexLayout, RunsFitTheLevelOverManySeeds) {
  for (const Size s : kSizes) {
    for (int level = 0; level <= 2; ++level) {
      const LevelParameters p = ParametersFor(level);
      for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        Random random(seed);
        HexBoard b;
        MakeHexLayout(random, level, s.rows, s.cols, b);
        int removed = 0;
        for (int r = 0; r < kBoardRows; ++r) {
          for (int c = 0; c < kBoardCols; ++c) {
            const HexCell& x = b.at(r, c);
            const bool field = r >= 1 && r <= s.rows && c >= 1 && c <= s.cols;
            if (x.kind == kHexClue) {
              ASSERT_TRUE(field && IsCluePosition(r, c));
              ASSERT_EQ(x.count, WhiteNeighbours(b, r, c));
              ASSERT_LE(x.count, p.maxRun) << "level " << level << " seed " << seed;
              ASSERT_GE(x.count, std::min(p.minRun, PatternCount(r, c, s.rows, s.cols)))
                  << "level " << level << " seed " << seed << " at " << r << "," << c;
            } else if (x.kind == kHexWhite || x.kind == kHexRemoved) {
              ASSERT_TRUE(field && IsWhitePosition(r, c, s.rows));
              ASSERT_EQ(x.clueCount, 2);
            } else {
              ASSERT_FALSE(field && (IsCluePosition(r, c) || IsWhitePosition(r, c, s.rows)));
            }
            if (x.kind != kHexRemoved) continue;
            ++removed;
            if (level == 2) {
              // Hard takes a cell only from between two runs of six.
              for (int k = 0; k < 2; ++k) {
                const HexPos q = x.clues[k];
                EXPECT_EQ(PatternCount(q.row, q.col, s.rows, s.cols), 6);
                EXPECT_EQ(b.at(q).count, 5);
              }
            }
          }
        }
        if (level == 0) {
          EXPECT_GT(removed, 0);
        }
      }
    }
  }
}

TEST(HexLayout, SameSeedSameLayout) {
  Random a(77), b(77);
  HexBoard x, y;
  MakeHexLayout(a, 1, 11, 13, x);
  MakeHexLayout(b, 1, 11, 13, y);
  for (int r = 0; r < kBoardRows; ++r)
    for (int c = 0; c < kBoardCols; ++c) ASSERT_EQ(x.at(r, c).kind, y.at(r, c).kind);
}

// A Hard layout after the reset, with every clue but the listed ones given a
// placeholder sum, and the listed clues' untouched cells set to k.
struct ScanSetup {
  HexBoard b;
  std::vector<HexPos> clues;
  explicit ScanSetup(std::uint64_t seed) {
    Random random(seed);
    MakeHexLayout(random, 2, 11, 13, b);
    HexFill fill(random, 2, 11, 13, b);
    fill.ResetHexBoard();
    for (int r = 1; r <= 11; ++r)
      for (int c = 1; c <= 13; ++c)
        if (b.at(r, c).kind == kHexClue && b.at(r, c).count >= 5) clues.push_back({r, c});
  }
  void OnlyOpen(std::initializer_list<std::pair<HexPos, int>> open) {
    for (int r = 1; r <= 11; ++r)
      for (int c = 1; c <= 13; ++c)
        if (b.at(r, c).kind == kHexClue) b.at(r, c).sum = 99;
    for (auto [p, k] : open) {
      b.at(p).sum = 0;
      b.at(p).touched = b.at(p).count - k;
    }
  }
};

TEST(HexFillSteps, ChooseNextClueOrder) {
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    ScanSetup s(seed);
    ASSERT_GE(s.clues.size(), 4u);
    const HexPos a = s.clues[0], b = s.clues[1], c = s.clues[2], d = s.clues.back();
    Random random(seed * 31);
    HexPos chosen;
    // A run with fewer than two untouched cells wins wherever the scan starts
    // when no other run matches the drawn target (1..3).
    for (int k : {0, 1}) {
      s.OnlyOpen({{a, 5}, {b, 4}, {d, k}});
      for (int i = 0; i < 10; ++i) {
        HexFill fill(random, 2, 11, 13, s.b);
        ASSERT_TRUE(fill.ChooseNextClue(chosen));
        EXPECT_EQ(chosen, d);
      }
    }
    // Otherwise two untouched cells beat any larger number (targets are 1..3).
    s.OnlyOpen({{a, 5}, {b, 4}, {c, 2}});
    for (int i = 0; i < 10; ++i) {
      HexFill fill(random, 2, 11, 13, s.b);
      ASSERT_TRUE(fill.ChooseNextClue(chosen));
      EXPECT_EQ(chosen, c);
    }
    // And among larger numbers the largest.
    s.OnlyOpen({{a, 4}, {b, 5}, {c, 4}});
    HexFill fill(random, 2, 11, 13, s.b);
    ASSERT_TRUE(fill.ChooseNextClue(chosen));
    EXPECT_EQ(chosen, b);
    s.OnlyOpen({});
    EXPECT_FALSE(fill.ChooseNextClue(chosen));
  }
}

TEST(HexFillSteps, FreshRunGetsAnExtremeSumThenFails) {
  for (std::uint64_t seed = 1; seed <= 6; ++seed) {
    Random random(seed);
    HexBoard b;
    MakeHexLayout(random, 0, 9, 9, b);
    HexFill fill(random, 0, 9, 9, b);
    fill.ResetHexBoard();
    HexPos clue{0, 0};
    for (int r = 1; r <= 9 && clue.row == 0; ++r)
      for (int c = 1; c <= 9; ++c)
        if (b.at(r, c).kind == kHexClue && b.at(r, c).count == 3) {
          clue = {r, c};
          break;
        }
    ASSERT_NE(clue.row, 0);
    const HexBoard copy = b;
    fill.ClearTally();
    std::vector<int> chosen;
    for (int tries = 0; tries < 4; ++tries) {
      b = copy;
      bool retry = false;
      fill.ChooseClueSum(clue.row, clue.col, tries, retry);
      ASSERT_FALSE(fill.failure());
      chosen.push_back(b.at(clue).sum);
      if (tries == 0) {
        for (int sum = 1; sum <= 39; ++sum) {
          const bool extreme = sum == 6 || sum == 7 || sum == 23 || sum == 24;
          EXPECT_EQ(fill.tally(sum) > 0, extreme && sum != chosen[0]) << sum;
        }
      }
    }
    std::sort(chosen.begin(), chosen.end());
    EXPECT_EQ(chosen, (std::vector<int>{6, 7, 23, 24}));
    b = copy;
    bool retry = false;
    fill.ChooseClueSum(clue.row, clue.col, 4, retry);
    EXPECT_TRUE(fill.failure());
  }
}

TEST(HexFillSteps, AdjacentTwinCostsARetry) {
  Random random(5);
  HexBoard b;
  MakeHexLayout(random, 0, 9, 9, b);
  HexFill fill(random, 0, 9, 9, b);
  fill.ResetHexBoard();
  // Clue (5,3) and its neighbour clue (3,3) two rows up.
  ASSERT_EQ(b.at(5, 3).kind, kHexClue);
  ASSERT_EQ(b.at(3, 3).kind, kHexClue);
  const int n = b.at(5, 3).count;
  b.at(3, 3).count = n;
  b.at(3, 3).sum = 12;
  EXPECT_TRUE(fill.HasAdjacentTwin(5, 3, 12, n));
  EXPECT_FALSE(fill.HasAdjacentTwin(5, 3, 13, n));
  EXPECT_FALSE(fill.HasAdjacentTwin(5, 3, 12, n + 1));
  EXPECT_TRUE(fill.HasAdjacentTwin(1, 3, 12, n));  // (3,3) is two rows below (1,3)
}

void ExpectFinishedPuzzle(const HexGrid& grid, int level, int rows, int cols) {
  const LevelParameters p = ParametersFor(level);
  EXPECT_EQ(hexcheck::CheckPuzzle(grid, rows, cols, p.minRun, p.maxRun), "");
  EXPECT_EQ(hexcheck::CountSolutions(grid, rows, cols), 1);
  // No two neighbouring clues share both sum and run length.
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) {
      const HexGridCell& x = grid.cells[r][c];
      if (x.kind != kHexClue) continue;
      for (const HexPos q : AdjacentClues(r, c)) {
        if (q.row < 1 || q.row > rows || q.col < 1 || q.col > cols) continue;
        const HexGridCell& y = grid.cells[q.row][q.col];
        EXPECT_FALSE(y.kind == kHexClue && y.number == x.number && y.count == x.count)
            << r << "," << c << " and " << q.row << "," << q.col;
      }
    }
}

TEST(HexGenerator, PuzzlesAreValidAndUnique) {
  for (const Size s : kSizes) {
    for (int level = 0; level <= 2; ++level) {
      Random random(1000 + level);
      CreateProgress progress;
      for (int i = 0; i < 6; ++i) {
        HexGrid grid{};
        int attempts = 0;
        ASSERT_TRUE(CreateHexKakuroForPrint(random, progress, level, s.rows, s.cols, grid, &attempts));
        EXPECT_GE(attempts, 1);
        SCOPED_TRACE(testing::Message() << s.rows << "x" << s.cols << " level " << level << " #" << i);
        ExpectFinishedPuzzle(grid, level, s.rows, s.cols);
      }
    }
  }
}

// The fill's promise: every digit follows from the sums by deduction alone.
TEST(HexGenerator, SumsAloneDeduceEveryDigit) {
  for (const Size s : kSizes) {
    for (int level = 0; level <= 2; ++level) {
      Random random(2000 + level);
      HexBoard board;
      HexGrid grid{};
      int made = 0;
      while (made < 3) {
        if (!GenerateAttempt(random, level, s.rows, s.cols, board, grid)) continue;
        ++made;
        // Forget the digits and candidates, keep the sums.
        HexBoard fresh = board;
        for (auto& row : fresh.cells)
          for (HexCell& x : row) {
            x.touched = 0;
            if (x.kind != kHexWhite) continue;
            x.digit = 0;
            x.assigned = false;
            x.touchedCell = false;
            for (int d = 1; d <= 9; ++d) x.candidates[d] = true;
          }
        DeduceFlags f;
        for (int r = 1; r <= s.rows; ++r)
          for (int c = 1; c <= s.cols; ++c) {
            if (fresh.at(r, c).kind != kHexClue) continue;
            DigitFlags mask{};
            ASSERT_TRUE(LookupHexPossibleDigits(fresh.at(r, c).count, fresh.at(r, c).sum, mask));
            ApplyClueSum(fresh, r, c, fresh.at(r, c).sum, mask, f);
            ASSERT_FALSE(f.contradiction);
          }
        ASSERT_FALSE(PropagateHex(fresh));
        for (int r = 1; r <= s.rows; ++r)
          for (int c = 1; c <= s.cols; ++c)
            if (fresh.at(r, c).kind == kHexWhite) {
              EXPECT_TRUE(fresh.at(r, c).assigned);
              EXPECT_EQ(fresh.at(r, c).digit, board.at(r, c).digit);
            }
      }
    }
  }
}

TEST(HexGenerator, DriversKeepOrReplaceThePuzzle) {
  Random random(42);
  CreateProgress progress;
  HexHeader settings{};
  settings.difficulty = 1;
  settings.rows = 9;
  settings.cols = 9;
  settings.elapsed = 500;
  settings.timerState = kTimerPaused;
  HexGrid grid{};
  grid.cells[1][2].entry = 7;
  const HexHeader oldSettings = settings;
  const HexGrid oldGrid = grid;

  // Cancelled before the first attempt: nothing changes.
  progress.cancelled = true;
  HexCreateResult r = CreateHexKakuroPuzzle(random, progress, 2, 11, 13, settings, grid);
  EXPECT_FALSE(r.success);
  EXPECT_TRUE(r.cancelled);
  EXPECT_EQ(std::memcmp(&settings, &oldSettings, sizeof settings), 0);
  EXPECT_EQ(std::memcmp(&grid, &oldGrid, sizeof grid), 0);
  EXPECT_FALSE(CreateHexKakuroForPrint(random, progress, 0, 9, 9, grid));
  EXPECT_EQ(std::memcmp(&grid, &oldGrid, sizeof grid), 0);

  // A new puzzle starts at zero, running, whatever the old clock said.
  progress.cancelled = false;
  r = CreateHexKakuroPuzzle(random, progress, 2, 11, 13, settings, grid);
  ASSERT_TRUE(r.success);
  EXPECT_LE(r.attempts, AttemptLimit(2, 11, 13) + 1);
  EXPECT_EQ(settings.difficulty, 2);
  EXPECT_EQ(settings.rows, 11);
  EXPECT_EQ(settings.cols, 13);
  EXPECT_EQ(settings.elapsed, 0);
  EXPECT_EQ(settings.timerState, kTimerRunning);
  EXPECT_TRUE(BlocksAreValid(settings, grid));
  EXPECT_EQ(progress.attempts.load(), r.attempts);

  HexHeader startup{};
  startup.difficulty = 7;  // whatever a bad state file left
  HexGrid startupGrid{};
  CreateStartupHexKakuro(random, startup, startupGrid);
  EXPECT_EQ(startup.difficulty, kEasy);
  EXPECT_EQ(startup.rows, 9);
  EXPECT_EQ(startup.cols, 9);
  EXPECT_EQ(startup.elapsed, 0);
  EXPECT_EQ(startup.timerState, kTimerRunning);
  EXPECT_TRUE(HasPuzzle(startupGrid));
  EXPECT_TRUE(BlocksAreValid(startup, startupGrid));

  // A seed gives the same puzzle every time.
  Random a(9), b(9);
  HexGrid x{}, y{};
  ASSERT_TRUE(CreateHexKakuroForPrint(a, progress, 1, 9, 9, x));
  ASSERT_TRUE(CreateHexKakuroForPrint(b, progress, 1, 9, 9, y));
  EXPECT_EQ(std::memcmp(&x, &y, sizeof x), 0);
}

}  // namespace
}  // namespace zorvek::hexkakuro

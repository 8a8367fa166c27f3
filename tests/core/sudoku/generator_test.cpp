#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "core/common/types.h"
#include "support/brute_sudoku.h"
#include "core/sudoku/generator.h"

using namespace zorvek;
using namespace zorvek::sudoku;
using zorvek::testing::CountSudokuSolutions;
using zorvek::testing::Grid;

namespace {

Grid Givens(const SudPuzzle& p) {
  Grid g{};
  for (int i = 0; i < 81; ++i) {
    const SudCell& c = p.cells[i / 9][i % 9];
    g[i] = c.given ? c.solution : 0;
  }
  return g;
}

Grid Solution(const SudPuzzle& p) {
  Grid g{};
  for (int i = 0; i < 81; ++i) g[i] = p.cells[i / 9][i % 9].solution;
  return g;
}

int CountGivens(const SudPuzzle& p) {
  int n = 0;
  for (const auto& row : p.cells)
    for (const SudCell& c : row) n += c.given;
  return n;
}

// Checks everything a player could notice about a freshly made puzzle.
void ExpectSoundPuzzle(const SudPuzzle& p, int difficulty) {
  EXPECT_LE(CountGivens(p), ParametersFor(difficulty).maxGivens);
  Grid solved{};
  ASSERT_EQ(CountSudokuSolutions(Givens(p), 2, &solved), 1);
  EXPECT_EQ(solved, Solution(p));
  for (const auto& row : p.cells)
    for (const SudCell& c : row) {
      EXPECT_EQ(c.entry, c.given ? c.solution : 0);
      EXPECT_EQ(c.textLength, 0);
      for (std::uint8_t m : c.marks) EXPECT_EQ(m, 0);
    }
  if (difficulty == kEasy) {
    EXPECT_TRUE(zorvek::testing::SolvesByNakedSingles(Givens(p)));
  }
}

}  // namespace

class GeneratedPuzzles : public ::testing::TestWithParam<int> {};

TEST_P(GeneratedPuzzles, AreUniqueWithinBudgetAndReSolvable) {
  const int difficulty = GetParam();
  const int seeds = difficulty == kHard ? 2 : 25;
  for (int seed = 1; seed <= seeds; ++seed) {
    Random random(static_cast<std::uint64_t>(seed) * 7919);
    Generator g(random);
    SolverBoard board;
    SudPuzzle puzzle{};
    int attempts = 0;
    while (!(g.GeneratePuzzle(difficulty, board) && g.FinalizePuzzle(difficulty, board, puzzle)))
      ASSERT_LT(++attempts, 100000);
    SCOPED_TRACE("seed " + std::to_string(seed));
    ExpectSoundPuzzle(puzzle, difficulty);
  }
}

INSTANTIATE_TEST_SUITE_P(AllDifficulties, GeneratedPuzzles,
                         ::testing::Values(kEasy, kMedium, kHard));

TEST(Generator, SameSeedGivesSamePuzzle) {
  SudPuzzle a{}, b{};
  std::uint8_t flags[kPoolSize] = {};
  CreateProgress progress;
  Random r1(99), r2(99);
  ASSERT_TRUE(CreateSudokuForPrint(r1, progress, kMedium, a, flags));
  ASSERT_TRUE(CreateSudokuForPrint(r2, progress, kMedium, b, flags));
  EXPECT_EQ(0, std::memcmp(&a, &b, sizeof a));
}

TEST(Generator, RandomGivenGoesToTheWidestCellFirstInRotatedOrder) {
  // On an empty board every cell ties, so the first cell of the rotated scan
  // (row r0, column c0) is chosen; c0 is drawn before r0.
  Random probe(5);
  const int c0 = probe(9);
  const int r0 = probe(9);
  Random random(5);
  Generator g(random);
  SolverBoard board;
  g.solver.ResetBoard(board);
  g.AddRandomGiven(board);
  EXPECT_EQ(board.at(r0, c0).Given, 1);
  EXPECT_NE(board.at(r0, c0).Value, -1);
  int givens = 0;
  for (const SolverCell& c : board.cells) givens += c.Given;
  EXPECT_EQ(givens, 1);
}

TEST(Generator, FinalizeRejectsWhatTheLevelCannotSolve) {
  // A Hard template that needs more than naked singles: re-solving it at the
  // Easy level must fail, at its own level succeed.
  Random random(3);
  Generator g(random);
  SolverBoard board{};
  int entry = 0;
  char digits[82];
  for (; entry < kSudokuPoolCount; ++entry) {
    ASSERT_TRUE(ExpandPoolEntry(kSudokuPool[entry], digits));
    Grid givens{};
    for (int k = 0; k < 81; ++k) givens[k] = digits[k] - '0';
    if (!zorvek::testing::SolvesByNakedSingles(givens)) break;
  }
  ASSERT_LT(entry, kSudokuPoolCount);
  for (int k = 0; k < 81; ++k) {
    board.cells[k].Given = digits[k] != '0';
    board.cells[k].Value = digits[k] - '0';
  }
  SolverBoard copy = board;
  SudPuzzle untouched{};
  EXPECT_FALSE(g.FinalizePuzzle(kEasy, copy, untouched));
  EXPECT_EQ(untouched.cells[0][0].solution, 0);  // nothing written on rejection
  SudPuzzle puzzle{};
  EXPECT_TRUE(g.FinalizePuzzle(kHard, board, puzzle));
  EXPECT_EQ(CountSudokuSolutions(Givens(puzzle)), 1);
}

TEST(Pool, EveryEntryExpandsAndPassesTheHardCheck) {
  ASSERT_EQ(kSudokuPoolCount, kPoolSize);
  Random random(1);
  Generator g(random);
  std::set<std::string> distinct;
  for (int i = 0; i < kSudokuPoolCount; ++i) {
    const char* entry = kSudokuPool[i];
    ASSERT_LE(std::strlen(entry), 45u) << i + 1;
    char digits[82];
    ASSERT_TRUE(ExpandPoolEntry(entry, digits)) << i + 1;
    distinct.insert(digits);
    SolverBoard board{};
    for (int k = 0; k < 81; ++k) {
      board.cells[k].Given = digits[k] != '0';
      board.cells[k].Value = digits[k] - '0';
    }
    SudPuzzle puzzle{};
    ASSERT_TRUE(g.FinalizePuzzle(kHard, board, puzzle)) << "entry " << i + 1;
    ASSERT_LE(CountGivens(puzzle), 21) << i + 1;
    // An independent count on a sample, so a solver fault cannot vouch for itself.
    if (i % 10 == 0) {
      ASSERT_EQ(CountSudokuSolutions(Givens(puzzle)), 1) << i + 1;
    }
  }
  EXPECT_EQ(distinct.size(), static_cast<std::size_t>(kSudokuPoolCount));
}

TEST(Pool, LetterRunsExpandAndCompressBothWays) {
  char digits[82];
  EXPECT_TRUE(ExpandPoolEntry("AAAAA1", digits));  // 5 x 16 zeros + 1
  EXPECT_EQ(std::string(digits), std::string(80, '0') + "1");
  EXPECT_FALSE(ExpandPoolEntry("AAAAA", digits));    // 80 cells
  EXPECT_FALSE(ExpandPoolEntry("AAAAAQ", digits));   // 82 cells
  EXPECT_FALSE(ExpandPoolEntry("AAAAAI", digits));   // I is not a run letter
  EXPECT_FALSE(ExpandPoolEntry(nullptr, digits));
  char grid[82];
  for (int i = 0; i < 81; ++i) grid[i] = i % 10 == 0 ? '5' : '0';
  grid[81] = '\0';
  char packed[82];
  CompressGrid(grid, packed, sizeof packed);
  char back[82];
  ASSERT_TRUE(ExpandPoolEntry(packed, back));
  EXPECT_EQ(std::string(back), std::string(grid));
}

TEST(Pool, DrawTakesTheNextUnusedEntryAndSavesState) {
  std::uint8_t flags[kPoolSize];
  std::memset(flags, 1, sizeof flags);
  flags[1233] = 0;  // entry 1234
  int saves = 0;
  CreateProgress progress;
  progress.saveState = [&] { ++saves; };
  Random random(11);
  Generator g(random, &progress);
  SolverBoard board{};
  ASSERT_TRUE(g.PuzzleFromPool(board, flags));
  char digits[82];
  ASSERT_TRUE(ExpandPoolEntry(kSudokuPool[1233], digits));
  for (int k = 0; k < 81; ++k) EXPECT_EQ(board.cells[k].Value, digits[k] - '0');
  EXPECT_EQ(saves, 1);
  // Every entry used: the flags are cleared and the draw still succeeds.
  std::memset(flags, 1, sizeof flags);
  ASSERT_TRUE(g.PuzzleFromPool(board, flags));
  int used = 0;
  for (std::uint8_t f : flags) used += f;
  EXPECT_EQ(used, 0);
}

TEST(Pool, FreshFlagsGiveTheEntryAfterTheDrawnOneAndStayClear) {
  // s = Random(5000) + 1, then the search steps to s + 1 before looking.
  for (std::uint64_t seed : {31u, 32u, 33u}) {
    Random probe(seed);
    const int s = probe(kPoolSize) + 1;
    const int expected = s == kPoolSize ? 1 : s + 1;
    std::uint8_t flags[kPoolSize] = {};
    Random random(seed);
    Generator g(random);
    SolverBoard board{};
    ASSERT_TRUE(g.PuzzleFromPool(board, flags));
    char digits[82];
    ASSERT_TRUE(ExpandPoolEntry(kSudokuPool[expected - 1], digits));
    for (int k = 0; k < 81; ++k) {
      EXPECT_EQ(board.cells[k].Value, digits[k] - '0') << "seed " << seed << " cell " << k;
      EXPECT_EQ(board.cells[k].Given, digits[k] != '0' ? 1 : 0);
    }
    for (std::uint8_t f : flags) ASSERT_EQ(f, 0);  // a draw never marks its entry
  }
}

TEST(Drivers, InteractiveCreateInstallsARunningPuzzle) {
  Random random(21);
  CreateProgress progress;
  std::uint8_t flags[kPoolSize] = {};
  SudSettings settings{};
  settings.elapsed = 500;
  settings.timerState = kTimerPaused;
  SudPuzzle puzzle{};
  const CreateResult r = CreateSudokuPuzzle(random, progress, kEasy, settings, puzzle, flags);
  ASSERT_TRUE(r.success);
  EXPECT_EQ(settings.difficulty, kEasy);
  EXPECT_EQ(settings.elapsed, 0);
  EXPECT_EQ(settings.timerState, kTimerRunning);
  EXPECT_EQ(progress.attempts.load(), r.attempts);
  EXPECT_EQ(progress.attemptScale.load(), 1000);
  EXPECT_EQ(r.startCloseTimer, r.attempts < 995);
  ExpectSoundPuzzle(puzzle, kEasy);
}

TEST(Drivers, PrintDriverStopsWhenCancelledAndLeavesThePuzzle) {
  Random random(4);
  CreateProgress progress;
  progress.cancelled = true;
  std::uint8_t flags[kPoolSize] = {};
  SudPuzzle puzzle{};
  puzzle.cells[0][0].solution = 7;
  int attempts = -1;
  EXPECT_FALSE(CreateSudokuForPrint(random, progress, kHard, puzzle, flags, &attempts));
  EXPECT_EQ(attempts, 0);
  EXPECT_EQ(puzzle.cells[0][0].solution, 7);
}

TEST(Drivers, StartupPuzzleIsMediumAndRunning) {
  Random random(8);
  SudSettings settings{};
  SudPuzzle puzzle{};
  CreateStartupSudoku(random, settings, puzzle);
  EXPECT_EQ(settings.difficulty, kMedium);
  EXPECT_EQ(settings.elapsed, 0);
  EXPECT_EQ(settings.timerState, kTimerRunning);
  ExpectSoundPuzzle(puzzle, kMedium);
}

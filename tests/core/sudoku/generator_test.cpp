#include "core/sudoku/generator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "core/common/types.h"
#include "support/brute.h"

namespace zorvek::sudoku {
namespace {

int CountGivens(const SudPuzzle& p) {
  int n = 0;
  for (const auto& row : p.cells)
    for (const SudCell& c : row) n += c.given;
  return n;
}

SolverBoard BoardFromDigits(const char (&digits)[82]) {
  SolverBoard board{};
  for (int k = 0; k < 81; ++k) {
    board.cells[k].Given = digits[k] != '0';
    board.cells[k].Value = digits[k] - '0';
  }
  return board;
}

// Every shipped entry expands, is distinct, short, and passes the Hard
// check; a sample is also confirmed unique independently.
TEST(SudokuPool, EveryEntryIsAHardPuzzle) {
  ASSERT_EQ(kSudokuPoolCount, kPoolSize);
  Random random(1);
  Generator g(random);
  std::set<std::string> distinct;
  for (int i = 0; i < kSudokuPoolCount; ++i) {
    ASSERT_LE(std::strlen(kSudokuPool[i]), 45u) << i + 1;
    char digits[82];
    ASSERT_TRUE(ExpandPoolEntry(kSudokuPool[i], digits)) << i + 1;
    distinct.insert(digits);
    SolverBoard board = BoardFromDigits(digits);
    SudPuzzle puzzle{};
    ASSERT_TRUE(g.FinalizePuzzle(kHard, board, puzzle)) << i + 1;
    ASSERT_LE(CountGivens(puzzle), 21) << i + 1;
    if (i % 10 == 0) {
      ASSERT_EQ(testing::Verdict(testing::SudokuProblem(puzzle)), "") << i + 1;
    }
  }
  EXPECT_EQ(distinct.size(), static_cast<std::size_t>(kSudokuPoolCount));
}

TEST(SudokuPool, LetterRunsExpandAndCompressBothWays) {
  char digits[82];
  EXPECT_TRUE(ExpandPoolEntry("AAAAA1", digits));  // 5 x 16 zeros + 1
  EXPECT_EQ(std::string(digits), std::string(80, '0') + "1");
  for (const char* bad : {"AAAAA", "AAAAAQ", "AAAAAI", static_cast<const char*>(nullptr)})
    EXPECT_FALSE(ExpandPoolEntry(bad, digits)) << (bad ? bad : "null");
  char grid[82];
  for (int i = 0; i < 81; ++i) grid[i] = i % 10 == 0 ? '5' : '0';
  grid[81] = '\0';
  char packed[82], back[82];
  CompressGrid(grid, packed, sizeof packed);
  ASSERT_TRUE(ExpandPoolEntry(packed, back));
  EXPECT_EQ(std::string(back), std::string(grid));
}

TEST(SudokuPool, DrawTakesTheNextUnusedEntryAndStartsOverWhenAllAreUsed) {
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
  std::memset(flags, 1, sizeof flags);
  ASSERT_TRUE(g.PuzzleFromPool(board, flags));
  for (std::uint8_t f : flags) ASSERT_EQ(f, 0);
}

}  // namespace
}  // namespace zorvek::sudoku

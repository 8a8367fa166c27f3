#include <gtest/gtest.h>

#include <cstring>

#include "core/sudoku/solver.h"

using namespace zorvek::sudoku;

namespace {

// Leaves only `digits` as candidates of an undetermined cell.
void Restrict(SolverBoard& b, int r, int c, std::initializer_list<int> digits) {
  SolverCell& cell = b.at(r, c);
  for (auto& x : cell.Candidates) x = 0;
  for (int d : digits) cell.Candidates[d - 1] = 1;
  cell.CandidateCount = static_cast<int>(digits.size());
}

void RemoveDigit(SolverBoard& b, int r, int c, int d) {
  SolverCell& cell = b.at(r, c);
  if (cell.Candidates[d - 1]) {
    cell.Candidates[d - 1] = 0;
    --cell.CandidateCount;
  }
}

bool Has(const SolverBoard& b, int r, int c, int d) { return b.at(r, c).Candidates[d - 1] != 0; }

class SolverTest : public ::testing::Test {
 protected:
  void SetUp() override { solver.ResetBoard(board); }
  Solver solver;
  SolverBoard board{};
};

}  // namespace

TEST(BoxTables, PositionsRunRowMajorInsideEachBox) {
  EXPECT_EQ(BoxCellRow(1, 1), 0);
  EXPECT_EQ(BoxCellColumn(1, 3), 2);
  EXPECT_EQ(BoxCellRow(2, 4), 1);
  EXPECT_EQ(BoxCellColumn(2, 4), 3);
  EXPECT_EQ(BoxCellRow(9, 9), 8);
  EXPECT_EQ(BoxCellColumn(4, 1), 0);
  EXPECT_EQ(BoxCellRow(4, 1), 3);
}

TEST_F(SolverTest, PlacingPropagatesNakedSinglesDepthFirst) {
  // Placing 1 at (0,0) reaches (0,1) before (0,2). Depth first, (0,1) becomes 2
  // at once and leaves (0,2) with 1 alone, which is placed before the first
  // placement's loop gets to it; a queue would have left (0,2) empty instead.
  Restrict(board, 0, 1, {1, 2});
  Restrict(board, 0, 2, {1, 2});
  solver.PlaceDigit(board, 0, 0, 1);
  EXPECT_EQ(board.at(0, 1).Value, 2);
  EXPECT_EQ(board.at(0, 2).Value, 1);
}

TEST_F(SolverTest, PlacingRemovesTheDigitFromEveryPeerAndKeepsCounts) {
  solver.PlaceDigit(board, 4, 4, 7);
  for (int k = 0; k < 9; ++k) {
    if (k != 4) {
      EXPECT_FALSE(Has(board, 4, k, 7));
      EXPECT_FALSE(Has(board, k, 4, 7));
      EXPECT_EQ(board.at(k, 4).CandidateCount, 8);
    }
  }
  EXPECT_FALSE(Has(board, 3, 3, 7));
  EXPECT_TRUE(Has(board, 0, 0, 7));
  EXPECT_EQ(board.at(4, 4).CandidateCount, 1);
}

TEST_F(SolverTest, HiddenSinglesOnlyFromLevelThree) {
  for (int c = 0; c < 9; ++c)
    if (c != 4) RemoveDigit(board, 0, c, 5);
  SolverBoard easy = board;
  Solver easySolver;
  EXPECT_TRUE(easySolver.SolveLogically(easy, 1));
  EXPECT_EQ(easy.at(0, 4).Value, -1);
  EXPECT_TRUE(solver.SolveLogically(board, 3));
  EXPECT_EQ(board.at(0, 4).Value, 5);
}

TEST_F(SolverTest, DigitWithNowhereToGoIsAContradictionAboveLevelOne) {
  for (int r = 0; r < 9; ++r) RemoveDigit(board, r, 6, 3);
  SolverBoard copy = board;
  EXPECT_TRUE(solver.SolveLogically(copy, 1));
  EXPECT_FALSE(solver.SolveLogically(board, 3));
}

TEST_F(SolverTest, NakedPairClearsItsDigitsFromTheRestOfTheRow) {
  Restrict(board, 0, 0, {1, 2});
  Restrict(board, 0, 4, {1, 2});
  SolverBoard easy = board;
  Solver easySolver;
  EXPECT_TRUE(easySolver.SolveLogically(easy, 1));
  EXPECT_TRUE(Has(easy, 0, 8, 1));
  EXPECT_TRUE(solver.SolveLogically(board, 3));
  for (int c : {1, 2, 3, 5, 6, 7, 8}) {
    EXPECT_FALSE(Has(board, 0, c, 1)) << c;
    EXPECT_FALSE(Has(board, 0, c, 2)) << c;
  }
  EXPECT_EQ(board.at(0, 0).SubsetMarks[0], 1);  // row pair
  EXPECT_EQ(board.at(0, 4).SubsetMarks[0], 1);
}

TEST_F(SolverTest, TripleAtConsecutivePositionsEndsTheSolve) {
  for (int c : {2, 3, 4}) Restrict(board, 0, c, {1, 2, 3});
  EXPECT_FALSE(solver.SolveLogically(board, 3));
}

TEST_F(SolverTest, TripleWithAGapEliminatesNormally) {
  for (int c : {2, 3, 5}) Restrict(board, 0, c, {1, 2, 3});
  EXPECT_TRUE(solver.SolveLogically(board, 3));
  for (int c : {0, 1, 4, 6, 7, 8}) EXPECT_FALSE(Has(board, 0, c, 3)) << c;
  EXPECT_EQ(board.at(0, 5).SubsetMarks[1], 1);  // row triple
}

TEST_F(SolverTest, TripleInABoxCountsBoxPositionsAsConsecutive) {
  // Box positions 3, 4, 5 are (0,2), (1,0), (1,1): not neighbours on the
  // board, but consecutive within the box.
  Restrict(board, 0, 2, {4, 5, 6});
  Restrict(board, 1, 0, {4, 5, 6});
  Restrict(board, 1, 1, {4, 5, 6});
  EXPECT_FALSE(solver.SolveLogically(board, 3));
}

TEST_F(SolverTest, SubsetEliminationStripsACellItJustDetermined) {
  // An empty cell and {1,2} make a "pair" of row 0. Clearing 1 from (0,1)
  // places 2 there; 2 is in the pair's union too, so (0,1) loses it as well
  // and the contradiction shows as a column without a 2.
  Restrict(board, 0, 0, {});
  Restrict(board, 0, 1, {1, 2});
  board.at(0, 1).SubsetMarks[0] = 1;  // kept out of the pair search
  Restrict(board, 0, 2, {1, 2});
  solver.SolveLogically(board, 3);
  EXPECT_EQ(board.at(0, 1).Value, 2);
  EXPECT_FALSE(Has(board, 0, 1, 2));
  EXPECT_FALSE(AllDigitsCoverable(board));
}

TEST_F(SolverTest, IntersectionStripsADeterminedCellOfTheBoxToo) {
  // A board already in contradiction: 5 placed at (1,0) while row 0 keeps
  // 5 only in its first box. The elimination reaches (1,0) like any cell.
  for (int c = 3; c < 9; ++c) RemoveDigit(board, 0, c, 5);
  Restrict(board, 1, 0, {5});
  board.at(1, 0).Value = 5;
  solver.SolveLogically(board, 3);
  EXPECT_FALSE(Has(board, 1, 0, 5));
  EXPECT_EQ(board.at(1, 0).CandidateCount, 0);
}

TEST_F(SolverTest, QuadsNeedLevelFive) {
  for (int c : {0, 2, 4, 6}) Restrict(board, 0, c, {1, 2, 3, 4});
  SolverBoard medium = board;
  Solver mediumSolver;
  EXPECT_TRUE(mediumSolver.SolveLogically(medium, 3));
  EXPECT_TRUE(Has(medium, 0, 8, 1));
  EXPECT_TRUE(solver.SolveLogically(board, 5));
  for (int d = 1; d <= 4; ++d) EXPECT_FALSE(Has(board, 0, 8, d)) << d;
  EXPECT_EQ(board.at(0, 6).SubsetMarks[2], 1);  // row quad
}

TEST_F(SolverTest, RowBoxIntersectionFiresOnceUntilReset) {
  // Digit 5 of row 0 only in the first box: it leaves rows 1 and 2 there.
  for (int c = 3; c < 9; ++c) RemoveDigit(board, 0, c, 5);
  const SolverBoard before = board;
  EXPECT_TRUE(solver.SolveLogically(board, 3));
  EXPECT_FALSE(Has(board, 1, 0, 5));
  EXPECT_FALSE(Has(board, 2, 2, 5));
  EXPECT_TRUE(Has(board, 3, 0, 5));
  EXPECT_EQ(solver.done().RowBoxDone[0][4], 1);
  // Rolling the board back keeps the done mark: no second elimination.
  board = before;
  EXPECT_TRUE(solver.SolveLogically(board, 3));
  EXPECT_TRUE(Has(board, 1, 0, 5));
  // A reset clears it.
  solver.ResetBoard(board);
  for (int c = 3; c < 9; ++c) RemoveDigit(board, 0, c, 5);
  EXPECT_TRUE(solver.SolveLogically(board, 3));
  EXPECT_FALSE(Has(board, 1, 0, 5));
}

TEST_F(SolverTest, BoxLineIntersectionClearsTheLineOutsideTheBox) {
  // In box 5 digit 8 can only be in column 4: it leaves column 4 elsewhere.
  for (int r = 3; r < 6; ++r)
    for (int c : {3, 5}) RemoveDigit(board, r, c, 8);
  EXPECT_TRUE(solver.SolveLogically(board, 3));
  EXPECT_FALSE(Has(board, 0, 4, 8));
  EXPECT_FALSE(Has(board, 8, 4, 8));
  EXPECT_TRUE(Has(board, 4, 4, 8));
  EXPECT_EQ(solver.done().BoxColumnDone[4][7], 1);
}

TEST_F(SolverTest, LevelOneAppliesNothingButPropagation) {
  Restrict(board, 0, 0, {1, 2});
  Restrict(board, 0, 1, {1, 2});
  for (int c = 3; c < 9; ++c) RemoveDigit(board, 2, c, 9);
  const SolverBoard before = board;
  EXPECT_TRUE(solver.SolveLogically(board, 1));
  EXPECT_EQ(0, std::memcmp(&before, &board, sizeof board));
  EXPECT_EQ(solver.done().RowBoxDone[2][8], 0);
}

TEST_F(SolverTest, SolvedAndCoverableChecks) {
  EXPECT_FALSE(IsSolved(board));
  EXPECT_TRUE(AllDigitsCoverable(board));
  for (int c = 0; c < 9; ++c) RemoveDigit(board, 5, c, 6);
  EXPECT_FALSE(AllDigitsCoverable(board));
  solver.ResetBoard(board);
  for (int r = 0; r < 9; ++r) RemoveDigit(board, r, 7, 2);
  EXPECT_FALSE(AllDigitsCoverable(board));
  // A full valid grid placed through propagation alone is solved.
  solver.ResetBoard(board);
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c)
      if (board.at(r, c).Value == -1) solver.PlaceDigit(board, r, c, (r * 3 + r / 3 + c) % 9 + 1);
  EXPECT_TRUE(IsSolved(board));
  EXPECT_TRUE(AllDigitsCoverable(board));
}

TEST_F(SolverTest, ResetFromGivensKeepsOnlyTheGivens) {
  solver.PlaceDigit(board, 0, 0, 4);
  board.at(0, 0).Given = 1;
  solver.PlaceDigit(board, 8, 8, 6);  // deduced, not given
  board.at(3, 3).SubsetMarks[5] = 1;
  solver.done().BoxRowDone[2][2] = 1;
  solver.ResetFromGivens(board);
  EXPECT_EQ(board.at(0, 0).Value, 4);
  EXPECT_EQ(board.at(8, 8).Value, -1);
  EXPECT_EQ(board.at(8, 8).CandidateCount, 9);
  EXPECT_FALSE(Has(board, 0, 5, 4));
  EXPECT_EQ(board.at(3, 3).SubsetMarks[5], 0);
  EXPECT_EQ(solver.done().BoxRowDone[2][2], 0);
}

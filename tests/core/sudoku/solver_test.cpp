#include "core/sudoku/solver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

namespace zorvek::sudoku {
namespace {

// Starts every test from an open board; levels are the techniques' levels
// (1 propagation only, 3 adds hidden singles, pairs, triples and
// intersections, 5 adds quads). The golden digests pin the solver's every
// quirk through the generators; these pin what each technique is for.
class SudokuSolver : public ::testing::Test {
 protected:
  void SetUp() override { solver.ResetBoard(board); }
  // Leaves only `digits` as candidates of an undetermined cell.
  void Only(int r, int c, std::initializer_list<int> digits) {
    SolverCell& cell = board.at(r, c);
    for (auto& x : cell.Candidates) x = 0;
    for (int d : digits) cell.Candidates[d - 1] = 1;
    cell.CandidateCount = static_cast<int>(digits.size());
  }
  void Remove(int r, int c, int d) {
    SolverCell& cell = board.at(r, c);
    if (cell.Candidates[d - 1]) cell.Candidates[d - 1] = 0, --cell.CandidateCount;
  }
  bool Has(int r, int c, int d) const { return board.at(r, c).Candidates[d - 1] != 0; }
  // Solves a copy at `level` and checks whether (r, c) keeps digit d; the
  // board itself is solved at `level`, too.
  bool KeepsAt(int level, int r, int c, int d) {
    SolverBoard copy = board;
    Solver fresh;
    EXPECT_TRUE(fresh.SolveLogically(copy, level));
    return copy.at(r, c).Candidates[d - 1] != 0;
  }
  Solver solver;
  SolverBoard board{};
};

TEST_F(SudokuSolver, EachTechniqueWaitsForItsLevel) {
  // Hidden single: 5 fits only (0,4) of row 0.
  for (int c = 0; c < 9; ++c)
    if (c != 4) Remove(0, c, 5);
  SolverBoard start = board;
  EXPECT_TRUE(Solver().SolveLogically(start, 1));
  EXPECT_EQ(start.at(0, 4).Value, -1);
  EXPECT_TRUE(solver.SolveLogically(board, 3));
  EXPECT_EQ(board.at(0, 4).Value, 5);

  // Naked pair of row 0.
  solver.ResetBoard(board);
  Only(0, 0, {1, 2});
  Only(0, 4, {1, 2});
  EXPECT_TRUE(KeepsAt(1, 0, 8, 1));
  EXPECT_TRUE(solver.SolveLogically(board, 3));
  for (int c : {1, 2, 3, 5, 6, 7, 8}) EXPECT_FALSE(Has(0, c, 1) || Has(0, c, 2)) << c;
  EXPECT_EQ(board.at(0, 0).SubsetMarks[0] + board.at(0, 4).SubsetMarks[0], 2);

  // Quad of row 0: level 5 only.
  solver.ResetBoard(board);
  for (int c : {0, 2, 4, 6}) Only(0, c, {1, 2, 3, 4});
  EXPECT_TRUE(KeepsAt(3, 0, 8, 1));
  EXPECT_TRUE(solver.SolveLogically(board, 5));
  for (int d = 1; d <= 4; ++d) EXPECT_FALSE(Has(0, 8, d)) << d;
  EXPECT_EQ(board.at(0, 6).SubsetMarks[2], 1);

  // Level 1 changes nothing but propagation, and marks nothing done.
  solver.ResetBoard(board);
  Only(0, 0, {1, 2});
  Only(0, 1, {1, 2});
  for (int c = 3; c < 9; ++c) Remove(2, c, 9);
  const SolverBoard before = board;
  EXPECT_TRUE(solver.SolveLogically(board, 1));
  EXPECT_EQ(std::memcmp(&before, &board, sizeof board), 0);
  EXPECT_EQ(solver.done().RowBoxDone[2][8], 0);
}

TEST_F(SudokuSolver, IntersectionsWorkBothWays) {
  // Digit 5 of row 0 only in the first box: it leaves rows 1 and 2 there.
  for (int c = 3; c < 9; ++c) Remove(0, c, 5);
  EXPECT_TRUE(solver.SolveLogically(board, 3));
  EXPECT_FALSE(Has(1, 0, 5) || Has(2, 2, 5));
  EXPECT_TRUE(Has(3, 0, 5));
  EXPECT_EQ(solver.done().RowBoxDone[0][4], 1);

  // In box 5 digit 8 only in column 4: it leaves column 4 elsewhere.
  solver.ResetBoard(board);
  for (int r = 3; r < 6; ++r)
    for (int c : {3, 5}) Remove(r, c, 8);
  EXPECT_TRUE(solver.SolveLogically(board, 3));
  EXPECT_FALSE(Has(0, 4, 8) || Has(8, 4, 8));
  EXPECT_TRUE(Has(4, 4, 8));
  EXPECT_EQ(solver.done().BoxColumnDone[4][7], 1);
}

TEST_F(SudokuSolver, ContradictionsSolvedBoardsAndResets) {
  for (int r = 0; r < 9; ++r) Remove(r, 6, 3);  // 3 has no place in column 6
  EXPECT_FALSE(AllDigitsCoverable(board));
  EXPECT_TRUE(KeepsAt(1, 0, 0, 1)) << "level 1 does not look for places";
  EXPECT_FALSE(solver.SolveLogically(board, 3));
  solver.ResetBoard(board);
  for (int c = 0; c < 9; ++c) Remove(5, c, 6);
  EXPECT_FALSE(AllDigitsCoverable(board));

  solver.ResetBoard(board);
  EXPECT_FALSE(IsSolved(board));
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c)
      if (board.at(r, c).Value == -1) solver.PlaceDigit(board, r, c, (r * 3 + r / 3 + c) % 9 + 1);
  EXPECT_TRUE(IsSolved(board));
  EXPECT_TRUE(AllDigitsCoverable(board));

  // A reset from the givens keeps them and forgets deductions and done marks.
  solver.ResetBoard(board);
  for (int c = 3; c < 9; ++c) Remove(0, c, 5);
  EXPECT_TRUE(solver.SolveLogically(board, 3));
  ASSERT_EQ(solver.done().RowBoxDone[0][4], 1);
  solver.PlaceDigit(board, 4, 4, 4);
  board.at(4, 4).Given = 1;
  solver.PlaceDigit(board, 8, 8, 6);
  board.at(3, 3).SubsetMarks[5] = 1;
  solver.ResetFromGivens(board);
  EXPECT_EQ(board.at(4, 4).Value, 4);
  EXPECT_FALSE(Has(4, 5, 4));
  EXPECT_EQ(board.at(8, 8).Value, -1);
  EXPECT_EQ(board.at(8, 8).CandidateCount, 9);
  EXPECT_TRUE(Has(1, 0, 5));
  EXPECT_EQ(board.at(3, 3).SubsetMarks[5], 0);
  EXPECT_EQ(solver.done().RowBoxDone[0][4], 0);
}

}  // namespace
}  // namespace zorvek::sudoku

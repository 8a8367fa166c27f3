#include "core/sudoku/solver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

namespace zorvek::sudoku {
namespace {

// Starts every test from an open board; levels are the techniques' levels
// (1 propagation only, 3 adds hidden singles, pairs, triples and
// intersections, 5 adds quads). The golden digests pin everything the
// generators do with the solver (contradictions, resets, intersections,
// quirks); this pins which level each technique waits for.
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

}  // namespace
}  // namespace zorvek::sudoku

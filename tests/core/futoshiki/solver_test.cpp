#include "core/futoshiki/solver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/common/types.h"
#include "core/futoshiki/generator.h"

namespace zorvek::futoshiki {
namespace {

// The golden digests pin everything the generators do with the solver; these
// pin the sign rules, which level each technique waits for, and an export
// that fails writing nothing.
class FutoshikiSolver : public ::testing::Test {
 protected:
  // An open board of size n; call Build() once givens and signs are set.
  FutBoard& Open(int n) {
    h = FutHeader{};
    h.size = n;
    ClearBoard(h, b);
    return b;
  }
  void Build() { BuildFromGivens(h, b); }
  void Give(int r, int c, int v) { b.at(r, c).given = true, b.at(r, c).value = v; }
  // Takes digits away from a cell by hand, keeping its count in step.
  void Strike(int r, int c, const std::string& digits) {
    for (char ch : digits)
      if (b.at(r, c).candidates[ch - '0']) b.at(r, c).candidates[ch - '0'] = false, --b.at(r, c).count;
  }
  std::string Left(int r, int c) const {
    std::string s;
    for (int d = 1; d <= 9; ++d)
      if (b.at(r, c).candidates[d]) s += static_cast<char>('0' + d);
    return s;
  }
  // Candidates of (r, c) after solving a copy at `level`.
  std::string LeftAt(int level, int r, int c) {
    const FutBoard before = b;
    EXPECT_TRUE(SolveLogically(h, b, level));
    const std::string s = Left(r, c);
    b = before;
    return s;
  }
  FutHeader h{};
  FutBoard b{};
};

TEST_F(FutoshikiSolver, SignBoundsNarrowBothCellsAndReportContradictions) {
  Open(5);
  b.at(0, 0).signRight = 1;  // (0,0) > (0,1)
  b.at(1, 1).signDown = 2;   // (1,1) < (2,1)
  Give(0, 1, 3);
  Build();
  bool changed = false;
  ASSERT_TRUE(ApplySignBounds(b, h, changed));
  EXPECT_TRUE(changed);
  EXPECT_EQ(Left(0, 0) + " " + Left(1, 1) + " " + Left(2, 1), "45 124 245");
  changed = false;
  ASSERT_TRUE(ApplySignBounds(b, h, changed));
  EXPECT_FALSE(changed) << "a second run has nothing left to do";

  Open(5).at(2, 2).signDown = 1;  // (2,2) > (3,2) with (2,2) = 1
  Give(2, 2, 1);
  Build();
  EXPECT_FALSE(ApplySignBounds(b, h, changed));
}

TEST_F(FutoshikiSolver, TechniquesFollowTheLevel) {
  Open(5);
  Build();
  for (int c = 1; c < 5; ++c) Strike(0, c, "5");  // 5 fits only (0,0): a hidden single
  EXPECT_EQ(LeftAt(2, 0, 0), "12345");
  ASSERT_TRUE(SolveLogically(h, b, 3));
  EXPECT_EQ(b.at(0, 0).value, 5);

  Open(5);
  Build();
  for (int c = 0; c < 3; ++c) Strike(0, c, "45");  // a triple {1,2,3}
  EXPECT_EQ(LeftAt(2, 0, 3), "12345");
  ASSERT_TRUE(SolveLogically(h, b, 3));
  EXPECT_EQ(Left(0, 3) + " " + Left(0, 4), "45 45");
  EXPECT_TRUE(b.at(0, 0).rowSubsetUsed[1]);

  Open(7);
  Build();
  for (int r = 0; r < 4; ++r) Strike(r, 6, "567");  // a quad in column 6
  EXPECT_EQ(LeftAt(3, 5, 6), "1234567");
  ASSERT_TRUE(SolveLogically(h, b, 5));
  EXPECT_EQ(Left(5, 6), "567");
  EXPECT_TRUE(b.at(0, 6).colSubsetUsed[2]);
}

TEST_F(FutoshikiSolver, SolveAndExportWritesAFreshGridOrNothing) {
  Open(5);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c)
      if (r + c) Give(r, c, (r + c) % 5 + 1);
  b.at(0, 0).signRight = 2;  // 1 < 2
  FutGrid grid{};
  grid.cells[0][0].marks[2] = 1;
  grid.cells[0][0].textLength = 2;
  grid.cells[0][0].check = 2;
  grid.cells[7][7].solution = 99;  // outside the board: left alone
  ASSERT_TRUE(SolveAndExport(h, b, grid));
  EXPECT_TRUE(IsFullyDetermined(h, b));
  FutGridCell open{};
  open.solution = 1;
  open.signRight = 2;
  EXPECT_EQ(std::memcmp(&grid.cells[0][0], &open, sizeof open), 0);
  EXPECT_EQ(grid.cells[2][3].given + grid.cells[2][3].entry, 2);
  EXPECT_EQ(grid.cells[7][7].solution, 99);

  b.at(0, 0).signRight = 1;  // a sign that cannot hold: nothing written
  const FutGrid before = grid;
  EXPECT_FALSE(SolveAndExport(h, b, grid));
  EXPECT_EQ(std::memcmp(&before, &grid, sizeof grid), 0);
}

}  // namespace
}  // namespace zorvek::futoshiki

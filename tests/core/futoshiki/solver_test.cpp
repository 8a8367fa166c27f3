#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/common/types.h"

#include "core/futoshiki/generator.h"
#include "core/futoshiki/solver.h"

namespace zorvek::futoshiki {
namespace {

FutHeader Header(int n, int difficulty = kEasy) {
  FutHeader h{};
  h.size = n;
  h.difficulty = static_cast<std::uint8_t>(difficulty);
  return h;
}

FutBoard Empty(const FutHeader& h) {
  FutBoard b{};
  ClearBoard(h, b);
  return b;
}

void Give(FutBoard& b, int r, int c, int v) {
  b.at(r, c).given = true;
  b.at(r, c).value = v;
}

// Takes digits away from a cell by hand, keeping count in step.
void Strike(FutBoard& b, int r, int c, const std::string& digits) {
  for (char ch : digits) {
    FutCell& cell = b.at(r, c);
    if (cell.candidates[ch - '0']) {
      cell.candidates[ch - '0'] = false;
      --cell.count;
    }
  }
}

std::string Candidates(const FutBoard& b, int r, int c) {
  std::string s;
  for (int d = 1; d <= 9; ++d)
    if (b.at(r, c).candidates[d]) s += static_cast<char>('0' + d);
  return s;
}

TEST(FutoshikiSolver, SignBoundsNarrowBothCellsAndReportContradictions) {
  const FutHeader h = Header(5);
  FutBoard b = Empty(h);
  b.at(0, 0).signRight = 1;  // (0,0) > (0,1)
  b.at(1, 1).signDown = 2;   // (1,1) < (2,1)
  Give(b, 0, 1, 3);
  BuildFromGivens(h, b);
  bool changed = false;
  ASSERT_TRUE(ApplySignBounds(b, h, changed));
  EXPECT_TRUE(changed);
  EXPECT_EQ(Candidates(b, 0, 0), "45");
  EXPECT_EQ(Candidates(b, 1, 1), "124");  // 3 gone with the given, 5 by the sign
  EXPECT_EQ(Candidates(b, 2, 1), "245");
  changed = false;
  ASSERT_TRUE(ApplySignBounds(b, h, changed));
  EXPECT_FALSE(changed) << "a second run has nothing left to do";

  // The greater cell holds only digits no larger than any of the smaller's.
  FutBoard bad = Empty(h);
  bad.at(2, 2).signDown = 1;  // (2,2) > (3,2)
  Give(bad, 2, 2, 1);
  BuildFromGivens(h, bad);
  changed = false;
  EXPECT_FALSE(ApplySignBounds(bad, h, changed));
}

TEST(FutoshikiSolver, OrderedRowIsSolvedByBoundsAlone) {
  const FutHeader h = Header(5);
  FutBoard b = Empty(h);
  Give(b, 0, 0, 1);
  for (int c = 1; c < 4; ++c) b.at(0, c).signRight = 2;  // ? < ? < ? < ?
  BuildFromGivens(h, b);
  ASSERT_TRUE(SolveLogically(h, b, 1));
  for (int c = 0; c < 5; ++c) EXPECT_EQ(b.at(0, c).value, c + 1) << "column " << c;
  // Down the columns the fixed digits are gone from every other cell.
  EXPECT_EQ(Candidates(b, 3, 2), "1245");
}

TEST(FutoshikiSolver, FixCellTakesTheHighestCandidateAndResolvesChains) {
  const FutHeader h = Header(5);
  FutBoard b = Empty(h);
  BuildFromGivens(h, b);
  Strike(b, 4, 4, "135");
  FixCell(b, h, 4, 4);
  EXPECT_EQ(b.at(4, 4).value, 4);

  FutBoard chain = Empty(h);
  BuildFromGivens(h, chain);
  Strike(chain, 0, 0, "2345");  // {1}
  Strike(chain, 0, 1, "345");   // {1,2}
  Strike(chain, 0, 2, "145");   // {2,3}
  Strike(chain, 0, 3, "125");   // {3,4}
  FixCell(chain, h, 0, 0);
  // One call settles the whole row: each removal leaves a single candidate.
  for (int c = 0; c < 5; ++c) EXPECT_EQ(chain.at(0, c).value, c + 1) << "column " << c;
  EXPECT_EQ(Candidates(chain, 3, 0), "2345");
  EXPECT_EQ(Candidates(chain, 3, 4), "1234");
}

TEST(FutoshikiSolver, HiddenSinglesStartAtLevelThree) {
  const FutHeader h = Header(5);
  FutBoard b = Empty(h);
  BuildFromGivens(h, b);
  for (int c = 1; c < 5; ++c) Strike(b, 0, c, "5");  // 5 fits only in (0,0)
  FutBoard weak = b;
  ASSERT_TRUE(SolveLogically(h, weak, 2));
  EXPECT_EQ(weak.at(0, 0).value, -1);
  ASSERT_TRUE(SolveLogically(h, b, 3));
  EXPECT_EQ(b.at(0, 0).value, 5);
  EXPECT_EQ(Candidates(b, 3, 0), "1234");
}

TEST(FutoshikiSolver, SubsetSizeFollowsTheLevel) {
  {
    const FutHeader h = Header(5);
    FutBoard b = Empty(h);
    BuildFromGivens(h, b);
    for (int c = 0; c < 3; ++c) Strike(b, 0, c, "45");  // {1,2,3} three times
    FutBoard pairsOnly = b;
    ASSERT_TRUE(SolveLogically(h, pairsOnly, 2));
    EXPECT_EQ(Candidates(pairsOnly, 0, 3), "12345");
    ASSERT_TRUE(SolveLogically(h, b, 3));
    EXPECT_EQ(Candidates(b, 0, 3), "45");
    EXPECT_EQ(Candidates(b, 0, 4), "45");
    EXPECT_TRUE(b.at(0, 0).rowSubsetUsed[1]);
  }
  {
    // A quad in a column of seven: found at level 5, not at level 3.
    const FutHeader h = Header(7);
    FutBoard b = Empty(h);
    BuildFromGivens(h, b);
    for (int r = 0; r < 4; ++r) Strike(b, r, 6, "567");
    FutBoard weak = b;
    ASSERT_TRUE(SolveLogically(h, weak, 3));
    EXPECT_EQ(Candidates(weak, 5, 6), "1234567");
    ASSERT_TRUE(SolveLogically(h, b, 5));
    EXPECT_EQ(Candidates(b, 5, 6), "567");
    EXPECT_TRUE(b.at(0, 6).colSubsetUsed[2]);
  }
}

TEST(FutoshikiSolver, FinalChecksCatchWhatTheSolverLeaves) {
  const FutHeader h = Header(5);
  FutBoard b = Empty(h);
  BuildFromGivens(h, b);
  for (int c = 0; c < 5; ++c) Strike(b, 2, c, "3");  // 3 has no place in row 2
  FutBoard lenient = b;
  EXPECT_TRUE(SolveLogically(h, lenient, 1)) << "level 1 does not look for places";
  EXPECT_FALSE(IsConsistent(h, lenient));
  EXPECT_FALSE(SolveLogically(h, b, 3)) << "the hidden-single tally sees it";

  FutBoard column = Empty(h);
  BuildFromGivens(h, column);
  for (int r = 0; r < 5; ++r) Strike(column, r, 4, "1");
  EXPECT_FALSE(IsConsistent(h, column));

  FutBoard sign = Empty(h);
  sign.at(1, 1).signRight = 2;  // (1,1) < (1,2)
  BuildFromGivens(h, sign);
  EXPECT_TRUE(IsConsistent(h, sign));
  Strike(sign, 1, 1, "1234");
  EXPECT_FALSE(IsConsistent(h, sign));

  FutBoard open = Empty(h);
  BuildFromGivens(h, open);
  EXPECT_TRUE(IsConsistent(h, open));
  EXPECT_FALSE(IsFullyDetermined(h, open));
}

TEST(FutoshikiSolver, SolveAndExportWritesAFreshGridOrNothing) {
  const FutHeader h = Header(5, kEasy);
  // A full Latin square given except one cell.
  FutBoard b = Empty(h);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c)
      if (r + c != 0) Give(b, r, c, (r + c) % 5 + 1);
  b.at(0, 0).signRight = 2;  // 1 < 2
  FutGrid grid{};
  grid.cells[0][0].marks[2] = 1;
  grid.cells[0][0].textLength = 2;
  grid.cells[0][0].check = 2;
  grid.cells[7][7].solution = 99;  // outside the board: left alone
  ASSERT_TRUE(SolveAndExport(h, b, grid));
  EXPECT_TRUE(IsFullyDetermined(h, b));
  const FutGridCell& open = grid.cells[0][0];
  EXPECT_EQ(open.given, 0);
  EXPECT_EQ(open.solution, 1);
  EXPECT_EQ(open.entry, 0);
  EXPECT_EQ(open.signRight, 2);
  EXPECT_EQ(open.marks[2], 0);
  EXPECT_EQ(open.textLength, 0);
  EXPECT_EQ(open.check, 0);
  EXPECT_EQ(grid.cells[2][3].given, 1);
  EXPECT_EQ(grid.cells[2][3].entry, 1);
  EXPECT_EQ(grid.cells[7][7].solution, 99);

  // The same with a sign that cannot hold: rejected, grid untouched.
  b.at(0, 0).signRight = 1;
  FutGrid before = grid;
  before.cells[0][0].check = 1;
  FutGrid after = before;
  EXPECT_FALSE(SolveAndExport(h, b, after));
  EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}

}  // namespace
}  // namespace zorvek::futoshiki

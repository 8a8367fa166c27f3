#include "core/hexkakuro/deduce.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace zorvek::hexkakuro {
namespace {

// A hand-made board: clues and white cells linked as a layout links them.
// The generator test pins every deduction's effect through its digests and
// checks that the sums alone give every digit; these pin each step's rule.
// The clue (3,3) walks its run as (2,2) (2,3) (2,4) (3,2) (4,3) (3,4).
struct Board {
  HexBoard b{};
  Board(std::vector<HexPos> clues, std::vector<HexPos> whites) {
    for (HexPos p : clues) b.at(p).kind = kHexClue;
    for (HexPos p : whites) {
      b.at(p).kind = kHexWhite;
      Only(p, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    }
    for (HexPos q : clues)
      for (int i = 1; i <= 6; ++i) {
        HexCell& x = b.at(Neighbour(q.row, q.col, i));
        if (x.kind != kHexWhite) continue;
        ++b.at(q).count;
        x.clues[x.clueCount++] = q;
      }
  }
  void Only(HexPos p, std::vector<int> digits) {
    for (int d = 1; d <= 9; ++d) b.at(p).candidates[d] = false;
    for (int d : digits) b.at(p).candidates[d] = true;
  }
  void Fix(HexPos p, int d) {
    Only(p, {d});
    b.at(p).assigned = true;
    b.at(p).digit = d;
  }
  std::string Candidates(HexPos p) const {
    std::string out;
    for (int d = 1; d <= 9; ++d)
      if (b.at(p).candidates[d]) out += static_cast<char>('0' + d);
    return out;
  }
  // Whether assigning the single left in p finds a contradiction.
  bool AssignClashes(HexPos p) {
    DeduceFlags f;
    AssignSingle(b, p.row, p.col, f);
    return f.contradiction;
  }
  bool Apply(HexPos clue, int sum) {
    DigitFlags mask{};
    DeduceFlags f;
    EXPECT_TRUE(LookupHexPossibleDigits(b.at(clue).count, sum, mask));
    ApplyClueSum(b, clue.row, clue.col, sum, mask, f);
    return !f.contradiction;
  }
};

constexpr HexPos kClue{3, 3}, kUp{2, 3}, kDown{4, 3}, kUpLeft{2, 2}, kUpRight{2, 4}, kLeft{3, 2};

TEST(HexDeduce, SumRestrictsAndSinglesPropagate) {
  Board t({kClue}, {kUp, kDown});
  ASSERT_TRUE(t.Apply(kClue, 3));
  EXPECT_EQ(t.b.at(kClue).touched, 2);
  EXPECT_TRUE(t.b.at(kUp).touchedCell);
  EXPECT_EQ(t.Candidates(kUp), "12");
  EXPECT_EQ(t.Candidates(kDown), "12");
  // Fixing one cell to 1 fixes the other to 2.
  t.Only(kUp, {1});
  DeduceFlags f;
  AssignSingle(t.b, kUp.row, kUp.col, f);
  EXPECT_FALSE(f.contradiction);
  EXPECT_TRUE(f.changed);
  EXPECT_EQ(t.b.at(kUp).digit, 1);
  EXPECT_TRUE(t.b.at(kDown).assigned);
  EXPECT_EQ(t.b.at(kDown).digit, 2);

  // A fixed digit narrows the rest of its run to what the remaining sum allows.
  Board u({kClue}, {kUpLeft, kUp, kUpRight});
  ASSERT_TRUE(u.Apply(kClue, 7));  // {1,2,4}
  u.Only(kUpLeft, {4});
  AssignSingle(u.b, kUpLeft.row, kUpLeft.col, f);
  EXPECT_EQ(u.Candidates(kUpRight), "12");
}

TEST(HexDeduce, NakedSubsets) {
  Board t({kClue}, {kUpLeft, kUp, kUpRight, kLeft});
  t.Only(kUpLeft, {4, 5});
  t.Only(kLeft, {4, 5});
  t.Only(kUpRight, {3, 4, 5});
  DeduceFlags f;
  EliminateNakedSubsets(t.b, kClue.row, kClue.col, f);
  EXPECT_TRUE(f.changed);
  EXPECT_EQ(t.Candidates(kLeft), "45");
  // The pair leaves (2,4) with 3, which as a one-cell subset leaves the rest too.
  EXPECT_EQ(t.b.at(kUpRight).digit, 3);
  EXPECT_EQ(t.Candidates(kUp), "126789");

  Board u({kClue}, {kUp, kDown});
  DeduceFlags g;
  EliminateNakedSubsets(u.b, kClue.row, kClue.col, g);
  EXPECT_FALSE(g.changed);
}

TEST(HexDeduce, SumFeasibility) {
  Board t({kClue}, {kUp, kDown});
  t.b.at(kClue).sum = 10;
  t.Only(kDown, {1, 2});
  DeduceFlags f;
  CheckSumFeasibility(t.b, kUp.row, kUp.col, kClue.row, kClue.col, f);
  EXPECT_TRUE(f.changed);
  EXPECT_EQ(t.Candidates(kUp), "89");

  // 24 over three cells, the others in {7,8} and {8,9}; then the last open cell.
  Board u({kClue}, {kUpLeft, kUp, kUpRight});
  u.b.at(kClue).sum = 24;
  u.Only(kUp, {7, 8});
  u.Only(kUpRight, {8, 9});
  CheckSumFeasibility(u.b, kUpLeft.row, kUpLeft.col, kClue.row, kClue.col, f);
  EXPECT_EQ(u.Candidates(kUpLeft), "789");
  u.Fix(kUp, 7);
  u.Fix(kUpRight, 8);
  CheckSumFeasibility(u.b, kUpLeft.row, kUpLeft.col, kClue.row, kClue.col, f);
  EXPECT_EQ(u.b.at(kUpLeft).digit, 9);
}

TEST(HexDeduce, VerifyAndExport) {
  Board t({kClue}, {kUp, kDown});
  t.b.at(kClue).sum = 9;
  t.Fix(kUp, 4);
  t.Fix(kDown, 5);
  HexGrid grid;
  std::memset(&grid, 0x5a, sizeof grid);
  ASSERT_TRUE(VerifyAndExport(t.b, 9, 9, grid));
  EXPECT_EQ(grid.cells[3][3].kind, kHexClue);
  EXPECT_EQ(grid.cells[3][3].number * 10 + grid.cells[3][3].count, 92);
  EXPECT_EQ(grid.cells[2][3].kind, kHexWhite);
  EXPECT_EQ(grid.cells[2][3].number * 10 + grid.cells[4][3].number, 45);
  HexGridCell empty{};
  empty.kind = kHexWhite;
  empty.number = 4;
  EXPECT_EQ(std::memcmp(&grid.cells[2][3], &empty, sizeof empty), 0);  // player fields clear
  EXPECT_EQ(grid.cells[13][15].kind, kHexNone);

  t.b.at(kClue).sum = 10;  // a mismatch exports nothing
  HexGrid before;
  std::memset(&before, 0x33, sizeof before);
  HexGrid after = before;
  EXPECT_FALSE(VerifyAndExport(t.b, 9, 9, after));
  EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}

}  // namespace
}  // namespace zorvek::hexkakuro

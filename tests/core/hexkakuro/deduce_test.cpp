#include "hexkakuro/deduce.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace zorvek::hexkakuro {
namespace {

// A hand-made board: one or more clues and the white cells around them,
// linked as a layout would link them.
struct Board {
  HexBoard b{};

  void Clue(int r, int c) { b.at(r, c).kind = kHexClue; }
  void White(int r, int c) {
    HexCell& x = b.at(r, c);
    x.kind = kHexWhite;
    for (int d = 1; d <= 9; ++d) x.candidates[d] = true;
  }
  void Link() {
    for (int r = 0; r < kBoardRows; ++r)
      for (int c = 0; c < kBoardCols; ++c) {
        HexCell& clue = b.at(r, c);
        if (clue.kind != kHexClue) continue;
        for (int i = 1; i <= 6; ++i) {
          HexCell& x = b.at(Neighbour(r, c, i));
          if (x.kind != kHexWhite) continue;
          ++clue.count;
          x.clues[x.clueCount++] = {r, c};
        }
      }
  }
  void Only(int r, int c, std::vector<int> digits) {
    HexCell& x = b.at(r, c);
    for (int d = 1; d <= 9; ++d) x.candidates[d] = false;
    for (int d : digits) x.candidates[d] = true;
  }
  void Fix(int r, int c, int d) {
    Only(r, c, {d});
    b.at(r, c).assigned = true;
    b.at(r, c).digit = d;
  }
  std::vector<int> Candidates(int r, int c) const {
    std::vector<int> out;
    for (int d = 1; d <= 9; ++d)
      if (b.at(r, c).candidates[d]) out.push_back(d);
    return out;
  }
  DigitFlags Mask(int length, int sum) const {
    DigitFlags m{};
    EXPECT_TRUE(LookupHexPossibleDigits(length, sum, m));
    return m;
  }
};

// Clue (3,3), odd column: run order (2,2) (2,3) (2,4) (3,2) (4,3) (3,4).

TEST(HexDeduce, SumOfThreeOverTwoCells) {
  Board t;
  t.Clue(3, 3);
  t.White(2, 3);
  t.White(4, 3);
  t.Link();
  DeduceFlags f;
  ApplyClueSum(t.b, 3, 3, 3, t.Mask(2, 3), f);
  EXPECT_FALSE(f.contradiction);
  EXPECT_TRUE(f.changed);
  EXPECT_EQ(t.b.at(3, 3).sum, 3);
  EXPECT_EQ(t.b.at(3, 3).touched, 2);
  EXPECT_TRUE(t.b.at(2, 3).touchedCell);
  EXPECT_EQ(t.Candidates(2, 3), (std::vector<int>{1, 2}));
  EXPECT_EQ(t.Candidates(4, 3), (std::vector<int>{1, 2}));
  EXPECT_FALSE(t.b.at(2, 3).assigned);

  // Fixing one cell to 1 carries 2 into the other.
  t.Only(2, 3, {1});
  f = {};
  AssignSingle(t.b, 2, 3, f);
  EXPECT_FALSE(f.contradiction);
  EXPECT_TRUE(t.b.at(2, 3).assigned);
  EXPECT_EQ(t.b.at(2, 3).digit, 1);
  EXPECT_TRUE(t.b.at(4, 3).assigned);
  EXPECT_EQ(t.b.at(4, 3).digit, 2);
}

TEST(HexDeduce, AssignedDigitNarrowsTheRestOfTheRun) {
  Board t;
  t.Clue(3, 3);
  for (auto [r, c] : {std::pair{2, 2}, {2, 3}, {2, 4}}) t.White(r, c);
  t.Link();
  DeduceFlags f;
  ApplyClueSum(t.b, 3, 3, 7, t.Mask(3, 7), f);  // {1,2,4}
  EXPECT_EQ(t.Candidates(2, 4), (std::vector<int>{1, 2, 4}));
  t.Only(2, 2, {4});
  AssignSingle(t.b, 2, 2, f);
  EXPECT_FALSE(f.contradiction);
  // Two cells left for 3: only 1 and 2.
  EXPECT_EQ(t.Candidates(2, 3), (std::vector<int>{1, 2}));
  EXPECT_EQ(t.Candidates(2, 4), (std::vector<int>{1, 2}));
}

TEST(HexDeduce, NakedPairLeavesTheOtherCells) {
  Board t;
  t.Clue(3, 3);
  for (auto [r, c] : {std::pair{2, 2}, {2, 3}, {2, 4}, {3, 2}}) t.White(r, c);
  t.Link();
  t.Only(2, 2, {4, 5});
  t.Only(3, 2, {4, 5});
  t.Only(2, 4, {3, 4, 5});
  DeduceFlags f;
  EliminateNakedSubsets(t.b, 3, 3, f);
  EXPECT_FALSE(f.contradiction);
  EXPECT_TRUE(f.changed);
  EXPECT_EQ(t.Candidates(2, 2), (std::vector<int>{4, 5}));
  EXPECT_EQ(t.Candidates(3, 2), (std::vector<int>{4, 5}));
  // (2,4) is left with 3 and is fixed; as a one-cell subset it then takes
  // 3 from the rest of the run too.
  EXPECT_TRUE(t.b.at(2, 4).assigned);
  EXPECT_EQ(t.b.at(2, 4).digit, 3);
  EXPECT_EQ(t.Candidates(2, 3), (std::vector<int>{1, 2, 6, 7, 8, 9}));

  // Nothing to find: no change reported.
  Board u;
  u.Clue(3, 3);
  u.White(2, 3);
  u.White(4, 3);
  u.Link();
  DeduceFlags g;
  EliminateNakedSubsets(u.b, 3, 3, g);
  EXPECT_FALSE(g.changed);
}

TEST(HexDeduce, FeasibilityWithinARun) {
  Board t;
  t.Clue(3, 3);
  t.White(2, 3);
  t.White(4, 3);
  t.Link();
  t.b.at(3, 3).sum = 10;
  t.Only(4, 3, {1, 2});
  DeduceFlags f;
  CheckSumFeasibility(t.b, 2, 3, 3, 3, f);
  EXPECT_FALSE(f.contradiction);
  EXPECT_TRUE(f.changed);
  EXPECT_EQ(t.Candidates(2, 3), (std::vector<int>{8, 9}));

  // Three cells adding to 24, the others holding {7,8} and {8,9}: only 7..9
  // can be completed with distinct digits.
  Board u;
  u.Clue(3, 3);
  for (auto [r, c] : {std::pair{2, 2}, {2, 3}, {2, 4}}) u.White(r, c);
  u.Link();
  u.b.at(3, 3).sum = 24;
  u.Only(2, 3, {7, 8});
  u.Only(2, 4, {8, 9});
  DeduceFlags g;
  CheckSumFeasibility(u.b, 2, 2, 3, 3, g);
  EXPECT_EQ(u.Candidates(2, 2), (std::vector<int>{7, 8, 9}));
  // The last open cell of a run must make up the rest exactly.
  u.Fix(2, 3, 7);
  u.Fix(2, 4, 8);
  CheckSumFeasibility(u.b, 2, 2, 3, 3, g);
  EXPECT_TRUE(u.b.at(2, 2).assigned);
  EXPECT_EQ(u.b.at(2, 2).digit, 9);
}

TEST(HexDeduce, Contradictions) {
  // The same digit twice in one run.
  Board t;
  t.Clue(3, 3);
  t.White(2, 3);
  t.White(4, 3);
  t.Link();
  t.Fix(2, 3, 5);
  t.Only(4, 3, {5});
  DeduceFlags f;
  AssignSingle(t.b, 4, 3, f);
  EXPECT_TRUE(f.contradiction);

  // A full run whose digits fall short of the sum.
  Board u;
  u.Clue(3, 3);
  u.White(2, 3);
  u.White(4, 3);
  u.Link();
  u.b.at(3, 3).sum = 10;
  u.Fix(2, 3, 3);
  u.Only(4, 3, {4});
  DeduceFlags g;
  AssignSingle(u.b, 4, 3, g);
  EXPECT_TRUE(g.contradiction);

  // A cell with no candidate left, and a sum the run's cells cannot reach.
  Board v;
  v.Clue(3, 3);
  v.White(2, 3);
  v.White(4, 3);
  v.Link();
  v.Only(2, 3, {});
  DeduceFlags h;
  AssignSingle(v.b, 2, 3, h);
  EXPECT_TRUE(h.contradiction);
  Board w;
  w.Clue(3, 3);
  w.White(2, 3);
  w.White(4, 3);
  w.Link();
  w.Only(2, 3, {1, 2});
  w.Only(4, 3, {1, 2});
  DeduceFlags k;
  ApplyClueSum(w.b, 3, 3, 17, w.Mask(2, 17), k);
  EXPECT_TRUE(k.contradiction);
}

// Two runs sharing a cell: (2,4) belongs to the clues (3,3) and (2,5).
TEST(HexDeduce, PropagateAcrossRuns) {
  Board t;
  t.Clue(3, 3);
  t.Clue(2, 5);
  t.White(2, 3);
  t.White(2, 4);
  t.White(3, 5);
  t.Link();
  ASSERT_EQ(t.b.at(2, 4).clueCount, 2);
  DeduceFlags f;
  ApplyClueSum(t.b, 3, 3, 3, t.Mask(2, 3), f);   // (2,3), (2,4) in {1,2}
  ApplyClueSum(t.b, 2, 5, 11, t.Mask(2, 11), f);  // (2,4), (3,5) in {2..9}
  ASSERT_FALSE(f.contradiction);
  EXPECT_FALSE(PropagateHex(t.b));
  for (auto [r, c, d] : {std::tuple{2, 3, 1}, {2, 4, 2}, {3, 5, 9}}) {
    EXPECT_TRUE(t.b.at(r, c).assigned) << r << "," << c;
    EXPECT_EQ(t.b.at(r, c).digit, d) << r << "," << c;
  }
  // No digits for a run of two adding to 3 and a run of two adding to 17 through one cell.
  Board u;
  u.Clue(3, 3);
  u.Clue(2, 5);
  u.White(2, 3);
  u.White(2, 4);
  u.White(3, 5);
  u.Link();
  DeduceFlags g;
  ApplyClueSum(u.b, 3, 3, 3, u.Mask(2, 3), g);
  if (!g.contradiction) ApplyClueSum(u.b, 2, 5, 17, u.Mask(2, 17), g);
  EXPECT_TRUE(g.contradiction || PropagateHex(u.b));
}

TEST(HexDeduce, VerifyAndExport) {
  Board t;
  t.Clue(3, 3);
  t.White(2, 3);
  t.White(4, 3);
  t.Link();
  t.b.at(3, 3).sum = 9;
  t.Fix(2, 3, 4);
  t.Fix(4, 3, 5);
  HexGrid grid;
  std::memset(&grid, 0x5a, sizeof grid);
  ASSERT_TRUE(VerifyAndExport(t.b, 9, 9, grid));
  EXPECT_EQ(grid.cells[3][3].kind, kHexClue);
  EXPECT_EQ(grid.cells[3][3].number, 9);
  EXPECT_EQ(grid.cells[3][3].count, 2);
  EXPECT_EQ(grid.cells[2][3].kind, kHexWhite);
  EXPECT_EQ(grid.cells[2][3].number, 4);
  EXPECT_EQ(grid.cells[4][3].number, 5);
  for (const auto& row : grid.cells)
    for (const HexGridCell& c : row) {
      EXPECT_EQ(c.entry, 0);
      EXPECT_EQ(c.textLength, 0);
      EXPECT_EQ(c.check, 0);
      for (auto m : c.marks) EXPECT_EQ(m, 0);
    }
  EXPECT_EQ(grid.cells[13][15].kind, kHexNone);

  // A mismatch exports nothing.
  t.b.at(3, 3).sum = 10;
  HexGrid before;
  std::memset(&before, 0x33, sizeof before);
  HexGrid after = before;
  EXPECT_FALSE(VerifyAndExport(t.b, 9, 9, after));
  EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}

}  // namespace
}  // namespace zorvek::hexkakuro

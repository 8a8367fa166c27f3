#include "core/hexkakuro/geometry.h"

#include <gtest/gtest.h>

#include "checker.h"
#include "core/hexkakuro/layout.h"

namespace zorvek::hexkakuro {
namespace {

std::vector<int> Flagged(const DigitFlags& flags) {
  std::vector<int> digits;
  for (int d = 0; d <= 9; ++d)
    if (flags[d]) digits.push_back(d);
  return digits;
}

TEST(HexLattice, CluesWhitesAndNeighbours) {
  std::vector<int> row1, row2;
  for (int c = 1; c <= 9; ++c) {
    if (IsCluePosition(1, c)) row1.push_back(c);
    if (IsCluePosition(2, c)) row2.push_back(c);
  }
  EXPECT_EQ(row1, (std::vector<int>{3, 7}));
  EXPECT_EQ(row2, (std::vector<int>{1, 5, 9}));

  for (auto [rows, cols, clueTotal, whiteTotal] : {std::tuple{9, 9, 22, 49}, {11, 13, 38, 91}}) {
    int clues = 0, whites = 0;
    for (int r = 1; r <= rows; ++r)
      for (int c = 1; c <= cols; ++c) {
        clues += IsCluePosition(r, c);
        if (!IsWhitePosition(r, c, rows)) continue;
        ++whites;
        int touching = 0;  // every white position lies between exactly two clues
        for (auto [rr, cc] : hexcheck::TouchingCells(r, c))
          touching += rr <= rows && cc <= cols && IsCluePosition(rr, cc);
        EXPECT_EQ(touching, 2) << r << "," << c;
      }
    EXPECT_EQ(clues, clueTotal);
    EXPECT_EQ(whites, whiteTotal);
  }

  // The six directions are the six hexagons that touch, each once.
  for (int r = 1; r <= 11; ++r)
    for (int c = 1; c <= 13; ++c) {
      std::vector<std::pair<int, int>> seen;
      for (int i = 1; i <= 6; ++i) {
        const HexPos p = Neighbour(r, c, i);
        EXPECT_TRUE(hexcheck::Touching(r, c, p.row, p.col)) << r << "," << c << " dir " << i;
        seen.push_back({p.row, p.col});
      }
      std::sort(seen.begin(), seen.end());
      EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
    }
  EXPECT_EQ(Neighbour(4, 3, 1), (HexPos{3, 2}));  // upper left of an odd column: a row up
  EXPECT_EQ(Neighbour(4, 4, 4), (HexPos{5, 5}));  // lower right of an even column: a row down
  for (const HexPos p : AdjacentClues(5, 7)) EXPECT_TRUE(IsCluePosition(p.row, p.col));
}

TEST(HexTables, PossibleDigitsAndCombinations) {
  struct Case {
    int length, sum;
    std::vector<int> digits;
  };
  for (const Case& t : {Case{2, 3, {1, 2}}, {2, 4, {1, 3}}, {2, 10, {1, 2, 3, 4, 6, 7, 8, 9}},
                        {3, 23, {6, 8, 9}}, {6, 38, {3, 5, 6, 7, 8, 9}}, {6, 39, {4, 5, 6, 7, 8, 9}},
                        {1, 7, {7}}, {1, 12, {}}}) {
    DigitFlags f{};
    ASSERT_TRUE(LookupHexPossibleDigits(t.length, t.sum, f));
    EXPECT_EQ(Flagged(f), t.digits) << t.length << "/" << t.sum;
  }
  EXPECT_EQ(Flagged(HexPossibleDigits()[1][0]), (std::vector<int>{0}));
  for (auto [length, sum] : {std::pair{7, 28}, {2, 0}, {3, 40}, {0, 5}}) {
    DigitFlags kept{};
    kept[5] = 1;
    EXPECT_FALSE(LookupHexPossibleDigits(length, sum, kept)) << length << "/" << sum;
    EXPECT_EQ(Flagged(kept), (std::vector<int>{5}));  // untouched on failure
  }

  const HexComboTable& t = HexCombos();
  EXPECT_EQ(t[2][3], "1,2");
  EXPECT_EQ(t[2][10], "1,9/2,8/3,7/4,6");
  EXPECT_EQ(t[3][10], "1,2,7/1,3,6/1,4,5/2,3,5");
  EXPECT_EQ(t[3][23], "6,8,9");
  EXPECT_EQ(t[4][30], "6,7,8,9");
  EXPECT_EQ(t[9][45], "1,2,3,4,5,6,7,8,9");
  EXPECT_EQ(t[2][2] + t[1][5] + t[9][44], "");
}

// Each seed pair forces the cell its runs share: their digits meet in one digit.
TEST(HexTables, SeedPairsShareExactlyOneDigit) {
  const int sizes[9] = {25, 17, 13, 11, 11, 14, 12, 10, 4};
  int t = 0;
  for (int shorter = 2; shorter <= 3; ++shorter)
    for (int longer = shorter; longer <= 6; ++longer, ++t) {
      int size = 0;
      const SeedPair* pairs = SeedTable(shorter, longer, size);
      ASSERT_NE(pairs, nullptr);
      EXPECT_EQ(size, sizes[t]);
      for (int i = 0; i < size; ++i) {
        DigitFlags a{}, b{};
        ASSERT_TRUE(LookupHexPossibleDigits(shorter, pairs[i].shorterSum, a));
        ASSERT_TRUE(LookupHexPossibleDigits(longer, pairs[i].longerSum, b));
        int common = 0;
        for (int d = 1; d <= 9; ++d) common += a[d] && b[d];
        EXPECT_EQ(common, 1) << pairs[i].shorterSum << "/" << pairs[i].longerSum;
      }
    }
  int size = 0;
  EXPECT_EQ(SeedTable(4, 4, size), nullptr);
}

TEST(HexScreen, UnitsAndCellGeometry) {
  HexUnits a = HexLayoutUnits(1000, 700, 200, 50, 9, 9);  // hh = 35 < w sin 60 (w = 55)
  EXPECT_EQ(a.h, 35);
  EXPECT_EQ(a.u, 20);
  HexUnits b = HexLayoutUnits(1000, 2000, 200, 50, 9, 9);  // width-bound: h = 55 sin 60
  EXPECT_EQ(b.h, 48);
  EXPECT_EQ(b.u, 27);
  HexUnits c = HexLayoutUnits(1000, 700, 200, 50, 5, 3);  // sizes below 9 count as 9
  EXPECT_EQ(c.h * 100 + c.u, a.h * 100 + a.u);
  EXPECT_EQ(HexPaintBoxSize(a, 9, 9).width, 2 * 20 * 14 + 5);

  EXPECT_EQ(CellGeometry(a, 2, 3).origin, (HexPoint{120, 70}));
  const HexCellGeometry even = CellGeometry(a, 2, 4);
  EXPECT_EQ(even.origin, (HexPoint{180, 105}));
  const std::array<HexPoint, 6> v = {HexPoint{200, 105}, {240, 105}, {260, 140},
                                     {240, 175},         {200, 175}, {180, 140}};
  EXPECT_EQ(even.vertices, v);
  EXPECT_EQ(even.textLeft, 180 + 1 + 20 - 13);  // m = round(35 / (tan 60 * 1.5)) = 13
  EXPECT_EQ(even.textRight, 180 - 1 + 60 + 13);
}

TEST(HexScreen, HitTest) {
  const HexUnits units{10, 17};
  const HexPos none{-1, -1};
  struct Click {
    int x, y;
    HexPos cell;
  };
  // Odd column 3, row 3 (x0 = 60, y0 = 68); even column 4, row 3 (x0 = 90, y0 = 85);
  // last column 9 (x0 = 240, right vertex at 280).
  for (const Click& k : {Click{80, 85, {3, 3}}, {97, 71, {2, 4}},  // past the upper-right edge
                         {97, 100, {3, 4}},                        // past the lower-right edge
                         {110, 100, {3, 4}}, {127, 88, {3, 5}}, {127, 117, {4, 5}},
                         {260, 85, {3, 9}}, {278, 70, none}, {278, 100, none}, {281, 85, none},
                         {5, 40, none},     // column 0
                         {110, 5, none},    // row 0 of an even column
                         {97, -30, none}}) {  // a drag above the box
    HexPos p = none;
    HitTest(units, 9, 9, k.x, k.y, [](int, int) { return kHexWhite; }, p);
    EXPECT_EQ(p, k.cell) << k.x << "," << k.y;
  }
  HexPos p;
  EXPECT_FALSE(HitTest(units, 9, 9, 80, 85, [](int, int) { return kHexNone; }, p));
  // Every hexagon's centre finds its own cell.
  for (auto [rows, cols] : {std::pair{9, 9}, {11, 13}})
    for (int r = 1; r <= rows; ++r)
      for (int c = 1; c <= cols; ++c) {
        const HexCellGeometry g = CellGeometry(units, r, c);
        ASSERT_TRUE(HitTestPosition(units, rows, cols, g.origin.x + 20, g.origin.y + 17, p));
        EXPECT_EQ(p, (HexPos{r, c}));
      }
}

}  // namespace
}  // namespace zorvek::hexkakuro

#include "hexkakuro/geometry.h"

#include <gtest/gtest.h>

#include <bit>

#include "checker.h"
#include "hexkakuro/layout.h"

namespace zorvek::hexkakuro {
namespace {

std::vector<int> Flagged(const DigitFlags& flags) {
  std::vector<int> digits;
  for (int d = 0; d <= 9; ++d)
    if (flags[d]) digits.push_back(d);
  return digits;
}

TEST(HexLattice, SmallSizeRowsOneAndTwo) {
  std::vector<int> row1, row2;
  for (int c = 1; c <= 9; ++c) {
    if (IsCluePosition(1, c)) row1.push_back(c);
    if (IsCluePosition(2, c)) row2.push_back(c);
  }
  EXPECT_EQ(row1, (std::vector<int>{3, 7}));
  EXPECT_EQ(row2, (std::vector<int>{1, 5, 9}));
}

TEST(HexLattice, FullPatternsAndTheirRuns) {
  struct Size {
    int rows, cols, clues, whites;
  };
  for (const Size s : {Size{9, 9, 22, 49}, Size{11, 13, 38, 91}}) {
    int clues = 0, whites = 0;
    for (int r = 1; r <= s.rows; ++r) {
      for (int c = 1; c <= s.cols; ++c) {
        clues += IsCluePosition(r, c);
        if (!IsWhitePosition(r, c, s.rows)) continue;
        ++whites;
        EXPECT_FALSE(IsCluePosition(r, c));
        // Every white position belongs to exactly two clues.
        int touching = 0;
        for (auto [rr, cc] : hexcheck::TouchingCells(r, c, s.rows + 1, s.cols + 1))
          touching += rr >= 1 && rr <= s.rows && cc >= 1 && cc <= s.cols && IsCluePosition(rr, cc);
        EXPECT_EQ(touching, 2) << r << "," << c;
      }
    }
    EXPECT_EQ(clues, s.clues);
    EXPECT_EQ(whites, s.whites);
    EXPECT_FALSE(IsWhitePosition(1, 5, s.rows));      // row 1, c mod 4 = 1
    EXPECT_FALSE(IsWhitePosition(s.rows, 2, s.rows));  // bottom row takes no digits
  }
}

TEST(HexLattice, NeighboursMatchTheHexagonsThatTouch) {
  for (int r = 1; r <= 11; ++r) {
    for (int c = 1; c <= 13; ++c) {
      std::vector<std::pair<int, int>> table;
      for (int i = 1; i <= 6; ++i) {
        const HexPos p = Neighbour(r, c, i);
        EXPECT_TRUE(hexcheck::Touching(r, c, p.row, p.col)) << r << "," << c << " dir " << i;
        table.push_back({p.row, p.col});
      }
      std::sort(table.begin(), table.end());
      EXPECT_EQ(std::unique(table.begin(), table.end()), table.end());
      EXPECT_EQ(table.size(), 6u);
    }
  }
  // Directions: 2 is straight up, 5 straight down; 1 and 3 lie above 6 and 4.
  EXPECT_EQ(Neighbour(4, 3, 1), (HexPos{3, 2}));
  EXPECT_EQ(Neighbour(4, 4, 1), (HexPos{4, 3}));
  EXPECT_EQ(Neighbour(4, 4, 4), (HexPos{5, 5}));
  EXPECT_EQ(Neighbour(4, 3, 4), (HexPos{4, 4}));
  // Adjacent clues of a clue are clue positions themselves.
  for (const HexPos p : AdjacentClues(5, 7)) EXPECT_TRUE(IsCluePosition(p.row, p.col));
}

TEST(HexTables, PossibleDigits) {
  DigitFlags f{};
  ASSERT_TRUE(LookupHexPossibleDigits(2, 3, f));
  EXPECT_EQ(Flagged(f), (std::vector<int>{1, 2}));
  ASSERT_TRUE(LookupHexPossibleDigits(2, 4, f));
  EXPECT_EQ(Flagged(f), (std::vector<int>{1, 3}));
  ASSERT_TRUE(LookupHexPossibleDigits(2, 10, f));
  EXPECT_EQ(Flagged(f), (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9}));
  ASSERT_TRUE(LookupHexPossibleDigits(3, 23, f));
  EXPECT_EQ(Flagged(f), (std::vector<int>{6, 8, 9}));
  ASSERT_TRUE(LookupHexPossibleDigits(6, 38, f));
  EXPECT_EQ(Flagged(f), (std::vector<int>{3, 5, 6, 7, 8, 9}));
  ASSERT_TRUE(LookupHexPossibleDigits(6, 39, f));
  EXPECT_EQ(Flagged(f), (std::vector<int>{4, 5, 6, 7, 8, 9}));
  ASSERT_TRUE(LookupHexPossibleDigits(1, 7, f));
  EXPECT_EQ(Flagged(f), (std::vector<int>{7}));
  ASSERT_TRUE(LookupHexPossibleDigits(1, 12, f));
  EXPECT_TRUE(Flagged(f).empty());
  EXPECT_EQ(Flagged(HexPossibleDigits()[1][0]), (std::vector<int>{0}));

  // Failures leave the flags as they were.
  DigitFlags kept{};
  kept[5] = 1;
  for (auto [length, sum] : {std::pair{7, 28}, {2, 0}, {3, 40}, {0, 5}, {6, -1}}) {
    DigitFlags g = kept;
    EXPECT_FALSE(LookupHexPossibleDigits(length, sum, g)) << length << "/" << sum;
    EXPECT_EQ(g, kept);
  }
}

TEST(HexTables, CombinationTexts) {
  const HexComboTable& t = HexCombos();
  EXPECT_EQ(t[2][3], "1,2");
  EXPECT_EQ(t[2][10], "1,9/2,8/3,7/4,6");
  EXPECT_EQ(t[3][23], "6,8,9");
  EXPECT_EQ(t[9][45], "1,2,3,4,5,6,7,8,9");
  EXPECT_EQ(t[4][30], "6,7,8,9");
  EXPECT_EQ(t[3][10], "1,2,7/1,3,6/1,4,5/2,3,5");
  EXPECT_EQ(t[2][2], "");
  EXPECT_EQ(t[1][5], "");
  EXPECT_EQ(t[9][44], "");
}

// Each seed pair forces the shared cell: the two runs' possible digits meet in one digit.
TEST(HexTables, SeedPairsShareExactlyOneDigit) {
  const int sizes[9] = {25, 17, 13, 11, 11, 14, 12, 10, 4};
  int t = 0;
  for (int shorter = 2; shorter <= 3; ++shorter) {
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
        EXPECT_EQ(common, 1) << shorter << "," << longer << ": " << pairs[i].shorterSum << "/"
                             << pairs[i].longerSum;
      }
    }
  }
  int size = 0;
  EXPECT_EQ(SeedTable(4, 4, size), nullptr);
  EXPECT_EQ(SeedTable(1, 2, size), nullptr);
}

TEST(HexScreen, UnitsFromTheClientArea) {
  // Height-bound: h from the rows, u from h.
  HexUnits a = HexLayoutUnits(1000, 700, 200, 50, 9, 9);
  EXPECT_EQ(a.h, 35);  // (700 - 50 - 20) div 18
  EXPECT_EQ(a.u, 20);  // 35 / (2 sin 60) = 20.2
  // Width-bound: w = (1000 - 200 - 20) div 14 = 55.
  HexUnits b = HexLayoutUnits(1000, 2000, 200, 50, 9, 9);
  EXPECT_EQ(b.h, 48);  // 55 sin 60 = 47.6
  EXPECT_EQ(b.u, 27);
  // Sizes below 9 count as 9.
  HexUnits c = HexLayoutUnits(1000, 700, 200, 50, 5, 3);
  EXPECT_EQ(c.h, a.h);
  EXPECT_EQ(c.u, a.u);
  EXPECT_EQ(HexPaintBoxSize(a, 9, 9).width, 2 * 20 * 14 + 5);
  EXPECT_EQ(HexPaintBoxSize(a, 9, 9).height, 2 * 35 * 9 + 5);
}

TEST(HexScreen, CellGeometry) {
  const HexUnits units{20, 35};
  const HexCellGeometry odd = CellGeometry(units, 2, 3);
  EXPECT_EQ(odd.origin, (HexPoint{120, 70}));
  const HexCellGeometry even = CellGeometry(units, 2, 4);
  EXPECT_EQ(even.origin, (HexPoint{180, 105}));
  const std::array<HexPoint, 6> v = {HexPoint{200, 105}, {240, 105}, {260, 140},
                                     {240, 175},         {200, 175}, {180, 140}};
  EXPECT_EQ(even.vertices, v);
  // m = round(35 / (tan 60 * 1.5)) = 13
  EXPECT_EQ(even.textLeft, 180 + 1 + 20 - 13);
  EXPECT_EQ(even.textRight, 180 - 1 + 60 + 13);
}

TEST(HexScreen, HitTestSlantedEdges) {
  const HexUnits units{10, 17};
  auto all = [](int, int) { return kHexWhite; };
  auto hit = [&](int x, int y, int cols = 9) {
    HexPos p{-9, -9};
    if (!HitTest(units, 9, cols, x, y, all, p)) return HexPos{-1, -1};
    return p;
  };
  // Odd column 3, row 3: x0 = 60, y0 = 68. Inside, then just past the
  // upper-right edge (one row up) and the lower-right edge (same row).
  EXPECT_EQ(hit(80, 85), (HexPos{3, 3}));
  EXPECT_EQ(hit(97, 71), (HexPos{2, 4}));
  EXPECT_EQ(hit(97, 100), (HexPos{3, 4}));
  // Even column 4, row 3: x0 = 90, y0 = 85. Past the upper-right edge stays
  // in the row; past the lower-right edge goes one row down.
  EXPECT_EQ(hit(110, 100), (HexPos{3, 4}));
  EXPECT_EQ(hit(127, 88), (HexPos{3, 5}));
  EXPECT_EQ(hit(127, 117), (HexPos{4, 5}));
  // Last column (9, odd, x0 = 240): beyond either slanted edge or right of it.
  EXPECT_EQ(hit(260, 85), (HexPos{3, 9}));
  EXPECT_EQ(hit(278, 70), (HexPos{-1, -1}));
  EXPECT_EQ(hit(278, 100), (HexPos{-1, -1}));
  EXPECT_EQ(hit(281, 85), (HexPos{-1, -1}));
  // Frame row and column, and a pointer dragged above the box.
  EXPECT_EQ(hit(5, 40), (HexPos{-1, -1}));
  EXPECT_EQ(hit(80, 5), (HexPos{1, 3}));
  EXPECT_EQ(hit(110, 5), (HexPos{-1, -1}));  // row 0 of an even column
  EXPECT_EQ(hit(97, -30), (HexPos{-1, -1}));
  // Cells of kind 0 take no clicks.
  HexPos p;
  EXPECT_FALSE(HitTest(units, 9, 9, 80, 85, [](int, int) { return kHexNone; }, p));
}

// Every hexagon centre hits its own cell, for both sizes and unit choices.
TEST(HexScreen, HitTestFindsEveryCentre) {
  for (const HexUnits units : {HexUnits{10, 17}, HexUnits{21, 36}}) {
    for (auto [rows, cols] : {std::pair{9, 9}, {11, 13}}) {
      for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c) {
          const HexCellGeometry g = CellGeometry(units, r, c);
          HexPos p;
          ASSERT_TRUE(HitTestPosition(units, rows, cols, g.origin.x + 2 * units.u,
                                      g.origin.y + units.h, p));
          EXPECT_EQ(p, (HexPos{r, c}));
        }
    }
  }
}

}  // namespace
}  // namespace zorvek::hexkakuro

#include "core/hexkakuro/geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "core/hexkakuro/layout.h"
#include "support/brute.h"

namespace zorvek::hexkakuro {
namespace {

std::vector<int> Flagged(const DigitFlags& flags) {
  std::vector<int> digits;
  for (int d = 0; d <= 9; ++d)
    if (flags[d]) digits.push_back(d);
  return digits;
}

TEST(HexLattice, CluesWhitesAndNeighbours) {
  for (auto [rows, cols, clueTotal, whiteTotal] : {std::tuple{9, 9, 22, 49}, {11, 13, 38, 91}}) {
    int clues = 0, whites = 0;
    for (int r = 1; r <= rows; ++r)
      for (int c = 1; c <= cols; ++c) {
        clues += IsCluePosition(r, c);
        if (!IsWhitePosition(r, c, rows)) continue;
        ++whites;
        int touching = 0;  // every white position lies between exactly two clues
        for (int rr = r - 1; rr <= r + 1; ++rr)
          for (int cc = c - 1; cc <= c + 1; ++cc)
            touching += rr <= rows && cc <= cols && IsCluePosition(rr, cc) && testing::HexTouching(r, c, rr, cc);
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
        EXPECT_TRUE(testing::HexTouching(r, c, p.row, p.col)) << r << "," << c << " dir " << i;
        seen.push_back({p.row, p.col});
      }
      std::sort(seen.begin(), seen.end());
      EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
    }
  EXPECT_EQ(Neighbour(4, 3, 1), (HexPos{3, 2}));  // upper left of an odd column: a row up
  for (const HexPos p : AdjacentClues(5, 7)) EXPECT_TRUE(IsCluePosition(p.row, p.col));
}

TEST(HexTables, PossibleDigitsCombinationsAndSeedPairs) {
  struct Case {
    int length, sum;
    std::vector<int> digits;
  };
  for (const Case& t : {Case{2, 4, {1, 3}}, {2, 10, {1, 2, 3, 4, 6, 7, 8, 9}}, {3, 23, {6, 8, 9}},
                        {6, 38, {3, 5, 6, 7, 8, 9}}, {1, 7, {7}}, {1, 12, {}}}) {
    DigitFlags f{};
    ASSERT_TRUE(LookupHexPossibleDigits(t.length, t.sum, f));
    EXPECT_EQ(Flagged(f), t.digits) << t.length << "/" << t.sum;
  }
  for (auto [length, sum] : {std::pair{7, 28}, {2, 0}, {3, 40}, {0, 5}}) {
    DigitFlags kept{};
    kept[5] = 1;
    EXPECT_FALSE(LookupHexPossibleDigits(length, sum, kept)) << length << "/" << sum;
    EXPECT_EQ(Flagged(kept), (std::vector<int>{5}));  // untouched on failure
  }
  // Each seed pair forces the cell its runs share: their digits meet in one.
  int size = 0;
  for (int shorter = 2; shorter <= 3; ++shorter)
    for (int longer = shorter; longer <= 6; ++longer) {
      const SeedPair* pairs = SeedTable(shorter, longer, size);
      ASSERT_TRUE(pairs && size > 0);
      for (int i = 0; i < size; ++i) {
        DigitFlags a{}, b{};
        ASSERT_TRUE(LookupHexPossibleDigits(shorter, pairs[i].shorterSum, a));
        ASSERT_TRUE(LookupHexPossibleDigits(longer, pairs[i].longerSum, b));
        int common = 0;
        for (int d = 1; d <= 9; ++d) common += a[d] && b[d];
        EXPECT_EQ(common, 1) << pairs[i].shorterSum << "/" << pairs[i].longerSum;
      }
    }
  EXPECT_EQ(SeedTable(4, 4, size), nullptr);
}

}  // namespace
}  // namespace zorvek::hexkakuro

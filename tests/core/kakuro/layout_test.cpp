#include <gtest/gtest.h>

#include <algorithm>

#include "core/common/types.h"
#include "core/kakuro/generator.h"
#include "core/kakuro/layout.h"

namespace zorvek::kakuro {
namespace {

constexpr int kSizes[][2] = {{7, 7}, {7, 9}, {9, 9}, {9, 11}, {11, 13}};

// Entry k: the tallest solid white block k cells wide, by difficulty, before
// and from layout attempt 300; entry 1 is the longest run.
constexpr int kShapeLimits[3][2][10] = {
    {{0, 4, 2, 1, 1, 0, 0, 0, 0, 0}, {0, 4, 2, 1, 1, 0, 0, 0, 0, 0}},
    {{0, 6, 4, 2, 2, 1, 1, 0, 0, 0}, {0, 9, 3, 2, 1, 1, 1, 1, 1, 1}},
    {{0, 7, 5, 3, 2, 2, 1, 1, 0, 0}, {0, 9, 5, 3, 2, 2, 1, 1, 1, 1}},
};

int RunLengthFrom(const KakWorkGrid& g, int r, int c, int dr, int dc) {
  int n = 0;
  while (g.cells[r + n * dr][c + n * dc].colour == kWhite) ++n;
  return n;
}

// Every finished layout, for every size and difficulty: runs of 2 up to the
// run limit both ways, white blocks within the shape limits, white cells in
// row 1 and column 1, the clue frame black, and a half turn from 9 rows on.
TEST(KakuroLayout, LayoutsKeepTheirRulesOverManySeeds) {
  for (const auto& size : kSizes)
    for (int difficulty = kEasy; difficulty <= kHard; ++difficulty)
      for (int seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(testing::Message() << size[0] << "x" << size[1] << " difficulty "
                                        << difficulty << " seed " << seed);
        const KakHeader header = MakeKakHeader(difficulty, size[0], size[1]);
        Random random(seed);
        KakLayout layout(header, random);
        KakWorkGrid g;
        const int attempts = layout.GenerateLayout(g);
        ASSERT_GE(attempts, 1);
        const int rows = header.rows, cols = header.cols;
        const int* limits = kShapeLimits[difficulty][attempts >= 300 ? 1 : 0];
        const int limit = limits[1];
        bool rowOne = false, colOne = false;
        for (int r = 0; r < kWorkRows; ++r)
          for (int c = 0; c < kWorkCols; ++c) {
            const KakWorkCell& cell = g.cells[r][c];
            const bool inside = r >= 1 && r <= rows && c >= 1 && c <= cols;
            if (!inside) {
              ASSERT_EQ(cell.colour, kBlack) << r << "," << c;
              continue;
            }
            ASSERT_TRUE(cell.colour == kBlack || cell.colour == kWhite);
            if (cell.colour != kWhite) continue;
            rowOne |= r == 1;
            colOne |= c == 1;
            if (header.symmetric) {
              ASSERT_EQ(g.cells[rows + 1 - r][cols + 1 - c].colour, kWhite) << r << "," << c;
            }
            // Runs, measured from their first cell.
            if (g.cells[r][c - 1].colour == kBlack) {
              const int n = RunLengthFrom(g, r, c, 0, 1);
              EXPECT_GE(n, 2) << r << "," << c;
              EXPECT_LE(n, limit) << r << "," << c;
            }
            if (g.cells[r - 1][c].colour == kBlack) {
              const int n = RunLengthFrom(g, r, c, 1, 0);
              EXPECT_GE(n, 2) << r << "," << c;
              EXPECT_LE(n, limit) << r << "," << c;
            }
            // A white block k wide and m high starting here needs m <= limit k.
            int height = RunLengthFrom(g, r, c, 1, 0);
            for (int k = 1; g.cells[r][c + k - 1].colour == kWhite; ++k) {
              height = std::min(height, RunLengthFrom(g, r, c + k - 1, 1, 0));
              EXPECT_LE(height, limits[k]) << "block at " << r << "," << c << " width " << k;
            }
          }
        EXPECT_TRUE(rowOne);
        EXPECT_TRUE(colOne);
        // Seven-row layouts are free; the symmetric flag follows the rows.
        EXPECT_EQ(header.symmetric != 0, rows >= 9);
      }
}

class FinalCheck : public ::testing::Test {
 protected:
  // A 7 x 7 board, all white inside the frame.
  FinalCheck() : random(1), layout(MakeKakHeader(kHard, 7, 7), random) {
    layout.InitLayout();
    for (int r = 1; r <= 7; ++r)
      for (int c = 1; c <= 7; ++c) layout.grid.cells[r][c].colour = kWhite;
  }
  void Black(int r, int c) { layout.grid.cells[r][c].colour = kBlack; }

  Random random;
  KakLayout layout;
};

TEST_F(FinalCheck, AcceptsAnOpenBoard) { EXPECT_EQ(layout.FinalLayoutCheck(), 0); }

TEST_F(FinalCheck, EmptyEdgeLineIsCodeTwo) {
  for (int r = 1; r <= 7; ++r) Black(r, 1);
  EXPECT_EQ(layout.FinalLayoutCheck(), 2);
}

TEST_F(FinalCheck, BlackWallAcrossTheBoardIsCodeOne) {
  for (int c = 1; c <= 7; ++c) Black(4, c);
  EXPECT_EQ(layout.FinalLayoutCheck(), 1);
}

TEST_F(FinalCheck, OneCellRunOrUndecidedCellIsCodeOne) {
  Black(1, 2);  // leaves (1,1) alone in its across run
  EXPECT_EQ(layout.FinalLayoutCheck(), 1);
  Black(1, 1);
  EXPECT_EQ(layout.FinalLayoutCheck(), 0);
  layout.grid.cells[5][5].colour = kUndecided;
  EXPECT_EQ(layout.FinalLayoutCheck(), 1);
}

// A white cell next to a corner, walled in on both inner sides, is refused
// although every run is fine; with only the side wall it is accepted.
TEST_F(FinalCheck, WalledInCornerCellIsCodeOne) {
  for (int r = 1; r <= 3; ++r) Black(r, 3);
  EXPECT_EQ(layout.FinalLayoutCheck(), 0);
  Black(3, 1);
  Black(3, 2);
  EXPECT_EQ(layout.FinalLayoutCheck(), 1);
}

TEST_F(FinalCheck, LoneBlackCellsInsideWhiteAreAllowed) {
  Black(3, 3);
  Black(5, 5);
  EXPECT_EQ(layout.FinalLayoutCheck(), 0);
}

}  // namespace
}  // namespace zorvek::kakuro

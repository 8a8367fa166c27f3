#include "core/kakuro/layout.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/common/types.h"
#include "core/kakuro/generator.h"

namespace zorvek::kakuro {
namespace {

int RunFrom(const KakWorkGrid& g, int r, int c, int dr, int dc) {
  int n = 0;
  while (g.cells[r + n * dr][c + n * dc].colour == kWhite) ++n;
  return n;
}

// Every finished layout: the frame black, runs of 2 up to the run limit,
// solid white blocks within the shape limits, white cells in row 1 and
// column 1, and a half turn from 9 rows on.
TEST(KakuroLayout, LayoutsKeepTheirRulesOverManySeeds) {
  constexpr int kSizes[][2] = {{7, 7}, {7, 9}, {9, 9}, {9, 11}, {11, 13}};
  for (const auto& size : kSizes)
    for (int difficulty = kEasy; difficulty <= kHard; ++difficulty)
      for (int seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(::testing::Message() << size[0] << "x" << size[1] << " level " << difficulty << " seed " << seed);
        const KakHeader h = MakeKakHeader(difficulty, size[0], size[1]);
        Random random(seed);
        KakWorkGrid g;
        int limits[10];
        ShapeLimits(difficulty, GenerateLayout(h, g, random), limits);
        bool rowOne = false, colOne = false;
        for (int r = 0; r < kWorkRows; ++r)
          for (int c = 0; c < kWorkCols; ++c) {
            const int colour = g.cells[r][c].colour;
            if (r < 1 || r > h.rows || c < 1 || c > h.cols || colour != kWhite) {
              ASSERT_EQ(colour, kBlack) << r << "," << c;
              continue;
            }
            rowOne |= r == 1;
            colOne |= c == 1;
            if (h.symmetric) {
              ASSERT_EQ(g.cells[h.rows + 1 - r][h.cols + 1 - c].colour, kWhite);
            }
            for (auto [dr, dc] : {std::pair{0, 1}, {1, 0}})
              if (g.cells[r - dr][c - dc].colour == kBlack) {
                EXPECT_GE(RunFrom(g, r, c, dr, dc), 2) << r << "," << c;
                EXPECT_LE(RunFrom(g, r, c, dr, dc), limits[1]) << r << "," << c;
              }
            // A solid white block k wide starting here is at most limits[k] high.
            int height = RunFrom(g, r, c, 1, 0);
            for (int k = 1; g.cells[r][c + k - 1].colour == kWhite; ++k) {
              height = std::min(height, RunFrom(g, r, c + k - 1, 1, 0));
              EXPECT_LE(height, limits[k]) << "block at " << r << "," << c << " width " << k;
            }
          }
        EXPECT_TRUE(rowOne && colOne);
      }
}

// The final check on a 7 x 7 board, all white inside the frame but for the
// listed cells: 0 passes, 1 a bad shape or run, 2 an empty edge line.
TEST(KakuroLayout, FinalCheckCodes) {
  struct Case {
    std::vector<std::pair<int, int>> black;
    int code;
    bool undecided = false;  // (5,5) left undecided
  };
  const Case cases[] = {
      {{}, 0},
      {{{3, 3}, {5, 5}}, 0},                          // lone black cells inside white
      {{{1, 2}}, 1},                                  // leaves (1,1) a one-cell run
      {{{1, 2}, {1, 1}}, 0},
      {{{1, 3}, {2, 3}, {3, 3}}, 0},                  // a side wall by a corner
      {{{1, 3}, {2, 3}, {3, 3}, {3, 1}, {3, 2}}, 1},  // the corner cells walled in
      {{{4, 1}, {4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6}, {4, 7}}, 1},  // a wall across
      {{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}}, 2},  // column 1 empty
      {{}, 1, true},
  };
  for (const auto& [black, code, undecided] : cases) {
    Random random(1);
    KakLayout layout(MakeKakHeader(kHard, 7, 7), random);
    layout.InitLayout();
    for (int r = 1; r <= 7; ++r)
      for (int c = 1; c <= 7; ++c) layout.grid.cells[r][c].colour = kWhite;
    for (auto [r, c] : black) layout.grid.cells[r][c].colour = kBlack;
    if (undecided) layout.grid.cells[5][5].colour = kUndecided;
    EXPECT_EQ(layout.FinalLayoutCheck(), code) << ::testing::PrintToString(black);
  }
}

}  // namespace
}  // namespace zorvek::kakuro

#include <gtest/gtest.h>

#include "core/common/random.h"
#include "core/common/types.h"
#include "core/hexkakuro/generator.h"
#include "core/play/play.h"
#include "core/hexkakuro/play.h"
#include "support/capped.h"

namespace zorvek::hexkakuro {
namespace {

// A clue of 3 at (1, 3) whose run is (1, 2) and (1, 4); (2, 3) is removed.
struct SmallClue {
  HexHeader settings{kEasy, {}, 9, 9, 0, kTimerRunning, {}};
  HexGrid grid{};
  SmallClue(int sum = 3) {
    grid.cells[1][3].kind = kHexClue;
    grid.cells[1][3].number = sum;
    grid.cells[1][3].count = 2;
    for (int c : {2, 4}) {
      grid.cells[1][c].kind = kHexWhite;
      grid.cells[1][c].number = c / 2;
    }
    grid.cells[2][3].kind = kHexRemoved;
  }
  std::string Marks(int r, int c) const {
    std::string s;
    for (int d = 1; d <= 9; ++d)
      if (grid.cells[r][c].marks[d - 1]) s += static_cast<char>('0' + d);
    return s;
  }
};

TEST(HexClueClick, LaterClicksNeverAddBackATakenMark) {
  SmallClue f;
  NarrowClueMarks(f.settings, f.grid, 1, 3);
  EXPECT_EQ(f.Marks(2, 3), "");  // removed cells take nothing
  f.grid.cells[1][2].marks[0] = 0;
  EXPECT_FALSE(NarrowClueMarks(f.settings, f.grid, 1, 3));
  EXPECT_EQ(f.Marks(1, 2), "2");
  EXPECT_EQ(f.Marks(1, 4), "12");
}

TEST(HexClueClick, CombinationsStayAliveOnlyWithEveryEnteredDigit) {
  SmallClue f(10);
  ClueCombinations list = CombinationsOfClue(f.settings, f.grid, 1, 3);
  EXPECT_EQ(list.Title(), "10 in 2");
  EXPECT_EQ(list.list.entries, (std::vector<std::string>{"1,9", "2,8", "3,7", "4,6"}));
  EXPECT_EQ(list.list.alive, (std::vector<bool>{true, true, true, true}));
  f.grid.cells[1][4].entry = 7;
  list = CombinationsOfClue(f.settings, f.grid, 1, 3);
  EXPECT_EQ(list.list.alive, (std::vector<bool>{false, false, true, false}));
  NarrowClueMarks(f.settings, f.grid, 1, 3);
  EXPECT_EQ(f.Marks(1, 2), "3");
  // A white cell or a position outside the grid has no combinations.
  EXPECT_EQ(CombinationsOfClue(f.settings, f.grid, 1, 2).length, 0);
  EXPECT_EQ(CombinationsOfClue(f.settings, f.grid, 12, 3).length, 0);
}

TEST(HexClueClick, EveryWhiteCellFindsItsTwoClues) {
  Random random(41);
  HexHeader settings{};
  HexGrid grid{};
  ASSERT_TRUE(testing::HexKakuroWithinCap(random, kEasy, 9, 9));
  CreateStartupHexKakuro(random, settings, grid);
  int whites = 0;
  for (int r = 1; r <= settings.rows; ++r)
    for (int c = 1; c <= settings.cols; ++c) {
      if (grid.cells[r][c].kind != kHexWhite) continue;
      ++whites;
      HexPos first, second;
      CluesOfCell(settings, grid, r, c, first, second);
      for (const HexPos& p : {first, second}) {
        ASSERT_TRUE(IsClueCell(settings, grid, p.row, p.col)) << r << "," << c;
        bool touches = false;
        for (int i = 1; i <= 6; ++i) touches = touches || Neighbour(r, c, i) == p;
        EXPECT_TRUE(touches) << r << "," << c;
      }
      // The first is above (odd column) or left (even column) of the second.
      if (c % 2 != 0)
        EXPECT_LT(first.row, second.row);
      else
        EXPECT_LT(first.col, second.col);
    }
  EXPECT_GT(whites, 10);
}

// The shared adapter test plays a 9 x 9 puzzle; the last cell of the large
// grid and a removed cell are checked here.
TEST(HexPlay, TheLargeGridIsCoveredByUndo) {
  HexHeader settings{kHard, {}, 11, 13, 0, kTimerRunning, {}};
  HexGrid grid{};
  grid.cells[10][13].kind = kHexWhite;
  grid.cells[10][13].number = 4;
  grid.cells[3][2].kind = kHexRemoved;
  std::uint8_t mode = kModeMouse;
  HexKakuroPlayAdapter adapter(settings, grid);
  PlayModel model(adapter, mode);
  model.InstallPuzzle();
  EXPECT_FALSE(adapter.IsCell(3, 2));
  model.MouseClick(10, 13, 5, /*right=*/true);
  model.MouseClick(10, 13, 3, /*right=*/false);
  EXPECT_EQ(grid.cells[10][13].entry, 3);
  model.Undo();
  EXPECT_EQ(grid.cells[10][13].entry, 0);
  EXPECT_EQ(grid.cells[10][13].marks[4], 1);
}

}  // namespace
}  // namespace zorvek::hexkakuro

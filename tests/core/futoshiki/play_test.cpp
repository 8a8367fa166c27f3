#include <gtest/gtest.h>

#include <string>

#include "core/common/types.h"
#include "core/futoshiki/play.h"

namespace zorvek {
namespace {

using futoshiki::FutGrid;
using futoshiki::FutGridCell;
using futoshiki::FutHeader;

// A Latin square of size n with no givens yet.
struct Board {
  FutHeader header{};
  FutGrid grid{};
  explicit Board(int n) {
    header.size = n;
    header.difficulty = kMedium;
    header.playState = kTimerRunning;
    for (int r = 0; r < n; ++r)
      for (int c = 0; c < n; ++c) grid.cells[r][c].solution = (r + c) % n + 1;
  }
  FutGridCell& at(int r, int c) { return grid.cells[r][c]; }
  std::string Marks(int r, int c) {
    std::string s;
    for (int d = 1; d <= 9; ++d)
      if (at(r, c).marks[d - 1]) s += char('0' + d);
    return s;
  }
  void Text(int r, int c, const std::string& t) {
    futoshiki::FutoshikiPlayAdapter a(header, grid);
    a.SetText(r, c, t);
  }
  std::string Text(int r, int c) { return futoshiki::FutoshikiPlayAdapter(header, grid).Text(r, c); }
};

TEST(FutoshikiSignClick, NarrowsOpenCellsByTheKnownSide) {
  // An open cell beside an entry is driven through the window's strip
  // clicks; here marks already there, and two open cells.
  Board b(7);
  // Upper (2,2) < lower (3,2), lower a given 5: the upper keeps its marks below 5.
  b.at(2, 2).signDown = 2;
  b.at(3, 2).given = 1;
  b.at(3, 2).solution = 5;
  b.at(3, 2).entry = 5;
  b.at(2, 2).marks[0] = b.at(2, 2).marks[5] = b.at(2, 2).marks[3] = 1;  // 1, 4, 6
  ASSERT_TRUE(futoshiki::SignClick(b.header, b.grid, 2, 2, true, false));
  EXPECT_EQ(b.Marks(2, 2), "14");
  EXPECT_EQ(b.Marks(3, 2), "");

  // Two open cells: both bounds are read before either changes.
  b.at(4, 4).signRight = 2;  // (4,4) < (4,5)
  b.at(4, 4).marks[1] = b.at(4, 4).marks[5] = 1;  // 2, 6
  b.at(4, 5).marks[2] = b.at(4, 5).marks[4] = 1;  // 3, 5
  ASSERT_TRUE(futoshiki::SignClick(b.header, b.grid, 4, 4, false, false));
  EXPECT_EQ(b.Marks(4, 4), "2");   // below the greater's highest, 5
  EXPECT_EQ(b.Marks(4, 5), "35");  // above the smaller's lowest, 2

  // No sign there, or a place off the board: nothing happens.
  EXPECT_FALSE(futoshiki::SignClick(b.header, b.grid, 5, 5, false, false));
  EXPECT_FALSE(futoshiki::SignClick(b.header, b.grid, 6, 0, true, false));
  EXPECT_EQ(b.Marks(5, 5), "");
}

TEST(FutoshikiSignClick, TypeModeReadsAndRewritesTheTypedText) {
  Board b(5);
  b.at(1, 1).signDown = 1;  // (1,1) > (2,1)
  b.Text(1, 1, "125");
  b.Text(2, 1, "");
  ASSERT_TRUE(futoshiki::SignClick(b.header, b.grid, 1, 1, true, true));
  EXPECT_EQ(b.Text(1, 1), "25");
  EXPECT_EQ(b.Text(2, 1), "1234");
  // An entry's text stays what was typed.
  b.at(3, 3).signRight = 2;
  b.Text(3, 3, "4");
  b.at(3, 3).entry = 4;
  ASSERT_TRUE(futoshiki::SignClick(b.header, b.grid, 3, 3, false, true));
  EXPECT_EQ(b.Text(3, 3), "4");
  EXPECT_EQ(b.Text(3, 4), "5");
}

}  // namespace
}  // namespace zorvek

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/common/types.h"
#include "core/kakuro/hint.h"
#include "core/kakuro/play.h"
#include "core/kakuro/record.h"
#include "core/play/play.h"
#include "support/kakuro_fixture.h"

namespace zorvek {
namespace {

using kakuro::KakCell;
using kakuro::KakGrid;
using kakuro::KakHeader;
using kakuro::KakuroPlayAdapter;

struct Fixture {
  KakHeader header{};
  KakGrid grid{};
  std::uint8_t mode = kModeMouse;
  KakuroPlayAdapter adapter{header, grid};
  std::unique_ptr<PlayModel> model;

  explicit Fixture(bool zeroAllowed = false) {
    testing::BuildSmallKakuro(header, grid);
    header.zeroAllowed = zeroAllowed ? 1 : 0;
    model = std::make_unique<PlayModel>(adapter, mode);
    model->InstallPuzzle();
  }
  KakCell& cell(int r, int c) { return grid.cells[r][c]; }
  std::string Marks(int r, int c) {
    std::string s;
    for (int d = 0; d <= 9; ++d)
      if (grid.cells[r][c].pencil[d]) s += char('0' + d);
    return s;
  }
};

// Checks are the block's marks 3 and 4 (1 and 2 are selection marks); a cell
// with pencil marks alone is right while they include its solution.
TEST(KakuroPlay, CheckMarksOfEntriesAndPencilMarks) {
  Fixture f;
  EXPECT_FALSE(f.adapter.IsCell(8, 1));  // beyond the puzzle
  f.cell(1, 2).entry = 4;
  f.cell(2, 1).pencil[1] = 1;  // includes the solution 1
  f.cell(2, 2).pencil[5] = 1;  // omits the solution 3
  f.model->CheckAll();
  EXPECT_EQ(f.cell(1, 2).mark, 4);
  EXPECT_EQ(f.cell(2, 1).mark, 3);
  EXPECT_EQ(f.cell(2, 2).mark, 4);
  EXPECT_EQ(f.cell(2, 3).mark, 0);
}

TEST(KakuroPlay, ZeroIsTypedAndConvertedOnlyWhereThePuzzleAllowsIt) {
  Fixture plain;
  EXPECT_EQ(plain.adapter.MarkLow(), 1);
  plain.mode = kModeType;
  plain.model->SelectCell(1, 1);
  EXPECT_EQ(plain.model->TypeText("105"), "15");

  Fixture zero(true);
  EXPECT_EQ(zero.adapter.MarkLow(), 0);
  zero.model->ClickMode(kModeType);
  zero.model->SelectCell(1, 1);
  EXPECT_EQ(zero.model->TypeText("105"), "105");
  EXPECT_EQ(zero.cell(1, 1).entry, -1);
  zero.model->RecordMove();
  zero.model->ClickMode(kModeMouse);
  EXPECT_EQ(zero.Marks(1, 1), "015");
  // Undo brings back all ten marks and the typed text.
  zero.cell(1, 1).pencil[0] = 0;
  zero.model->RecordMove();
  zero.model->Undo();
  EXPECT_EQ(zero.Marks(1, 1), "015");
  zero.model->Undo();
  EXPECT_EQ(zero.adapter.Text(1, 1), "105");
  EXPECT_EQ(zero.model->StoredMode(), kModeType);
}

// The across selection and its narrowing are driven through the window's
// clue clicks; here a down clue after it: an entered digit leaves the
// candidates, and selecting changes nothing but the pencil marks.
TEST(KakuroClues, SelectingADownClueAfterAnAcrossOne) {
  Fixture f;
  kakuro::SelectClue(f.grid, kakuro::StartingClue(f.header, f.grid), true);
  ASSERT_EQ(f.Marks(1, 2), "89");
  f.cell(1, 2).entry = 9;
  const kakuro::KakGrid before = f.grid;
  const kakuro::KakRun down = kakuro::ClueRun(f.header, f.grid, 0, 2, true);  // 12 in 2
  const sums::Combinations shown = kakuro::SelectClue(f.grid, down, false);
  EXPECT_EQ(std::memcmp(&before, &f.grid, sizeof before), 0);
  EXPECT_TRUE(shown.possible[3] && shown.entered[9] && !shown.possible[4]);
  kakuro::SelectClue(f.grid, down, true);
  EXPECT_EQ(f.Marks(2, 2), "3");  // 12 in 2 with 9 placed: 3,9 only
  EXPECT_EQ(f.Marks(1, 2), "");  // a marked cell never gains marks, it only loses them
}

// The fixture: 17 over r2c2 r2c3 (8, 9), 10 over r3c2..r3c4 (1, 3, 6); names
// count the drawn clue row and column.
TEST(KakuroHint, StepsNameTheirRunsAndCells) {
  KakHeader h;
  KakGrid g;
  testing::BuildSmallKakuro(h, g);
  EXPECT_EQ(HintLine(kakuro::FindHint(h, g)), "Last cell of 6 in 1 cell: 6 goes in r3c4 (r3c4)");
  g.cells[2][3].entry = 6;
  EXPECT_EQ(HintLine(kakuro::FindHint(h, g)),
            "Crossing runs 9 in 2 cells and 17 in 2 cells: 8 goes in r2c2 (r2c2 r3c2 r2c3)");
}

// Clues that disagree with the stored solution, through a clue or through a
// stored digit: the hints stop rather than lead the player to a digit the
// solution does not hold.
TEST(KakuroHint, StopsWhereCluesContradictTheSolution) {
  for (bool clue : {true, false}) {
    KakHeader h;
    KakGrid g;
    testing::BuildSmallKakuro(h, g);
    if (clue)
      g.cells[1][0].sum = 16;  // the solution makes 17
    else
      g.cells[2][3].sum = 5;  // its 1-cell run makes 6
    KakuroPlayAdapter adapter(h, g);
    const std::vector<Hint> path = LogicalPath(adapter);
    ASSERT_EQ(path.size(), clue ? 1u : 0u);
    const Hint last = adapter.NextHint();
    EXPECT_FALSE(last.Found());
    EXPECT_EQ(last.technique, "No logical step found");
  }
}

}  // namespace
}  // namespace zorvek

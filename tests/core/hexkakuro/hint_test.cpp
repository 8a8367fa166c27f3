#include "core/hexkakuro/hint.h"

#include <gtest/gtest.h>

#include "core/common/random.h"
#include "core/common/types.h"
#include "core/hexkakuro/generator.h"
#include "core/hexkakuro/play.h"
#include "support/hint_path.h"

namespace zorvek::hexkakuro {
namespace {

constexpr std::pair<int, int> kSizes[] = {{9, 9}, {11, 13}};

HexHeader Settings(int level, int rows, int cols) {
  return HexHeader{static_cast<std::uint8_t>(level), {}, rows, cols, 0, kTimerRunning, {}};
}

// Both sizes, every level: hints alone finish each puzzle, from an empty grid
// and from a partly entered one.
TEST(HexKakuroHint, HintsAloneSolveGeneratedPuzzles) {
  int withRemovals = 0;
  for (auto [rows, cols] : kSizes)
    for (int level = kEasy; level <= kHard; ++level) {
      Random random(700 + level + rows);
      CreateProgress progress;
      for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(::testing::Message() << rows << "x" << cols << " level " << level << " #" << i);
        HexGrid grid{};
        ASSERT_TRUE(CreateHexKakuroForPrint(random, progress, level, rows, cols, grid));
        HexHeader settings = Settings(level, rows, cols);
        HexKakuroPlayAdapter adapter(settings, grid);
        withRemovals += testing::ExpectHintsSolve(adapter, random, i == 2);
      }
    }
  // Otherwise the removal checks above never ran.
  EXPECT_GT(withRemovals, 0);
}

// Among right and wrong entries the first wrong one in reading order comes
// first, named by the block's row and column.
TEST(HexKakuroHint, WrongEntryComesFirst) {
  Random random(9);
  CreateProgress progress;
  HexGrid grid{};
  ASSERT_TRUE(CreateHexKakuroForPrint(random, progress, kMedium, 9, 9, grid));
  HexHeader settings = Settings(kMedium, 9, 9);
  std::vector<HexPos> whites;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (grid.cells[r][c].kind == kHexWhite) whites.push_back({r, c});
  ASSERT_GE(whites.size(), 4u);
  auto enter = [&](HexPos p, bool right) {
    const int answer = grid.cells[p.row][p.col].number;
    grid.cells[p.row][p.col].entry = static_cast<std::uint8_t>(right ? answer : answer % 9 + 1);
  };
  enter(whites[0], true);
  enter(whites[1], false);
  enter(whites[3], false);
  const Hint hint = FindHint(settings, grid);
  EXPECT_EQ(hint.type, Hint::Type::WrongEntry);
  EXPECT_EQ(hint.target, (HintCell{whites[1].row, whites[1].col}));
  EXPECT_EQ(hint.conclusion, "Wrong entry at " + CellName(whites[1].row, whites[1].col));

  HexKakuroPlayAdapter adapter(settings, grid);
  ASSERT_TRUE(ApplyHint(adapter, hint));
  EXPECT_EQ(adapter.NextHint().target, (HintCell{whites[3].row, whites[3].col}));
}

}  // namespace
}  // namespace zorvek::hexkakuro

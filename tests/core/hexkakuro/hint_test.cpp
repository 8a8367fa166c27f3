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

// Wrong entries come first, named by the block's own row and column.
TEST(HexKakuroHint, WrongEntryComesFirst) {
  Random random(9);
  CreateProgress progress;
  HexGrid grid{};
  ASSERT_TRUE(CreateHexKakuroForPrint(random, progress, kMedium, 9, 9, grid));
  HexHeader settings = Settings(kMedium, 9, 9);
  HexKakuroPlayAdapter adapter(settings, grid);
  const Hint first = testing::ExpectWrongEntriesFirst(adapter);
  EXPECT_EQ(first.cellsText, CellName(first.target.row, first.target.col));
}

}  // namespace
}  // namespace zorvek::hexkakuro

#include "core/hexkakuro/record.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/common/types.h"
#include "core/hexkakuro/generator.h"

namespace zorvek::hexkakuro {
namespace {

// Each field that would break play or drawing makes the whole file refused;
// player fields at their limits, and a removed cell on a white position, load.
TEST(HexRecord, FieldsThatWouldBreakPlayAreRejected) {
  HexHeader header{};
  HexGrid grid{};
  Random random(316);
  CreateProgress progress;
  ASSERT_TRUE(CreateHexKakuroPuzzle(random, progress, kHard, 9, 9, header, grid).success);
  ASSERT_EQ(grid.cells[1][3].kind, kHexClue);
  ASSERT_EQ(grid.cells[1][4].kind, kHexWhite);
  using Edit = std::function<void(HexHeader&, HexGridCell (&)[14][16])>;
  auto loads = [&](const Edit& edit) {
    HexRecord record = MakePuzRecord<HexKakuroBlocks>(header, grid);
    edit(record.settings, record.puzzle.cells);
    return ParsePuzFile<HexKakuroBlocks>(reinterpret_cast<const std::uint8_t*>(&record), sizeof record).ok;
  };
  const std::vector<Edit> hostile = {
      [](HexHeader& h, auto&) { h.timerState = 3; },
      [](HexHeader& h, auto&) { h.rows = 11, h.cols = 11; },
      [](HexHeader& h, auto&) { h.rows = 9, h.cols = 13; },
      [](HexHeader& h, auto&) { h.rows = 13, h.cols = 15; },
      [](HexHeader& h, auto&) { h.rows = -1; },
      [](auto&, auto& g) { g[5][5].kind = 4; },
      [](auto&, auto& g) { g[1][4].kind = kHexClue; },   // clue off the lattice
      [](auto&, auto& g) { g[1][3].kind = kHexWhite; },  // white on a clue position
      [](auto&, auto& g) { g[1][5].kind = kHexRemoved; },
      [](auto&, auto& g) { g[9][2] = g[1][4]; },   // white in the bottom row
      [](auto&, auto& g) { g[2][10] = g[1][4]; },  // white beyond the columns
      [](auto&, auto& g) { g[0][3] = g[1][3]; },   // clue in the frame
      [](auto&, auto& g) { g[1][4].number = 0; },
      [](auto&, auto& g) { g[1][4].number = 10; },
      [](auto&, auto& g) { g[1][3].number = 40; },
      [](auto&, auto& g) { g[1][3].number = -2; },
      [](auto&, auto& g) { g[1][3].count = 7; },
      [](auto&, auto& g) { g[1][4].entry = 10; },
      [](auto&, auto& g) { g[1][4].marks[4] = 2; },
      [](auto&, auto& g) { g[1][4].textLength = 10; },
      [](auto&, auto& g) { g[1][4].textLength = 1, g[1][4].text[0] = 'a'; },
      [](auto&, auto& g) { g[1][4].textLength = 1, g[1][4].text[0] = '0'; },
      [](auto&, auto& g) { g[1][4].check = 3; },
  };
  for (std::size_t i = 0; i < hostile.size(); ++i) EXPECT_FALSE(loads(hostile[i])) << "case " << i;
  EXPECT_TRUE(loads([](auto&, auto& g) {
    HexGridCell& x = g[1][4];
    x.entry = 9;
    x.marks[8] = 1;
    x.textLength = 9;
    std::memcpy(x.text, "123456789", 9);
    x.check = 1;
    x.kind = kHexRemoved;
  }));
}

}  // namespace
}  // namespace zorvek::hexkakuro

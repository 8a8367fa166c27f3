#include "core/futoshiki/record.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/common/types.h"
#include "core/futoshiki/generator.h"

namespace zorvek::futoshiki {
namespace {

// Each field that would break play, drawing or printing makes the whole file
// refused; cells outside the N x N board are carried, not read.
TEST(FutoshikiRecord, FieldsThatWouldBreakPlayAreRejected) {
  FutHeader header;
  FutGrid grid;
  Random random(8);
  CreateStartupFutoshiki(random, header, grid);  // 7 x 7
  using Edit = std::function<void(FutHeader&, FutGridCell (&)[9][9])>;
  auto loads = [&](const Edit& edit) {
    FutRecord record = MakePuzRecord<FutoshikiBlocks>(header, grid);
    edit(record.settings, record.puzzle.cells);
    return ParsePuzFile<FutoshikiBlocks>(reinterpret_cast<const std::uint8_t*>(&record), sizeof record).ok;
  };
  const std::vector<Edit> hostile = {
      [](FutHeader& h, auto&) { h.size = 4; },
      [](FutHeader& h, auto&) { h.size = 10; },
      [](FutHeader& h, auto&) { h.size = -7; },
      [](FutHeader& h, auto&) { h.playState = 3; },
      [](auto&, auto& g) { g[3][3].given = 2; },
      [](auto&, auto& g) { g[6][6].solution = 0; },
      [](auto&, auto& g) { g[0][4].solution = 8; },
      [](auto&, auto& g) { g[2][2].signRight = 3; },
      [](auto&, auto& g) { g[4][6].signRight = 1; },  // off the right edge
      [](auto&, auto& g) { g[6][1].signDown = 2; },   // off the bottom edge
      [](auto&, auto& g) { g[5][5].entry = 8; },
      [](auto&, auto& g) { g[1][1].marks[8] = 2; },
      [](auto&, auto& g) { g[0][0].textLength = 10; },
      [](auto&, auto& g) { g[1][2].textLength = 1, g[1][2].text[0] = ':'; },
      [](auto&, auto& g) { g[6][0].check = 3; },
  };
  for (std::size_t i = 0; i < hostile.size(); ++i) EXPECT_FALSE(loads(hostile[i])) << "case " << i;
  EXPECT_TRUE(loads([](auto&, auto& g) {
    g[1][2].entry = 7;
    g[1][2].marks[6] = 1;
    g[1][2].textLength = 2;
    g[1][2].text[0] = '1', g[1][2].text[1] = '7';
    g[1][2].check = 2;
    g[8][8].solution = 77;
    g[8][8].textLength = 200;
  }));
}

}  // namespace
}  // namespace zorvek::futoshiki

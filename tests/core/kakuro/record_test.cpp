#include "core/kakuro/record.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/common/types.h"
#include "core/kakuro/generator.h"
#include "support/kakuro_fixture.h"

namespace zorvek::kakuro {
namespace {

// Each field that would break play or drawing makes the whole file refused;
// play fields at their limits load.
TEST(KakuroRecord, FieldsThatWouldBreakPlayAreRejected) {
  KakHeader header;
  KakGrid grid;
  Random random(11);
  CreateStartupKakuro(random, header, grid);
  int wr = 1, wc = 1;  // the first white cell and its across clue
  while (grid.cells[wr][wc].colour != kWhite) wc < header.cols ? ++wc : (++wr, wc = 1);
  using Edit = std::function<void(KakHeader&, KakGrid&, KakCell& white, KakCell& clue)>;
  auto loads = [&](const Edit& edit) {
    KakRecord record = MakePuzRecord<KakuroBlocks>(header, grid);
    KakGrid& g = record.puzzle;
    edit(record.settings, g, g.cells[wr][wc], g.cells[wr][wc - 1]);
    return ParsePuzFile<KakuroBlocks>(reinterpret_cast<const std::uint8_t*>(&record), sizeof record).ok;
  };
  const std::vector<Edit> hostile = {
      [](KakHeader& h, auto&, auto&, auto&) { h.rows = 12; },
      [](KakHeader& h, auto&, auto&, auto&) { h.cols = 6; },
      [](KakHeader& h, auto&, auto&, auto&) { h.rows = -7; },
      [](KakHeader& h, auto&, auto&, auto&) { h.playState = 3; },
      [](KakHeader& h, auto&, auto&, auto&) { h.highestDigit = 10; },
      [](auto&, auto&, KakCell& w, auto&) { w.colour = 0; },
      [](auto&, auto&, KakCell& w, auto&) { w.colour = 3; },
      [](auto&, KakGrid& g, auto&, auto&) { g.cells[0][3].colour = kWhite; },
      [](auto&, auto&, KakCell& w, auto&) { w.sum = 0; },
      [](auto&, auto&, KakCell& w, auto&) { w.sum = 10; },
      [](auto&, auto&, KakCell& w, auto&) { w.entry = -2; },
      [](auto&, auto&, KakCell& w, auto&) { w.entry = 10; },
      [](auto&, auto&, KakCell& w, auto&) { w.pencil[4] = 2; },
      [](auto&, auto&, KakCell& w, auto&) { w.textLength = 10; },
      [](auto&, auto&, KakCell& w, auto&) { w.textLength = 2, w.text[1] = 'x'; },
      [](auto&, auto&, KakCell& w, auto&) { w.mark = 5; },
      [](auto&, auto&, auto&, KakCell& c) { c.sum = 46; },
      [](auto&, auto&, auto&, KakCell& c) { c.sum = -1; },
      [](auto&, auto&, auto&, KakCell& c) { c.acrossLength += 1; },
      [](auto&, auto&, auto&, KakCell& c) { c.acrossLength = 200; },
      [](auto&, KakGrid& g, auto&, auto&) { g.cells[0][0].downSum = 7; },  // no run below it
      [](auto&, KakGrid& g, auto&, auto&) {  // ten cells, even with the length stated
        for (int c = 1; c <= 10; ++c) g.cells[1][c].colour = kWhite, g.cells[1][c].sum = 1;
        g.cells[1][0].acrossLength = 10;
      },
  };
  for (std::size_t i = 0; i < hostile.size(); ++i) EXPECT_FALSE(loads(hostile[i])) << "case " << i;
  EXPECT_TRUE(loads([](auto&, auto&, KakCell& w, auto&) {
    w.entry = 9;
    w.pencil[9] = 1;
    w.textLength = 9;
    std::memcpy(w.text, "123456789", 9);
    w.mark = 4;
  }));
}

// A header naming more rows or columns than the grid holds is refused on its
// own: with a row of plain clue cells after the grid, reading on would pass.
TEST(KakuroRecord, OversizedHeadersAreRefusedWhateverFollowsTheGrid) {
  struct {
    KakHeader header;
    KakGrid grid;
    KakCell after[kGridCols];
  } p;
  testing::BuildSmallKakuro(p.header, p.grid);
  for (KakCell& c : p.after) c = p.grid.cells[kGridRows - 1][0];
  ASSERT_TRUE(BlocksAreValid(p.header, p.grid));
  for (auto [rows, cols] : {std::pair{kGridRows, 7}, {7, kGridCols}}) {
    KakHeader h = p.header;
    h.rows = rows;
    h.cols = cols;
    EXPECT_FALSE(BlocksAreValid(h, p.grid)) << rows << " x " << cols;
  }
}

}  // namespace
}  // namespace zorvek::kakuro

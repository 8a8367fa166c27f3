#include "core/sudoku/record.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/common/types.h"
#include "core/sudoku/generator.h"

namespace zorvek::sudoku {
namespace {

// Each field that would break play or drawing makes the whole file refused;
// the same fields at their limits load.
TEST(SudokuRecord, FieldsThatWouldBreakPlayAreRejected) {
  SudSettings settings{};
  SudPuzzle puzzle{};
  Random random(17);
  CreateStartupSudoku(random, settings, puzzle);
  auto loads = [&](const std::function<void(SudSettings&, SudCell&)>& edit) {
    SudRecord record = MakePuzRecord<SudokuBlocks>(settings, puzzle);
    edit(record.settings, record.puzzle.cells[3][5]);
    return ParsePuzFile<SudokuBlocks>(reinterpret_cast<const std::uint8_t*>(&record), sizeof record).ok;
  };
  const std::vector<std::function<void(SudSettings&, SudCell&)>> hostile = {
      [](SudSettings& s, SudCell&) { s.timerState = 3; },
      [](SudSettings&, SudCell& c) { c.given = 2; },
      [](SudSettings&, SudCell& c) { c.solution = 0; },
      [](SudSettings&, SudCell& c) { c.solution = 10; },
      [](SudSettings&, SudCell& c) { c.solution = -9; },
      [](SudSettings&, SudCell& c) { c.entry = 10; },
      [](SudSettings&, SudCell& c) { c.marks[4] = 2; },
      [](SudSettings&, SudCell& c) { c.textLength = 10; },
      [](SudSettings&, SudCell& c) { c.textLength = 1, c.text[0] = '0'; },
      [](SudSettings&, SudCell& c) { c.check = 3; },
  };
  for (std::size_t i = 0; i < hostile.size(); ++i) EXPECT_FALSE(loads(hostile[i])) << "case " << i;
  EXPECT_TRUE(loads([](SudSettings& s, SudCell& c) {
    s.timerState = kTimerStopped;
    c.entry = 9;
    c.marks[8] = 1;
    c.textLength = 9;
    std::memcpy(c.text, "123456789", 9);
    c.check = 2;
  }));
}

}  // namespace
}  // namespace zorvek::sudoku

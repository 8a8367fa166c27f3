#pragma once
// The engine grid shared by the layout, the digit fill and the solver. A
// plain fixed-size struct: attempts copy it whole to roll back.
#include <cstdint>

#include "core/kakuro/record.h"

namespace zorvek::kakuro {

constexpr int kWorkRows = 14;
constexpr int kWorkCols = 16;
constexpr int kAcross = 0;
constexpr int kDown = 1;

struct KakWorkCell {
  std::uint8_t colour;  // 1 black, 2 white
  // Black cell: the runs it heads, [kAcross] to its right, [kDown] below it.
  std::int32_t runSum[2];      // clue sum, 0 = not chosen yet
  std::int32_t runLength[2];   // white cells in the run
  std::int32_t runClaimed[2];  // cells of the run covered by a run with a sum
  std::uint8_t runChanged[2];  // a candidate in the run changed since last examined
  // White cell.
  std::int32_t digit;  // -1 = none
  std::uint8_t solved;
  std::int32_t head[2];  // [kAcross]: column of its across head; [kDown]: row of its down head
  std::uint8_t candidates[10];
  std::uint8_t claimed;          // some run through the cell has a sum
  std::int32_t subsetSize[2];    // 2 or 3: size of its naked subset in that run, else 0
  std::int32_t subsetId[2];
};

struct KakWorkGrid {
  KakWorkCell cells[kWorkRows][kWorkCols];  // [row][column]
};

// A work grid holding the layout, clue sums and run lengths of a finished
// puzzle (the solver's input), e.g. to re-solve a loaded file.
void WorkGridFromPuzzle(const KakHeader& header, const KakGrid& grid, KakWorkGrid& work);

}  // namespace zorvek::kakuro

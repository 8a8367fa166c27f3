#pragma once
// The HexKakuro settings and puzzle blocks, as held in the application state
// and in the 8092-byte .puz record.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/common/puzfile.h"
#include "core/common/types.h"

namespace zorvek::hexkakuro {

struct HexHeader {
  std::uint8_t difficulty;  // 0 Easy, 1 Medium, 2 Hard
  std::uint8_t padding0[3];
  std::int32_t rows;        // 9 or 11
  std::int32_t cols;        // 9 or 13
  std::int32_t elapsed;     // seconds on the clock
  std::uint8_t timerState;  // TimerState
  std::uint8_t padding1[3];
};
static_assert(sizeof(HexHeader) == 20);
static_assert(offsetof(HexHeader, rows) == 4);
static_assert(offsetof(HexHeader, cols) == 8);
static_assert(offsetof(HexHeader, elapsed) == 12);
static_assert(offsetof(HexHeader, timerState) == 16);

struct HexGridCell {
  std::uint8_t kind;  // HexKind
  std::uint8_t padding0[3];
  std::int32_t number;      // clue: its sum; white: its solution digit; negative in
                            // cell (1, 1) of the state's block: no puzzle yet
  std::int32_t count;       // clue: its run length
  std::uint8_t entry;       // player's digit, 0 for none
  std::uint8_t marks[9];    // pencil marks for digits 1..9
  std::uint8_t textLength;  // 0..9
  char text[9];             // typed digits "1".."9"
  std::uint8_t check;       // 0 none, 1 correct, 2 wrong
  std::uint8_t padding1[3];
};
static_assert(sizeof(HexGridCell) == 36);
static_assert(offsetof(HexGridCell, number) == 4);
static_assert(offsetof(HexGridCell, count) == 8);
static_assert(offsetof(HexGridCell, entry) == 12);
static_assert(offsetof(HexGridCell, marks) == 13);
static_assert(offsetof(HexGridCell, textLength) == 22);
static_assert(offsetof(HexGridCell, text) == 23);
static_assert(offsetof(HexGridCell, check) == 32);

constexpr int kGridRows = 14;
constexpr int kGridCols = 16;

struct HexGrid {
  HexGridCell cells[kGridRows][kGridCols];  // [row][column]; only rows 1..rows, columns 1..cols used
};
static_assert(sizeof(HexGrid) == 8064);
static_assert(offsetof(HexGrid, cells[1][0]) == 576);


// True when the puzzle block holds a puzzle (the state marks "none yet" with
// a negative number in cell (1, 1)).
bool HasPuzzle(const HexGrid& grid);
// Marks the block as holding no puzzle yet.
void MarkNoPuzzle(HexGrid& grid);

// Field checks every block read from disk must pass, so that play and drawing
// can index with its bytes safely: the size, every cell kind on its lattice,
// digits, sums, counts, marks, typed text, check marks and the clock.
bool BlocksAreValid(const HexHeader& settings, const HexGrid& grid);

struct HexKakuroBlocks {
  using Settings = HexHeader;
  using Puzzle = HexGrid;
  static constexpr int kKind = kKindHexKakuro;
  static bool Valid(const Settings& s, const Puzzle& p) { return BlocksAreValid(s, p); }
  static std::string GridSizeText(const Settings& s) { return std::to_string(s.rows) + "x" + std::to_string(s.cols); }
};
using HexRecord = PuzRecord<HexKakuroBlocks>;
using HexLoadResult = PuzLoadResult<HexKakuroBlocks>;
static_assert(sizeof(HexRecord) == 8092);
static_assert(offsetof(HexRecord, settings) == 8);
static_assert(offsetof(HexRecord, puzzle) == 28);

}  // namespace zorvek::hexkakuro

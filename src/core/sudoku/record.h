#pragma once
// The Sudoku settings and puzzle blocks, as held in the application state and
// in the 2612-byte .puz record.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/common/puzfile.h"
#include "core/common/types.h"

namespace zorvek::sudoku {

struct SudSettings {
  std::uint8_t difficulty;  // 0 Easy, 1 Medium, 2 Hard
  std::uint8_t padding0[3];
  std::int32_t elapsed;     // seconds on the clock
  std::uint8_t timerState;  // TimerState
  std::uint8_t padding1[3];
};
static_assert(sizeof(SudSettings) == 12);
static_assert(offsetof(SudSettings, elapsed) == 4);
static_assert(offsetof(SudSettings, timerState) == 8);

struct SudCell {
  std::uint8_t given;  // 1 given, 0 to be solved
  std::uint8_t padding0[3];
  std::int32_t solution;    // 1..9; negative in cell (0,0) of the state: no puzzle yet
  std::uint8_t entry;       // player's digit, 0 for none
  std::uint8_t marks[9];    // pencil marks for digits 1..9
  std::uint8_t textLength;  // 0..9
  char text[9];             // typed digits "1".."9"
  std::uint8_t check;       // 0 none, 1 correct, 2 wrong
  std::uint8_t padding1[3];
};
static_assert(sizeof(SudCell) == 32);
static_assert(offsetof(SudCell, solution) == 4);
static_assert(offsetof(SudCell, entry) == 8);
static_assert(offsetof(SudCell, marks) == 9);
static_assert(offsetof(SudCell, textLength) == 18);
static_assert(offsetof(SudCell, text) == 19);
static_assert(offsetof(SudCell, check) == 28);

struct SudPuzzle {
  SudCell cells[9][9];  // [row][column]
};
static_assert(sizeof(SudPuzzle) == 2592);

// True when the puzzle block holds a puzzle (the state marks "none yet" with
// a negative solution in the first cell).
bool HasPuzzle(const SudPuzzle& puzzle);

// Field checks every block read from disk must pass, so that play and drawing
// can index with its bytes safely.
bool BlocksAreValid(const SudSettings& settings, const SudPuzzle& puzzle);

struct SudokuBlocks {
  using Settings = SudSettings;
  using Puzzle = SudPuzzle;
  static constexpr int kKind = kKindSudoku;
  static bool Valid(const Settings& s, const Puzzle& p) { return BlocksAreValid(s, p); }
  static std::string GridSizeText(const Settings&) { return ""; }
};
using SudRecord = PuzRecord<SudokuBlocks>;
using SudLoadResult = PuzLoadResult<SudokuBlocks>;
static_assert(sizeof(SudRecord) == 2612);
static_assert(offsetof(SudRecord, settings) == 8);
static_assert(offsetof(SudRecord, puzzle) == 20);

}  // namespace zorvek::sudoku

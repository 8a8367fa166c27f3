#pragma once
// The Futoshiki settings and puzzle blocks (FutHeader, FutGrid), as held in
// the application state and in the 2616-byte .puz record.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/common/puzfile.h"
#include "core/common/types.h"

namespace zorvek::futoshiki {

constexpr int kMaxSize = 9;

struct FutHeader {
  std::int32_t size;        // grid size N: 5, 7 or 9
  std::uint8_t difficulty;  // 0 Easy, 1 Medium, 2 Hard
  std::uint8_t padding0[3];
  std::int32_t elapsed;     // seconds on the clock
  std::uint8_t playState;   // TimerState
  std::uint8_t padding1[3];
};
static_assert(sizeof(FutHeader) == 16);
static_assert(offsetof(FutHeader, difficulty) == 4);
static_assert(offsetof(FutHeader, elapsed) == 8);
static_assert(offsetof(FutHeader, playState) == 12);

// The board size played and drawn: the header's N, or 5 when the header
// holds none of 5..9.
int PlaySize(const FutHeader& header);

struct FutGridCell {
  std::uint8_t given;  // 1 given, 0 to be solved
  std::uint8_t padding0[3];
  std::int32_t solution;    // 1..N; negative in cell (0,0) of the state: no puzzle yet
  std::uint8_t signRight;   // 0 none, 1 this cell > right neighbour, 2 this cell <
  std::uint8_t signDown;    // 0 none, 1 this cell > the cell below, 2 this cell <
  std::uint8_t entry;       // player's digit (a given's digit), 0 for none
  std::uint8_t marks[9];    // pencil marks for digits 1..9
  std::uint8_t textLength;  // 0..9
  char text[9];             // typed digits "1".."9"
  std::uint8_t check;       // 0 none, 1 correct, 2 wrong
  std::uint8_t spare;
};
static_assert(sizeof(FutGridCell) == 32);
static_assert(offsetof(FutGridCell, solution) == 4);
static_assert(offsetof(FutGridCell, signRight) == 8);
static_assert(offsetof(FutGridCell, signDown) == 9);
static_assert(offsetof(FutGridCell, entry) == 10);
static_assert(offsetof(FutGridCell, marks) == 11);
static_assert(offsetof(FutGridCell, textLength) == 20);
static_assert(offsetof(FutGridCell, text) == 21);
static_assert(offsetof(FutGridCell, check) == 30);
static_assert(offsetof(FutGridCell, spare) == 31);

struct FutGrid {
  FutGridCell cells[kMaxSize][kMaxSize];  // [row][column]; only the first N of each used
};
static_assert(sizeof(FutGrid) == 2592);


// True when the grid holds a puzzle (the state marks "none yet" with a
// negative solution in the first cell).
bool HasPuzzle(const FutGrid& grid);

// Field checks every block read from disk must pass, so that play, drawing
// and printing can index with its bytes safely.
bool BlocksAreValid(const FutHeader& header, const FutGrid& grid);

struct FutoshikiBlocks {
  using Settings = FutHeader;
  using Puzzle = FutGrid;
  static constexpr int kKind = kKindFutoshiki;
  static bool Valid(const Settings& s, const Puzzle& p) { return BlocksAreValid(s, p); }
  static std::string GridSizeText(const Settings& s) { return std::to_string(s.size); }
};
using FutRecord = PuzRecord<FutoshikiBlocks>;
using FutLoadResult = PuzLoadResult<FutoshikiBlocks>;
static_assert(sizeof(FutRecord) == 2616);
static_assert(offsetof(FutRecord, settings) == 8);
static_assert(offsetof(FutRecord, puzzle) == 24);
static_assert(offsetof(FutRecord, settings.playState) == 20);

}  // namespace zorvek::futoshiki

#pragma once
// The Kakuro settings block (KakHeader) and puzzle block (KakGrid), as held in
// the application state and in the 6088-byte .puz record.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/common/puzfile.h"
#include "core/common/types.h"

namespace zorvek::kakuro {

constexpr int kGridRows = 12;  // clue row + at most 11 playing rows
constexpr int kGridCols = 14;  // clue column + at most 13 playing columns
constexpr std::uint8_t kBlack = 1;
constexpr std::uint8_t kWhite = 2;

struct KakHeader {
  std::uint8_t difficulty;  // 0 Easy, 1 Medium, 2 Hard
  std::uint8_t padding0[3];
  std::int32_t rows;  // playing rows below the clue row: 7, 9 or 11
  std::int32_t cols;  // playing columns right of the clue column: 7..13
  std::int32_t lowestDigit;
  std::int32_t highestDigit;
  std::uint8_t symmetric;     // 1: layout symmetric under a half turn
  std::uint8_t zeroAllowed;   // 1: cells may hold 0 (never generated)
  std::uint8_t padding1[2];
  std::int32_t elapsed;       // seconds on the clock
  std::uint8_t playState;     // TimerState
  std::uint8_t padding2[3];
};
static_assert(sizeof(KakHeader) == 32);
static_assert(offsetof(KakHeader, rows) == 4);
static_assert(offsetof(KakHeader, cols) == 8);
static_assert(offsetof(KakHeader, lowestDigit) == 12);
static_assert(offsetof(KakHeader, highestDigit) == 16);
static_assert(offsetof(KakHeader, symmetric) == 20);
static_assert(offsetof(KakHeader, zeroAllowed) == 21);
static_assert(offsetof(KakHeader, elapsed) == 24);
static_assert(offsetof(KakHeader, playState) == 28);

struct KakCell {
  std::uint8_t colour;  // 1 black (clue), 2 white
  std::uint8_t padding[3];
  std::int32_t sum;           // black: across clue (0 = none); white: solution digit
  std::int32_t downSum;       // black: down clue (0 = none); white: 0
  std::uint8_t acrossLength;  // black: cells of the across run it heads
  std::uint8_t downLength;    // black: cells of the down run it heads
  std::int8_t entry;          // player's digit, -1 = none
  std::uint8_t pencil[10];    // one mark per digit 0..9
  std::uint8_t textLength;    // typed text, 0..9 characters
  char text[9];
  std::uint8_t mark;  // black: 1 across / 2 down clue selected; white: 3 right / 4 wrong
};
static_assert(sizeof(KakCell) == 36);
static_assert(offsetof(KakCell, sum) == 4);
static_assert(offsetof(KakCell, downSum) == 8);
static_assert(offsetof(KakCell, acrossLength) == 12);
static_assert(offsetof(KakCell, downLength) == 13);
static_assert(offsetof(KakCell, entry) == 14);
static_assert(offsetof(KakCell, pencil) == 15);
static_assert(offsetof(KakCell, textLength) == 25);
static_assert(offsetof(KakCell, text) == 26);
static_assert(offsetof(KakCell, mark) == 35);

struct KakGrid {
  KakCell cells[kGridRows][kGridCols];  // [row][column]; row 0 and column 0 are clues
};
static_assert(sizeof(KakGrid) == 6048);
static_assert(offsetof(KakGrid, cells[1][0]) == 504);


// What the loader accepts: the size and difficulty checks of the file format,
// plus every cell field that play or drawing later indexes with (colours, clue
// sums and run lengths that agree with the white cells, digits, marks, typed
// text), so that a hostile block can never break the window.
bool BlocksAreValid(const KakHeader& header, const KakGrid& grid);

struct KakuroBlocks {
  using Settings = KakHeader;
  using Puzzle = KakGrid;
  static constexpr int kKind = kKindKakuro;
  static bool Valid(const Settings& s, const Puzzle& p) { return BlocksAreValid(s, p); }
  // The size in a file name counts the clue row and column: "KakuroHard12x14_3".
  static std::string GridSizeText(const Settings& s) {
    return std::to_string(s.rows + 1) + "x" + std::to_string(s.cols + 1);
  }
};
using KakRecord = PuzRecord<KakuroBlocks>;
using KakLoadResult = PuzLoadResult<KakuroBlocks>;
static_assert(sizeof(KakRecord) == 6088);
static_assert(offsetof(KakRecord, settings) == 8);
static_assert(offsetof(KakRecord, puzzle) == 40);

}  // namespace zorvek::kakuro

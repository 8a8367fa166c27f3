#pragma once
// The hexagon field every HexKakuro piece shares: coordinates with their
// frame, neighbours in both walking orders, the fixed clue lattice and the
// digit tables.
//
// Cells are (row, column) from 1; row 0, column 0, row rows+1 and column
// cols+1 form a frame that never belongs to a puzzle. Odd columns stand half
// a hexagon higher than even ones.
#include <array>
#include <cstdint>
#include <string>

namespace zorvek::hexkakuro {

constexpr int kSmallRows = 9;
constexpr int kSmallCols = 9;
constexpr int kLargeRows = 11;
constexpr int kLargeCols = 13;

// Working boards hold the frame: rows 0..rows+1, columns 0..cols+1.
constexpr int kBoardRows = kLargeRows + 2;
constexpr int kBoardCols = kLargeCols + 2;

// Cell kinds, the same codes on the working board, in the play grid and in files.
enum HexKind : std::uint8_t {
  kHexNone = 0,
  kHexClue = 1,
  kHexRemoved = 2,
  kHexWhite = 3,
};

// True for 9 x 9 and 11 x 13, the only sizes there are.
bool IsHexSize(int rows, int cols);

struct HexPos {
  int row = 0;
  int col = 0;
  friend bool operator==(const HexPos&, const HexPos&) = default;
};

// Within rows 1..rows and columns 1..cols (callers check that range):
// r odd with c mod 4 = 3, or r even with c mod 4 = 1.
bool IsCluePosition(int r, int c);
// Rows 1..rows-1, not a clue position, and not in row 1 at a column c with
// c mod 4 = 1 (callers keep c within 1..cols).
bool IsWhitePosition(int r, int c, int rows);
// The neighbour in direction i = 1..6: upper left, up, upper right, lower
// right, down, lower left.
HexPos Neighbour(int r, int c, int i);

// Run order: the neighbours of a clue walked upper left, up, upper right,
// lower left, down, lower right.
constexpr int kRunOrder[6] = {1, 2, 3, 6, 5, 4};
// The six clue positions nearest to a clue at (r, c), in the order
// (r-1, c-2), (r-2, c), (r-1, c+2), (r+1, c+2), (r+2, c), (r+1, c-2).
std::array<HexPos, 6> AdjacentClues(int r, int c);

// Ten flags, digits 0..9, each 0 or 1.
using DigitFlags = std::array<std::uint8_t, 10>;

// [length 0..6][sum 0..39]: the digits that can occur in a run of that length
// and sum (length 1 flags the digit equal to the sum, for sums 0..9).
using HexDigitTable = std::array<std::array<DigitFlags, 40>, 7>;
const HexDigitTable& HexPossibleDigits();

// Fails (false, flags untouched) for a length outside 1..6 or a sum outside 1..39.
bool LookupHexPossibleDigits(int length, int sum, DigitFlags& flags);

}  // namespace zorvek::hexkakuro

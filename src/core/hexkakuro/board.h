#pragma once
// The generator's working board: plain cells, copied whole to roll back.
#include <cstdint>

#include "core/hexkakuro/geometry.h"

namespace zorvek::hexkakuro {

struct HexCell {
  std::uint8_t kind = kHexNone;  // HexKind
  // Clue fields.
  std::int32_t sum = 0;      // 0 while not chosen
  std::int32_t count = 0;    // white cells among the six neighbours
  std::int32_t touched = 0;  // cells of the run already touched by a clue with a sum
  // White-cell fields.
  std::int32_t digit = 0;
  bool assigned = false;
  bool candidates[10] = {};  // [1..9]; [0] unused
  bool touchedCell = false;
  std::int32_t clueCount = 0;
  HexPos clues[2];  // in the row-major order the layout found them
};

struct HexBoard {
  HexCell cells[kBoardRows][kBoardCols];

  HexCell& at(int r, int c) { return cells[r][c]; }
  const HexCell& at(int r, int c) const { return cells[r][c]; }
  HexCell& at(HexPos p) { return cells[p.row][p.col]; }
  const HexCell& at(HexPos p) const { return cells[p.row][p.col]; }
};

// The white cells of the clue at (r, c), in run order; returns how many.
// Clues stand in odd columns inside the frame, so every neighbour is on the board.
inline int RunCells(const HexBoard& board, int r, int c, HexPos (&out)[6]) {
  int n = 0;
  for (int i : kRunOrder) {
    const HexPos p = Neighbour(r, c, i);
    if (board.at(p).kind == kHexWhite) out[n++] = p;
  }
  return n;
}

inline int CandidateCount(const HexCell& cell) {
  int n = 0;
  for (int d = 1; d <= 9; ++d) n += cell.candidates[d];
  return n;
}

}  // namespace zorvek::hexkakuro

#pragma once
// A 7 x 7 Kakuro whose only white cells are 17 over 2 in row 1 (8, 9) and
// 10 over 3 in row 2 (1, 3, 6), so tests know every clue and solution. The
// engine and window tests share it.
#include "core/common/types.h"
#include "core/kakuro/record.h"

namespace zorvek::testing {

inline void BuildSmallKakuro(kakuro::KakHeader& h, kakuro::KakGrid& g) {
  h = kakuro::KakHeader{};
  h.difficulty = kMedium;
  h.rows = 7;
  h.cols = 7;
  h.lowestDigit = 1;
  h.highestDigit = 9;
  h.playState = kTimerRunning;
  const char* rows[8] = {"########", "#89#####", "#136####", "########",
                         "########", "########", "########", "########"};
  for (int r = 0; r < kakuro::kGridRows; ++r)
    for (int c = 0; c < kakuro::kGridCols; ++c) {
      kakuro::KakCell& x = g.cells[r][c];
      x = kakuro::KakCell{};
      x.entry = -1;
      const bool white = r < 8 && c < 8 && rows[r][c] != '#';
      x.colour = white ? kakuro::kWhite : kakuro::kBlack;
      if (white) x.sum = rows[r][c] - '0';
    }
  // Heads: lengths and sums from the white cells after them.
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c) {
      kakuro::KakCell& x = g.cells[r][c];
      if (x.colour != kakuro::kBlack) continue;
      for (int k = c + 1; k < 8 && g.cells[r][k].colour == kakuro::kWhite; ++k, ++x.acrossLength)
        x.sum += g.cells[r][k].sum;
      for (int k = r + 1; k < 8 && g.cells[k][c].colour == kakuro::kWhite; ++k, ++x.downLength)
        x.downSum += g.cells[k][c].sum;
    }
}

}  // namespace zorvek::testing

#pragma once
// Kakuro grids drawn as pictures, so tests know every clue and solution. The
// engine and window tests share them.
#include <string>
#include <vector>

#include "core/common/types.h"
#include "core/kakuro/record.h"

namespace zorvek::testing {

// '#' a clue cell, a digit a white cell holding that solution; the rest of
// the first rows x cols cells are clue cells, and clue sums and lengths
// follow from the digits. Cells past them stay empty, as the solver leaves
// them.
inline kakuro::KakGrid KakuroFromPicture(const std::vector<std::string>& picture, int rows = kakuro::kGridRows,
                                         int cols = kakuro::kGridCols) {
  kakuro::KakGrid g{};
  for (int r = 0; r < kakuro::kGridRows; ++r)
    for (int c = 0; c < kakuro::kGridCols; ++c) {
      kakuro::KakCell& x = g.cells[r][c];
      x.entry = -1;
      if (r >= rows || c >= cols) continue;
      const bool white = r < static_cast<int>(picture.size()) && c < static_cast<int>(picture[r].size()) &&
                         picture[r][c] != '#';
      x.colour = white ? kakuro::kWhite : kakuro::kBlack;
      if (white) x.sum = picture[r][c] - '0';
    }
  for (int r = 0; r < kakuro::kGridRows; ++r)
    for (int c = 0; c < kakuro::kGridCols; ++c) {
      kakuro::KakCell& x = g.cells[r][c];
      if (x.colour != kakuro::kBlack) continue;
      for (int k = c + 1; k < kakuro::kGridCols && g.cells[r][k].colour == kakuro::kWhite; ++k, ++x.acrossLength)
        x.sum += g.cells[r][k].sum;
      for (int k = r + 1; k < kakuro::kGridRows && g.cells[k][c].colour == kakuro::kWhite; ++k, ++x.downLength)
        x.downSum += g.cells[k][c].sum;
    }
  return g;
}

// A 7 x 7 Kakuro whose only white cells are 17 over 2 in row 1 (8, 9) and
// 10 over 3 in row 2 (1, 3, 6).
inline void BuildSmallKakuro(kakuro::KakHeader& h, kakuro::KakGrid& g) {
  h = kakuro::KakHeader{};
  h.difficulty = kMedium;
  h.rows = 7;
  h.cols = 7;
  h.lowestDigit = 1;
  h.highestDigit = 9;
  h.playState = kTimerRunning;
  g = KakuroFromPicture({"#####", "#89", "#136"});
}

}  // namespace zorvek::testing

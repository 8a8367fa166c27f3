#include "core/kakuro/hint.h"

#include <algorithm>

#include "core/kakuro/play.h"
#include "core/play/run_hints.h"

namespace zorvek::kakuro {

Hint FindHint(const KakHeader& header, const KakGrid& grid) {
  runhints::RunPuzzle puzzle;
  const bool zero = header.zeroAllowed != 0;
  puzzle.lowDigit = std::max(header.lowestDigit, zero ? 0 : 1);
  puzzle.highDigit = header.highestDigit;
  const int rows = std::clamp(header.rows, 0, kGridRows - 1);
  const int cols = std::clamp(header.cols, 0, kGridCols - 1);
  int index[kGridRows][kGridCols];
  for (int r = 0; r <= rows; ++r)
    for (int c = 0; c <= cols; ++c) {
      index[r][c] = -1;
      const KakCell& cell = grid.cells[r][c];
      if (r == 0 || c == 0 || cell.colour != kWhite) continue;
      index[r][c] = static_cast<int>(puzzle.cells.size());
      // Cells are named as the board draws the block, clue row and column
      // included: block (r, c) is the square in shown row r + 1, column c + 1.
      const bool entered = cell.entry > 0 || (zero && cell.entry == 0);
      puzzle.cells.push_back({{r, c}, CellName(r + 1, c + 1), cell.sum, entered ? cell.entry : -1});
    }
  for (int r = 0; r <= rows; ++r)
    for (int c = 0; c <= cols; ++c)
      for (bool down : {false, true}) {
        const KakRun run = ClueRun(header, grid, r, c, down);
        if (!run.Valid()) continue;
        runhints::SumRun sums{run.sum, {}};
        for (int k = 0; k < run.length; ++k) {
          const int i = index[run.CellRow(k)][run.CellCol(k)];
          if (i >= 0) sums.cells.push_back(i);
        }
        puzzle.runs.push_back(std::move(sums));
      }
  return runhints::FindRunHint(puzzle);
}

Hint KakuroPlayAdapter::NextHint() const { return FindHint(header_, grid_); }

}  // namespace zorvek::kakuro

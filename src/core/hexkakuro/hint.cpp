#include "core/hexkakuro/hint.h"

#include <algorithm>

#include "core/hexkakuro/play.h"
#include "core/play/run_hints.h"

namespace zorvek::hexkakuro {

Hint FindHint(const HexHeader& settings, const HexGrid& grid) {
  if (!HasPuzzle(grid)) return {};
  runhints::RunPuzzle puzzle;
  const int rows = std::clamp<int>(settings.rows, 0, kGridRows - 1);
  const int cols = std::clamp<int>(settings.cols, 0, kGridCols - 1);
  int index[kGridRows][kGridCols];
  for (auto& row : index) std::fill(std::begin(row), std::end(row), -1);
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) {
      const HexGridCell& cell = grid.cells[r][c];
      if (cell.kind != kHexWhite) continue;
      index[r][c] = static_cast<int>(puzzle.cells.size());
      // Cells are named by the block's row and column, both drawn from 1:
      // a row is the zigzag of hexagons at one height, odd columns half a
      // hexagon up, and the column counts along it.
      puzzle.cells.push_back({{r, c}, CellName(r, c), cell.number, cell.entry >= 1 ? cell.entry : -1});
    }
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) {
      if (grid.cells[r][c].kind != kHexClue) continue;
      runhints::SumRun run{grid.cells[r][c].number, {}};
      for (int i : kRunOrder) {
        const HexPos p = Neighbour(r, c, i);
        if (p.row >= 1 && p.row <= rows && p.col >= 1 && p.col <= cols && index[p.row][p.col] >= 0)
          run.cells.push_back(index[p.row][p.col]);
      }
      if (!run.cells.empty()) puzzle.runs.push_back(std::move(run));
    }
  return runhints::FindRunHint(puzzle);
}

Hint HexKakuroPlayAdapter::NextHint() const { return FindHint(settings_, block_); }

}  // namespace zorvek::hexkakuro

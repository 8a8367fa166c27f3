#include "core/hexkakuro/record.h"

#include <cstring>

#include "core/common/types.h"
#include "core/hexkakuro/geometry.h"

namespace zorvek::hexkakuro {
namespace {

bool CellIsValid(const HexGridCell& cell, int r, int c, int rows, int cols) {
  const bool inField = r >= 1 && r <= rows && c >= 1 && c <= cols;
  switch (cell.kind) {
    case kHexNone:
      break;
    case kHexClue:
      if (!inField || !IsCluePosition(r, c)) return false;
      if (cell.number < 0 || cell.number > 39 || cell.count < 0 || cell.count > 6) return false;
      break;
    case kHexRemoved:
      if (!inField || !IsWhitePosition(r, c, rows)) return false;
      break;
    case kHexWhite:
      if (!inField || !IsWhitePosition(r, c, rows)) return false;
      if (cell.number < 1 || cell.number > 9) return false;
      break;
    default:
      return false;
  }
  if (cell.entry > 9 || cell.check > 2 || cell.textLength > 9) return false;
  for (std::uint8_t m : cell.marks)
    if (m > 1) return false;
  for (int i = 0; i < cell.textLength; ++i)
    if (cell.text[i] < '1' || cell.text[i] > '9') return false;
  return true;
}

}  // namespace

bool HasPuzzle(const HexGrid& grid) { return grid.cells[1][1].number >= 0; }

void MarkNoPuzzle(HexGrid& grid) { grid.cells[1][1].number = -1; }

bool BlocksAreValid(const HexHeader& settings, const HexGrid& grid) {
  if (settings.difficulty > kHard || settings.timerState > kTimerRunning ||
      settings.elapsed < 0 || !IsHexSize(settings.rows, settings.cols))
    return false;
  for (int r = 0; r < kGridRows; ++r)
    for (int c = 0; c < kGridCols; ++c)
      if (!CellIsValid(grid.cells[r][c], r, c, settings.rows, settings.cols)) return false;
  return true;
}


}  // namespace zorvek::hexkakuro

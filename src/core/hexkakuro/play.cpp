#include "core/hexkakuro/play.h"

#include <algorithm>
#include <cstring>

namespace zorvek::hexkakuro {
namespace {

bool InField(const HexHeader& s, int r, int c) {
  const int rows = std::clamp<int>(s.rows, 0, kGridRows - 1);
  const int cols = std::clamp<int>(s.cols, 0, kGridCols - 1);
  return r >= 1 && r <= rows && c >= 1 && c <= cols;
}

bool IsWhite(const HexHeader& s, const HexGrid& g, int r, int c) {
  return InField(s, r, c) && g.cells[r][c].kind == kHexWhite;
}

// Digits entered in the white cells around a clue, as flags 0..9.
void EnteredAround(const HexHeader& s, const HexGrid& g, int r, int c, bool (&entered)[10]) {
  for (int i = 1; i <= 6; ++i) {
    const HexPos n = Neighbour(r, c, i);
    if (!IsWhite(s, g, n.row, n.col)) continue;
    const int e = g.cells[n.row][n.col].entry;
    if (e >= 1 && e <= 9) entered[e] = true;
  }
}

}  // namespace

bool HexKakuroPlayAdapter::IsCell(int r, int c) const { return IsWhite(settings_, block_, r, c); }

bool IsClueCell(const HexHeader& settings, const HexGrid& grid, int r, int c) {
  return InField(settings, r, c) && grid.cells[r][c].kind == kHexClue;
}

std::string ClueCombinations::Title() const { return std::to_string(sum) + " in " + std::to_string(length); }

ClueCombinations CombinationsOfClue(const HexHeader& settings, const HexGrid& grid, int r, int c) {
  ClueCombinations out;
  if (!IsClueCell(settings, grid, r, c)) return out;
  const HexGridCell& clue = grid.cells[r][c];
  out.sum = clue.number;
  out.length = clue.count;
  if (out.length < 1 || out.length > 9 || out.sum < 1 || out.sum > 45) return out;
  bool entered[10] = {};
  EnteredAround(settings, grid, r, c, entered);
  out.list = sums::Load(out.length, out.sum, entered);
  return out;
}

bool NarrowClueMarks(const HexHeader& settings, HexGrid& grid, int r, int c) {
  const ClueCombinations clue = CombinationsOfClue(settings, grid, r, c);
  if (clue.length == 0) return false;
  bool changed = false;
  for (int i = 1; i <= 6; ++i) {
    const HexPos n = Neighbour(r, c, i);
    if (IsWhite(settings, grid, n.row, n.col))
      changed = sums::NarrowMarks(grid.cells[n.row][n.col].marks, 1, 9, clue.list) || changed;
  }
  return changed;
}

void CluesOfCell(const HexHeader& settings, const HexGrid& grid, int r, int c, HexPos& first,
                 HexPos& second) {
  auto clueAt = [&](int row, int col) { return IsClueCell(settings, grid, row, col) ? HexPos{row, col} : HexPos{}; };
  auto either = [&](int row, int col) {
    const HexPos a = clueAt(row, col);
    return a.row != 0 ? a : clueAt(row + 1, col);
  };
  if (c % 2 != 0) {
    first = clueAt(r - 1, c);
    second = clueAt(r + 1, c);
  } else {
    first = either(r, c - 1);
    second = either(r, c + 1);
  }
}

}  // namespace zorvek::hexkakuro

#include "core/kakuro/play.h"

#include <algorithm>
#include <cstring>

#include "core/play/cell_fields.h"


namespace zorvek::kakuro {

bool KakuroPlayAdapter::IsCell(int r, int c) const {
  return r >= 1 && c >= 1 && r <= header_.rows && c <= header_.cols && r < kGridRows && c < kGridCols &&
         cell(r, c).colour == kWhite;
}

void KakuroPlayAdapter::SetEntry(int r, int c, int digit) {
  // The model's 0 is "no entry"; the block keeps -1 for that.
  cell(r, c).entry = static_cast<std::int8_t>(digit >= 1 && digit <= 9 ? digit : -1);
}

bool KakuroPlayAdapter::Mark(int r, int c, int digit) const { return MarkOf(cell(r, c).pencil, digit, 0, 9); }

void KakuroPlayAdapter::SetMark(int r, int c, int digit, bool on) {
  SetMarkOf(cell(r, c).pencil, digit, 0, 9, on);
}

std::string KakuroPlayAdapter::Text(int r, int c) const { return TypedText(cell(r, c)); }

void KakuroPlayAdapter::SetText(int r, int c, std::string_view text) { SetTypedText(cell(r, c), text); }

int KakuroPlayAdapter::Check(int r, int c) const {
  const int mark = cell(r, c).mark;
  return mark == 3 ? 1 : mark == 4 ? 2 : 0;
}

void KakuroPlayAdapter::SetCheck(int r, int c, int mark) {
  cell(r, c).mark = static_cast<std::uint8_t>(mark == 1 ? 3 : mark == 2 ? 4 : 0);
}

namespace {

bool InPuzzle(const KakHeader& h, int r, int c) {
  return r >= 0 && c >= 0 && r <= h.rows && c <= h.cols && r < kGridRows && c < kGridCols;
}

}  // namespace

KakRun ClueRun(const KakHeader& header, const KakGrid& grid, int row, int col, bool down) {
  KakRun run;
  if (!InPuzzle(header, row, col)) return run;
  const KakCell& head = grid.cells[row][col];
  if (head.colour != kBlack) return run;
  const int sum = down ? head.downSum : head.sum;
  const int length = down ? head.downLength : head.acrossLength;
  if (sum < 1 || length < 1) return run;
  run.row = row;
  run.col = col;
  run.down = down;
  run.sum = sum;
  run.length = length;
  // A run never reaches past the puzzle or into a black cell, whatever the block claims.
  int n = 0;
  while (n < run.length && InPuzzle(header, run.CellRow(n), run.CellCol(n)) &&
         grid.cells[run.CellRow(n)][run.CellCol(n)].colour == kWhite)
    ++n;
  run.length = n;
  if (n == 0) run = KakRun{};
  return run;
}

KakRun RunOfCell(const KakHeader& header, const KakGrid& grid, int row, int col, bool down) {
  if (!InPuzzle(header, row, col) || grid.cells[row][col].colour != kWhite) return KakRun{};
  int r = row, c = col;
  while (InPuzzle(header, r, c) && grid.cells[r][c].colour == kWhite) down ? --r : --c;
  return ClueRun(header, grid, r, c, down);
}

sums::Combinations RunCombinations(const KakGrid& grid, const KakRun& run) {
  bool entered[10] = {};
  for (int k = 0; k < run.length; ++k) {
    const KakCell& cell = grid.cells[run.CellRow(k)][run.CellCol(k)];
    if (cell.entry >= 0 && cell.entry <= 9) entered[cell.entry] = true;
  }
  return sums::Load(run.Valid() ? run.length : 0, run.sum, entered);
}

void ClearCellMarks(const KakHeader& header, KakGrid& grid) {
  for (int r = 0; r <= header.rows && r < kGridRows; ++r)
    for (int c = 0; c <= header.cols && c < kGridCols; ++c) grid.cells[r][c].mark = 0;
}

sums::Combinations SelectClue(KakGrid& grid, const KakRun& run, bool applyMarks) {
  sums::Combinations list = RunCombinations(grid, run);
  if (applyMarks && run.Valid())
    for (int k = 0; k < run.length; ++k) sums::NarrowMarks(grid.cells[run.CellRow(k)][run.CellCol(k)].pencil, 0, 10, list);
  return list;
}

KakRun StartingClue(const KakHeader& header, const KakGrid& grid) {
  for (int c = 0; c < header.cols && c + 1 < kGridCols; ++c) {
    if (grid.cells[1][c].colour == kBlack && grid.cells[1][c + 1].colour == kWhite)
      return ClueRun(header, grid, 1, c, false);
  }
  return KakRun{};
}

}  // namespace zorvek::kakuro

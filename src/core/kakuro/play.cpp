#include "core/kakuro/play.h"

#include <algorithm>
#include <cstring>

#include "core/kakuro/tables.h"

namespace zorvek::kakuro {

bool KakuroPlayAdapter::IsCell(int r, int c) const {
  return r >= 1 && c >= 1 && r <= header_.rows && c <= header_.cols && r < kGridRows && c < kGridCols &&
         cell(r, c).colour == kWhite;
}

void KakuroPlayAdapter::SetEntry(int r, int c, int digit) {
  // The model's 0 is "no entry"; the block keeps -1 for that.
  cell(r, c).entry = static_cast<std::int8_t>(digit >= 1 && digit <= 9 ? digit : -1);
}

bool KakuroPlayAdapter::Mark(int r, int c, int digit) const {
  return digit >= 0 && digit <= 9 && cell(r, c).pencil[digit] != 0;
}

void KakuroPlayAdapter::SetMark(int r, int c, int digit, bool on) {
  if (digit >= 0 && digit <= 9) cell(r, c).pencil[digit] = on ? 1 : 0;
}

std::string KakuroPlayAdapter::Text(int r, int c) const {
  const KakCell& x = cell(r, c);
  return std::string(x.text, std::min<std::size_t>(x.textLength, sizeof x.text));
}

void KakuroPlayAdapter::SetText(int r, int c, std::string_view text) {
  KakCell& x = cell(r, c);
  const std::size_t n = std::min(text.size(), sizeof x.text);
  std::memset(x.text, 0, sizeof x.text);
  std::memcpy(x.text, text.data(), n);
  x.textLength = static_cast<std::uint8_t>(n);
}

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

KakComboList LoadCombinations(const KakRun& run) {
  KakComboList list;
  if (!run.Valid()) return list;
  const std::string& all = KakCombos(run.length, run.sum);
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find('/', start);
    if (end == std::string::npos) end = all.size();
    if (end > start) list.entries.push_back(all.substr(start, end - start));
    start = end + 1;
  }
  list.active.assign(list.entries.size(), true);
  return list;
}

void FilterCombinations(const KakGrid& grid, const KakRun& run, KakComboList& list) {
  std::fill(std::begin(list.entered), std::end(list.entered), false);
  std::fill(std::begin(list.possible), std::end(list.possible), false);
  if (!run.Valid()) return;
  for (int k = 0; k < run.length; ++k) {
    const KakCell& cell = grid.cells[run.CellRow(k)][run.CellCol(k)];
    if (cell.entry >= 0 && cell.entry <= 9) list.entered[cell.entry] = true;
  }
  for (std::size_t i = 0; i < list.entries.size(); ++i) {
    bool active = true;
    for (int d = 0; d <= 9; ++d)
      if (list.entered[d] && list.entries[i].find(static_cast<char>('0' + d)) == std::string::npos) active = false;
    list.active[i] = active;
    if (!active) continue;
    for (char ch : list.entries[i])
      if (ch >= '0' && ch <= '9') list.possible[ch - '0'] = true;
  }
}

void ApplyComboPencilMarks(KakGrid& grid, const KakRun& run, const KakComboList& list) {
  if (!run.Valid()) return;
  for (int k = 0; k < run.length; ++k) {
    KakCell& cell = grid.cells[run.CellRow(k)][run.CellCol(k)];
    const bool hadMarks = std::any_of(std::begin(cell.pencil), std::end(cell.pencil), [](std::uint8_t p) { return p != 0; });
    for (int d = 0; d <= 9; ++d) {
      const bool candidate = list.possible[d] && !list.entered[d];
      cell.pencil[d] = candidate && (!hadMarks || cell.pencil[d] != 0) ? 1 : 0;
    }
  }
}

void ClearCellMarks(const KakHeader& header, KakGrid& grid) {
  for (int r = 0; r <= header.rows && r < kGridRows; ++r)
    for (int c = 0; c <= header.cols && c < kGridCols; ++c) grid.cells[r][c].mark = 0;
}

KakComboList SelectClue(KakGrid& grid, const KakRun& run, bool applyMarks) {
  KakComboList list = LoadCombinations(run);
  FilterCombinations(grid, run, list);
  if (applyMarks) ApplyComboPencilMarks(grid, run, list);
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

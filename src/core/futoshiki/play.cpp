#include "core/futoshiki/play.h"

#include <algorithm>
#include <cstring>

namespace zorvek::futoshiki {

void FutoshikiPlayAdapter::AddPencilmarks() { futoshiki::AddPencilmarks(settings_, block_); }
void FutoshikiPlayAdapter::ReducePencilmarks() { futoshiki::ReducePencilmarks(settings_, block_); }

namespace {

bool Open(const FutGridCell& x) { return x.given == 0 && x.entry == 0; }

bool AnyMark(const FutGridCell& x, int n) {
  return std::any_of(x.marks, x.marks + n, [](std::uint8_t m) { return m != 0; });
}

void MarksFromText(FutGridCell& x, int n) {
  std::fill(std::begin(x.marks), std::end(x.marks), 0);
  const int length = std::min<int>(x.textLength, sizeof x.text);
  for (int i = 0; i < length; ++i) {
    const int d = x.text[i] - '0';
    if (d >= 1 && d <= n) x.marks[d - 1] = 1;
  }
}

void TextFromMarks(FutGridCell& x, int n) {
  std::memset(x.text, 0, sizeof x.text);
  int length = 0;
  for (int d = 1; d <= n; ++d)
    if (x.marks[d - 1]) x.text[length++] = static_cast<char>('0' + d);
  x.textLength = static_cast<std::uint8_t>(length);
}

// The digit a cell is known to hold, or 0.
int Known(const FutGridCell& x) { return x.given ? x.solution : x.entry; }

}  // namespace

void AddPencilmarks(const FutHeader& header, FutGrid& grid) {
  const int n = PlaySize(header);
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      FutGridCell& x = grid.cells[r][c];
      if (Open(x) && !AnyMark(x, n)) std::fill(x.marks, x.marks + n, 1);
    }
  }
}

void ReducePencilmarks(const FutHeader& header, FutGrid& grid) {
  const int n = PlaySize(header);
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      const int digit = Known(grid.cells[r][c]);
      if (digit < 1 || digit > n) continue;
      for (int i = 0; i < n; ++i) {
        for (FutGridCell* p : {&grid.cells[r][i], &grid.cells[i][c]})
          if (Open(*p)) p->marks[digit - 1] = 0;
      }
    }
  }
}

bool HasSign(const FutHeader& header, const FutGrid& grid, int row, int col, bool down) {
  const int n = PlaySize(header);
  if (row < 0 || col < 0 || row >= n || col >= n || (down ? row : col) + 1 >= n) return false;
  const FutGridCell& x = grid.cells[row][col];
  const int sign = down ? x.signDown : x.signRight;
  return sign == 1 || sign == 2;
}

bool SignClick(const FutHeader& header, FutGrid& grid, int row, int col, bool down, bool typeMode) {
  if (!HasSign(header, grid, row, col, down)) return false;
  const int n = PlaySize(header);
  FutGridCell& a = grid.cells[row][col];
  const int sign = down ? a.signDown : a.signRight;
  FutGridCell& b = down ? grid.cells[row + 1][col] : grid.cells[row][col + 1];

  for (FutGridCell* x : {&a, &b}) {
    if (!Open(*x)) continue;
    if (typeMode) MarksFromText(*x, n);
    if (!AnyMark(*x, n)) std::fill(x->marks, x->marks + n, 1);
  }
  FutGridCell& g = sign == 1 ? a : b;
  FutGridCell& s = sign == 1 ? b : a;
  // Both bounds are read before either cell changes.
  int maxG = Known(g), minS = Known(s);
  if (maxG == 0)
    for (int d = n; d >= 1 && maxG == 0; --d)
      if (g.marks[d - 1]) maxG = d;
  if (minS == 0)
    for (int d = 1; d <= n && minS == 0; ++d)
      if (s.marks[d - 1]) minS = d;
  if (Open(g))
    for (int d = 1; d <= std::min(minS, n); ++d) g.marks[d - 1] = 0;
  if (Open(s) && maxG >= 1)
    for (int d = maxG; d <= n; ++d) s.marks[d - 1] = 0;
  if (typeMode)
    for (FutGridCell* x : {&a, &b})
      if (Open(*x)) TextFromMarks(*x, n);
  return true;
}

}  // namespace zorvek::futoshiki

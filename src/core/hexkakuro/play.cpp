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
std::array<bool, 10> EnteredAround(const HexHeader& s, const HexGrid& g, int r, int c) {
  std::array<bool, 10> entered{};
  for (int i = 1; i <= 6; ++i) {
    const HexPos n = Neighbour(r, c, i);
    if (!IsWhite(s, g, n.row, n.col)) continue;
    const int e = g.cells[n.row][n.col].entry;
    if (e >= 1 && e <= 9) entered[e] = true;
  }
  return entered;
}

}  // namespace

bool HexKakuroPlayAdapter::IsCell(int r, int c) const { return IsWhite(settings_, grid_, r, c); }

void HexKakuroPlayAdapter::SetEntry(int r, int c, int digit) {
  cell(r, c).entry = static_cast<std::uint8_t>(digit >= 0 && digit <= 9 ? digit : 0);
}

bool HexKakuroPlayAdapter::Mark(int r, int c, int digit) const {
  return digit >= 1 && digit <= 9 && cell(r, c).marks[digit - 1] != 0;
}

void HexKakuroPlayAdapter::SetMark(int r, int c, int digit, bool on) {
  if (digit >= 1 && digit <= 9) cell(r, c).marks[digit - 1] = on ? 1 : 0;
}

std::string HexKakuroPlayAdapter::Text(int r, int c) const {
  const HexGridCell& x = cell(r, c);
  return std::string(x.text, std::min<std::size_t>(x.textLength, sizeof x.text));
}

void HexKakuroPlayAdapter::SetText(int r, int c, std::string_view text) {
  HexGridCell& x = cell(r, c);
  const std::size_t n = std::min(text.size(), sizeof x.text);
  std::memset(x.text, 0, sizeof x.text);
  std::memcpy(x.text, text.data(), n);
  x.textLength = static_cast<std::uint8_t>(n);
}

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
  const std::string& text = HexCombos()[out.length][out.sum];
  const std::array<bool, 10> entered = EnteredAround(settings, grid, r, c);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('/', start);
    if (end == std::string::npos) end = text.size();
    std::string combo = text.substr(start, end - start);
    bool alive = true;
    for (int d = 1; d <= 9; ++d)
      if (entered[d] && combo.find(static_cast<char>('0' + d)) == std::string::npos) alive = false;
    out.combos.push_back(std::move(combo));
    out.alive.push_back(alive);
    start = end + 1;
  }
  return out;
}

bool NarrowClueMarks(const HexHeader& settings, HexGrid& grid, int r, int c) {
  const ClueCombinations list = CombinationsOfClue(settings, grid, r, c);
  if (list.length == 0) return false;
  std::array<bool, 10> possible{};
  for (std::size_t i = 0; i < list.combos.size(); ++i)
    if (list.alive[i])
      for (char ch : list.combos[i])
        if (ch >= '1' && ch <= '9') possible[ch - '0'] = true;
  const std::array<bool, 10> entered = EnteredAround(settings, grid, r, c);
  bool changed = false;
  for (int i = 1; i <= 6; ++i) {
    const HexPos n = Neighbour(r, c, i);
    if (!IsWhite(settings, grid, n.row, n.col)) continue;
    HexGridCell& cell = grid.cells[n.row][n.col];
    const bool hadMarks = std::any_of(std::begin(cell.marks), std::end(cell.marks), [](std::uint8_t m) { return m != 0; });
    for (int d = 1; d <= 9; ++d) {
      const bool usable = possible[d] && !entered[d];
      const std::uint8_t mark = usable && (!hadMarks || cell.marks[d - 1] != 0) ? 1 : 0;
      changed = changed || mark != cell.marks[d - 1];
      cell.marks[d - 1] = mark;
    }
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

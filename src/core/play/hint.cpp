#include "core/play/hint.h"

#include <algorithm>

#include "core/play/play.h"

namespace zorvek {

std::string CellName(int shownRow, int shownCol) {
  std::string name = "r";
  name += std::to_string(shownRow);
  name += 'c';
  name += std::to_string(shownCol);
  return name;
}

std::string DigitList(std::uint16_t digits) {
  std::vector<int> list;
  for (int d = 0; d <= 9; ++d)
    if (digits >> d & 1u) list.push_back(d);
  std::string out;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i > 0) out += i + 1 == list.size() ? " and " : ", ";
    out += std::to_string(list[i]);
  }
  return out;
}

std::string RemovalList(const std::vector<std::pair<std::string, std::uint16_t>>& removals) {
  std::vector<std::pair<std::string, std::uint16_t>> perCell;
  for (const auto& [name, digits] : removals) {
    bool seen = false;
    for (auto& [cell, all] : perCell)
      if (cell == name) all = static_cast<std::uint16_t>(all | digits), seen = true;
    if (!seen) perCell.push_back({name, digits});
  }
  std::vector<std::pair<std::uint16_t, std::string>> groups;
  for (const auto& [cell, digits] : perCell) {
    bool seen = false;
    for (auto& [groupDigits, names] : groups)
      if (groupDigits == digits) names += ' ' + cell, seen = true;
    if (!seen) groups.push_back({digits, cell});
  }
  std::string text;
  for (const auto& [digits, names] : groups)
    text += (text.empty() ? "" : ", ") + DigitList(digits) + " from " + names;
  return text;
}

Hint NoStepHint() {
  Hint hint;
  hint.technique = "No logical step found";
  return hint;
}

std::string HintLine(const Hint& hint) {
  if (!hint.Found()) return hint.technique.empty() ? "No hint" : hint.technique;
  std::string line = hint.technique + ": " + hint.conclusion;
  if (!hint.cellsText.empty()) line += " (" + hint.cellsText + ")";
  return line;
}

namespace {

// Takes the digits out of a cell's notes: its pencil marks and, while it has
// no entry, the digits typed into it.
void RemoveNotes(PlayAdapter& adapter, const HintRemoval& removal) {
  const int r = removal.cell.row, c = removal.cell.col;
  for (int d = adapter.MarkLow(); d <= adapter.MarkHigh(); ++d)
    if (removal.digits >> d & 1u) adapter.SetMark(r, c, d, false);
  if (adapter.Entry(r, c) != 0) return;
  std::string text = adapter.Text(r, c);
  std::erase_if(text, [&](char ch) { return ch >= '0' && ch <= '9' && (removal.digits >> (ch - '0') & 1u); });
  adapter.SetText(r, c, text);
}

bool OnBoard(const PlayAdapter& adapter, const HintCell& cell) {
  return cell.row >= 0 && cell.row < adapter.Rows() && cell.col >= 0 && cell.col < adapter.Cols() &&
         adapter.IsCell(cell.row, cell.col) && !adapter.IsGiven(cell.row, cell.col);
}

}  // namespace

bool ApplyHint(PlayAdapter& adapter, const Hint& hint) {
  if (!hint.Found() || !OnBoard(adapter, hint.target)) return false;
  for (const HintRemoval& removal : hint.removals)
    if (OnBoard(adapter, removal.cell)) RemoveNotes(adapter, removal);
  const int r = hint.target.row, c = hint.target.col;
  if (hint.type == Hint::Type::WrongEntry) {
    adapter.SetEntry(r, c, 0);
    adapter.SetText(r, c, "");
  } else {
    adapter.SetEntry(r, c, hint.digit);
    adapter.SetText(r, c, std::string(1, static_cast<char>('0' + hint.digit)));
  }
  return true;
}

std::vector<Hint> LogicalPath(PlayAdapter& adapter, int maxSteps) {
  std::vector<Hint> path;
  while (static_cast<int>(path.size()) < maxSteps) {
    Hint hint = adapter.NextHint();
    if (!ApplyHint(adapter, hint)) break;
    // A digit the cell cannot hold (Kakuro's 0 as "no entry") would be offered again and again.
    if (adapter.Entry(hint.target.row, hint.target.col) != hint.digit) break;
    path.push_back(std::move(hint));
  }
  return path;
}

}  // namespace zorvek

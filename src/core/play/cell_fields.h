#pragma once
// The player's fields every kind's cell record holds alike: typed text as a
// length byte and nine characters, and one pencil-mark byte per digit. The
// adapters read and write them through these, whatever the record.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "core/play/play.h"

namespace zorvek {

template <class Cell>
std::string TypedText(const Cell& x) {
  return std::string(x.text, std::min<std::size_t>(x.textLength, sizeof x.text));
}

template <class Cell>
void SetTypedText(Cell& x, std::string_view text) {
  const std::size_t n = std::min(text.size(), sizeof x.text);
  std::memset(x.text, 0, sizeof x.text);
  std::memcpy(x.text, text.data(), n);
  x.textLength = static_cast<std::uint8_t>(n);
}

// Pencil marks kept one byte per digit, the first byte for digit `first`;
// digits outside first..last are never marked.
template <std::size_t N>
bool MarkOf(const std::uint8_t (&marks)[N], int digit, int first, int last) {
  return digit >= first && digit <= last && digit - first < int(N) && marks[digit - first] != 0;
}

template <std::size_t N>
void SetMarkOf(std::uint8_t (&marks)[N], int digit, int first, int last, bool on) {
  if (digit >= first && digit <= last && digit - first < int(N)) marks[digit - first] = on ? 1 : 0;
}

// A kind's adapter over its settings block and its puzzle block, for the
// records whose cells hold the player's fields alike (entry, marks for the
// digits 1 on, typed text, check byte). The kind adds which cells play, the
// givens and solutions, and its clock fields.
template <class Settings, class Block>
class RecordAdapter : public PlayAdapter {
 public:
  using Cell = std::remove_reference_t<decltype(std::declval<Block&>().cells[0][0])>;

  RecordAdapter(Settings& settings, Block& block) : settings_(settings), block_(block) {}

  int Entry(int r, int c) const override { return cell(r, c).entry; }
  void SetEntry(int r, int c, int digit) override {
    cell(r, c).entry = static_cast<std::uint8_t>(digit >= 0 && digit <= MarkHigh() ? digit : 0);
  }
  bool Mark(int r, int c, int digit) const override { return MarkOf(cell(r, c).marks, digit, 1, MarkHigh()); }
  void SetMark(int r, int c, int digit, bool on) override { SetMarkOf(cell(r, c).marks, digit, 1, MarkHigh(), on); }
  std::string Text(int r, int c) const override { return TypedText(cell(r, c)); }
  void SetText(int r, int c, std::string_view text) override { SetTypedText(cell(r, c), text); }
  int Check(int r, int c) const override { return cell(r, c).check; }
  void SetCheck(int r, int c, int mark) override { cell(r, c).check = static_cast<std::uint8_t>(mark); }

 protected:
  Cell& cell(int r, int c) { return block_.cells[r][c]; }
  const Cell& cell(int r, int c) const { return block_.cells[r][c]; }
  Settings& settings_;
  Block& block_;
};

}  // namespace zorvek

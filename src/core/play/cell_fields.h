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

}  // namespace zorvek

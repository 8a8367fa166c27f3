#include "core/common/sums.h"

#include <algorithm>
#include <array>

namespace zorvek::sums {
namespace {

constexpr int kMaxLength = 9;
constexpr int kMaxSum = 45;
using Table = std::array<std::array<std::string, kMaxSum + 1>, kMaxLength + 1>;

// Depth-first from the smallest digit up, so the sets come out in order.
void AddSets(Table& table, int length, int first, int chosen, int sum, char* digits) {
  if (chosen == length) {
    std::string& entry = table[length][sum];
    if (!entry.empty()) entry += '/';
    for (int i = 0; i < length; ++i) {
      if (i > 0) entry += ',';
      entry += digits[i];
    }
    return;
  }
  for (int d = first; d <= 9; ++d) {
    digits[chosen] = static_cast<char>('0' + d);
    AddSets(table, length, d + 1, chosen + 1, sum + d, digits);
  }
}

}  // namespace

const std::string& CombinationText(int length, int sum) {
  static const Table table = [] {
    Table t;
    char digits[kMaxLength];
    for (int length = 2; length <= kMaxLength; ++length) AddSets(t, length, 1, 0, 0, digits);
    return t;
  }();
  static const std::string empty;
  if (length < 1 || length > kMaxLength || sum < 1 || sum > kMaxSum) return empty;
  return table[length][sum];
}

Combinations Load(int length, int sum, const bool (&entered)[10]) {
  Combinations list;
  std::copy(std::begin(entered), std::end(entered), std::begin(list.entered));
  const std::string& all = CombinationText(length, sum);
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find('/', start);
    if (end == std::string::npos) end = all.size();
    std::string set = all.substr(start, end - start);
    bool alive = true;
    for (int d = 0; d <= 9; ++d)
      if (entered[d] && set.find(static_cast<char>('0' + d)) == std::string::npos) alive = false;
    if (alive)
      for (char ch : set)
        if (ch >= '0' && ch <= '9') list.possible[ch - '0'] = true;
    list.entries.push_back(std::move(set));
    list.alive.push_back(alive);
    start = end + 1;
  }
  return list;
}

bool NarrowMarks(std::uint8_t* marks, int first, int count, const Combinations& list) {
  const bool hadMarks = std::any_of(marks, marks + count, [](std::uint8_t m) { return m != 0; });
  bool changed = false;
  for (int i = 0; i < count; ++i) {
    const int d = first + i;
    const bool candidate = d >= 0 && d <= 9 && list.possible[d] && !list.entered[d];
    const std::uint8_t mark = candidate && (!hadMarks || marks[i] != 0) ? 1 : 0;
    changed = changed || mark != marks[i];
    marks[i] = mark;
  }
  return changed;
}

}  // namespace zorvek::sums

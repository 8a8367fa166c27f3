#include "core/kakuro/tables.h"

#include <array>

namespace zorvek::kakuro {
namespace {

constexpr int kMaxLength = 9;
constexpr int kMaxSum = 45;

struct PossibleTable {
  char text[kMaxLength + 1][kMaxSum + 1][11];
};

constexpr PossibleTable BuildPossible() {
  PossibleTable t{};
  for (int length = 0; length <= kMaxLength; ++length)
    for (int sum = 0; sum <= kMaxSum; ++sum) {
      for (int d = 0; d < 10; ++d) t.text[length][sum][d] = '0';
      t.text[length][sum][10] = '\0';
    }
  // A one-cell run holds its sum itself, so 0..9 each name one digit.
  for (int sum = 0; sum <= 9; ++sum) t.text[1][sum][sum] = '1';
  for (int set = 1; set < (1 << 9); ++set) {
    int length = 0;
    int sum = 0;
    for (int d = 1; d <= 9; ++d)
      if (set & (1 << (d - 1))) {
        ++length;
        sum += d;
      }
    if (length < 2) continue;
    for (int d = 1; d <= 9; ++d)
      if (set & (1 << (d - 1))) t.text[length][sum][d] = '1';
  }
  return t;
}

constexpr PossibleTable kPossible = BuildPossible();

using ComboTable = std::array<std::array<std::string, kMaxSum + 1>, kMaxLength + 1>;

// Depth-first from the smallest digit up, so the sets come out in
// lexicographic order.
void AddSets(ComboTable& table, int length, int first, int chosen, int sum, char* digits) {
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

const ComboTable& Combos() {
  static const ComboTable table = [] {
    ComboTable t;
    char digits[kMaxLength];
    for (int length = 2; length <= kMaxLength; ++length) AddSets(t, length, 1, 0, 0, digits);
    return t;
  }();
  return table;
}

}  // namespace

const std::string& KakCombos(int length, int sum) {
  static const std::string empty;
  if (length < 1 || length > kMaxLength || sum < 1 || sum > kMaxSum) return empty;
  return Combos()[length][sum];
}

const char* KakPossibleDigits(int length, int sum) {
  if (length < 1 || length > kMaxLength || sum < 0 || sum > kMaxSum) return kPossible.text[0][0];
  return kPossible.text[length][sum];
}

bool LookupPossibleDigits(int length, int sum, std::uint8_t (&flags)[10]) {
  if (length < 1 || length > kMaxLength || sum < 1 || sum > kMaxSum) {
    for (auto& f : flags) f = 0;
    return false;
  }
  const char* text = kPossible.text[length][sum];
  for (int d = 0; d < 10; ++d) flags[d] = static_cast<std::uint8_t>(text[d] - '0');
  return true;
}

}  // namespace zorvek::kakuro

#include "core/kakuro/tables.h"


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

}  // namespace

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

#include "core/hexkakuro/geometry.h"

#include <bit>

namespace zorvek::hexkakuro {
namespace {

constexpr HexDigitTable BuildPossibleDigits() {
  HexDigitTable table{};
  for (int sum = 0; sum <= 9; ++sum) table[1][sum][sum] = 1;
  // Every set of digits 1..9 as a bit mask; bit d-1 stands for digit d.
  for (unsigned set = 1; set < 512; ++set) {
    const int length = std::popcount(set);
    if (length < 2 || length > 6) continue;
    int sum = 0;
    for (int d = 1; d <= 9; ++d)
      if (set & (1u << (d - 1))) sum += d;
    for (int d = 1; d <= 9; ++d)
      if (set & (1u << (d - 1))) table[length][sum][d] = 1;
  }
  return table;
}

constexpr HexDigitTable kPossibleDigits = BuildPossibleDigits();


}  // namespace

bool IsHexSize(int rows, int cols) {
  return (rows == kSmallRows && cols == kSmallCols) || (rows == kLargeRows && cols == kLargeCols);
}

bool IsCluePosition(int r, int c) {
  if (r < 1 || c < 1) return false;
  return (r % 2 == 1 && c % 4 == 3) || (r % 2 == 0 && c % 4 == 1);
}

bool IsWhitePosition(int r, int c, int rows) {
  if (r < 1 || r > rows - 1 || c < 1) return false;
  if (IsCluePosition(r, c)) return false;
  return !(r == 1 && c % 4 == 1);
}

HexPos Neighbour(int r, int c, int i) {
  const bool odd = c % 2 != 0;
  switch (i) {
    case 1: return odd ? HexPos{r - 1, c - 1} : HexPos{r, c - 1};
    case 2: return {r - 1, c};
    case 3: return odd ? HexPos{r - 1, c + 1} : HexPos{r, c + 1};
    case 4: return odd ? HexPos{r, c + 1} : HexPos{r + 1, c + 1};
    case 5: return {r + 1, c};
    default: return odd ? HexPos{r, c - 1} : HexPos{r + 1, c - 1};
  }
}

std::array<HexPos, 6> AdjacentClues(int r, int c) {
  return {HexPos{r - 1, c - 2}, HexPos{r - 2, c}, HexPos{r - 1, c + 2},
          HexPos{r + 1, c + 2}, HexPos{r + 2, c}, HexPos{r + 1, c - 2}};
}

const HexDigitTable& HexPossibleDigits() { return kPossibleDigits; }

bool LookupHexPossibleDigits(int length, int sum, DigitFlags& flags) {
  if (length < 1 || length > 6 || sum < 1 || sum > 39) return false;
  flags = kPossibleDigits[length][sum];
  return true;
}

}  // namespace zorvek::hexkakuro

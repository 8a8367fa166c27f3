#include "core/kakuro/tables.h"

#include "core/common/sums.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zorvek::kakuro {
namespace {

// Every listed set is distinct, in order, of the right length and total; every
// such set is listed; the possible digits are exactly the digits listed.
TEST(KakuroTables, CombinationsAndPossibleDigitsFollowTheRule) {
  for (int length = 0; length <= 10; ++length)
    for (int sum = -1; sum <= 46; ++sum) {
      SCOPED_TRACE(std::to_string(length) + "/" + std::to_string(sum));
      std::set<std::string> expected;
      std::string possible = "0000000000";
      for (int set = 0; set < 512 && length >= 2; ++set) {
        std::string text;
        int total = 0;
        for (int d = 1; d <= 9; ++d)
          if (set >> (d - 1) & 1) {
            if (!text.empty()) text += ',';
            text += static_cast<char>('0' + d);
            total += d;
          }
        if (__builtin_popcount(set) != length || total != sum) continue;
        expected.insert(text);
        for (int d = 1; d <= 9; ++d)
          if (set >> (d - 1) & 1) possible[d] = '1';
      }
      std::string joined;
      for (const std::string& s : expected) {
        if (!joined.empty()) joined += '/';
        joined += s;
      }
      EXPECT_EQ(sums::CombinationText(length, sum), joined);
      if (length < 2 || length > 9 || sum < 0 || sum > 45) continue;
      EXPECT_STREQ(KakPossibleDigits(length, sum), possible.c_str());
      std::uint8_t flags[10];
      ASSERT_EQ(LookupPossibleDigits(length, sum, flags), sum > 0);
      for (int d = 0; d <= 9; ++d) EXPECT_EQ(flags[d], possible[d] - '0');
    }
  // A single cell holds its sum; bounds outside the tables fail with no flags.
  EXPECT_STREQ(KakPossibleDigits(1, 0), "1000000000");
  std::uint8_t flags[10];
  ASSERT_TRUE(LookupPossibleDigits(1, 6, flags));
  for (int d = 0; d <= 9; ++d) EXPECT_EQ(flags[d], d == 6);
  for (auto [length, sum] : {std::pair{10, 20}, {3, 46}, {-1, 3}, {3, -2}}) {
    for (auto& f : flags) f = 7;
    EXPECT_FALSE(LookupPossibleDigits(length, sum, flags)) << length << "/" << sum;
    for (auto f : flags) EXPECT_EQ(f, 0);
  }
}

}  // namespace
}  // namespace zorvek::kakuro

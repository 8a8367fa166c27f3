#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/kakuro/tables.h"

namespace zorvek::kakuro {
namespace {

TEST(KakuroTables, CombinationTextIsListedInOrder) {
  EXPECT_EQ(KakCombos(2, 3), "1,2");
  EXPECT_EQ(KakCombos(2, 10), "1,9/2,8/3,7/4,6");
  EXPECT_EQ(KakCombos(3, 6), "1,2,3");
  EXPECT_EQ(KakCombos(3, 15), "1,5,9/1,6,8/2,4,9/2,5,8/2,6,7/3,4,8/3,5,7/4,5,6");
  EXPECT_EQ(KakCombos(4, 30), "6,7,8,9");
  EXPECT_EQ(KakCombos(9, 45), "1,2,3,4,5,6,7,8,9");
  EXPECT_EQ(KakCombos(2, 17), "8,9");
  // Impossible pairs, one-cell runs and out-of-range indices have no list.
  EXPECT_EQ(KakCombos(2, 2), "");
  EXPECT_EQ(KakCombos(9, 44), "");
  EXPECT_EQ(KakCombos(1, 5), "");
  EXPECT_EQ(KakCombos(0, 5), "");
  EXPECT_EQ(KakCombos(10, 45), "");
  EXPECT_EQ(KakCombos(3, 0), "");
  EXPECT_EQ(KakCombos(3, 46), "");
}

TEST(KakuroTables, PossibleDigitsExamples) {
  EXPECT_STREQ(KakPossibleDigits(1, 0), "1000000000");
  EXPECT_STREQ(KakPossibleDigits(1, 7), "0000000100");
  EXPECT_STREQ(KakPossibleDigits(1, 10), "0000000000");
  EXPECT_STREQ(KakPossibleDigits(2, 4), "0101000000");
  EXPECT_STREQ(KakPossibleDigits(2, 9), "0111111110");
  EXPECT_STREQ(KakPossibleDigits(8, 36), "0111111110");
  EXPECT_STREQ(KakPossibleDigits(9, 45), "0111111111");
  EXPECT_STREQ(KakPossibleDigits(3, 5), "0000000000");
}

// Every list entry is a valid set for its pair, every set is listed once, and
// the possible digits are exactly the digits the list mentions.
TEST(KakuroTables, TablesAgreeWithEachOtherAndTheRule) {
  for (int length = 2; length <= 9; ++length)
    for (int sum = 1; sum <= 45; ++sum) {
      std::set<int> expected;  // subsets as bit masks
      for (int set = 0; set < 512; ++set) {
        int n = 0, total = 0;
        for (int d = 1; d <= 9; ++d)
          if (set >> (d - 1) & 1) ++n, total += d;
        if (n == length && total == sum) expected.insert(set);
      }
      std::set<int> listed;
      std::string possible = "0000000000";
      std::string previous;
      const std::string& text = KakCombos(length, sum);
      std::size_t start = 0;
      while (start < text.size()) {
        std::size_t end = text.find('/', start);
        if (end == std::string::npos) end = text.size();
        const std::string entry = text.substr(start, end - start);
        if (!previous.empty()) {
          EXPECT_LT(previous, entry) << length << "/" << sum;
        }
        previous = entry;
        int set = 0;
        for (char ch : entry)
          if (ch != ',') {
            set |= 1 << (ch - '1');
            possible[ch - '0'] = '1';
          }
        EXPECT_EQ(entry.size(), static_cast<std::size_t>(2 * length - 1));
        EXPECT_TRUE(listed.insert(set).second);
        start = end + 1;
      }
      EXPECT_EQ(listed, expected) << length << "/" << sum;
      EXPECT_EQ(KakPossibleDigits(length, sum), possible) << length << "/" << sum;
    }
}

TEST(KakuroTables, LookupGivesFlagsOrFails) {
  std::uint8_t flags[10];
  ASSERT_TRUE(LookupPossibleDigits(9, 45, flags));
  EXPECT_EQ(flags[0], 0);
  for (int d = 1; d <= 9; ++d) EXPECT_EQ(flags[d], 1);
  ASSERT_TRUE(LookupPossibleDigits(2, 4, flags));
  for (int d = 0; d <= 9; ++d) EXPECT_EQ(flags[d], d == 1 || d == 3 ? 1 : 0);
  ASSERT_TRUE(LookupPossibleDigits(1, 6, flags));
  for (int d = 0; d <= 9; ++d) EXPECT_EQ(flags[d], d == 6 ? 1 : 0);

  for (auto [length, sum] : {std::pair{2, 0}, {10, 20}, {0, 5}, {3, 46}, {-1, 3}, {3, -2}}) {
    for (auto& f : flags) f = 7;
    EXPECT_FALSE(LookupPossibleDigits(length, sum, flags)) << length << "/" << sum;
    for (auto f : flags) EXPECT_EQ(f, 0);
  }
}

}  // namespace
}  // namespace zorvek::kakuro

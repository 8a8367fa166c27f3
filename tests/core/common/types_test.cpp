#include <gtest/gtest.h>

#include <vector>

#include "core/common/random.h"
#include "core/common/types.h"

using namespace zorvek;

TEST(FormatElapsed, ShowsHoursOnlyWhenPresent) {
  EXPECT_EQ(FormatElapsed(0), "00:00");
  EXPECT_EQ(FormatElapsed(65), "01:05");
  EXPECT_EQ(FormatElapsed(3599), "59:59");
  EXPECT_EQ(FormatElapsed(3600), "1:00:00");
  EXPECT_EQ(FormatElapsed(3725), "1:02:05");
  EXPECT_EQ(FormatElapsed(-5), "00:00");
}

// The draws themselves are pinned by the golden digests.
TEST(Random, StaysInRangeAndCoversItEvenly) {
  Random r(7);
  int counts[9] = {};
  for (int i = 0; i < 90000; ++i) {
    const int v = r(9);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 9);
    ++counts[v];
  }
  for (int c : counts) EXPECT_NEAR(c, 10000, 400);
  EXPECT_EQ(r(1), 0);
  EXPECT_EQ(r(0), 0);
}

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "core/common/puzfile.h"
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

TEST(Random, SameSeedSameSequenceOnEveryPlatform) {
  Random a(42), b(42), c(43);
  std::vector<int> sa, sb, sc;
  for (int i = 0; i < 50; ++i) {
    sa.push_back(a(1000));
    sb.push_back(b(1000));
    sc.push_back(c(1000));
  }
  EXPECT_EQ(sa, sb);
  EXPECT_NE(sa, sc);
}

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

TEST(PuzFile, RejectMessageNamesTheOtherKind) {
  const PuzHeader k = MakePuzHeader(kKindKakuro);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&k);
  EXPECT_EQ(PuzRejectMessage(kKindSudoku, bytes, sizeof k),
            "Error reading Sudoku puzzle file.\n\r\n\rThe file you have accessed is a Kakuro puzzle.");
  const PuzHeader s = MakePuzHeader(kKindSudoku);
  EXPECT_EQ(PuzRejectMessage(kKindKakuro, reinterpret_cast<const std::uint8_t*>(&s), sizeof s),
            "Error reading Kakuro puzzle file.\n\r\n\rThe file you have accessed is a Sudoku puzzle.");
  // Its own magic, garbage, or nothing: unrecognized.
  EXPECT_EQ(PuzRejectMessage(kKindSudoku, reinterpret_cast<const std::uint8_t*>(&s), sizeof s),
            "Error reading Sudoku puzzle file.\n\r\n\rUnrecognized file format.");
  const std::uint8_t junk[8] = {4, 'Q', 'V', 'Z', 'X'};
  EXPECT_EQ(KindOfMagic(junk, sizeof junk), -1);
  const std::uint8_t wrongLength[8] = {3, 'Q', 'V', 'Z', 'S'};
  EXPECT_EQ(KindOfMagic(wrongLength, sizeof wrongLength), -1);
  EXPECT_EQ(PuzRejectMessage(kKindHexKakuro, nullptr, 0),
            "Error reading HexKakuro puzzle file.\n\r\n\rUnrecognized file format.");
}

TEST(PuzFile, DefaultNamesCarryStemSizeAndNextCounter) {
  EXPECT_EQ(DefaultPuzFileName(kKindSudoku, kMedium, "", 3), "SudokuMedium_4");
  EXPECT_EQ(DefaultPuzFileName(kKindKakuro, kHard, "12x14", 2), "KakuroHard12x14_3");
  EXPECT_EQ(DefaultPuzFileName(kKindFutoshiki, kMedium, "7", 3), "FutoshikiMedium7_4");
}

TEST(PuzFile, AtomicWriteReplacesWholeFileOrNothing) {
  const auto dir = std::filesystem::temp_directory_path() / "zorvek_common_test";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "a.bin").string();
  ASSERT_TRUE(WriteFileAtomic(path, "first", 5));
  ASSERT_TRUE(WriteFileAtomic(path, "xy", 2));
  auto bytes = ReadFilePrefix(path, 100);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "xy");
  // A write that cannot happen leaves the old file and no temporary behind.
  EXPECT_FALSE(WriteFileAtomic((dir / "missing" / "b.bin").string(), "zz", 2));
  bytes = ReadFilePrefix(path, 100);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "xy");
  EXPECT_FALSE(std::filesystem::exists(path + ".zorvek-tmp"));
  EXPECT_TRUE(ReadFilePrefix((dir / "nope").string(), 10).empty());
  std::filesystem::remove_all(dir);
}

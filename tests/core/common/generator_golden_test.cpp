// Sudoku and Futoshiki generator output pinned by digest: the first steps of
// every golden set must hash exactly as recorded before the engines were sped
// up, so no change to a solver or generator may alter a puzzle, an attempt
// count or the random draws behind them. The generator_golden tool checks the
// same sets in full (1000 puzzles or 20000 attempts each) against
// bench/golden_digests.txt.
#include <gtest/gtest.h>

#include <cstdint>

#include "bench/golden_sets.h"
#include "support/capped.h"

namespace zorvek::golden {
namespace {

struct Pinned {
  const char* set;
  int steps;
  std::uint64_t digest;
};

constexpr Pinned kSudokuDigests[] = {
    {"sudoku/print/easy", 3, 0xac2ec13704f5e45dULL},
    {"sudoku/print/medium", 3, 0xa7ae2da5ebd1972cULL},
    {"sudoku/print/hard", 2, 0x9ff0384a7d7e0205ULL},
    {"sudoku/interactive/easy", 3, 0x04c60db878084f60ULL},
    {"sudoku/interactive/medium", 3, 0xa544259d87bc77e5ULL},
    {"sudoku/interactive/hard", 1, 0xcb15b8cfb09d9de8ULL},
    {"sudoku/attempt/easy", 100, 0xe9a8fca06ce6efdcULL},
    {"sudoku/attempt/medium", 100, 0xe04aeb11d0b6f8feULL},
    {"sudoku/attempt/hard", 100, 0xeb528cd9943791f4ULL},
    {"sudoku/startup", 3, 0xdc2bd2e61009a65fULL},
};

constexpr Pinned kFutoshikiDigests[] = {
    {"futoshiki/print/easy5", 2, 0x660eacdaa7e57369ULL},
    {"futoshiki/interactive/easy5", 1, 0xd89ad8d7cf7e692aULL},
    {"futoshiki/attempt/easy5", 100, 0x10cbbf6e435b43e2ULL},
    {"futoshiki/print/medium5", 2, 0x8b1cf8847e147bfdULL},
    {"futoshiki/interactive/medium5", 1, 0x3fd47e09a56943b0ULL},
    {"futoshiki/attempt/medium5", 100, 0xb2a89412fe99fcacULL},
    {"futoshiki/print/hard5", 2, 0x3a4c06cac9f13f92ULL},
    {"futoshiki/interactive/hard5", 1, 0x234aa8cf101968a3ULL},
    {"futoshiki/attempt/hard5", 100, 0x68caba243ce387b9ULL},
    {"futoshiki/print/easy7", 2, 0xcf8cedab0a3ce429ULL},
    {"futoshiki/interactive/easy7", 1, 0x1deb0c386e8838c0ULL},
    {"futoshiki/attempt/easy7", 100, 0xa0034c4ece5ceca6ULL},
    {"futoshiki/print/medium7", 2, 0xc82292ecf95dac3eULL},
    {"futoshiki/interactive/medium7", 1, 0xc534d5b07bc51e96ULL},
    {"futoshiki/attempt/medium7", 100, 0x675f56dc52143ee6ULL},
    {"futoshiki/print/hard7", 2, 0xf724a7142fb1c7e7ULL},
    {"futoshiki/interactive/hard7", 1, 0xdee0f88b783c0c1fULL},
    {"futoshiki/attempt/hard7", 100, 0x0b4fe7cbdc298dffULL},
    {"futoshiki/print/easy9", 2, 0x303d5fe1fc78dbddULL},
    {"futoshiki/interactive/easy9", 1, 0x6d7d7d1636b01c5aULL},
    {"futoshiki/attempt/easy9", 100, 0x16a07b6afed0f7d2ULL},
    {"futoshiki/print/medium9", 2, 0xe720d0cf8ffc80c4ULL},
    {"futoshiki/interactive/medium9", 1, 0xde74bc348f88e572ULL},
    {"futoshiki/attempt/medium9", 100, 0x600d9c31d52babc8ULL},
    {"futoshiki/print/hard9", 2, 0x7d2efd42b041bcaeULL},
    {"futoshiki/interactive/hard9", 1, 0x555b9b2e922211faULL},
    {"futoshiki/attempt/hard9", 100, 0x7c39d80c68468205ULL},
    {"futoshiki/banked/medium9", 1, 0xc33c52e0dfdd9709ULL},
    {"futoshiki/banked/hard9", 1, 0x453822d5f369ec1bULL},
    {"futoshiki/banked/hard7", 1, 0x97d4429922583812ULL},
    {"futoshiki/startup", 3, 0x1c3b21198929e0eaULL},
};

TEST(GeneratorGolden, FirstPuzzlesOfEverySetMatchTheRecordedDigests) {
  // The drivers try until they succeed: a broken engine fails here first.
  ASSERT_TRUE(testing::SudokuWithinCap(Random(1), kHard));
  ASSERT_TRUE(testing::FutoshikiWithinCap(Random(1), kHard, 5));
  ASSERT_TRUE(testing::FutoshikiWithinCap(Random(1), kHard, 9));
  auto check = [](const auto& table) {
    for (const Pinned& p : table)
      EXPECT_EQ(DigestAfter(p.set, p.steps), p.digest) << p.set << " after " << p.steps << " steps";
  };
  check(kSudokuDigests);
  check(kFutoshikiDigests);
}

}  // namespace
}  // namespace zorvek::golden

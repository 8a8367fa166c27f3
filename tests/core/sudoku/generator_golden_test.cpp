// Sudoku generator output pinned by digest: the first steps of every Sudoku
// golden set must hash exactly as recorded before the engine was sped up, so
// no change to the solver or generator may alter a puzzle, an attempt count or
// the random draws behind them. The generator_golden tool checks the same
// sets in full (1000 puzzles or 20000 attempts each) against
// bench/golden_digests.txt.
#include <gtest/gtest.h>

#include <cstdint>

#include "../../../bench/golden_sets.h"

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

TEST(SudokuGolden, FirstPuzzlesOfEverySetMatchTheRecordedDigests) {
  for (const Pinned& p : kSudokuDigests)
    EXPECT_EQ(DigestAfter(p.set, p.steps), p.digest) << p.set << " after " << p.steps << " steps";
}

}  // namespace
}  // namespace zorvek::golden

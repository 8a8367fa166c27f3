// The digit fill and the solver, on hand-drawn grids.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <string>
#include <vector>

#include "core/common/types.h"
#include "core/kakuro/fill.h"
#include "core/kakuro/generator.h"
#include "core/kakuro/solver.h"
#include "support/brute.h"
#include "support/kakuro_fixture.h"

namespace zorvek::kakuro {
namespace {

KakWorkGrid Work(const KakHeader& h, const KakGrid& g) {
  KakWorkGrid work;
  WorkGridFromPuzzle(h, g, work);
  return work;
}

const KakHeader kSeven = MakeKakHeader(kHard, 7, 7);
const std::vector<std::string> kSquare = {"###", "#31", "#12"};

TEST(KakuroSolver, SolvesOnlyPuzzlesWithOneSolution) {
  const KakGrid square = testing::KakuroFromPicture(kSquare, 8, 8);
  KakGrid solved{};
  ASSERT_EQ(SolveKakuro(kSeven, Work(kSeven, square), solved), 0);
  EXPECT_EQ(std::memcmp(&solved, &square, sizeof solved), 0);

  // Digits that swap round a rectangle: two solutions, refused, nothing written.
  const KakGrid twice = testing::KakuroFromPicture({"###", "#12", "#21"}, 8, 8);
  ASSERT_EQ(testing::CountSolutions(testing::KakuroProblem(kSeven, twice)), 2);
  KakGrid untouched{};
  untouched.cells[5][5].sum = 77;
  EXPECT_NE(SolveKakuro(kSeven, Work(kSeven, twice), untouched), 0);
  EXPECT_EQ(untouched.cells[5][5].sum, 77);

  // Clues no digits meet: alone (two digits never make 2), or only together.
  for (auto [row, sum] : {std::pair{1, 2}, {2, 5}}) {
    KakGrid bad = testing::KakuroFromPicture(kSquare, 8, 8);
    bad.cells[row][0].sum = sum;
    EXPECT_NE(SolveKakuro(kSeven, Work(kSeven, bad), solved), 0) << sum;
  }
}

// Digits of any `length` distinct digits from `lowest`..9 adding up to `sum`.
int PossibleMask(int lowest, int length, int sum) {
  int mask = 0;
  for (int set = 0; set < 1024; ++set)
    if (!(set & ((1 << lowest) - 1)) && std::popcount(unsigned(set)) == length) {
      int total = 0;
      for (int d = 0; d <= 9; ++d) total += (set >> d & 1) * d;
      if (total == sum) mask |= set;
    }
  return mask;
}

// A seeded crossing decides its cell: the two runs' digits share exactly one.
// Only crossings of a 2..4-cell run with a run of at most six are seeded.
TEST(KakuroFill, EverySeedPairDecidesItsCrossingDigit) {
  for (const bool zero : {false, true})
    for (int lo = 1; lo <= 9; ++lo)
      for (int hi = lo; hi <= 9; ++hi) {
        const KakSeedPairs table = SeedPairs(zero, lo, hi);
        ASSERT_EQ(table.count > 0, lo >= 2 && lo <= 4 && hi <= 6) << lo << " x " << hi;
        for (int i = 0; i < table.count; ++i) {
          const int shared = PossibleMask(zero ? 0 : 1, lo, table.pairs[i][0]) &
                             PossibleMask(zero ? 0 : 1, hi, table.pairs[i][1]);
          EXPECT_EQ(std::popcount(unsigned(shared)), 1) << table.pairs[i][0] << "," << table.pairs[i][1];
        }
      }
}

}  // namespace
}  // namespace zorvek::kakuro

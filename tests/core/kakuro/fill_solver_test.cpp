#include <gtest/gtest.h>

#include <bit>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/common/types.h"
#include "core/kakuro/fill.h"
#include "core/kakuro/generator.h"
#include "core/kakuro/layout.h"
#include "core/kakuro/solver.h"
#include "kakuro_check.h"

namespace zorvek::kakuro {
namespace {

// A puzzle from a picture: '#' a clue cell, a digit a white cell holding that
// solution. Clue sums and lengths follow from the digits.
KakGrid PuzzleFrom(const KakHeader& h, const std::vector<std::string>& picture) {
  KakGrid g{};
  for (int r = 0; r <= h.rows; ++r)
    for (int c = 0; c <= h.cols; ++c) {
      KakCell& cell = g.cells[r][c];
      cell.entry = -1;
      const char ch = r < static_cast<int>(picture.size()) && c < static_cast<int>(picture[r].size())
                          ? picture[r][c]
                          : '#';
      cell.colour = ch == '#' ? kBlack : kWhite;
      if (ch != '#') cell.sum = ch - '0';
    }
  for (int r = 0; r <= h.rows; ++r)
    for (int c = 0; c <= h.cols; ++c) {
      KakCell& cell = g.cells[r][c];
      if (cell.colour != kBlack) continue;
      for (int k = c + 1; k <= h.cols && g.cells[r][k].colour == kWhite; ++k) {
        ++cell.acrossLength;
        cell.sum += g.cells[r][k].sum;
      }
      for (int k = r + 1; k <= h.rows && g.cells[k][c].colour == kWhite; ++k) {
        ++cell.downLength;
        cell.downSum += g.cells[k][c].sum;
      }
    }
  return g;
}

KakWorkGrid ColoursFrom(const KakHeader& h, const std::vector<std::string>& picture) {
  KakWorkGrid work;
  WorkGridFromPuzzle(h, PuzzleFrom(h, picture), work);
  return work;
}

const std::vector<std::string> kSquare = {"###", "#31", "#12"};

TEST(KakuroSolver, AcceptsAPuzzleWithOneSolution) {
  const KakHeader h = MakeKakHeader(kHard, 7, 7);
  const KakGrid given = PuzzleFrom(h, kSquare);
  ASSERT_EQ(testing::CountSolutions(h, given), 1);
  KakWorkGrid work;
  WorkGridFromPuzzle(h, given, work);
  KakGrid solved;
  ASSERT_EQ(SolveKakuro(h, work, solved), 0);
  EXPECT_EQ(solved.cells[1][1].sum, 3);
  EXPECT_EQ(solved.cells[1][2].sum, 1);
  EXPECT_EQ(solved.cells[2][1].sum, 1);
  EXPECT_EQ(solved.cells[2][2].sum, 2);
  EXPECT_EQ(solved.cells[0][1].downSum, 4);
  EXPECT_EQ(solved.cells[0][1].downLength, 2);
  EXPECT_EQ(solved.cells[2][0].sum, 3);
  // Clue cells that head no run keep zero sums and lengths.
  EXPECT_EQ(solved.cells[0][0].sum, 0);
  EXPECT_EQ(solved.cells[0][0].downLength, 0);
  EXPECT_EQ(solved.cells[3][3].sum, 0);
  EXPECT_EQ(testing::PuzzleProblems(h, solved), "");
}

TEST(KakuroSolver, RejectsARectangleWhoseDigitsSwap) {
  const KakHeader h = MakeKakHeader(kHard, 7, 7);
  const KakGrid given = PuzzleFrom(h, {"###", "#12", "#21"});
  ASSERT_EQ(testing::CountSolutions(h, given), 2);
  KakWorkGrid work;
  WorkGridFromPuzzle(h, given, work);
  KakGrid solved{};
  solved.cells[5][5].sum = 77;
  EXPECT_NE(SolveKakuro(h, work, solved), 0);
  EXPECT_EQ(solved.cells[5][5].sum, 77) << "a rejected puzzle must not be written";
}

TEST(KakuroSolver, RejectsCluesThatCannotBeMet) {
  const KakHeader h = MakeKakHeader(kHard, 7, 7);
  KakGrid given = PuzzleFrom(h, kSquare);
  given.cells[1][0].sum = 2;  // two distinct digits never make 2
  KakWorkGrid work;
  WorkGridFromPuzzle(h, given, work);
  KakGrid solved;
  EXPECT_NE(SolveKakuro(h, work, solved), 0);
  given = PuzzleFrom(h, kSquare);
  given.cells[2][0].sum = 5;  // possible alone, but not with the crossing runs
  WorkGridFromPuzzle(h, given, work);
  EXPECT_NE(SolveKakuro(h, work, solved), 0);
}

TEST(KakuroFill, SmallBlockFillsAndSolvesForEverySeed) {
  const KakHeader h = MakeKakHeader(kHard, 7, 7);
  for (int seed = 1; seed <= 20; ++seed) {
    KakWorkGrid work = ColoursFrom(h, kSquare);
    Random random(seed);
    ASSERT_EQ(FillDigits(h, work, random), 0) << "seed " << seed;
    KakGrid solved;
    ASSERT_EQ(SolveKakuro(h, work, solved), 0) << "seed " << seed;
    EXPECT_EQ(testing::PuzzleProblems(h, solved), "") << "seed " << seed;
    EXPECT_EQ(testing::CountSolutions(h, solved), 1) << "seed " << seed;
    for (int r = 1; r <= 2; ++r)
      for (int c = 1; c <= 2; ++c) EXPECT_EQ(solved.cells[r][c].sum, work.cells[r][c].digit);
  }
}

TEST(KakuroFill, AllNineRunsGetFortyFiveButDecideNothing) {
  KakHeader h = MakeKakHeader(kHard, 9, 9);
  std::vector<std::string> picture(10, std::string(10, '5'));
  picture[0] = std::string(10, '#');
  for (auto& row : picture) row[0] = '#';
  for (int difficulty = kEasy; difficulty <= kHard; ++difficulty) {
    h.difficulty = static_cast<std::uint8_t>(difficulty);
    KakWorkGrid work = ColoursFrom(h, picture);
    Random random(3);
    EXPECT_EQ(FillDigits(h, work, random), 2);
    for (int i = 0; i <= 9; ++i) {
      EXPECT_EQ(work.cells[i][0].runSum[kAcross], i == 0 ? 0 : 45);
      EXPECT_EQ(work.cells[0][i].runSum[kDown], i == 0 ? 0 : 45);
    }
  }
}

TEST(KakuroFill, ContradictionIsResultOne) {
  // Nine cells in a row but only the digits 1..8: 45 cannot be made.
  KakHeader h = MakeKakHeader(kHard, 7, 9);
  h.highestDigit = 8;
  KakWorkGrid work = ColoursFrom(h, {"##########", "#123456789"});
  Random random(1);
  EXPECT_EQ(FillDigits(h, work, random), 1);
}

// The digits any set of `length` distinct digits from `lowest`..9 adding up to
// `sum` can use, as a bit mask.
int PossibleMask(int lowest, int length, int sum) {
  int mask = 0;
  for (int set = 0; set < 1024; ++set) {
    if (set & ((1 << lowest) - 1)) continue;
    int n = 0, total = 0;
    for (int d = 0; d <= 9; ++d)
      if (set >> d & 1) ++n, total += d;
    if (n == length && total == sum) mask |= set;
  }
  return mask;
}

// A seeded crossing must decide its cell: the two runs' possible digits share
// exactly one digit, for every entry of both tables. Crossings of runs longer
// than six cells, or of two runs of five or more, get no seed.
TEST(KakuroFill, EverySeedPairDecidesItsCrossingDigit) {
  for (const bool zero : {false, true}) {
    const int lowest = zero ? 0 : 1;
    for (int lo = 1; lo <= 9; ++lo)
      for (int hi = lo; hi <= 9; ++hi) {
        SCOPED_TRACE(::testing::Message() << (zero ? "0..9 " : "1..9 ") << lo << " x " << hi);
        const KakSeedPairs table = SeedPairs(zero, lo, hi);
        const bool seeded = lo >= 2 && lo <= 4 && hi <= 6;
        ASSERT_EQ(table.count > 0, seeded);
        for (int i = 0; i < table.count; ++i) {
          const int shorter = table.pairs[i][0], longer = table.pairs[i][1];
          const int shared = PossibleMask(lowest, lo, shorter) & PossibleMask(lowest, hi, longer);
          EXPECT_EQ(std::popcount(static_cast<unsigned>(shared)), 1) << shorter << "," << longer;
          for (int j = 0; j < i; ++j)
            EXPECT_FALSE(table.pairs[j][0] == shorter && table.pairs[j][1] == longer);
        }
      }
  }
}

// A picked run gets a sum with the fewest fillings; each retry takes another
// sum, never one tried before, and the run fails once every sum was tried.
TEST(KakuroFill, RetriedRunSumsGoFromFewestFillingsUpAndNeverRepeat) {
  const KakHeader h = MakeKakHeader(kHard, 7, 7);
  KakWorkGrid work = ColoursFrom(h, {"########", "#123####"});
  Random random(8);
  KakFill fill(h, work, random);
  fill.InitFill();
  const KakWorkGrid fresh = work;
  // Sets of three distinct digits per sum; every set fills the run 6 ways.
  int sets[46] = {};
  for (int a = 1; a <= 9; ++a)
    for (int b = a + 1; b <= 9; ++b)
      for (int c = b + 1; c <= 9; ++c) ++sets[a + b + c];
  std::vector<int> chosen;
  for (int retry = 0; retry < 19; ++retry) {
    work = fresh;
    ASSERT_EQ(fill.ChooseRunSum(1, 0, kAcross, retry), 0) << "retry " << retry;
    chosen.push_back(work.cells[1][0].runSum[kAcross]);
  }
  EXPECT_EQ(std::set<int>(chosen.begin(), chosen.end()).size(), 19u) << "a sum came twice";
  EXPECT_EQ(std::set<int>(chosen.begin(), chosen.begin() + 4), (std::set<int>{6, 7, 23, 24}));
  for (std::size_t i = 1; i < chosen.size(); ++i) {
    ASSERT_GE(chosen[i], 6);
    ASSERT_LE(chosen[i], 24);
    EXPECT_LE(sets[chosen[i - 1]], sets[chosen[i]]) << "retry " << i;
  }
  work = fresh;
  EXPECT_EQ(fill.ChooseRunSum(1, 0, kAcross, 19), 2);
  EXPECT_EQ(work.cells[1][0].runSum[kAcross], 0);
}

// The next run to sum: the first whose open cells are fewer than two, else
// the last with two open, else the last with more; none once all have sums.
TEST(KakuroFill, PickRunOrder) {
  const KakHeader h = MakeKakHeader(kHard, 7, 7);
  KakWorkGrid work = ColoursFrom(h, {"########", "#12#123#", "#21#231#"});
  Random random(1);
  KakFill fill(h, work, random);
  fill.InitFill();
  int hr, hc, direction;
  ASSERT_TRUE(fill.PickRun(hr, hc, direction));
  EXPECT_EQ((std::tuple{hr, hc, direction}), (std::tuple{2, 0, kAcross}));
  ASSERT_TRUE(fill.SetRunSum(2, 0, kAcross, 3));
  ASSERT_TRUE(fill.PickRun(hr, hc, direction));
  EXPECT_EQ((std::tuple{hr, hc, direction}), (std::tuple{0, 1, kDown}));

  work = ColoursFrom(h, {"########", "#123####", "#231####", "#312####"});
  fill.InitFill();
  ASSERT_TRUE(fill.PickRun(hr, hc, direction));
  EXPECT_EQ((std::tuple{hr, hc, direction}), (std::tuple{3, 0, kAcross}));
  for (int i = 1; i <= 3; ++i) {
    ASSERT_TRUE(fill.SetRunSum(i, 0, kAcross, 6));
    ASSERT_TRUE(fill.SetRunSum(0, i, kDown, 6));
  }
  EXPECT_FALSE(fill.PickRun(hr, hc, direction));
}

// Fills over real layouts: a success leaves every white cell decided with a
// digit 1..9, runs distinct and adding up, and every nine-cell run at 45.
TEST(KakuroFill, SuccessfulFillsAreCompleteAndConsistent) {
  int successes = 0;
  for (int difficulty = kEasy; difficulty <= kHard; ++difficulty)
    for (int seed = 1; seed <= 25; ++seed) {
      const KakHeader h = MakeKakHeader(difficulty, seed % 2 ? 9 : 11, seed % 2 ? 11 : 13);
      Random random(seed * 7 + difficulty);
      KakWorkGrid work;
      GenerateLayout(h, work, random);
      const int result = FillDigits(h, work, random);
      ASSERT_TRUE(result >= 0 && result <= 2);
      if (result != 0) continue;
      ++successes;
      for (int r = 0; r <= h.rows; ++r)
        for (int c = 0; c <= h.cols; ++c) {
          const KakWorkCell& cell = work.cells[r][c];
          if (cell.colour == kWhite) {
            ASSERT_TRUE(cell.solved);
            ASSERT_GE(cell.digit, 1);
            ASSERT_LE(cell.digit, 9);
            continue;
          }
          for (int d = kAcross; d <= kDown; ++d) {
            const int n = cell.runLength[d];
            if (n == 0) continue;
            int total = 0, used = 0;
            for (int k = 1; k <= n; ++k) {
              const int digit = d == kAcross ? work.cells[r][c + k].digit : work.cells[r + k][c].digit;
              EXPECT_FALSE(used >> digit & 1) << r << "," << c;
              used |= 1 << digit;
              total += digit;
            }
            EXPECT_EQ(total, cell.runSum[d]) << r << "," << c;
            if (n == 9) {
              EXPECT_EQ(cell.runSum[d], 45);
            }
          }
        }
    }
  EXPECT_GT(successes, 30);
}

}  // namespace
}  // namespace zorvek::kakuro

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/types.h"
#include "kakuro/fill.h"
#include "kakuro/generator.h"
#include "kakuro/layout.h"
#include "kakuro/solver.h"
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

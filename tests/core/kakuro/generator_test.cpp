#include <gtest/gtest.h>

#include <cstring>

#include "core/common/types.h"
#include "core/kakuro/generator.h"
#include "core/kakuro/solver.h"
#include "core/kakuro/workgrid.h"
#include "kakuro_check.h"

namespace zorvek::kakuro {
namespace {

// Every puzzle the batch driver makes, for every size it can be asked for and
// every difficulty, keeps the rules and has exactly one solution by a search
// that shares no code with the engine; re-solving the stored clues gives back
// the stored puzzle.
TEST(KakuroGenerator, EveryPuzzleHasExactlyOneSolution) {
  constexpr int kSizes[][2] = {{7, 7}, {7, 9}, {9, 9}, {9, 11}, {11, 13}};
  for (const auto& size : kSizes)
    for (int difficulty = kEasy; difficulty <= kHard; ++difficulty) {
      Random random(1000 + 10 * size[1] + difficulty);
      for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(::testing::Message() << size[0] << "x" << size[1] << " difficulty "
                                          << difficulty << " #" << i);
        CreateProgress progress;
        KakHeader h;
        KakGrid g;
        ASSERT_TRUE(CreateKakuroForPrint(random, progress, difficulty, size[0], size[1], h, g));
        EXPECT_EQ(h.difficulty, difficulty);
        EXPECT_EQ(h.rows, size[0]);
        EXPECT_EQ(h.cols, size[1]);
        EXPECT_EQ(h.lowestDigit, 1);
        EXPECT_EQ(h.highestDigit, 9);
        EXPECT_EQ(h.zeroAllowed, 0);
        ASSERT_EQ(testing::PuzzleProblems(h, g), "");
        ASSERT_EQ(testing::CountSolutions(h, g), 1);
        if (difficulty == kEasy)
          for (int r = 0; r <= h.rows; ++r)
            for (int c = 0; c <= h.cols; ++c) {
              EXPECT_LE(g.cells[r][c].colour == kBlack ? g.cells[r][c].acrossLength : 0, 4);
              EXPECT_LE(g.cells[r][c].colour == kBlack ? g.cells[r][c].downLength : 0, 4);
            }
        KakWorkGrid work;
        WorkGridFromPuzzle(h, g, work);
        KakGrid again;
        ASSERT_EQ(SolveKakuro(h, work, again), 0);
        EXPECT_EQ(std::memcmp(&again, &g, sizeof g), 0);
      }
    }
}

TEST(KakuroGenerator, SameSeedSamePuzzle) {
  KakHeader h1, h2;
  KakGrid g1, g2;
  Random a(42), b(42);
  CreateProgress p1, p2;
  ASSERT_TRUE(CreateKakuroForPrint(a, p1, kHard, 11, 13, h1, g1));
  ASSERT_TRUE(CreateKakuroForPrint(b, p2, kHard, 11, 13, h2, g2));
  EXPECT_EQ(std::memcmp(&h1, &h2, sizeof h1), 0);
  EXPECT_EQ(std::memcmp(&g1, &g2, sizeof g1), 0);
  EXPECT_EQ(p1.attempts.load(), p2.attempts.load());
}

TEST(KakuroGenerator, DialogSizesAndANewPuzzlesClock) {
  const int expected[4][2] = {{7, 7}, {9, 9}, {9, 11}, {11, 13}};
  for (int choice = 0; choice < 4; ++choice) {
    Random random(choice + 5);
    KakHeader h = MakeKakHeader(kEasy, 9, 9);
    h.elapsed = 999;
    h.playState = 1;
    KakGrid g{};
    const KakCreateResult result = CreateKakuroPuzzle(random, nullptr, kMedium, choice, h, g);
    ASSERT_TRUE(result.success);
    EXPECT_GE(result.attempts, 1);
    EXPECT_LE(result.attempts, 51);
    EXPECT_EQ(h.rows, expected[choice][0]);
    EXPECT_EQ(h.cols, expected[choice][1]);
    EXPECT_EQ(h.symmetric, choice == 0 ? 0 : 1);
    EXPECT_EQ(h.difficulty, kMedium);
    EXPECT_EQ(h.elapsed, 0);
    EXPECT_EQ(h.playState, 2);
    EXPECT_EQ(testing::PuzzleProblems(h, g), "");
  }
  Random random(1);
  KakHeader h = MakeKakHeader(kEasy, 9, 9);
  KakGrid g{};
  const KakHeader before = h;
  EXPECT_FALSE(CreateKakuroPuzzle(random, nullptr, kMedium, 4, h, g).success);
  EXPECT_EQ(std::memcmp(&h, &before, sizeof h), 0);
}

TEST(KakuroGenerator, StartupPuzzleIsMediumNineByEleven) {
  Random random(9);
  KakHeader h{};
  KakGrid g{};
  CreateStartupKakuro(random, h, g);
  EXPECT_EQ(h.difficulty, kMedium);
  EXPECT_EQ(h.rows, 9);
  EXPECT_EQ(h.cols, 11);
  EXPECT_EQ(h.symmetric, 1);
  EXPECT_EQ(h.elapsed, 0);
  EXPECT_EQ(h.playState, 2);
  EXPECT_EQ(testing::PuzzleProblems(h, g), "");
}

TEST(KakuroGenerator, BatchCancelLeavesTheSlotUntouched) {
  Random random(3);
  CreateProgress progress;
  progress.cancelled = true;
  KakHeader h{};
  KakGrid g{};
  h.rows = 77;
  g.cells[0][0].sum = 55;
  EXPECT_FALSE(CreateKakuroForPrint(random, progress, kHard, 7, 9, h, g));
  EXPECT_EQ(h.rows, 77);
  EXPECT_EQ(g.cells[0][0].sum, 55);
  EXPECT_EQ(progress.attempts.load(), 1) << "one layout, then the cancel check";
}

}  // namespace
}  // namespace zorvek::kakuro

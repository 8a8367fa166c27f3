#include "core/kakuro/generator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "core/common/types.h"
#include "core/kakuro/solver.h"
#include "support/brute.h"
#include "support/digest.h"

namespace zorvek::kakuro {
namespace {

bool Same(const KakHeader& a, const KakHeader& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Every size the game asks for, every level: the rules hold and the clues
// have one solution by a search that shares no code with the engine;
// re-solving the stored clues gives the stored puzzle back.
TEST(KakuroGenerator, PuzzlesAreSoundAndUnique) {
  constexpr int kSizes[][2] = {{7, 7}, {7, 9}, {9, 9}, {9, 11}, {11, 13}};
  for (const auto& size : kSizes)
    for (int difficulty = kEasy; difficulty <= kHard; ++difficulty) {
      Random random(1000 + 10 * size[1] + difficulty);
      for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(::testing::Message() << size[0] << "x" << size[1] << " level " << difficulty << " #" << i);
        CreateProgress progress;
        KakHeader h;
        KakGrid g;
        ASSERT_TRUE(CreateKakuroForPrint(random, progress, difficulty, size[0], size[1], h, g));
        EXPECT_TRUE(Same(h, MakeKakHeader(difficulty, size[0], size[1])));
        EXPECT_EQ(h.symmetric != 0, size[0] >= 9);
        ASSERT_EQ(testing::Verdict(testing::KakuroProblem(h, g)), "");
        for (const auto& row : g.cells)
          for (const KakCell& cell : row)
            if (difficulty == kEasy && cell.colour == kBlack) {
              EXPECT_LE(std::max(cell.acrossLength, cell.downLength), 4);
            }
        KakWorkGrid work;
        WorkGridFromPuzzle(h, g, work);
        KakGrid again;
        ASSERT_EQ(SolveKakuro(h, work, again), 0);
        EXPECT_EQ(std::memcmp(&again, &g, sizeof g), 0);
      }
    }
}

// Pins the order and count of every random draw: a change anywhere in layout,
// fill or solve changes these. To regenerate after a deliberate change, set
// each expected value to 0, run this test once and paste the printed digests.
TEST(KakuroGenerator, FixedSeedsGiveTheGoldenPuzzles) {
  constexpr std::uint64_t kGolden[3][2] = {
      {0xba0da7dd6a6164eb, 0x591b6b4060f2ff8a},
      {0x8e63445761140adc, 0x38573e92e3b0534a},
      {0x0017b94a2b5c06d4, 0x6ae998d55d53f416},
  };
  for (int difficulty = kEasy; difficulty <= kHard; ++difficulty)
    for (int big = 0; big < 2; ++big) {
      Random random(77 + difficulty);
      std::uint64_t digest = testing::Fnv1a64(nullptr, 0);
      for (int i = 0; i < 3; ++i) {
        CreateProgress progress;
        KakHeader h;
        KakGrid g;
        std::memset(&h, 0xA5, sizeof h);  // every byte must be written
        std::memset(&g, 0xA5, sizeof g);
        ASSERT_TRUE(CreateKakuroForPrint(random, progress, difficulty, big ? 11 : 7, big ? 13 : 9, h, g));
        digest = testing::Fnv1a64(&h, sizeof h, digest);
        digest = testing::Fnv1a64(&g, sizeof g, digest);
        digest = testing::Fnv1a64(&progress.attempts, sizeof(int), digest);
      }
      EXPECT_EQ(digest, kGolden[difficulty][big]) << "level " << difficulty << " size " << big
                                                  << ": 0x" << std::hex << digest;
    }
}

TEST(KakuroGenerator, DriversSetTheClockAndKeepOldBlocksOnFailure) {
  const int sizes[4][2] = {{7, 7}, {9, 9}, {9, 11}, {11, 13}};
  for (int choice = 0; choice < 4; ++choice) {
    Random random(choice + 5);
    KakHeader h = MakeKakHeader(kEasy, 9, 9);
    h.elapsed = 999;
    h.playState = kTimerPaused;
    KakGrid g{};
    const KakCreateResult result = CreateKakuroPuzzle(random, nullptr, kMedium, choice, h, g);
    ASSERT_TRUE(result.success);
    EXPECT_TRUE(result.attempts >= 1 && result.attempts <= 51);
    EXPECT_TRUE(Same(h, MakeKakHeader(kMedium, sizes[choice][0], sizes[choice][1])));
    EXPECT_EQ(testing::Verdict(testing::KakuroProblem(h, g)), "");
  }
  // No fifth size button; a cancelled batch run writes nothing.
  Random random(1);
  KakHeader h = MakeKakHeader(kEasy, 9, 9);
  KakGrid g{};
  g.cells[0][0].sum = 55;
  const KakHeader before = h;
  EXPECT_FALSE(CreateKakuroPuzzle(random, nullptr, kMedium, 4, h, g).success);
  CreateProgress progress;
  progress.cancelled = true;
  EXPECT_FALSE(CreateKakuroForPrint(random, progress, kHard, 7, 9, h, g));
  EXPECT_TRUE(Same(h, before));
  EXPECT_EQ(g.cells[0][0].sum, 55);
  EXPECT_EQ(progress.attempts.load(), 1) << "one layout, then the cancel check";

  CreateStartupKakuro(random, h, g);
  EXPECT_TRUE(Same(h, MakeKakHeader(kMedium, 9, 11)));
  EXPECT_EQ(testing::Verdict(testing::KakuroProblem(h, g)), "");
}

}  // namespace
}  // namespace zorvek::kakuro

#include "core/kakuro/generator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "core/common/types.h"
#include "core/kakuro/play.h"
#include "core/kakuro/solver.h"
#include "support/brute.h"
#include "support/capped.h"
#include "support/digest.h"
#include "support/hint_path.h"

namespace zorvek::kakuro {
namespace {

// Every size the game asks for, every level: the rules hold and the clues
// have one solution by a search that shares no code with the engine;
// re-solving the stored clues gives the stored puzzle back, and hints alone
// finish it. The digests pin
// the order and count of every random draw, so a change anywhere in layout,
// fill or solve shows; to regenerate after a deliberate change, set them to 0,
// run this test once and paste the printed values.
TEST(KakuroGenerator, PuzzlesAreSoundUniqueHintSolvableAndGolden) {
  constexpr int kSizes[][2] = {{7, 7}, {7, 9}, {9, 9}, {9, 11}, {11, 13}};
  constexpr std::uint64_t kGolden[5][3] = {
      {0x53b1843e87b90b2d, 0xbcb6b0ff5bb689cc, 0xab63cda4358ada5c},
      {0x7b7efa3e9490b9d3, 0x4f49485629ac7c04, 0xbb1603f96ae671e8},
      {0x7b63302aaffbe887, 0x97d10ada112f6845, 0xe592371d428bc60c},
      {0x21ae7b831655d7a9, 0x4a94cd77883573a8, 0x5f6713176091f80a},
      {0x79a4ad2910ce4fd1, 0x0888418295a7e868, 0xbf9711870cabd2d4},
  };
  int withRemovals = 0;
  for (int s = 0; s < 5; ++s)
    for (int difficulty = kEasy; difficulty <= kHard; ++difficulty) {
      const auto& size = kSizes[s];
      Random random(1000 + 10 * size[1] + difficulty);
      std::uint64_t digest = testing::Fnv1a64(nullptr, 0);
      for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(::testing::Message() << size[0] << "x" << size[1] << " level " << difficulty << " #" << i);
        CreateProgress progress;
        KakHeader h;
        KakGrid g;
        std::memset(&h, 0xA5, sizeof h);  // every byte must be written
        std::memset(&g, 0xA5, sizeof g);
        ASSERT_TRUE(testing::KakuroWithinCap(random, difficulty, size[0], size[1]));
        ASSERT_TRUE(CreateKakuroForPrint(random, progress, difficulty, size[0], size[1], h, g));
        digest = testing::Fnv1a64(&g, sizeof g, testing::Fnv1a64(&h, sizeof h, digest));
        digest = testing::Fnv1a64(&progress.attempts, sizeof(int), digest);
        const KakHeader expected = MakeKakHeader(difficulty, size[0], size[1]);
        EXPECT_EQ(std::memcmp(&h, &expected, sizeof h), 0);
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
        // Hints alone finish it, from an empty grid or a partly entered one.
        KakuroPlayAdapter adapter(h, again);
        Random marks(i);
        withRemovals += testing::ExpectHintsSolve(adapter, marks, i % 3 == 2);
      }
      EXPECT_EQ(digest, kGolden[s][difficulty]) << size[0] << "x" << size[1] << " level " << difficulty
                                                << ": 0x" << std::hex << digest;
    }
  EXPECT_GT(withRemovals, 0) << "the hints' removal checks never ran";
}

}  // namespace
}  // namespace zorvek::kakuro

#include "core/kakuro/hint.h"

#include <gtest/gtest.h>

#include "core/common/random.h"
#include "core/common/types.h"
#include "core/kakuro/generator.h"
#include "core/kakuro/play.h"
#include "support/hint_path.h"
#include "support/kakuro_fixture.h"

namespace zorvek::kakuro {
namespace {

// Every level, the smallest and the largest size: hints alone finish each
// puzzle, from an empty grid and from a partly entered one.
TEST(KakuroHint, HintsAloneSolveGeneratedPuzzles) {
  constexpr int kSizes[][2] = {{7, 7}, {11, 13}};
  int withRemovals = 0;
  for (const auto& size : kSizes)
    for (int difficulty = kEasy; difficulty <= kHard; ++difficulty) {
      Random random(500 + 10 * size[1] + difficulty);
      for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(::testing::Message() << size[0] << "x" << size[1] << " level " << difficulty
                                          << " #" << i);
        CreateProgress progress;
        KakHeader h;
        KakGrid g;
        ASSERT_TRUE(CreateKakuroForPrint(random, progress, difficulty, size[0], size[1], h, g));
        KakuroPlayAdapter adapter(h, g);
        withRemovals += testing::ExpectHintsSolve(adapter, random, i == 2);
      }
    }
  // Otherwise the removal checks above never ran.
  EXPECT_GT(withRemovals, 0);
}

// The fixture: 17 over r2c2 r2c3 (8, 9), 10 over r3c2..r3c4 (1, 3, 6); names
// count the drawn clue row and column.
TEST(KakuroHint, StepsNameTheirRunsAndCells) {
  KakHeader h;
  KakGrid g;
  testing::BuildSmallKakuro(h, g);
  EXPECT_EQ(HintLine(FindHint(h, g)), "Last cell of 6 in 1 cell: 6 goes in r3c4 (r3c4)");
  g.cells[2][3].entry = 6;
  EXPECT_EQ(HintLine(FindHint(h, g)),
            "Crossing runs 9 in 2 cells and 17 in 2 cells: 8 goes in r2c2 (r2c2 r3c2 r2c3)");

  g.cells[2][2].entry = 4;  // wrong: 3
  g.cells[1][2].entry = 7;  // wrong: 9, and first in reading order
  const Hint wrong = FindHint(h, g);
  EXPECT_EQ(wrong.type, Hint::Type::WrongEntry);
  EXPECT_EQ(wrong.target, (HintCell{1, 2}));
  EXPECT_EQ(wrong.digit, 0);
  EXPECT_EQ(wrong.conclusion, "Wrong entry at r2c3");
}

// Clues that disagree with the stored solution, through a clue or through a
// stored digit: the hints stop rather than lead the player to a digit the
// solution does not hold.
TEST(KakuroHint, StopsWhereCluesContradictTheSolution) {
  for (bool clue : {true, false}) {
    KakHeader h;
    KakGrid g;
    testing::BuildSmallKakuro(h, g);
    if (clue)
      g.cells[1][0].sum = 16;  // the solution makes 17
    else
      g.cells[2][3].sum = 5;  // its 1-cell run makes 6
    KakuroPlayAdapter adapter(h, g);
    const std::vector<Hint> path = LogicalPath(adapter);
    ASSERT_EQ(path.size(), clue ? 1u : 0u);
    const Hint last = adapter.NextHint();
    EXPECT_FALSE(last.Found());
    EXPECT_EQ(last.technique, "No logical step found");
  }
}

}  // namespace
}  // namespace zorvek::kakuro

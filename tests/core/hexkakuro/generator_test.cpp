#include "core/hexkakuro/generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/common/types.h"
#include "core/hexkakuro/deduce.h"
#include "core/hexkakuro/layout.h"
#include "core/hexkakuro/play.h"
#include "support/brute.h"
#include "support/capped.h"
#include "support/digest.h"
#include "support/hint_path.h"

namespace zorvek::hexkakuro {
namespace {

constexpr std::pair<int, int> kSizes[] = {{9, 9}, {11, 13}};

// White positions around a clue before any removal.
int Pattern(HexPos clue, int rows, int cols) {
  int n = 0;
  for (int i = 1; i <= 6; ++i) {
    const HexPos p = Neighbour(clue.row, clue.col, i);
    n += IsWhitePosition(p.row, p.col, rows) && p.col >= 1 && p.col <= cols;
  }
  return n;
}

TEST(HexLayout, RunsFitTheLevelOverManySeeds) {
  for (auto [rows, cols] : kSizes)
    for (int level = kEasy; level <= kHard; ++level) {
      const LevelParameters p = ParametersFor(level);
      for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        Random random(seed);
        HexBoard b;
        MakeHexLayout(random, level, rows, cols, b);
        int removed = 0;
        for (int r = 1; r <= rows; ++r)
          for (int c = 1; c <= cols; ++c) {
            const HexCell& x = b.at(r, c);
            ASSERT_EQ(x.kind == kHexClue, IsCluePosition(r, c));
            ASSERT_EQ(x.kind == kHexWhite || x.kind == kHexRemoved, IsWhitePosition(r, c, rows));
            if (x.kind == kHexClue) {
              ASSERT_LE(x.count, p.maxRun) << "level " << level << " seed " << seed;
              ASSERT_GE(x.count, std::min(p.minRun, Pattern({r, c}, rows, cols))) << "level " << level << " seed " << seed;
            }
            if (x.kind != kHexRemoved) continue;
            ++removed;
            for (int k = 0; level == kHard && k < 2; ++k) {  // Hard: only between two six-runs
              EXPECT_EQ(Pattern(x.clues[k], rows, cols), 6);
              EXPECT_EQ(b.at(x.clues[k]).count, 5);
            }
          }
        EXPECT_TRUE(level != kEasy || removed > 0);
      }
    }
}

// The independent checker accepts every puzzle (lattice, runs within the
// level, one solution, the stored one); the sums alone deduce every digit; no
// neighbouring clues share both sum and length; hints alone finish it. The
// digests pin the order and count of every random draw, so a change anywhere
// in layout, seeding, fill or deduction shows; to regenerate after a
// deliberate change, set them to 0, run this test once and paste the printed
// values.
TEST(HexGenerator, PuzzlesAreUniqueDeducibleHintSolvableAndGolden) {
  int withRemovals = 0;
  constexpr std::uint64_t kGolden[2][3] = {
      {0x5e36adb9d90f32f6, 0x9e8fd61a6093b668, 0x02c62ae2fd1c698b},
      {0xff189e5a6cc27706, 0xee4ad13cc3b6257f, 0xca62ad4b14197996},
  };
  for (int big = 0; big < 2; ++big)
    for (int level = kEasy; level <= kHard; ++level) {
      const auto [rows, cols] = kSizes[big];
      Random random(1000 + level);
      CreateProgress progress;
      std::uint64_t digest = testing::Fnv1a64(nullptr, 0);
      for (int i = 0; i < 6; ++i) {
        HexGrid grid;
        std::memset(&grid, 0xA5, sizeof grid);  // every byte must be written
        ASSERT_TRUE(testing::HexKakuroWithinCap(random, level, rows, cols));
        ASSERT_TRUE(CreateHexKakuroForPrint(random, progress, level, rows, cols, grid));
        digest = testing::Fnv1a64(&grid, sizeof grid, digest);
        SCOPED_TRACE(::testing::Message() << rows << "x" << cols << " level " << level << " #" << i);
        const testing::Problem problem = testing::HexKakuroProblem(grid, rows, cols);
        EXPECT_EQ(testing::Verdict(problem), "");
        for (const auto& run : problem.groups)
          EXPECT_LE(static_cast<int>(run.cells.size()), ParametersFor(level).maxRun);
        HexBoard board;
        ASSERT_TRUE(DeduceFromClues(grid, rows, cols, board));
        for (int r = 1; r <= rows; ++r)
          for (int c = 1; c <= cols; ++c) {
            const HexGridCell& x = grid.cells[r][c];
            if (x.kind == kHexWhite) {
              EXPECT_EQ(board.at(r, c).assigned ? board.at(r, c).digit : 0, x.number);
            }
            if (x.kind != kHexClue) continue;
            for (const HexPos q : AdjacentClues(r, c)) {
              if (q.row < 1 || q.row > rows || q.col < 1 || q.col > cols) continue;
              const HexGridCell& y = grid.cells[q.row][q.col];
              EXPECT_FALSE(y.kind == kHexClue && y.number == x.number && y.count == x.count);
            }
          }
        // Hints alone finish it, from an empty grid or a partly entered one.
        HexHeader settings{static_cast<std::uint8_t>(level), {}, rows, cols, 0, kTimerRunning, {}};
        HexKakuroPlayAdapter adapter(settings, grid);
        Random marks(i);
        withRemovals += testing::ExpectHintsSolve(adapter, marks, i % 3 == 2);
      }
      const int attempts = progress.attempts.load();
      digest = testing::Fnv1a64(&attempts, sizeof attempts, digest);
      EXPECT_EQ(digest, kGolden[big][level]) << rows << "x" << cols << " level " << level << ": 0x" << std::hex
                                             << digest;
    }
  EXPECT_GT(withRemovals, 0) << "the hints' removal checks never ran";
}

}  // namespace
}  // namespace zorvek::hexkakuro

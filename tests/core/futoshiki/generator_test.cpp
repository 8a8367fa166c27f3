#include "core/futoshiki/generator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>

#include "core/common/types.h"
#include "support/brute.h"

namespace zorvek::futoshiki {
namespace {

FutHeader Header(int n, int difficulty) {
  FutHeader h{};
  h.size = n;
  h.difficulty = static_cast<std::uint8_t>(difficulty);
  return h;
}

constexpr int kDr[4] = {0, 1, 0, -1};
constexpr int kDc[4] = {1, 0, -1, 0};

TEST(FutoshikiGenerator, AFullBoardTakesNoMoreSigns) {
  const FutHeader h = Header(5, kHard);
  Random random(5);
  // Every slot taken: no sign is added, and the call still returns (the
  // golden digests pin where clues go when there is room).
  FutBoard full{};
  ClearBoard(h, full);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) {
      if (c < 4) full.at(r, c).signRight = 1 + (r + c) % 2;
      if (r < 4) full.at(r, c).signDown = 1 + (r + c + 1) % 2;
    }
  const FutBoard before = full;
  AddRandomSign(h, full, random);
  EXPECT_EQ(std::memcmp(&before, &full, sizeof full), 0);
}

bool ChainFrom(const FutGrid& g, int n, int r, int c, int depth) {
  if (depth == 3) return true;
  const bool greater[4] = {c + 1 < n && g.cells[r][c].signRight == 1, r + 1 < n && g.cells[r][c].signDown == 1,
                           c > 0 && g.cells[r][c - 1].signRight == 2, r > 0 && g.cells[r - 1][c].signDown == 2};
  for (int d = 0; d < 4; ++d)
    if (greater[d] && ChainFrom(g, n, r + kDr[d], c + kDc[d], depth + 1)) return true;
  return false;
}

// Every size and level: the stored solution is the only one (which makes it a
// Latin square keeping every sign), clues within the band, no sign chains of
// three on 5 x 5.
TEST(FutoshikiGenerator, PuzzlesAreUniqueAndInTheirBand) {
  testing::Problem open = testing::FutoshikiProblem(Header(5, kEasy), FutGrid{});
  EXPECT_EQ(testing::CountSolutions(open), 2) << "the checker sees second solutions";
  for (int size : {5, 7, 9})
    for (int difficulty = kEasy; difficulty <= kHard; ++difficulty) {
      const FutHeader h = Header(size, difficulty);
      const GenerationParameters p = ParametersFor(difficulty, size);
      Random random(1000 + size * 10 + difficulty);
      for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(std::to_string(size) + " level " + std::to_string(difficulty) + " #" + std::to_string(i));
        CreateProgress progress;
        FutGrid grid{};
        ASSERT_TRUE(CreateFutoshikiForPrint(random, progress, difficulty, size, grid, nullptr));
        ASSERT_EQ(testing::Verdict(testing::FutoshikiProblem(h, grid)), "");
        int clues = 0;
        for (int r = 0; r < size; ++r)
          for (int c = 0; c < size; ++c) {
            const FutGridCell& cell = grid.cells[r][c];
            clues += cell.given + (cell.signRight != 0) + (cell.signDown != 0);
            EXPECT_FALSE(size == 5 && ChainFrom(grid, size, r, c, 0)) << r << "," << c;
          }
        EXPECT_TRUE(clues >= p.fewestClues && clues <= p.mostClues) << clues;
      }
    }
}

TEST(FutoshikiDrivers, NewPuzzlesRunAFreshClockAndCancelKeepsTheOld) {
  std::uint8_t m9[kBankSize] = {}, h9[kBankSize] = {}, h7[kBankSize] = {};
  const BankUsedFlags flags{m9, h9, h7};
  Random random(42);
  FutHeader header = Header(9, kHard);
  header.elapsed = 50;
  FutGrid grid{};
  CreateStartupFutoshiki(random, header, grid);
  auto expectFresh = [&](int size, int difficulty) {
    EXPECT_EQ(header.size * 10 + header.difficulty, size * 10 + difficulty);
    EXPECT_EQ(header.elapsed, 0);
    EXPECT_EQ(header.playState, kTimerRunning);
    EXPECT_EQ(testing::Verdict(testing::FutoshikiProblem(header, grid)), "");
  };
  expectFresh(7, kMedium);

  CreateProgress progress;
  progress.cancelled = true;  // a stale cancel from an earlier run does not count
  header.elapsed = 321;
  header.playState = kTimerPaused;
  const CreateResult made = CreateFutoshikiPuzzle(random, progress, header, grid, flags);
  ASSERT_TRUE(made.success && !made.cancelled && made.startCloseTimer);
  EXPECT_EQ(progress.attemptScale.load(), 2100);
  EXPECT_EQ(progress.attempts.load(), made.attempts);
  expectFresh(7, kMedium);
  for (std::uint8_t f : h7) EXPECT_EQ(f, 0) << "Medium 7 x 7 never draws from a bank";

  // A cancelled run keeps the old puzzle, in place or on the way from the
  // 7 x 7 puzzle to a new size.
  for (int resize = 0; resize < 2; ++resize) {
    FutHeader h = resize ? header : Header(5, kHard);
    FutGrid g = grid;
    const FutHeader headerBefore = h;
    const FutGrid gridBefore = g;
    // The run waits at its first look at the cancel flag, so the cancel
    // always lands in it, however the threads are scheduled.
    CreateProgress slow;
    slow.Pause();
    std::thread canceller([&] {
      while (slow.attemptScale.load() == 0) std::this_thread::yield();  // the run has started
      slow.cancelled = true;
      slow.Resume();
    });
    const CreateResult r = resize ? CreateFutoshikiPuzzle(random, slow, kHard, 5, h, g, flags)
                                  : CreateFutoshikiPuzzle(random, slow, h, g, flags);
    canceller.join();
    EXPECT_TRUE(!r.success && r.cancelled);
    EXPECT_EQ(std::memcmp(&h, &headerBefore, sizeof h), 0) << resize;
    EXPECT_EQ(std::memcmp(&g, &gridBefore, sizeof g), 0) << resize;
  }
  progress.cancelled = false;
  ASSERT_TRUE(CreateFutoshikiPuzzle(random, progress, kEasy, 5, header, grid, flags).success);
  expectFresh(5, kEasy);

  progress.cancelled = true;  // a cancelled batch run writes nothing
  const FutGrid before = grid;
  int attempts = -1;
  EXPECT_FALSE(CreateFutoshikiForPrint(random, progress, kEasy, 5, grid, nullptr, &attempts));
  EXPECT_EQ(attempts, 0);
  EXPECT_EQ(std::memcmp(&grid, &before, sizeof grid), 0);
}

}  // namespace
}  // namespace zorvek::futoshiki

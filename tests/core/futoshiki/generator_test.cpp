#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "brute.h"
#include "core/common/types.h"
#include "core/futoshiki/generator.h"

namespace zorvek::futoshiki {
namespace {

FutHeader Header(int n, int difficulty) {
  FutHeader h{};
  h.size = n;
  h.difficulty = static_cast<std::uint8_t>(difficulty);
  return h;
}

// States a > b for two orthogonally adjacent cells by the sign in the proper cell.
void SetGreater(FutBoard& b, int r1, int c1, int r2, int c2) {
  if (r1 == r2) {
    if (c2 == c1 + 1) b.at(r1, c1).signRight = 1;
    else b.at(r2, c2).signRight = 2;
  } else {
    if (r2 == r1 + 1) b.at(r1, c1).signDown = 1;
    else b.at(r2, c2).signDown = 2;
  }
}

constexpr int kDr[4] = {0, 1, 0, -1};
constexpr int kDc[4] = {1, 0, -1, 0};

TEST(FutoshikiGenerator, SignChainsInEveryMixOfDirections) {
  const FutHeader h = Header(7, kHard);
  for (int d1 = 0; d1 < 4; ++d1)
    for (int d2 = 0; d2 < 4; ++d2)
      for (int d3 = 0; d3 < 4; ++d3) {
        if (d2 == (d1 + 2) % 4 || d3 == (d2 + 2) % 4) continue;
        int r[4] = {3}, c[4] = {3};
        const int dirs[3] = {d1, d2, d3};
        for (int i = 0; i < 3; ++i) r[i + 1] = r[i] + kDr[dirs[i]], c[i + 1] = c[i] + kDc[dirs[i]];
        for (int reversed = 0; reversed < 2; ++reversed) {
          FutBoard b{};
          ClearBoard(h, b);
          for (int i = 0; i < 3; ++i) {
            if (reversed) SetGreater(b, r[i + 1], c[i + 1], r[i], c[i]);
            else SetGreater(b, r[i], c[i], r[i + 1], c[i + 1]);
          }
          EXPECT_TRUE(HasSignChain(h, b)) << d1 << d2 << d3 << " reversed " << reversed;
          // Turning the middle sign round breaks the run.
          FutBoard broken{};
          ClearBoard(h, broken);
          SetGreater(broken, r[0], c[0], r[1], c[1]);
          SetGreater(broken, r[2], c[2], r[1], c[1]);
          SetGreater(broken, r[2], c[2], r[3], c[3]);
          EXPECT_FALSE(HasSignChain(h, broken)) << d1 << d2 << d3;
        }
      }

  // Along the edges of a small board, where the walk touches the margin.
  const FutHeader small = Header(5, kHard);
  FutBoard edge{};
  ClearBoard(small, edge);
  SetGreater(edge, 0, 4, 0, 3);
  SetGreater(edge, 0, 3, 0, 2);
  EXPECT_FALSE(HasSignChain(small, edge)) << "two signs are not a chain";
  SetGreater(edge, 0, 2, 1, 2);
  EXPECT_TRUE(HasSignChain(small, edge));
}

TEST(FutoshikiGenerator, SignsStopAfterTheTryLimit) {
  const FutHeader h = Header(5, kHard);
  FutBoard b{};
  ClearBoard(h, b);
  // Every slot taken: no new sign can be placed, and the call still returns.
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) {
      if (c < 4) b.at(r, c).signRight = 1 + (r + c) % 2;
      if (r < 4) b.at(r, c).signDown = 1 + (r + c + 1) % 2;
    }
  const FutBoard before = b;
  Random random(5);
  AddRandomSign(h, b, random);
  EXPECT_EQ(std::memcmp(&before, &b, sizeof b), 0);

  // Small boards fill up with signs but never with a chain of three.
  FutBoard grown{};
  ClearBoard(h, grown);
  for (int i = 0; i < 60; ++i) AddRandomSign(h, grown, random);
  int signs = 0;
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 5; ++c) signs += (grown.at(r, c).signRight != 0) + (grown.at(r, c).signDown != 0);
  EXPECT_GT(signs, 10);
  EXPECT_FALSE(HasSignChain(h, grown));
}

TEST(FutoshikiGenerator, GivenGoesToAnOpenCellWithTheMostCandidates) {
  const FutHeader h = Header(5, kEasy);
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    FutBoard b{};
    ClearBoard(h, b);
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 5; ++c)
        if (r != 3 || c != 2) {
          b.at(r, c).candidates[1 + (r * 5 + c) % 5] = false;
          --b.at(r, c).count;
        }
    Random random(seed);
    AddRandomGiven(h, b, random);
    const FutCell& cell = b.at(3, 2);
    ASSERT_TRUE(cell.given);
    ASSERT_GE(cell.value, 1);
    ASSERT_LE(cell.value, 5);
    EXPECT_EQ(cell.count, 1);
    for (int i = 0; i < 5; ++i) {
      if (i != 2) {
        EXPECT_FALSE(b.at(3, i).candidates[cell.value]);
      }
      if (i != 3) {
        EXPECT_FALSE(b.at(i, 2).candidates[cell.value]);
      }
    }
  }
}

// The order and count of draws shape every puzzle: a twin generator with the
// same seed replays what each routine should have drawn.
TEST(FutoshikiGenerator, CluesDrawInTheirOrder) {
  const FutHeader h = Header(7, kMedium);
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    Random random(seed), twin(seed);
    FutBoard b{};
    ClearBoard(h, b);
    AddRandomSign(h, b, random);
    const int dir = twin(2);
    const int kind = twin(2) + 1;
    const int col = dir == 0 ? twin(6) : twin(7);
    const int row = dir == 0 ? twin(7) : twin(6);
    const FutCell& cell = b.at(row, col);
    EXPECT_EQ(dir == 0 ? cell.signRight : cell.signDown, kind) << "seed " << seed;
    EXPECT_EQ(random.Next32(), twin.Next32()) << "seed " << seed << ": draws consumed";

    // All cells equally open: the first cell of the offset scan takes the
    // k-th candidate.
    ClearBoard(h, b);
    AddRandomGiven(h, b, random);
    const int colOffset = twin(7);
    const int rowOffset = twin(7);
    const int k = twin(7) + 1;
    EXPECT_TRUE(b.at(rowOffset, colOffset).given) << "seed " << seed;
    EXPECT_EQ(b.at(rowOffset, colOffset).value, k) << "seed " << seed;
    EXPECT_EQ(random.Next32(), twin.Next32()) << "seed " << seed << ": draws consumed";
  }
}

int Clues(const FutHeader& h, const FutBoard& b) {
  int clues = 0;
  for (int r = 0; r < h.size; ++r)
    for (int c = 0; c < h.size; ++c)
      clues += b.at(r, c).given + (b.at(r, c).signRight != 0) + (b.at(r, c).signDown != 0);
  return clues;
}

TEST(FutoshikiGenerator, SmallBoardsAcceptOnlyBoardsSettledWithinTheBand) {
  int tooEarly = 0;
  for (int difficulty = kEasy; difficulty <= kHard; ++difficulty) {
    const FutHeader h = Header(5, difficulty);
    const GenerationParameters p = ParametersFor(difficulty, 5);
    int accepted = 0;
    for (std::uint64_t seed = 1; seed <= 1500; ++seed) {
      Random random(seed);
      FutBoard b{};
      const bool ok = GenerateFutoshiki(h, b, random, nullptr);
      const bool settled = IsFullyDetermined(h, b) && IsConsistent(h, b);
      if (ok) {
        ++accepted;
        EXPECT_TRUE(settled);
        EXPECT_GE(Clues(h, b), p.fewestClues);
        EXPECT_LE(Clues(h, b), p.mostClues);
      } else if (settled) {
        EXPECT_LT(Clues(h, b), p.fewestClues) << "a board settled within the band is accepted";
        ++tooEarly;
      }
    }
    EXPECT_GT(accepted, 0) << DifficultyWord(difficulty);
  }
  EXPECT_GT(tooEarly, 0) << "boards settled too early do occur and are rejected";
}

// Independent chain test over the exported grid.
bool GridGreater(const FutGrid& g, int n, int r, int c, int dir) {
  switch (dir) {
    case 0: return c + 1 < n && g.cells[r][c].signRight == 1;
    case 1: return r + 1 < n && g.cells[r][c].signDown == 1;
    case 2: return c > 0 && g.cells[r][c - 1].signRight == 2;
    default: return r > 0 && g.cells[r - 1][c].signDown == 2;
  }
}
bool GridHasChain(const FutGrid& g, int n, int r, int c, int depth) {
  if (depth == 3) return true;
  for (int d = 0; d < 4; ++d)
    if (GridGreater(g, n, r, c, d) && GridHasChain(g, n, r + kDr[d], c + kDc[d], depth + 1))
      return true;
  return false;
}

TEST(FutoshikiGenerator, GeneratedPuzzlesAreSoundUniqueAndInTheirBand) {
  const int sizes[3] = {5, 7, 9};
  for (int size : sizes)
    for (int difficulty = kEasy; difficulty <= kHard; ++difficulty) {
      const FutHeader h = Header(size, difficulty);
      const GenerationParameters p = ParametersFor(difficulty, size);
      Random random(1000 + size * 10 + difficulty);
      for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(std::string(DifficultyWord(difficulty)) + " " + std::to_string(size) +
                     " #" + std::to_string(i));
        CreateProgress progress;
        FutGrid grid{};
        ASSERT_TRUE(CreateFutoshikiForPrint(random, progress, difficulty, size, grid, nullptr));
        int clues = 0;
        for (int r = 0; r < size; ++r) {
          int rowSeen = 0, colSeen = 0;
          for (int c = 0; c < size; ++c) {
            const FutGridCell& cell = grid.cells[r][c];
            ASSERT_GE(cell.solution, 1);
            ASSERT_LE(cell.solution, size);
            rowSeen |= 1 << cell.solution;
            colSeen |= 1 << grid.cells[c][r].solution;
            EXPECT_EQ(cell.entry, cell.given ? cell.solution : 0);
            if (cell.signRight) {
              ASSERT_LT(c, size - 1);
              const int right = grid.cells[r][c + 1].solution;
              EXPECT_TRUE(cell.signRight == 1 ? cell.solution > right : cell.solution < right);
            }
            if (cell.signDown) {
              ASSERT_LT(r, size - 1);
              const int below = grid.cells[r + 1][c].solution;
              EXPECT_TRUE(cell.signDown == 1 ? cell.solution > below : cell.solution < below);
            }
            clues += cell.given + (cell.signRight != 0) + (cell.signDown != 0);
            if (size == 5) {
              EXPECT_FALSE(GridHasChain(grid, size, r, c, 0)) << "chain from " << r << "," << c;
            }
          }
          EXPECT_EQ(rowSeen, ((1 << size) - 1) << 1) << "row " << r << " is not a Latin row";
          EXPECT_EQ(colSeen, ((1 << size) - 1) << 1) << "column " << r << " is not a Latin column";
        }
        EXPECT_GE(clues, p.fewestClues);
        EXPECT_LE(clues, p.mostClues);
        testing::FutProblem found;
        const testing::FutProblem problem = testing::ProblemFromGrid(h, grid);
        ASSERT_EQ(testing::CountFutoshikiSolutions(problem, 2, &found), 1);
        for (int r = 0; r < size; ++r)
          for (int c = 0; c < size; ++c) EXPECT_EQ(found.value[r][c], grid.cells[r][c].solution);
      }
    }
}

TEST(FutoshikiGenerator, BruteCheckerSeesSecondSolutions) {
  // The checker itself: an empty 5 x 5 has many solutions, a clash none.
  testing::FutProblem open;
  open.n = 5;
  EXPECT_EQ(testing::CountFutoshikiSolutions(open), 2);
  testing::FutProblem clash = open;
  clash.value[0][0] = 3;
  clash.right[0][0] = 2;
  clash.value[0][1] = 2;
  EXPECT_EQ(testing::CountFutoshikiSolutions(clash), 0);
}

TEST(FutoshikiDrivers, InteractiveSuccessStartsAFreshClock) {
  Random random(42);
  CreateProgress progress;
  progress.cancelled = true;  // a stale request from an earlier run does not count
  std::uint8_t m9[kBankSize] = {}, h9[kBankSize] = {}, h7[kBankSize] = {};
  FutHeader header = Header(7, kMedium);
  header.elapsed = 321;
  header.playState = kTimerPaused;
  FutGrid grid{};
  const CreateResult result =
      CreateFutoshikiPuzzle(random, progress, header, grid, BankUsedFlags{m9, h9, h7});
  ASSERT_TRUE(result.success);
  EXPECT_FALSE(result.cancelled);
  EXPECT_TRUE(result.startCloseTimer);
  EXPECT_EQ(progress.attemptScale.load(), 2100);
  EXPECT_EQ(progress.attempts.load(), result.attempts);
  EXPECT_EQ(header.size, 7);
  EXPECT_EQ(header.difficulty, kMedium);
  EXPECT_EQ(header.elapsed, 0);
  EXPECT_EQ(header.playState, kTimerRunning);
  EXPECT_GE(grid.cells[6][6].solution, 1);
  for (std::uint8_t f : h7) EXPECT_EQ(f, 0) << "Medium 7 x 7 never draws from a bank";
}

TEST(FutoshikiDrivers, CancelledRunKeepsThePreviousPuzzle) {
  Random random(1);
  CreateProgress progress;
  std::uint8_t m9[kBankSize] = {}, h9[kBankSize] = {}, h7[kBankSize] = {};
  FutHeader header = Header(5, kHard);  // thousands of attempts: time to cancel
  header.elapsed = 77;
  FutGrid grid{};
  grid.cells[0][0].solution = 4;
  grid.cells[0][0].entry = 2;
  const FutHeader headerBefore = header;
  const FutGrid gridBefore = grid;
  std::thread canceller([&] {
    while (progress.attempts.load() < 1) std::this_thread::yield();
    progress.cancelled = true;
  });
  const CreateResult result =
      CreateFutoshikiPuzzle(random, progress, header, grid, BankUsedFlags{m9, h9, h7});
  canceller.join();
  ASSERT_FALSE(result.success);
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(std::memcmp(&header, &headerBefore, sizeof header), 0);
  EXPECT_EQ(std::memcmp(&grid, &gridBefore, sizeof grid), 0);
}

TEST(FutoshikiDrivers, ChoosingAnotherSizeKeepsThePreviousPuzzleOnCancel) {
  std::uint8_t m9[kBankSize] = {}, h9[kBankSize] = {}, h7[kBankSize] = {};
  Random random(2);
  FutHeader header{};
  FutGrid grid{};
  CreateStartupFutoshiki(random, header, grid);  // Medium 7 x 7
  header.elapsed = 95;
  const FutHeader headerBefore = header;
  const FutGrid gridBefore = grid;
  CreateProgress progress;
  std::thread canceller([&] {
    while (progress.attempts.load() < 1) std::this_thread::yield();
    progress.cancelled = true;
  });
  const CreateResult cancelled = CreateFutoshikiPuzzle(random, progress, kHard, 5, header, grid,
                                                       BankUsedFlags{m9, h9, h7});
  canceller.join();
  ASSERT_FALSE(cancelled.success);
  EXPECT_EQ(std::memcmp(&header, &headerBefore, sizeof header), 0) << "size 7 kept for the 7 x 7 grid";
  EXPECT_EQ(std::memcmp(&grid, &gridBefore, sizeof grid), 0);

  const CreateResult made = CreateFutoshikiPuzzle(random, progress, kEasy, 5, header, grid,
                                                  BankUsedFlags{m9, h9, h7});
  ASSERT_TRUE(made.success);
  EXPECT_EQ(header.size, 5);
  EXPECT_EQ(header.difficulty, kEasy);
  EXPECT_EQ(header.elapsed, 0);
  EXPECT_TRUE(BlocksAreValid(header, grid));
}

TEST(FutoshikiDrivers, PrintAndStartupDrivers) {
  Random random(9);
  CreateProgress progress;
  progress.cancelled = true;
  FutGrid grid{};
  grid.cells[0][0].solution = -1;
  int attempts = -1;
  EXPECT_FALSE(CreateFutoshikiForPrint(random, progress, kEasy, 5, grid, nullptr, &attempts));
  EXPECT_EQ(attempts, 0);
  EXPECT_EQ(grid.cells[0][0].solution, -1);

  FutHeader header{};
  header.size = 9;
  header.elapsed = 50;
  CreateStartupFutoshiki(random, header, grid);
  EXPECT_EQ(header.size, 7);
  EXPECT_EQ(header.difficulty, kMedium);
  EXPECT_EQ(header.elapsed, 0);
  EXPECT_EQ(header.playState, kTimerRunning);
  EXPECT_TRUE(HasPuzzle(grid));
  EXPECT_TRUE(BlocksAreValid(header, grid));
}

}  // namespace
}  // namespace zorvek::futoshiki

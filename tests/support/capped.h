#pragma once
// Puzzles for batch printing and first starts are tried until an attempt
// succeeds. Tests try the same attempts first on a copy of the random state,
// so a broken table or engine fails in seconds instead of looping for ever.
// No Kakuro seed in the tests needs more than a few dozen attempts; a Hard
// 5 x 5 Futoshiki takes thousands, a Sudoku Hard without its pool about a
// thousand.
#include <gtest/gtest.h>

#include "core/common/random.h"
#include "core/futoshiki/generator.h"
#include "core/hexkakuro/generator.h"
#include "core/kakuro/generator.h"
#include "core/sudoku/generator.h"

namespace zorvek::testing {

inline constexpr int kAttemptCap = 200;

inline ::testing::AssertionResult KakuroWithinCap(Random random, int difficulty, int rows, int cols) {
  const kakuro::KakHeader header = kakuro::MakeKakHeader(difficulty, rows, cols);
  kakuro::KakGrid grid;
  for (int i = 1; i <= kAttemptCap; ++i)
    if (kakuro::CreateKakuroAttempt(random, header, grid)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no Kakuro in " << kAttemptCap << " attempts";
}

inline ::testing::AssertionResult HexKakuroWithinCap(Random random, int level, int rows, int cols) {
  hexkakuro::HexBoard board;
  hexkakuro::HexGrid grid;
  for (int i = 1; i <= kAttemptCap; ++i)
    if (hexkakuro::GenerateAttempt(random, level, rows, cols, board, grid)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no HexKakuro in " << kAttemptCap << " attempts";
}

// Without a bank: what CreateFutoshikiForPrint does with no flags. Hard
// 5 x 5 takes the most attempts; a Medium 7 x 7 a few.
inline ::testing::AssertionResult FutoshikiWithinCap(Random random, int difficulty, int size,
                                                     int cap = 1000 * kAttemptCap) {
  futoshiki::FutHeader header{};
  header.size = size;
  header.difficulty = static_cast<std::uint8_t>(difficulty);
  futoshiki::FutBoard board{};
  futoshiki::FutGrid grid{};
  for (int i = 1; i <= cap; ++i)
    if (futoshiki::GenerateFutoshiki(header, board, random, nullptr) &&
        futoshiki::SolveAndExport(header, board, grid))
      return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no Futoshiki in " << cap << " attempts";
}

// Without the pool: the generator alone, as the first start and Easy and
// Medium printing use it.
inline ::testing::AssertionResult SudokuWithinCap(Random random, int difficulty) {
  sudoku::Generator generator(random);
  sudoku::SolverBoard board;
  sudoku::SudPuzzle puzzle{};
  for (int i = 1; i <= 20 * kAttemptCap; ++i)
    if (generator.GeneratePuzzle(difficulty, board) && generator.FinalizePuzzle(difficulty, board, puzzle))
      return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no Sudoku in " << 20 * kAttemptCap << " attempts";
}

// The first-start puzzles: Sudoku Medium, Kakuro Medium 9 x 11, Futoshiki
// Medium 7 x 7, HexKakuro Easy 9 x 9, each from the same random state.
inline ::testing::AssertionResult StartupWithinCap(const Random& random) {
  if (auto s = SudokuWithinCap(random, kMedium); !s) return s;
  if (auto k = KakuroWithinCap(random, kMedium, 9, 11); !k) return k;
  if (auto f = FutoshikiWithinCap(random, kMedium, 7, kAttemptCap); !f) return f;
  return HexKakuroWithinCap(random, kEasy, 9, 9);
}

}  // namespace zorvek::testing

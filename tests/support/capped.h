#pragma once
// Kakuro and HexKakuro puzzles for batch printing and first starts are tried
// until an attempt succeeds. Tests try the same attempts first on a copy of
// the random state, so a broken table or engine fails in seconds instead of
// looping for ever; no seed in the tests needs more than a few dozen.
#include <gtest/gtest.h>

#include "core/common/random.h"
#include "core/hexkakuro/generator.h"
#include "core/kakuro/generator.h"

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

// The first-start puzzles: Kakuro Medium 9 x 11, HexKakuro Easy 9 x 9.
inline ::testing::AssertionResult StartupWithinCap(const Random& random) {
  if (auto k = KakuroWithinCap(random, kMedium, 9, 11); !k) return k;
  return HexKakuroWithinCap(random, kEasy, 9, 9);
}

}  // namespace zorvek::testing

#include <gtest/gtest.h>

#include <memory>

#include "core/common/types.h"
#include "kakuro_check.h"
#include "core/shell/state.h"

namespace zorvek {
namespace {

TEST(KakuroState, ResetGivesAMediumNineByElevenPuzzleWithARunningClock) {
  Random random(77);
  StateContext context;
  context.random = &random;
  auto state = std::make_unique<AppState>();
  ResetState(*state, context);
  const kakuro::KakHeader& h = state->kakuroSettings;
  EXPECT_EQ(h.difficulty, kMedium);
  EXPECT_EQ(h.rows, 9);
  EXPECT_EQ(h.cols, 11);
  EXPECT_EQ(h.elapsed, 0);
  EXPECT_EQ(h.playState, kTimerRunning);
  EXPECT_EQ(kakuro::testing::PuzzleProblems(h, state->kakuroPuzzle), "");
  EXPECT_TRUE(StateIsValid(*state));

  // A Kakuro block that would break play makes the whole state invalid.
  state->kakuroPuzzle.cells[3][3].colour = 7;
  EXPECT_FALSE(StateIsValid(*state));
  state->kakuroPuzzle.cells[3][3].colour = kakuro::kBlack;
  state->kakuroPuzzle.cells[3][3].sum = 3;
  state->kakuroPuzzle.cells[3][3].acrossLength = 200;
  EXPECT_FALSE(StateIsValid(*state));
}

}  // namespace
}  // namespace zorvek

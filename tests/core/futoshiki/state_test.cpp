#include <gtest/gtest.h>

#include <memory>

#include "core/common/types.h"
#include "core/shell/state.h"

namespace zorvek {
namespace {

TEST(FutoshikiState, ResetGivesAMediumSevenPuzzleAndLoadChecksTheBlocks) {
  Random random(31);
  StateContext context;
  context.random = &random;
  auto state = std::make_unique<AppState>();
  ResetState(*state, context);
  const futoshiki::FutHeader& h = state->futoshikiSettings;
  EXPECT_EQ(h.size, 7);
  EXPECT_EQ(h.difficulty, kMedium);
  EXPECT_EQ(h.elapsed, 0);
  EXPECT_EQ(h.playState, kTimerRunning);
  ASSERT_TRUE(futoshiki::HasPuzzle(state->futoshikiPuzzle));
  EXPECT_TRUE(StateIsValid(*state));

  // A sign pointing off the board would be drawn and played outside it.
  auto spoiled = std::make_unique<AppState>(*state);
  spoiled->futoshikiPuzzle.cells[2][6].signRight = 1;
  EXPECT_FALSE(StateIsValid(*spoiled));

  // "No puzzle yet" is not a fault: the missing puzzle is made on load.
  auto empty = std::make_unique<AppState>(*state);
  empty->futoshikiPuzzle.cells[0][0].solution = -1;
  empty->futoshikiSettings.playState = 9;
  EXPECT_TRUE(StateIsValid(*empty));
  FillMissingPuzzles(*empty, context);
  EXPECT_TRUE(futoshiki::HasPuzzle(empty->futoshikiPuzzle));
  EXPECT_EQ(empty->futoshikiSettings.playState, kTimerRunning);
  EXPECT_TRUE(StateIsValid(*empty));
}

}  // namespace
}  // namespace zorvek

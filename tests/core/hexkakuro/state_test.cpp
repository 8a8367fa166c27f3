// The HexKakuro blocks of the application state.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/common/types.h"
#include "core/shell/state.h"

namespace zorvek {
namespace {

TEST(HexKakuroState, ResetAndMissingPuzzleGiveAnEasySmallPuzzle) {
  Random random(7);
  StateContext context;
  context.random = &random;
  auto state = std::make_unique<AppState>();
  std::memset(state.get(), 0xff, sizeof *state);  // whatever a damaged file held
  ResetState(*state, context);
  const hexkakuro::HexHeader& h = state->hexKakuroSettings;
  EXPECT_EQ(h.difficulty, kEasy);
  EXPECT_EQ(h.rows * 100 + h.cols, 909);
  EXPECT_EQ(h.elapsed, 0);
  EXPECT_EQ(h.timerState, kTimerRunning);
  EXPECT_TRUE(hexkakuro::BlocksAreValid(h, state->hexKakuroPuzzle));

  // A block marked "no puzzle yet" gets one; one that holds a puzzle is kept.
  const hexkakuro::HexGrid before = state->hexKakuroPuzzle;
  FillMissingPuzzles(*state, context);
  EXPECT_EQ(std::memcmp(&before, &state->hexKakuroPuzzle, sizeof before), 0);
  state->hexKakuroSettings.elapsed = 77;
  hexkakuro::MarkNoPuzzle(state->hexKakuroPuzzle);
  FillMissingPuzzles(*state, context);
  EXPECT_TRUE(hexkakuro::HasPuzzle(state->hexKakuroPuzzle));
  EXPECT_EQ(state->hexKakuroSettings.elapsed, 0);
  EXPECT_TRUE(hexkakuro::BlocksAreValid(state->hexKakuroSettings, state->hexKakuroPuzzle));
}

}  // namespace
}  // namespace zorvek

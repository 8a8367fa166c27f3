#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/common/types.h"
#include "core/play/play.h"
#include "core/shell/kinds.h"
#include "core/shell/state.h"
#include "core/sudoku/play.h"
#include "support/capped.h"
#include "support/hint_path.h"

namespace zorvek {
namespace {

using sudoku::SudokuPlayAdapter;
using sudoku::SudPuzzle;
using sudoku::SudSettings;

int SolutionAt(int r, int c) { return (r * 3 + r / 3 + c) % 9 + 1; }

// A valid grid with givens on the main diagonal of every box row.
struct Fixture {
  SudSettings settings{};
  SudPuzzle puzzle{};
  std::uint8_t mode = kModeMouse;
  SudokuPlayAdapter adapter{settings, puzzle};
  PlayModel model{adapter, mode};

  explicit Fixture(int inputMode = kModeMouse, int timer = kTimerRunning) {
    mode = static_cast<std::uint8_t>(inputMode);
    settings.difficulty = kMedium;
    settings.timerState = static_cast<std::uint8_t>(timer);
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c) {
        auto& x = puzzle.cells[r][c];
        x.solution = SolutionAt(r, c);
        x.given = (r == c) ? 1 : 0;
        x.entry = x.given ? static_cast<std::uint8_t>(x.solution) : 0;
      }
    model.InstallPuzzle();
  }
  void FillAllButOne(int skipR, int skipC) {
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c)
        if (r != c && !(r == skipR && c == skipC)) puzzle.cells[r][c].entry = SolutionAt(r, c);
    model.RecordMove();
  }
};

TEST(PlayHistory, RingKeepsTheLastThousandMovesAfterTheInstalledPuzzle) {
  Fixture f;
  const int start = f.model.MoveNumber();
  EXPECT_FALSE(f.model.undoEnabled);
  f.model.MouseClick(0, 1, 5, false);
  f.model.Undo();
  f.model.Undo();  // nothing before the installed puzzle
  EXPECT_EQ(f.model.MoveNumber(), start);
  EXPECT_EQ(f.puzzle.cells[0][1].entry, 0);
  while (f.model.MoveNumber() < 1500) f.model.MouseClick(0, 1, 5, /*right=*/true);
  // The mark was toggled once per move: on at odd distances from the start.
  auto markOnAt = [&](int move) { return (move - start) % 2 == 1; };
  int undos = 0;
  while (f.model.undoEnabled) {
    f.model.Undo();
    ++undos;
  }
  EXPECT_EQ(f.model.MoveNumber(), 501);
  EXPECT_EQ(undos, 999);
  EXPECT_EQ(f.adapter.Mark(0, 1, 5), markOnAt(501));
  f.model.Undo();  // nothing older is restorable
  EXPECT_EQ(f.model.MoveNumber(), 501);
}

TEST(PlayCommands, ButtonStatesFollowBlankPartialAndFull) {
  Fixture f;
  EXPECT_FALSE(f.model.checkEnabled);
  EXPECT_TRUE(f.model.fillEnabled);
  EXPECT_FALSE(f.model.clearEnabled);
  f.model.MouseClick(2, 5, 1, true);  // a pencil mark alone makes it non-blank
  EXPECT_TRUE(f.model.checkEnabled && f.model.fillEnabled && f.model.clearEnabled);

  // The last cell, wrong: checked, but the clock goes on.
  f.FillAllButOne(8, 0);
  EXPECT_TRUE(f.model.clockRunning());
  f.model.MouseClick(8, 0, SolutionAt(8, 0) % 9 + 1, false);
  EXPECT_TRUE(f.model.checkDisplay);
  EXPECT_FALSE(f.model.allCorrect);
  EXPECT_EQ(f.puzzle.cells[8][0].check, 2);
  EXPECT_TRUE(f.model.clockRunning());
  EXPECT_FALSE(f.model.checkEnabled || f.model.fillEnabled);
  EXPECT_TRUE(f.model.clearEnabled);

  // Correct: every cell green and the clock stops for good.
  f.model.MouseClick(8, 0, 1, false);  // clears the wrong entry
  f.model.MouseClick(8, 0, SolutionAt(8, 0), false);
  EXPECT_TRUE(f.model.allCorrect);
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) EXPECT_EQ(f.puzzle.cells[r][c].check, 1);
  EXPECT_FALSE(f.model.clockRunning());
  EXPECT_FALSE(f.model.pauseEnabled);
  EXPECT_EQ(f.settings.timerState, kTimerStopped);
}

TEST(PlayCommands, FillStopsAndClearRestartsTheClock) {
  Fixture f;
  f.settings.elapsed = 75;
  f.model.FillAll();
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) EXPECT_EQ(f.puzzle.cells[r][c].entry, SolutionAt(r, c));
  EXPECT_EQ(f.settings.timerState, kTimerStopped);
  EXPECT_FALSE(f.model.clockRunning());
  EXPECT_FALSE(f.model.pauseEnabled);
  EXPECT_TRUE(f.model.clockGrey);
  EXPECT_EQ(f.model.clockText, "01:15");
  f.model.Tick(true);
  EXPECT_EQ(f.settings.elapsed, 75);

  f.model.ClearAll();
  EXPECT_EQ(f.settings.timerState, kTimerRunning);
  EXPECT_EQ(f.settings.elapsed, 0);
  EXPECT_TRUE(f.model.clockRunning() && f.model.pauseEnabled);
  EXPECT_FALSE(f.model.clockGrey);
  EXPECT_EQ(f.puzzle.cells[4][4].entry, 0);  // even the givens' stored byte
  EXPECT_FALSE(f.model.clearEnabled);
  f.model.Tick(true);
  f.model.Tick(false);  // another kind shown: the clock switches off
  EXPECT_EQ(f.settings.elapsed, 1);
  EXPECT_FALSE(f.model.clockRunning());
}

TEST(PlayTyping, CursorSkipsAndWraps) {
  Fixture f(kModeType);
  f.puzzle.cells[0][2].entry = 3;
  f.model.SelectCell(0, 1);
  f.model.MoveTypingCursor(Arrow::Right);  // skips the entry at (0,2)
  EXPECT_EQ(f.model.CursorCol(), 3);
  f.model.SelectCell(0, 8);
  f.model.MoveTypingCursor(Arrow::Right);  // wraps; (1,1) is a given
  EXPECT_EQ(f.model.CursorRow(), 1);
  EXPECT_EQ(f.model.CursorCol(), 0);
  f.model.MoveTypingCursor(Arrow::Left);
  EXPECT_EQ(f.model.CursorRow(), 0);
  EXPECT_EQ(f.model.CursorCol(), 8);
  f.model.SelectCell(1, 0);
  f.model.MoveTypingCursor(Arrow::Up);  // wraps to the previous column's bottom
  EXPECT_EQ(f.model.CursorRow(), 7);
  EXPECT_EQ(f.model.CursorCol(), 8);  // (8,8) is a given
  f.model.SelectCell(8, 7);
  f.model.MoveTypingCursor(Arrow::Down);  // bottom of column 7 -> top of column 8
  EXPECT_EQ(f.model.CursorRow(), 0);
  EXPECT_EQ(f.model.CursorCol(), 8);
  f.model.SelectCell(4, 4);  // a given commits and hides the box
  EXPECT_FALSE(f.model.TypingBoxVisible());

  // With every cell filled the cursor steps one cell at a time, never onto a given.
  Fixture g(kModeType);
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) g.puzzle.cells[r][c].entry = g.puzzle.cells[r][c].given ? 0 : 1;
  g.model.SelectCell(0, 1);
  // Only the cell under the typing box takes its entry as typed text.
  EXPECT_EQ(g.adapter.Text(0, 1), "1");
  EXPECT_EQ(g.adapter.Text(0, 2), "");
  g.model.MoveTypingCursor(Arrow::Right);
  EXPECT_EQ(g.model.CursorCol(), 2);
  g.model.SelectCell(0, 1);
  g.model.MoveTypingCursor(Arrow::Down);
  EXPECT_EQ(g.model.CursorRow(), 2);
}

TEST(PlayClock, InstallFollowsTheTimerStateAndPauseResumes) {
  Fixture paused(kModeType, kTimerPaused);
  EXPECT_TRUE(paused.model.paused);
  EXPECT_FALSE(paused.model.gridVisible || paused.model.clockRunning());
  EXPECT_FALSE(paused.model.TypingBoxVisible());
  paused.model.Resume();
  EXPECT_TRUE(paused.model.clockRunning());
  EXPECT_EQ(paused.settings.timerState, kTimerRunning);
  EXPECT_TRUE(paused.model.TypingBoxVisible());

  Fixture stopped(kModeMouse, kTimerStopped);
  EXPECT_FALSE(stopped.model.clockRunning() || stopped.model.pauseEnabled);
  EXPECT_TRUE(stopped.model.clockGrey);

  Fixture running;
  running.settings.elapsed = 3599;
  running.model.Tick(true);
  running.model.Tick(true);
  EXPECT_EQ(running.model.clockText, "1:00:00");
  running.model.Pause();
  running.model.Tick(true);
  EXPECT_EQ(running.settings.elapsed, 3601);
  EXPECT_EQ(running.settings.timerState, kTimerRunning);  // pausing is not saved
}

TEST(PlaySudoku, PencilCommands) {
  Fixture f;
  f.puzzle.cells[0][1].marks[3] = 1;  // keeps its single mark
  sudoku::AddPencilmarks(f.puzzle);
  EXPECT_EQ(f.puzzle.cells[0][2].marks[8], 1);
  EXPECT_EQ(f.puzzle.cells[0][1].marks[0], 0);
  EXPECT_EQ(f.puzzle.cells[0][0].marks[0], 0);  // given
  // An entry in a box leaves its digit out of every cell of that box.
  f.puzzle.cells[4][3].entry = 7;
  sudoku::ReducePencilmarks(f.puzzle);
  EXPECT_EQ(f.puzzle.cells[5][5].marks[6], 0);
  EXPECT_EQ(f.puzzle.cells[3][4].marks[6], 0);
  EXPECT_EQ(f.puzzle.cells[4][8].marks[6], 0);  // same row
  EXPECT_EQ(f.puzzle.cells[8][3].marks[6], 0);  // same column
  EXPECT_EQ(f.puzzle.cells[8][7].marks[6], 1);
  // The given at (3,3) removed its own digit from its box as well.
  EXPECT_EQ(f.puzzle.cells[5][4].marks[SolutionAt(3, 3) - 1], 0);
}

// The first-start puzzle of a kind, tried within the attempt caps first.
std::unique_ptr<AppState> Startup(int kind) {
  auto state = std::make_unique<AppState>();
  Random random(kind + 1);
  const ::testing::AssertionResult capped = testing::StartupWithinCap(random);
  EXPECT_TRUE(capped);
  if (capped) KindOf(kind).createStartup(random, *state);
  return state;
}

// Every kind's adapter under the play model, on its first-start puzzle: a
// clue or given takes nothing, an open cell takes a digit and a mark, checks
// read back as written, Undo restores, and Fill leaves every check right with
// the clock stopped.
TEST(PlayAdapters, EveryKindPlaysByTheSameRules) {
  for (int kind = 0; kind < kPlayKinds; ++kind) {
    SCOPED_TRACE(KindName(kind));
    const auto state = Startup(kind);
    const auto adapter = KindOf(kind).playAdapter(*state);
    std::uint8_t mode = kModeMouse;
    PlayModel model(*adapter, mode);
    model.InstallPuzzle();
    int fixedR = -1, fixedC = -1, openR = -1, openC = -1;
    for (int r = 0; r < adapter->Rows(); ++r)
      for (int c = 0; c < adapter->Cols(); ++c)
        if (adapter->IsCell(r, c) && !adapter->IsGiven(r, c))
          openR = r, openC = c;  // the last open cell, far from the first
        else if (fixedR < 0)
          fixedR = r, fixedC = c;
    ASSERT_TRUE(fixedR >= 0 && openR >= 0);
    const int before = adapter->Entry(fixedR, fixedC), answer = adapter->Solution(openR, openC);
    const int other = answer == adapter->MarkHigh() ? adapter->MarkLow() : answer + 1;
    model.MouseClick(fixedR, fixedC, other, false);
    model.MouseClick(fixedR, fixedC, other, true);
    EXPECT_EQ(adapter->Entry(fixedR, fixedC), before);
    EXPECT_FALSE(adapter->IsCell(fixedR, fixedC) && adapter->Mark(fixedR, fixedC, other));
    model.MouseClick(openR, openC, other, true);
    EXPECT_TRUE(adapter->Mark(openR, openC, other));
    model.MouseClick(openR, openC, answer, false);
    EXPECT_EQ(adapter->Entry(openR, openC), answer);
    model.MouseClick(openR, openC, other, false);  // another digit clears the entry
    EXPECT_EQ(adapter->Entry(openR, openC), 0);
    model.Undo();
    model.Undo();
    EXPECT_EQ(adapter->Entry(openR, openC), 0);
    EXPECT_TRUE(adapter->Mark(openR, openC, other));
    for (int mark : {1, 2, 0}) {
      adapter->SetCheck(openR, openC, mark);
      EXPECT_EQ(adapter->Check(openR, openC), mark);
    }
    model.FillAll();
    model.CheckAll();
    EXPECT_TRUE(model.allCorrect);
    EXPECT_EQ(adapter->Entry(openR, openC), answer);
    EXPECT_EQ(adapter->Check(openR, openC), 1);
    EXPECT_EQ(adapter->TimerState(), kTimerStopped);
  }
}

// Wrong entries come first, named as the kind names its cells: HexKakuro by
// its block's own row and column, the others counting from 1.
TEST(PlayAdapters, EveryKindsHintsTakeWrongEntriesFirst) {
  for (int kind = 0; kind < kPlayKinds; ++kind) {
    SCOPED_TRACE(KindName(kind));
    const auto state = Startup(kind);
    const auto adapter = KindOf(kind).playAdapter(*state);
    const Hint first = testing::ExpectWrongEntriesFirst(*adapter);
    const int base = kind == kKindHexKakuro ? 0 : 1;
    EXPECT_EQ(first.cellsText, CellName(first.target.row + base, first.target.col + base));
  }
}

}  // namespace
}  // namespace zorvek

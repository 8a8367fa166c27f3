#include "core/shell/kinds.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <thread>

#include "core/common/types.h"
#include "support/brute.h"
#include "support/capped.h"

namespace zorvek {
namespace {

bool operator==(const PuzzleShape& a, const PuzzleShape& b) {
  return a.difficulty == b.difficulty && a.rows == b.rows && a.cols == b.cols;
}

// Every kind's first start, then a job run as the create dialog runs it:
// each puzzle of the level and size asked for, with one solution by the
// independent checker and a fresh running clock, and taken into the state
// only by a successful commit, with nothing of the old puzzle's play.
TEST(KindJobs, StartupAndCreatedPuzzlesAreSoundWithAFreshClock) {
  struct Case {
    int kind;
    PuzzleShape startup;
    int difficulty, sizeChoice;
    PuzzleShape made;
    bool cancellable;  // the create dialog offers Cancel
    testing::Problem (*problem)(const AppState&);  // the puzzle as the independent checker reads it
  };
  const Case cases[] = {
      {kKindSudoku, {kMedium, 9, 9}, kEasy, 0, {kEasy, 9, 9}, true,
       [](const AppState& s) { return testing::SudokuProblem(s.sudokuPuzzle); }},
      {kKindKakuro, {kMedium, 9, 11}, kHard, 3, {kHard, 11, 13}, false,
       [](const AppState& s) { return testing::KakuroProblem(s.kakuroSettings, s.kakuroPuzzle); }},
      {kKindFutoshiki, {kMedium, 7, 7}, kEasy, 0, {kEasy, 5, 5}, true,
       [](const AppState& s) { return testing::FutoshikiProblem(s.futoshikiSettings, s.futoshikiPuzzle); }},
      {kKindHexKakuro, {kEasy, 9, 9}, kHard, 1, {kHard, 11, 13}, false,
       [](const AppState& s) {
         return testing::HexKakuroProblem(s.hexKakuroPuzzle, s.hexKakuroSettings.rows, s.hexKakuroSettings.cols);
       }},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(KindName(t.kind));
    const KindDescriptor& kind = KindOf(t.kind);
    auto state = std::make_unique<AppState>();
    Random random(t.kind + 21);
    ASSERT_TRUE(testing::StartupWithinCap(random));
    kind.createStartup(random, *state);
    for (int step = 0; step < 2; ++step) {
      const PuzzleShape& shape = step == 0 ? t.startup : t.made;
      EXPECT_TRUE(kind.shape(*state) == shape) << shape.difficulty << " " << shape.rows << "x" << shape.cols;
      EXPECT_EQ(testing::Verdict(t.problem(*state)), "");
      auto adapter = kind.playAdapter(*state);
      EXPECT_EQ(adapter->Elapsed(), 0);
      EXPECT_EQ(adapter->TimerState(), kTimerRunning);
      if (step == 1) break;
      // The job starts from a played puzzle on an old clock, and its first
      // commit says it failed; the new puzzle keeps none of the old play.
      adapter->Elapsed() = 500;
      adapter->TimerState() = kTimerPaused;
      for (int r = 0; r < adapter->Rows(); ++r)
        for (int c = 0; c < adapter->Cols(); ++c)
          if (adapter->IsCell(r, c) && !adapter->IsGiven(r, c)) {
            adapter->SetEntry(r, c, adapter->Solution(r, c));
            adapter->SetMark(r, c, adapter->MarkHigh(), true);
            adapter->SetCheck(r, c, 2);
          }
      if (t.cancellable) {
        // Cancel pressed during a run: it ends failed and cancelled, so the
        // player's puzzle stays. The run waits at its first look at the flag.
        CreateProgress slow;
        slow.Pause();
        std::jthread canceller([&slow] {
          while (slow.attemptScale.load() == 0) std::this_thread::yield();
          slow.cancelled = true;
          slow.Resume();
        });
        const CreateOutcome out = kind.createJob(*state, t.difficulty, t.sizeChoice)->Run(random, slow);
        EXPECT_TRUE(!out.success && out.cancelled);
      }
      const auto before = std::make_unique<AppState>(*state);
      const auto job = kind.createJob(*state, t.difficulty, t.sizeChoice);
      CreateProgress progress;
      ASSERT_TRUE(job->Run(random, progress).success);
      job->Commit(*state, false);
      EXPECT_EQ(std::memcmp(before.get(), state.get(), sizeof *state), 0);
      job->Commit(*state, true);
    }
  }
}

}  // namespace
}  // namespace zorvek

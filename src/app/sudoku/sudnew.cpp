#include "app/sudoku/sudnew.h"

#include <cstring>

#include "app/shell/host.h"
#include "core/common/types.h"
#include "core/sudoku/generator.h"

namespace zorvek::app {

TfrmSudNew::TfrmSudNew(THost& host, QWidget* parent) : TKindCreateDialog(host, kKindSudoku, true, parent) {
  setObjectName(QStringLiteral("frmSudNew"));
}

void TfrmSudNew::FollowPuzzle() { SetDifficulty(host_.state().sudokuSettings.difficulty); }

std::function<TCreateDialog::Outcome()> TfrmSudNew::PrepareJob(AppState& state) {
  workSettings_ = state.sudokuSettings;
  workPuzzle_ = state.sudokuPuzzle;
  std::memcpy(workFlags_, state.general.sudokuTemplateUsed, sizeof workFlags_);
  const int difficulty = Difficulty();
  Random& random = host_.random();
  return [this, difficulty, &random] {
    const sudoku::CreateResult r =
        sudoku::CreateSudokuPuzzle(random, progress_, difficulty, workSettings_, workPuzzle_, workFlags_);
    return Outcome{r.success, r.cancelled, r.startCloseTimer};
  };
}

void TfrmSudNew::Commit(AppState& state, bool success) {
  std::memcpy(state.general.sudokuTemplateUsed, workFlags_, sizeof workFlags_);
  if (!success) return;
  state.sudokuSettings = workSettings_;
  state.sudokuPuzzle = workPuzzle_;
}

}  // namespace zorvek::app

#pragma once
// The Sudoku create dialog: a difficulty, then the create loop on a worker.
#include "app/shell/createdialog.h"
#include "core/sudoku/record.h"

namespace zorvek::app {

class TfrmSudNew : public TKindCreateDialog {
  Q_OBJECT
 public:
  TfrmSudNew(THost& host, QWidget* parent);
  void FollowPuzzle() override;

 protected:
  std::function<Outcome()> PrepareJob(AppState& state) override;
  void Commit(AppState& state, bool success) override;

 private:
  // The worker builds into copies; the state changes only on success.
  sudoku::SudSettings workSettings_{};
  sudoku::SudPuzzle workPuzzle_{};
  std::uint8_t workFlags_[5000]{};
};

}  // namespace zorvek::app

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
};

}  // namespace zorvek::app

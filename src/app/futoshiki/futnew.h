#pragma once
// The Futoshiki create dialog: a difficulty and a grid size, then the create
// loop on a worker.
#include "app/shell/createdialog.h"

namespace zorvek::app {

class TfrmFutNew : public TKindCreateDialog {
  Q_OBJECT
 public:
  TfrmFutNew(THost& host, QWidget* parent);
  void FollowPuzzle() override;
};

}  // namespace zorvek::app

#pragma once
// The Kakuro create dialog: a difficulty and one of four grid sizes, then up
// to 51 attempts on the worker thread. It cannot be stopped; the bar stands
// at half while the engine works.
#include "app/shell/createdialog.h"
#include "core/kakuro/record.h"

namespace zorvek::app {

class TfrmKakNew : public TKindCreateDialog {
  Q_OBJECT
 public:
  TfrmKakNew(THost& host, QWidget* parent);
  void FollowPuzzle() override;
};

}  // namespace zorvek::app

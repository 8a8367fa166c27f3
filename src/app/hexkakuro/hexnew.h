#pragma once
// The HexKakuro create dialog: a difficulty and one of the two sizes, then
// the limited create loop on a worker. It cannot be cancelled once started.
#include "app/shell/createdialog.h"

namespace zorvek::app {

class TfrmHexNew : public TKindCreateDialog {
  Q_OBJECT
 public:
  TfrmHexNew(THost& host, QWidget* parent);
  void FollowPuzzle() override;
};

}  // namespace zorvek::app

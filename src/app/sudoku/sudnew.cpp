#include "app/sudoku/sudnew.h"

#include "app/shell/host.h"
#include "core/common/types.h"

namespace zorvek::app {

TfrmSudNew::TfrmSudNew(THost& host, QWidget* parent) : TKindCreateDialog(host, kKindSudoku, true, parent) {
  setObjectName(QStringLiteral("frmSudNew"));
}

void TfrmSudNew::FollowPuzzle() { SetDifficulty(host_.state().sudokuSettings.difficulty); }

}  // namespace zorvek::app

#include "app/futoshiki/futnew.h"

#include "app/shell/host.h"
#include "core/common/types.h"
#include "core/futoshiki/record.h"

namespace zorvek::app {

TfrmFutNew::TfrmFutNew(THost& host, QWidget* parent) : TKindCreateDialog(host, kKindFutoshiki, true, parent) {
  setObjectName(QStringLiteral("frmFutNew"));
  SetSizeChoices({QStringLiteral("5 x 5"), QStringLiteral("7 x 7"), QStringLiteral("9 x 9")});
  SetClientSize(QSize(595, 387));
}

void TfrmFutNew::FollowPuzzle() {
  const futoshiki::FutHeader& h = host_.state().futoshikiSettings;
  SetDifficulty(h.difficulty);
  SetSize((futoshiki::PlaySize(h) - 5) / 2);
}

}  // namespace zorvek::app

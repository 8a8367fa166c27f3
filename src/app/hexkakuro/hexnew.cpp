#include "app/hexkakuro/hexnew.h"

#include <QRadioButton>

#include "app/shell/host.h"
#include "core/common/types.h"
#include "core/hexkakuro/generator.h"

namespace zorvek::app {

TfrmHexNew::TfrmHexNew(THost& host, QWidget* parent)
    : TKindCreateDialog(host, kKindHexKakuro, false, parent) {
  setObjectName(QStringLiteral("frmHexNew"));
  setWindowTitle(QStringLiteral("Create Hex Kakuro puzzle"));
  SetSizeChoices({QStringLiteral("  9 x   9"), QStringLiteral("11 x 13")});
  // The engine's loop is short and cannot be stopped: the bar only says it runs.
  SetFixedBar(50);
}

void TfrmHexNew::FollowPuzzle() {
  const hexkakuro::HexHeader& h = host_.state().hexKakuroSettings;
  SetDifficulty(h.difficulty == kMedium || h.difficulty == kHard ? int(h.difficulty) : int(kEasy));
  SetSize(h.rows == hexkakuro::kLargeRows && h.cols == hexkakuro::kLargeCols ? 1 : 0);
}


}  // namespace zorvek::app

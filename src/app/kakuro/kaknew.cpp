#include "app/kakuro/kaknew.h"

#include "app/shell/host.h"
#include "core/common/types.h"
#include "core/kakuro/generator.h"

namespace zorvek::app {

TfrmKakNew::TfrmKakNew(THost& host, QWidget* parent) : TKindCreateDialog(host, kKindKakuro, false, parent) {
  setObjectName(QStringLiteral("frmKakNew"));
  // Attempts are quick and few: the bar stands at half while the engine works.
  SetFixedBar(50);
  // The captions count the clue row and column too.
  SetSizeChoices({QStringLiteral("  8 x   8"), QStringLiteral("10 x 10"), QStringLiteral("10 x 12"),
                  QStringLiteral("12 x 14")});
}

void TfrmKakNew::FollowPuzzle() {
  const kakuro::KakHeader& h = host_.state().kakuroSettings;
  SetDifficulty(h.difficulty);
  for (int choice = 0; choice < 4; ++choice) {
    int rows, cols;
    if (kakuro::KakSizeForChoice(choice, rows, cols) && rows == h.rows && cols == h.cols) SetSize(choice);
  }
}

}  // namespace zorvek::app

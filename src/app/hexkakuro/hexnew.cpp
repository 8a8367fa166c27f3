#include "app/hexkakuro/hexnew.h"

#include <QRadioButton>

#include "app/shell/host.h"
#include "core/common/types.h"

namespace zorvek::app {

TfrmHexNew::TfrmHexNew(THost& host, QWidget* parent)
    : TKindCreateDialog(host, kKindHexKakuro, false, parent), creator_(hexkakuro::CreateHexKakuroPuzzle) {
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

int TfrmHexNew::ChosenRows() const { return Size() == 1 ? hexkakuro::kLargeRows : hexkakuro::kSmallRows; }
int TfrmHexNew::ChosenCols() const { return Size() == 1 ? hexkakuro::kLargeCols : hexkakuro::kSmallCols; }

std::function<TCreateDialog::Outcome()> TfrmHexNew::PrepareJob(AppState& state) {
  workSettings_ = state.hexKakuroSettings;
  workGrid_ = state.hexKakuroPuzzle;
  const int level = Difficulty(), rows = ChosenRows(), cols = ChosenCols();
  Random& random = host_.random();
  return [this, level, rows, cols, &random, creator = creator_] {
    const hexkakuro::HexCreateResult r = creator(random, progress_, level, rows, cols, workSettings_, workGrid_);
    return Outcome{r.success, r.cancelled, false};
  };
}

void TfrmHexNew::Commit(AppState& state, bool success) {
  if (!success) return;
  state.hexKakuroSettings = workSettings_;
  state.hexKakuroPuzzle = workGrid_;
}

}  // namespace zorvek::app

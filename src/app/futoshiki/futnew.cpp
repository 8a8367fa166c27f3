#include "app/futoshiki/futnew.h"

#include <cstring>

#include "app/shell/host.h"
#include "core/common/types.h"
#include "core/futoshiki/play.h"

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

int TfrmFutNew::GridSize() const {
  const int index = Size();
  return index == 0 ? 5 : index == 1 ? 7 : 9;
}

std::function<TCreateDialog::Outcome()> TfrmFutNew::PrepareJob(AppState& state) {
  workHeader_ = state.futoshikiSettings;
  workGrid_ = state.futoshikiPuzzle;
  std::memcpy(workMedium9_, state.general.futMedium9Used, sizeof workMedium9_);
  std::memcpy(workHard9_, state.general.futHard9Used, sizeof workHard9_);
  std::memcpy(workHard7_, state.general.futHard7Used, sizeof workHard7_);
  const int difficulty = Difficulty(), size = GridSize();
  Random& random = host_.random();
  return [this, difficulty, size, &random] {
    const futoshiki::CreateResult r = futoshiki::CreateFutoshikiPuzzle(
        random, progress_, difficulty, size, workHeader_, workGrid_, {workMedium9_, workHard9_, workHard7_});
    return Outcome{r.success, r.cancelled, r.startCloseTimer};
  };
}

void TfrmFutNew::Commit(AppState& state, bool success) {
  // Bank draws count even when the run failed in the end.
  std::memcpy(state.general.futMedium9Used, workMedium9_, sizeof workMedium9_);
  std::memcpy(state.general.futHard9Used, workHard9_, sizeof workHard9_);
  std::memcpy(state.general.futHard7Used, workHard7_, sizeof workHard7_);
  if (!success) return;
  state.futoshikiSettings = workHeader_;
  state.futoshikiPuzzle = workGrid_;
}

}  // namespace zorvek::app

#include "app/futoshiki/futoshikiwindow.h"

#include "app/shell/host.h"
#include "core/common/types.h"

namespace zorvek::app {

TfrmFutoshiki::TfrmFutoshiki(THost& host, QWidget* parent)
    : TPlayWindow(host, kKindFutoshiki, CommandMiddle::kPencilCommands, parent),
      adapter_(host.state().futoshikiSettings, host.state().futoshikiPuzzle),
      board_(host.state().futoshikiSettings, host.state().futoshikiPuzzle) {
  setObjectName(QStringLiteral("frmFutoshiki"));
  AttachBoard(adapter_, board_);
}

TfrmFutoshiki::~TfrmFutoshiki() = default;

void TfrmFutoshiki::LayoutBoard(QSize space) {
  board_.Layout(draw::futoshiki::FutoshikiBoard::PitchFor(adapter_.N(), space, kMaxPitch), dgPuzzle());
}

QString TfrmFutoshiki::HeaderText() const {
  return QString::fromLatin1(DifficultyWord(adapter_.header().difficulty)) +
         QStringLiteral(" Futoshiki puzzle   Grid size = ") + QString::number(adapter_.N());
}

int TfrmFutoshiki::SizePreset() const { return (adapter_.N() - 5) / 2; }

bool TfrmFutoshiki::BoardClick(const draw::BoardHit& hit, Qt::MouseButton button) {
  PlayModel& m = *model_;
  const bool mouse = m.StoredMode() == kModeMouse;
  if (hit.part == draw::futoshiki::kRightStrip || hit.part == draw::futoshiki::kBottomStrip) {
    if (button == Qt::LeftButton && SignClicked(hit)) return true;
    // A strip without a sign selects its cell while typing, and is no digit to the mouse.
    return mouse;
  }
  // A left click anywhere in the square of a filled cell clears it, also over
  // the mini-grid places a small board leaves empty.
  if (mouse && button == Qt::LeftButton && hit.part > adapter_.N() && adapter_.IsCell(hit.row, hit.col) &&
      !adapter_.IsGiven(hit.row, hit.col) && adapter_.Entry(hit.row, hit.col) != 0) {
    m.MouseClick(hit.row, hit.col, adapter_.MarkLow(), false);
    SyncFromModel();
    return true;
  }
  return false;
}

bool TfrmFutoshiki::SignClicked(const draw::BoardHit& hit) {
  PlayModel& m = *model_;
  const bool typing = m.StoredMode() == kModeType;
  const bool down = hit.part == draw::futoshiki::kBottomStrip;
  if (!futoshiki::HasSign(adapter_.header(), adapter_.grid(), hit.row, hit.col, down)) return false;
  // What was typed so far is a move of its own, as when a command button is pressed.
  if (typing && m.TypingBoxVisible()) m.RecordMove();
  futoshiki::SignClick(adapter_.header(), adapter_.grid(), hit.row, hit.col, down, typing);
  m.HideCheckDisplay();
  m.RecordMove();
  SyncFromModel();
  return true;
}

}  // namespace zorvek::app

#include "app/hexkakuro/hexkakurowindow.h"

#include <QLineEdit>

#include "app/shell/combinations.h"
#include "app/shell/host.h"
#include "core/common/types.h"

namespace zorvek::app {

using hexkakuro::HexPos;

TfrmHexKakuro::TfrmHexKakuro(THost& host, QWidget* parent)
    : TPlayWindow(host, kKindHexKakuro, CommandMiddle::kCombinations, parent),
      adapter_(host.state().hexKakuroSettings, host.state().hexKakuroPuzzle),
      board_(host.state().hexKakuroSettings, host.state().hexKakuroPuzzle) {
  setObjectName(QStringLiteral("frmHexKakuro"));
  AttachBoard(adapter_, board_);
  // The hexagon under the box is painted yellow; a see-through box keeps its
  // corners from covering the slanted edges and the neighbours.
  QPalette p = edText->palette();
  p.setColor(QPalette::Base, Qt::transparent);
  edText->setPalette(p);
  edText->setAutoFillBackground(false);
}

TfrmHexKakuro::~TfrmHexKakuro() = default;

void TfrmHexKakuro::LayoutBoard(QSize space) {
  // The hexagons keep 15 pixels more clear of the command column and the
  // window's edges than the square grids do.
  board_.Fit(space - QSize(15, 15), dgPuzzle());
}

QString TfrmHexKakuro::HeaderText() const {
  const hexkakuro::HexHeader& h = adapter_.settings();
  return QString::fromLatin1(DifficultyWord(h.difficulty)) + QStringLiteral(" HexKakuro   # Rows : %1  # Columns : %2")
                                                                    .arg(h.rows)
                                                                    .arg(h.cols);
}

int TfrmHexKakuro::SizePreset() const { return std::clamp((adapter_.settings().rows - 7) / 2, 0, 2); }

bool TfrmHexKakuro::BoardClick(const draw::BoardHit& hit, Qt::MouseButton button) {
  PlayModel& m = *model_;
  const hexkakuro::HexGridCell& cell = adapter_.grid().cells[hit.row][hit.col];
  if (cell.kind == hexkakuro::kHexClue) {
    // Any click on the board takes the check outlines away.
    m.HideCheckDisplay();
    if (m.StoredMode() == kModeMouse && button == Qt::LeftButton) {
      board_.SetSelectedClue(hit.row, hit.col);
      hexkakuro::NarrowClueMarks(adapter_.settings(), adapter_.grid(), hit.row, hit.col);
      m.RecordMove();
    } else {
      ClearSelection();
      if (m.StoredMode() == kModeType) m.SelectCell(hit.row, hit.col);  // commits and hides the typing box
    }
    SyncFromModel();
    return true;
  }
  // A right click on a filled hexagon leaves its hidden marks alone.
  if (cell.kind == hexkakuro::kHexWhite && m.StoredMode() == kModeMouse && button == Qt::RightButton &&
      cell.entry != 0)
    return true;
  return false;
}

bool TfrmHexKakuro::ShowClue(TCombinationsPanel* box, int r, int c) {
  const hexkakuro::ClueCombinations clue =
      hexkakuro::CombinationsOfClue(adapter_.settings(), adapter_.grid(), r, c);
  if (clue.length == 0) {
    box->Clear();
    return false;
  }
  box->SetContent(QString::fromStdString(clue.Title()), clue.list);
  return true;
}

void TfrmHexKakuro::RefreshNumbers() {
  PlayModel& m = *model_;
  const bool live = m.gridVisible && !m.paused && !m.Erasing();
  bool first = false, second = false;
  if (live && m.StoredMode() == kModeMouse) {
    if (selectedRow() != 0) first = ShowClue(pbNumbers, selectedRow(), selectedCol());
  } else if (live && m.StoredMode() == kModeType && m.HasCursor()) {
    HexPos a, b;
    hexkakuro::CluesOfCell(adapter_.settings(), adapter_.grid(), m.CursorRow(), m.CursorCol(), a, b);
    first = ShowClue(pbNumbers, a.row, a.col);
    second = ShowClue(pbNumbers2, b.row, b.col);
  }
  pbNumbers->setVisible(first);
  pbNumbers2->setVisible(second);
}

}  // namespace zorvek::app

#include "app/kakuro/kakurowindow.h"

#include "app/shell/host.h"
#include "core/common/types.h"

namespace zorvek::app {

TfrmKakuro::TfrmKakuro(THost& host, QWidget* parent)
    : TPlayWindow(host, kKindKakuro, CommandMiddle::kCombinations, parent),
      adapter_(host.state().kakuroSettings, host.state().kakuroPuzzle),
      board_(host.state().kakuroSettings, host.state().kakuroPuzzle) {
  setObjectName(QStringLiteral("frmKakuro"));
  AttachBoard(adapter_, board_);
}

TfrmKakuro::~TfrmKakuro() = default;

void TfrmKakuro::LayoutBoard(QSize space) {
  const kakuro::KakHeader& h = adapter_.header();
  // The window keeps cells at 70 pixels at most; paper sizes its own.
  board_.Layout(draw::kakuro::KakuroBoard::CellSizeFor(space, h.rows, h.cols, 70), dgPuzzle());
}

QString TfrmKakuro::HeaderText() const {
  const kakuro::KakHeader& h = adapter_.header();
  return QStringLiteral("%1 Kakuro   # Rows : %2  # Columns : %3")
      .arg(QString::fromLatin1(DifficultyWord(h.difficulty)))
      .arg(h.rows + 1)
      .arg(h.cols + 1);
}

int TfrmKakuro::SizePreset() const { return std::clamp((adapter_.header().rows - 7) / 2, 0, 2); }

void TfrmKakuro::EndSelection() {
  selectionState_ = 0;
  selected_ = kakuro::KakRun{};
}

void TfrmKakuro::ShowSelection(const kakuro::KakRun& run, const sums::Combinations& list) {
  selectionState_ = 1;
  selected_ = run;
  board_.SetSelectedRun(run);
  pbNumbers->SetContent(QStringLiteral("%1 in %2").arg(run.sum).arg(run.length), list);
}

void TfrmKakuro::SelectClue(int row, int col, bool down) {
  const kakuro::KakRun run = kakuro::ClueRun(adapter_.header(), adapter_.grid(), row, col, down);
  if (!run.Valid()) return;
  PlayModel& m = model();
  m.HideCheckDisplay();
  ShowSelection(run, kakuro::SelectClue(adapter_.grid(), run, true));
  m.RecordMove();
  SyncFromModel();
}

void TfrmKakuro::SelectStartingClue() {
  // Only the player's own click on a clue writes pencil marks: a selection
  // the game makes by itself shows the clue and changes no cell, so loading,
  // undoing or switching modes never rewrites what the player has.
  PlayModel& m = model();
  if (m.Erasing()) return;
  if (m.StoredMode() == kModeType) {
    board_.SetSelectedRun(kakuro::KakRun{});
    if (!m.HasCursor() && !m.paused) m.MoveToFirstEmpty();
    return;
  }
  pbNumbers2->hide();
  const kakuro::KakRun run = kakuro::StartingClue(adapter_.header(), adapter_.grid());
  board_.SetSelectedRun(run);  // none: no outline left from an earlier puzzle
  if (!run.Valid()) return;
  ShowSelection(run, kakuro::SelectClue(adapter_.grid(), run, false));
}

bool TfrmKakuro::BoardClick(const draw::BoardHit& hit, Qt::MouseButton button) {
  PlayModel& m = model();
  if (m.StoredMode() != kModeMouse) return false;
  const kakuro::KakHeader& h = adapter_.header();
  if (hit.row > h.rows || hit.col > h.cols) return true;
  if (adapter_.IsCell(hit.row, hit.col)) {
    EndSelection();
    if (button == Qt::RightButton && adapter_.Entry(hit.row, hit.col) != 0) {
      // A right press on a filled cell only takes the outlines away.
      m.HideCheckDisplay();
      SyncFromModel();
      return true;
    }
    return false;  // entries and pencil marks follow the common rules
  }
  const bool down = hit.part == draw::kakuro::kPartDown;
  if (!kakuro::ClueRun(h, adapter_.grid(), hit.row, hit.col, down).Valid()) return true;
  if (button == Qt::LeftButton) {
    SelectClue(hit.row, hit.col, down);
  } else if (m.checkDisplay) {
    m.HideCheckDisplay();
    SyncFromModel();
  }
  return true;
}

void TfrmKakuro::AfterUndo() {
  EndSelection();
  SelectStartingClue();
}

void TfrmKakuro::AfterClear() {
  // Clear all takes every mark and all ten pencil marks, also those the
  // common rules do not know (digit 0 in a puzzle without it).
  kakuro::KakHeader& h = adapter_.header();
  kakuro::KakGrid& g = adapter_.grid();
  kakuro::ClearCellMarks(h, g);
  for (int r = 1; r <= h.rows; ++r)
    for (int c = 1; c <= h.cols; ++c)
      if (adapter_.IsCell(r, c)) g.cells[r][c].pencil[0] = 0;
  EndSelection();
  SelectStartingClue();
}

void TfrmKakuro::AfterFill() {
  EndSelection();
  board_.SetSelectedRun(kakuro::KakRun{});
}

void TfrmKakuro::AfterCheck() {
  EndSelection();
  board_.SetSelectedRun(kakuro::KakRun{});
  selectionState_ = 2;
}

void TfrmKakuro::AfterModeChange() {
  EndSelection();
  SelectStartingClue();
}

void TfrmKakuro::AfterInstall() {
  EndSelection();
  SelectStartingClue();
}

void TfrmKakuro::RefreshTypeBoxes() {
  PlayModel& m = model();
  if (!m.HasCursor() || !m.gridVisible || m.Erasing()) {
    pbNumbers->hide();
    pbNumbers2->hide();
    return;
  }
  const int r = m.CursorRow(), c = m.CursorCol();
  struct Box {
    TCombinationsPanel* panel;
    bool down;
    const char* word;
  };
  for (const Box& box : {Box{pbNumbers, false, "Across"}, Box{pbNumbers2, true, "Down"}}) {
    const kakuro::KakRun run = kakuro::RunOfCell(adapter_.header(), adapter_.grid(), r, c, box.down);
    const sums::Combinations list = kakuro::RunCombinations(adapter_.grid(), run);
    const QString title = run.Valid() ? QStringLiteral("%1 : %2 in %3").arg(QString::fromLatin1(box.word)).arg(run.sum).arg(run.length)
                                      : QString();
    box.panel->SetContent(title, list);
    box.panel->show();
  }
}

void TfrmKakuro::AfterSync() {
  PlayModel& m = model();
  // The last digit of a full grid checks it without the button: the same end of the selection.
  if (m.checkDisplay && selectionState_ != 2) AfterCheck();
  if (selectionState_ == 2 && !m.checkDisplay) selectionState_ = 0;
  if (m.StoredMode() == kModeType) {
    RefreshTypeBoxes();
    return;
  }
  pbNumbers->setVisible(selectionState_ == 1 && !m.Erasing() && m.gridVisible);
  pbNumbers2->hide();
}

}  // namespace zorvek::app

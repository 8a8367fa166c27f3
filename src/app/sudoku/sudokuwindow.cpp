#include "app/sudoku/sudokuwindow.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "core/common/types.h"
#include "app/shell/appstyle.h"
#include "app/shell/filedialogs.h"
#include "app/shell/mainwindow.h"
#include "app/shell/showmsg.h"
#include "core/sudoku/generator.h"
#include "app/sudoku/sudnew.h"

namespace zorvek::app {
namespace {

QFont DrawingFont(int points, bool bold = false) {
  QFont f(QStringLiteral("Arial"), points);
  f.setBold(bold);
  return f;
}

bool Fits(const QString& text, int points, int side) {
  const QRect r = QFontMetrics(DrawingFont(points)).tightBoundingRect(text);
  return r.width() <= side && r.height() <= side;
}

}  // namespace

SudokuGrid::SudokuGrid(TfrmSudoku& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
  setObjectName(QStringLiteral("dgPuzzle"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void SudokuGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (owner_.model().StoredMode() == kModeType) owner_.model().AgreeTypedTexts();
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) owner_.dgPuzzleDrawCell(p, r, c);
  // Heavy box lines and outer frame, over the per-cell borders.
  const int cell = owner_.cellSize();
  for (int k = 0; k <= 9; k += 3) {
    p.fillRect(QRect(k * cell - 1, 0, 4, height()), Qt::black);
    p.fillRect(QRect(0, k * cell - 1, width(), 4), Qt::black);
  }
  // Check outlines last, so heavy lines never cover them.
  const PlayModel& m = owner_.model();
  if (m.checkDisplay) {
    for (int r = 0; r < 9; ++r) {
      for (int c = 0; c < 9; ++c) {
        const int mark = owner_.model().adapter().Check(r, c);
        if (mark == 0) continue;
        p.setPen(QPen(mark == 1 ? kCheckGreen : kCheckRed, 2));
        p.setBrush(Qt::NoBrush);
        // A 2-pixel pen centred 3 pixels in: the outline covers the 3rd and
        // 4th pixel from the cell edge, clear of the heavy box lines.
        p.drawRect(QRectF(owner_.CellRect(r, c)).adjusted(3, 3, -3, -3));
      }
    }
  }
}

void SudokuGrid::mousePressEvent(QMouseEvent* e) { owner_.dgPuzzleMouseDown(e->position().toPoint(), e->button()); }
void SudokuGrid::mouseMoveEvent(QMouseEvent* e) { owner_.dgPuzzleMouseMove(e->position().toPoint()); }
void SudokuGrid::mouseReleaseEvent(QMouseEvent*) { owner_.dgPuzzleMouseUp(); }

TfrmSudoku::TfrmSudoku(TfrmMain& main, QWidget* parent)
    : TPlayWindow(main, kKindSudoku, parent),
      adapter_(main.state().sudokuSettings, main.state().sudokuPuzzle) {
  setObjectName(QStringLiteral("frmSudoku"));
  model_ = std::make_unique<PlayModel>(adapter_, main.state().general.sudokuInputMode);
  grid_ = new SudokuGrid(*this, this);
  AttachTypingBox();
  frmSudNew_ = new TfrmSudNew(main, this);
  PanelPause->raise();
}

TfrmSudoku::~TfrmSudoku() = default;

QWidget* TfrmSudoku::Grid() const { return grid_; }

QRect TfrmSudoku::CellRect(int r, int c) const {
  return QRect(1 + c * cellSize_, 1 + r * cellSize_, cellSize_, cellSize_);
}

bool TfrmSudoku::CellAt(const QPoint& p, int& r, int& c) const {
  if (p.x() < 1 || p.y() < 1) return false;
  c = (p.x() - 1) / cellSize_;
  r = (p.y() - 1) / cellSize_;
  return r >= 0 && r < 9 && c >= 0 && c < 9;
}

QString TfrmSudoku::HeaderText() const {
  return QString::fromLatin1(DifficultyWord(adapter_.settings().difficulty)) + QStringLiteral(" Sudoku puzzle");
}

int TfrmSudoku::TypingFontSize(int length) const {
  return length <= 1 ? digitSize_ : typedSize_[std::min(length, 9)];
}

void TfrmSudoku::ComputeFonts() {
  const int cell = cellSize_;
  int size = 36;
  while (size > 5 && !Fits(QStringLiteral("6"), size, cell * 5 / 8)) --size;
  digitSize_ = size;
  int pencil = digitSize_;
  while (pencil > 4 && !Fits(QStringLiteral("9"), pencil, cell / 4)) --pencil;
  pencilSize_ = pencil;
  const int boxWidth = cell - 6;
  int typed = digitSize_;
  typedSize_[1] = digitSize_;
  for (int n = 2; n <= 9; ++n) {
    while (typed > 5 && QFontMetrics(DrawingFont(typed)).horizontalAdvance(QString(n, QLatin1Char('2'))) > boxWidth - 2)
      --typed;
    typedSize_[n] = typed;
  }
}

void TfrmSudoku::LayoutWindow() {
  const int column = LayoutCommandColumn(height());
  const int bh = ButtonHeight();
  const int freeW = width() - column, freeH = height() - bh;
  cellSize_ = std::max(9, std::min({(freeW - 10) / 9 / 3 * 3, (freeH - 10) / 9 / 3 * 3, 70}));
  const int side = 9 * cellSize_ + 2;
  const int gx = column + (freeW - side) / 2;
  const int top = (height() - (bh - 1 + side)) / 2;
  const int gy = top + bh - 1;
  grid_->setGeometry(gx, gy, side, side);
  const int timerW = QFontMetrics(PanelTimer->font()).horizontalAdvance(QStringLiteral("00:00:00")) + 16;
  const int pauseW = QFontMetrics(bnPause->font()).horizontalAdvance(QStringLiteral("Pause")) + 24;
  PanelTimer->setGeometry(gx, top, timerW, bh);
  bnPause->setGeometry(gx + timerW - 1, top, pauseW, bh);
  PanelHeader->setGeometry(gx + timerW + pauseW - 2, top, side - timerW - pauseW + 2, bh);
  ComputeFonts();
  PanelPause->raise();
  PlaceTypingBox();
  grid_->update();
}

void TfrmSudoku::dgPuzzleDrawCell(QPainter& p, int r, int c) {
  const sudoku::SudCell& x = adapter_.puzzle().cells[r][c];
  const QRect cell = CellRect(r, c);
  const PlayModel& m = *model_;
  const bool typing = m.StoredMode() == kModeType;
  const bool cursorCell = typing && m.HasCursor() && m.CursorRow() == r && m.CursorCol() == c;
  p.fillRect(cell, Qt::white);
  if ((x.given || x.entry) && !cursorCell) {
    p.setFont(DrawingFont(digitSize_));
    p.setPen(x.given ? kGivenRed : QColor(Qt::black));
    p.drawText(cell, Qt::AlignCenter, QString::number(x.given ? x.solution : x.entry));
  } else if (!typing) {
    const int mini = cellSize_ / 3;
    p.setFont(DrawingFont(pencilSize_));
    for (int k = 1; k <= 9; ++k) {
      const QRect mc(cell.left() + (k - 1) % 3 * mini, cell.top() + (k - 1) / 3 * mini, mini, mini);
      const bool marked = x.marks[k - 1] != 0;
      p.fillRect(mc, marked ? kMarkYellow : QColor(Qt::white));
      p.setPen(marked ? QColor(Qt::black) : kPencilGrey);
      p.drawText(mc, Qt::AlignCenter, QString::number(k));
    }
    p.setPen(QPen(kSilver, 1));
    for (int i = 1; i <= 2; ++i) {
      p.drawLine(cell.left() + i * mini, cell.top(), cell.left() + i * mini, cell.bottom());
      p.drawLine(cell.left(), cell.top() + i * mini, cell.right(), cell.top() + i * mini);
    }
  } else if (cursorCell) {
    p.fillRect(cell, kMarkYellow);
  } else if (x.textLength > 0) {
    const int n = std::min<int>(x.textLength, 9);
    p.setFont(DrawingFont(TypingFontSize(n)));
    p.setPen(n == 1 ? QColor(Qt::black) : kPencilGrey);
    p.drawText(cell, Qt::AlignCenter, QString::fromLatin1(x.text, n));
  }
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(cell);
}

void TfrmSudoku::dgPuzzleMouseDown(const QPoint& pos, Qt::MouseButton button) {
  int r, c;
  if (!CellAt(pos, r, c)) return;
  PlayModel& m = *model_;
  if (m.Erasing()) {
    if (button != Qt::LeftButton) return;
    dragging_ = true;
    m.EraseCell(r, c);
    grid_->update();
    return;
  }
  if (m.StoredMode() == kModeMouse) {
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    const QRect cell = CellRect(r, c);
    m.MouseClick(r, c, MiniDigitAt(pos.x() - cell.left(), pos.y() - cell.top(), cellSize_),
                 button == Qt::RightButton);
  } else if (button == Qt::LeftButton) {
    m.SelectCell(r, c);
  }
  SyncFromModel();
}

void TfrmSudoku::dgPuzzleMouseMove(const QPoint& pos) {
  int r, c;
  if (!dragging_ || !model_->Erasing() || !CellAt(pos, r, c)) return;
  if (model_->EraseCell(r, c)) grid_->update();
}

void TfrmSudoku::dgPuzzleMouseUp() { dragging_ = false; }

void TfrmSudoku::bnPencilClick() {
  sudoku::AddPencilmarks(adapter_.puzzle());
  model_->ResetCursor();
  model_->RecordMove();
  SyncFromModel();
}

void TfrmSudoku::bnReduceClick() {
  sudoku::ReducePencilmarks(adapter_.puzzle());
  model_->ResetCursor();
  model_->RecordMove();
  SyncFromModel();
}

void TfrmSudoku::FormShow() {
  frmSudNew_->SetDifficulty(adapter_.settings().difficulty);
  if (firstShow_ && !sudoku::HasPuzzle(adapter_.puzzle())) {
    sudoku::CreateStartupSudoku(main_.random(), adapter_.settings(), adapter_.puzzle());
  }
  TPlayWindow::FormShow();
}

void TfrmSudoku::bnSaveClick() {
  SuspendForDialog();
  GeneralSettings& g = main_.state().general;
  const QString suggested =
      QString::fromStdString(DefaultFileName<sudoku::SudokuBlocks>(adapter_.settings(), g.sudokuSaveCounter));
  const QString path = AskSaveFileName(this, suggested);
  if (!path.isEmpty()) {
    if (SavePuzFile<sudoku::SudokuBlocks>(path.toStdString(), adapter_.settings(), adapter_.puzzle())) {
      if (g.sudokuSaveCounter < INT32_MAX) ++g.sudokuSaveCounter;
    } else {
      // Losing the player's puzzle silently is worse than a message.
      ShowMessageBox(QStringLiteral("Error saving Sudoku puzzle file.\n\r\n\rThe file %1 could not be written.")
                         .arg(path),
                     0);
    }
  }
  ResumeAfterDialog();
}

void TfrmSudoku::bnFileClick() {
  SuspendForDialog();
  const QString path = AskOpenFileName(this);
  if (!path.isEmpty()) {
    const sudoku::SudLoadResult result = LoadPuzFile<sudoku::SudokuBlocks>(path.toStdString());
    if (!result.ok) {
      ShowMessageBox(QString::fromStdString(result.message), 0);
    } else {
      adapter_.settings() = result.settings;
      adapter_.puzzle() = result.puzzle;
      EnsureWindowSize(true);
      InstallPuzzle();
    }
  }
  ResumeAfterDialog();
}

void TfrmSudoku::bnCreateClick() {
  SuspendForDialog();
  frmSudNew_->FormShow();
  frmSudNew_->exec();
  if (frmSudNew_->Created()) {
    EnsureWindowSize(true);
    InstallPuzzle();
  }
  ResumeAfterDialog();
}

}  // namespace zorvek::app

#include "app/shell/playwindow.h"

#include <QGuiApplication>
#include <bit>
#include <QKeyEvent>
#include <QPainter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>

#include "app/printing/allprint.h"
#include "app/shell/appstyle.h"
#include "app/shell/combinations.h"
#include "app/shell/createdialog.h"
#include "app/shell/filedialogs.h"
#include "app/shell/hinttexts.h"
#include "app/shell/host.h"
#include "app/shell/quickhints.h"
#include "app/shell/showmsg.h"
#include "core/common/types.h"
#include "core/shell/kinds.h"

namespace zorvek::app {
namespace {

QPushButton* MakeButton(const char* name, const char* caption, QWidget* parent) {
  auto* b = new QPushButton(QString::fromLatin1(caption), parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setFocusPolicy(Qt::NoFocus);  // the typing box keeps the keyboard
  return b;
}

QToolButton* MakeModeButton(const char* name, const char* caption, const char* picture, QWidget* parent) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setText(QString::fromLatin1(caption));
  b->setIcon(QIcon(QString::fromLatin1(picture)));
  b->setIconSize(QSize(26, 26));
  b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  b->setCheckable(true);
  b->setAutoExclusive(true);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

}  // namespace

QCursor EraserCursor(qreal devicePixelRatio) {
  const qreal dpr = std::max<qreal>(1, devicePixelRatio);
  QPixmap picture(QStringLiteral(":/cursors/eraser.png"));
  const QSize logical = picture.size();
  if (dpr > 1) {
    picture = picture.scaled(logical * dpr, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(dpr);
  }
  // The hot spot is the eraser's tip, in logical pixels.
  return QCursor(picture, 3, 28);
}

TBoardWidget::TBoardWidget(TPlayWindow& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
  setObjectName(QStringLiteral("dgPuzzle"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBoardWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  owner_.PaintBoard(p);
}

void TBoardWidget::mousePressEvent(QMouseEvent* e) { owner_.dgPuzzleMouseDown(e->position().toPoint(), e->button()); }
void TBoardWidget::mouseMoveEvent(QMouseEvent* e) { owner_.dgPuzzleMouseMove(e->position().toPoint()); }
void TBoardWidget::mouseReleaseEvent(QMouseEvent*) { owner_.dgPuzzleMouseUp(); }

TPlayWindow::TPlayWindow(THost& host, int kind, CommandMiddle middle, QWidget* parent)
    : QWidget(parent), host_(host), kind_(kind), pencilCommands_(middle == CommandMiddle::kPencilCommands) {
  PaintBackground(this);

  PanelLeft = new QWidget(this);
  PanelLeft->setObjectName(QStringLiteral("PanelLeft"));
  bnInstruct = MakeButton("bnInstruct", "Instructions", PanelLeft);
  PanelMode = new QWidget(PanelLeft);
  PanelMode->setObjectName(QStringLiteral("PanelMode"));
  bnMouse = MakeModeButton("bnMouse", "Mouse", ":/icons/mode_mouse.png", PanelMode);
  bnKeyboard = MakeModeButton("bnKeyboard", "Type", ":/icons/mode_type.png", PanelMode);
  bnErase = MakeModeButton("bnErase", "Erase", ":/icons/mode_erase.png", PanelMode);
  bnClear = MakeButton("bnClear", "Clear all", PanelLeft);
  bnFill = MakeButton("bnFill", "Fill all", PanelLeft);
  bnCheck = MakeButton("bnCheck", "Check all", PanelLeft);
  bnHint = MakeButton("bnHint", "Hint", PanelLeft);
  bnUndo = MakeButton("bnUndo", "Undo last move", PanelLeft);
  bnPencil = MakeButton("bnPencil", "Add pencilmarks", PanelLeft);
  bnReduce = MakeButton("bnReduce", "Reduce pencilmarks", PanelLeft);
  bnPencil->setVisible(pencilCommands_);
  bnReduce->setVisible(pencilCommands_);
  if (middle == CommandMiddle::kCombinations) {
    PanelNumbers = new TNumbersPanel(PanelLeft);
    pbNumbers = PanelNumbers->pbNumbers;
    pbNumbers2 = PanelNumbers->pbNumbers2;
  }
  bnPrint = MakeButton("bnPrint", "Print this puzzle", PanelLeft);
  bnSave = MakeButton("bnSave", "Save to file", PanelLeft);
  bnFile = MakeButton("bnFile", "Load from file", PanelLeft);
  bnCreate = MakeButton("bnCreate", "Create new puzzle", PanelLeft);

  PanelTimer = new QLabel(this);
  PanelTimer->setObjectName(QStringLiteral("PanelTimer"));
  PanelTimer->setFrameShape(QFrame::Box);
  PanelTimer->setAlignment(Qt::AlignCenter);
  PaintBackground(PanelTimer, Qt::white);
  bnPause = MakeButton("bnPause", "Pause", this);
  PanelHeader = new QLabel(this);
  PanelHeader->setObjectName(QStringLiteral("PanelHeader"));
  PanelHeader->setFrameShape(QFrame::Box);
  PanelHeader->setAlignment(Qt::AlignCenter);
  QFont bold = PanelHeader->font();
  bold.setBold(true);
  PanelHeader->setFont(bold);
  headerFont_ = bold;
  PanelTimer->setFont(bold);
  PaintBackground(PanelHeader, Qt::white);

  lblHint = new QLabel(this);
  lblHint->setObjectName(QStringLiteral("lblHint"));
  lblHint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  lblHint->setWordWrap(true);
  {
    QPalette hp = lblHint->palette();
    hp.setColor(QPalette::WindowText, draw::kHintText);
    lblHint->setPalette(hp);
  }

  PanelPause = new QWidget(this);
  PanelPause->setObjectName(QStringLiteral("PanelPause"));
  PaintBackground(PanelPause);
  bnResume = MakeButton("bnResume", "Resume Puzzle", PanelPause);
  PanelPause->hide();

  PuzzTimer.setInterval(1000);
  InitTimer.setInterval(1);
  InitTimer.setSingleShot(true);

  connect(bnMouse, &QToolButton::clicked, this, [this] { bnModeClick(kModeMouse); });
  connect(bnKeyboard, &QToolButton::clicked, this, [this] { bnModeClick(kModeType); });
  connect(bnErase, &QToolButton::clicked, this, [this] { bnModeClick(kModeErase); });
  connect(bnInstruct, &QPushButton::clicked, this, &TPlayWindow::bnInstructClick);
  connect(bnClear, &QPushButton::clicked, this, &TPlayWindow::bnClearClick);
  connect(bnFill, &QPushButton::clicked, this, &TPlayWindow::bnFillClick);
  connect(bnCheck, &QPushButton::clicked, this, &TPlayWindow::bnCheckClick);
  connect(bnHint, &QPushButton::clicked, this, &TPlayWindow::bnHintClick);
  connect(bnUndo, &QPushButton::clicked, this, &TPlayWindow::bnUndoClick);
  connect(bnPencil, &QPushButton::clicked, this, [this] { bnPencilClick(); });
  connect(bnReduce, &QPushButton::clicked, this, [this] { bnReduceClick(); });
  connect(bnPrint, &QPushButton::clicked, this, [this] { bnPrintClick(); });
  connect(bnSave, &QPushButton::clicked, this, [this] { bnSaveClick(); });
  connect(bnFile, &QPushButton::clicked, this, [this] { bnFileClick(); });
  connect(bnCreate, &QPushButton::clicked, this, [this] { bnCreateClick(); });
  connect(bnPause, &QPushButton::clicked, this, &TPlayWindow::bnPauseClick);
  connect(bnResume, &QPushButton::clicked, this, &TPlayWindow::bnResumeClick);
  connect(&PuzzTimer, &QTimer::timeout, this, &TPlayWindow::PuzzTimerTimer);
  connect(&InitTimer, &QTimer::timeout, this, [this] {
    if (model_->StoredMode() == kModeType && !model_->paused) {
      model_->ResetCursor();
      model_->MoveToFirstEmpty();
    }
    SyncFromModel();
  });
  CreateShortcuts();
}

TPlayWindow::~TPlayWindow() = default;

void TPlayWindow::CreateShortcuts() {
  auto add = [this](const QKeySequence& keys, auto handler) {
    auto* s = new QShortcut(keys, this);
    s->setContext(Qt::WindowShortcut);
    connect(s, &QShortcut::activated, this, handler);
  };
  // Commands whose buttons are hidden (Erase) or covered (Pause) stay out of reach.
  auto commandsAvailable = [this] { return !Erasing() && !model_->paused && isVisible(); };
  add(QKeySequence::Undo, [this, commandsAvailable] { if (commandsAvailable()) bnUndoClick(); });
  add(QKeySequence(Qt::CTRL | Qt::Key_S), [this, commandsAvailable] { if (commandsAvailable()) bnSaveClick(); });
  add(QKeySequence(Qt::CTRL | Qt::Key_O), [this, commandsAvailable] { if (commandsAvailable()) bnFileClick(); });
  add(QKeySequence(Qt::CTRL | Qt::Key_N), [this, commandsAvailable] { if (commandsAvailable()) bnCreateClick(); });
  add(QKeySequence(Qt::CTRL | Qt::Key_P), [this, commandsAvailable] { if (commandsAvailable()) bnPrintClick(); });
  add(QKeySequence(Qt::Key_F1), [this] { if (isVisible()) bnInstructClick(); });
  add(QKeySequence(Qt::CTRL | Qt::Key_H), [this, commandsAvailable] {
    if (commandsAvailable() && bnHint->isEnabled()) bnHintClick();
  });
}

void TPlayWindow::AttachBoard(PlayAdapter& adapter, draw::Board& board) {
  model_ = std::make_unique<PlayModel>(adapter, host_.state().general.*KindOf(kind_).inputMode);
  board_ = &board;
  grid_ = new TBoardWidget(*this, this);
  AttachTypingBox();
  PanelPause->raise();
}

draw::BoardView TPlayWindow::View() const {
  draw::BoardView v;
  v.mode = model_->StoredMode();
  if (v.mode == kModeType && model_->HasCursor()) {
    v.cursorRow = model_->CursorRow();
    v.cursorCol = model_->CursorCol();
  }
  v.checkDisplay = model_->checkDisplay;
  return v;
}

void TPlayWindow::PaintBoard(QPainter& p) {
  board_->Paint(p, View());
  if (hintStage_ > 0) board_->PaintHint(p, hint_, hintStage_ >= 2);
}

void TPlayWindow::dgPuzzleMouseDown(const QPoint& pos, Qt::MouseButton button) {
  const draw::BoardHit hit = board_->HitTest(pos);
  if (!hit.inside) return;
  PlayModel& m = *model_;
  if (m.Erasing()) {
    if (button != Qt::LeftButton) return;
    dragging_ = true;
    if (m.EraseCell(hit.row, hit.col)) ErasedCell();
    return;
  }
  if (BoardClick(hit, button)) return;
  if (!m.adapter().IsCell(hit.row, hit.col)) return;
  if (m.StoredMode() == kModeMouse) {
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    m.MouseClick(hit.row, hit.col, hit.part, button == Qt::RightButton);
  } else if (button == Qt::LeftButton) {
    m.SelectCell(hit.row, hit.col);
  }
  SyncFromModel();
}

void TPlayWindow::dgPuzzleMouseMove(const QPoint& pos) {
  if (!dragging_ || !model_->Erasing()) return;
  const draw::BoardHit hit = board_->HitTest(pos);
  if (hit.inside && model_->adapter().IsCell(hit.row, hit.col) && model_->EraseCell(hit.row, hit.col))
    ErasedCell();
}

void TPlayWindow::ErasedCell() {
  grid_->update();
  // The erase becomes an undo step only when Erase mode ends; keep it before that.
  host_.StateChanged();
}

void TPlayWindow::dgPuzzleMouseUp() { dragging_ = false; }

void TPlayWindow::LayoutWindow() {
  const int column = LayoutCommandColumn(height());
  const int bh = ButtonHeight();
  const int hintH = HintLineHeight();
  const int freeW = width() - column, freeH = height() - bh - hintH;
  LayoutBoard(QSize(freeW - 10, freeH - 10));
  const QSize side = board_->Size();
  const int gx = column + (freeW - side.width()) / 2;
  const int top = (height() - (bh - 1 + side.height() + hintH)) / 2;
  grid_->setGeometry(gx, top + bh - 1, side.width(), side.height());
  LayoutHeaderRow(grid_->geometry(), column);
  // The hint line spans the header row's width, so a narrow board still
  // gives it room.
  const int lineLeft = std::min(grid_->x(), PanelTimer->x());
  const int lineRight = std::max(grid_->geometry().right(), PanelHeader->geometry().right());
  lblHint->setGeometry(lineLeft, grid_->geometry().bottom() + 3, lineRight - lineLeft + 1, hintH - 3);
  ShowHintLine(lblHint->text());
  PanelPause->raise();
  PlaceTypingBox();
  grid_->update();
}

void TPlayWindow::LayoutHeaderRow(const QRect& board, int column) {
  const int bh = ButtonHeight(), top = board.top() - bh + 1;
  const int timerW = QFontMetrics(PanelTimer->font()).horizontalAdvance(QStringLiteral("00:00:00")) + 16;
  const int pauseW = QFontMetrics(bnPause->font()).horizontalAdvance(QStringLiteral("Pause")) + 24;
  // A board narrower than the header's text would cut it short: the row
  // grows to the right, then to the left, and only a window too narrow for
  // the whole text gets a smaller header font.
  const int room = width() - 4 - (column + 4);
  auto rowWidth = [&](const QFont& f) {
    return timerW + pauseW - 2 + QFontMetrics(f).horizontalAdvance(PanelHeader->text()) + 16;
  };
  QFont font = headerFont_;
  while (rowWidth(font) > room && font.pointSize() > 6) font.setPointSize(font.pointSize() - 1);
  PanelHeader->setFont(font);
  const int rowW = std::max(board.width(), std::min(room, rowWidth(font)));
  const int left = std::max(column + 4, std::min(board.left(), width() - 4 - rowW));
  PanelTimer->setGeometry(left, top, timerW, bh);
  bnPause->setGeometry(left + timerW - 1, top, pauseW, bh);
  PanelHeader->setGeometry(left + timerW + pauseW - 2, top, rowW - timerW - pauseW + 2, bh);
}

void TPlayWindow::AttachTypingBox() {
  edText = new QLineEdit(grid_);
  edText->setObjectName(QStringLiteral("edText"));
  edText->setAlignment(Qt::AlignCenter);
  edText->setFrame(false);
  edText->setMaxLength(PlayModel::kMaxTextLength);
  edText->setContextMenuPolicy(Qt::NoContextMenu);
  UpdateTypingValidator();
  QPalette p = edText->palette();
  p.setColor(QPalette::Base, draw::kMarkYellow);
  p.setColor(QPalette::Text, Qt::black);
  edText->setPalette(p);
  edText->hide();
  edMover = new QLineEdit(grid_);
  edMover->setObjectName(QStringLiteral("edMover"));
  edMover->setGeometry(0, 0, 1, 1);
  edMover->setFrame(false);
  setTabOrder(edText, edMover);
  edText->installEventFilter(this);
  edMover->installEventFilter(this);
  connect(edText, &QLineEdit::textEdited, this, &TPlayWindow::edTextEdited);
}

void TPlayWindow::UpdateTypingValidator() {
  const PlayAdapter& a = model_->adapter();
  const QString pattern = QStringLiteral("[%1-%2]{0,9}").arg(a.MarkLow()).arg(a.MarkHigh());
  auto* old = edText->validator();
  edText->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edText));
  delete old;
}

int TPlayWindow::ButtonWidth() const {
  return QFontMetrics(bnReduce->font()).horizontalAdvance(QStringLiteral("Reduce pencilmarks")) + 10;
}

int TPlayWindow::ButtonHeight() const {
  return QFontMetrics(bnReduce->font()).height() * 3 / 2;
}

int TPlayWindow::LayoutCommandColumn(int height) {
  const int bw = ButtonWidth(), bh = ButtonHeight();
  const int modeH = 26 + QFontMetrics(bnMouse->font()).height() + 14;
  const int buttons = pencilCommands_ ? 12 : 10, gaps = pencilCommands_ || PanelNumbers ? 4 : 3;
  const int fixedH = buttons * bh + modeH;
  // The combinations take what the buttons leave, less a few pixels per gap;
  // on a short window they may widen the column to a third of the window.
  const QSize numbers =
      PanelNumbers ? PanelNumbers->Fit(bw, std::max(bw, width() / 3), height - fixedH - (gaps + 2) * 4) : QSize(0, 0);
  const int cw = std::max(bw, numbers.width());
  const int spare = height - fixedH - numbers.height();
  const int gap = std::clamp(spare / (gaps + 2), 0, 30);
  int y = std::max(0, (spare - gaps * gap) / 2);
  const int bx = (cw - bw) / 2;  // buttons stand centred in a widened column
  PanelLeft->setGeometry(8, 0, cw, height);
  bnInstruct->setGeometry(bx, y, bw, bh);
  y += bh + gap;
  PanelMode->setGeometry(bx, y, bw, modeH);
  const int mw = std::min(bw / 3, 60);
  const int mx = (bw - 3 * mw) / 2;
  bnMouse->setGeometry(mx, 0, mw, modeH);
  bnKeyboard->setGeometry(mx + mw, 0, mw, modeH);
  bnErase->setGeometry(mx + 2 * mw, 0, mw, modeH);
  y += modeH + gap;
  auto group = [&](std::initializer_list<QPushButton*> buttons) {
    for (QPushButton* b : buttons) {
      b->setGeometry(bx, y, bw, bh);
      y += bh - 1;  // buttons of a group overlap by one pixel
    }
    y += 1 + gap;
  };
  group({bnClear, bnFill, bnCheck, bnHint, bnUndo});
  if (pencilCommands_) group({bnPencil, bnReduce});
  if (PanelNumbers) {
    PanelNumbers->setGeometry(0, y, cw, numbers.height());
    y += numbers.height() + gap;
  }
  group({bnPrint, bnSave, bnFile, bnCreate});
  PanelPause->setGeometry(0, 0, width(), this->height());
  const QSize rs(ButtonWidth(), bh);
  bnResume->setGeometry((width() - rs.width()) / 2, (this->height() - rs.height()) / 2, rs.width(), rs.height());
  return 8 + cw;
}

void TPlayWindow::SyncFromModel() {
  PlayModel& m = *model_;
  const bool erasing = m.Erasing();
  // A hint belongs to the position it was found for: any other action ends it.
  if (!keepHint_) ClearHint();
  bnCheck->setEnabled(m.checkEnabled);
  bnFill->setEnabled(m.fillEnabled);
  bnClear->setEnabled(m.clearEnabled);
  bnUndo->setEnabled(m.undoEnabled);
  bnPencil->setEnabled(m.pencilEnabled && m.StoredMode() == kModeMouse);
  bnReduce->setEnabled(m.pencilEnabled && m.StoredMode() == kModeMouse);
  bnPause->setEnabled(m.pauseEnabled && !erasing);
  bnHint->setEnabled(m.gridVisible && !m.paused && !m.IsFull());
  for (QPushButton* b : {bnClear, bnFill, bnCheck, bnHint, bnUndo, bnPrint, bnSave, bnFile, bnCreate})
    b->setVisible(!erasing);
  bnPencil->setVisible(pencilCommands_ && !erasing);
  bnReduce->setVisible(pencilCommands_ && !erasing);
  const int active = m.ActiveMode();
  bnMouse->setChecked(active == kModeMouse);
  bnKeyboard->setChecked(active == kModeType);
  bnErase->setChecked(active == kModeErase);

  PanelTimer->setText(QString::fromStdString(m.clockText));
  PaintBackground(PanelTimer, m.clockGrey ? kClockGrey : QColor(Qt::white));
  if (m.paused) {
    PanelPause->show();
    PanelPause->raise();
  } else {
    PanelPause->hide();
  }
  grid_->setVisible(m.gridVisible);
  if (m.clockRunning() && !PuzzTimer.isActive()) PuzzTimer.start();
  if (!m.clockRunning()) PuzzTimer.stop();
  if (eraseLook_ != erasing) UpdateEraseLook();
  PlaceTypingBox();
  AfterSync();
  grid_->update();
  if (m.MoveNumber() != lastMove_) {
    lastMove_ = m.MoveNumber();
    host_.StateChanged();
  }
}

void TPlayWindow::PlaceTypingBox() {
  PlayModel& m = *model_;
  if (!edText) return;
  if (!(m.StoredMode() == kModeType && m.TypingBoxVisible() && m.gridVisible && !m.Erasing())) {
    if (edText->hasFocus()) edText->clearFocus();
    edText->hide();
    return;
  }
  const QString text = QString::fromStdString(m.adapter().Text(m.CursorRow(), m.CursorCol()));
  const QRect cell = board_->CellRect(m.CursorRow(), m.CursorCol()).adjusted(3, 3, -3, -3);
  edText->setGeometry(cell);
  if (edText->text() != text) {
    syncingText_ = true;
    edText->setText(text);
    syncingText_ = false;
  }
  // The box looks like the cell would: black only for the cell's entry.
  const bool entered = m.adapter().Entry(m.CursorRow(), m.CursorCol()) != 0;
  const int length = std::max<int>(1, text.size());
  QFont f(QStringLiteral("Arial"), entered ? board_->TypingFontSize(length) : board_->NoteFontSize(length));
  edText->setFont(f);
  QPalette p = edText->palette();
  p.setColor(QPalette::Text, entered ? QColor(Qt::black) : draw::kPencilGrey);
  edText->setPalette(p);
  edText->show();
  if (isVisible() && !edText->hasFocus()) edText->setFocus();
}

void TPlayWindow::edTextEdited(const QString& text) {
  if (syncingText_) return;
  const std::string kept = model_->TypeText(text.toStdString());
  if (QString::fromStdString(kept) != text) {
    const int pos = edText->cursorPosition();
    syncingText_ = true;
    edText->setText(QString::fromStdString(kept));
    edText->setCursorPosition(std::min<int>(pos, kept.size()));
    syncingText_ = false;
  }
  SyncFromModel();
}

bool TPlayWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edMover && event->type() == QEvent::FocusIn) {
    // Only a Tab out of a visible typing box moves on; hiding the box must not.
    if (!model_->TypingBoxVisible()) return false;
    model_->MoveTypingCursor(Arrow::Right);
    SyncFromModel();
    return false;
  }
  if (watched != edText) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      // The game's undo and hint, not the edit box's own undo and Ctrl+H.
      auto* k = static_cast<QKeyEvent*>(event);
      if (k->matches(QKeySequence::Undo)) return true;
      if (k->key() == Qt::Key_H && k->modifiers() == Qt::ControlModifier) return true;
      break;
    }
    case QEvent::KeyPress: {
      auto* k = static_cast<QKeyEvent*>(event);
      const bool atEnd = edText->cursorPosition() == edText->text().size();
      Arrow arrow;
      bool move = true;
      switch (k->key()) {
        case Qt::Key_Up: arrow = Arrow::Up; break;
        case Qt::Key_Down: arrow = Arrow::Down; break;
        case Qt::Key_Right: arrow = Arrow::Right; move = atEnd; break;
        case Qt::Key_Tab: arrow = Arrow::Right; break;
        default: move = false; arrow = Arrow::Right; break;
      }
      if (move) {
        model_->MoveTypingCursor(arrow);
        SyncFromModel();
        return true;
      }
      break;
    }
    case QEvent::KeyRelease: {
      auto* k = static_cast<QKeyEvent*>(event);
      if (k->key() == Qt::Key_Left && !k->isAutoRepeat() && edText->cursorPosition() == 0) {
        model_->MoveTypingCursor(Arrow::Left);
        SyncFromModel();
        return true;
      }
      break;
    }
    case QEvent::MouseButtonPress: {
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() == Qt::RightButton) {
        model_->CommitTypedEntry();
        model_->RecordMove();
        SyncFromModel();
        return true;
      }
      break;
    }
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

void TPlayWindow::mousePressEvent(QMouseEvent* e) {
  if (edText && edText->isVisible()) edText->setFocus();
  QWidget::mousePressEvent(e);
}

void TPlayWindow::UpdateEraseLook() {
  eraseLook_ = Erasing();
  if (eraseLook_) {
    setCursor(Qt::ForbiddenCursor);
    grid_->setCursor(EraserCursor(devicePixelRatioF()));
    for (QToolButton* b : {bnMouse, bnKeyboard, bnErase}) b->setCursor(Qt::ArrowCursor);
    static const QCursor forbidden(Qt::ForbiddenCursor);
    host_.SetStripCursor(&forbidden);
  } else {
    unsetCursor();
    grid_->unsetCursor();
    host_.SetStripCursor(nullptr);
  }
}

void TPlayWindow::bnModeClick(int mode) {
  const bool wasErasing = Erasing();
  model_->ClickMode(mode);
  if (wasErasing != Erasing()) UpdateEraseLook();
  AfterModeChange();
  SyncFromModel();
}

void TPlayWindow::LeaveTypingBox() {
  if (model_->StoredMode() == kModeType && model_->TypingBoxVisible()) model_->RecordMove();
}

void TPlayWindow::bnClearClick() {
  LeaveTypingBox();
  model_->ClearAll();
  AfterClear();
  SyncFromModel();
}

void TPlayWindow::bnFillClick() {
  LeaveTypingBox();
  model_->FillAll();
  AfterFill();
  SyncFromModel();
}

void TPlayWindow::bnCheckClick() {
  LeaveTypingBox();
  model_->CheckAll();
  AfterCheck();
  SyncFromModel();
}

void TPlayWindow::bnUndoClick() {
  if (Erasing()) return;
  model_->Undo();
  AfterUndo();
  SyncFromModel();
}

void TPlayWindow::bnPencilClick() {
  model_->PencilCommand(false);
  SyncFromModel();
}

void TPlayWindow::bnReduceClick() {
  model_->PencilCommand(true);
  SyncFromModel();
}

int TPlayWindow::HintLineHeight() const { return QFontMetrics(bnReduce->font()).lineSpacing() * 2 + 8; }

void TPlayWindow::ShowHintLine(const QString& text) {
  // Two lines at the column's font; a longer text takes a smaller one
  // rather than running under the window's edge.
  QFont f = bnReduce->font();
  const QRect room(0, 0, std::max(1, lblHint->width()), std::max(1, lblHint->height()));
  while (f.pointSize() > 7 &&
         QFontMetrics(f).boundingRect(room, Qt::TextWordWrap | Qt::AlignHCenter, text).height() > room.height())
    f.setPointSize(f.pointSize() - 1);
  lblHint->setFont(f);
  lblHint->setText(text);
}

namespace {

// The conclusion as the hint line shows it: a long list of removals is
// outlined on the board, so the line only counts them.
QString LineConclusion(const Hint& hint) {
  std::string text = hint.conclusion;
  if (hint.removals.size() > 2) {
    int count = 0;
    for (const HintRemoval& removal : hint.removals) count += std::popcount(removal.digits);
    const std::size_t then = text.find(", then ");
    text = "remove " + std::to_string(count) + " candidates from the outlined cells" +
           (then == std::string::npos ? std::string() : text.substr(then));
  }
  QString line = QString::fromStdString(text);
  if (!line.isEmpty()) line[0] = line[0].toUpper();
  return line;
}

}  // namespace

void TPlayWindow::ClearHint() {
  const bool shown = hintStage_ > 0;
  hintStage_ = 0;
  hint_ = Hint{};
  if (!lblHint->text().isEmpty()) ShowHintLine(QString());
  if (shown) grid_->update();
}

void TPlayWindow::bnHintClick() {
  PlayModel& m = *model_;
  if (!m.gridVisible || m.paused || m.Erasing()) return;
  QString line;
  if (hintStage_ == 0) {
    Hint hint = m.NextHint();
    if (!hint.Found()) {
      ClearHint();
      ShowHintLine(QString::fromStdString(hint.technique.empty() ? "No hint: the grid is full" : hint.technique));
      return;
    }
    hint_ = std::move(hint);
    hintStage_ = 1;
    line = QString::fromStdString(hint_.technique);
  } else if (hintStage_ == 1) {
    hintStage_ = 2;
    line = hint_.type == Hint::Type::WrongEntry
               ? QString::fromStdString(hint_.conclusion) + QStringLiteral(": the third press takes it out")
               : QString::fromStdString(hint_.technique) + QStringLiteral(": ") + LineConclusion(hint_);
  } else {
    const Hint made = hint_;
    ClearHint();
    if (m.MakeHint(made)) SyncFromModel();
    const QString what = made.type == Hint::Type::WrongEntry
                             ? QStringLiteral("Took out the w") + QString::fromStdString(made.conclusion).mid(1)
                             : QStringLiteral("Made: ") + LineConclusion(made);
    ShowHintLine(what + QStringLiteral(" (Undo takes it back)"));
    return;
  }
  keepHint_ = true;
  SyncFromModel();
  keepHint_ = false;
  ShowHintLine(line);
  grid_->update();
}

void TPlayWindow::bnPauseClick() {
  if (!model_->pauseEnabled) return;
  LeaveTypingBox();
  model_->Pause();
  SyncFromModel();
}

void TPlayWindow::bnResumeClick() {
  model_->Resume();
  SyncFromModel();
}

void TPlayWindow::bnInstructClick() {
  TfrmQuickHints* hints = host_.hints();
  if (!hints) return;
  LeaveTypingBox();
  if (!hints->Showing()) hints->RecordMainGeometry(QRect(host_.hostWindow()->pos(), host_.hostWindow()->size()));
  hints->ShowInstructions(HintTextFor(kind_, host_.state()));
}

void TPlayWindow::RestoreTypingFocus() {
  if (model_->StoredMode() != kModeType || !model_->TypingBoxVisible() || !edText) return;
  PlaceTypingBox();
  edText->setFocus();
}

void TPlayWindow::PuzzTimerTimer() {
  model_->Tick(host_.currentKind() == kind_ && isVisible());
  PanelTimer->setText(QString::fromStdString(model_->clockText));
  if (!model_->clockRunning()) PuzzTimer.stop();
}

void TPlayWindow::SuspendForDialog() {
  LeaveTypingBox();
  model_->SuspendForDialog();
  SyncFromModel();
}

void TPlayWindow::ResumeAfterDialog() {
  model_->ResumeAfterDialog();
  SyncFromModel();
}

void TPlayWindow::InstallPuzzle() {
  model_->InstallPuzzle();
  UpdateTypingValidator();
  PanelHeader->setText(HeaderText());
  LayoutWindow();
  AfterInstall();
  SyncFromModel();
  host_.StateChanged();
}

void TPlayWindow::EnsureWindowSize(bool force) { host_.EnsurePreset(SizePreset(), force); }

void TPlayWindow::FormShow() {
  PlayModel& m = *model_;
  const KindDescriptor& kind = KindOf(kind_);
  if (createDialog_) createDialog_->FollowPuzzle();
  m.pencilEnabled = m.StoredMode() == kModeMouse;
  EnsureWindowSize(false);
  LayoutWindow();
  if (firstShow_) {
    firstShow_ = false;
    if (!kind.hasPuzzle(host_.state())) kind.createFromSettings(host_.random(), host_.state());
    // A new run starts the clock, whatever state the last run left it in.
    m.adapter().TimerState() = kTimerRunning;
    InstallPuzzle();
    m.CommitTypedEntry();
    InitTimer.start();
  }
  if (!m.paused && m.pauseEnabled) m.StartClock();
  SyncFromModel();
  if (edText && edText->isVisible()) edText->setFocus();
}

void TPlayWindow::bnSaveClick() {
  SuspendForDialog();
  const KindDescriptor& kind = KindOf(kind_);
  AppState& state = host_.state();
  std::int32_t& counter = state.general.*kind.saveCounter;
  const QString path = AskSaveFileName(this, QString::fromStdString(kind.defaultFileName(state)));
  if (!path.isEmpty()) {
    if (kind.save(state, path.toStdString())) {
      if (counter < INT32_MAX) ++counter;
    } else {
      // Losing the player's puzzle silently is worse than a message.
      ShowMessageBox(QStringLiteral("Error saving %1 puzzle file.\n\r\n\rThe file %2 could not be written.")
                         .arg(QString::fromLatin1(kind.name), path),
                     0);
    }
  }
  ResumeAfterDialog();
}

void TPlayWindow::bnFileClick() {
  SuspendForDialog();
  const QString path = AskOpenFileName(this);
  if (!path.isEmpty()) LoadFile(path);
  ResumeAfterDialog();
}

bool TPlayWindow::LoadFile(const QString& path) {
  const std::string message = KindOf(kind_).load(host_.state(), path.toStdString());
  if (!message.empty()) {
    ShowMessageBox(QString::fromStdString(message), 0);
    return false;
  }
  EnsureWindowSize(true);
  InstallPuzzle();
  return true;
}

void TPlayWindow::bnCreateClick() {
  if (!createDialog_) return;
  SuspendForDialog();
  createDialog_->FormShow();
  createDialog_->exec();
  if (createDialog_->Created()) {
    EnsureWindowSize(true);
    InstallPuzzle();
  }
  ResumeAfterDialog();
}

void TPlayWindow::bnPrintClick() {
  TfrmAllPrint* dialog = host_.printDialog();
  if (!dialog) return;
  SuspendForDialog();
  PrintRequest request = CurrentPrintRequest(host_.state(), kind_);
  const PlayAdapter& a = model_->adapter();
  for (int r = 0; r < a.Rows() && !request.hasEntry; ++r)
    for (int c = 0; c < a.Cols() && !request.hasEntry; ++c)
      request.hasEntry = a.IsCell(r, c) && !a.IsGiven(r, c) && a.Entry(r, c) != 0;
  dialog->Execute(request);
  ResumeAfterDialog();
}

}  // namespace zorvek::app

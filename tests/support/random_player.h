#pragma once
// A seeded random player for the real play windows: it clicks anywhere on
// the board (cells, mini-digits, clues, sign strips), types, switches modes,
// erases, undoes, checks, fills, clears, pauses and saves and reloads, as a
// person might, and after every action checks what a player relies on:
// - a digit drawn in the entry style is an entry, and every entry is drawn so;
// - the clock stops exactly when the entries are the solution (or on Fill all),
//   and deleting characters never finishes the puzzle mid-edit;
// - save -> load -> save gives the same bytes;
// - undo back to the start restores the start exactly.
// Header only, so the window test and the soak program under bench/ share it.
#include <QColor>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "app/shell/filedialogs.h"
#include "app/shell/mainwindow.h"
#include "app/shell/playwindow.h"
#include "app/shell/showmsg.h"
#include "core/common/types.h"
#include "core/shell/kinds.h"
#include "core/play/play.h"

namespace zorvek::testing {

// Every open cell holds its solution digit.
inline bool Solved(const PlayAdapter& a) {
  for (int r = 0; r < a.Rows(); ++r)
    for (int c = 0; c < a.Cols(); ++c)
      if (a.IsCell(r, c) && !a.IsGiven(r, c) && a.Entry(r, c) != a.Solution(r, c)) return false;
  return true;
}

class RandomPlayer {
 public:
  RandomPlayer(app::TfrmMain& main, int kind, std::uint32_t seed, QString dir)
      : main_(main), kind_(kind), gen_(seed), dir_(std::move(dir)) {}

  // Plays `actions` actions; returns the first broken promise, or an empty text.
  QString Play(int actions) {
    // No message is expected: one would be a save or load the game refused.
    app::SetMessageHook([this](const QString& text, int) {
      Fail(QStringLiteral("message: ") + text);
      return 1;
    });
    app::SetFileDialogHook([this](const app::FileDialogRequest&) { return nextFile_; });
    main_.PanelClick(kind_);
    window_ = main_.playWindow(kind_);
    if (!window_ || !window_->isVisible()) return QStringLiteral("the play window is not shown");
    TakeStart();
    for (int i = 0; i < actions && failure_.isEmpty(); ++i) {
      Act();
      if (failure_.isEmpty()) {
        CheckLook();
        CheckClock();
      }
      if (!failure_.isEmpty()) failure_ = QStringLiteral("action %1 (%2): %3").arg(i).arg(action_, failure_);
    }
    if (failure_.isEmpty()) UndoToStart();
    return failure_;
  }

 private:
  struct CellState {
    int entry;
    std::string text;
    std::uint16_t marks;
    bool operator==(const CellState&) const = default;
  };

  PlayModel& model() const { return window_->model(); }
  PlayAdapter& adapter() const { return window_->model().adapter(); }
  int Pick(int n) { return static_cast<int>(gen_() % static_cast<std::uint32_t>(n)); }
  bool Usable(const QWidget* w) const { return w->isVisible() && w->isEnabled(); }

  // The position as the player sees it: entries, and the typed text in Type
  // mode or the pencil marks in Mouse mode (the other notes are hidden).
  std::vector<CellState> Cells() const {
    std::vector<CellState> cells;
    PlayAdapter& a = adapter();
    const bool typing = model().StoredMode() == kModeType;
    for (int r = 0; r < a.Rows(); ++r)
      for (int c = 0; c < a.Cols(); ++c) {
        if (!a.IsCell(r, c)) continue;
        // A cell with an entry shows the entry, whatever text lies under it.
        CellState s{a.Entry(r, c), typing && a.Entry(r, c) == 0 ? a.Text(r, c) : std::string(), 0};
        for (int d = a.MarkLow(); d <= a.MarkHigh() && !typing; ++d)
          if (a.Mark(r, c, d)) s.marks |= static_cast<std::uint16_t>(1u << d);
        cells.push_back(s);
      }
    return cells;
  }

  void TakeStart() {
    start_ = Cells();
    startMove_ = model().MoveNumber();
    startMode_ = model().StoredMode();
    wasStopped_ = adapter().TimerState() == kTimerStopped;
  }

  QPoint RandomBoardPoint() {
    const QSize s = window_->dgPuzzle()->size();
    return QPoint(Pick(std::max(1, s.width())), Pick(std::max(1, s.height())));
  }

  void Click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

  void Act() {
    app::TPlayWindow* w = window_;
    PlayModel& m = model();
    boxBefore_ = m.TypingBoxVisible() && w->edText->isVisible();
    checkBefore_ = m.checkDisplay;
    const int roll = Pick(100);
    if (m.paused) {
      action_ = QStringLiteral("resume");
      Click(w->bnResume);
    } else if (m.Erasing() && roll < 60) {
      action_ = QStringLiteral("erase drag");
      QWidget* grid = w->dgPuzzle();
      QTest::mousePress(grid, Qt::LeftButton, {}, RandomBoardPoint());
      for (int k = Pick(4); k >= 0; --k) {
        const QPoint to = RandomBoardPoint();
        QMouseEvent move(QEvent::MouseMove, to, grid->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(grid, &move);
      }
      QTest::mouseRelease(grid, Qt::LeftButton, {}, RandomBoardPoint());
    } else if (roll < 40) {
      const bool right = Pick(3) == 0;
      action_ = right ? QStringLiteral("right click") : QStringLiteral("left click");
      QTest::mouseClick(w->dgPuzzle(), right ? Qt::RightButton : Qt::LeftButton, {}, RandomBoardPoint());
    } else if (roll < 70 && boxBefore_) {
      static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                     Qt::Key_Down,      Qt::Key_Tab,    Qt::Key_End,  Qt::Key_Home};
      if (Pick(2) == 0) {
        const char digit = static_cast<char>('0' + Pick(10));
        action_ = QStringLiteral("type %1").arg(digit);
        QTest::keyClicks(w->edText, QString(QLatin1Char(digit)));
      } else {
        const Qt::Key key = keys[Pick(std::size(keys))];
        action_ = QStringLiteral("key %1").arg(QKeySequence(key).toString());
        deleting_ = key == Qt::Key_Backspace || key == Qt::Key_Delete;
        QTest::keyClick(w->edText, key);
      }
    } else if (roll < 80) {
      QToolButton* modes[] = {w->bnMouse, w->bnKeyboard, w->bnErase};
      QToolButton* b = modes[Pick(3)];
      action_ = b->text();
      Click(b);
    } else {
      QPushButton* commands[] = {w->bnUndo,  w->bnUndo,   w->bnUndo,  w->bnCheck, w->bnCheck, w->bnPencil,
                                 w->bnReduce, w->bnPause, w->bnClear, w->bnFill,  w->bnHint,  w->bnHint,
                                 nullptr,    nullptr};
      QPushButton* b = commands[Pick(std::size(commands))];
      if (!b) {
        Pick(3) == 0 ? UndoToStart() : RoundTrip();
        return;
      }
      if (!Usable(b)) return;
      action_ = b->text();
      filled_ = b == w->bnFill;
      const int stage = w->HintStage();
      const std::vector<CellState> before = Cells();
      Click(b);
      // Only the third press of a hint makes its step.
      if (b == w->bnHint && stage < 2 && Cells() != before) Fail(QStringLiteral("a hint changed a cell before its third press"));
    }
  }

  // Every play cell that shows a black digit and no pencil grid holds an
  // entry, and every entry is shown so. The cell under the typing box is
  // judged by the box's own colour.
  void CheckLook() {
    app::TPlayWindow* w = window_;
    PlayModel& m = model();
    PlayAdapter& a = adapter();
    if (!w->dgPuzzle()->isVisible()) return;
    const QImage image = w->dgPuzzle()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const bool box = m.StoredMode() == kModeType && m.TypingBoxVisible() && w->edText->isVisible();
    // A hint's tint lies over the cells it names, pencil grid included.
    QImage blend(1, 1, QImage::Format_RGB32);
    blend.fill(draw::kSilver);
    {
      QPainter p(&blend);
      p.fillRect(blend.rect(), draw::kHintTint);
    }
    const QRgb tintedSilver = blend.pixel(0, 0) & 0xffffff;
    for (int r = 0; r < a.Rows(); ++r)
      for (int c = 0; c < a.Cols(); ++c) {
        if (!a.IsCell(r, c) || a.IsGiven(r, c)) continue;
        const bool entered = a.Entry(r, c) != 0;
        if (box && r == m.CursorRow() && c == m.CursorCol()) {
          const bool black = w->edText->palette().color(QPalette::Text) == QColor(Qt::black);
          if (black != entered) return Fail(QStringLiteral("the typing box at r%1c%2 is %3 for entry %4")
                                                .arg(r).arg(c).arg(black ? "black" : "grey").arg(a.Entry(r, c)));
          continue;
        }
        const QRect cell = w->board().CellRect(r, c);
        const QRect inner = cell.adjusted(cell.width() / 4, cell.height() / 4, -cell.width() / 4, -cell.height() / 4)
                                .intersected(image.rect());
        int dark = 0, silver = 0;
        for (int y = inner.top(); y <= inner.bottom(); ++y) {
          const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
          for (int x = inner.left(); x <= inner.right(); ++x) {
            const QRgb p = line[x];
            dark += std::max({qRed(p), qGreen(p), qBlue(p)}) < 80;
            silver += (p & 0xffffff) == 0xc0c0c0 || (p & 0xffffff) == tintedSilver;
          }
        }
        // A pencil grid draws whole lines of silver; a digit's edges only a few pixels.
        const bool looksEntered = dark >= 3 && silver < inner.height();
        if (looksEntered != entered)
          return Fail(QStringLiteral("r%1c%2 looks %3 but holds entry %4 (text \"%5\")")
                          .arg(r).arg(c).arg(looksEntered ? "entered" : "open").arg(a.Entry(r, c))
                          .arg(QString::fromStdString(a.Text(r, c))));
      }
  }

  void CheckClock() {
    PlayModel& m = model();
    const bool stopped = adapter().TimerState() == kTimerStopped;
    const bool solved = Solved(adapter());
    if (stopped && !wasStopped_ && !solved && !filled_) Fail(QStringLiteral("the clock stopped on an unsolved puzzle"));
    if (solved && !stopped && !(m.TypingBoxVisible() && window_->edText->isVisible()))
      Fail(QStringLiteral("the puzzle is solved but the clock was not stopped"));
    if (deleting_ && boxBefore_ && (!window_->edText->isVisible() || (m.checkDisplay && !checkBefore_)))
      Fail(QStringLiteral("deleting a character ended the edit"));
    wasStopped_ = stopped;
    deleting_ = filled_ = false;
  }

  void RoundTrip() {
    action_ = QStringLiteral("save, load, save");
    app::TPlayWindow* w = window_;
    if (!Usable(w->bnSave)) return;
    const QString first = dir_ + QStringLiteral("/first.puz"), second = dir_ + QStringLiteral("/second.puz");
    QFile::remove(first);
    QFile::remove(second);
    nextFile_ = first;
    Click(w->bnSave);
    Click(w->bnFile);
    nextFile_ = second;
    Click(w->bnSave);
    nextFile_.clear();
    QFile a(first), b(second);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly)) return Fail(QStringLiteral("a save failed"));
    if (a.readAll() != b.readAll()) return Fail(QStringLiteral("save -> load -> save changed the file"));
    TakeStart();  // a load is a new start for undo
  }

  void UndoToStart() {
    action_ = QStringLiteral("undo to the start");
    app::TPlayWindow* w = window_;
    if (model().Erasing()) Click(w->bnMouse);
    if (model().paused) Click(w->bnResume);
    for (int guard = 0; guard <= PlayModel::kHistorySize && Usable(w->bnUndo) && failure_.isEmpty(); ++guard) {
      Click(w->bnUndo);
      CheckClock();
    }
    // Past a thousand moves the start has left the history.
    if (model().MoveNumber() != startMove_ || model().StoredMode() != startMode_) return;
    if (Cells() != start_) Fail(QStringLiteral("undo back to the start did not restore it"));
  }

  void Fail(const QString& what) {
    if (failure_.isEmpty()) failure_ = what;
  }

  app::TfrmMain& main_;
  const int kind_;
  std::mt19937 gen_;
  QString dir_;
  app::TPlayWindow* window_ = nullptr;
  std::vector<CellState> start_;
  int startMove_ = 1, startMode_ = 0;
  bool wasStopped_ = false, boxBefore_ = false, checkBefore_ = false, deleting_ = false, filled_ = false;
  QString action_, failure_, nextFile_;
};

}  // namespace zorvek::testing

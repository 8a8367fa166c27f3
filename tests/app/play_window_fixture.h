#pragma once
// The window tests open the real main window, often on a state holding a
// known puzzle of a kind, so they know every clue and solution. They answer
// in place of a person: every message box is recorded and answered O.K.,
// every file dialog returns nextFile_ and a save dialog's proposal is kept in
// suggested_.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/shell/filedialogs.h"
#include "app/shell/mainwindow.h"
#include "app/shell/playwindow.h"
#include "core/common/types.h"
#include "core/hexkakuro/geometry.h"
#include "core/shell/kinds.h"
#include "app/shell/showmsg.h"
#include "support/kakuro_fixture.h"

namespace zorvek::testing {

inline int SudokuSolutionAt(int r, int c) { return (r * 3 + r / 3 + c) % 9 + 1; }

// Sudoku: the pattern above, givens on the diagonal, Hard, never saved.
// Kakuro: the small fixture, Medium. Futoshiki: an n x n Latin square, givens
// on the diagonal, Medium, saved three times. HexKakuro: every position of a
// 9 x 9 lattice in use, clues 12 in 3 but for (1,3), 3 over (1,2) and (1,4),
// and (4,3) between (3,3), 7 in 2, above and (5,3), 20 in 3, below; Easy,
// saved five times.
inline void PutKnownPuzzle(AppState& s, int kind, int futoshikiSize) {
  if (kind == kKindSudoku) {
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c) {
        sudoku::SudCell& x = s.sudokuPuzzle.cells[r][c];
        x = sudoku::SudCell{};
        x.solution = SudokuSolutionAt(r, c);
        x.given = r == c;
        x.entry = x.given ? static_cast<std::uint8_t>(x.solution) : 0;
      }
    s.sudokuSettings.difficulty = kHard;
    s.sudokuSettings.elapsed = 0;
    s.sudokuSettings.timerState = kTimerRunning;
  } else if (kind == kKindKakuro) {
    BuildSmallKakuro(s.kakuroSettings, s.kakuroPuzzle);
  } else if (kind == kKindFutoshiki) {
    const int n = futoshikiSize;
    s.futoshikiPuzzle = futoshiki::FutGrid{};
    for (int r = 0; r < n; ++r)
      for (int c = 0; c < n; ++c) {
        futoshiki::FutGridCell& x = s.futoshikiPuzzle.cells[r][c];
        x.solution = (r + c) % n + 1;
        x.given = r == c;
        x.entry = x.given ? static_cast<std::uint8_t>(x.solution) : 0;
      }
    s.futoshikiSettings.size = n;
    s.futoshikiSettings.difficulty = kMedium;
    s.futoshikiSettings.elapsed = 0;
    s.futoshikiSettings.playState = kTimerRunning;
    s.general.futoshikiSaveCounter = 3;
  } else {
    using namespace hexkakuro;
    s.hexKakuroSettings = HexHeader{kEasy, {}, 9, 9, 42, kTimerRunning, {}};
    HexGrid& g = s.hexKakuroPuzzle;
    g = HexGrid{};
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) {
        HexGridCell& x = g.cells[r][c];
        if (IsCluePosition(r, c))
          x.kind = kHexClue, x.number = 12, x.count = 3;
        else if (IsWhitePosition(r, c, 9))
          x.kind = kHexWhite, x.number = 1 + (r + c) % 9;
      }
    g.cells[2][3].kind = kHexRemoved;
    g.cells[1][3].number = 3, g.cells[1][3].count = 2;
    g.cells[3][3].number = 7, g.cells[3][3].count = 2;
    g.cells[5][3].number = 20, g.cells[5][3].count = 3;
    s.general.hexKakuroSaveCounter = 5;
  }
}

// Entries and pencil marks of every play cell, as the play rules hold them.
inline std::vector<int> Position(const PlayAdapter& a) {
  std::vector<int> cells;
  for (int r = 0; r < a.Rows(); ++r)
    for (int c = 0; c < a.Cols(); ++c) {
      if (!a.IsCell(r, c)) continue;
      int marks = 0;
      for (int d = a.MarkLow(); d <= a.MarkHigh(); ++d) marks |= a.Mark(r, c, d) << d;
      cells.push_back(a.Entry(r, c) * 1024 + marks);
    }
  return cells;
}

// The digits whose pencil marks are set, where marks[0] is the digit `first`.
template <std::size_t N>
std::string MarkDigits(const std::uint8_t (&marks)[N], int first) {
  std::string s;
  for (int i = 0; i < int(N); ++i)
    if (marks[i]) s += char('0' + first + i);
  return s;
}

// The centre of a digit's place in a cell's three-by-three mini-grid.
inline QPoint MiniDigit(const QRect& cell, int third, int digit) {
  return cell.topLeft() + QPoint((digit - 1) % 3 * third + third / 2, (digit - 1) / 3 * third + third / 2);
}

class PlayWindowTest : public QObject {
 protected:
  QTemporaryDir dir_;
  QStringList messages_;
  QString nextFile_, suggested_;
  std::unique_ptr<app::TfrmMain> main_;

  void AnswerDialogs() {
    messages_.clear();
    nextFile_.clear();
    suggested_.clear();
    app::SetMessageHook([this](const QString& text, int) {
      messages_ << text;
      return 1;
    });
    app::SetFileDialogHook([this](const app::FileDialogRequest& r) {
      if (r.save) suggested_ = r.suggestedName;
      return nextFile_;
    });
  }

  QString StatePath() const { return dir_.filePath(QStringLiteral("state.dat")); }

  // A main window on the state file `name` (a first start if there is none,
  // or `file` loaded over it), shown.
  std::unique_ptr<app::TfrmMain> Show(const QString& name, std::uint64_t seed, const QString& file = {},
                                      int autosaveMs = 3000) {
    app::MainOptions options{dir_.filePath(name), false, seed, file};
    options.autosaveMs = autosaveMs;
    auto main = std::make_unique<app::TfrmMain>(options);
    main->show();
    return QTest::qWaitForWindowExposed(main.get()) ? std::move(main) : nullptr;
  }

  // Writes a first start's state with the known puzzle of `kind` in the
  // input mode given, then shows it with that kind in front and the dialogs
  // answered; `smallest` shrinks the main window to its smallest preset first.
  void Open(int kind, int inputMode, int autosaveMs = 3000, int futoshikiSize = 7, bool smallest = false) {
    main_.reset();
    AnswerDialogs();
    {
      app::TfrmMain seed({StatePath(), false, 7});  // a first start writes defaults for every kind
      AppState& s = seed.state();
      PutKnownPuzzle(s, kind, futoshikiSize);
      s.general.*KindOf(kind).inputMode = static_cast<std::uint8_t>(inputMode);
      QVERIFY(StateIsValid(s));
      QVERIFY(SaveState(s, StatePath().toStdString()));
    }
    main_ = Show(QStringLiteral("state.dat"), 11, {}, autosaveMs);
    QVERIFY(main_);
    if (smallest) main_->resize(700, 600);
    main_->PanelClick(kind);
    QVERIFY(main_->playWindow(kind)->isVisible());
    QTRY_VERIFY(!main_->playWindow(kind)->InitTimer.isActive());
  }

  static void Click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
  static void Press(app::TPlayWindow* w, const QPoint& at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(w->dgPuzzle(), button, {}, at);
  }
  static QColor Pixel(app::TPlayWindow* w, const QPoint& at) { return w->dgPuzzle()->grab().toImage().pixelColor(at); }
};

}  // namespace zorvek::testing

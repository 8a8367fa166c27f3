// Drives the real main window and Futoshiki window: sign clicks, the two
// pencil-mark commands, a small board's mini-grid and a file of another size.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "app/futoshiki/futoshikiwindow.h"
#include "app/shell/createdialog.h"
#include "app/shell/filedialogs.h"
#include "app/shell/mainwindow.h"
#include "app/shell/quickhints.h"
#include "app/shell/showmsg.h"
#include "core/common/types.h"
#include "core/shell/kinds.h"

#include "support/window_test.h"

using namespace zorvek;
using namespace zorvek::app;
using futoshiki::FutGridCell;

namespace {

int SolutionAt(int n, int r, int c) { return (r + c) % n + 1; }

// A known n x n puzzle: the Latin square above, givens on the diagonal.
void WriteKnownState(const QString& path, int n, int inputMode) {
  TfrmMain seed({path, false, 7, {}});  // a first start writes defaults for every kind
  AppState& s = seed.state();
  s.futoshikiPuzzle = futoshiki::FutGrid{};
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) {
      FutGridCell& x = s.futoshikiPuzzle.cells[r][c];
      x.solution = SolutionAt(n, r, c);
      x.given = r == c;
      x.entry = x.given ? static_cast<std::uint8_t>(x.solution) : 0;
    }
  s.futoshikiSettings.size = n;
  s.futoshikiSettings.difficulty = kMedium;
  s.futoshikiSettings.elapsed = 0;
  s.futoshikiSettings.playState = kTimerRunning;
  s.general.futoshikiInputMode = static_cast<std::uint8_t>(inputMode);
  s.general.futoshikiSaveCounter = 3;
  QVERIFY(StateIsValid(s));
  QVERIFY(SaveState(s, path.toStdString()));
}

std::string Marks(const FutGridCell& x) {
  std::string s;
  for (int d = 1; d <= 9; ++d)
    if (x.marks[d - 1]) s += char('0' + d);
  return s;
}

}  // namespace

class FutoshikiWindowTest : public WindowTest {
  Q_OBJECT

 private:
  std::unique_ptr<TfrmMain> main_;

  QString StatePath() const { return dir_.filePath(QStringLiteral("state.dat")); }
  TfrmFutoshiki* Window() const { return static_cast<TfrmFutoshiki*>(main_->playWindow(kKindFutoshiki)); }
  FutGridCell& Cell(int r, int c) const { return main_->state().futoshikiPuzzle.cells[r][c]; }
  const draw::futoshiki::FutoshikiBoard& Board() const { return Window()->futoshikiBoard(); }

  void Open(int n, int inputMode) {
    WriteKnownState(StatePath(), n, inputMode);
    main_ = std::make_unique<TfrmMain>(MainOptions{StatePath(), false, 11, {}});
    main_->show();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    main_->PanelClick(kKindFutoshiki);
    QVERIFY(Window()->isVisible());
  }
  QPoint Digit(int r, int c, int d) const {
    const int t = Board().miniSize();
    return Board().CellRect(r, c).topLeft() + QPoint((d - 1) % 3 * t + t / 2, (d - 1) / 3 * t + t / 2);
  }
  // The middle of a cell's right or bottom strip.
  QPoint Strip(int r, int c, bool down) const {
    const QRect cell = Board().PitchRect(r, c);
    const int w = Board().squareSize(), mid = (cell.width() + w) / 2;
    return cell.topLeft() + (down ? QPoint(w / 2, mid) : QPoint(mid, w / 2));
  }
  void Click(const QPoint& at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(Window()->dgPuzzle(), button, {}, at);
  }

 private slots:
  void init() { AnswerDialogs(); }
  void cleanup() { main_.reset(); }

  void signClicksNarrowOnlyOpenCells() {
    Open(7, kModeMouse);
    TfrmFutoshiki* w = Window();
    QCOMPARE(w->PanelHeader->text(), QStringLiteral("Medium Futoshiki puzzle   Grid size = 7"));
    // (0,2) > (0,3), and (0,3) holds 3.
    Cell(0, 2).signRight = 1;
    Click(Digit(0, 3, 3));
    QCOMPARE(int(Cell(0, 3).entry), 3);
    Click(Strip(0, 2, false));
    QCOMPARE(Marks(Cell(0, 2)), std::string("4567"));
    QCOMPARE(Marks(Cell(0, 3)), std::string());
    QCOMPARE(int(Cell(0, 3).entry), 3);
    // Below the given of (1,1) (digit 3) sits a smaller open cell.
    Cell(1, 1).signDown = 1;
    Click(Strip(1, 1, true));
    QCOMPARE(Marks(Cell(2, 1)), std::string("12"));
    QCOMPARE(Marks(Cell(1, 1)), std::string());
    QCOMPARE(int(Cell(1, 1).entry), 3);
    // A strip without a sign is no digit.
    Click(Strip(4, 0, false));
    QCOMPARE(Marks(Cell(4, 0)), std::string());
    QCOMPARE(int(Cell(4, 0).entry), 0);
    // Each sign click is a move of its own.
    QTest::mouseClick(w->bnUndo, Qt::LeftButton);
    QCOMPARE(Marks(Cell(2, 1)), std::string());
    QCOMPARE(Marks(Cell(0, 2)), std::string("4567"));

    // In Type mode the marks come from the typed text and go back into it.
    QTest::mouseClick(w->bnKeyboard, Qt::LeftButton);
    QCOMPARE(QByteArray(Cell(0, 2).text, Cell(0, 2).textLength), QByteArray("4567"));
    QCOMPARE(w->model().CursorCol(), 1);
    QTest::keyClicks(w->edText, QStringLiteral("56"));
    Cell(3, 4).signDown = 2;  // (3,4) < (4,4), the given 2
    Click(Strip(3, 4, true));
    QCOMPARE(QByteArray(Cell(3, 4).text, Cell(3, 4).textLength), QByteArray("1"));
    QCOMPARE(int(Cell(3, 4).entry), 0);
    // Undo takes back the sign click alone; what was typed before it stays.
    QTest::mouseClick(w->bnUndo, Qt::LeftButton);
    QCOMPARE(int(Cell(3, 4).textLength), 0);
    QCOMPARE(QByteArray(Cell(0, 1).text, Cell(0, 1).textLength), QByteArray("56"));
  }

  void smallBoardMarksUnderEntriesAndPencilCommands() {
    Open(5, kModeMouse);
    TfrmFutoshiki* w = Window();
    QCOMPARE(w->PanelHeader->text(), QStringLiteral("Medium Futoshiki puzzle   Grid size = 5"));
    QCOMPARE(w->createDialog()->Size(), 0);
    // The instructions name the digits of this grid.
    QTest::mouseClick(w->bnInstruct, Qt::LeftButton);
    QVERIFY(main_->hints()->memo()->toPlainText().contains(QStringLiteral("The digits 1 to 5 are shown for each square.")));
    main_->hints()->hide();
    for (int d = 6; d <= 9; ++d) {
      Click(Digit(0, 1, d));
      Click(Digit(0, 1, d), Qt::RightButton);
    }
    QCOMPARE(int(Cell(0, 1).entry), 0);
    QCOMPARE(Marks(Cell(0, 1)), std::string());
    QVERIFY(!w->bnUndo->isEnabled());

    // A right click under an entry sets the mark; the entry hides it until cleared.
    Click(Digit(0, 1, 2));
    Click(Digit(0, 1, 4), Qt::RightButton);
    QCOMPARE(Marks(Cell(0, 1)), std::string("4"));
    QImage image = w->dgPuzzle()->grab().toImage();
    const QRect square = Board().CellRect(0, 1);
    auto yellowIn = [&](const QImage& img) {
      for (int y = square.top(); y <= square.bottom(); ++y)
        for (int x = square.left(); x <= square.right(); ++x)
          if (img.pixelColor(x, y) == draw::kMarkYellow) return true;
      return false;
    };
    QVERIFY(!yellowIn(image));
    // A left click over a blank place of the mini-grid still clears the entry.
    Click(Digit(0, 1, 8));
    QCOMPARE(int(Cell(0, 1).entry), 0);
    QVERIFY(yellowIn(w->dgPuzzle()->grab().toImage()));

    // Givens 1, 3, 5, 2, 4 down the diagonal; an entry 4 at (2,0).
    Click(Digit(2, 0, 4));
    QTest::mouseClick(w->bnPencil, Qt::LeftButton);
    QCOMPARE(Marks(Cell(3, 4)), std::string("12345"));
    QCOMPARE(Marks(Cell(2, 0)), std::string());
    QTest::mouseClick(w->bnReduce, Qt::LeftButton);
    QCOMPARE(Marks(Cell(2, 1)), std::string("12"));   // row: 4, 5; column: 3
    QCOMPARE(Marks(Cell(4, 0)), std::string("235"));  // column: 1, 4; row: 4
    QCOMPARE(Marks(Cell(3, 1)), std::string("145"));  // row: 2; column: 3
    QCOMPARE(Marks(Cell(0, 3)), std::string("345"));  // row: 1; column: 2
    // Reduce is for Mouse mode only.
    QTest::mouseClick(w->bnKeyboard, Qt::LeftButton);
    QVERIFY(!w->bnReduce->isEnabled() && !w->bnPencil->isEnabled());
  }

  // A saved 5 x 5 file brings its own size, header and window preset back.
  void aFileOfAnotherSize() {
    Open(7, kModeMouse);
    TfrmFutoshiki* w = Window();
    const futoshiki::FutGrid before = main_->state().futoshikiPuzzle;
    const QString mine = dir_.filePath(QStringLiteral("mine.puz"));
    main_->state().futoshikiSettings.size = 5;
    main_->state().futoshikiSettings.difficulty = kHard;
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 5; ++c) {
        Cell(r, c) = FutGridCell{};
        Cell(r, c).solution = SolutionAt(5, r, c);
      }
    QVERIFY(KindOf(kKindFutoshiki).save(main_->state(), mine.toStdString()));
    main_->state().futoshikiPuzzle = before;
    main_->state().futoshikiSettings.size = 7;
    nextFile_ = mine;
    QTest::mouseClick(w->bnFile, Qt::LeftButton);
    QVERIFY(messages_.isEmpty());
    QCOMPARE(w->PanelHeader->text(), QStringLiteral("Hard Futoshiki puzzle   Grid size = 5"));
    QCOMPARE(Board().n(), 5);
    QCOMPARE(main_->size(), main_->preset(0));
  }
};

QTEST_MAIN(FutoshikiWindowTest)
#include "futoshiki_window_test.moc"

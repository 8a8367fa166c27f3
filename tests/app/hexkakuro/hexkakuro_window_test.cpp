// Drives the real main window and HexKakuro window: clue clicks and their
// combinations, clicks beyond a hexagon's slanted edge, typing with the
// cell's two clues shown, files, and a creation that gives up.
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <cstring>

#include "app/hexkakuro/hexkakurowindow.h"
#include "app/hexkakuro/hexnew.h"
#include "app/shell/combinations.h"
#include "app/shell/filedialogs.h"
#include "app/shell/mainwindow.h"
#include "app/shell/showmsg.h"
#include "core/common/types.h"

#include "support/window_test.h"

using namespace zorvek;
using namespace zorvek::app;
using namespace zorvek::hexkakuro;
using zorvek::draw::hexkakuro::HexCellGeometry;

namespace {

// Every lattice position of a 9 x 9 grid in use, with a few clues set up for
// the tests: (1, 3) is 3 over (1, 2) and (1, 4); (4, 3) lies between the
// clues (3, 3) above and (5, 3) below.
void WriteKnownState(const QString& path, int inputMode) {
  TfrmMain seed({path, false, 7});
  AppState& s = seed.state();
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
  s.general.hexKakuroInputMode = static_cast<std::uint8_t>(inputMode);
  s.general.hexKakuroSaveCounter = 5;
  QVERIFY(StateIsValid(s));
  QVERIFY(SaveState(s, path.toStdString()));
}

QString Marks(const HexGridCell& x) {
  QString s;
  for (int d = 1; d <= 9; ++d)
    if (x.marks[d - 1]) s += QString::number(d);
  return s;
}

}  // namespace

class HexKakuroWindowTest : public WindowTest {
  Q_OBJECT

 private:
  std::unique_ptr<TfrmMain> main_;

  QString StatePath() const { return dir_.filePath(QStringLiteral("state.dat")); }
  TfrmHexKakuro* Window() const { return static_cast<TfrmHexKakuro*>(main_->playWindow(kKindHexKakuro)); }
  HexGrid& Grid() const { return main_->state().hexKakuroPuzzle; }
  QPoint Centre(int r, int c) const {
    const HexCellGeometry g = Window()->hexBoard().Geometry(r, c);
    return QPoint(g.origin.x + 2 * Window()->hexBoard().units().u, g.origin.y + Window()->hexBoard().units().h);
  }
  QPoint MiniPoint(int r, int c, int digit) const {
    QPoint sum;
    const QPolygon poly = Window()->hexBoard().MiniCell(r, c, digit);
    for (const QPoint& p : poly) sum += p;
    return sum / poly.size();
  }

  void Open(int inputMode) {
    WriteKnownState(StatePath(), inputMode);
    main_ = std::make_unique<TfrmMain>(MainOptions{StatePath(), false, 11});
    main_->show();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    main_->resize(700, 600);  // below the HexKakuro preset
    main_->PanelClick(kKindHexKakuro);
    QVERIFY(Window()->isVisible());
    QTRY_VERIFY(!Window()->InitTimer.isActive());
  }

 private slots:
  void init() { AnswerDialogs(); }
  void cleanup() { main_.reset(); }

  void showingAsksForThePresetAndHeadsTheBoard() {
    Open(kModeMouse);
    TfrmHexKakuro* w = Window();
    // A 9-row puzzle asks for the middle preset, so it is never squeezed
    // into the size a smaller kind left behind.
    QVERIFY(main_->preset(1).width() > 700);
    QCOMPARE(main_->size(), main_->preset(1));
    QCOMPARE(w->PanelHeader->text(), QStringLiteral("Easy HexKakuro   # Rows : 9  # Columns : 9"));
    QVERIFY(!w->bnPencil->isVisible() && !w->bnReduce->isVisible());
  }

  void clueClicksNarrowTheNeighbours() {
    Open(kModeMouse);
    TfrmHexKakuro* w = Window();
    QTest::mouseClick(w->dgPuzzle(), Qt::LeftButton, {}, Centre(1, 3));
    QCOMPARE(Marks(Grid().cells[1][2]), QStringLiteral("12"));
    QCOMPARE(Marks(Grid().cells[1][4]), QStringLiteral("12"));
    QCOMPARE(w->selectedRow(), 1);
    QVERIFY(w->pbNumbers->isVisible() && !w->pbNumbers2->isVisible());
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("3 in 2"));
    QVERIFY(w->bnUndo->isEnabled());

    // Entering 1 beside the clue: the panel follows, and the next click takes 1 away.
    QTest::mouseClick(w->dgPuzzle(), Qt::LeftButton, {}, MiniPoint(1, 2, 1));
    QCOMPARE(int(Grid().cells[1][2].entry), 1);
    QVERIFY(w->pbNumbers->isVisible());
    QTest::mouseClick(w->dgPuzzle(), Qt::LeftButton, {}, Centre(1, 3));
    QCOMPARE(Marks(Grid().cells[1][4]), QStringLiteral("2"));
    // A clue click with nothing left to narrow records no move.
    const int move = w->model().MoveNumber();
    QTest::mouseClick(w->dgPuzzle(), Qt::LeftButton, {}, Centre(1, 3));
    QCOMPARE(w->model().MoveNumber(), move);

    // Undo ends the selection and walks the marks back.
    QTest::mouseClick(w->bnUndo, Qt::LeftButton);
    QCOMPARE(w->selectedRow(), 0);
    QVERIFY(!w->pbNumbers->isVisible());
    QCOMPARE(Marks(Grid().cells[1][4]), QStringLiteral("12"));

    // Check outlines go with the next click on a clue.
    QTest::mouseClick(w->bnCheck, Qt::LeftButton);
    QVERIFY(w->model().checkDisplay);
    QTest::mouseClick(w->dgPuzzle(), Qt::RightButton, {}, Centre(1, 3));
    QVERIFY(!w->model().checkDisplay && w->bnCheck->isEnabled());
    QCOMPARE(w->selectedRow(), 0);
  }

  void typingShowsTheCellsTwoClues() {
    Open(kModeType);
    TfrmHexKakuro* w = Window();
    QTest::mouseClick(w->dgPuzzle(), Qt::LeftButton, {}, Centre(4, 3));
    QVERIFY(w->edText->isVisible());
    QCOMPARE(w->edText->geometry().center().y(), Centre(4, 3).y());
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("7 in 2"));   // above
    QCOMPARE(w->pbNumbers2->title(), QStringLiteral("20 in 3"));  // below
    QVERIFY(w->pbNumbers->y() < w->pbNumbers2->y());
    QTest::keyClicks(w->edText, QStringLiteral("6"));
    QCOMPARE(int(Grid().cells[4][3].entry), 6);
    // Down skips the clue below and stops at the next empty white cell.
    QTest::keyClick(w->edText, Qt::Key_Down);
    QCOMPARE(w->model().CursorRow(), 6);
    QCOMPARE(w->model().CursorCol(), 3);
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("20 in 3"));
    // An even column shows its left clue first.
    QTest::mouseClick(w->dgPuzzle(), Qt::LeftButton, {}, Centre(1, 2));
    QCOMPARE(w->model().CursorCol(), 2);
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("12 in 3"));  // (2, 1)
    QCOMPARE(w->pbNumbers2->title(), QStringLiteral("3 in 2"));  // (1, 3)
    // A clue click hides the box.
    QTest::mouseClick(w->dgPuzzle(), Qt::LeftButton, {}, Centre(1, 3));
    QVERIFY(!w->edText->isVisible());
    QVERIFY(!w->pbNumbers->isVisible());
  }

  void filesSaveAndLoad() {
    Open(kModeMouse);
    TfrmHexKakuro* w = Window();
    QTest::mouseClick(w->dgPuzzle(), Qt::LeftButton, {}, MiniPoint(4, 3, 8));
    nextFile_ = dir_.filePath(QStringLiteral("hex.puz"));
    QTest::mouseClick(w->bnSave, Qt::LeftButton);
    QCOMPARE(suggested_, QStringLiteral("HexKakuroEasy9x9_6"));
    QCOMPARE(int(main_->state().general.hexKakuroSaveCounter), 6);
    const HexGrid saved = Grid();
    // The file comes back whole, and loading grows the main window to its preset.
    QTest::mouseClick(w->bnClear, Qt::LeftButton);
    main_->resize(700, 600);
    QTest::mouseClick(w->bnFile, Qt::LeftButton);
    QVERIFY(messages_.isEmpty());
    QCOMPARE(0, std::memcmp(&Grid(), &saved, sizeof saved));
    QCOMPARE(main_->size(), main_->preset(1));
  }

  void creationThatGivesUpKeepsTheOldPuzzle() {
    Open(kModeMouse);
    TfrmHexKakuro* w = Window();
    auto* dialog = static_cast<TfrmHexNew*>(w->createDialog());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Create Hex Kakuro puzzle"));
    QTest::mouseClick(w->dgPuzzle(), Qt::LeftButton, {}, MiniPoint(4, 3, 2));
    const HexGrid before = Grid();
    const int elapsed = main_->state().hexKakuroSettings.elapsed;
    // The engine's loop stands in as one that never succeeds; it takes a
    // moment, so the bar can be seen while it runs.
    struct FailingJob : CreateJob {
      CreateOutcome Run(Random&, CreateProgress& progress) override {
        progress.attemptScale = 101;
        progress.attempts = 10;
        QThread::msleep(300);
        return {};
      }
      void Commit(AppState&, bool) const override {}
    };
    int asked = 0, bar = -1;
    dialog->SetJobMaker([&](const AppState&, int difficulty, int size) -> std::unique_ptr<CreateJob> {
      asked = difficulty * 10 + size;
      return std::make_unique<FailingJob>();
    });
    QTimer::singleShot(0, dialog, [&] {
      dialog->rbDiff2->setChecked(true);
      dialog->rbSize[1]->setChecked(true);
      QTest::mouseClick(dialog->bnCreate, Qt::LeftButton);
      QTimer::singleShot(150, dialog, [&] { bar = dialog->progressBar()->value(); });
    });
    QTest::mouseClick(w->bnCreate, Qt::LeftButton);
    QCOMPARE(asked, kHard * 10 + 1);  // Hard, 11 x 13
    QCOMPARE(bar, 50);  // half, whatever the attempts say
    QCOMPARE(messages_, QStringList{QStringLiteral("Error creating HexKakuro puzzle.  Please try again.")});
    QCOMPARE(0, std::memcmp(&Grid(), &before, sizeof before));
    QVERIFY(main_->state().hexKakuroSettings.elapsed >= elapsed);
    QCOMPARE(main_->state().hexKakuroSettings.rows, 9);
    QVERIFY(w->PuzzTimer.isActive());
    QVERIFY(w->dgPuzzle()->isVisible());
  }
};

QTEST_MAIN(HexKakuroWindowTest)
#include "hexkakuro_window_test.moc"

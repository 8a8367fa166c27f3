// Drives the real main window and HexKakuro window: clue clicks and their
// combinations, typing with the cell's two clues shown, and a creation that
// gives up.
#include <QProgressBar>
#include <QRadioButton>
#include <cstring>

#include "app/hexkakuro/hexkakurowindow.h"
#include "app/hexkakuro/hexnew.h"
#include "app/shell/combinations.h"

#include "app/play_window_fixture.h"

using namespace zorvek;
using namespace zorvek::app;
using namespace zorvek::hexkakuro;

class HexKakuroWindowTest : public testing::PlayWindowTest {
  Q_OBJECT

 private:
  TfrmHexKakuro* Window() const { return static_cast<TfrmHexKakuro*>(main_->playWindow(kKindHexKakuro)); }
  HexGrid& Grid() const { return main_->state().hexKakuroPuzzle; }
  QPoint Centre(int r, int c) const {
    const draw::hexkakuro::HexCellGeometry g = Window()->hexBoard().Geometry(r, c);
    return QPoint(g.origin.x + 2 * Window()->hexBoard().units().u, g.origin.y + Window()->hexBoard().units().h);
  }
  QPoint MiniPoint(int r, int c, int digit) const {
    QPoint sum;
    const QPolygon poly = Window()->hexBoard().MiniCell(r, c, digit);
    for (const QPoint& p : poly) sum += p;
    return sum / poly.size();
  }
  // Below the HexKakuro preset, so showing it must ask for more.
  void Open(int inputMode) { PlayWindowTest::Open(kKindHexKakuro, inputMode, 3000, 7, true); }

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

  // The clue's combinations show while it is selected; Undo and a click on
  // a clue over Check's outlines end the selection.
  void clueClicksSelectAndShowTheCombinations() {
    Open(kModeMouse);
    TfrmHexKakuro* w = Window();
    Press(w, Centre(1, 3));
    const auto& marks = Grid().cells[1][2].marks;  // 3 in 2: 1 and 2 only
    QVERIFY(marks[0] && marks[1] && !marks[2]);
    QCOMPARE(w->selectedRow(), 1);
    QVERIFY(w->pbNumbers->isVisible() && !w->pbNumbers2->isVisible());
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("3 in 2"));
    Press(w, MiniPoint(1, 2, 1));
    QCOMPARE(int(Grid().cells[1][2].entry), 1);
    QVERIFY(w->pbNumbers->isVisible());
    Click(w->bnUndo);
    QCOMPARE(w->selectedRow(), 0);
    QVERIFY(!w->pbNumbers->isVisible());
    Click(w->bnCheck);
    Press(w, Centre(1, 3), Qt::RightButton);
    QVERIFY(!w->model().checkDisplay && w->bnCheck->isEnabled());
    QCOMPARE(w->selectedRow(), 0);
  }

  void typingShowsTheCellsTwoClues() {
    Open(kModeType);
    TfrmHexKakuro* w = Window();
    Press(w, Centre(4, 3));
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
    Press(w, Centre(1, 2));
    QCOMPARE(w->model().CursorCol(), 2);
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("12 in 3"));  // (2, 1)
    QCOMPARE(w->pbNumbers2->title(), QStringLiteral("3 in 2"));  // (1, 3)
    // A clue click hides the box.
    Press(w, Centre(1, 3));
    QVERIFY(!w->edText->isVisible());
    QVERIFY(!w->pbNumbers->isVisible());
  }

  void creationThatGivesUpKeepsTheOldPuzzle() {
    Open(kModeMouse);
    TfrmHexKakuro* w = Window();
    auto* dialog = static_cast<TfrmHexNew*>(w->createDialog());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Create Hex Kakuro puzzle"));
    Press(w, MiniPoint(4, 3, 2));
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

// Drives the real main window and HexKakuro window: clue clicks and their
// combinations, and typing with the cell's two clues shown.
#include "app/hexkakuro/hexkakurowindow.h"
#include "app/shell/combinations.h"
#include "app/shell/createdialog.h"

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

 private slots:
  // The clue's combinations show while it is selected; Undo and a click on
  // a clue over Check's outlines end the selection. Typing shows the cell's
  // two clues.
  void cluesAndTheirCombinations() {
    // From below the HexKakuro preset, so showing it must ask for more.
    PlayWindowTest::Open(kKindHexKakuro, kModeMouse, 3000, 7, true);
    TfrmHexKakuro* w = Window();
    // A 9-row puzzle asks for the middle preset, so it is never squeezed
    // into the size a smaller kind left behind.
    QVERIFY(main_->preset(1).width() > 700);
    QCOMPARE(main_->size(), main_->preset(1));
    QVERIFY(!w->bnPencil->isVisible() && !w->bnReduce->isVisible());
    QCOMPARE(w->createDialog()->windowTitle(), QStringLiteral("Create Hex Kakuro puzzle"));
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

    Click(w->bnKeyboard);
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
};

QTEST_MAIN(HexKakuroWindowTest)
#include "hexkakuro_window_test.moc"

// Drives the real main window and Futoshiki window: sign-strip clicks, the
// two pencil-mark commands, a small board's mini-grid and a file of another
// size.
#include <QPlainTextEdit>

#include "app/futoshiki/futoshikiwindow.h"
#include "app/shell/createdialog.h"
#include "app/shell/quickhints.h"

#include "app/play_window_fixture.h"

using namespace zorvek;
using namespace zorvek::app;
using futoshiki::FutGridCell;

class FutoshikiWindowTest : public testing::PlayWindowTest {
  Q_OBJECT

 private:
  TfrmFutoshiki* Window() const { return static_cast<TfrmFutoshiki*>(main_->playWindow(kKindFutoshiki)); }
  FutGridCell& Cell(int r, int c) const { return main_->state().futoshikiPuzzle.cells[r][c]; }
  static std::string Marks(const FutGridCell& x) { return testing::MarkDigits(x.marks, 1); }
  const draw::futoshiki::FutoshikiBoard& Board() const { return Window()->futoshikiBoard(); }
  void Open(int n) { PlayWindowTest::Open(kKindFutoshiki, kModeMouse, 3000, n); }
  QPoint Digit(int r, int c, int d) const { return testing::MiniDigit(Board().CellRect(r, c), Board().miniSize(), d); }
  // The middle of a cell's right or bottom strip.
  QPoint Strip(int r, int c, bool down) const {
    const QRect cell = Board().PitchRect(r, c);
    const int w = Board().squareSize(), mid = (cell.width() + w) / 2;
    return cell.topLeft() + (down ? QPoint(w / 2, mid) : QPoint(mid, w / 2));
  }

 private slots:
  // A click on a sign's strip narrows the open cell beside it; a strip
  // without a sign is no cell. The engine test holds the narrowing rules.
  void signStripClicks() {
    Open(7);
    TfrmFutoshiki* w = Window();
    Cell(0, 2).signRight = 1;  // (0,2) > (0,3), and (0,3) will hold 3
    Press(w, Digit(0, 3, 3));
    Press(w, Strip(0, 2, false));
    QCOMPARE(Marks(Cell(0, 2)), std::string("4567"));
    QCOMPARE(int(Cell(0, 3).entry), 3);
    Cell(1, 1).signDown = 1;  // below the given 3 of (1,1) sits a smaller open cell
    Press(w, Strip(1, 1, true));
    QCOMPARE(Marks(Cell(2, 1)), std::string("12"));
    Press(w, Strip(4, 0, false));
    QCOMPARE(Marks(Cell(4, 0)), std::string());
    QCOMPARE(int(Cell(4, 0).entry), 0);
    Click(w->bnUndo);
    QCOMPARE(Marks(Cell(2, 1)), std::string());
    QCOMPARE(Marks(Cell(0, 2)), std::string("4567"));
  }

  // A saved 5 x 5 file brings its own size, header and window preset back;
  // the instructions follow it, and the create dialog once shown again.
  void aSmallBoardFromAFile() {
    Open(7);
    TfrmFutoshiki* w = Window();
    auto small = std::make_unique<AppState>(main_->state());
    testing::PutKnownPuzzle(*small, kKindFutoshiki, 5);
    small->futoshikiSettings.difficulty = kHard;
    nextFile_ = dir_.filePath(QStringLiteral("mine.puz"));
    QVERIFY(KindOf(kKindFutoshiki).save(*small, nextFile_.toStdString()));
    Click(w->bnFile);
    QVERIFY(messages_.isEmpty());
    QCOMPARE(w->PanelHeader->text(), QStringLiteral("Hard Futoshiki puzzle   Grid size = 5"));
    QCOMPARE(Board().n(), 5);
    QCOMPARE(main_->size(), main_->preset(0));
    main_->PanelClick(kKindSudoku);
    main_->PanelClick(kKindFutoshiki);
    QCOMPARE(w->createDialog()->Size(), 0);
    // The instructions name the digits of this grid.
    Click(w->bnInstruct);
    QVERIFY(main_->hints()->memo()->toPlainText().contains(QStringLiteral("The digits 1 to 5 are shown for each square.")));
    main_->hints()->hide();
    for (int d = 6; d <= 9; ++d) {
      Press(w, Digit(0, 1, d));
      Press(w, Digit(0, 1, d), Qt::RightButton);
    }
    QCOMPARE(int(Cell(0, 1).entry), 0);
    QCOMPARE(Marks(Cell(0, 1)), std::string());
    QVERIFY(!w->bnUndo->isEnabled());

    // A right click under an entry sets the mark; the entry hides it until cleared.
    Press(w, Digit(0, 1, 2));
    Press(w, Digit(0, 1, 4), Qt::RightButton);
    QCOMPARE(Marks(Cell(0, 1)), std::string("4"));
    const QRect square = Board().CellRect(0, 1);
    auto yellowShown = [&] {
      const QImage img = w->dgPuzzle()->grab().toImage();
      for (int y = square.top(); y <= square.bottom(); ++y)
        for (int x = square.left(); x <= square.right(); ++x)
          if (img.pixelColor(x, y) == draw::kMarkYellow) return true;
      return false;
    };
    QVERIFY(!yellowShown());
    // A left click over a blank place of the mini-grid still clears the entry.
    Press(w, Digit(0, 1, 8));
    QCOMPARE(int(Cell(0, 1).entry), 0);
    QVERIFY(yellowShown());

    // Givens 1, 3, 5, 2, 4 down the diagonal; an entry 4 at (2,0).
    Press(w, Digit(2, 0, 4));
    Click(w->bnPencil);
    QCOMPARE(Marks(Cell(3, 4)), std::string("12345"));
    QCOMPARE(Marks(Cell(2, 0)), std::string());
    Click(w->bnReduce);
    QCOMPARE(Marks(Cell(2, 1)), std::string("12"));   // row: 4, 5; column: 3
    QCOMPARE(Marks(Cell(4, 0)), std::string("235"));  // column: 1, 4; row: 4
    QCOMPARE(Marks(Cell(3, 1)), std::string("145"));  // row: 2; column: 3
    // Reduce is for Mouse mode only.
    Click(w->bnKeyboard);
    QVERIFY(!w->bnReduce->isEnabled() && !w->bnPencil->isEnabled());
  }
};

QTEST_MAIN(FutoshikiWindowTest)
#include "futoshiki_window_test.moc"

// Drives the real main window and Kakuro window with mouse and key events.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "app/kakuro/kakurowindow.h"
#include "app/shell/combinations.h"
#include "app/shell/filedialogs.h"
#include "app/shell/mainwindow.h"
#include "app/shell/quickhints.h"
#include "app/shell/showmsg.h"
#include "core/common/types.h"
#include "core/shell/kinds.h"

#include "support/kakuro_fixture.h"
#include "support/window_test.h"

using namespace zorvek;
using namespace zorvek::app;

namespace {

void WriteKnownState(const QString& path, int inputMode) {
  TfrmMain seed({path, false, 7});
  AppState& s = seed.state();
  testing::BuildSmallKakuro(s.kakuroSettings, s.kakuroPuzzle);
  s.general.kakuroInputMode = static_cast<std::uint8_t>(inputMode);
  QVERIFY(StateIsValid(s));
  QVERIFY(SaveState(s, path.toStdString()));
}

QString Marks(const kakuro::KakCell& x) {
  QString s;
  for (int d = 0; d <= 9; ++d)
    if (x.pencil[d]) s += QChar('0' + d);
  return s;
}

}  // namespace

class KakuroWindowTest : public WindowTest {
  Q_OBJECT

 private:
  std::unique_ptr<TfrmMain> main_;

  QString StatePath() const { return dir_.filePath(QStringLiteral("state.dat")); }
  TfrmKakuro* Window() const { return static_cast<TfrmKakuro*>(main_->playWindow(kKindKakuro)); }
  kakuro::KakGrid& Grid() const { return main_->state().kakuroPuzzle; }
  kakuro::KakCell& Cell(int r, int c) const { return Grid().cells[r][c]; }

  void Open(int inputMode) {
    WriteKnownState(StatePath(), inputMode);
    main_ = std::make_unique<TfrmMain>(MainOptions{StatePath(), false, 11});
    main_->show();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    main_->PanelClick(kKindKakuro);
    QVERIFY(Window()->isVisible());
  }
  QRect CellRect(int r, int c) const { return Window()->board().CellRect(r, c); }
  void Press(Qt::MouseButton button, const QPoint& at) { QTest::mouseClick(Window()->dgPuzzle(), button, {}, at); }
  QPoint Across(int r, int c) const { return CellRect(r, c).topLeft() + QPoint(CellRect(r, c).width() / 2, 3); }
  QPoint Down(int r, int c) const { return CellRect(r, c).bottomLeft() + QPoint(3, -3); }
  QPoint Mini(int r, int c, int digit) const {
    const int third = Window()->kakuroBoard().cellSize() / 3;
    return CellRect(r, c).topLeft() + QPoint((digit - 1) % 3 * third + third / 2, (digit - 1) / 3 * third + third / 2);
  }
  QColor Outline(int r, int c) const {
    const QImage image = Window()->dgPuzzle()->grab().toImage();
    return image.pixelColor(CellRect(r, c).left() + 3, CellRect(r, c).center().y());
  }

 private slots:
  void init() { AnswerDialogs(); }
  void cleanup() { main_.reset(); }

  void cluesNarrowPencilMarksAndCheck() {
    Open(kModeMouse);
    TfrmKakuro* w = Window();
    QCOMPARE(w->PanelHeader->text(), QStringLiteral("Medium Kakuro   # Rows : 8  # Columns : 8"));
    // F1 opens the instructions of the kind on show.
    TfrmQuickHints* hints = main_->hints();
    QTest::keyClick(main_.get(), Qt::Key_F1);
    QVERIFY(hints->isVisible());
    QCOMPARE(hints->windowTitle(), QStringLiteral("Kakuro - Instructions"));
    hints->hide();
    // The starting clue, 17 over 2, is shown selected; only the player's own
    // click writes its candidates into the empty run.
    QCOMPARE(w->selectionState(), 1);
    QVERIFY(w->pbNumbers->isVisible());
    QVERIFY(!w->pbNumbers2->isVisible());
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("17 in 2"));
    QCOMPARE(Outline(1, 0), QColor(0, 0, 255));
    QCOMPARE(Marks(Cell(1, 1)), QString());
    QVERIFY(!w->bnUndo->isEnabled());
    Press(Qt::LeftButton, Across(1, 0));
    QCOMPARE(Marks(Cell(1, 1)), QStringLiteral("89"));
    QCOMPARE(Marks(Cell(1, 2)), QStringLiteral("89"));

    // Leaving only 9 in the first cell: a second selection keeps it that way.
    Press(Qt::RightButton, Mini(1, 1, 8));
    QCOMPARE(w->selectionState(), 0);
    QVERIFY(!w->pbNumbers->isVisible());
    Press(Qt::LeftButton, Across(1, 0));
    QCOMPARE(Marks(Cell(1, 1)), QStringLiteral("9"));
    QCOMPARE(Marks(Cell(1, 2)), QStringLiteral("89"));

    // The down half of a clue cell with only an across run does nothing.
    Press(Qt::LeftButton, Across(2, 0));
    QCOMPARE(w->selectedClue().row, 2);
    const kakuro::KakGrid before = Grid();
    Press(Qt::LeftButton, Down(1, 0));
    QCOMPARE(w->selectedClue().row, 2);
    QCOMPARE(0, std::memcmp(&before, &Grid(), sizeof before));

    // With 3 entered in 10 over 3, the sets without a 3 turn grey.
    Press(Qt::LeftButton, Mini(2, 2, 3));
    QCOMPARE(int(Cell(2, 2).entry), 3);
    Press(Qt::LeftButton, Across(2, 0));
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("10 in 3"));
    QStringList active, grey;
    for (const ComboEntry& e : w->pbNumbers->entries()) (e.active ? active : grey) << e.text;
    QCOMPARE(active, QStringList({QStringLiteral("1,3,6"), QStringLiteral("2,3,5")}));
    QCOMPARE(grey, QStringList({QStringLiteral("1,2,7"), QStringLiteral("1,4,5")}));
    QCOMPARE(Marks(Cell(2, 1)), QStringLiteral("1256"));
    const QImage box = w->pbNumbers->grab().toImage();
    int greyPixels = 0;
    for (int y = 0; y < box.height(); ++y)
      for (int x = 0; x < box.width(); ++x) greyPixels += box.pixelColor(x, y) == QColor(128, 128, 128);
    QVERIFY(greyPixels > 10);

    // A right press on a filled cell changes nothing.
    Press(Qt::RightButton, Mini(2, 2, 7));
    QCOMPARE(int(Cell(2, 2).pencil[7]), 0);

    // Check: pencil marks holding the solution are green, without it red.
    QTest::mouseClick(w->bnCheck, Qt::LeftButton);
    QCOMPARE(w->selectionState(), 2);
    QVERIFY(!w->bnCheck->isEnabled());
    QVERIFY(!w->pbNumbers->isVisible());
    QCOMPARE(Outline(1, 2), QColor(0, 236, 0));
    QCOMPARE(Outline(1, 1), QColor(249, 61, 6));  // 9 alone, the solution is 8
    QCOMPARE(Outline(2, 2), QColor(0, 236, 0));
    // A clue press takes the outlines away and selects.
    Press(Qt::LeftButton, Across(1, 0));
    QVERIFY(w->bnCheck->isEnabled());
    QCOMPARE(Outline(1, 2), QColor(0, 0, 255));
  }

  void typeModeShowsBothRunsAndUndoReselects() {
    Open(kModeType);
    TfrmKakuro* w = Window();
    QTRY_VERIFY(!w->InitTimer.isActive());
    QVERIFY(w->edText->isVisible());
    QCOMPARE(w->model().CursorRow(), 1);
    QCOMPARE(w->model().CursorCol(), 1);
    QVERIFY(w->pbNumbers->isVisible() && w->pbNumbers2->isVisible());
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("Across : 17 in 2"));
    QCOMPARE(w->pbNumbers2->title(), QStringLiteral("Down : 9 in 2"));
    QTest::keyClicks(w->edText, QStringLiteral("809"));  // no zero in this puzzle
    QCOMPARE(w->edText->text(), QStringLiteral("89"));
    QTest::keyClick(w->edText, Qt::Key_Down);
    QCOMPARE(w->model().CursorRow(), 2);
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("Across : 10 in 3"));
    QTest::keyClicks(w->edText, QStringLiteral("1"));
    QTest::keyClick(w->edText, Qt::Key_Right);
    QCOMPARE(w->model().CursorCol(), 2);
    // The entered 1 rules out the down sets... of the cell's own runs only.
    QCOMPARE(w->pbNumbers2->title(), QStringLiteral("Down : 12 in 2"));
    for (const ComboEntry& e : w->pbNumbers->entries()) QCOMPARE(e.active, e.text.contains(QLatin1Char('1')));

    // To Mouse: the typed digits become marks and the starting clue narrows them.
    QTest::mouseClick(w->bnMouse, Qt::LeftButton);
    QCOMPARE(Marks(Cell(1, 1)), QStringLiteral("89"));
    QCOMPARE(w->selectionState(), 1);
    QVERIFY(!w->pbNumbers2->isVisible());
    Press(Qt::RightButton, Mini(1, 1, 9));
    QCOMPARE(Marks(Cell(1, 1)), QStringLiteral("8"));
    QCOMPARE(w->selectionState(), 0);
    // Undo brings the mark back and selects the starting clue again.
    QTest::mouseClick(w->bnUndo, Qt::LeftButton);
    QCOMPARE(Marks(Cell(1, 1)), QStringLiteral("89"));
    QCOMPARE(w->selectionState(), 1);
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("17 in 2"));
    QVERIFY(w->pbNumbers->isVisible());
  }

  // Files keep entries, hidden marks, marks no combination has and the clock.
  // Loading, a mode change, "Clear all" and undo select the starting clue
  // without touching a cell or recording a move of their own.
  void automaticSelectionsLeaveTheCellsAlone() {
    Open(kModeMouse);
    TfrmKakuro* w = Window();
    Press(Qt::RightButton, Mini(1, 1, 8));
    Press(Qt::LeftButton, Mini(1, 1, 9));  // 9 entered over a hidden mark 8
    Press(Qt::RightButton, Mini(1, 2, 5));  // a mark no combination has
    main_->state().kakuroSettings.elapsed = 321;
    nextFile_ = dir_.filePath(QStringLiteral("marks.puz"));
    QTest::mouseClick(w->bnSave, Qt::LeftButton);
    QCOMPARE(suggested_, QStringLiteral("KakuroMedium8x8_1"));
    QCOMPARE(int(main_->state().general.kakuroSaveCounter), 1);
    QTest::mouseClick(w->bnClear, Qt::LeftButton);
    QCOMPARE(int(main_->state().kakuroSettings.elapsed), 0);
    QTest::mouseClick(w->bnFile, Qt::LeftButton);  // the file comes back whole
    QVERIFY(messages_.isEmpty());
    QCOMPARE(w->selectionState(), 1);
    QCOMPARE(int(main_->state().kakuroSettings.elapsed), 321);
    QCOMPARE(int(Cell(1, 1).entry), 9);
    QCOMPARE(Marks(Cell(1, 1)), QStringLiteral("8"));
    QCOMPARE(Marks(Cell(1, 2)), QStringLiteral("5"));

    const kakuro::KakGrid before = Grid();
    QTest::mouseClick(w->bnKeyboard, Qt::LeftButton);
    QTest::mouseClick(w->bnMouse, Qt::LeftButton);
    for (int c = 1; c <= 2; ++c) QCOMPARE(Marks(Cell(1, c)), Marks(before.cells[1][c]));
    QTest::mouseClick(w->bnClear, Qt::LeftButton);
    QCOMPARE(Marks(Cell(1, 2)), QString());
    QTest::mouseClick(w->bnUndo, Qt::LeftButton);  // one undo takes "Clear all" back
    QCOMPARE(int(Cell(1, 1).entry), 9);
    QCOMPARE(Marks(Cell(1, 1)), QStringLiteral("8"));
    QCOMPARE(Marks(Cell(1, 2)), QStringLiteral("5"));
  }

  // Both clue kinds keep their combinations in the command column, between
  // "Undo last move" and "Print this puzzle", with the longest list (12 sets)
  // whole in both boxes.
  void CheckCombinationsFit(int kind, const QSize& size) {
    main_->PanelClick(kind);
    main_->resize(size);
    QApplication::processEvents();
    TPlayWindow* pw = main_->playWindow(kind);
    TNumbersPanel* panel = pw->PanelNumbers;
    const QString where = QStringLiteral("kind %1 at %2 x %3").arg(kind).arg(size.width()).arg(size.height());
    QVERIFY2(panel && panel->parentWidget() == pw->PanelLeft && panel->isVisible(), qPrintable(where));
    QVERIFY2(panel->y() > pw->bnUndo->geometry().bottom() && panel->geometry().bottom() < pw->bnPrint->y(),
             qPrintable(where));
    QVERIFY2(pw->PanelLeft->geometry().right() < pw->dgPuzzle()->x(), qPrintable(where));
    QVERIFY2(pw->bnCreate->geometry().bottom() < pw->height(), qPrintable(where));
    const std::vector<ComboEntry> twelve(TNumbersPanel::kLongestList, ComboEntry{QStringLiteral("1,2,8,9"), true});
    for (TCombinationsPanel* box : {pw->pbNumbers, pw->pbNumbers2}) {
      box->SetContent(QStringLiteral("Across : 20 in 4"), twelve);
      box->show();
      const QFontMetrics fm(box->font());
      QVERIFY2(panel->rect().contains(box->geometry()), qPrintable(where));
      QVERIFY2(box->Rows() * panel->Columns() >= TNumbersPanel::kLongestList, qPrintable(where));
      QVERIFY2(panel->Columns() * fm.horizontalAdvance(panel->lblTest1->text()) <= box->width(), qPrintable(where));
      QVERIFY2(fm.horizontalAdvance(box->title()) < box->width(), qPrintable(where));
    }
    QVERIFY2(!pw->pbNumbers->geometry().intersects(pw->pbNumbers2->geometry()), qPrintable(where));
  }

  void combinationsAndHeaderFitTheWindow() {
    Open(kModeType);
    QList<QSize> sizes;
    for (int screenHeight : {768, 1200}) {
      int h[3], w[3];
      TfrmMain::ComputePresets(screenHeight, h, w);
      for (int i = 0; i < 3; ++i) sizes << QSize(w[i], h[i]);
    }
    for (int kind : {int(kKindKakuro), int(kKindHexKakuro)})
      for (const QSize& size : sizes) CheckCombinationsFit(kind, size);

    // A desktop with large fonts, in the smallest window: the combinations
    // still fit, and the header keeps its whole text over the narrow board.
    main_.reset();
    const QFont normal = QApplication::font();
    QFont large = normal;
    large.setPointSize(normal.pointSize() + 5);
    QApplication::setFont(large);
    Open(kModeType);
    CheckCombinationsFit(kKindHexKakuro, QSize(700, 600));
    CheckCombinationsFit(kKindKakuro, QSize(700, 600));
    QApplication::setFont(normal);
    TfrmKakuro* w = Window();
    QVERIFY(w->PanelHeader->contentsRect().width() >=
            QFontMetrics(w->PanelHeader->font()).horizontalAdvance(w->PanelHeader->text()));
    QVERIFY(w->PanelTimer->x() > w->PanelLeft->geometry().right());
    QVERIFY(w->PanelHeader->geometry().right() < w->width());
  }
};

QTEST_MAIN(KakuroWindowTest)
#include "kakuro_window_test.moc"

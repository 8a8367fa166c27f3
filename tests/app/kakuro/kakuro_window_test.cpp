// Drives the real main window and Kakuro window: the selected clue and its
// combinations, Check on pencil marks, and the combinations' place in the
// command column for both sum kinds.
#include "app/kakuro/kakurowindow.h"
#include "app/shell/combinations.h"

#include "app/play_window_fixture.h"

using namespace zorvek;
using namespace zorvek::app;

class KakuroWindowTest : public testing::PlayWindowTest {
  Q_OBJECT

 private:
  TfrmKakuro* Window() const { return static_cast<TfrmKakuro*>(main_->playWindow(kKindKakuro)); }
  kakuro::KakGrid& Grid() const { return main_->state().kakuroPuzzle; }
  kakuro::KakCell& Cell(int r, int c) const { return Grid().cells[r][c]; }
  static std::string Marks(const kakuro::KakCell& x) { return testing::MarkDigits(x.pencil, 0); }
  void Open(int inputMode) { PlayWindowTest::Open(kKindKakuro, inputMode); }
  QRect CellRect(int r, int c) const { return Window()->board().CellRect(r, c); }
  QPoint Across(int r, int c) const { return CellRect(r, c).topLeft() + QPoint(CellRect(r, c).width() / 2, 3); }
  QPoint Down(int r, int c) const { return CellRect(r, c).bottomLeft() + QPoint(3, -3); }
  QPoint Mini(int r, int c, int digit) const {
    return testing::MiniDigit(CellRect(r, c), Window()->kakuroBoard().cellSize() / 3, digit);
  }
  QColor Outline(int r, int c) const {
    return Pixel(Window(), QPoint(CellRect(r, c).left() + 3, CellRect(r, c).center().y()));
  }

 private slots:
  void cluesNarrowPencilMarksAndCheck() {
    Open(kModeMouse);
    TfrmKakuro* w = Window();
    // The starting clue, 17 over 2, is shown selected; only the player's own
    // click writes its candidates into the empty run.
    QCOMPARE(w->selectionState(), 1);
    QVERIFY(w->pbNumbers->isVisible() && !w->pbNumbers2->isVisible());
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("17 in 2"));
    QCOMPARE(Outline(1, 0), QColor(0, 0, 255));
    QCOMPARE(Marks(Cell(1, 1)), std::string());
    QVERIFY(!w->bnUndo->isEnabled());
    Press(w, Across(1, 0));
    QCOMPARE(Marks(Cell(1, 1)), std::string("89"));
    QCOMPARE(Marks(Cell(1, 2)), std::string("89"));
    // A mark click ends the selection.
    Press(w, Mini(1, 1, 8), Qt::RightButton);
    QCOMPARE(w->selectionState(), 0);
    QVERIFY(!w->pbNumbers->isVisible());

    // The down half of a clue cell with only an across run does nothing.
    Press(w, Across(2, 0));
    QCOMPARE(w->selectedClue().row, 2);
    const kakuro::KakGrid before = Grid();
    Press(w, Down(1, 0));
    QCOMPARE(w->selectedClue().row, 2);
    QCOMPARE(0, std::memcmp(&before, &Grid(), sizeof before));

    // With 3 entered in 10 over 3, the sets without a 3 are drawn grey
    // (which sets those are, the type-mode test and the engine tests hold).
    Press(w, Mini(2, 2, 3));
    Press(w, Across(2, 0));
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("10 in 3"));
    const QImage box = w->pbNumbers->grab().toImage();
    int greyPixels = 0;
    for (int y = 0; y < box.height(); ++y)
      for (int x = 0; x < box.width(); ++x) greyPixels += box.pixelColor(x, y) == QColor(128, 128, 128);
    QVERIFY(greyPixels > 10);

    // Check: pencil marks holding the solution are green, without it red.
    Click(w->bnCheck);
    QCOMPARE(w->selectionState(), 2);
    QVERIFY(!w->bnCheck->isEnabled() && !w->pbNumbers->isVisible());
    QCOMPARE(Outline(1, 2), QColor(0, 236, 0));
    QCOMPARE(Outline(1, 1), QColor(249, 61, 6));  // 9 alone, the solution is 8
    QCOMPARE(Outline(2, 2), QColor(0, 236, 0));
    // A clue press takes the outlines away and selects.
    Press(w, Across(1, 0));
    QVERIFY(w->bnCheck->isEnabled());
    QCOMPARE(Outline(1, 2), QColor(0, 0, 255));
  }

  void typeModeShowsBothRunsAndUndoReselects() {
    Open(kModeType);
    TfrmKakuro* w = Window();
    QVERIFY(w->edText->isVisible());
    QCOMPARE(w->model().CursorRow(), 1);
    QCOMPARE(w->model().CursorCol(), 1);
    QVERIFY(w->pbNumbers->isVisible() && w->pbNumbers2->isVisible());
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("Across : 17 in 2"));
    QCOMPARE(w->pbNumbers2->title(), QStringLiteral("Down : 9 in 2"));
    QTest::keyClicks(w->edText, QStringLiteral("89"));
    QTest::keyClick(w->edText, Qt::Key_Down);
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("Across : 10 in 3"));
    QTest::keyClicks(w->edText, QStringLiteral("1"));
    QTest::keyClick(w->edText, Qt::Key_Right);
    QCOMPARE(w->model().CursorCol(), 2);
    // The entered 1 rules out the sets of the cell's own runs only.
    QCOMPARE(w->pbNumbers2->title(), QStringLiteral("Down : 12 in 2"));
    for (const ComboEntry& e : w->pbNumbers->entries()) QCOMPARE(e.active, e.text.contains(QLatin1Char('1')));

    // To Mouse: the typed digits become marks and the starting clue is selected.
    Click(w->bnMouse);
    QCOMPARE(Marks(Cell(1, 1)), std::string("89"));
    QCOMPARE(w->selectionState(), 1);
    QVERIFY(w->pbNumbers->isVisible() && !w->pbNumbers2->isVisible());
    QCOMPARE(w->pbNumbers->title(), QStringLiteral("17 in 2"));
  }

  // Loading, a mode change, "Clear all" and undo select the starting clue
  // without touching a cell (not even a hidden mark, or one no combination
  // has) or recording a move of their own.
  void automaticSelectionsLeaveTheCellsAlone() {
    Open(kModeMouse);
    TfrmKakuro* w = Window();
    Press(w, Mini(1, 1, 8), Qt::RightButton);
    Press(w, Mini(1, 1, 9));  // 9 entered over a hidden mark 8
    Press(w, Mini(1, 2, 5), Qt::RightButton);  // a mark no combination has
    nextFile_ = dir_.filePath(QStringLiteral("marks.puz"));
    Click(w->bnSave);
    Click(w->bnClear);
    Click(w->bnFile);
    QCOMPARE(w->selectionState(), 1);
    QCOMPARE(int(Cell(1, 1).entry), 9);
    QCOMPARE(Marks(Cell(1, 1)), std::string("8"));
    QCOMPARE(Marks(Cell(1, 2)), std::string("5"));
    const std::vector<int> loaded = testing::Position(w->model().adapter());
    Click(w->bnKeyboard);
    Click(w->bnMouse);
    QVERIFY(testing::Position(w->model().adapter()) == loaded);
    Click(w->bnClear);
    QCOMPARE(Marks(Cell(1, 2)), std::string());
    Press(w, Mini(2, 1, 1), Qt::RightButton);
    QCOMPARE(w->selectionState(), 0);
    Click(w->bnUndo);
    QCOMPARE(w->selectionState(), 1);
    Click(w->bnUndo);  // one undo takes "Clear all" back
    QVERIFY(testing::Position(w->model().adapter()) == loaded);
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
    // The smallest and largest presets of a large screen; the smallest window
    // of all is taken with large fonts below.
    int heights[3], widths[3];
    TfrmMain::ComputePresets(1200, heights, widths);
    for (int kind : {int(kKindKakuro), int(kKindHexKakuro)})
      for (int i : {0, 2}) CheckCombinationsFit(kind, QSize(widths[i], heights[i]));

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

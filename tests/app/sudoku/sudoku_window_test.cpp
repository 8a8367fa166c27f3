// Drives the real main window and Sudoku window with mouse and key events,
// and the main window's own duties: its state file, autosave, geometry and
// message boxes.
#include <QLabel>
#include <csignal>
#include <tuple>

#include "app/shell/showmsg.h"
#include "app/shell/shutdown.h"
#include "app/sudoku/sudokuwindow.h"

#include "app/play_window_fixture.h"

using namespace zorvek;
using namespace zorvek::app;
using zorvek::testing::SudokuSolutionAt;

class SudokuWindowTest : public testing::PlayWindowTest {
  Q_OBJECT

 private:
  TfrmSudoku* Window() const { return static_cast<TfrmSudoku*>(main_->playWindow(kKindSudoku)); }
  sudoku::SudPuzzle& Puzzle() const { return main_->state().sudokuPuzzle; }
  QRect CellRect(int r, int c) const { return Window()->board().CellRect(r, c); }
  QPoint Mini(int r, int c, int digit) const {
    return testing::MiniDigit(CellRect(r, c), Window()->sudokuBoard().cellSize() / 3, digit);
  }
  void Open(int inputMode, int autosaveMs = 3000) { PlayWindowTest::Open(kKindSudoku, inputMode, autosaveMs); }

  // The entry of a Sudoku cell in the state file as the next start reads it.
  int EntryOnDisk(int r, int c) const {
    auto state = std::make_unique<AppState>();
    Random random(5);
    const StateContext context{&random, {}};
    return LoadState(*state, StatePath().toStdString(), context) ? state->sudokuPuzzle.cells[r][c].entry : -1;
  }

 private slots:
  void mouseClicksUndoAndCheck() {
    Open(kModeMouse);
    TfrmSudoku* w = Window();
    QVERIFY(w->bnMouse->isChecked());
    Press(w, Mini(0, 1, 4));
    QCOMPARE(int(Puzzle().cells[0][1].entry), 4);
    Press(w, Mini(0, 2, 8), Qt::RightButton);
    QCOMPARE(int(Puzzle().cells[0][2].marks[7]), 1);
    QTest::keyClick(main_.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(int(Puzzle().cells[0][2].marks[7]), 0);
    QCOMPARE(int(Puzzle().cells[0][1].entry), 4);

    // A lone pencil mark survives Mouse -> Type -> Mouse, however often the
    // grid is painted in between.
    Press(w, Mini(3, 5, 6), Qt::RightButton);
    Click(w->bnKeyboard);
    w->dgPuzzle()->grab();
    Click(w->bnMouse);
    w->dgPuzzle()->grab();
    QCOMPARE(int(Puzzle().cells[3][5].entry), 0);
    QCOMPARE(int(Puzzle().cells[3][5].marks[5]), 1);

    // The board test holds the outline colours; here the window shows them
    // after Check (the 4 at (0,1) is wrong), and the next click or a change
    // of mode takes them away.
    const QPoint edge(CellRect(0, 1).left() + 2, CellRect(0, 1).center().y());
    Click(w->bnCheck);
    QVERIFY(!w->bnCheck->isEnabled());
    QCOMPARE(Pixel(w, edge), QColor(249, 61, 6));
    Press(w, Mini(3, 4, 1), Qt::RightButton);
    QVERIFY(Pixel(w, edge) != QColor(249, 61, 6));
    Click(w->bnCheck);
    Click(w->bnErase);
    QCOMPARE(Pixel(w, edge), QColor(Qt::white));
    // The eraser cursor is drawn for the screen's pixel density.
    const QCursor sharp = EraserCursor(2);
    QCOMPARE(sharp.pixmap().devicePixelRatio(), 2.0);
    QCOMPARE(sharp.pixmap().size(), EraserCursor(1).pixmap().size() * 2);
  }

  void typingAndArrows() {
    Open(kModeType);
    TfrmSudoku* w = Window();
    QVERIFY(w->bnKeyboard->isChecked() && w->edText->isVisible());
    QCOMPARE(w->model().CursorCol(), 1);  // (0,0) is a given
    QTest::keyClicks(w->edText, QStringLiteral("1x2"));
    QCOMPARE(w->edText->text(), QStringLiteral("12"));
    QCOMPARE(int(Puzzle().cells[0][1].entry), 0);
    QTest::keyClick(w->edText, Qt::Key_Backspace);
    QCOMPARE(int(Puzzle().cells[0][1].entry), 1);
    QTest::keyClick(w->edText, Qt::Key_Right);  // caret at the end: moves on
    QTest::keyClick(w->edText, Qt::Key_Down);
    QCOMPARE(w->model().CursorRow(), 1);
    QCOMPARE(w->model().CursorCol(), 2);
    QCOMPARE(w->edText->geometry().center(), CellRect(1, 2).center());
    // Clicking a given hides the box; clicking an open cell brings it back.
    Press(w, CellRect(4, 4).center());
    QVERIFY(!w->edText->isVisible());
    Press(w, CellRect(5, 0).center());
    QVERIFY(w->edText->isVisible());
    QCOMPARE(w->model().CursorRow(), 5);
    // Ctrl+Z in the typing box undoes the game's last move, not the box's edit.
    QTest::keyClicks(w->edText, QStringLiteral("7"));
    QTest::keyClick(w->edText, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(int(Puzzle().cells[5][0].entry), 0);
    QCOMPARE(int(Puzzle().cells[0][1].entry), 1);
    QVERIFY(w->edText->isVisible());
    QCOMPARE(w->edText->text(), QString());
    // A command button takes the keyboard: the typed digit is a move of its own.
    QTest::keyClicks(w->edText, QStringLiteral("5"));
    Click(w->bnClear);
    QCOMPARE(int(Puzzle().cells[5][0].entry), 0);
    Click(w->bnUndo);
    QCOMPARE(int(Puzzle().cells[5][0].entry), 5);
  }

  // A lone note carried into Type mode is no answer: it looks like a note,
  // and only the player's typing makes it the entry.
  void aNoteIsNoEntryUntilTyped() {
    Open(kModeMouse);
    TfrmSudoku* w = Window();
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c)
        if (r != c && !(r == 8 && c == 7)) Puzzle().cells[r][c].entry = SudokuSolutionAt(r, c);
    w->model().RecordMove();
    const int digit = SudokuSolutionAt(8, 7);
    Press(w, Mini(8, 7, digit), Qt::RightButton);
    Click(w->bnKeyboard);
    QCOMPARE(w->model().CursorRow(), 8);  // the note's cell is still the empty one
    QCOMPARE(int(Puzzle().cells[8][7].entry), 0);
    QVERIFY(w->PuzzTimer.isActive() && w->bnCheck->isEnabled());
    QCOMPARE(w->edText->palette().color(QPalette::Text), QColor(128, 128, 128));
    QVERIFY(w->edText->font().pointSize() < w->sudokuBoard().TypingFontSize(1));
    // Typed over, the note becomes the entry and the puzzle is finished.
    QTest::keyClick(w->edText, Qt::Key_End);
    QTest::keyClick(w->edText, Qt::Key_Backspace);
    QTest::keyClicks(w->edText, QString::number(digit));
    QCOMPARE(int(Puzzle().cells[8][7].entry), digit);
    QVERIFY(!w->PuzzTimer.isActive() && w->model().allCorrect);
    QCOMPARE(int(main_->state().sudokuSettings.timerState), int(kTimerStopped));
  }

  void pausingAndErasingDriveTheClock() {
    Open(kModeMouse);
    TfrmSudoku* w = Window();
    // Pause hides the grid; erasing stops the clock and drags across cells.
    Click(w->bnPause);
    QVERIFY(w->PanelPause->isVisible() && !w->dgPuzzle()->isVisible() && !w->PuzzTimer.isActive());
    Click(w->bnResume);
    QVERIFY(w->dgPuzzle()->isVisible() && w->PuzzTimer.isActive());

    Puzzle().cells[0][1].entry = 3;
    Puzzle().cells[0][2].marks[0] = 1;
    w->model().RecordMove();
    Click(w->bnErase);
    QVERIFY(!w->bnUndo->isVisible() && !w->PuzzTimer.isActive());
    // Panel clicks are ignored while erasing.
    main_->PanelClick(1);
    QCOMPARE(main_->currentKind(), int(kKindSudoku));
    QWidget* grid = w->dgPuzzle();
    const QPoint to = CellRect(0, 2).center();
    QTest::mousePress(grid, Qt::LeftButton, {}, CellRect(0, 0).center());
    QMouseEvent move(QEvent::MouseMove, to, grid->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(grid, &move);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, to);
    QCOMPARE(int(Puzzle().cells[0][0].entry), SudokuSolutionAt(0, 0));  // a given stays
    QCOMPARE(int(Puzzle().cells[0][2].marks[0]), 0);
    QCOMPARE(int(Puzzle().cells[0][1].entry), 3);  // not passed over
    Click(w->bnMouse);
    QVERIFY(w->bnUndo->isVisible() && w->PuzzTimer.isActive());
    Click(w->bnUndo);
    QCOMPARE(int(Puzzle().cells[0][2].marks[0]), 1);
  }

  // Moves are written soon after they are made, and the rest on closing.
  void stateIsSavedOnCloseAndRestored() {
    Open(kModeMouse, 100);
    TfrmSudoku* w = Window();
    Press(w, Mini(7, 5, 2));
    QTRY_COMPARE_WITH_TIMEOUT(EntryOnDisk(7, 5), 2, 2000);
    Click(w->bnKeyboard);
    Click(w->bnPause);  // closed while paused
    main_->resize(760, 640);
    main_->close();
    main_.reset();
    main_ = Show(QStringLiteral("state.dat"), 3);
    QVERIFY(main_ && main_->stateWasLoaded());
    // A new run starts with the grid shown and the clock going.
    w = Window();
    QVERIFY(!w->PanelPause->isVisible() && w->dgPuzzle()->isVisible() && w->PuzzTimer.isActive());
    QCOMPARE(int(Puzzle().cells[7][5].entry), 2);
    GeneralSettings& g = main_->state().general;
    QCOMPARE(int(g.sudokuInputMode), int(kModeType));
    QCOMPARE(int(g.mainWidth), 760);
    QCOMPARE(int(g.mainHeight), 640);

    // Geometry from a damaged file, or saved on a larger screen, is fitted to this one.
    const QRect screen = main_->screen()->availableGeometry();
    const QRect saved[] = {{-900000, 0, 2000000000, -5}, {300, 200, 1312, 1044}};
    for (const QRect& r : saved) {
      std::tie(g.mainLeft, g.mainTop, g.mainWidth, g.mainHeight) = std::tuple(r.x(), r.y(), r.width(), r.height());
      QVERIFY(SaveState(main_->state(), StatePath().toStdString()));
      TfrmMain third({StatePath(), false, 3});
      QVERIFY(screen.contains(third.geometry()));
      QCOMPARE(third.size(), QSize(screen.width(), r.height() < 0 ? 600 : screen.height()));
    }
  }

  void aTerminationSignalClosesTheWindowAndWritesTheState() {
    Open(kModeMouse, 600000);  // no autosave meanwhile
    CloseOnTerminationSignals(main_.get());
    Press(Window(), Mini(4, 6, 8));
    QCOMPARE(EntryOnDisk(4, 6), 0);
    std::raise(SIGTERM);
    QTRY_VERIFY(!main_->isVisible());
    QCOMPARE(EntryOnDisk(4, 6), 8);
  }

  void statePlaceWhenTheProgramFolderIsNotWritable() {
    const QString userDir = dir_.filePath(QStringLiteral("user"));
    const QString programDir = dir_.filePath(QStringLiteral("absent"));  // cannot be written
    const QString own = QDir(userDir).filePath(QStringLiteral("ZorvekNumberPuzzles.dat"));
    auto paths = TfrmMain::ChooseStatePaths(programDir, userDir);
    QCOMPARE(paths.save, own);
    QCOMPARE(paths.load, QDir(programDir).filePath(QStringLiteral("ZorvekNumberPuzzles.dat")));
    QVERIFY(QDir().mkpath(userDir) && QFile(own).open(QIODevice::WriteOnly));
    QCOMPARE(TfrmMain::ChooseStatePaths(programDir, userDir).load, own);
    // A writable program folder keeps the state beside the program, with no probe file left there.
    paths = TfrmMain::ChooseStatePaths(dir_.path(), userDir);
    QCOMPARE(paths.load, QDir(dir_.path()).filePath(QStringLiteral("ZorvekNumberPuzzles.dat")));
    QCOMPARE(paths.save, paths.load);
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("probe")).size(), 0);
  }

  void presetsAndMessageWidths() {
    int h[3], wd[3];
    TfrmMain::ComputePresets(768, h, wd);
    QCOMPARE(QList<int>({h[0], h[1], h[2]}), QList<int>({600, 655, 728}));
    QCOMPARE(QList<int>({wd[0], wd[1], wd[2]}), QList<int>({700, 846, 911}));

    TfrmShowMsg box;
    box.Prepare(QStringLiteral("Short."), 0);
    QVERIFY(box.panelWidth() == 400 && box.cancelButton()->isHidden());
    box.Prepare(QStringLiteral("Error.\n\r\n\rUnrecognized file format."), 1);
    QCOMPARE(box.panelWidth(), 400);
    QCOMPARE(box.label()->text(), QStringLiteral("Error.\n\nUnrecognized file format."));
    // The width rule measures the whole text as one line, not its longest line.
    const QFontMetrics fm(box.label()->font());
    QString line = QStringLiteral("word");
    while (fm.horizontalAdvance(line) < 290) line += QStringLiteral(" word");
    box.Prepare(line + QStringLiteral("\n\r") + line, 0);
    QVERIFY(box.panelWidth() == 650 && box.label()->wordWrap());
    QCOMPARE(box.label()->text().count(QLatin1Char('\n')), 1);
    box.Prepare(QString(120, QLatin1Char('w')) + QStringLiteral(" and more words to wrap"), 1);
    QVERIFY(box.panelWidth() == 650 && box.label()->wordWrap() && !box.cancelButton()->isHidden());
  }
};

QTEST_MAIN(SudokuWindowTest)
#include "sudoku_window_test.moc"

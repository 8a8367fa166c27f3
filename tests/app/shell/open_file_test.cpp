// Puzzle files in every play window: Save, Load and a file named on the
// command line.
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

#include "core/shell/state.h"

#include "app/play_window_fixture.h"

using namespace zorvek;
using namespace zorvek::app;
using zorvek::testing::Position;

class OpenFileTest : public testing::PlayWindowTest {
  Q_OBJECT

  // A file of these bytes in the test folder.
  QString Junk(const QString& name, const QByteArray& bytes) const {
    QFile file(dir_.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName() : QString();
  }

 private slots:
  // Save proposes the kind's name and counts only a written file; a file of
  // no kind is refused with the kind's message and changes nothing; Load
  // brings the saved position back whole, as a new start for Undo, in the
  // window preset of its size, kept where it is if its bottom edge just meets
  // the line 30 pixels above the screen's bottom.
  void saveAndLoadInEveryWindow_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("suggested");
    QTest::addColumn<int>("preset");
    QTest::newRow("Sudoku") << int(kKindSudoku) << "SudokuHard_1" << 1;
    QTest::newRow("Kakuro") << int(kKindKakuro) << "KakuroMedium8x8_1" << 0;
    QTest::newRow("Futoshiki") << int(kKindFutoshiki) << "FutoshikiMedium7_4" << 1;
    QTest::newRow("HexKakuro") << int(kKindHexKakuro) << "HexKakuroEasy9x9_6" << 1;
  }

  void saveAndLoadInEveryWindow() {
    QFETCH(int, kind);
    QFETCH(QString, suggested);
    QFETCH(int, preset);
    Open(kind, kModeMouse);
    TPlayWindow* w = main_->playWindow(kind);
    PlayAdapter& a = w->model().adapter();
    const std::int32_t& counter = main_->state().general.*KindOf(kind).saveCounter;
    const std::int32_t counted = counter;
    // A position to keep: the first open cell entered, the last one marked.
    std::vector<std::pair<int, int>> open;
    for (int r = 0; r < a.Rows(); ++r)
      for (int c = 0; c < a.Cols(); ++c)
        if (a.IsCell(r, c) && !a.IsGiven(r, c)) open.emplace_back(r, c);
    a.SetEntry(open.front().first, open.front().second, a.Solution(open.front().first, open.front().second));
    a.SetMark(open.back().first, open.back().second, a.MarkHigh(), true);
    w->model().RecordMove();
    const std::vector<int> saved = Position(a);
    nextFile_ = dir_.filePath(QStringLiteral("mine.puz"));
    Click(w->bnSave);
    QCOMPARE(suggested_, suggested);
    QCOMPARE(counter, counted + 1);
    QVERIFY(messages_.isEmpty());

    nextFile_ = dir_.filePath(QStringLiteral("no/such/folder/x.puz"));
    Click(w->bnSave);
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_[0].contains(nextFile_), qPrintable(messages_[0]));
    QCOMPARE(counter, counted + 1);

    messages_.clear();
    nextFile_ = Junk(QStringLiteral("short.puz"), QByteArray("\x04QVZ", 4));
    Click(w->bnFile);
    QCOMPARE(messages_, QStringList{QStringLiteral("Error reading %1 puzzle file.\n\r\n\rUnrecognized file format.")
                                        .arg(QString::fromLatin1(KindOf(kind).name))});
    QVERIFY(Position(a) == saved);
    QVERIFY(w->dgPuzzle()->isVisible());

    messages_.clear();
    Click(w->bnClear);
    QVERIFY(Position(a) != saved);
    main_->resize(600, 500);
    const QRect avail = main_->screen()->availableGeometry();
    const int top = avail.top() + avail.height() - 30 - main_->preset(preset).height();
    main_->move(avail.left(), top);
    nextFile_ = dir_.filePath(QStringLiteral("mine.puz"));
    Click(w->bnFile);
    QVERIFY(messages_.isEmpty());
    QVERIFY(Position(a) == saved);
    QVERIFY(!w->bnUndo->isEnabled());
    QCOMPARE(main_->size(), main_->preset(preset));
    QCOMPARE(main_->y(), top);

    // Named on the command line, the file opens in its kind's window over
    // another state's puzzle.
    const auto other = Show(QStringLiteral("other.dat"), 3, nextFile_);
    QVERIFY(other && other->currentKind() == kind && other->playWindow(kind)->isVisible());
    QVERIFY(Position(other->playWindow(kind)->model().adapter()) == saved);
    QVERIFY(messages_.isEmpty());
  }

  void aFileOfNoKindGetsTheLoadMessage() {
    AnswerDialogs();
    const QString file = Junk(QStringLiteral("junk.puz"), "not a puzzle at all");
    TfrmMain main({dir_.filePath(QStringLiteral("junk.dat")), false, 3, file});
    const auto before = std::make_unique<AppState>(main.state());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QCOMPARE(messages_, QStringList{QStringLiteral("Error reading Sudoku puzzle file.\n\r\n\rUnrecognized file format.")});
    QCOMPARE(std::memcmp(&before->sudokuPuzzle, &main.state().sudokuPuzzle, sizeof before->sudokuPuzzle), 0);
  }
};

QTEST_MAIN(OpenFileTest)
#include "open_file_test.moc"

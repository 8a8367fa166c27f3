// The create dialog, the instructions window and the help window.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <chrono>
#include <thread>

#include "app/printing/allprint.h"
#include "app/shell/appstyle.h"
#include "app/shell/createdialog.h"
#include "app/shell/helpwindow.h"
#include "app/shell/hinttexts.h"
#include "app/shell/quickhints.h"
#include "app/shell/showmsg.h"

#include "app/play_window_fixture.h"

using namespace zorvek;
using namespace zorvek::app;

namespace {

// A creation that counts up to half the bar and runs until cancelled or
// released; with `ignoreCancel` it finishes its puzzle whatever is asked,
// and with `giveUp` it finds none.
class SlowCreate : public TKindCreateDialog {
 public:
  explicit SlowCreate(TfrmMain& main) : TKindCreateDialog(main, kKindSudoku, true, &main) {
    SetJobMaker([this](const AppState&, int, int) -> std::unique_ptr<CreateJob> {
      finished = false;
      return std::make_unique<Job>(*this);
    });
  }
  void FollowPuzzle() override {}
  std::atomic<bool> release{false}, ignoreCancel{false}, giveUp{false};
  std::atomic<int> loops{0};
  bool finished = false;
  Outcome last;
  int elapsedMade = 777;  // what a success writes into the state

 protected:
  void Finished(const Outcome& outcome) override {
    last = outcome;
    finished = true;
    TKindCreateDialog::Finished(outcome);
  }

 private:
  struct Job : CreateJob {
    explicit Job(SlowCreate& d) : d(d) {}
    CreateOutcome Run(Random&, CreateProgress& progress) override {
      progress.attemptScale = 1000;
      while (!d.release && (d.ignoreCancel || !progress.CancelRequested())) {
        ++d.loops;
        if (progress.attempts < 500) ++progress.attempts;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
      }
      const bool cancelled = !d.ignoreCancel && progress.CancelRequested();
      return {!cancelled && !d.giveUp, cancelled, true};
    }
    void Commit(AppState& state, bool success) const override {
      if (success) state.sudokuSettings.elapsed = d.elapsedMade;
    }
    SlowCreate& d;
  };
};

// Every caption shown is whole: each control as wide as its text needs,
// inside its parent and the dialog, over no sibling.
void ExpectWhole(QWidget* top, const QString& where) {
  QList<QWidget*> shown;
  for (QWidget* w : top->findChildren<QWidget*>())
    if (w->isVisibleTo(top) && (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w))) shown << w;
  QVERIFY2(!shown.isEmpty(), qPrintable(where));
  for (QWidget* w : shown) {
    const QString name = where + QLatin1Char(' ') + w->objectName();
    QVERIFY2(w->width() >= w->sizeHint().width() && w->height() >= w->fontMetrics().height(), qPrintable(name));
    QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(name));
    QVERIFY2(QRect(QPoint(), top->size()).contains(QRect(w->mapTo(top, QPoint()), w->size())), qPrintable(name));
    for (QWidget* other : shown)
      QVERIFY2(other == w || other->parentWidget() != w->parentWidget() || !other->geometry().intersects(w->geometry()),
               qPrintable(name + QLatin1Char('/') + other->objectName()));
  }
}

}  // namespace

class DialogsTest : public testing::PlayWindowTest {
  Q_OBJECT

 private slots:
  void init() { AnswerDialogs(); }

  // Every kind's dialog makes a puzzle of the chosen level and size and
  // installs it on a fresh clock, in the window preset of its size. The board
  // hides while the dialog is up; both phases show every caption whole. The
  // sum kinds' creation cannot be stopped and its bar stands at half; the
  // others' quick success keeps the full bar up for half a second. Cancel
  // before creating changes nothing.
  void createInstallsTheChosenPuzzle_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("difficulty");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("header");
    QTest::addColumn<int>("preset");
    QTest::newRow("Sudoku") << int(kKindSudoku) << int(kEasy) << -1 << "Easy Sudoku puzzle" << -1;
    QTest::newRow("Kakuro") << int(kKindKakuro) << int(kHard) << 2 << "Hard Kakuro   # Rows : 10  # Columns : 12" << 1;
    QTest::newRow("Futoshiki") << int(kKindFutoshiki) << int(kEasy) << 0 << "Easy Futoshiki puzzle   Grid size = 5" << 0;
    QTest::newRow("HexKakuro") << int(kKindHexKakuro) << int(kMedium) << 0 << "Medium HexKakuro   # Rows : 9  # Columns : 9"
                               << 1;
  }

  void createInstallsTheChosenPuzzle() {
    QFETCH(int, kind);
    QFETCH(int, difficulty);
    QFETCH(int, size);
    QFETCH(QString, header);
    QFETCH(int, preset);
    const bool sums = kind == kKindKakuro || kind == kKindHexKakuro;
    const auto main = Show(QStringLiteral("create%1.dat").arg(kind), 5);
    QVERIFY(main);
    main->PanelClick(kind);
    TPlayWindow* w = main->playWindow(kind);
    TKindCreateDialog* dialog = w->createDialog();
    const QString before = w->PanelHeader->text();
    QTimer::singleShot(0, dialog, [&] { QTest::mouseClick(dialog->bnInitCancel, Qt::LeftButton); });
    QTest::mouseClick(w->bnCreate, Qt::LeftButton);
    QVERIFY(!dialog->Created());
    QCOMPARE(w->PanelHeader->text(), before);

    w->model().adapter().Elapsed() = 77;
    bool phases = false, fullBarBeforeClosing = false;
    int barDuringRun = -1;
    QTimer::singleShot(0, dialog, [&] {
      phases = dialog->bnCreate->isVisible() && !dialog->PanelCreate->isVisible() && !w->dgPuzzle()->isVisible();
      ExpectWhole(dialog, header);
      (difficulty == kEasy ? dialog->rbDiff0 : difficulty == kMedium ? dialog->rbDiff1 : dialog->rbDiff2)->setChecked(true);
      if (size >= 0) dialog->rbSize[size]->setChecked(true);
      QTest::mouseClick(dialog->bnCreate, Qt::LeftButton);
      phases = phases && dialog->PanelCreate->isVisible() && dialog->cancelButton()->isVisible() != sums;
      ExpectWhole(dialog, header + QStringLiteral(" creating"));
      QTRY_VERIFY(dialog->progressBar()->value() == 50 || !dialog->Creating());
      barDuringRun = dialog->progressBar()->value();
      QTRY_VERIFY_WITH_TIMEOUT(!dialog->Creating(), 60000);
      fullBarBeforeClosing = dialog->isVisible() && dialog->closeTimerActive() &&
                             dialog->progressBar()->value() == dialog->progressBar()->maximum();
    });
    QTest::mouseClick(w->bnCreate, Qt::LeftButton);  // returns when the dialog has closed
    QVERIFY(phases);
    QVERIFY(!sums || barDuringRun == 50);
    QVERIFY(sums || fullBarBeforeClosing);
    QVERIFY(dialog->Created());
    QVERIFY(messages_.isEmpty());
    QCOMPARE(w->PanelHeader->text(), header);
    QVERIFY(preset < 0 || main->size() == main->preset(preset));
    QVERIFY(w->dgPuzzle()->isVisible() && w->PuzzTimer.isActive() && !w->bnUndo->isEnabled());
    QCOMPARE(int(w->model().adapter().Elapsed()), 0);
    QCOMPARE(dialog->Difficulty(), difficulty);
  }

  void cancelAsksBeforeStopping() {
    TfrmMain main({dir_.filePath(QStringLiteral("cancel.dat")), false, 6});
    const std::int32_t elapsedBefore = main.state().sudokuSettings.elapsed;
    SlowCreate dialog(main);
    dialog.FormShow();
    dialog.show();
    dialog.bnCreateClick();
    QTRY_COMPARE(dialog.progressBar()->value(), 50);  // 500 of 1000 attempts
    int answer = 2;
    bool workerWaited = false;
    SetMessageHook([&](const QString& text, int style) {
      messages_ << text;
      // The engine holds still while the player decides.
      const int before = dialog.loops;
      QTest::qWait(60);
      workerWaited = dialog.loops - before <= 1;
      return style == 1 ? answer : 1;
    });
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(messages_[0], QString::fromLatin1(kStopCreationQuestion));
    QVERIFY(workerWaited);
    const int resumedFrom = dialog.loops;
    QTRY_VERIFY(dialog.loops > resumedFrom + 5);  // "Cancel" in the question goes on
    QVERIFY(dialog.Creating());
    answer = 1;
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    QTRY_VERIFY(dialog.finished);
    QVERIFY(dialog.last.cancelled && !dialog.Created());
    QVERIFY(!dialog.isVisible());  // closed at once, without a message
    QCOMPARE(messages_.size(), 2);

    // A puzzle finished while the question was open is dropped after O.K.:
    // the player's puzzle stays.
    dialog.ignoreCancel = true;
    dialog.FormShow();
    dialog.show();
    dialog.bnCreateClick();
    SetMessageHook([&](const QString&, int) {
      dialog.release = true;
      QTest::qWait(60);
      return 1;
    });
    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    QTRY_VERIFY(dialog.finished);
    QVERIFY(!dialog.last.success && !dialog.Created());
    QCOMPARE(main.state().sudokuSettings.elapsed, elapsedBefore);

    // A creation that gives up says so, and the player's puzzle stays too.
    AnswerDialogs();
    dialog.giveUp = true;
    dialog.FormShow();
    dialog.show();
    dialog.bnCreateClick();
    QTRY_VERIFY(dialog.finished);
    QCOMPARE(messages_, QStringList{QStringLiteral("Error creating Sudoku puzzle.  Please try again.")});
    QVERIFY(!dialog.Created() && !dialog.isVisible());
    QCOMPARE(main.state().sudokuSettings.elapsed, elapsedBefore);
  }

  void instructionsWindow() {
    // The platform adds a display name to every caption that does not end with it.
    SetApplicationIdentity();
    QCOMPARE(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
    const auto main = Show(QStringLiteral("hints.dat"), 9);
    QVERIFY(main);
    QCOMPARE(main->windowTitle(), QStringLiteral("Zorvek Number Puzzles"));
    QCOMPARE(main->printDialog()->windowTitle(), QStringLiteral("Print puzzle"));
    TfrmQuickHints* hints = main->hints();
    // F1 opens the instructions of the kind on show; Sudoku's are read below.
    const QStringList titles = {"Sudoku - Instructions", "Kakuro - Instructions", "Futoshiki - Instructions",
                                "HexKakuro - Instructions"};
    for (int kind = kPlayKinds - 1; kind >= 0; --kind) {
      main->PanelClick(kind);
      QApplication::setActiveWindow(main.get());
      QTest::keyClick(main.get(), Qt::Key_F1);
      QVERIFY(hints->isVisible());
      QCOMPARE(hints->windowTitle(), titles[kind]);
    }
    const QString text = hints->memo()->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("Sudoku puzzles are number puzzles, solved in a 9 by 9 grid. Each row")));
    // Button lines keep their indent and follow each other without a blank line.
    QVERIFY(text.contains(QStringLiteral("\n   Clear all - to clear the entire puzzle. The timer is reset to allow you to "
                                         "restart the puzzle. \n   Fill all")));
    QVERIFY(!hints->smallerButton()->isEnabled());
    for (int i = 0; i < 3; ++i) QTest::mouseClick(hints->largerButton(), Qt::LeftButton);
    QCOMPARE(hints->fontSize(), 14);
    QVERIFY(!hints->largerButton()->isEnabled() && hints->smallerButton()->isEnabled());
    QTest::mouseClick(hints->closeButton(), Qt::LeftButton);
    QVERIFY(!hints->isVisible() && !hints->Showing());

    // Placement: room below, room after moving up, or overlapping the bottom.
    auto below = TfrmQuickHints::Place(QRect(10, 100, 800, 600), 1024, 30);
    QCOMPARE(below.hints, QRect(10, 700, 800, 324));
    auto moved = TfrmQuickHints::Place(QRect(10, 300, 800, 600), 1000, 30);
    QCOMPARE(moved.mainTop, 1000 - 190 - 600);
    QCOMPARE(moved.hints, QRect(10, 810, 800, 200));
    auto overlap = TfrmQuickHints::Place(QRect(0, 0, 800, 900), 1000, 30);
    QCOMPARE(overlap.hints, QRect(0, 900 - 435, 800, 435));

    // Futoshiki's lines shared with Sudoku name the digits of the grid being
    // played (the window test reads them), and only its own rules line lists
    // every size. Paragraphs join lines.
    auto state = std::make_unique<AppState>();
    state->futoshikiSettings.size = 7;
    QCOMPARE(HintTextFor(kKindFutoshiki, *state).lines.filter(QStringLiteral("1 to 9")).size(), 1);
    QCOMPARE(BuildParagraphs({"a", "b", "", "c", ">", "  d", ">", "", "e", ""}),
             QStringList({"a b ", "c ", "  d ", "", "e "}));
  }

  void helpShowsEveryPage() {
    THelpWindow help;
    QVERIFY(help.contents()->count() >= 10);
    int pictures = 0;
    for (int i = 0; i < help.contents()->count(); ++i) {
      help.contents()->setCurrentRow(i);
      const QString title = help.contents()->item(i)->text();
      QVERIFY2(help.page()->toPlainText().size() > 100, qPrintable(title));
      // A picture renamed or left out of the resources shows as a broken icon.
      for (QTextBlock b = help.page()->document()->begin(); b.isValid(); b = b.next())
        for (auto f = b.begin(); !f.atEnd(); ++f) {
          const QTextImageFormat image = f.fragment().charFormat().toImageFormat();
          if (!image.isValid()) continue;
          ++pictures;
          const QVariant loaded = help.page()->loadResource(QTextDocument::ImageResource, QUrl(image.name()));
          QVERIFY2(!loaded.value<QImage>().isNull() || !loaded.toByteArray().isEmpty(),
                   qPrintable(title + QStringLiteral(": ") + image.name()));
        }
    }
    QVERIFY(pictures > 0);
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"

// "Print this puzzle" from the play windows and the "Print" page's batches,
// printed to PDF through the real dialogs.
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>

#include "app/printing/allprint.h"
#include "app/printing/createprint.h"
#include "app/printing/printers.h"

#include "app/play_window_fixture.h"

using namespace zorvek;
using namespace zorvek::app;

namespace {

int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  return int(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

}  // namespace

class PrintingTest : public testing::PlayWindowTest {
  Q_OBJECT

 private:
  int pdfAsked_ = 0;
  bool shown_ = false;  // the print dialog came up
  QString pdfAnswer_;  // the file dialog's answer; empty is Cancel

  QString Pdf() const { return dir_.filePath(QStringLiteral("out.pdf")); }
  TfrmAllPrint* Dialog() const { return main_->printDialog(); }
  TfrmCreatePrint* Batch() const { return qobject_cast<TfrmCreatePrint*>(main_->kindWindow(kBatchPrintPage)); }

  // Runs `inDialog` once the print dialog is up, then lets the caller's click proceed.
  void WhenDialogShows(std::function<void()> inDialog) {
    shown_ = false;
    QTimer::singleShot(0, this, [this, inDialog] {
      QVERIFY(Dialog()->isVisible());
      shown_ = true;
      inDialog();
      if (Dialog()->isVisible()) Dialog()->reject();
    });
  }

  // Waits for the batch to end; true when it was seen printing, with the
  // label saying so, the bar away and Cancel off.
  bool WaitForBatch() {
    QElapsedTimer t;
    t.start();
    bool sawPrinting = false;
    while (Batch()->Working() && t.elapsed() < 120000) {
      if (Batch()->Printing() && !sawPrinting) {
        sawPrinting = true;
        TfrmCreatePrint* b = Batch();
        if (b->lblProgress->text() != QStringLiteral("Printing puzzles") || b->pgCreate->isVisible() ||
            b->bnCancel->isEnabled())
          return false;
      }
      QTest::qWait(1);
    }
    return !Batch()->Working() && sawPrinting;
  }

 private slots:
  void initTestCase() {
    SetPdfPathHook([this](const QString& suggested) {
      ++pdfAsked_;
      return suggested == QStringLiteral("Zorvek Number Puzzles.pdf") ? pdfAnswer_ : QString();
    });
    main_ = Show(QStringLiteral("state.dat"), 5);
    QVERIFY(main_);
  }

  void init() {
    AnswerDialogs();
    pdfAsked_ = 0;
    pdfAnswer_ = Pdf();
    QFile::remove(Pdf());
  }

  // In every window: clock and board are away while the dialog is open; the
  // answers box is only offered once the player has entered something; both
  // choices stick.
  void printThisPuzzle_data() {
    QTest::addColumn<int>("kind");
    for (int kind = 0; kind < kPlayKinds; ++kind) QTest::newRow(KindOf(kind).name) << kind;
  }

  void printThisPuzzle() {
    QFETCH(int, kind);
    main_->PanelClick(kind);
    TPlayWindow* w = main_->playWindow(kind);
    PlayAdapter& a = w->model().adapter();
    int openR = -1, openC = -1;
    for (int r = 0; r < a.Rows(); ++r)
      for (int c = 0; c < a.Cols(); ++c)
        if (a.IsCell(r, c) && !a.IsGiven(r, c)) {
          a.SetEntry(r, c, 0);
          openR = r, openC = c;
        }
    main_->state().general.printPartialAnswers = 1;
    main_->state().general.printSolutions = 0;
    WhenDialogShows([&] {
      QVERIFY(!w->PuzzTimer.isActive() && !w->dgPuzzle()->isVisible());
      QVERIFY(Dialog()->cbPartial->isHidden() && !Dialog()->cbPartial->isChecked());
      QCOMPARE(Dialog()->cbPrinters->itemText(Dialog()->cbPrinters->count() - 1), QStringLiteral("Save as PDF"));
      Dialog()->cbPrinters->setCurrentIndex(Dialog()->cbPrinters->count() - 1);
      QTest::mouseClick(Dialog()->cbAnswers, Qt::LeftButton);
      QTest::mouseClick(Dialog()->bnPrint, Qt::LeftButton);
    });
    QTest::mouseClick(w->bnPrint, Qt::LeftButton);
    QVERIFY(shown_);
    QCOMPARE(int(main_->state().general.printSolutions), 1);
    QCOMPARE(PdfPages(Pdf()), 1);
    QVERIFY(w->PuzzTimer.isActive() || a.TimerState() != kTimerRunning);
    QVERIFY(w->dgPuzzle()->isVisible());

    // An entry: the box is offered, checked from the remembered flag; Ctrl+P opens the dialog too.
    a.SetEntry(openR, openC, a.Solution(openR, openC));
    WhenDialogShows([&] {
      QVERIFY(!Dialog()->cbPartial->isHidden() && Dialog()->cbPartial->isChecked() && Dialog()->cbAnswers->isChecked());
      QTest::mouseClick(Dialog()->cbPartial, Qt::LeftButton);
      QTest::mouseClick(Dialog()->bnCancel, Qt::LeftButton);
    });
    // The offscreen platform keeps the closed dialog as the active window.
    QApplication::setActiveWindow(main_.get());
    QTest::keyClick(main_.get(), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(shown_);
    QCOMPARE(int(main_->state().general.printPartialAnswers), 0);
  }

  // Nothing selected, or no file that can be written, stops the batch before
  // any puzzle is made for it; every choice is remembered as it changes.
  void batchChoicesAndRefusals() {
    main_->PanelClick(5);
    TfrmCreatePrint* b = Batch();
    QVERIFY(b->isVisible());
    for (auto& k : b->kinds) k.spnPages->setValue(0);
    QTest::mouseClick(b->bnCreate, Qt::LeftButton);
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].startsWith(QStringLiteral("No puzzles selected.")));
    QVERIFY(!b->Working());
    // Counts stay within 0..4.
    b->kinds[kKindKakuro].rbSize[1]->click();
    b->kinds[kKindKakuro].rbDiff[2]->click();
    b->kinds[kKindKakuro].spnPages->stepBy(9);
    const GeneralSettings& g = main_->state().general;
    QCOMPARE(g.kakuroBatchSize, 1);
    QCOMPARE(g.kakuroBatchDifficulty, 2);
    QCOMPARE(g.kakuroBatchPages, 4);
    b->kinds[kKindKakuro].spnPages->stepBy(-9);
    QCOMPARE(g.kakuroBatchPages, 0);

    messages_.clear();
    b->kinds[kKindSudoku].spnPages->setValue(1);
    b->cbPrinters->setCurrentIndex(b->cbPrinters->count() - 1);
    pdfAnswer_.clear();
    QTest::mouseClick(b->bnCreate, Qt::LeftButton);
    QCOMPARE(pdfAsked_, 1);
    QVERIFY(!b->Working() && b->PanelChoices->isVisible());
    QVERIFY(messages_.isEmpty());
    pdfAnswer_ = dir_.filePath(QStringLiteral("no/such/folder/b.pdf"));
    QTest::mouseClick(b->bnCreate, Qt::LeftButton);
    QVERIFY(!b->Working());
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_[0].contains(pdfAnswer_) && messages_[0].contains(QStringLiteral("No such file or directory")),
             qPrintable(messages_[0]));
  }

  void cancelDuringLastPuzzlePrintsNothing() {
    TfrmCreatePrint* b = Batch();
    b->SetThreadCount(1);
    b->kinds[kKindSudoku].rbDiff[2]->click();
    b->kinds[kKindSudoku].spnPages->setValue(1);
    QTest::mouseClick(b->bnCreate, Qt::LeftButton);
    QVERIFY(b->Working() && main_->panel(0)->isHidden());
    QVERIFY(b->PanelChoices->isHidden() && b->lblCreating->isVisible());
    // Cancel once the last puzzle is under way, before the page looks again.
    while (b->run()->Latest() < b->run()->Total() - 1) QThread::yieldCurrentThread();
    QTest::mouseClick(b->bnCancel, Qt::LeftButton);
    QVERIFY(!WaitForBatch() && !b->Working());
    QCOMPARE(pdfAsked_, 1);
    QVERIFY(QDir(dir_.path()).entryList({QStringLiteral("out.pdf*")}).isEmpty());
    QVERIFY(!main_->panel(0)->isHidden() && b->PanelChoices->isVisible());
  }

  void batchPrintsPuzzleThenSolutionPages() {
    TfrmCreatePrint* b = Batch();
    b->SetThreadCount(2);
    b->kinds[kKindSudoku].rbDiff[0]->click();
    b->kinds[kKindSudoku].spnPages->setValue(2);
    b->cbPrinters->setCurrentIndex(b->cbPrinters->count() - 1);
    if (!b->cbAnswers->isChecked()) QTest::mouseClick(b->cbAnswers, Qt::LeftButton);
    QCOMPARE(int(main_->state().general.printSolutions), 1);
    int finished = 0;
    b->onFinished = [&] { ++finished; };
    QTest::mouseClick(b->bnCreate, Qt::LeftButton);
    QVERIFY(WaitForBatch());
    QCOMPARE(finished, 1);
    QCOMPARE(PdfPages(Pdf()), 4);
    b->onFinished = nullptr;
  }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"

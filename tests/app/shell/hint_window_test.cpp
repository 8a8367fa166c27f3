// Hints in every play window: pressing Hint three times, again and again,
// solves the puzzle; nothing changes before the third press; Undo takes a
// hint's move back; a wrong entry is named first. ZORVEK_HINT_SHOTS names a
// folder for pictures of the window at each press of the first hint.
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "app/kinds.h"
#include "app/shell/mainwindow.h"
#include "app/shell/playwindow.h"
#include "core/shell/kinds.h"

using namespace zorvek;
using namespace zorvek::app;

namespace {

struct Position {
  std::vector<int> entries;
  bool operator==(const Position&) const = default;
};

Position Entries(const PlayAdapter& a) {
  Position p;
  for (int r = 0; r < a.Rows(); ++r)
    for (int c = 0; c < a.Cols(); ++c)
      if (a.IsCell(r, c)) p.entries.push_back(a.Entry(r, c));
  return p;
}

bool Solved(const PlayAdapter& a) {
  for (int r = 0; r < a.Rows(); ++r)
    for (int c = 0; c < a.Cols(); ++c)
      if (a.IsCell(r, c) && !a.IsGiven(r, c) && a.Entry(r, c) != a.Solution(r, c)) return false;
  return true;
}

void Shot(TfrmMain& main, int kind, int press) {
  const QString dir = qEnvironmentVariable("ZORVEK_HINT_SHOTS");
  if (dir.isEmpty()) return;
  QDir().mkpath(dir);
  main.grab().save(QStringLiteral("%1/hint_%2_%3.png").arg(dir, QString::fromLatin1(KindOf(kind).name)).arg(press));
}

}  // namespace

class HintWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void hintsSolveEveryKind_data() {
    QTest::addColumn<int>("kind");
    for (const AppKind& k : AppKinds()) QTest::newRow(KindOf(k.kind).name) << k.kind;
  }

  void hintsSolveEveryKind() {
    QFETCH(int, kind);
    QTemporaryDir dir;
    TfrmMain main(MainOptions{dir.filePath(QStringLiteral("state.dat")), false, 7});
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.PanelClick(kind);
    TPlayWindow* w = main.playWindow(kind);
    QVERIFY(w && w->isVisible());
    PlayAdapter& a = w->model().adapter();
    QVERIFY(w->bnHint->isEnabled());

    int steps = 0;
    for (; !Solved(a) && steps < 400; ++steps) {
      const Position before = Entries(a);
      const int move = w->model().MoveNumber();
      QTest::mouseClick(w->bnHint, Qt::LeftButton);
      QCOMPARE(w->HintStage(), 1);
      QVERIFY(!w->CurrentHint().cells.empty());
      QVERIFY(!w->lblHint->text().isEmpty());
      if (steps == 0) Shot(main, kind, 1);
      QTest::mouseClick(w->bnHint, Qt::LeftButton);
      QCOMPARE(w->HintStage(), 2);
      if (steps == 0) Shot(main, kind, 2);
      QVERIFY2(Entries(a) == before, "a hint changed a cell before its third press");
      QCOMPARE(w->model().MoveNumber(), move);
      const Hint hint = w->CurrentHint();
      QTest::mouseClick(w->bnHint, Qt::LeftButton);
      if (steps == 0) Shot(main, kind, 3);
      QCOMPARE(w->HintStage(), 0);
      QCOMPARE(a.Entry(hint.target.row, hint.target.col), a.Solution(hint.target.row, hint.target.col));
      QCOMPARE(w->model().MoveNumber(), move + 1);
      if (steps == 0) {
        // Undo takes the hint's move back as one move, and the same hint comes again.
        QTest::mouseClick(w->bnUndo, Qt::LeftButton);
        QVERIFY(Entries(a) == before);
        QTest::mouseClick(w->bnHint, Qt::LeftButton);
        QVERIFY(w->CurrentHint().target == hint.target);
        // Any other action ends the hint.
        QTest::mouseClick(w->bnPause, Qt::LeftButton);
        QCOMPARE(w->HintStage(), 0);
        QTest::mouseClick(w->bnResume, Qt::LeftButton);
        QVERIFY(w->lblHint->text().isEmpty() || !w->lblHint->text().startsWith(QString::fromStdString(hint.technique)));
        for (int k = 0; k < 3; ++k) QTest::mouseClick(w->bnHint, Qt::LeftButton);
      }
    }
    QVERIFY2(Solved(a), qPrintable(QStringLiteral("not solved after %1 hints").arg(steps)));
    QVERIFY(!w->model().clockRunning());
    QVERIFY(!w->bnHint->isEnabled());
  }

  void wrongEntryFirst() {
    QTemporaryDir dir;
    TfrmMain main(MainOptions{dir.filePath(QStringLiteral("state.dat")), false, 9});
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.PanelClick(kKindSudoku);
    TPlayWindow* w = main.playWindow(kKindSudoku);
    PlayAdapter& a = w->model().adapter();
    // The last open cell gets a wrong digit: the hint names it before any step.
    int row = -1, col = -1;
    for (int r = 0; r < a.Rows(); ++r)
      for (int c = 0; c < a.Cols(); ++c)
        if (a.IsCell(r, c) && !a.IsGiven(r, c)) row = r, col = c;
    QVERIFY(row >= 0);
    a.SetEntry(row, col, a.Solution(row, col) % 9 + 1);
    QTest::mouseClick(w->bnHint, Qt::LeftButton);
    QVERIFY(w->CurrentHint().type == Hint::Type::WrongEntry);
    QVERIFY((w->CurrentHint().target == HintCell{row, col}));
    for (int k = 0; k < 2; ++k) QTest::mouseClick(w->bnHint, Qt::LeftButton);
    QCOMPARE(a.Entry(row, col), 0);
  }
};

QTEST_MAIN(HintWindowTest)
#include "hint_window_test.moc"

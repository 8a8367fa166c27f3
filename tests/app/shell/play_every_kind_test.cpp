// Every play window on a generated puzzle, driven through the real widgets.
// Pressing Hint three times, again and again, solves it; nothing changes
// before the third press and Undo takes a hint's move back (the engine tests
// hold which step comes first). A seeded random player checks the promises
// listed in random_player.h after every action; ZORVEK_PLAYER_ACTIONS sets
// its actions per kind.
#include "app/kinds.h"

#include "app/play_window_fixture.h"
#include "support/random_player.h"

using namespace zorvek;
using namespace zorvek::app;
using zorvek::testing::Position;

class EveryKindTest : public testing::PlayWindowTest {
  Q_OBJECT

  static void KindRows() {
    QTest::addColumn<int>("kind");
    for (const AppKind& k : AppKinds()) QTest::newRow(KindOf(k.kind).name) << k.kind;
  }

 private slots:
  void hintsSolve_data() { KindRows(); }

  void hintsSolve() {
    QFETCH(int, kind);
    const auto main = Show(QStringLiteral("hints%1.dat").arg(kind), 7);
    QVERIFY(main);
    main->PanelClick(kind);
    TPlayWindow* w = main->playWindow(kind);
    PlayAdapter& a = w->model().adapter();
    QVERIFY(w->bnHint->isEnabled());
    int steps = 0;
    for (; !testing::Solved(a) && steps < 400; ++steps) {
      const std::vector<int> before = Position(a);
      const int move = w->model().MoveNumber();
      QTest::mouseClick(w->bnHint, Qt::LeftButton);
      QCOMPARE(w->HintStage(), 1);
      QVERIFY(!w->CurrentHint().cells.empty() && !w->lblHint->text().isEmpty());
      QTest::mouseClick(w->bnHint, Qt::LeftButton);
      QCOMPARE(w->HintStage(), 2);
      QVERIFY2(Position(a) == before, "a hint changed a cell before its third press");
      QCOMPARE(w->model().MoveNumber(), move);
      const Hint hint = w->CurrentHint();
      QTest::mouseClick(w->bnHint, Qt::LeftButton);
      QCOMPARE(w->HintStage(), 0);
      QCOMPARE(a.Entry(hint.target.row, hint.target.col), a.Solution(hint.target.row, hint.target.col));
      QCOMPARE(w->model().MoveNumber(), move + 1);
      if (steps == 0) {
        // Undo takes the hint's move back as one move, and the same hint comes again.
        QTest::mouseClick(w->bnUndo, Qt::LeftButton);
        QVERIFY(Position(a) == before);
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
    QVERIFY2(testing::Solved(a), qPrintable(QStringLiteral("not solved after %1 hints").arg(steps)));
    QVERIFY(!w->model().clockRunning() && !w->bnHint->isEnabled());
  }

  void randomPlayer_data() { KindRows(); }

  void randomPlayer() {
    QFETCH(int, kind);
    const int actions = qEnvironmentVariableIsSet("ZORVEK_PLAYER_ACTIONS")
                            ? qEnvironmentVariableIntValue("ZORVEK_PLAYER_ACTIONS")
                            : 2000;
    const auto main = Show(QStringLiteral("player%1.dat").arg(kind), 5);
    QVERIFY(main);
    testing::RandomPlayer player(*main, kind, 1000u + static_cast<unsigned>(kind), dir_.path());
    const QString failure = player.Play(actions);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
  }
};

QTEST_MAIN(EveryKindTest)
#include "play_every_kind_test.moc"

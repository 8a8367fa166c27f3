// Every play window, played by a seeded random player through the real
// widgets; the player checks the promises listed in random_player.h after
// every action. ZORVEK_PLAYER_ACTIONS sets the actions per kind.
#include "app/kinds.h"

#include "app/play_window_fixture.h"
#include "support/random_player.h"

using namespace zorvek;
using namespace zorvek::app;

class RandomPlayerTest : public testing::PlayWindowTest {
  Q_OBJECT

 private slots:
  void everyKind_data() {
    QTest::addColumn<int>("kind");
    for (const AppKind& k : AppKinds()) QTest::newRow(KindOf(k.kind).name) << k.kind;
  }

  void everyKind() {
    QFETCH(int, kind);
    const int actions = qEnvironmentVariableIsSet("ZORVEK_PLAYER_ACTIONS")
                            ? qEnvironmentVariableIntValue("ZORVEK_PLAYER_ACTIONS")
                            : 2000;
    const auto main = Show(QStringLiteral("state%1.dat").arg(kind), 5);
    QVERIFY(main);
    testing::RandomPlayer player(*main, kind, 1000u + static_cast<unsigned>(kind), dir_.path());
    const QString failure = player.Play(actions);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
  }
};

QTEST_MAIN(RandomPlayerTest)
#include "random_player_test.moc"

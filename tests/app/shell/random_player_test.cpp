// Every play window, played by a seeded random player through the real
// widgets; the player checks the promises listed in random_player.h after
// every action. ZORVEK_PLAYER_ACTIONS sets the actions per kind.
#include <QTemporaryDir>
#include <QtTest>

#include "app/kinds.h"
#include "app/shell/mainwindow.h"
#include "core/shell/kinds.h"
#include "support/random_player.h"

using namespace zorvek;
using namespace zorvek::app;

class RandomPlayerTest : public QObject {
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
    QTemporaryDir dir;
    TfrmMain main(MainOptions{dir.filePath(QStringLiteral("state.dat")), false, 5});
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    testing::RandomPlayer player(main, kind, 1000u + static_cast<unsigned>(kind), dir.path());
    const QString failure = player.Play(actions);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
  }
};

QTEST_MAIN(RandomPlayerTest)
#include "random_player_test.moc"

// A puzzle file named on the command line opens in the window of its kind.
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

#include "app/kinds.h"
#include "app/shell/mainwindow.h"
#include "app/shell/playwindow.h"
#include "app/shell/showmsg.h"
#include "core/common/random.h"
#include "core/common/types.h"
#include "core/shell/kinds.h"
#include "core/shell/state.h"

#include "support/window_test.h"

using namespace zorvek;
using namespace zorvek::app;

class OpenFileTest : public WindowTest {
  Q_OBJECT

 private slots:
  void init() { AnswerDialogs(); }

  void eachKindOpensInItsWindow() {
    for (const AppKind& k : AppKinds()) {
      // A fresh puzzle of the kind, different from the one the state starts with.
      const KindDescriptor& kind = KindOf(k.kind);
      auto source = std::make_unique<AppState>();
      {
        TfrmMain seedState({dir_.filePath(QStringLiteral("seed%1.dat").arg(k.kind)), false, 3});
        *source = seedState.state();
      }
      Random random(1000 + k.kind);
      kind.createStartup(random, *source);
      const QString file = dir_.filePath(QStringLiteral("%1.puz").arg(QString::fromLatin1(kind.name)));
      QVERIFY(kind.save(*source, file.toStdString()));
      // The same puzzle reached through the state file, shown the usual way.
      const QString referenceState = dir_.filePath(QStringLiteral("reference%1.dat").arg(k.kind));
      QVERIFY(SaveState(*source, referenceState.toStdString()));
      TfrmMain reference({referenceState, false, 3});
      reference.show();
      QVERIFY(QTest::qWaitForWindowExposed(&reference));
      reference.PanelClick(k.kind);

      TfrmMain main({dir_.filePath(QStringLiteral("state%1.dat").arg(k.kind)), false, 3, file});
      main.show();
      QVERIFY(QTest::qWaitForWindowExposed(&main));
      QCOMPARE(main.currentKind(), k.kind);
      QVERIFY(main.playWindow(k.kind)->isVisible());
      QVERIFY(messages_.isEmpty());
      // What is on screen is the file's puzzle: both give the same record.
      const QString fromFile = dir_.filePath(QStringLiteral("fromfile.puz"));
      const QString fromState = dir_.filePath(QStringLiteral("fromstate.puz"));
      QVERIFY(kind.save(main.state(), fromFile.toStdString()));
      QVERIFY(kind.save(reference.state(), fromState.toStdString()));
      QFile a(fromFile), b(fromState);
      QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
      QCOMPARE(a.readAll(), b.readAll());
    }
  }

  void aFileOfNoKindGetsTheLoadMessage() {
    const QString file = dir_.filePath(QStringLiteral("junk.puz"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a puzzle at all");
    f.close();
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

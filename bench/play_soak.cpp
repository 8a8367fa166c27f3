// The random player of the window tests, run for longer: every kind, many
// seeds, many actions each. Prints one line per run and exits 1 on the
// first broken promise. Usage: play_soak [ACTIONS_PER_KIND] [SEEDS]
// (QT_QPA_PLATFORM=offscreen runs it without a display).
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "app/kinds.h"
#include "app/shell/mainwindow.h"
#include "core/shell/kinds.h"
#include "support/random_player.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int actions = argc > 1 ? std::atoi(argv[1]) : 20000;
  const int seeds = argc > 2 ? std::atoi(argv[2]) : 5;
  for (int seed = 1; seed <= seeds; ++seed) {
    for (const zorvek::app::AppKind& k : zorvek::app::AppKinds()) {
      QTemporaryDir dir;
      zorvek::app::TfrmMain main(zorvek::app::MainOptions{dir.filePath(QStringLiteral("state.dat")), false,
                                                          static_cast<std::uint64_t>(seed)});
      main.show();
      if (!QTest::qWaitForWindowExposed(&main)) return 2;
      zorvek::testing::RandomPlayer player(main, k.kind, static_cast<std::uint32_t>(seed * 7919 + k.kind),
                                           dir.path());
      const QString failure = player.Play(actions);
      std::printf("%-10s seed %d, %d actions: %s\n", zorvek::KindOf(k.kind).name, seed, actions,
                  failure.isEmpty() ? "ok" : qPrintable(failure));
      std::fflush(stdout);
      if (!failure.isEmpty()) return 1;
    }
  }
  return 0;
}

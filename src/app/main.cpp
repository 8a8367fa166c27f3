// Starts the game: one main window, which loads the state before it shows.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/shell/appstyle.h"
#include "app/shell/mainwindow.h"
#include "app/shell/shutdown.h"

namespace {

// --help and --version are answered before any window exists, so they work
// without a display (as packaging checks and terminals run them).
bool AnsweredCommandLine(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
      std::printf("ZorvekNumberPuzzles %s\n", ZORVEK_VERSION);
      return true;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::printf(
          "Usage: ZorvekNumberPuzzles [PUZZLE.puz]\n\n"
          "Zorvek Number Puzzles: Sudoku, Kakuro, Futoshiki and HexKakuro to solve\n"
          "on screen or print. A puzzle file (.puz) named on the command line opens\n"
          "in the window of its kind, as \"Load from file\" would.\n\n"
          "Options:\n"
          "  -h, --help     show this help and exit\n"
          "  -v, --version  show the version and exit\n\n"
          "Qt's own options (-platform, -style, ...) are accepted as usual. The\n"
          "command-line tool is zorvek; see 'zorvek --help'.\n");
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (AnsweredCommandLine(argc, argv)) return 0;
  QApplication app(argc, argv);
  zorvek::app::SetApplicationIdentity();
  // A puzzle file named on the command line (as a file manager passes it)
  // opens in its kind's window.
  zorvek::app::MainOptions options;
  const QStringList args = QApplication::arguments();
  for (int i = 1; i < args.size(); ++i)
    if (!args[i].startsWith(QLatin1Char('-'))) {
      options.openFile = args[i];
      break;
    }
  zorvek::app::TfrmMain main(options);
  zorvek::app::CloseOnTerminationSignals(&main);
  main.show();
  return app.exec();
}

// Starts the game: one main window, which loads the state before it shows.
#include <QApplication>

#include "app/shell/appstyle.h"
#include "app/shell/mainwindow.h"
#include "app/shell/shutdown.h"

int main(int argc, char* argv[]) {
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

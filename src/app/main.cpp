// Starts the game: one main window, which loads the state before it shows.
#include <QApplication>
#include <QIcon>

#include "app/shell/mainwindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZorvekNumberPuzzles"));
  QApplication::setApplicationDisplayName(QStringLiteral("Zorvek Number Puzzles"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
  zorvek::app::TfrmMain main;
  main.show();
  return app.exec();
}

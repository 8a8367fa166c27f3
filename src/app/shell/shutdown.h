#pragma once
// Ending the game from outside: the signals a desktop sends at shutdown or
// logout, and Ctrl+C in a terminal, close the main window as its close box
// does, so the state is written before the process goes.
class QWidget;

namespace zorvek::app {

// SIGTERM, SIGINT and SIGHUP close `window` from the event loop (the handler
// only wakes it through a pipe). Later calls move the watch to another window.
void CloseOnTerminationSignals(QWidget* window);

}  // namespace zorvek::app

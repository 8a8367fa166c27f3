#include "app/shell/shutdown.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace zorvek::app {
namespace {

int wakeFds[2] = {-1, -1};  // [0] read by the event loop, [1] written by the handler

extern "C" void OnTerminationSignal(int) {
  // Only async-signal-safe work here: one byte into a non-blocking pipe.
  const int saved = errno;
  const char byte = 1;
  const ssize_t written = ::write(wakeFds[1], &byte, 1);
  (void)written;
  errno = saved;
}

QPointer<QWidget>& Target() {
  static QPointer<QWidget> target;
  return target;
}

void CloseTarget() {
  char buffer[64];
  while (::read(wakeFds[0], buffer, sizeof buffer) > 0) {
  }
  if (QWidget* window = Target()) window->close();
  // A modal dialog runs an event loop of its own; quitting ends that too, so
  // the program does not linger behind a closed main window.
  QCoreApplication::quit();
}

bool InstallOnce() {
  if (::pipe2(wakeFds, O_NONBLOCK | O_CLOEXEC) != 0) return false;
  auto* notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] { CloseTarget(); });
  struct sigaction action = {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(number, &action, nullptr);
  return true;
}

}  // namespace

void CloseOnTerminationSignals(QWidget* window) {
  static const bool installed = InstallOnce();
  (void)installed;
  Target() = window;
}

}  // namespace zorvek::app

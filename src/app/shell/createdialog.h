#pragma once
// What every create dialog shares: the creation runs on a worker thread, the
// dialog polls its progress into the bar, Cancel asks before it stops the
// engine, and a quick success keeps the full bar up for half a second.
#include <QDialog>
#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>

#include "core/common/progress.h"

class QProgressBar;
class QPushButton;

namespace zorvek::app {

inline const char* const kStopCreationQuestion =
    "Do you wish to stop the puzzle creation process ?\n\r\n\rPress 'O.K.' to stop puzzle "
    "creation.\n\rPress 'Cancel' to continue.\"\n\r";

class TCreateDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TCreateDialog(QWidget* parent);
  ~TCreateDialog() override;

  bool Creating() const { return creating_; }
  CreateProgress& progress() { return progress_; }
  QProgressBar* progressBar() const { return pgCreate; }
  QPushButton* cancelButton() const { return bnCancel; }
  bool closeTimerActive() const { return TimerClose.isActive(); }

  // Called on the UI thread when the job has returned.
  struct Outcome {
    bool success = false;
    bool cancelled = false;
    bool startCloseTimer = false;
  };

  void reject() override;

 protected:
  // Starts the job on a worker thread; Finished runs on the UI thread after it.
  void StartCreation(std::function<Outcome()> job);
  virtual void Finished(const Outcome& outcome) = 0;
  // Closes now, or after 500 ms with a full bar after a quick success.
  void CloseAfter(const Outcome& outcome);
  void bnCancelClick();

  QProgressBar* pgCreate = nullptr;
  QPushButton* bnCancel = nullptr;
  QTimer TimerClose;
  CreateProgress progress_;
  std::atomic<bool> saveRequested_{false};

 private:
  void Poll();
  QTimer poll_;
  std::thread worker_;
  std::atomic<bool> done_{false};
  Outcome outcome_;
  bool creating_ = false;
  bool asking_ = false;
  int lastPosition_ = -1;
};

}  // namespace zorvek::app

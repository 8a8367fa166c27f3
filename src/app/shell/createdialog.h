#pragma once
// What every create dialog shares: the creation runs on a worker thread, the
// dialog polls its progress into the bar, Cancel asks before it stops the
// engine, and a quick success keeps the full bar up for half a second.
#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "core/common/progress.h"
#include "core/shell/create_job.h"

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace zorvek {
struct AppState;
}

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
  // True when the player answered O.K. to the stop question in this run.
  bool StoppedByPlayer() const { return stoppedByPlayer_; }

  // Called on the UI thread when the job has returned.
  using Outcome = CreateOutcome;

  void reject() override;

 protected:
  // Starts the job on a worker thread; Finished runs on the UI thread after it.
  void StartCreation(std::function<Outcome()> job);
  virtual void Finished(const Outcome& outcome) = 0;
  // Closes now, or after 500 ms with a full bar after a quick success.
  void CloseAfter(const Outcome& outcome);
  void bnCancelClick();
  // The bar stands at this position while creating instead of following the
  // attempts (negative: it follows them).
  void SetFixedBar(int position) { fixedBar_ = position; }

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
  bool stoppedByPlayer_ = false;
  int lastPosition_ = -1;
  int fixedBar_ = -1;
};

class THost;

// The create dialog of a kind: the difficulty frame (and, for kinds with
// several grids, a size frame), "Create new <kind>" and Cancel, then the
// progress panel while the engine works. The kind supplies the job and what
// a success puts into the state.
class TKindCreateDialog : public TCreateDialog {
  Q_OBJECT
 public:
  TKindCreateDialog(THost& host, int kind, bool cancellable, QWidget* parent);

  // Resets the dialog to its choice phase, centred over the main window.
  void FormShow();
  // The choices follow the kind's current puzzle (each time its window shows).
  virtual void FollowPuzzle() = 0;
  void SetDifficulty(int difficulty);
  int Difficulty() const;
  void SetSize(int index);
  int Size() const;  // index of the checked size button, -1 without sizes
  // True when the last run put a new puzzle into the state.
  bool Created() const { return created_; }
  // Where the dialog's jobs come from: the kind's own, unless a test puts
  // another here.
  using JobMaker = std::function<std::unique_ptr<CreateJob>(const AppState&, int difficulty, int sizeChoice)>;
  void SetJobMaker(JobMaker maker) { jobMaker_ = std::move(maker); }
  void bnCreateClick();
  void reject() override;

  QFrame* PanelDiff;
  QRadioButton *rbDiff0, *rbDiff1, *rbDiff2;
  QFrame* PanelSize = nullptr;
  std::vector<QRadioButton*> rbSize;
  QPushButton *bnCreate, *bnInitCancel;
  QWidget* PanelCreate;

 protected:
  // Adds the size frame with one button per caption (before the first FormShow).
  void SetSizeChoices(const QStringList& captions);
  // A client area of this size instead of one fitted to the captions.
  void SetClientSize(const QSize& size);
  void Finished(const Outcome& outcome) override;
  void paintEvent(QPaintEvent* e) override;

  THost& host_;
  const int kind_;

 private:
  void LayoutDialog();
  bool created_ = false;
  bool cancellable_;
  JobMaker jobMaker_;
  // Made on the UI thread, run on the worker, committed back on the UI thread.
  std::unique_ptr<CreateJob> job_;
  QSize clientSize_;
  QLabel* lblCreating_;
};

}  // namespace zorvek::app

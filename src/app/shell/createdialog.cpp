#include "app/shell/createdialog.h"

#include <QProgressBar>
#include <QPushButton>

#include "app/shell/showmsg.h"

namespace zorvek::app {

TCreateDialog::TCreateDialog(QWidget* parent) : QDialog(parent) {
  TimerClose.setSingleShot(true);
  TimerClose.setInterval(500);
  connect(&TimerClose, &QTimer::timeout, this, [this] {
    TimerClose.stop();
    accept();
  });
  poll_.setInterval(25);
  connect(&poll_, &QTimer::timeout, this, &TCreateDialog::Poll);
  // The engine learns that a bank was drawn from; the state is saved once the
  // worker has handed its copy back.
  progress_.saveState = [this] { saveRequested_ = true; };
}

TCreateDialog::~TCreateDialog() {
  progress_.cancelled = true;
  if (worker_.joinable()) worker_.join();
}

void TCreateDialog::StartCreation(std::function<Outcome()> job) {
  progress_.attempts = 0;
  progress_.cancelled = false;
  saveRequested_ = false;
  lastPosition_ = -1;
  done_ = false;
  creating_ = true;
  if (worker_.joinable()) worker_.join();
  worker_ = std::thread([this, job = std::move(job)] {
    outcome_ = job();
    done_ = true;
  });
  poll_.start();
}

void TCreateDialog::Poll() {
  if (pgCreate) {
    const int position = std::clamp(progress_.Position(pgCreate->maximum()), 0, pgCreate->maximum());
    if (position != lastPosition_) {
      lastPosition_ = position;
      pgCreate->setValue(position);
    }
  }
  if (!done_ || asking_) return;
  poll_.stop();
  worker_.join();
  creating_ = false;
  Finished(outcome_);
}

void TCreateDialog::bnCancelClick() {
  if (!creating_ || asking_) return;
  asking_ = true;
  const int answer = ShowMessageBox(QString::fromLatin1(kStopCreationQuestion), 1);
  asking_ = false;
  if (answer == 1) progress_.cancelled = true;
}

void TCreateDialog::reject() {
  // Escape or the close box while creating count as the Cancel button.
  if (creating_) {
    bnCancelClick();
    return;
  }
  if (TimerClose.isActive()) return;
  QDialog::reject();
}

void TCreateDialog::CloseAfter(const Outcome& outcome) {
  if (outcome.success && outcome.startCloseTimer) {
    if (pgCreate) pgCreate->setValue(pgCreate->maximum());
    TimerClose.start();
  } else if (outcome.success) {
    accept();
  } else {
    QDialog::reject();
  }
}

}  // namespace zorvek::app

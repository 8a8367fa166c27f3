#pragma once
// The hook through which a long generator loop reports progress and learns of
// cancellation. The caller (a create dialog, batch printing, the tool) owns
// it; the engine only counts attempts and reads the cancel flag, so it can run
// on a worker thread while the window polls.
#include <atomic>
#include <functional>

namespace zorvek {

struct CreateProgress {
  std::atomic<int> attempts{0};      // attempts made so far
  std::atomic<int> attemptScale{0};  // attempt count that fills the progress bar
  std::atomic<bool> cancelled{false};
  // Set while the player is asked whether to stop: the engine waits at its
  // next look at the cancel flag, so the answer always applies to a run
  // still in progress.
  std::atomic<bool> paused{false};
  // Called after a puzzle is drawn from a stored bank, whose used-flags live in
  // the application state; the application saves its state file here.
  std::function<void()> saveState;

  bool CancelRequested() const {
    paused.wait(true);
    return cancelled.load();
  }
  void Pause() { paused = true; }
  void Resume() {
    paused = false;
    paused.notify_all();
  }
  void SaveState() const {
    if (saveState) saveState();
  }
  // Progress-bar position for a bar of the given maximum.
  int Position(int barMaximum) const {
    const int scale = attemptScale.load();
    const long long a = attempts.load();
    return static_cast<int>(scale == 0 ? barMaximum * a : barMaximum * a / scale);
  }
};

}  // namespace zorvek

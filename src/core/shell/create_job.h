#pragma once
// A new puzzle of one kind, made into copies of the kind's blocks and of the
// stored banks, so the worker thread that runs it never touches the state.
// The create dialogs, and a missing puzzle at first show, use the same job.
#include "core/common/progress.h"
#include "core/common/random.h"
#include "core/shell/state.h"

namespace zorvek {

struct CreateOutcome {
  bool success = false;
  bool cancelled = false;        // the player stopped it
  bool startCloseTimer = false;  // a bank puzzle came at once: show the full bar a moment
};

class CreateJob {
 public:
  virtual ~CreateJob() = default;
  // On the worker thread: the kind's interactive driver on the copies.
  virtual CreateOutcome Run(Random& random, CreateProgress& progress) = 0;
  // After a run nobody stopped: the bank entries it drew (even when it
  // failed) and, on success, the new puzzle.
  virtual void Commit(AppState& state, bool success) const = 0;
};

}  // namespace zorvek

#pragma once
// What a play window or dialog asks of the program around it: the state and
// the random generator, the size presets, the instructions and print dialogs,
// the selector strip's cursor, and saving. The main window implements it, so
// windows and dialogs never include the main window.
#include "core/common/random.h"
#include "core/shell/state.h"

class QCursor;
class QWidget;

namespace zorvek::app {

class TfrmAllPrint;
class TfrmQuickHints;

class THost {
 public:
  virtual AppState& state() = 0;
  virtual Random& random() = 0;
  // The kind being shown (kKind...), or the closing marker.
  virtual int currentKind() const = 0;
  // The program's window: dialogs centre on it, the instructions sit below it.
  virtual QWidget* hostWindow() = 0;
  // Grows the program's window to size preset 0..2 when it is smaller, or
  // sets it to that preset when forced (a new or loaded puzzle).
  virtual void EnsurePreset(int preset, bool force) = 0;
  virtual TfrmQuickHints* hints() const = 0;
  virtual TfrmAllPrint* printDialog() const = 0;
  // The cursor over the selector strip (null for the normal one).
  virtual void SetStripCursor(const QCursor* cursor) = 0;
  // The strip is hidden while a batch is created, so no other page opens.
  virtual void SetStripVisible(bool visible) = 0;
  // A move or a new puzzle: the state is written soon after.
  virtual void StateChanged() = 0;
  virtual bool SaveStateNow() = 0;

 protected:
  ~THost() = default;
};

}  // namespace zorvek::app

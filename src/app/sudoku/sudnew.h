#pragma once
// The Sudoku create dialog: choose a difficulty, watch the progress, cancel.
#include "app/shell/createdialog.h"
#include "core/sudoku/record.h"
#include "core/shell/state.h"

class QRadioButton;
class QLabel;

namespace zorvek::app {

class TfrmMain;

class TfrmSudNew : public TCreateDialog {
  Q_OBJECT
 public:
  TfrmSudNew(TfrmMain& main, QWidget* parent);

  // Resets the dialog to its choice phase, centred over the main window.
  void FormShow();
  void SetDifficulty(int difficulty);
  int Difficulty() const;
  // True when the last run put a new puzzle into the state.
  bool Created() const { return created_; }
  void bnCreateClick();

  QWidget* PanelDiff;
  QRadioButton *rbDiff0, *rbDiff1, *rbDiff2;
  QPushButton *bnCreate, *bnInitCancel;
  QWidget* PanelCreate;

 protected:
  void Finished(const Outcome& outcome) override;

 private:
  TfrmMain& main_;
  bool created_ = false;
  // The worker builds into copies; the state changes only on success.
  sudoku::SudSettings workSettings_{};
  sudoku::SudPuzzle workPuzzle_{};
  std::uint8_t workFlags_[5000]{};
};

}  // namespace zorvek::app

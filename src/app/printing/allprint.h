#pragma once
// "Print puzzle": the dialog behind every play window's "Print this puzzle".
#include <QDialog>

#include "core/shell/state.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

namespace zorvek::app {

// What a play window hands to the print dialog.
struct PrintRequest {
  int kind = 0;
  int difficulty = 0;
  int rows = 9, cols = 9;
  bool hasEntry = false;  // the player has entered a digit in some open cell
};
// Kind, difficulty and grid size of a kind's current puzzle.
PrintRequest CurrentPrintRequest(const AppState& state, int kind);

class TfrmAllPrint : public QDialog {
  Q_OBJECT
 public:
  TfrmAllPrint(AppState& state, QWidget* parent);

  // Shows the dialog modally for the request.
  void Execute(const PrintRequest& request);
  // Fills the printers and the boxes from the remembered flags.
  void FormShow();
  void bnPrintClick();

  QComboBox* cbPrinters;
  QGroupBox* PanelAnswer;
  QCheckBox *cbAnswers, *cbPartial;
  QPushButton *bnPrint, *bnCancel;

 private:
  AppState& state_;
  PrintRequest request_;
};

}  // namespace zorvek::app

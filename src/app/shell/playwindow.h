#pragma once
// What every play window shares: the command column with its mode buttons,
// the header row with clock and Pause, the pause panel, the typing box and
// the handlers that map clicks and keys onto the play model.
#include <QCursor>
#include <QTimer>
#include <QWidget>

#include "core/shell/play.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace zorvek::app {

class TfrmMain;

class TPlayWindow : public QWidget {
  Q_OBJECT
 public:
  TPlayWindow(TfrmMain& main, int kind, QWidget* parent);
  ~TPlayWindow() override;

  int kind() const { return kind_; }
  PlayModel& model() { return *model_; }
  bool Erasing() const { return model_ && model_->Erasing(); }

  // Runs each time the kind is selected in the main window.
  virtual void FormShow();
  virtual void LayoutWindow() = 0;
  // Gives the typing box its focus and text back (after the instructions close).
  void RestoreTypingFocus();
  // Mirrors the model into buttons, clock, typing box and grid.
  void SyncFromModel();

  // Controls, named as the game names them.
  QPushButton *bnInstruct, *bnClear, *bnFill, *bnCheck, *bnUndo, *bnPencil, *bnReduce;
  QPushButton *bnPrint, *bnSave, *bnFile, *bnCreate, *bnPause, *bnResume;
  QToolButton *bnMouse, *bnKeyboard, *bnErase;
  QWidget *PanelLeft, *PanelMode, *PanelPause;
  QLabel *PanelTimer, *PanelHeader;
  QLineEdit *edText = nullptr, *edMover = nullptr;
  QTimer PuzzTimer, InitTimer;

  // Handlers shared by all kinds.
  void bnModeClick(int mode);
  void bnClearClick();
  void bnFillClick();
  void bnCheckClick();
  void bnUndoClick();
  void bnPauseClick();
  void bnResumeClick();
  void bnInstructClick();
  void PuzzTimerTimer();
  void ResumeAfterDialog();
  // Called before a modal dialog: clock off, grid hidden, typing committed.
  void SuspendForDialog();

  virtual void bnPencilClick() {}
  virtual void bnReduceClick() {}
  virtual void bnSaveClick() = 0;
  virtual void bnFileClick() = 0;
  virtual void bnCreateClick() = 0;
  virtual void bnPrintClick() {}

 protected:
  // The kind's grid widget (dgPuzzle) and where a cell lies in it.
  virtual QWidget* Grid() const = 0;
  virtual QRect CellRect(int r, int c) const = 0;
  // Font point size for the typing box at a text length 1..9.
  virtual int TypingFontSize(int length) const = 0;
  virtual QString HeaderText() const = 0;
  virtual int SizePreset() const = 0;

  // Lays out the command column for a window of this height; returns its width.
  int LayoutCommandColumn(int height);
  int ButtonHeight() const;
  int ButtonWidth() const;
  void EnsureWindowSize(bool force);
  void InstallPuzzle();
  void PlaceTypingBox();
  // Creates the typing box inside the grid; the subclass calls it once its grid exists.
  void AttachTypingBox();

  void mousePressEvent(QMouseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  TfrmMain& main_;
  const int kind_;
  std::unique_ptr<PlayModel> model_;
  QCursor eraserCursor_;
  bool firstShow_ = true;
  bool syncingText_ = false;

 private:
  void edTextEdited(const QString& text);
  // A command button takes the keyboard from the typing box: what was typed
  // there becomes a move of its own before the command runs.
  void LeaveTypingBox();
  void UpdateEraseLook();
  void CreateShortcuts();
  bool eraseLook_ = false;
};

}  // namespace zorvek::app

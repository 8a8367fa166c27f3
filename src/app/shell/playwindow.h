#pragma once
// What every play window shares: the command column with its mode buttons,
// the header row with clock and Pause, the pause panel, the typing box and
// the handlers that map clicks and keys onto the play model.
#include <QCursor>
#include <QTimer>
#include <QWidget>

#include "core/play/play.h"
#include "draw/common/board.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace zorvek::app {

class THost;
class TKindCreateDialog;
class TPlayWindow;
class TCombinationsPanel;
class TNumbersPanel;

// What the command column holds between "Undo last move" and "Print this puzzle".
enum class CommandMiddle { kPencilCommands, kCombinations };

// dgPuzzle: the board of the kind, painted by its draw-layer board; mouse
// presses, drags and releases go to the window.
class TBoardWidget : public QWidget {
  Q_OBJECT
 public:
  TBoardWidget(TPlayWindow& owner, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  TPlayWindow& owner_;
};

// The eraser cursor drawn at the screen's device pixel ratio, so it keeps its
// size and sharpness on high-density screens.
QCursor EraserCursor(qreal devicePixelRatio);

class TPlayWindow : public QWidget {
  Q_OBJECT
 public:
  TPlayWindow(THost& host, int kind, CommandMiddle middle, QWidget* parent);
  ~TPlayWindow() override;

  int kind() const { return kind_; }
  PlayModel& model() { return *model_; }
  bool Erasing() const { return model_ && model_->Erasing(); }

  // Runs each time the kind is selected in the main window.
  virtual void FormShow();
  void LayoutWindow();
  TBoardWidget* dgPuzzle() const { return grid_; }
  const draw::Board& board() const { return *board_; }
  TKindCreateDialog* createDialog() const { return createDialog_; }
  void SetCreateDialog(TKindCreateDialog* dialog) { createDialog_ = dialog; }
  // What the board is painted with now.
  draw::BoardView View() const;
  void PaintBoard(QPainter& p);
  void dgPuzzleMouseDown(const QPoint& pos, Qt::MouseButton button);
  void dgPuzzleMouseMove(const QPoint& pos);
  void dgPuzzleMouseUp();
  // Gives the typing box its focus and text back (after the instructions close).
  void RestoreTypingFocus();
  // Mirrors the model into buttons, clock, typing box and grid.
  void SyncFromModel();

  // Controls, named as the game names them.
  QPushButton *bnInstruct, *bnClear, *bnFill, *bnCheck, *bnHint, *bnUndo, *bnPencil, *bnReduce;
  QPushButton *bnPrint, *bnSave, *bnFile, *bnCreate, *bnPause, *bnResume;
  QToolButton *bnMouse, *bnKeyboard, *bnErase;
  QWidget *PanelLeft, *PanelMode, *PanelPause;
  // The combination boxes, for kinds with clue sums (null otherwise).
  TNumbersPanel* PanelNumbers = nullptr;
  TCombinationsPanel *pbNumbers = nullptr, *pbNumbers2 = nullptr;
  QLabel *PanelTimer, *PanelHeader;
  // The hint line under the board: where to look, then what follows.
  QLabel* lblHint;
  QLineEdit *edText = nullptr, *edMover = nullptr;
  QTimer PuzzTimer, InitTimer;

  // Handlers shared by all kinds.
  void bnModeClick(int mode);
  void bnClearClick();
  void bnFillClick();
  void bnCheckClick();
  // First press: the cells to look at and the technique; second: what
  // follows; third: the step is made as one move.
  void bnHintClick();
  int HintStage() const { return hintStage_; }
  const Hint& CurrentHint() const { return hint_; }
  void bnUndoClick();
  void bnPauseClick();
  void bnResumeClick();
  void bnInstructClick();
  void PuzzTimerTimer();
  void ResumeAfterDialog();
  // Called before a modal dialog: clock off, grid hidden, typing committed.
  void SuspendForDialog();

  void bnPencilClick();
  void bnReduceClick();
  void bnSaveClick();
  void bnFileClick();
  // Loads a .puz file of this kind as "Load from file" does, messages included.
  bool LoadFile(const QString& path);
  void bnCreateClick();
  // Clock off and board hidden while "Print puzzle" is open, then resume.
  virtual void bnPrintClick();

 protected:
  // The kind's model adapter and board; the subclass calls this once, in its constructor.
  void AttachBoard(PlayAdapter& adapter, draw::Board& board);
  // Sizes the kind's board for the space beside the command column and below
  // the header; fonts are fitted on the board widget.
  virtual void LayoutBoard(QSize space) = 0;
  virtual QString HeaderText() const = 0;
  virtual int SizePreset() const = 0;
  // A board click the kind handles itself (a clue cell, a sign strip);
  // false leaves it to the common play rules.
  virtual bool BoardClick(const draw::BoardHit&, Qt::MouseButton) { return false; }
  // Hooks after the common commands, for what a kind keeps beside the board
  // (a selected clue, a combinations panel).
  virtual void AfterUndo() {}
  virtual void AfterClear() {}
  virtual void AfterFill() {}
  virtual void AfterCheck() {}
  virtual void AfterModeChange() {}
  virtual void AfterInstall() {}
  // After every sync of buttons, clock and typing box with the model (cursor
  // moves, typing, clicks): the place to refresh what follows the position.
  virtual void AfterSync() {}
  // Lays out the command column for a window of this height; returns its width.
  int LayoutCommandColumn(int height);
  // The header row above the board, kept wide enough for its whole text.
  void LayoutHeaderRow(const QRect& board, int column);
  int ButtonHeight() const;
  int ButtonWidth() const;
  void EnsureWindowSize(bool force);
  void InstallPuzzle();
  void PlaceTypingBox();

  void mousePressEvent(QMouseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  THost& host_;
  const int kind_;
  std::unique_ptr<PlayModel> model_;
  bool firstShow_ = true;
  bool syncingText_ = false;

 private:
  void AttachTypingBox();
  // The typing box takes the digits the puzzle allows (Kakuro's 0 when its puzzle does).
  void UpdateTypingValidator();
  void edTextEdited(const QString& text);
  // A command button takes the keyboard from the typing box: what was typed
  // there becomes a move of its own before the command runs.
  void LeaveTypingBox();
  void UpdateEraseLook();
  void ErasedCell();
  void CreateShortcuts();
  void ClearHint();
  void ShowHintLine(const QString& text);
  // Height of the hint line's row under the board.
  int HintLineHeight() const;
  bool eraseLook_ = false;
  const bool pencilCommands_;
  QFont headerFont_;
  draw::Board* board_ = nullptr;
  TBoardWidget* grid_ = nullptr;
  TKindCreateDialog* createDialog_ = nullptr;
  bool dragging_ = false;
  int lastMove_ = 0;  // the move the main window last heard of
  Hint hint_;
  int hintStage_ = 0;        // 0 none, 1 cells shown, 2 conclusion shown
  bool keepHint_ = false;    // a sync on behalf of the hint itself
};

}  // namespace zorvek::app

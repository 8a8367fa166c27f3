#pragma once
// The Kakuro play window: what Kakuro adds to the common play window is its
// board, clue selection with the automatic pencil marks, and the two
// combination boxes (the selected clue in Mouse mode; the across and down
// runs of the typing cursor in Type mode).
#include "app/shell/combinations.h"
#include "app/shell/playwindow.h"
#include "core/kakuro/play.h"
#include "draw/kakuro/board.h"

namespace zorvek::app {

class TfrmKakuro : public TPlayWindow {
  Q_OBJECT
 public:
  TfrmKakuro(THost& host, QWidget* parent);
  ~TfrmKakuro() override;

  const draw::kakuro::KakuroBoard& kakuroBoard() const { return board_; }
  // 0 nothing selected, 1 a clue is selected, 2 the check outlines are shown.
  int selectionState() const { return selectionState_; }
  const kakuro::KakRun& selectedClue() const { return selected_; }

  // The player's click on a black cell's half: selects its clue, shows its
  // combinations and narrows the run's pencil marks (one recorded move).
  void SelectClue(int row, int col, bool down);
  // After a new or loaded puzzle, undo, "Clear all" and a mode change: shows
  // the starting clue and its combinations, changing no cell.
  void SelectStartingClue();

 protected:
  void LayoutBoard(QSize space) override;
  QString HeaderText() const override;
  int SizePreset() const override;
  bool BoardClick(const draw::BoardHit& hit, Qt::MouseButton button) override;
  void AfterUndo() override;
  void AfterClear() override;
  void AfterFill() override;
  void AfterCheck() override;
  void AfterModeChange() override;
  void AfterInstall() override;
  void AfterSync() override;

 private:
  void EndSelection();
  void RefreshTypeBoxes();
  void ShowSelection(const kakuro::KakRun& run, const sums::Combinations& list);

  kakuro::KakuroPlayAdapter adapter_;
  draw::kakuro::KakuroBoard board_;
  int selectionState_ = 0;
  kakuro::KakRun selected_;
};

}  // namespace zorvek::app

#pragma once
// The Sudoku play window: what Sudoku adds to the common play window is its
// board and the two pencil-mark commands.
#include "app/shell/playwindow.h"
#include "core/sudoku/play.h"
#include "draw/sudoku/board.h"

namespace zorvek::app {

class TfrmSudNew;

class TfrmSudoku : public TPlayWindow {
  Q_OBJECT
 public:
  TfrmSudoku(THost& host, QWidget* parent);
  ~TfrmSudoku() override;

  const draw::sudoku::SudokuBoard& sudokuBoard() const { return board_; }

 protected:
  void LayoutBoard(QSize space) override;
  QString HeaderText() const override;
  int SizePreset() const override { return 1; }

 private:
  sudoku::SudokuPlayAdapter adapter_;
  draw::sudoku::SudokuBoard board_;
};

}  // namespace zorvek::app

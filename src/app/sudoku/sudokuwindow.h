#pragma once
// The Sudoku play window: the 9 x 9 grid, its drawing and mouse handling,
// the two pencil-mark commands, files and the create dialog.
#include "core/shell/play_sudoku.h"
#include "app/shell/playwindow.h"

namespace zorvek::app {

class TfrmSudNew;
class TfrmSudoku;

// dgPuzzle: every line is drawn per cell, the grid itself has none.
class SudokuGrid : public QWidget {
  Q_OBJECT
 public:
  explicit SudokuGrid(TfrmSudoku& owner, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  TfrmSudoku& owner_;
};

class TfrmSudoku : public TPlayWindow {
  Q_OBJECT
 public:
  TfrmSudoku(TfrmMain& main, QWidget* parent);
  ~TfrmSudoku() override;

  void FormShow() override;
  void LayoutWindow() override;
  void bnPencilClick() override;
  void bnReduceClick() override;
  void bnSaveClick() override;
  void bnFileClick() override;
  void bnCreateClick() override;

  SudokuGrid* dgPuzzle() const { return grid_; }
  TfrmSudNew* createDialog() const { return frmSudNew_; }
  int cellSize() const { return cellSize_; }
  QRect CellRect(int r, int c) const override;
  // The cell under a point of the grid, false outside it.
  bool CellAt(const QPoint& p, int& r, int& c) const;
  int digitFontSize() const { return digitSize_; }

  void dgPuzzleDrawCell(QPainter& p, int r, int c);
  void dgPuzzleMouseDown(const QPoint& pos, Qt::MouseButton button);
  void dgPuzzleMouseMove(const QPoint& pos);
  void dgPuzzleMouseUp();

 protected:
  QWidget* Grid() const override;
  int TypingFontSize(int length) const override;
  QString HeaderText() const override;
  int SizePreset() const override { return 1; }

 private:
  void ComputeFonts();
  sudoku::SudokuPlayAdapter adapter_;
  SudokuGrid* grid_;
  TfrmSudNew* frmSudNew_;
  int cellSize_ = 36;
  int digitSize_ = 20;
  int pencilSize_ = 8;
  int typedSize_[10] = {};
  bool dragging_ = false;
};

}  // namespace zorvek::app

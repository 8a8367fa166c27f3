#pragma once
// The 9 x 9 Sudoku board: square cells inside a heavy frame, heavy 3 x 3 box
// lines, givens, entries, the pencil mini-grid, typed text and check outlines.
#include "core/sudoku/record.h"
#include "draw/common/board.h"

class QPaintDevice;

namespace zorvek::draw::sudoku {

class SudokuBoard : public Board {
 public:
  // The frame and the box lines are this wide; the board is 9 cells plus
  // half of it on each side.
  static constexpr int kHeavyLine = 4;
  static constexpr int kMargin = kHeavyLine / 2;

  explicit SudokuBoard(const zorvek::sudoku::SudPuzzle& puzzle) : puzzle_(puzzle) {}

  // The largest cell, a multiple of 3 and at most maxCell when that is
  // positive, for which 9 cells fit the space; fonts are fitted on `device`.
  static int CellSizeFor(QSize space, int maxCell);
  void Layout(int cellSize, const QPaintDevice* device);

  int cellSize() const { return cell_; }
  int digitFontSize() const { return digitSize_; }

  QSize Size() const override;
  QRect CellRect(int row, int col) const override;
  BoardHit HitTest(const QPoint& p) const override;
  int TypingFontSize(int length) const override;
  void Paint(QPainter& p, const BoardView& view) const override;

 private:
  void PaintCell(QPainter& p, const BoardView& view, int r, int c) const;

  const zorvek::sudoku::SudPuzzle& puzzle_;
  int cell_ = 36;
  int digitSize_ = 20;
  int pencilSize_ = 8;
  int typedSize_[10] = {};
};

}  // namespace zorvek::draw::sudoku

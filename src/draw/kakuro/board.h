#pragma once
// The Kakuro board: (rows+1) x (cols+1) square cells, black clue cells with a
// white diagonal and their sums, white cells with entries, the pencil
// mini-grid or typed text, the blue outline of a selected clue and the check
// outlines. On paper the clue cells are dark grey and only digits show.
#include "core/kakuro/record.h"
#include "core/kakuro/play.h"
#include "draw/common/board.h"

class QPaintDevice;

namespace zorvek::draw::kakuro {

// BoardHit::part on a black cell: which half of it is under the point.
constexpr int kPartAcross = 1;  // upper-right triangle
constexpr int kPartDown = 2;    // lower-left triangle, diagonal included

class KakuroBoard : public Board {
 public:
  KakuroBoard(const zorvek::kakuro::KakHeader& header, const zorvek::kakuro::KakGrid& grid)
      : header_(header), grid_(grid) {}

  // The largest cell, a multiple of 3 and at most maxCell when that is
  // positive, for which the puzzle's cells fit the space.
  static int CellSizeFor(QSize space, int rows, int cols, int maxCell);
  // Fits the fonts for this cell size, measured on `device`.
  void Layout(int cellSize, const QPaintDevice* device);

  int rows() const;  // shown rows: the puzzle's rows + 1 (at least 8)
  int cols() const;
  int cellSize() const { return cell_; }
  int digitFontSize() const { return digitSize_; }
  int clueFontSize() const { return clueSize_; }
  int pencilFontSize() const { return pencilSize_; }
  // The clue shown selected (outlined in blue with its run); invalid for none.
  void SetSelectedRun(const zorvek::kakuro::KakRun& run) { selected_ = run; }
  const zorvek::kakuro::KakRun& selectedRun() const { return selected_; }

  QSize Size() const override;
  QRect CellRect(int row, int col) const override;
  BoardHit HitTest(const QPoint& p) const override;
  int TypingFontSize(int length) const override;
  void Paint(QPainter& p, const BoardView& view) const override;

 private:
  void PaintClue(QPainter& p, const BoardView& view, int r, int c) const;
  void PaintWhite(QPainter& p, const BoardView& view, int r, int c) const;

  const zorvek::kakuro::KakHeader& header_;
  const zorvek::kakuro::KakGrid& grid_;
  int cell_ = 36;
  int digitSize_ = 20;
  int clueSize_ = 10;
  int pencilSize_ = 8;
  int typedSize_[10] = {};
  zorvek::kakuro::KakRun selected_;
};

}  // namespace zorvek::draw::kakuro

#pragma once
// The N x N Futoshiki board. Every cell of pitch p holds a white digit square
// of side W = 4p/5 in its top-left corner; the strip to its right and the
// strip below it carry the cell's two signs as chevrons. On screen the
// squares show givens, entries, the pencil mini-grid of 1..N, typed text and
// check outlines; on paper, outlined squares with givens and entries only.
#include "core/futoshiki/record.h"
#include "draw/common/board.h"

class QPaintDevice;

namespace zorvek::draw::futoshiki {

// Hit parts besides the mini-grid zones 1..9.
constexpr int kRightStrip = 10;
constexpr int kBottomStrip = 11;

class FutoshikiBoard : public Board {
 public:
  FutoshikiBoard(const zorvek::futoshiki::FutHeader& header, const zorvek::futoshiki::FutGrid& grid)
      : header_(header), grid_(grid) {}

  // The pitch for n cells in a space: width and height each divided by n and
  // rounded down to a multiple of 3, the width's value capped at
  // maxWidthPitch when that is positive; the smaller of the two.
  static int PitchFor(int n, QSize space, int maxWidthPitch);
  // Lays the board out for the header's size at this pitch; fonts are fitted
  // on `device`.
  void Layout(int pitch, const QPaintDevice* device);
  int n() const { return n_; }
  int pitch() const { return pitch_; }
  int squareSize() const { return square_; }
  int miniSize() const { return mini_; }
  int digitFontSize() const { return digitSize_; }
  // The whole grid cell, strips included.
  QRect PitchRect(int row, int col) const;

  QSize Size() const override;
  // The digit square: where digits, marks, outlines and the typing box go.
  QRect CellRect(int row, int col) const override;
  // part 1..9: the mini-grid zone under the point; kRightStrip or kBottomStrip.
  BoardHit HitTest(const QPoint& p) const override;
  int TypingFontSize(int length) const override;
  void Paint(QPainter& p, const BoardView& view) const override;

 private:
  void PaintSquare(QPainter& p, const BoardView& view, int r, int c) const;
  void PaintSigns(QPainter& p, const BoardView& view, int r, int c) const;
  // Pen width of the printed squares and chevrons (the view's, else one
  // that follows the pitch); chevrons keep twice it clear of the squares.
  int PaperLine(const BoardView& view) const;

  const zorvek::futoshiki::FutHeader& header_;
  const zorvek::futoshiki::FutGrid& grid_;
  int n_ = 5;
  int pitch_ = 60;
  int square_ = 48;
  int mini_ = 16;
  int digitSize_ = 20;
  int pencilSize_ = 8;
  int typedSize_[10] = {};
};

}  // namespace zorvek::draw::futoshiki

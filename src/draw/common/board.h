#pragma once
// A kind's board: its geometry once laid out, the hit test that maps a point
// to a cell, and painting. The screen and the printed page use the same board;
// only the view differs. Painting reads the puzzle block and never changes it.
#include <QPainterPath>
#include <QRect>
#include <QSize>
#include <algorithm>

#include "core/play/hint.h"
#include "draw/common/style.h"

class QPainter;

namespace zorvek::draw {

class Board {
 public:
  virtual ~Board() = default;
  // The board's size once laid out; it paints from (0, 0).
  virtual QSize Size() const = 0;
  virtual QRect CellRect(int row, int col) const = 0;
  virtual BoardHit HitTest(const QPoint& p) const = 0;
  // Point size of typed text of `length` characters (1..9) in a cell.
  virtual int TypingFontSize(int length) const = 0;
  virtual void Paint(QPainter& p, const BoardView& view) const = 0;

  // Typed text in a cell without an entry is a note, never an answer: it is
  // drawn grey, and a lone digit at three quarters of an entry's size, so
  // that only a digit the cell holds looks entered.
  int NoteFontSize(int length) const {
    return length <= 1 ? std::max(4, TypingFontSize(1) * 3 / 4) : TypingFontSize(length);
  }
  void PaintNote(QPainter& p, const QRect& area, const char* text, int length) const;

  // A cell's outline, for what is drawn over it (a square unless the kind's
  // cells are not).
  virtual QPainterPath CellShape(int row, int col) const;
  // A hint over the painted board: its proving cells tinted; with the
  // conclusion, the cells it changes outlined too.
  void PaintHint(QPainter& p, const Hint& hint, bool conclusion) const;
};

}  // namespace zorvek::draw

#pragma once
// The HexKakuro board: flat-topped hexagons from the hexagon geometry, clue sums,
// entries, the nine-polygon pencil grid inside a white hexagon, typed text
// and check outlines along the hexagon. On paper: outlines, sums and entries
// (or the solution) only.
#include <QPolygon>

#include "core/hexkakuro/record.h"
#include "draw/common/board.h"
#include "draw/hexkakuro/geometry.h"

class QPaintDevice;

namespace zorvek::draw::hexkakuro {

inline const QColor kClueBlue(0, 0, 255);
inline const QColor kRemovedGrey(128, 128, 128);

class HexKakuroBoard : public Board {
 public:
  HexKakuroBoard(const zorvek::hexkakuro::HexHeader& settings, const zorvek::hexkakuro::HexGrid& grid)
      : settings_(settings), grid_(grid) {}

  // Takes the grid size from the settings block, the largest units whose
  // board fits `space` (Size() is never larger, down to the smallest
  // hexagons drawn) and fits the fonts on `device`; a screen window and a
  // printed slot alike.
  void Fit(QSize space, const QPaintDevice* device);

  // The clue drawn as selected (blue) on screen; (0, 0) for none.
  void SetSelectedClue(int row, int col) { selRow_ = row, selCol_ = col; }
  int selectedRow() const { return selRow_; }
  int selectedCol() const { return selCol_; }

  const HexUnits& units() const { return units_; }
  int rows() const { return rows_; }
  int cols() const { return cols_; }
  int clueFontSize() const { return clueSize_; }
  int entryFontSize() const { return entrySize_; }
  int miniFontSize() const { return miniSize_; }
  HexCellGeometry Geometry(int row, int col) const;
  QPolygon Hexagon(int row, int col) const;
  // The mini-cell polygon of digit 1..9 inside a white hexagon.
  QPolygon MiniCell(int row, int col, int digit) const;

  QSize Size() const override;
  // The typing box's place: the cell's text box, centred vertically in the
  // hexagon, with 3 pixels around it.
  QRect CellRect(int row, int col) const override;
  QPainterPath CellShape(int row, int col) const override;
  // A cell of the grid (kind not 0, rows and columns from 1) and, for the
  // part, the mini-digit 1..9 under the point.
  BoardHit HitTest(const QPoint& p) const override;
  int TypingFontSize(int length) const override;
  void Paint(QPainter& p, const BoardView& view) const override;

 private:
  void PaintMiniGrid(QPainter& p, int r, int c) const;
  void PaintCheck(QPainter& p, int r, int c) const;
  QRect TextArea(int r, int c) const;  // x0+u .. x0+3u, y0 .. y0+2h

  const zorvek::hexkakuro::HexHeader& settings_;
  const zorvek::hexkakuro::HexGrid& grid_;
  HexUnits units_{10, 17};
  int rows_ = 9, cols_ = 9;
  int selRow_ = 0, selCol_ = 0;
  int clueSize_ = 12, entrySize_ = 14, miniSize_ = 6;
  int typedSize_[10] = {};
  int boxHeight_ = 16;
  // Text placement in the mini-grid, measured once per layout.
  int miniAdvance_ = 5, miniHeight_ = 8;
};

}  // namespace zorvek::draw::hexkakuro

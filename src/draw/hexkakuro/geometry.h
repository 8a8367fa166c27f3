#pragma once
// HexKakuro's hexagons in paint-box pixels, the same numbers on screen and on
// paper: the units a grid is drawn at, the largest units that fit a space,
// each cell's corners and text box, and the cell under a click.
#include <QSize>
#include <array>

#include "core/hexkakuro/geometry.h"

namespace zorvek::draw::hexkakuro {

using zorvek::hexkakuro::HexPos;

// u is a quarter of a hexagon's width, h half its height.
struct HexUnits {
  int u = 0;
  int h = 0;
};

// The paint box that holds a grid: (2u·k + 5) x (2h·rows + 5), k = (3·cols + 1) div 2.
QSize PaintBoxSize(const HexUnits& units, int rows, int cols);

// The largest units, hexagons about regular, whose paint box fits `space`; a
// grid smaller than 9 x 9 is sized as 9 x 9. The window, the printed page and
// the tests all size the board with this.
HexUnits UnitsToFit(QSize space, int rows, int cols);

struct HexPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const HexPoint&, const HexPoint&) = default;
};

struct HexCellGeometry {
  HexPoint origin;              // x0, y0: left edge and top of the cell
  std::array<HexPoint, 6> vertices;  // top left, top right, right, bottom right, bottom left, left
  int textLeft = 0;             // the box where an edited entry is shown,
  int textRight = 0;            // centred vertically in the cell
};

HexCellGeometry CellGeometry(const HexUnits& units, int r, int c);

// The part of HitTest that needs no cell kinds; true with a cell in rows
// 1..rows and columns 1..cols.
bool HitTestPosition(const HexUnits& units, int rows, int cols, int x, int y, HexPos& hit);

// The cell a click at paint-box point (x, y) lands on, for a grid of the given
// size whose cell kinds `kindAt(r, c)` reports; false for a click outside
// every cell, on row or column 0, or on a cell of kind 0.
template <typename KindAt>
bool HitTest(const HexUnits& units, int rows, int cols, int x, int y, KindAt kindAt, HexPos& hit) {
  HexPos p;
  if (!HitTestPosition(units, rows, cols, x, y, p)) return false;
  if (kindAt(p.row, p.col) == zorvek::hexkakuro::kHexNone) return false;
  hit = p;
  return true;
}

}  // namespace zorvek::draw::hexkakuro

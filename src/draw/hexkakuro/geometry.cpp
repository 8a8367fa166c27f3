#include "draw/hexkakuro/geometry.h"

#include <cmath>

namespace zorvek::draw::hexkakuro {
namespace {

constexpr double kSin60 = 0.86602540378443864676;
constexpr double kTan60 = 1.73205080756887729353;

HexPoint Origin(const HexUnits& units, int r, int c) {
  const int y = (r - 1) * 2 * units.h + (c % 2 == 0 ? units.h : 0);
  return {(c - 1) * 3 * units.u, y};
}

}  // namespace

QSize PaintBoxSize(const HexUnits& units, int rows, int cols) {
  const int k = (3 * cols + 1) / 2;
  return QSize(2 * units.u * k + 5, 2 * units.h * rows + 5);
}

HexUnits UnitsToFit(QSize space, int rows, int cols) {
  if (rows < 9) rows = 9;
  if (cols < 9) cols = 9;
  const int k = (3 * cols + 1) / 2;
  // The widest 2u and the tallest h the box allows; the narrower of the two
  // sets the other through the hexagon's 60-degree sides.
  const int w = (space.width() - 5) / k;
  const int hh = (space.height() - 5) / (2 * rows);
  HexUnits units;
  if (hh < w * kSin60) {
    units.h = hh;
    units.u = static_cast<int>(std::lround(hh / (2 * kSin60)));
  } else {
    units.h = static_cast<int>(std::lround(w * kSin60));
    units.u = w / 2;
  }
  return units;
}

HexCellGeometry CellGeometry(const HexUnits& units, int r, int c) {
  const int u = units.u;
  const int h = units.h;
  HexCellGeometry g;
  g.origin = Origin(units, r, c);
  const int x0 = g.origin.x;
  const int y0 = g.origin.y;
  g.vertices = {HexPoint{x0 + u, y0},         HexPoint{x0 + 3 * u, y0},
                HexPoint{x0 + 4 * u, y0 + h}, HexPoint{x0 + 3 * u, y0 + 2 * h},
                HexPoint{x0 + u, y0 + 2 * h}, HexPoint{x0, y0 + h}};
  const int m = static_cast<int>(std::lround(h / (kTan60 * 1.5)));
  g.textLeft = x0 + 1 + u - m;
  g.textRight = x0 - 1 + 3 * u + m;
  return g;
}

bool HitTestPosition(const HexUnits& units, int rows, int cols, int x, int y, HexPos& hit) {
  const int u = units.u;
  const int h = units.h;
  int r = 0;
  int c = 0;
  bool found = false;
  for (c = 0; c <= cols && !found; ++c) {
    for (r = 0; r <= rows; ++r) {
      const HexPoint o = Origin(units, r, c);
      if (o.x + 4 * u >= x && o.y + 2 * h >= y) {
        found = true;
        break;
      }
    }
    if (found) break;
  }
  if (!found) return false;
  // Beyond the upper-right slanted edge: the neighbour up and to the right.
  HexPoint o = Origin(units, r, c);
  double dx = x - (o.x + 3 * u);
  double dy = y - o.y;
  if (!(dy >= dx * kTan60)) {
    if (c == cols) return false;
    if (c % 2 != 0) --r;
    ++c;
  }
  // Beyond the lower-right slanted edge: the neighbour down and to the right.
  o = Origin(units, r, c);
  dx = x - (o.x + 3 * u);
  dy = (o.y + 2 * h) - y;
  if (!(dy >= dx * kTan60)) {
    if (c == cols) return false;
    ++c;
    if (c % 2 != 0) ++r;
  }
  // A click above the top row of an odd column steps to row -1; like row 0
  // and the bottom frame row it is no cell.
  if (r < 1 || c < 1 || r > rows) return false;
  hit = {r, c};
  return true;
}

}  // namespace zorvek::draw::hexkakuro

// HexKakuro's pixel geometry: the units the window and the printed page size
// their boards with, and the cell a click lands on.
#include <QtTest>
#include <cmath>
#include <tuple>

#include "draw/hexkakuro/geometry.h"

using namespace zorvek::hexkakuro;
using namespace zorvek::draw::hexkakuro;

class HexKakuroGeometryTest : public QObject {
  Q_OBJECT
 private slots:
  void unitsAreTheLargestThatFit() {
    for (auto [rows, cols] : {std::pair{9, 9}, std::pair{11, 13}})
      for (int width = 100; width <= 2000; width += 37)
        for (int height = 100; height <= 2000; height += 41) {
          const QSize space(width, height);
          const HexUnits units = UnitsToFit(space, rows, cols);
          const QString where = QStringLiteral("%1x%2 in %3x%4").arg(rows).arg(cols).arg(width).arg(height);
          const QSize box = PaintBoxSize(units, rows, cols);
          QVERIFY2(box.width() <= width && box.height() <= height, qPrintable(where));
          // One unit more on both sides no longer fits: the tighter side is full.
          const QSize bigger = PaintBoxSize({units.u + 1, units.h + 1}, rows, cols);
          QVERIFY2(bigger.width() > width || bigger.height() > height, qPrintable(where));
          // Regular hexagons: h is u times the square root of 3, give or take the rounding.
          QVERIFY2(std::abs(units.h - units.u * std::sqrt(3.0)) <= 1.5, qPrintable(where));
        }
    // A grid below 9 x 9 is laid out as 9 x 9.
    QCOMPARE(UnitsToFit(QSize(800, 700), 5, 5).u, UnitsToFit(QSize(800, 700), 9, 9).u);
  }

  void clicksFindTheCellUnderThem() {
    const HexUnits units{10, 17};
    const HexPos none{-1, -1};
    const auto white = [](int, int) { return kHexWhite; };
    // Every hexagon's centre finds its own cell.
    HexPos p;
    for (auto [rows, cols] : {std::pair{9, 9}, std::pair{11, 13}})
      for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= cols; ++c) {
          const HexCellGeometry g = CellGeometry(units, r, c);
          QVERIFY(HitTestPosition(units, rows, cols, g.origin.x + 20, g.origin.y + 17, p));
          QCOMPARE(p, (HexPos{r, c}));
        }
    // Near slanted edges, and outside the board (right of the last column, in
    // column 0, row 0 of an even column, above the box).
    for (auto [x, y, cell] : {std::tuple{97, 71, HexPos{2, 4}}, {97, 100, {3, 4}}, {127, 117, {4, 5}},
                              {278, 70, none}, {281, 85, none}, {5, 40, none}, {110, 5, none}, {97, -30, none}}) {
      p = none;
      HitTest(units, 9, 9, x, y, white, p);
      QVERIFY2(p == cell, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
    QVERIFY(!HitTest(units, 9, 9, 80, 85, [](int, int) { return kHexNone; }, p));
  }
};

QTEST_MAIN(HexKakuroGeometryTest)
#include "hexkakuro_geometry_test.moc"

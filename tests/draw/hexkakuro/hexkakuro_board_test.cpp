// The HexKakuro board painted into images: hexagon colours, the pencil
// polygons, check bands, the paper style, and hit tests that agree with
// what is drawn.
#include <QtTest>

#include "core/play/play.h"
#include "draw/board_image.h"
#include "draw/hexkakuro/board.h"

using namespace zorvek;
using namespace zorvek::hexkakuro;
using zorvek::draw::hexkakuro::HexCellGeometry;
using zorvek::draw::hexkakuro::HexKakuroBoard;
using namespace zorvek::testing;

namespace {

// Every lattice position in use: clues of 3 over two cells, whites of 1.
void FullPattern(HexHeader& s, HexGrid& g, int rows, int cols) {
  s = HexHeader{kEasy, {}, rows, cols, 0, kTimerRunning, {}};
  g = HexGrid{};
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) {
      HexGridCell& x = g.cells[r][c];
      if (IsCluePosition(r, c)) {
        x.kind = kHexClue, x.number = 3, x.count = 2;
      } else if (IsWhitePosition(r, c, rows)) {
        x.kind = kHexWhite, x.number = 1;
      }
    }
}

QPoint Centre(const HexKakuroBoard& b, int r, int c) {
  const HexCellGeometry g = b.Geometry(r, c);
  return QPoint(g.origin.x + 2 * b.units().u, g.origin.y + b.units().h);
}

// A point well inside a mini-cell polygon: the mean of its corners.
QPoint Inside(const QPolygon& poly) {
  QPoint sum;
  for (const QPoint& p : poly) sum += p;
  return sum / poly.size();
}

}  // namespace

class HexKakuroBoardTest : public QObject {
  Q_OBJECT
 private slots:
  // UnitsToFit is tested for every size in the geometry test; here the fonts
  // fitted to the units.
  void fitsItsFonts() {
    HexHeader s;
    HexGrid g;
    const QImage probe = Device();
    for (auto [rows, cols] : {std::pair{9, 9}, std::pair{11, 13}}) {
      FullPattern(s, g, rows, cols);
      HexKakuroBoard board(s, g);
      board.Fit(QSize(120, 90), &probe);
      for (int size : {board.clueFontSize(), board.entryFontSize(), board.miniFontSize(), board.TypingFontSize(9)})
        QVERIFY(size >= 5);
      QVERIFY(board.TypingFontSize(9) <= board.TypingFontSize(2));
      board.Fit(QSize(700, 600), &probe);
      QVERIFY(board.Size().width() <= 700 && board.Size().height() <= 600);
      const QRect tight = QFontMetrics(draw::DrawingFont(board.clueFontSize()), &probe).tightBoundingRect("66");
      QVERIFY(tight.width() <= 2 * board.units().u && tight.height() <= 2 * board.units().u);
    }
  }

  void screenColoursMarksAndChecks() {
    HexHeader s;
    HexGrid g;
    FullPattern(s, g, 9, 9);
    g.cells[2][2].kind = kHexRemoved;
    g.cells[2][3].marks[4] = 1;  // a pencilled 5
    g.cells[3][2].entry = 1;
    g.cells[3][2].check = 1;
    g.cells[2][4].marks[0] = 1;
    g.cells[2][4].check = 2;
    const QImage probe = Device();
    HexKakuroBoard board(s, g);
    board.Fit(QSize(600, 600), &probe);
    board.SetSelectedClue(1, 7);
    draw::BoardView view;
    view.mode = kModeMouse;
    QImage image = Paint(board, view);
    const int u = board.units().u;
    QCOMPARE(image.pixelColor(Centre(board, 2, 2)), QColor(128, 128, 128));
    QCOMPARE(image.pixelColor(Centre(board, 1, 3) + QPoint(-u, 0)), QColor(Qt::black));
    QCOMPARE(image.pixelColor(Centre(board, 1, 7) + QPoint(-u, 0)), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(board.MiniCell(2, 3, 5).point(0) + QPoint(2, 2)), QColor(255, 255, 0));
    QCOMPARE(image.pixelColor(board.MiniCell(2, 3, 8).point(0) + QPoint(2, 2)), QColor(Qt::white));
    // Kind 0 is not drawn, and each hexagon has its black top edge.
    QCOMPARE(image.pixelColor(Centre(board, 1, 1)), QColor(255, 255, 202));
    const HexCellGeometry g23 = board.Geometry(2, 3);
    QCOMPARE(image.pixelColor(g23.origin.x + 2 * u, g23.origin.y), QColor(Qt::black));

    // Check bands: 3 pixels from one pixel inside the outline, only while shown.
    view.checkDisplay = true;
    image = Paint(board, view);
    auto band = [&](int r, int c, int inset) {
      const HexCellGeometry geo = board.Geometry(r, c);
      return image.pixelColor(geo.origin.x + 2 * u, geo.origin.y + inset);
    };
    QCOMPARE(band(3, 2, 1), QColor(0, 236, 0));
    QCOMPARE(band(3, 2, 3), QColor(0, 236, 0));
    QCOMPARE(band(2, 4, 2), QColor(249, 61, 6));
    QCOMPARE(band(2, 4, 0), QColor(Qt::black));
    QVERIFY(band(2, 4, 5) != QColor(249, 61, 6));
    QVERIFY(band(2, 3, 2) != QColor(0, 236, 0) && band(2, 3, 2) != QColor(249, 61, 6));

    // Type mode: no mini-grids, the cursor hexagon yellow.
    view.checkDisplay = false;
    view.mode = kModeType;
    view.cursorRow = 2, view.cursorCol = 4;
    image = Paint(board, view);
    QCOMPARE(image.pixelColor(Centre(board, 2, 4) + QPoint(-3 * u / 2, 0)), QColor(255, 255, 0));
    QCOMPARE(image.pixelColor(board.MiniCell(2, 3, 5).point(0) + QPoint(2, 2)), QColor(Qt::white));

    // Paper: no selection, marks, cursor or outlines; the solution in dark grey.
    view.paper = true;
    view.solution = true;
    view.checkDisplay = true;
    image = Paint(board, view);
    QCOMPARE(image.pixelColor(Centre(board, 1, 7) + QPoint(-u, 0)), QColor(72, 72, 72));  // clues print dark grey
    QCOMPARE(image.pixelColor(Centre(board, 1, 1)), QColor(Qt::magenta));
    bool grey = false;
    const QRect text = board.CellRect(2, 3);
    for (int y = text.top(); y <= text.bottom(); ++y)
      for (int x = text.left(); x <= text.right(); ++x) {
        const QColor px = image.pixelColor(x, y);
        QVERIFY(px != QColor(255, 255, 0) && px != QColor(0, 236, 0) && px != QColor(249, 61, 6));
        grey = grey || px == QColor(72, 72, 72);
      }
    QVERIFY(grey);
  }

  void hitTestsAgreeWithTheDrawing() {
    HexHeader s;
    HexGrid g;
    FullPattern(s, g, 9, 9);
    const QImage probe = Device();
    HexKakuroBoard board(s, g);
    board.Fit(QSize(640, 640), &probe);
    for (int d = 1; d <= 9; ++d) {
      const draw::BoardHit hit = board.HitTest(Inside(board.MiniCell(4, 3, d)));
      QVERIFY(hit.inside);
      QCOMPARE(hit.row, 4);
      QCOMPARE(hit.col, 3);
      QCOMPARE(hit.part, d);
    }
    // Slanted edges and the board's outline are tested in the geometry test.
    // A clue is a cell without mini-digits; kind 0 is no cell.
    const draw::BoardHit clue = board.HitTest(Centre(board, 1, 3));
    QVERIFY(clue.inside && clue.row == 1 && clue.col == 3 && clue.part == 0);
    QVERIFY(!board.HitTest(Centre(board, 1, 1)).inside);
  }
};

QTEST_MAIN(HexKakuroBoardTest)
#include "hexkakuro_board_test.moc"

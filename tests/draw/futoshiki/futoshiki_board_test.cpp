// The Futoshiki board painted into images: pitch and zones, chevrons in all
// four directions, the mini-grid of a small board, and the paper style.
#include <QtTest>

#include "core/common/types.h"
#include "core/play/play.h"
#include "draw/board_image.h"
#include "draw/futoshiki/board.h"

using namespace zorvek;
using zorvek::draw::futoshiki::FutoshikiBoard;
using namespace zorvek::testing;

namespace {

struct Puzzle {
  futoshiki::FutHeader header{};
  futoshiki::FutGrid grid{};
  explicit Puzzle(int n) {
    header.size = n;
    for (int r = 0; r < n; ++r)
      for (int c = 0; c < n; ++c) grid.cells[r][c].solution = (r + c) % n + 1;
  }
};

}  // namespace

class FutoshikiBoardTest : public QObject {
  Q_OBJECT
 private slots:
  void pitchSquareAndZones() {
    // Width 640 / 7 = 91 -> 90, height 500 / 7 = 71 -> 69: the smaller wins.
    QCOMPARE(FutoshikiBoard::PitchFor(7, QSize(640, 500), 90), 69);
    // The cap applies to the width's value only.
    QCOMPARE(FutoshikiBoard::PitchFor(5, QSize(1000, 1000), 90), 90);
    QCOMPARE(FutoshikiBoard::PitchFor(5, QSize(1000, 1000), 0), 198);
    Puzzle puzzle(7);
    FutoshikiBoard board(puzzle.header, puzzle.grid);
    const QImage probe = Device();
    board.Layout(69, &probe);
    QCOMPARE(board.squareSize(), 55);
    QCOMPARE(board.miniSize(), 18);
    QCOMPARE(board.Size(), QSize(7 * 69, 7 * 69));
    QCOMPARE(board.CellRect(2, 3), QRect(3 * 69, 2 * 69, 55, 55));

    const QPoint origin = board.PitchRect(2, 3).topLeft();
    auto part = [&](int x, int y) {
      const draw::BoardHit hit = board.HitTest(origin + QPoint(x, y));
      return hit.inside && hit.row == 2 && hit.col == 3 ? hit.part : -1;
    };
    QCOMPARE(part(0, 0), 1);
    QCOMPARE(part(18, 18), 1);  // a zone's far edge belongs to it
    QCOMPARE(part(19, 18), 2);
    QCOMPARE(part(37, 40), 9);
    QCOMPARE(part(55, 55), 9);
    QCOMPARE(part(56, 10), draw::futoshiki::kRightStrip);
    QCOMPARE(part(10, 56), draw::futoshiki::kBottomStrip);
    QCOMPARE(part(68, 68), draw::futoshiki::kBottomStrip);
    QVERIFY(!board.HitTest(QPoint(7 * 69, 5)).inside);
  }

  void chevronsPointFromGreaterToSmaller() {
    Puzzle puzzle(5);
    puzzle.grid.cells[0][0].signRight = 1;  // ">"
    puzzle.grid.cells[1][0].signRight = 2;  // "<"
    puzzle.grid.cells[2][0].signDown = 1;   // points down
    puzzle.grid.cells[2][2].signDown = 2;   // points up
    FutoshikiBoard board(puzzle.header, puzzle.grid);
    const QImage probe = Device();
    board.Layout(60, &probe);
    const int w = board.squareSize(), p = 60;  // 48, strips of 12
    draw::BoardView view;
    const QImage image = Paint(board, view);
    // Right strip: the tip lies at the middle of one side, 3 pixels in.
    QVERIFY(IsBlack(image, QPoint(p - 4, w / 2)));
    QVERIFY(!IsBlack(image, QPoint(w + 4, w / 2)));
    QVERIFY(IsBlack(image, QPoint(w + 3, p + w / 2)));
    QVERIFY(!IsBlack(image, QPoint(p - 4, p + w / 2)));
    // Bottom strip.
    QVERIFY(IsBlack(image, QPoint(w / 2, 2 * p + p - 4)));
    QVERIFY(!IsBlack(image, QPoint(w / 2, 2 * p + w + 4)));
    QVERIFY(IsBlack(image, QPoint(2 * p + w / 2, 2 * p + w + 3)));
    QVERIFY(!IsBlack(image, QPoint(2 * p + w / 2, 2 * p + p - 4)));
    // No sign, no ink; the strips show the window's yellow.
    QCOMPARE(image.pixelColor(3 * p + w + 6, w / 2), QColor(255, 255, 202));
    QVERIFY(!IsBlack(image, QPoint(3 * p + w + 6, w / 2)));
  }

  void smallBoardShowsOnlyItsDigits() {
    Puzzle puzzle(5);
    puzzle.grid.cells[0][0].marks[4] = 1;  // 5
    puzzle.grid.cells[0][0].marks[6] = 1;  // 7: not a digit of this board
    puzzle.grid.cells[1][1].given = 1;
    puzzle.grid.cells[1][1].check = 1;
    puzzle.grid.cells[1][2].entry = 4;
    puzzle.grid.cells[1][2].check = 2;
    FutoshikiBoard board(puzzle.header, puzzle.grid);
    const QImage probe = Device();
    board.Layout(60, &probe);
    const int t = board.miniSize();
    draw::BoardView view;
    view.checkDisplay = true;
    const QImage image = Paint(board, view);
    const QRect five(t + 2, t + 2, t - 3, t - 3), seven(2, 2 * t + 2, t - 3, t - 3);
    QVERIFY(CountColour(image, five, draw::kMarkYellow) > 0);
    QVERIFY(CountColour(image, five, Qt::black) > 0);
    QCOMPARE(CountColour(image, seven, Qt::white), seven.width() * seven.height());  // no digit, no yellow
    // Outlines 2 pixels in from the square's edge: green for the given, red for the wrong entry.
    const QRect given = board.CellRect(1, 1), wrong = board.CellRect(1, 2);
    QCOMPARE(image.pixelColor(given.left() + 2, given.center().y()), draw::kCheckGreen);
    QCOMPARE(image.pixelColor(wrong.left() + 2, wrong.center().y()), draw::kCheckRed);
    QCOMPARE(image.pixelColor(wrong.left() + 1, wrong.center().y()), QColor(Qt::white));
    QVERIFY(CountColour(image, given.adjusted(5, 5, -5, -5), draw::kGivenRed) > 0);
  }

  void paperShowsOutlinedSquaresAndNoScreenColours() {
    Puzzle puzzle(5);
    puzzle.grid.cells[0][0].given = 1;
    puzzle.grid.cells[0][1].entry = 3;
    puzzle.grid.cells[0][1].marks[0] = 1;
    puzzle.grid.cells[0][2].check = 2;
    puzzle.grid.cells[0][0].signRight = 2;
    FutoshikiBoard board(puzzle.header, puzzle.grid);
    const QImage printer = Device(600);
    board.Layout(300, &printer);
    draw::BoardView view;
    view.paper = true;
    view.paperLine = 6;
    view.checkDisplay = true;  // ignored on paper
    const QImage page = Paint(board, view, 600);
    bool yellow = false, red = false;
    for (int y = 0; y < page.height(); y += 2)
      for (int x = 0; x < page.width(); x += 2) {
        const QColor c = page.pixelColor(x, y);
        yellow |= c.blue() < 100 && c.red() > 200;
        red |= c.red() > 200 && c.green() < 100;
      }
    QVERIFY(!yellow && !red);
    // The entry is grey: inside its square no pixel is black.
    const QRect entry = board.CellRect(0, 1).adjusted(20, 20, -20, -20);
    QVERIFY(CountColour(page, entry, draw::kPaperGrey) > 0);
    QCOMPARE(CountColour(page, entry, Qt::black), 0);
    const QRect square = board.CellRect(2, 2);
    QVERIFY(IsBlack(page, QPoint(square.left() + 2, square.center().y())));  // outlined square
    QCOMPARE(page.pixelColor(square.right() + 3, square.center().y()), QColor(Qt::white));
    // "<": the tip twice the line width from the square; the open ends one mini-size in.
    const int w = board.squareSize();
    QVERIFY(IsBlack(page, QPoint(w + 12 + 2, w / 2)));
    QVERIFY(!IsBlack(page, QPoint(300 - 12 - 3, w / 2)));
    QVERIFY(!IsBlack(page, QPoint(300 - 12 - 2, 4)));

    // Solutions fill every square.
    view.solution = true;
    const QImage solved = Paint(board, view, 600);
    QVERIFY(CountColour(solved, board.CellRect(4, 4).adjusted(20, 20, -20, -20), draw::kPaperGrey) > 0);
  }
};

QTEST_MAIN(FutoshikiBoardTest)
#include "futoshiki_board_test.moc"

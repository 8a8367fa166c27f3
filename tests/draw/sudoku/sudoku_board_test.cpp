// The Sudoku board painted into images: frame, box and cell lines, check
// outlines, hit tests, and fonts fitted on the device that is painted on.
#include <QtTest>

#include "core/play/play.h"
#include "draw/board_image.h"
#include "draw/sudoku/board.h"

using namespace zorvek;
using zorvek::draw::sudoku::SudokuBoard;
using namespace zorvek::testing;

namespace {

sudoku::SudPuzzle MakePuzzle() {
  sudoku::SudPuzzle p{};
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      p.cells[r][c].solution = (r * 3 + r / 3 + c) % 9 + 1;
      p.cells[r][c].given = r == c;
    }
  p.cells[0][1].entry = 5;
  return p;
}

}  // namespace

class SudokuBoardTest : public QObject {
  Q_OBJECT
 private slots:
  void frameBoxAndCellLineWidths() {
    const sudoku::SudPuzzle puzzle = MakePuzzle();
    SudokuBoard board(puzzle);
    const QImage probe = Device();
    const int cell = SudokuBoard::CellSizeFor(QSize(500, 500), 70);
    QCOMPARE(cell, 54);
    QCOMPARE(SudokuBoard::CellSizeFor(QSize(2000, 1000), 70), 70);
    QCOMPARE(SudokuBoard::CellSizeFor(QSize(50 * 9, 40 * 9), 70), 39);
    board.Layout(cell, &probe);
    draw::BoardView view;
    view.mode = kModeType;  // open cells are plain white
    const QImage image = Paint(board, view);
    const int w = image.width(), y = board.CellRect(1, 1).center().y();
    for (int x : {0, 1, 2, 3, w - 4, w - 3, w - 2, w - 1})
      QVERIFY2(IsBlack(image, {x, y}), qPrintable(QString::number(x)));
    QVERIFY(!IsBlack(image, {4, y}));
    QVERIFY(!IsBlack(image, {w - 5, y}));
    // The box line between columns 2 and 3 is as heavy as the frame.
    const int edge = board.CellRect(0, 3).left();
    for (int x = edge - 2; x <= edge + 1; ++x) QVERIFY(IsBlack(image, {x, y}));
    QVERIFY(!IsBlack(image, {edge - 3, y}) && !IsBlack(image, {edge + 2, y}));
    // A cell line is two pixels wide, across the edge between the cells.
    const int thin = board.CellRect(0, 1).left();
    int run = 0;
    for (int x = thin - 4; x <= thin + 4; ++x) run += IsBlack(image, {x, y});
    QCOMPARE(run, 2);
    QVERIFY(IsBlack(image, {thin, y}) && IsBlack(image, {thin - 1, y}));
  }

  void hitTestFindsCellAndMiniDigit() {
    const sudoku::SudPuzzle puzzle = MakePuzzle();
    SudokuBoard board(puzzle);
    const QImage probe = Device();
    board.Layout(36, &probe);
    const QRect cell = board.CellRect(4, 7);
    const draw::BoardHit hit = board.HitTest(cell.topLeft() + QPoint(13, 25));  // middle column, bottom row
    QVERIFY(hit.inside);
    QCOMPARE(hit.row, 4);
    QCOMPARE(hit.col, 7);
    QCOMPARE(hit.part, 8);
    // Thirds of the cell, the edges belonging to the later third.
    QCOMPARE(draw::MiniDigitAt(0, 0, 36), 1);
    QCOMPARE(draw::MiniDigitAt(35, 0, 36), 3);
    QCOMPARE(draw::MiniDigitAt(12, 12, 36), 5);
    QCOMPARE(draw::MiniDigitAt(11, 35, 36), 7);
    QCOMPARE(board.HitTest(board.CellRect(8, 8).bottomRight()).row, 8);
    QVERIFY(!board.HitTest(QPoint(1, 1)).inside);  // on the frame
    QVERIFY(!board.HitTest(QPoint(board.Size().width() - 1, 10)).inside);
  }

  // Check outlines lie 2 pixels inside the cell: green for givens and right
  // entries, red for wrong ones, and only while shown.
  void checkOutlines() {
    sudoku::SudPuzzle puzzle = MakePuzzle();  // (0,1) holds a wrong 5
    puzzle.cells[0][0].check = 1;
    puzzle.cells[0][1].check = 2;
    SudokuBoard board(puzzle);
    const QImage probe = Device();
    board.Layout(36, &probe);
    draw::BoardView view;
    auto outline = [&](const QImage& image, int c) {
      return image.pixelColor(board.CellRect(0, c).left() + 2, board.CellRect(0, c).center().y());
    };
    QCOMPARE(outline(Paint(board, view), 1), QColor(Qt::white));
    view.checkDisplay = true;
    const QImage image = Paint(board, view);
    QCOMPARE(outline(image, 0), draw::kCheckGreen);
    QCOMPARE(outline(image, 1), draw::kCheckRed);
    QCOMPARE(outline(image, 2), QColor(Qt::white));
  }

  void paperFontsFitThePrintersPixels() {
    const sudoku::SudPuzzle puzzle = MakePuzzle();
    SudokuBoard board(puzzle);
    const QImage printer = Device(600);
    board.Layout(300, &printer);
    const QRect six = QFontMetrics(draw::DrawingFont(board.digitFontSize()), &printer).tightBoundingRect(QStringLiteral("6"));
    QVERIFY2(six.height() <= 300 * 5 / 8 && six.height() > 300 / 3, qPrintable(QString::number(six.height())));

    // Paper shows givens black and entries grey; nothing red, no pencil yellow.
    draw::BoardView view;
    view.paper = true;
    const QImage page = Paint(board, view, 600);
    bool red = false, yellow = false, grey = false;
    for (int y = 0; y < page.height(); y += 3)
      for (int x = 0; x < page.width(); x += 3) {
        const QColor c = page.pixelColor(x, y);
        red |= c.red() > 200 && c.green() < 80;
        yellow |= c == draw::kMarkYellow;
        grey |= c == draw::kPaperGrey;
      }
    QVERIFY(!red && !yellow && grey);
    // Inside the lines, the given's digit has black pixels, the entry's none.
    auto inner = [&](int c) { return board.CellRect(0, c).adjusted(8, 8, -8, -8); };
    QVERIFY(CountColour(page, inner(0), Qt::black) > 0);
    QCOMPARE(CountColour(page, inner(1), Qt::black), 0);
    QVERIFY(CountColour(page, inner(1), draw::kPaperGrey) > 0);
  }
};

QTEST_MAIN(SudokuBoardTest)
#include "sudoku_board_test.moc"

// The Kakuro board painted into images: geometry for any target, the clue
// halves and mini-digits of the hit test, and the screen and paper styles.
#include <QtTest>

#include "core/play/play.h"
#include "draw/board_image.h"
#include "draw/kakuro/board.h"

using namespace zorvek;
using zorvek::draw::kakuro::KakuroBoard;
using namespace zorvek::testing;

namespace {

// 9 x 11 puzzle: white cells (1..9, 1..11) except column 6; every clue is
// 1 so the sums show as digits.
void MakePuzzle(kakuro::KakHeader& h, kakuro::KakGrid& g) {
  h = kakuro::KakHeader{};
  h.rows = 9;
  h.cols = 11;
  for (int r = 0; r < kakuro::kGridRows; ++r)
    for (int c = 0; c < kakuro::kGridCols; ++c) {
      kakuro::KakCell& x = g.cells[r][c];
      x = kakuro::KakCell{};
      x.entry = -1;
      const bool white = r >= 1 && c >= 1 && r <= h.rows && c <= h.cols && c != 6;
      x.colour = white ? kakuro::kWhite : kakuro::kBlack;
      x.sum = white ? 5 : 0;
    }
  g.cells[0][1].downSum = 45;
  g.cells[0][1].downLength = 9;
  g.cells[1][0].sum = 15;
  g.cells[1][0].acrossLength = 5;
}

}  // namespace

class KakuroBoardTest : public QObject {
  Q_OBJECT
 private slots:
  void geometryAndHits() {
    kakuro::KakHeader h;
    kakuro::KakGrid g;
    MakePuzzle(h, g);
    // (rows+1) x (cols+1) cells, a multiple of 3, capped only when asked.
    QCOMPARE(KakuroBoard::CellSizeFor(QSize(600, 500), 9, 11, 70), 48);
    QCOMPARE(KakuroBoard::CellSizeFor(QSize(2000, 2000), 9, 11, 70), 70);
    QCOMPARE(KakuroBoard::CellSizeFor(QSize(2400, 2000), 9, 11, 0), 198);
    QCOMPARE(KakuroBoard::CellSizeFor(QSize(400, 400), 5, 5, 0), 48);  // raised to 7 x 7
    KakuroBoard board(h, g);
    const QImage probe = Device();
    board.Layout(48, &probe);
    QCOMPARE(board.Size(), QSize(12 * 48 + 1, 10 * 48 + 1));
    QCOMPARE(board.CellRect(2, 3).topLeft(), QPoint(3 * 48, 2 * 48));

    // A black cell: the diagonal and below it is the down half.
    const QPoint clue = board.CellRect(1, 0).topLeft();
    auto part = [&](int x, int y) { return board.HitTest(clue + QPoint(x, y)).part; };
    QCOMPARE(part(10, 10), draw::kakuro::kPartDown);
    QCOMPARE(part(5, 40), draw::kakuro::kPartDown);
    QCOMPARE(part(40, 5), draw::kakuro::kPartAcross);
    // A white cell: its mini-digit, row by row.
    const QPoint white = board.CellRect(2, 2).topLeft();
    QCOMPARE(board.HitTest(white + QPoint(2, 2)).part, 1);
    QCOMPARE(board.HitTest(white + QPoint(47, 47)).part, 9);
    QCOMPARE(board.HitTest(white + QPoint(20, 40)).part, 8);
    QVERIFY(!board.HitTest(QPoint(12 * 48, 5)).inside);
    QCOMPARE(board.HitTest(QPoint(12 * 48 - 1, 10 * 48 - 1)).row, 9);

    // Fonts: a digit in 7/8 of the cell, a two-digit sum in half a cell, and
    // every typed length no larger than the one before.
    QVERIFY(board.digitFontSize() > board.clueFontSize());
    QVERIFY(board.clueFontSize() >= board.pencilFontSize());
    const QRect sum = QFontMetrics(draw::DrawingFont(board.clueFontSize()), &probe).tightBoundingRect(QStringLiteral("66"));
    QVERIFY(sum.width() <= 48 / 2 - 1);
    for (int n = 2; n <= 9; ++n) QVERIFY(board.TypingFontSize(n) <= board.TypingFontSize(n - 1));
  }

  void screenAndPaper() {
    kakuro::KakHeader h;
    kakuro::KakGrid g;
    MakePuzzle(h, g);
    g.cells[2][2].pencil[6] = 1;
    g.cells[2][3].entry = 7;
    g.cells[3][3].mark = 3;
    g.cells[3][4].mark = 4;
    KakuroBoard board(h, g);
    board.SetSelectedRun(kakuro::ClueRun(h, g, 1, 0, false));  // the across clue of row 1
    const QImage probe = Device();
    board.Layout(48, &probe);
    draw::BoardView view;
    view.checkDisplay = true;
    const QImage screen = Paint(board, view);
    const QRect clue = board.CellRect(2, 0).adjusted(1, 1, -1, -1);
    // A clue cell is black with a white diagonal; sums are white.
    QCOMPARE(screen.pixelColor(clue.left() + 20, clue.top() + 20), QColor(Qt::white));
    QCOMPARE(screen.pixelColor(clue.left() + 30, clue.top() + 10), QColor(Qt::black));
    const QRect selected = board.CellRect(1, 0);
    QVERIFY(CountColour(screen, board.CellRect(1, 0).adjusted(24, 1, -1, -24), Qt::white) > 10);  // "15"
    QCOMPARE(screen.pixelColor(selected.left() + 3, selected.center().y()), QColor(0, 0, 255));
    QCOMPARE(screen.pixelColor(board.CellRect(1, 1).left() + 3, board.CellRect(1, 1).center().y()), QColor(0, 0, 255));
    QCOMPARE(screen.pixelColor(board.CellRect(3, 3).left() + 3, board.CellRect(3, 3).center().y()), QColor(0, 236, 0));
    QCOMPARE(screen.pixelColor(board.CellRect(3, 4).left() + 3, board.CellRect(3, 4).center().y()), QColor(249, 61, 6));
    const QRect mini6 = board.CellRect(2, 2).adjusted(33, 17, -1, -17);
    QVERIFY(CountColour(screen, mini6, draw::kMarkYellow) > 50);
    QVERIFY(CountColour(screen, board.CellRect(2, 3).adjusted(2, 2, -2, -2), Qt::black) > 20);

    // Paper: grey clue cells with white sums, split only where there is a
    // sum, grey digits, no marks or outlines.
    view.paper = true;
    const QImage paper = Paint(board, view);
    QCOMPARE(paper.pixelColor(clue.left() + 30, clue.top() + 10), draw::kPaperGrey);
    QCOMPARE(paper.pixelColor(clue.left() + 20, clue.top() + 20), draw::kPaperGrey);
    QCOMPARE(paper.pixelColor(selected.left() + 21, selected.top() + 21), QColor(Qt::white));
    QCOMPARE(paper.pixelColor(selected.left() + 3, selected.center().y()), draw::kPaperGrey);
    QCOMPARE(CountColour(paper, mini6, draw::kMarkYellow), 0);
    QCOMPARE(CountColour(paper, board.CellRect(3, 3).adjusted(2, 2, -2, -2), draw::kCheckGreen), 0);
    QVERIFY(CountColour(paper, board.CellRect(2, 3).adjusted(2, 2, -2, -2), draw::kPaperGrey) > 20);
    QCOMPARE(CountColour(paper, board.CellRect(2, 4).adjusted(2, 2, -2, -2), draw::kPaperGrey), 0);
    view.solution = true;
    const QImage solved = Paint(board, view);
    QVERIFY(CountColour(solved, board.CellRect(2, 4).adjusted(2, 2, -2, -2), draw::kPaperGrey) > 20);
  }
};

QTEST_MAIN(KakuroBoardTest)
#include "kakuro_board_test.moc"

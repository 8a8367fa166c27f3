// The printed page: slot arithmetic, text placement, the title line, pages
// rendered into images and probed, PDF output and the batch booklet.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "core/common/progress.h"
#include "core/common/random.h"
#include "core/shell/kinds.h"
#include "core/sudoku/generator.h"
#include "draw/page/booklet.h"
#include "draw/page/renderers.h"

using namespace zorvek;
using namespace zorvek::draw::page;

namespace {

bool Dark(QRgb c) { return qGray(c) < 160; }

// The ink of the image inside r (empty when there is none).
QRect Ink(const QImage& image, const QRect& r) {
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
  for (int y = std::max(r.top(), 0); y <= std::min(r.bottom(), image.height() - 1); ++y)
    for (int x = std::max(r.left(), 0); x <= std::min(r.right(), image.width() - 1); ++x)
      if (Dark(image.pixel(x, y))) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage Page(int w = 1100, int h = 1556) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::red);  // anything the page does not clear shows up
  return image;
}

sudoku::SudPuzzle MakeSudoku(std::uint64_t seed) {
  Random random(seed);
  CreateProgress progress;
  static std::uint8_t used[sudoku::kPoolSize] = {};
  sudoku::SudPuzzle puzzle{};
  sudoku::CreateSudokuForPrint(random, progress, kEasy, puzzle, used);
  return puzzle;
}

// The cells of a Sudoku grid as the page lays it out in a box.
QRect SudokuCell(const QRect& box, int r, int c) {
  const int pitch = std::min(box.height() / 10, box.width() / 9);
  const int left = box.left() + (box.width() - 9 * pitch) / 2, top = box.top() + (box.height() - 9 * pitch) / 2;
  return QRect(left + c * pitch, top + r * pitch, pitch, pitch);
}

}  // namespace

class PageModelTest : public QObject {
  Q_OBJECT
 private slots:
  // A4 at 600 dpi as the PDF writer gives it (10 mm margins): the unit, the
  // band and where a Sudoku grid starts on pages of 1, 2 and 6 puzzles; the
  // file holds every page and the document title.
  void pdfGeometryPagesAndTitle() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a4.pdf"));
    int width = 0, height = 0, unit = 0, band = 0;
    QList<QPoint> grids;
    QVERIFY(WritePdf(path, 3, [&](PrintCanvas& canvas, int) {
      width = canvas.PageWidth, height = canvas.PageHeight, unit = canvas.PrintUnit, band = canvas.Band;
      for (auto [perPage, slot, solution] : {std::tuple{1, 1, false}, {2, 2, true}, {6, 1, false}, {6, 6, false}}) {
        const QRect box = canvas.SlotBox(perPage, slot, solution);
        canvas.PlaceGrid(box, 9, 9, std::min(box.height() / 10, box.width() / 9));
        if (grids.size() < 4) grids << QPoint(canvas.ColumnEdges[0], canvas.RowEdges[0]);
      }
    }));
    QCOMPARE(width, 4492);
    QCOMPARE(height, 6551);
    QCOMPARE(unit, 8);
    QCOMPARE(band, 218);
    QCOMPARE(grids, (QList<QPoint>{{846, 183}, {1040, 3543}, {196, 128}, {2442, 4350}}));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    int pages = 0;
    for (auto it = QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")).globalMatch(QString::fromLatin1(bytes));
         it.hasNext(); it.next())
      ++pages;
    QCOMPARE(pages, 3);
    QByteArray title("\xfe\xff", 2);
    for (QChar ch : QString::fromLatin1(kDocumentTitle)) title.append('\0').append(ch.toLatin1());
    QVERIFY(bytes.contains(title));
    QVERIFY(!WritePdf(dir.filePath(QStringLiteral("missing/folder/out.pdf")), 1, [](PrintCanvas&, int) {}));
    // Letter is where a unit of a 500th would show: 5100 / 550 is 9.
    QImage letter(10, 10, QImage::Format_RGB32);
    QPainter p(&letter);
    QCOMPARE(PrintCanvas(p, 5100, 6600).PrintUnit, 9);
  }

  void textPlacement() {
    QImage image = Page(600, 400);
    QPainter p(&image);
    PrintCanvas canvas(p, 600, 400);
    canvas.ClearPage();
    p.setFont(PrintFont(kAriel, 20));
    p.setPen(Qt::black);
    const int xWidth = QFontMetrics(p.font(), &image).horizontalAdvance(QLatin1Char('x'));
    canvas.ColumnEdges = {};
    canvas.RowEdges = {};
    canvas.ColumnEdges[0] = 0, canvas.ColumnEdges[1] = 300, canvas.ColumnEdges[2] = 600;
    canvas.RowEdges[0] = 0, canvas.RowEdges[1] = 130, canvas.RowEdges[2] = 260, canvas.RowEdges[3] = 390;
    canvas.DrawCellText(0, 0, kLeft, QStringLiteral("42"), kTop);
    canvas.DrawCellText(1, 1, kCentre, QStringLiteral("42"), kMiddle);
    canvas.DrawCellText(0, 2, kRight, QStringLiteral("42"), kBottom);
    canvas.DrawCellText(100, 0, kLeft, QStringLiteral("42"), kTop);  // beyond the tables: nothing
    p.end();
    const QRect left = Ink(image, QRect(0, 0, 300, 130));
    QVERIFY(left.left() >= xWidth - 1 && left.left() <= xWidth + 4);
    QVERIFY(left.top() < 30);
    const QRect centre = Ink(image, QRect(300, 130, 300, 130));
    QVERIFY(qAbs((centre.left() - 300) - (599 - centre.right())) <= 3);
    QVERIFY(qAbs((centre.top() - 130) - (259 - centre.bottom())) <= 8);
    const QRect right = Ink(image, QRect(0, 260, 300, 130));
    QVERIFY(right.right() <= 300 - xWidth && right.right() >= 300 - xWidth - 5);
    QVERIFY(right.bottom() < 390 && right.top() > 260 + 50);
    QCOMPARE(Ink(image, QRect(300, 0, 300, 130)), QRect());
    QCOMPARE(Ink(image, QRect(300, 260, 300, 130)), QRect());
  }

  void shrinkAndTitle() {
    QImage image = Page(300, 600);
    QPainter p(&image);
    PrintCanvas canvas(p, 300, 600);
    canvas.ClearPage();
    canvas.ColumnEdges[0] = 0, canvas.ColumnEdges[1] = 60;
    canvas.RowEdges[0] = 0, canvas.RowEdges[1] = 50;
    p.setFont(PrintFont(kAriel, 20));
    canvas.ShrinkToFit = true;
    canvas.DrawCellText(0, 0, kLeft, QStringLiteral("123456"), kTop);
    QVERIFY(canvas.FontWasShrunk);
    QCOMPARE(p.font().pointSize(), 20);  // lowered for that text only
    // The title shrinks towards 8 points and stays there, clipped to the page.
    const QString title = PageTitle("HexKakuro", kMedium);
    QCOMPARE(canvas.TitlePoints(title), 8);
    QVERIFY(QFontMetrics(PrintFont(kAriel, 8, true), &image).horizontalAdvance(title) > 300);
    canvas.DrawTitle(500, title);
    p.end();
    const QRect ink = Ink(image, QRect(0, 500, 300, 100));
    QVERIFY(!ink.isEmpty() && ink.top() > 500 && ink.bottom() < 500 + 4 + 20);
    QImage wide = Page(2400, 3000);
    QPainter wp(&wide);
    QCOMPARE(PrintCanvas(wp, 2400, 3000).TitlePoints(title), 12);
    QCOMPARE(title, QStringLiteral("HexKakuro Puzzles by Zorvek Number Puzzles      Difficulty : Medium"));
  }

  // The player's entries are printed only when asked for.
  void currentPuzzleWithOrWithoutEntries() {
    auto state = std::make_unique<AppState>();
    state->sudokuPuzzle = MakeSudoku(7);
    state->sudokuSettings.difficulty = kHard;
    int er = 0, ec = 0;
    for (int i = 0; i < 81; ++i)
      if (!state->sudokuPuzzle.cells[i / 9][i % 9].given) er = i / 9, ec = i % 9;
    state->sudokuPuzzle.cells[er][ec].entry = static_cast<std::uint8_t>(state->sudokuPuzzle.cells[er][ec].solution);

    for (bool partial : {false, true}) {
      QImage image = Page();
      QPainter p(&image);
      PrintCanvas canvas(p, image.width(), image.height());
      PrintCurrentPuzzle(canvas, *state, kKindSudoku, false, partial);
      p.end();
      const QRect cell = SudokuCell(canvas.SlotBox(1, 1, false), er, ec).adjusted(8, 8, -8, -8);
      QCOMPARE(Ink(image, cell).isEmpty(), !partial);
    }
  }

  // Every kind's page: its grid in the upper half, centred, nothing below but
  // the title; with solutions a second, smaller grid in the lower half.
  void everyKindsPage() {
    for (int kind = kKindSudoku; kind <= kKindHexKakuro; ++kind) {
      auto state = std::make_unique<AppState>();
      Random random(kind + 1);
      KindOf(kind).createStartup(random, *state);
      for (bool solutions : {false, true}) {
        QImage image = Page();
        QPainter p(&image);
        PrintCanvas canvas(p, image.width(), image.height());
        PrintCurrentPuzzle(canvas, *state, kind, solutions, false);
        p.end();
        const QRect upper = canvas.SlotBox(solutions ? 2 : 1, 1, false);
        const QRect all = Ink(image, image.rect());
        const QRect top = Ink(image, upper);
        QVERIFY2(top.width() > image.width() / 3 && top.height() > image.height() / 5, KindName(kind));
        QVERIFY2(qAbs(top.left() - (image.width() - 1 - top.right())) <= 2 * canvas.PrintUnit + 2, KindName(kind));
        if (!solutions) {
          // Only the title line may follow the grid.
          QVERIFY2(all.bottom() <= upper.bottom() + 2 * canvas.PrintUnit + canvas.Band, KindName(kind));
        } else {
          const QRect lower = Ink(image, canvas.SlotBox(2, 2, true));
          QVERIFY2(lower.width() < top.width() && lower.height() > image.height() / 5, KindName(kind));
        }
      }
    }
  }

  void batchCountsOrderAndSeeds() {
    batch::BatchChoices choices;
    choices[kKindSudoku] = {1, kEasy, 0};
    choices[kKindKakuro] = {1, kEasy, 1};
    QCOMPARE(batch::BatchTotal(choices), 8);
    choices[kKindKakuro] = {2, kEasy, 0};
    choices[kKindFutoshiki] = {9, kEasy, 0};  // clamped to 4 pages
    const auto plan = batch::PlanBatch(choices, 42);
    QCOMPARE(int(plan.size()), batch::BatchTotal(choices));
    QCOMPARE(plan.front().kind, int(kKindSudoku));
    QCOMPARE(plan[6].kind, int(kKindKakuro));
    QCOMPARE(plan[6 + 6].page, 2);

    // The same seed paints the same booklet on one thread and on two.
    choices[kKindFutoshiki] = {2, kEasy, 0};
    QImage sheets[2][10];
    for (int threads : {1, 2}) {
      batch::BatchRun run(choices, 42, batch::BatchBanks{});
      run.Start(threads);
      run.Wait();
      QVERIFY(run.Finished() && !run.Cancelled());
      QCOMPARE(run.Done(), 30);
      QCOMPARE(run.SheetCount(true), 10);
      for (int s = 0; s < 10; ++s) {
        QImage image = Page(550, 780);
        QPainter p(&image);
        PrintCanvas canvas(p, 550, 780);
        PrintBatchSheet(canvas, run, s, true);
        sheets[threads - 1][s] = image;
      }
    }
    for (int s = 0; s < 10; ++s) QVERIFY(sheets[0][s] == sheets[1][s]);
    // Puzzle sheets kind by kind and page by page, then the solutions in the same order.
    const batch::SheetContent order[10] = {
        {kKindSudoku, 1, false},   {kKindKakuro, 1, false},   {kKindKakuro, 2, false}, {kKindFutoshiki, 1, false},
        {kKindFutoshiki, 2, false}, {kKindSudoku, 1, true},    {kKindKakuro, 1, true},  {kKindKakuro, 2, true},
        {kKindFutoshiki, 1, true},  {kKindFutoshiki, 2, true}};
    batch::BatchRun run(choices, 42, batch::BatchBanks{});
    for (int s = 0; s < 10; ++s) {
      const batch::SheetContent c = run.Sheet(s, true);
      QVERIFY(c.kind == order[s].kind && c.page == order[s].page && c.solution == order[s].solution);
    }
    QCOMPARE(run.Sheet(2, false).kind, int(kKindKakuro));
    QVERIFY(sheets[0][0] != sheets[0][3]);

    batch::BatchRun cancelled(choices, 42, batch::BatchBanks{});
    cancelled.Start(2);
    cancelled.Cancel();
    cancelled.Wait();
    QVERIFY(cancelled.Cancelled() && cancelled.Finished());
  }
};

QTEST_MAIN(PageModelTest)
#include "page_model_test.moc"

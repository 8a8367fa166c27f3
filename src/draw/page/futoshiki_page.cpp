#include <QPainter>
#include <algorithm>

#include "draw/futoshiki/board.h"
#include "draw/page/renderers.h"

namespace zorvek::draw::page {

void PrintFutoshikiPage(PrintCanvas& canvas, int difficulty, const PageSlots<FutoshikiSlot>& onPage) {
  using draw::futoshiki::FutoshikiBoard;
  canvas.ClearPage();
  QPainter& p = canvas.painter();
  int lastBottom = 0;
  for (int k = 0; k < onPage.perPage && k < 6; ++k) {
    if (!onPage.grid[k]) continue;
    const FutoshikiSlot& slot = *onPage.grid[k];
    FutoshikiBoard board(*slot.header, *slot.grid);
    const int n = zorvek::futoshiki::PlaySize(*slot.header);
    const QRect box = canvas.SlotBox(onPage.perPage, k + 1, onPage.solution[k]);
    const int pitch = std::max(std::min(box.height(), box.width()) / n, 1);
    canvas.PlaceGrid(box, n, n, pitch);
    board.Layout(pitch, canvas.device());
    BoardView view;
    view.paper = true;
    view.solution = onPage.solution[k];
    view.paperLine = canvas.PrintUnit;
    view.paperDigitPoints = canvas.FitDigitPoints(board.squareSize());
    p.save();
    p.translate(canvas.ColumnEdges[0], canvas.RowEdges[0]);
    board.Paint(p, view);
    // The frame around the whole board, strips included.
    const int unit = canvas.PrintUnit;
    p.setPen(QPen(Qt::black, unit, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QRect(QPoint(0, 0), board.Size())).adjusted(-unit, -unit, unit, unit));
    p.restore();
    lastBottom = canvas.RowEdges[n] + unit;
  }
  canvas.DrawTitle(lastBottom, PageTitle("Futoshiki", difficulty));
}

}  // namespace zorvek::draw::page

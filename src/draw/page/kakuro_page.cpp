#include <QPainter>
#include <algorithm>

#include "draw/kakuro/board.h"
#include "draw/page/renderers.h"

namespace zorvek::draw::page {

void PrintKakuroPage(PrintCanvas& canvas, int difficulty, const PageSlots<KakuroSlot>& onPage) {
  using draw::kakuro::KakuroBoard;
  canvas.ClearPage();
  QPainter& p = canvas.painter();
  int lastBottom = 0;
  for (int k = 0; k < onPage.perPage && k < 6; ++k) {
    if (!onPage.grid[k]) continue;
    const KakuroSlot& slot = *onPage.grid[k];
    KakuroBoard board(*slot.header, *slot.grid);
    const QRect box = canvas.SlotBox(onPage.perPage, k + 1, onPage.solution[k]);
    const int pitch = std::max(std::min(box.height() / board.rows(), box.width() / board.cols()), 1);
    canvas.PlaceGrid(box, board.cols(), board.rows(), pitch);
    board.Layout(pitch, canvas.device());
    BoardView view;
    view.paper = true;
    view.solution = onPage.solution[k];
    view.paperLine = canvas.PrintUnit;
    view.paperDigitPoints = canvas.FitDigitPoints(pitch);
    p.save();
    p.translate(canvas.ColumnEdges[0], canvas.RowEdges[0]);
    board.Paint(p, view);
    p.restore();
    lastBottom = canvas.RowEdges[std::min(board.rows(), PrintCanvas::kEdges - 1)];
  }
  canvas.DrawTitle(lastBottom, PageTitle("Kakuro", difficulty));
}

}  // namespace zorvek::draw::page

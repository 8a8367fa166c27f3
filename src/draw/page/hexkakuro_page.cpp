#include <QPainter>
#include <algorithm>

#include "draw/hexkakuro/board.h"
#include "draw/page/renderers.h"

namespace zorvek::draw::page {

void PrintHexKakuroPage(PrintCanvas& canvas, int difficulty, const PageSlots<HexKakuroSlot>& onPage) {
  using draw::hexkakuro::HexKakuroBoard;
  canvas.ClearPage();
  QPainter& p = canvas.painter();
  int lastBottom = 0;
  for (int k = 0; k < onPage.perPage && k < 6; ++k) {
    if (!onPage.grid[k]) continue;
    const HexKakuroSlot& slot = *onPage.grid[k];
    HexKakuroBoard board(*slot.header, *slot.grid);
    const QRect box = canvas.SlotBox(onPage.perPage, k + 1, onPage.solution[k]);
    // The grid fills the whole box, no margin kept: the slot already has one,
    // and it takes the 5 pixels the board keeps for its outline too.
    board.Fit(box.size() + QSize(5, 5), canvas.device());
    BoardView view;
    view.paper = true;
    view.solution = onPage.solution[k];
    view.paperLine = canvas.PrintUnit;
    // The board's size keeps 5 pixels for its outline; the grid is centred without them.
    const QSize grid = board.Size() - QSize(5, 5);
    const QPoint origin(box.left() + std::max(box.width() - grid.width(), 0) / 2,
                        box.top() + std::max(box.height() - grid.height(), 0) / 2);
    p.save();
    p.translate(origin);
    board.Paint(p, view);
    p.restore();
    lastBottom = origin.y() + grid.height();
  }
  canvas.DrawTitle(lastBottom, PageTitle("HexKakuro", difficulty));
}

}  // namespace zorvek::draw::page

#include <QPainter>
#include <algorithm>

#include "draw/page/renderers.h"
#include "draw/sudoku/board.h"

namespace zorvek::draw::page {

void PrintSudokuPage(PrintCanvas& canvas, int difficulty, const PageSlots<zorvek::sudoku::SudPuzzle>& onPage) {
  using draw::sudoku::SudokuBoard;
  canvas.ClearPage();
  QPainter& p = canvas.painter();
  int lastBottom = 0;
  for (int k = 0; k < onPage.perPage && k < 6; ++k) {
    if (!onPage.grid[k]) continue;
    const QRect box = canvas.SlotBox(onPage.perPage, k + 1, onPage.solution[k]);
    // One pitch of height stays spare, so a grid never crowds the next slot.
    const int pitch = std::max(std::min(box.height() / 10, box.width() / 9), 1);
    canvas.PlaceGrid(box, 9, 9, pitch);
    SudokuBoard board(*onPage.grid[k]);
    board.Layout(pitch, canvas.device());
    BoardView view;
    view.paper = true;
    view.solution = onPage.solution[k];
    view.paperLine = canvas.PrintUnit;
    view.paperDigitPoints = canvas.FitDigitPoints(pitch);
    p.save();
    p.translate(canvas.ColumnEdges[0] - SudokuBoard::kMargin, canvas.RowEdges[0] - SudokuBoard::kMargin);
    board.Paint(p, view);
    p.restore();
    lastBottom = canvas.RowEdges[9];
  }
  canvas.DrawTitle(lastBottom, PageTitle("Sudoku", difficulty));
}

}  // namespace zorvek::draw::page

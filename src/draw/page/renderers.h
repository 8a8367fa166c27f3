#pragma once
// The page renderers: one page of a kind's puzzles, each slot's grid laid
// out in its box and painted in the board's paper style, then the title line.
#include "core/futoshiki/record.h"
#include "core/hexkakuro/record.h"
#include "core/kakuro/record.h"
#include "core/sudoku/record.h"
#include "draw/page/page.h"

namespace zorvek::draw::page {

// The puzzles of one page: perPage onPage (1, 2 or 6), each a grid or null
// for a slot left empty, and whether it shows the solution.
template <class Grid>
struct PageSlots {
  int perPage = 1;
  const Grid* grid[6] = {};
  bool solution[6] = {};
};

void PrintSudokuPage(PrintCanvas& canvas, int difficulty, const PageSlots<zorvek::sudoku::SudPuzzle>& onPage);

// A Kakuro puzzle is its header (size, difficulty) and its grid.
struct KakuroSlot {
  const zorvek::kakuro::KakHeader* header = nullptr;
  const zorvek::kakuro::KakGrid* grid = nullptr;
};
void PrintKakuroPage(PrintCanvas& canvas, int difficulty, const PageSlots<KakuroSlot>& onPage);

// A Futoshiki puzzle: its header (the size N) and its grid.
struct FutoshikiSlot {
  const zorvek::futoshiki::FutHeader* header = nullptr;
  const zorvek::futoshiki::FutGrid* grid = nullptr;
};
void PrintFutoshikiPage(PrintCanvas& canvas, int difficulty, const PageSlots<FutoshikiSlot>& onPage);

// A HexKakuro puzzle: its header (rows and columns) and its grid.
struct HexKakuroSlot {
  const zorvek::hexkakuro::HexHeader* header = nullptr;
  const zorvek::hexkakuro::HexGrid* grid = nullptr;
};
void PrintHexKakuroPage(PrintCanvas& canvas, int difficulty, const PageSlots<HexKakuroSlot>& onPage);

}  // namespace zorvek::draw::page

#include "core/sudoku/play.h"

#include <algorithm>
#include <cstring>

#include "core/sudoku/hint.h"

namespace zorvek::sudoku {

void SudokuPlayAdapter::AddPencilmarks() { sudoku::AddPencilmarks(block_); }
void SudokuPlayAdapter::ReducePencilmarks() { sudoku::ReducePencilmarks(block_); }
Hint SudokuPlayAdapter::NextHint() const { return FindHint(block_); }

namespace {
bool Open(const SudCell& x) { return x.given == 0 && x.entry == 0; }
}  // namespace

void AddPencilmarks(SudPuzzle& puzzle) {
  for (auto& row : puzzle.cells) {
    for (SudCell& x : row) {
      if (!Open(x)) continue;
      if (std::none_of(std::begin(x.marks), std::end(x.marks), [](std::uint8_t m) { return m != 0; }))
        std::fill(std::begin(x.marks), std::end(x.marks), 1);
    }
  }
}

void ReducePencilmarks(SudPuzzle& puzzle) {
  const SudPuzzle before = puzzle;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      const SudCell& src = before.cells[r][c];
      const int digit = src.given ? src.solution : src.entry;
      if (digit < 1 || digit > 9) continue;
      const int br = r / 3 * 3, bc = c / 3 * 3;
      for (int i = 0; i < 9; ++i) {
        SudCell* peers[3] = {&puzzle.cells[r][i], &puzzle.cells[i][c],
                             &puzzle.cells[br + i / 3][bc + i % 3]};
        for (SudCell* p : peers)
          if (Open(*p)) p->marks[digit - 1] = 0;
      }
    }
  }
}

}  // namespace zorvek::sudoku

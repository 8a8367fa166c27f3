#include "core/futoshiki/record.h"

#include <cstring>

#include "core/common/types.h"

namespace zorvek::futoshiki {

int PlaySize(const FutHeader& header) {
  return header.size >= 5 && header.size <= kMaxSize ? header.size : 5;
}

bool HasPuzzle(const FutGrid& grid) { return grid.cells[0][0].solution >= 0; }

bool BlocksAreValid(const FutHeader& header, const FutGrid& grid) {
  const int n = header.size;
  if (n < 5 || n > kMaxSize || header.difficulty > kHard || header.playState > kTimerRunning ||
      header.elapsed < 0)
    return false;
  // Only the N x N corner is played, drawn and printed; the rest is carried.
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      const FutGridCell& cell = grid.cells[r][c];
      if (cell.given > 1 || cell.solution < 1 || cell.solution > n || cell.entry > n ||
          cell.check > 2 || cell.textLength > 9 || cell.signRight > 2 || cell.signDown > 2)
        return false;
      // A sign on the far edge would point at a cell that is not on the board.
      if ((c == n - 1 && cell.signRight != 0) || (r == n - 1 && cell.signDown != 0)) return false;
      for (std::uint8_t m : cell.marks)
        if (m > 1) return false;
      for (int i = 0; i < cell.textLength; ++i)
        if (cell.text[i] < '1' || cell.text[i] > '9') return false;
    }
  }
  return true;
}


}  // namespace zorvek::futoshiki

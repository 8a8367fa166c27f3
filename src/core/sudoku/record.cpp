#include "core/sudoku/record.h"

#include <cstring>

#include "core/common/types.h"

namespace zorvek::sudoku {

bool HasPuzzle(const SudPuzzle& puzzle) { return puzzle.cells[0][0].solution >= 0; }

bool BlocksAreValid(const SudSettings& settings, const SudPuzzle& puzzle) {
  if (settings.difficulty > kHard || settings.timerState > kTimerRunning ||
      settings.elapsed < 0)
    return false;
  for (const auto& row : puzzle.cells) {
    for (const SudCell& c : row) {
      if (c.given > 1 || c.solution < 1 || c.solution > 9 || c.entry > 9 || c.check > 2 ||
          c.textLength > 9)
        return false;
      for (std::uint8_t m : c.marks)
        if (m > 1) return false;
      for (int i = 0; i < c.textLength; ++i)
        if (c.text[i] < '1' || c.text[i] > '9') return false;
    }
  }
  return true;
}


}  // namespace zorvek::sudoku

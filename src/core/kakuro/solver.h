#pragma once
// The acceptance test of a generated puzzle: forget every digit, keep the
// layout and the clues, and solve again by deduction alone. Success writes the
// finished puzzle (clues and solution, play fields empty).
#include "core/kakuro/record.h"
#include "core/kakuro/workgrid.h"

namespace zorvek::kakuro {

// 0 when every white cell is decided and every run adds up; the puzzle is
// written only then. Non-zero: 1 contradiction or bad clue, 2 stuck.
int SolveKakuro(const KakHeader& header, const KakWorkGrid& fillGrid, KakGrid& puzzle);

}  // namespace zorvek::kakuro

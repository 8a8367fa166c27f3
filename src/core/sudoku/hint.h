#pragma once
// The Sudoku step finder behind "Hint": the simplest next step from the
// givens and the player's entries, by the techniques the logical solver uses,
// so every puzzle the generator makes can be finished by hints alone.
#include "core/play/hint.h"
#include "core/sudoku/record.h"

namespace zorvek::sudoku {

// A wrong entry first (reading order); otherwise a naked or hidden single,
// or failing those the eliminations (box/line intersections, naked subsets of
// two to five cells) that lead to one: of the simplest kinds that can, one
// that makes a single at once where there is one, and only those the single
// needs. Candidates come from the givens and entries alone; the player's
// pencil marks are never read.
Hint FindHint(const SudPuzzle& puzzle);

}  // namespace zorvek::sudoku

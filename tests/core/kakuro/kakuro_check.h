#pragma once
// Independent checks of finished Kakuro puzzles for the tests: the rules a
// player relies on, and a brute-force count of solutions that shares no code
// with the engine.
#include <string>

#include "core/kakuro/record.h"

namespace zorvek::kakuro::testing {

// Empty when the puzzle keeps every rule: clue frame, run lengths 2..9 that
// match the white cells, solution digits 1..9, distinct in each run and adding
// up to its clue, half-turn symmetry when the header says so, play fields empty.
std::string PuzzleProblems(const KakHeader& header, const KakGrid& grid);

// Solutions of the clues alone (digits 1..9), counting no further than `limit`.
int CountSolutions(const KakHeader& header, const KakGrid& grid, int limit = 2);

}  // namespace zorvek::kakuro::testing

#pragma once
// The step finder Kakuro and HexKakuro share. Both are runs of distinct
// digits adding up to a clue, so the techniques live here once; a kind only
// lays its grid out as cells and runs and names its cells as its board shows
// them. Candidates come from the clues and the player's entries alone, never
// from pencil marks, so a hint never trusts a note the player got wrong.
#include <string>
#include <vector>

#include "core/play/hint.h"

namespace zorvek::runhints {

struct RunCell {
  HintCell at;       // the adapter's coordinates
  std::string name;  // as the board shows it: "r4c3"
  int solution = 0;
  int entry = -1;    // the player's digit, -1 for none
};

struct SumRun {
  int sum = 0;
  std::vector<int> cells;  // indexes into RunPuzzle::cells, in run order
};

struct RunPuzzle {
  int lowDigit = 1, highDigit = 9;  // the digits a cell may take
  std::vector<RunCell> cells;       // in reading order: the first wrong entry is reported
  std::vector<SumRun> runs;
};

// A wrong entry first, then the simplest placement; failing that, the
// simplest eliminations, one after another, until a placement shows. None
// when every cell holds its digit, or with "No logical step found" when the
// techniques run out (or the clues contradict the stored solution).
Hint FindRunHint(const RunPuzzle& puzzle);

}  // namespace zorvek::runhints

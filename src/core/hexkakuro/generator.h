#pragma once
// The three ways a finished HexKakuro puzzle is made: the create dialog's
// limited loop, batch printing's unlimited loop, and the start-up puzzle.
#include "core/common/progress.h"
#include "core/common/random.h"
#include "core/hexkakuro/board.h"
#include "core/hexkakuro/record.h"

namespace zorvek::hexkakuro {

// One generation attempt: layout, fill, then the final check into `grid`,
// which is written only when the attempt succeeds.
bool GenerateAttempt(Random& random, int level, int rows, int cols, HexBoard& board,
                     HexGrid& grid);

// The create dialog's limit for a size and level (9 x 9 or 11 x 13).
int AttemptLimit(int level, int rows, int cols);

struct HexCreateResult {
  bool success = false;
  bool cancelled = false;
  int attempts = 0;
};

// The create dialog's loop: at most limit + 1 attempts. On success `settings`
// and `grid` hold the new puzzle (elapsed 0, clock running); on failure or
// cancel both are left exactly as they were.
HexCreateResult CreateHexKakuroPuzzle(Random& random, CreateProgress& progress, int level,
                                      int rows, int cols, HexHeader& settings, HexGrid& grid);

// One puzzle for batch printing: no attempt limit; the cancel flag is looked
// at before every attempt. False on cancel, with `grid` untouched.
bool CreateHexKakuroForPrint(Random& random, CreateProgress& progress, int level, int rows,
                             int cols, HexGrid& grid, int* attemptsOut = nullptr);

// The puzzle a reset gets: Easy 9 x 9, until an attempt succeeds.
void CreateStartupHexKakuro(Random& random, HexHeader& settings, HexGrid& grid);

}  // namespace zorvek::hexkakuro

#pragma once
// Kakuro's step finder: the block's white cells and clue runs, handed to the
// run engine Kakuro shares with HexKakuro.
#include "core/kakuro/record.h"
#include "core/play/hint.h"

namespace zorvek::kakuro {

// The simplest next step from the player's entries (pencil marks unused).
Hint FindHint(const KakHeader& header, const KakGrid& grid);

}  // namespace zorvek::kakuro

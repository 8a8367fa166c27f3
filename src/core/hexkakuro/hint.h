#pragma once
// HexKakuro's step finder: the white hexagons and the runs around each clue,
// handed to the run engine HexKakuro shares with Kakuro.
#include "core/hexkakuro/record.h"
#include "core/play/hint.h"

namespace zorvek::hexkakuro {

// The simplest next step from the player's entries (pencil marks unused).
Hint FindHint(const HexHeader& settings, const HexGrid& grid);

}  // namespace zorvek::hexkakuro

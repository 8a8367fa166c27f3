#pragma once
// The Futoshiki step finder behind hints: the simplest next logical step from
// the givens, the signs and the player's entries (never the pencil marks).
#include "core/futoshiki/record.h"
#include "core/play/hint.h"

namespace zorvek::futoshiki {

// A wrong entry first (the first in reading order), then a naked or hidden
// single; failing those, the simplest eliminations that lead to one: sign
// bounds, sign chains, then naked pairs up to quints in a row or column.
// Type None when the board is full, when the blocks are not a valid puzzle,
// and with technique "No logical step found" when nothing follows (a file
// whose solution is not the only one).
Hint FindHint(const FutHeader& header, const FutGrid& grid);

}  // namespace zorvek::futoshiki

#pragma once
// The Futoshiki working board and its logical solver. The solver never
// guesses: sign bounds, singles, hidden singles (level 3 and up) and naked
// subsets up to the level's size, repeated until nothing more follows.
#include <cstdint>

#include "core/futoshiki/record.h"

namespace zorvek::futoshiki {

struct FutCell {
  bool given;
  std::int32_t value;  // 1..N once determined, -1 while open
  std::int32_t count;  // number of remaining candidates
  bool candidates[10];  // [d] while digit d is possible; [0] unused
  std::uint8_t signRight;  // 0 none, 1 this cell > right neighbour, 2 this cell <
  std::uint8_t signDown;   // 0 none, 1 this cell > the cell below, 2 this cell <
  bool rowSubsetUsed[4];   // member of a naked pair, triple, quad, quint in its row
  bool colSubsetUsed[4];   // the same in its column
};

// Rows and columns -2..10: the two-cell margin lets the chain test look two
// cells past an edge and always find empty signs there. A flat value type so
// a generator step is undone by copying the whole board back.
struct FutBoard {
  static constexpr int kMargin = 2;
  static constexpr int kSpan = kMaxSize + 2 * kMargin;
  FutCell cells[kSpan][kSpan];

  FutCell& at(int row, int col) { return cells[row + kMargin][col + kMargin]; }
  const FutCell& at(int row, int col) const { return cells[row + kMargin][col + kMargin]; }
};

// The form the solver and generator work on: the N x N cells only, row-major
// with stride 9, candidates as bit sets (bit d for digit d), subset marks as
// bits (0..3 row pair..quint, 4..7 column). A tenth of a FutBoard's size, so
// the generator's undo copy is cheap; cells off the board hold no signs.
struct PackedFutCell {
  std::uint16_t candidates;
  std::int8_t value;  // 1..N, or -1 while open
  std::int8_t count;  // number of remaining candidates
  std::uint8_t given;
  std::uint8_t signRight;
  std::uint8_t signDown;
  std::uint8_t subsetUsed;
};

struct PackedFutBoard {
  PackedFutCell cells[kMaxSize * kMaxSize];
  // Lines (bit row, or 9 + column) in which hidden singles or the subset
  // search last found nothing and whose cells have not changed since; a
  // change to a cell clears its row and column. Copied with the board, so a
  // roll-back restores them too.
  std::uint32_t singlesClean;
  std::uint32_t subsetsClean;  // valid for subsetLevel only
  std::int32_t subsetLevel;
  // Per row, the columns of cells changed since the sign step last looked at
  // their signs; every sign between two unmarked cells already holds, so the
  // sign step only revisits the signs of marked cells.
  std::uint16_t signsDirty[kMaxSize];
};

// A sign as its greater and smaller cell (indexes of a PackedFutBoard).
struct SignPair {
  std::uint8_t greater, smaller;
};

// The board's signs in the order the sign step visits them: row-major, the
// right sign of a cell before its down sign. A sign pointing off the board
// (never made by the generator or a bank) is left out.
struct SignList {
  SignPair pairs[2 * kMaxSize * kMaxSize];
  int count;
};

// Only rows and columns 0..N-1 are copied; Unpack leaves the margin alone.
void Pack(const FutHeader& header, const FutBoard& from, PackedFutBoard& to);
void Unpack(const FutHeader& header, const PackedFutBoard& from, FutBoard& to);

// The FutBoard routines below pack, run these and unpack.
namespace packed {
void ListSigns(const PackedFutBoard& board, int n, SignList& out);
// A cell's candidates, value or marks changed: its lines are no longer clean.
void Touch(PackedFutBoard& board, int index);
// A cell's lowest or highest candidate changed: its signs need another look.
void MarkSigns(PackedFutBoard& board, int index);
// Every cell's signs need a look: after a board is filled from outside.
void MarkAllSigns(PackedFutBoard& board);
void FixCell(PackedFutBoard& board, int n, int index);
bool SolveLogically(PackedFutBoard& board, int n, int level);
// signs: ListSigns of this board.
bool IsConsistent(const PackedFutBoard& board, int n, const SignList& signs);
// The row and column half of IsConsistent: after SolveLogically has returned
// true every sign holds, so this is all that is left to check.
bool EveryDigitPlaceable(const PackedFutBoard& board, int n);
bool IsFullyDetermined(const PackedFutBoard& board, int n);
void BuildFromGivens(PackedFutBoard& board, int n);
bool HasSignChain(const PackedFutBoard& board, int n);
// HasSignChain for a board that had no chain before the sign stored in cell
// `index` in direction dir (0 right, 1 down) was added: only chains through
// that sign need looking for.
bool HasSignChainThrough(const PackedFutBoard& board, int n, int index, int dir);
// SolveAndExport on a packed board, which it leaves as the solve ends.
bool SolveAndExport(PackedFutBoard& board, int n, int level, FutGrid& grid);
}  // namespace packed

// Solver strength 1..5 for a difficulty and size (sizes between the shipped
// ones take the next smaller).
int SolverLevel(int difficulty, int size);

void FixCell(FutBoard& board, const FutHeader& header, int row, int col);
void RemoveCandidates(FutBoard& board, const FutHeader& header, int row, int col,
                      const bool (&digits)[10], bool& changed);
// False when some sign can no longer be satisfied.
bool ApplySignBounds(FutBoard& board, const FutHeader& header, bool& changed);
// False on a contradiction; true when nothing more follows (solved or stuck).
bool SolveLogically(const FutHeader& header, FutBoard& board, int level);

bool IsConsistent(const FutHeader& header, const FutBoard& board);
bool IsFullyDetermined(const FutHeader& header, const FutBoard& board);

// Candidates from the givens alone; signs stay as they are.
void BuildFromGivens(const FutHeader& header, FutBoard& board);
// Re-solves from the givens at the puzzle's level; on success writes the
// N x N cells of the play grid as a fresh puzzle. The grid is untouched on
// failure.
bool SolveAndExport(const FutHeader& header, FutBoard& board, FutGrid& grid);

}  // namespace zorvek::futoshiki

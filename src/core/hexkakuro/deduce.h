#pragma once
// The deduction engine: it narrows the candidates of white cells from the
// clue sums known so far and fixes a cell as soon as one candidate is left;
// and the final check that copies a finished board into the play grid.
//
// Every operation reports a contradiction through a flag the caller owns and
// returns at the first one, leaving the board partly changed (the caller
// restores or discards it). `changed` is set whenever a candidate is removed.
#include "core/hexkakuro/board.h"
#include "core/hexkakuro/record.h"

namespace zorvek::hexkakuro {

struct DeduceFlags {
  bool contradiction = false;
  bool changed = false;
};

// Fixes the white cell at (r, c) when one candidate is left and carries the
// digit through both of its runs.
void AssignSingle(HexBoard& board, int r, int c, DeduceFlags& flags);

// Gives the clue at (r, c) its sum; mask is LookupHexPossibleDigits(count, sum).
void ApplyClueSum(HexBoard& board, int r, int c, int sum, const DigitFlags& mask, DeduceFlags& flags);

// Drops each candidate of the unassigned white cell (r, c) that no choice of
// distinct digits for the rest of the clue's run can complete to its sum.
void CheckSumFeasibility(HexBoard& board, int r, int c, int clueRow, int clueCol,
                         DeduceFlags& flags);

// Naked subsets of the clue's run whose union is that of one or two cells.
void EliminateNakedSubsets(HexBoard& board, int clueRow, int clueCol, DeduceFlags& flags);

// Repeats feasibility and naked subsets over the board until nothing changes.
// True when it met a contradiction.
bool PropagateHex(HexBoard& board);

// A fresh board for a played grid: its cell kinds, runs linked as a layout
// links them, every white cell open; then every clue's sum is applied and
// deduction runs to its end. False when the sums contradict each other;
// otherwise the board shows which white cells deduction fixes.
bool DeduceFromClues(const HexGrid& grid, int rows, int cols, HexBoard& board);

// Checks every clue of rows 1..rows, columns 1..cols against its run's digits;
// on success overwrites `grid` with the puzzle (every player field empty) and
// returns true, otherwise leaves `grid` untouched.
bool VerifyAndExport(const HexBoard& board, int rows, int cols, HexGrid& grid);

}  // namespace zorvek::hexkakuro

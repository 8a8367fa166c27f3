#pragma once
// The Sudoku working board and its logical solver. The solver never guesses:
// it applies a fixed list of techniques, chosen by a level (1, 3 or 5), until
// nothing more follows.
#include <cstdint>

namespace zorvek::sudoku {

struct SolverCell {
  std::uint8_t Given;           // 1 for a given of the puzzle being built or checked
  std::int32_t Value;           // 1..9, or -1 while undetermined
  std::int32_t CandidateCount;  // number of set Candidates
  std::uint8_t Candidates[9];   // [d - 1] set while digit d is possible
  // Naked-subset membership: [unit * 4 + size - 2], unit 0 row, 1 column, 2 box.
  std::uint8_t SubsetMarks[12];
};

struct SolverBoard {
  SolverCell cells[81];  // row-major
  SolverCell& at(int row, int col) { return cells[row * 9 + col]; }
  const SolverCell& at(int row, int col) const { return cells[row * 9 + col]; }
};

// Intersection eliminations done so far, per unit and digit. They belong to
// the solve, not to the board: restoring a copy of the board keeps them.
struct DoneTables {
  std::uint8_t RowBoxDone[9][9];
  std::uint8_t ColumnBoxDone[9][9];
  std::uint8_t BoxRowDone[9][9];
  std::uint8_t BoxColumnDone[9][9];
};

// Row and column of position p (1..9) of box b (1..9).
int BoxCellRow(int box, int position);
int BoxCellColumn(int box, int position);

class Solver {
 public:
  void ResetBoard(SolverBoard& board);
  void ResetFromGivens(SolverBoard& board);
  // A digit of -1 places the cell's single remaining candidate.
  void PlaceDigit(SolverBoard& board, int row, int col, int digit);
  // False on a contradiction; true does not mean solved.
  bool SolveLogically(SolverBoard& board, int level);

  DoneTables& done() { return done_; }
  const DoneTables& done() const { return done_; }

 private:
  bool HiddenSingles(SolverBoard& board, int unitKind, bool& progress);
  void NakedSubsets(SolverBoard& board, int unitKind, int level, bool& progress, bool& contradiction);
  void Intersections(SolverBoard& board, bool& progress);
  void RemoveCandidate(SolverBoard& board, int index, int digit);

  DoneTables done_{};
};

bool IsSolved(const SolverBoard& board);
bool AllDigitsCoverable(const SolverBoard& board);

}  // namespace zorvek::sudoku

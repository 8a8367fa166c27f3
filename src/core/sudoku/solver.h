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

// The form the solver works on: candidates as bit sets (bit d - 1 for digit
// d), subset marks as bits (bit unit * 4 + size - 2), one byte per value.
// A quarter of a SolverBoard's size, so a roll-back copy is cheap, and a
// unit's candidates combine with a few ORs instead of byte loops.
struct PackedBoard {
  std::uint16_t candidates[81];
  std::uint16_t marks[81];
  std::int8_t value[81];  // 1..9, or -1 while undetermined
  std::uint8_t given[81];
  // Units (bit kind * 9 + unit: rows, columns, boxes) in which a step last
  // found nothing and whose cells have not changed since, so the step would
  // find nothing again. Any change to a cell clears its three units. They
  // travel with the board, so a roll-back copy restores them too; the
  // intersection marks hold because done marks only grow until a reset.
  std::uint32_t singlesClean;
  std::uint32_t subsetsClean;  // valid for subsetLevel only
  std::uint32_t crossClean;       // lines to boxes, and boxes to rows
  std::uint32_t boxColumnsClean;  // boxes to columns
  std::int32_t subsetLevel;
  // Per unit (same order as the bits above), the positions changed since the
  // subset search last found nothing there. Every subset it could find then
  // includes one of them, so the look-ahead tries only those.
  std::uint16_t subsetsDirty[27];
};

void Pack(const SolverBoard& from, PackedBoard& to);  // values outside -128..127 saturate
void Unpack(const PackedBoard& from, SolverBoard& to);

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

// The SolverBoard overloads pack the board, run the same steps on the packed
// form and unpack the result; the generator keeps a packed board throughout.
class Solver {
 public:
  void ResetBoard(SolverBoard& board);
  void ResetFromGivens(SolverBoard& board);
  // A digit of -1 places the cell's single remaining candidate.
  void PlaceDigit(SolverBoard& board, int row, int col, int digit);
  // False on a contradiction; true does not mean solved.
  bool SolveLogically(SolverBoard& board, int level);

  void ResetBoard(PackedBoard& board);
  void ResetFromGivens(PackedBoard& board);
  void PlaceDigit(PackedBoard& board, int index, int digit);
  bool SolveLogically(PackedBoard& board, int level);

  // The done marks as tables (kept as bit sets per unit inside).
  DoneTables done() const;

 private:
  struct SubsetSearch;
  bool HiddenSingles(PackedBoard& board, int unitKind, bool& progress);
  void NakedSubsets(PackedBoard& board, int unitKind, int level, bool& progress,
                    bool& contradiction);
  void ExtendSubset(SubsetSearch& search, int count);
  void Intersections(PackedBoard& board, bool& progress);
  void RemoveCandidate(PackedBoard& board, int index, unsigned bit);
  void ClearDone();
  static void Touch(PackedBoard& board, int index);

  // Done marks, bit d - 1 per unit (row, column or box 0..8).
  std::uint16_t rowBoxDone_[9] = {};
  std::uint16_t columnBoxDone_[9] = {};
  std::uint16_t boxRowDone_[9] = {};
  std::uint16_t boxColumnDone_[9] = {};
};

bool IsSolved(const SolverBoard& board);
bool AllDigitsCoverable(const SolverBoard& board);
bool IsSolved(const PackedBoard& board);
// Number of digits in a candidate bit set (by table: no popcount
// instruction is assumed).
struct DigitCounts {
  std::uint8_t v[512];
  constexpr DigitCounts() : v() {
    for (int m = 1; m < 512; ++m) v[m] = static_cast<std::uint8_t>(v[m >> 1] + (m & 1));
  }
};
inline constexpr DigitCounts kDigitCounts;
inline int CountDigits(unsigned mask) { return kDigitCounts.v[mask & 511u]; }
bool AllDigitsCoverable(const PackedBoard& board);

}  // namespace zorvek::sudoku

#pragma once
// The Kakuro puzzle block seen through the play model, and the clue
// selection that only Kakuro has: a clue's run, its digit combinations
// filtered by what is entered, and the pencil marks a clue click writes.
#include <string>
#include <vector>

#include "core/common/sums.h"
#include "core/kakuro/record.h"
#include "core/play/play.h"

namespace zorvek::kakuro {

// White cells (rows 1..rows, columns 1..cols of the block) are the play
// cells; an entry of -1 in the block is "none" (0 to the play model). The
// ten pencil marks are digits 0..9; 0 takes part only in a puzzle that allows
// it, so "0" is typed and converted only there.
class KakuroPlayAdapter : public PlayAdapter {
 public:
  KakuroPlayAdapter(KakHeader& header, KakGrid& grid) : header_(header), grid_(grid) {}

  // The model's grid is the whole block, so its undo ring fits every size.
  int Rows() const override { return kGridRows; }
  int Cols() const override { return kGridCols; }
  bool IsCell(int r, int c) const override;
  bool IsGiven(int, int) const override { return false; }
  int Solution(int r, int c) const override { return cell(r, c).sum; }
  int Entry(int r, int c) const override { return cell(r, c).entry > 0 ? cell(r, c).entry : 0; }
  void SetEntry(int r, int c, int digit) override;
  int MarkLow() const override { return header_.zeroAllowed ? 0 : 1; }
  int MarkHigh() const override { return 9; }
  bool Mark(int r, int c, int digit) const override;
  void SetMark(int r, int c, int digit, bool on) override;
  std::string Text(int r, int c) const override;
  void SetText(int r, int c, std::string_view text) override;
  // The block's marks 3 (right) and 4 (wrong) are the model's 1 and 2.
  int Check(int r, int c) const override;
  void SetCheck(int r, int c, int mark) override;
  std::uint8_t& TimerState() override { return header_.playState; }
  std::int32_t& Elapsed() override { return header_.elapsed; }
  Hint NextHint() const override;  // kakuro/hint.cpp

  KakHeader& header() { return header_; }
  KakGrid& grid() { return grid_; }
  const KakHeader& header() const { return header_; }
  const KakGrid& grid() const { return grid_; }

 private:
  KakCell& cell(int r, int c) { return grid_.cells[r][c]; }
  const KakCell& cell(int r, int c) const { return grid_.cells[r][c]; }
  KakHeader& header_;
  KakGrid& grid_;
};

// A clue and the white cells it adds up: the head is the black cell.
struct KakRun {
  int row = -1, col = -1;  // the black head cell
  bool down = false;
  int sum = 0, length = 0;
  bool Valid() const { return row >= 0 && length > 0; }
  // The k-th cell of the run (0-based).
  int CellRow(int k) const { return down ? row + 1 + k : row; }
  int CellCol(int k) const { return down ? col : col + 1 + k; }
};

// The run a black cell heads in one direction; invalid (length 0) when it
// heads none or the cell is not a black cell of the puzzle.
KakRun ClueRun(const KakHeader& header, const KakGrid& grid, int row, int col, bool down);
// The across or down run a white cell belongs to.
KakRun RunOfCell(const KakHeader& header, const KakGrid& grid, int row, int col, bool down);

// A run's combinations, alive while they hold every digit entered in the run.
sums::Combinations RunCombinations(const KakGrid& grid, const KakRun& run);
// Clears the mark byte (clue selection and check results) of every cell of the puzzle.
void ClearCellMarks(const KakHeader& header, KakGrid& grid);
// A clue's combinations, loaded and filtered; with applyMarks (the player's
// own click on the clue) the run's pencil marks follow them. Which clue is
// selected is the window's to show: the block is left as it was.
sums::Combinations SelectClue(KakGrid& grid, const KakRun& run, bool applyMarks);
// The clue a new position starts with: the across clue of the first black
// cell of row 1 whose right neighbour is white (invalid when there is none).
KakRun StartingClue(const KakHeader& header, const KakGrid& grid);

}  // namespace zorvek::kakuro

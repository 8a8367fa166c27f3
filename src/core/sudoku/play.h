#pragma once
// The Sudoku puzzle block seen through the play model, and the two pencil-mark
// commands that only Sudoku has in this form.
#include "core/play/cell_fields.h"
#include "core/sudoku/record.h"

namespace zorvek::sudoku {

class SudokuPlayAdapter : public RecordAdapter<SudSettings, SudPuzzle> {
 public:
  using RecordAdapter::RecordAdapter;

  int Rows() const override { return 9; }
  int Cols() const override { return 9; }
  bool IsCell(int r, int c) const override { return r >= 0 && r < 9 && c >= 0 && c < 9; }
  bool IsGiven(int r, int c) const override { return cell(r, c).given == 1; }
  int Solution(int r, int c) const override { return cell(r, c).solution; }
  std::uint8_t& TimerState() override { return settings_.timerState; }
  std::int32_t& Elapsed() override { return settings_.elapsed; }
  void AddPencilmarks() override;
  void ReducePencilmarks() override;
  Hint NextHint() const override;

  SudSettings& settings() { return settings_; }
  SudPuzzle& puzzle() { return block_; }
  const SudSettings& settings() const { return settings_; }
  const SudPuzzle& puzzle() const { return block_; }
};

// Every open cell without a single mark gets all nine.
void AddPencilmarks(SudPuzzle& puzzle);
// Removes each placed digit (given or entry) from the marks of the open cells
// in its row, column and box; the digits are read before anything changes.
void ReducePencilmarks(SudPuzzle& puzzle);

}  // namespace zorvek::sudoku

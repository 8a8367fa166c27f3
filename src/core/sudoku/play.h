#pragma once
// The Sudoku puzzle block seen through the play model, and the two pencil-mark
// commands that only Sudoku has in this form.
#include "core/play/play.h"
#include "core/sudoku/record.h"

namespace zorvek::sudoku {

class SudokuPlayAdapter : public PlayAdapter {
 public:
  SudokuPlayAdapter(SudSettings& settings, SudPuzzle& puzzle) : settings_(settings), puzzle_(puzzle) {}

  int Rows() const override { return 9; }
  int Cols() const override { return 9; }
  bool IsCell(int r, int c) const override { return r >= 0 && r < 9 && c >= 0 && c < 9; }
  bool IsGiven(int r, int c) const override { return cell(r, c).given == 1; }
  int Solution(int r, int c) const override { return cell(r, c).solution; }
  int Entry(int r, int c) const override { return cell(r, c).entry; }
  void SetEntry(int r, int c, int digit) override;
  bool Mark(int r, int c, int digit) const override;
  void SetMark(int r, int c, int digit, bool on) override;
  std::string Text(int r, int c) const override;
  void SetText(int r, int c, std::string_view text) override;
  int Check(int r, int c) const override { return cell(r, c).check; }
  void SetCheck(int r, int c, int mark) override { cell(r, c).check = static_cast<std::uint8_t>(mark); }
  std::uint8_t& TimerState() override { return settings_.timerState; }
  std::int32_t& Elapsed() override { return settings_.elapsed; }
  void AddPencilmarks() override;
  void ReducePencilmarks() override;

  SudSettings& settings() { return settings_; }
  SudPuzzle& puzzle() { return puzzle_; }
  const SudSettings& settings() const { return settings_; }
  const SudPuzzle& puzzle() const { return puzzle_; }

 private:
  SudCell& cell(int r, int c) { return puzzle_.cells[r][c]; }
  const SudCell& cell(int r, int c) const { return puzzle_.cells[r][c]; }
  SudSettings& settings_;
  SudPuzzle& puzzle_;
};

// Every open cell without a single mark gets all nine.
void AddPencilmarks(SudPuzzle& puzzle);
// Removes each placed digit (given or entry) from the marks of the open cells
// in its row, column and box; the digits are read before anything changes.
void ReducePencilmarks(SudPuzzle& puzzle);

}  // namespace zorvek::sudoku

#pragma once
// The Futoshiki puzzle block seen through the play model, and what only
// Futoshiki does with pencil marks: the two pencil-mark commands over rows and
// columns, and narrowing the marks on both sides of a sign.
#include "core/futoshiki/record.h"
#include "core/play/play.h"

namespace zorvek::futoshiki {

class FutoshikiPlayAdapter : public PlayAdapter {
 public:
  FutoshikiPlayAdapter(FutHeader& header, FutGrid& grid) : header_(header), grid_(grid) {}

  // The model keeps room for the largest board; only the N x N corner plays.
  int Rows() const override { return kMaxSize; }
  int Cols() const override { return kMaxSize; }
  bool IsCell(int r, int c) const override { return r >= 0 && r < N() && c >= 0 && c < N(); }
  bool IsGiven(int r, int c) const override { return cell(r, c).given == 1; }
  int Solution(int r, int c) const override { return cell(r, c).solution; }
  int Entry(int r, int c) const override { return cell(r, c).entry; }
  void SetEntry(int r, int c, int digit) override;
  int MarkHigh() const override { return N(); }
  bool Mark(int r, int c, int digit) const override;
  void SetMark(int r, int c, int digit, bool on) override;
  std::string Text(int r, int c) const override;
  void SetText(int r, int c, std::string_view text) override;
  int Check(int r, int c) const override { return cell(r, c).check; }
  void SetCheck(int r, int c, int mark) override { cell(r, c).check = static_cast<std::uint8_t>(mark); }
  std::uint8_t& TimerState() override { return header_.playState; }
  std::int32_t& Elapsed() override { return header_.elapsed; }

  int N() const { return PlaySize(header_); }
  FutHeader& header() { return header_; }
  FutGrid& grid() { return grid_; }
  const FutHeader& header() const { return header_; }
  const FutGrid& grid() const { return grid_; }

 private:
  FutGridCell& cell(int r, int c) { return grid_.cells[r][c]; }
  const FutGridCell& cell(int r, int c) const { return grid_.cells[r][c]; }
  FutHeader& header_;
  FutGrid& grid_;
};

// Every open cell (not given, no entry) without a single mark gets 1..N.
void AddPencilmarks(const FutHeader& header, FutGrid& grid);
// Removes each placed digit (a given's or an entry) from the marks of the
// open cells in its row and column; signs play no part.
void ReducePencilmarks(const FutHeader& header, FutGrid& grid);

// Whether cell (row, col) of the N x N board holds a sign to its right
// (down = false) or below it, between it and another cell of the board.
bool HasSign(const FutHeader& header, const FutGrid& grid, int row, int col, bool down);

// A click on the sign stored in cell (row, col): to its right (down = false)
// or below it. Open cells on either side without marks first get all of
// 1..N; then the greater cell loses every mark up to the smaller one's
// lowest possible digit and the smaller cell every mark from the greater
// one's highest. Givens and cells with an entry never change. In Type mode
// (typeMode) the marks are read from the cells' typed texts and written back
// to them. False when there is no such sign.
bool SignClick(const FutHeader& header, FutGrid& grid, int row, int col, bool down, bool typeMode);

}  // namespace zorvek::futoshiki

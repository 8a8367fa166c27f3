#pragma once
// The Futoshiki puzzle block seen through the play model, and what only
// Futoshiki does with pencil marks: the two pencil-mark commands over rows and
// columns, and narrowing the marks on both sides of a sign.
#include "core/futoshiki/record.h"
#include "core/play/cell_fields.h"

namespace zorvek::futoshiki {

class FutoshikiPlayAdapter : public RecordAdapter<FutHeader, FutGrid> {
 public:
  using RecordAdapter::RecordAdapter;

  // The model keeps room for the largest board; only the N x N corner plays.
  int Rows() const override { return kMaxSize; }
  int Cols() const override { return kMaxSize; }
  bool IsCell(int r, int c) const override { return r >= 0 && r < N() && c >= 0 && c < N(); }
  bool IsGiven(int r, int c) const override { return cell(r, c).given == 1; }
  int Solution(int r, int c) const override { return cell(r, c).solution; }
  int MarkHigh() const override { return N(); }
  std::uint8_t& TimerState() override { return settings_.playState; }
  std::int32_t& Elapsed() override { return settings_.elapsed; }
  void AddPencilmarks() override;
  void ReducePencilmarks() override;
  // FindHint on these blocks (core/futoshiki/hint.h).
  Hint NextHint() const override;

  int N() const { return PlaySize(settings_); }
  FutHeader& header() { return settings_; }
  FutGrid& grid() { return block_; }
  const FutHeader& header() const { return settings_; }
  const FutGrid& grid() const { return block_; }
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

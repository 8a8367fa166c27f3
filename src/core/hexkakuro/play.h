#pragma once
// The HexKakuro puzzle block seen through the play model, and what only
// HexKakuro does with it: a clue's combinations, the pencil marks a clue
// click narrows, and the two clues of a white cell.
#include <string>
#include <vector>

#include "core/hexkakuro/geometry.h"
#include "core/hexkakuro/record.h"
#include "core/common/sums.h"
#include "core/play/cell_fields.h"

namespace zorvek::hexkakuro {

// Only white cells take entries; there are no givens. The model's snapshots
// span the whole grid array, so rows 1..13 and columns 1..15 are covered
// whatever the puzzle's size.
class HexKakuroPlayAdapter : public RecordAdapter<HexHeader, HexGrid> {
 public:
  using RecordAdapter::RecordAdapter;

  int Rows() const override { return kGridRows; }
  int Cols() const override { return kGridCols; }
  bool IsCell(int r, int c) const override;
  bool IsGiven(int, int) const override { return false; }
  int Solution(int r, int c) const override { return cell(r, c).number; }
  std::uint8_t& TimerState() override { return settings_.timerState; }
  std::int32_t& Elapsed() override { return settings_.elapsed; }
  Hint NextHint() const override;  // hexkakuro/hint.cpp

  HexHeader& settings() { return settings_; }
  HexGrid& grid() { return block_; }
  const HexHeader& settings() const { return settings_; }
  const HexGrid& grid() const { return block_; }
};

// True for a clue cell of the grid within rows 1..rows and columns 1..cols.
bool IsClueCell(const HexHeader& settings, const HexGrid& grid, int r, int c);

// A clue's combinations as the player sees them: "6 in 2", then every set of
// its run length and sum; a set is alive while it holds every digit already
// entered around the clue.
struct ClueCombinations {
  int sum = 0;
  int length = 0;
  sums::Combinations list;
  std::string Title() const;
};
ClueCombinations CombinationsOfClue(const HexHeader& settings, const HexGrid& grid, int r, int c);

// The clue click in Mouse mode: each white neighbour of the clue keeps or
// gets the marks of the digits its alive combinations allow and no neighbour
// holds yet. A cell without marks gets them all; a cell with marks only loses
// some, so repeated clicks narrow and never add. True when a mark changed.
bool NarrowClueMarks(const HexHeader& settings, HexGrid& grid, int r, int c);

// The two clues of a white cell: `first` is the one above (odd column) or to
// the left (even column), `second` the one below or to the right. A position
// that holds no clue comes back as (0, 0).
void CluesOfCell(const HexHeader& settings, const HexGrid& grid, int r, int c, HexPos& first,
                 HexPos& second);

}  // namespace zorvek::hexkakuro

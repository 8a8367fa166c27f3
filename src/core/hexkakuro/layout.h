#pragma once
// Making a new puzzle on a working board: the layout decides which white
// positions of the fixed pattern stay white, so every run suits the level;
// the fill then picks one clue sum at a time and lets the deduction engine
// narrow the white cells until each is fixed by deduction alone.
// Both draw every choice from the caller's Random, in a fixed order.
#include <cstdint>

#include "core/common/random.h"
#include "core/hexkakuro/board.h"

namespace zorvek::hexkakuro {

struct LevelParameters {
  int minRun;            // shortest run removals may leave
  int maxRun;            // longest run a layout may keep
  int removalAttempts;   // random removals tried
  int seedPairs;         // forced pairs seeded before the fill
};
// Level 0 Easy, 1 Medium, 2 Hard; anything else is treated as Hard.
LevelParameters ParametersFor(int level);

// One row of the seed tables: the sums of a shorter and a longer run whose
// possible digits have exactly one digit in common.
struct SeedPair {
  int shorterSum;
  int longerSum;
};
// The table for runs of lengths (shorter, longer); null when there is none.
const SeedPair* SeedTable(int shorter, int longer, int& size);

// Takes a white cell out of the puzzle; its clues' runs shrink by one.
void RemoveWhiteCell(HexBoard& board, int r, int c);

// Always succeeds: repeats until no run is longer than the level allows.
void MakeHexLayout(Random& random, int level, int rows, int cols, HexBoard& board);

// True when every clue got a sum and every white cell a digit; false leaves
// the board in no useful state. The board must come from MakeHexLayout.
bool FillHexDigits(Random& random, int level, int rows, int cols, HexBoard& board);

// The fill's steps, open for tests.
class HexFill {
 public:
  HexFill(Random& random, int level, int rows, int cols, HexBoard& board)
      : random_(random), level_(level), rows_(rows), cols_(cols), board_(board) {}

  bool Run();

  void ResetHexBoard();
  void SeedClues();
  // False when no clue lacks a sum.
  bool ChooseNextClue(HexPos& chosen);
  // tries = 0 sets the tally up; later tries reuse it.
  void ChooseClueSum(int r, int c, int tries, bool& retry);
  bool HasAdjacentTwin(int r, int c, int sum, int n) const;

  bool failure() const { return failure_; }
  void ClearTally() {
    for (auto& t : tally_) t = 0;
  }
  std::uint16_t tally(int sum) const { return tally_[sum]; }

 private:
  void TallyRun(const unsigned* sets, int i, int n, unsigned used, int sum);

  Random& random_;
  int level_;
  int rows_;
  int cols_;
  HexBoard& board_;
  bool failure_ = false;
  std::uint16_t tally_[40] = {};
  int runLength_ = 0;
};

}  // namespace zorvek::hexkakuro

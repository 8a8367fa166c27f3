#pragma once
// The clue-sum fill: one run at a time gets the sum that leaves the fewest
// ways to fill it, and candidate elimination decides the digits. A fill that
// ends with an undecided cell is refused, so every accepted puzzle is
// reachable by deduction alone.
#include <cstdint>

#include "core/common/random.h"
#include "core/kakuro/record.h"
#include "core/kakuro/workgrid.h"

namespace zorvek::kakuro {

// Candidate propagation over a work grid, shared by the fill and the solver.
class KakPropagation {
 public:
  KakPropagation(const KakHeader& header, KakWorkGrid& grid);

  // Checks the cell's candidates; when one is left it becomes the digit and
  // is removed from both runs, with every digit the rest of each run cannot
  // hold, recursively. False on a contradiction.
  bool UpdateCell(int r, int c);

  KakWorkCell& At(int r, int c) { return grid_.cells[r][c]; }
  KakWorkCell& HeadOf(int r, int c, int direction);
  // The cells of the run headed by (hr, hc); returns their number.
  int RunCells(int hr, int hc, int direction, int (&rs)[9], int (&cs)[9]) const;
  int CandidateMask(const KakWorkCell& cell) const;

  int progress = 0;  // UpdateCell calls on unsolved cells

 protected:
  KakWorkGrid& grid_;
  int rows_;
  int cols_;
  int lowest_;
  int highest_;
};

class KakFill : public KakPropagation {
 public:
  KakFill(const KakHeader& header, KakWorkGrid& grid, Random& random);

  // 0: every run has a sum and every white cell a digit; 1: contradiction or
  // too many retries; 2: every run summed but some cell still undecided.
  int FillDigits();

  // The steps, public so that tests can drive them.
  void InitFill();
  bool SetRunSum(int hr, int hc, int direction, int sum);
  bool SeedNineRuns();
  bool SeedCrossings();
  bool RefineCandidates();
  bool PickRun(int& hr, int& hc, int& direction) const;
  // 0 sum set; 1 contradiction, retry; 2 no sum possible.
  int ChooseRunSum(int hr, int hc, int direction, int retry);
  // True when four cells of two naked pairs could swap their digits.
  bool CheckRectangles();

 private:
  bool ExamineRun(int hr, int hc, int direction, bool& removed);
  bool FillingExists(const int* masks, int n, int index, int remaining, int used) const;

  Random& random_;
  int difficulty_;
  bool zeroAllowed_;
  int sumCounts_[46] = {};
};

// Runs the fill on a grid holding the colours of a layout.
int FillDigits(const KakHeader& header, KakWorkGrid& grid, Random& random);

// The sum pairs (shorter run, longer run) that seed a crossing of runs `lo`
// and `hi` cells long; count 0 when that crossing gets no seed.
struct KakSeedPairs {
  int count;
  const int (*pairs)[2];
};
KakSeedPairs SeedPairs(bool zeroAllowed, int lo, int hi);

}  // namespace zorvek::kakuro

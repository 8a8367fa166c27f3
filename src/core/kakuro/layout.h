#pragma once
// The black/white layout of a new puzzle: built at random row by row with
// local forcing rules, checked, and rebuilt from scratch until one passes.
#include <cstdint>

#include "core/common/random.h"
#include "core/kakuro/record.h"
#include "core/kakuro/workgrid.h"

namespace zorvek::kakuro {

constexpr std::uint8_t kUndecided = 0;

struct KakLayoutCell {
  std::uint8_t colour;      // 0 undecided, 1 black, 2 white
  std::int32_t acrossCount;  // scratch run counts of the counting passes
  std::int32_t downCount;
  std::uint8_t fixed;  // colour decided for good
};

struct KakLayoutGrid {
  KakLayoutCell cells[kWorkRows][kWorkCols];
};

// Entry k (1..9): greatest height of a solid white block k wide; entry 1 is
// also the run limit. The second set applies from layout attempt 300 on.
void ShapeLimits(int difficulty, int attempt, int (&limits)[10]);

class KakLayout {
 public:
  KakLayout(const KakHeader& header, Random& random);

  // Fills the colours of rows 0..rows, columns 0..cols of `grid` (1 black,
  // 2 white; everything else black). Retries without limit; returns the number
  // of attempts it took.
  int GenerateLayout(KakWorkGrid& grid);

  // The steps of one attempt, public so that tests can drive them.
  void InitLayout();
  bool PlaceRow(int r);
  bool PlaceCell(std::uint8_t colour, int r, int c);
  void SetLayoutCell(std::uint8_t colour, int r, int c);
  bool CheckShape();
  bool CloseRow(int r);
  // 0 passes; 1 bad shape, undecided cell or bad run; 2 an empty edge line.
  int FinalLayoutCheck() const;
  void CountRemaining();
  void CountPositions();

  KakLayoutGrid grid{};
  int attempt = 0;
  int limits[10] = {};

 private:
  std::uint8_t Colour(int r, int c) const;
  bool IsBlack(int r, int c) const { return Colour(r, c) == kBlack; }
  bool IsWhite(int r, int c) const { return Colour(r, c) == kWhite; }
  bool Fixed(int r, int c) const;

  Random& random_;
  int difficulty_;
  int rows_;
  int cols_;
  bool symmetric_;
  int buildRows_;
};

// One layout into the engine grid; returns the attempts it took.
int GenerateLayout(const KakHeader& header, KakWorkGrid& grid, Random& random);

}  // namespace zorvek::kakuro

#pragma once
// The Kakuro drivers: one attempt is layout, fill and solve; the create
// dialog, the first start and batch printing repeat it with their own
// stopping rules.
#include <cstdint>

#include "core/common/progress.h"
#include "core/common/random.h"
#include "core/kakuro/record.h"

namespace zorvek::kakuro {

// Header of a new puzzle: digits 1..9, symmetric from 9 rows, no zero,
// elapsed 0, clock running.
KakHeader MakeKakHeader(int difficulty, int rows, int cols);

// The create dialog's size buttons 0..3: 7 x 7, 9 x 9, 9 x 11, 11 x 13.
bool KakSizeForChoice(int choice, int& rows, int& cols);

// Where an attempt's time went; filled when a caller asks for it.
struct KakCreateStats {
  int attempts = 0;        // layout + fill (+ solve) rounds
  int layoutAttempts = 0;  // layouts built inside GenerateLayout, all rounds
  int fillFailures = 0;
  int solveFailures = 0;
  std::int64_t layoutNanos = 0;
  std::int64_t fillNanos = 0;
  std::int64_t solveNanos = 0;
};

// Layout, fill and, when the fill succeeded, the solver into `puzzle`.
bool CreateKakuroAttempt(Random& random, const KakHeader& header, KakGrid& puzzle,
                         KakCreateStats* stats = nullptr);

struct KakCreateResult {
  bool success = false;
  int attempts = 0;
};

// The create dialog's command: up to 51 attempts for the chosen difficulty
// and size button. On success the blocks hold the new puzzle (elapsed 0,
// clock running); on failure they are left exactly as they were. `progress`
// (may be null) counts the attempts; this dialog cannot be cancelled.
KakCreateResult CreateKakuroPuzzle(Random& random, CreateProgress* progress, int difficulty,
                                   int sizeChoice, KakHeader& header, KakGrid& grid);

// The puzzle a first start gets: Medium 9 x 11, no attempt limit.
void CreateStartupKakuro(Random& random, KakHeader& header, KakGrid& grid);

// One puzzle for batch printing (7 x 9 or 11 x 13 there). Checks the caller's
// cancel flag between layout and fill; false, with the outputs untouched,
// once it is set.
bool CreateKakuroForPrint(Random& random, CreateProgress& progress, int difficulty, int rows,
                          int cols, KakHeader& header, KakGrid& grid,
                          KakCreateStats* stats = nullptr);

}  // namespace zorvek::kakuro

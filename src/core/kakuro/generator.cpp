#include "core/kakuro/generator.h"

#include <chrono>

#include "core/common/types.h"
#include "core/kakuro/fill.h"
#include "core/kakuro/layout.h"
#include "core/kakuro/solver.h"
#include "core/kakuro/workgrid.h"

namespace zorvek::kakuro {
namespace {

std::int64_t Now() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Times one stage into a stats field when stats are wanted.
class StageTimer {
 public:
  explicit StageTimer(KakCreateStats* stats) : stats_(stats), start_(stats ? Now() : 0) {}
  void Stop(std::int64_t KakCreateStats::*field) {
    if (!stats_) return;
    const std::int64_t now = Now();
    stats_->*field += now - start_;
    start_ = now;
  }

 private:
  KakCreateStats* stats_;
  std::int64_t start_;
};

// Fill and solve after a layout; the solver writes `puzzle` only on success.
bool FillAndSolve(Random& random, const KakHeader& header, KakWorkGrid& work, KakGrid& puzzle,
                  KakCreateStats* stats, StageTimer& timer) {
  const int filled = FillDigits(header, work, random);
  timer.Stop(&KakCreateStats::fillNanos);
  if (filled != 0) {
    if (stats) ++stats->fillFailures;
    return false;
  }
  const int solved = SolveKakuro(header, work, puzzle);
  timer.Stop(&KakCreateStats::solveNanos);
  if (solved != 0) {
    if (stats) ++stats->solveFailures;
    return false;
  }
  return true;
}

}  // namespace

KakHeader MakeKakHeader(int difficulty, int rows, int cols) {
  KakHeader h{};
  h.difficulty = static_cast<std::uint8_t>(difficulty);
  h.rows = rows;
  h.cols = cols;
  h.lowestDigit = 1;
  h.highestDigit = 9;
  h.symmetric = rows >= 9 ? 1 : 0;
  h.zeroAllowed = 0;
  h.elapsed = 0;
  h.playState = kTimerRunning;
  return h;
}

bool KakSizeForChoice(int choice, int& rows, int& cols) {
  static constexpr int kSizes[4][2] = {{7, 7}, {9, 9}, {9, 11}, {11, 13}};
  if (choice < 0 || choice > 3) return false;
  rows = kSizes[choice][0];
  cols = kSizes[choice][1];
  return true;
}

bool CreateKakuroAttempt(Random& random, const KakHeader& header, KakGrid& puzzle,
                         KakCreateStats* stats) {
  KakWorkGrid work;
  StageTimer timer(stats);
  const int layouts = GenerateLayout(header, work, random);
  timer.Stop(&KakCreateStats::layoutNanos);
  if (stats) {
    ++stats->attempts;
    stats->layoutAttempts += layouts;
  }
  return FillAndSolve(random, header, work, puzzle, stats, timer);
}

KakCreateResult CreateKakuroPuzzle(Random& random, CreateProgress* progress, int difficulty,
                                   int sizeChoice, KakHeader& header, KakGrid& grid) {
  KakCreateResult result;
  int rows, cols;
  if (!KakSizeForChoice(sizeChoice, rows, cols)) return result;
  const KakHeader fresh = MakeKakHeader(difficulty, rows, cols);
  KakGrid puzzle;
  for (int attempt = 1; attempt <= 51; ++attempt) {
    result.attempts = attempt;
    if (progress) progress->attempts = attempt;
    if (CreateKakuroAttempt(random, fresh, puzzle)) {
      header = fresh;
      grid = puzzle;
      result.success = true;
      return result;
    }
  }
  return result;
}

void CreateStartupKakuro(Random& random, KakHeader& header, KakGrid& grid) {
  const KakHeader fresh = MakeKakHeader(kMedium, 9, 11);
  KakGrid puzzle;
  while (!CreateKakuroAttempt(random, fresh, puzzle)) {
  }
  header = fresh;
  grid = puzzle;
}

bool CreateKakuroForPrint(Random& random, CreateProgress& progress, int difficulty, int rows,
                          int cols, KakHeader& header, KakGrid& grid, KakCreateStats* stats) {
  const KakHeader fresh = MakeKakHeader(difficulty, rows, cols);
  KakGrid puzzle;
  for (;;) {
    KakWorkGrid work;
    StageTimer timer(stats);
    const int layouts = GenerateLayout(fresh, work, random);
    timer.Stop(&KakCreateStats::layoutNanos);
    if (stats) {
      ++stats->attempts;
      stats->layoutAttempts += layouts;
    }
    ++progress.attempts;
    // The batch page's Cancel is looked at between layout and fill.
    if (progress.CancelRequested()) return false;
    if (FillAndSolve(random, fresh, work, puzzle, stats, timer)) {
      header = fresh;
      grid = puzzle;
      return true;
    }
  }
}

}  // namespace zorvek::kakuro

#include "core/hexkakuro/generator.h"

#include "core/common/types.h"
#include "core/hexkakuro/deduce.h"
#include "core/hexkakuro/layout.h"

namespace zorvek::hexkakuro {
namespace {

void NewPuzzleHeader(HexHeader& settings, int level, int rows, int cols) {
  settings = HexHeader{};
  settings.difficulty = static_cast<std::uint8_t>(level);
  settings.rows = rows;
  settings.cols = cols;
  settings.elapsed = 0;
  settings.timerState = kTimerRunning;
}

}  // namespace

bool GenerateAttempt(Random& random, int level, int rows, int cols, HexBoard& board,
                     HexGrid& grid) {
  MakeHexLayout(random, level, rows, cols, board);
  if (!FillHexDigits(random, level, rows, cols, board)) return false;
  return VerifyAndExport(board, rows, cols, grid);
}

int AttemptLimit(int level, int rows, int cols) {
  static constexpr int kSmall[3] = {5000, 5000, 300};
  static constexpr int kLarge[3] = {7000, 1000, 100};
  const int l = level < 0 || level > 2 ? 2 : level;
  return rows == kSmallRows && cols == kSmallCols ? kSmall[l] : kLarge[l];
}

HexCreateResult CreateHexKakuroPuzzle(Random& random, CreateProgress& progress, int level,
                                      int rows, int cols, HexHeader& settings, HexGrid& grid) {
  HexCreateResult result;
  if (!IsHexSize(rows, cols) || level < kEasy || level > kHard) return result;
  const int limit = AttemptLimit(level, rows, cols);
  progress.attempts = 0;
  progress.attemptScale = limit + 1;
  HexBoard board;
  HexGrid fresh;
  do {
    if (progress.CancelRequested()) {
      result.cancelled = true;
      return result;
    }
    ++result.attempts;
    progress.attempts = result.attempts;
    result.success = GenerateAttempt(random, level, rows, cols, board, fresh);
  } while (!result.success && result.attempts <= limit);
  if (result.success) {
    grid = fresh;
    NewPuzzleHeader(settings, level, rows, cols);
  }
  return result;
}

bool CreateHexKakuroForPrint(Random& random, CreateProgress& progress, int level, int rows,
                             int cols, HexGrid& grid, int* attemptsOut) {
  int attempts = 0;
  bool success = false;
  if (IsHexSize(rows, cols) && level >= kEasy && level <= kHard) {
    HexBoard board;
    while (!progress.CancelRequested()) {
      ++attempts;
      progress.attempts = progress.attempts + 1;
      if (GenerateAttempt(random, level, rows, cols, board, grid)) {
        success = true;
        break;
      }
    }
  }
  if (attemptsOut) *attemptsOut = attempts;
  return success;
}

void CreateStartupHexKakuro(Random& random, HexHeader& settings, HexGrid& grid) {
  HexBoard board;
  while (!GenerateAttempt(random, kEasy, kSmallRows, kSmallCols, board, grid)) {
  }
  NewPuzzleHeader(settings, kEasy, kSmallRows, kSmallCols);
}

}  // namespace zorvek::hexkakuro

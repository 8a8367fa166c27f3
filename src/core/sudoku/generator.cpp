#include "core/sudoku/generator.h"

#include <cstring>

#include "core/common/types.h"

namespace zorvek::sudoku {
namespace {

// Letters for runs of zeros in a pool entry, longest run first.
constexpr char kRunLetters[] = "ABCDEFGHJKLMNPQ";
constexpr int kRunLengths[] = {16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2};

int RunLength(char letter) {
  for (int i = 0; kRunLetters[i] != '\0'; ++i)
    if (kRunLetters[i] == letter) return kRunLengths[i];
  return 0;
}

}  // namespace

DifficultyParameters ParametersFor(int difficulty) {
  switch (difficulty) {
    case kEasy: return {1, 32};
    case kMedium: return {3, 26};
    default: return {5, 21};
  }
}

bool ExpandPoolEntry(const char* entry, char (&out)[82]) {
  if (entry == nullptr) return false;
  int n = 0;
  for (const char* p = entry; *p != '\0'; ++p) {
    const int run = RunLength(*p);
    if (run > 0) {
      if (n + run > 81) return false;
      std::memset(out + n, '0', static_cast<std::size_t>(run));
      n += run;
    } else if (*p >= '0' && *p <= '9') {
      if (n >= 81) return false;
      out[n++] = *p;
    } else {
      return false;
    }
  }
  out[n] = '\0';
  return n == 81;
}

void CompressGrid(const char (&digits)[82], char* out, int outSize) {
  int n = 0;
  auto put = [&](char ch) {
    if (n + 1 < outSize) out[n++] = ch;
  };
  for (int i = 0; i < 81;) {
    if (digits[i] != '0') {
      put(digits[i++]);
      continue;
    }
    int run = 0;
    while (i + run < 81 && digits[i + run] == '0') ++run;
    i += run;
    while (run >= 2) {
      int k = 0;
      while (kRunLengths[k] > run) ++k;
      put(kRunLetters[k]);
      run -= kRunLengths[k];
    }
    if (run == 1) put('0');
  }
  if (outSize > 0) out[n] = '\0';
}

void Generator::AddRandomGiven(SolverBoard& board) {
  Pack(board, work_);
  AddRandomGiven(work_);
  Unpack(work_, board);
}

void Generator::AddRandomGiven(PackedBoard& board) {
  const int c0 = random(9);
  const int r0 = random(9);
  int best = -1, bestCount = -1;
  for (int i = 0; i < 9; ++i)
    for (int j = 0; j < 9; ++j) {
      const int index = (r0 + i) % 9 * 9 + (c0 + j) % 9;
      if (board.value[index] != -1) continue;
      const int count = CountDigits(board.candidates[index]);
      if (count > bestCount) {
        best = index;
        bestCount = count;
      }
    }
  if (best < 0 || bestCount < 1) return;
  int k = random(bestCount) + 1;
  for (int d = 1; d <= 9; ++d) {
    if ((board.candidates[best] >> (d - 1) & 1u) && --k == 0) {
      board.given[best] = 1;
      solver.PlaceDigit(board, best, d);
      return;
    }
  }
}

bool Generator::GeneratePuzzle(int difficulty, SolverBoard& board) {
  const bool made = Construct(difficulty);
  Unpack(work_, board);
  return made;
}

bool Generator::Construct(int difficulty) {
  PackedBoard& board = work_;
  solver.ResetBoard(board);
  const DifficultyParameters p = ParametersFor(difficulty);
  int added = 0;
  for (;;) {
    ++added;
    undo_ = board;
    int failures = 0;
    for (;;) {
      if (pollCancel && progress != nullptr && progress->CancelRequested()) return false;
      AddRandomGiven(board);
      if (!solver.SolveLogically(board, p.level) || !AllDigitsCoverable(board)) {
        board = undo_;
        if (++failures > 5) return false;
        continue;
      }
      if (IsSolved(board)) return true;
      break;
    }
    if (added >= p.maxGivens) return false;
  }
}

bool Generator::FinalizePuzzle(int difficulty, SolverBoard& board, SudPuzzle& puzzle) {
  // Only the givens matter: every other cell starts afresh.
  for (int i = 0; i < 81; ++i) {
    const std::int32_t v = board.cells[i].Value;
    work_.given[i] = board.cells[i].Given;
    work_.value[i] = static_cast<std::int8_t>(v < -128 ? -128 : v > 127 ? 127 : v);
  }
  solver.ResetFromGivens(work_);
  const bool solved = solver.SolveLogically(work_, ParametersFor(difficulty).level) &&
                      AllDigitsCoverable(work_) && IsSolved(work_);
  Unpack(work_, board);
  if (!solved) return false;
  for (int i = 0; i < 81; ++i) {
    const SolverCell& s = board.cells[i];
    SudCell& c = puzzle.cells[i / 9][i % 9];
    c.given = s.Given == 1 ? 1 : 0;
    c.solution = s.Value;
    c.entry = c.given ? static_cast<std::uint8_t>(s.Value) : 0;
    c.textLength = 0;
    std::memset(c.text, 0, sizeof c.text);
    std::memset(c.marks, 0, sizeof c.marks);
    c.check = 0;  // an old puzzle's check marks would be saved with the new one
  }
  return true;
}

bool Generator::PuzzleFromPool(SolverBoard& board, std::uint8_t (&usedFlags)[kPoolSize]) {
  const int s = random(kPoolSize) + 1;
  int n = s;
  do {
    if (++n == kPoolSize + 1) n = 1;
    if (n == s) std::memset(usedFlags, 0, sizeof usedFlags);
  } while (usedFlags[n - 1] != 0);
  if (progress != nullptr) progress->SaveState();

  char digits[82];
  if (n > kSudokuPoolCount || kSudokuPool[n - 1] == nullptr ||
      !ExpandPoolEntry(kSudokuPool[n - 1], digits)) return false;
  for (int i = 0; i < 81; ++i) {
    SolverCell& c = board.cells[i];
    const int v = digits[i] - '0';
    c.Given = v > 0 ? 1 : 0;
    c.Value = v;
  }
  return true;
}

CreateResult CreateSudokuPuzzle(Random& random, CreateProgress& progress, int difficulty,
                                SudSettings& settings, SudPuzzle& puzzle,
                                std::uint8_t (&usedFlags)[kPoolSize]) {
  CreateResult result;
  progress.cancelled = false;
  const SudSettings oldSettings = settings;
  const SudPuzzle oldPuzzle = puzzle;
  settings.difficulty = static_cast<std::uint8_t>(difficulty);

  Generator generator(random, &progress);
  SolverBoard board;
  progress.attempts = 0;
  progress.attemptScale = 1000;
  for (;;) {
    bool ok = difficulty == kHard && progress.attempts > 1000 && kSudokuPoolCount > 0
                  ? generator.PuzzleFromPool(board, usedFlags)
                  : generator.GeneratePuzzle(difficulty, board);
    ok = ok && generator.FinalizePuzzle(difficulty, board, puzzle);
    ++progress.attempts;
    if (ok) {
      result.success = true;
      break;
    }
    if (progress.attempts > 3000 || progress.CancelRequested()) break;
  }
  result.attempts = progress.attempts;
  if (result.success) {
    result.startCloseTimer = result.attempts < progress.attemptScale - 5;
    settings.elapsed = 0;
    settings.timerState = kTimerRunning;
  } else {
    result.cancelled = progress.CancelRequested();
    settings = oldSettings;
    puzzle = oldPuzzle;
  }
  return result;
}

void CreateStartupSudoku(Random& random, SudSettings& settings, SudPuzzle& puzzle) {
  Generator generator(random);
  SolverBoard board;
  while (!(generator.GeneratePuzzle(kMedium, board) &&
           generator.FinalizePuzzle(kMedium, board, puzzle))) {
  }
  settings = SudSettings{};
  settings.difficulty = kMedium;
  settings.elapsed = 0;
  settings.timerState = kTimerRunning;
}

bool CreateSudokuForPrint(Random& random, CreateProgress& progress, int difficulty,
                          SudPuzzle& puzzle, std::uint8_t (&usedFlags)[kPoolSize],
                          int* attemptsOut) {
  // The create dialog is hidden while printing: nothing cancels mid-attempt,
  // the batch's flag is read between attempts.
  Generator generator(random, &progress);
  generator.pollCancel = false;
  SolverBoard board;
  int attempts = 0;
  bool ok = false;
  while (!ok && !progress.CancelRequested()) {
    ok = difficulty == kHard && attempts >= 151 && kSudokuPoolCount > 0
             ? generator.PuzzleFromPool(board, usedFlags)
                                                : generator.GeneratePuzzle(difficulty, board);
    ok = ok && generator.FinalizePuzzle(difficulty, board, puzzle);
    ++attempts;
  }
  if (attemptsOut) *attemptsOut = attempts;
  return ok;
}

}  // namespace zorvek::sudoku

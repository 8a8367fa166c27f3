#pragma once
// Building Sudoku puzzles: random givens added one at a time, each followed by
// the logical solver at the difficulty's level, until the board is determined;
// then a re-solve from the givens alone accepts the puzzle.
#include <cstdint>

#include "core/common/progress.h"
#include "core/common/random.h"
#include "core/sudoku/record.h"
#include "core/sudoku/solver.h"

namespace zorvek::sudoku {

struct DifficultyParameters {
  int level;      // technique level of the solver
  int maxGivens;  // most givens a puzzle may have
};
DifficultyParameters ParametersFor(int difficulty);

// The Hard template pool compiled into the program.
extern const char* const kSudokuPool[];
extern const int kSudokuPoolCount;
constexpr int kPoolSize = 5000;

// Expands a pool entry's letter runs of zeros; false unless it gives exactly
// 81 digit characters.
bool ExpandPoolEntry(const char* entry, char (&out)[82]);
// The opposite: runs of zeros replaced by letters, longest first.
void CompressGrid(const char (&digits)[82], char* out, int outSize);

struct Generator {
  Random& random;
  CreateProgress* progress = nullptr;  // may be null
  bool pollCancel = true;              // stop an attempt when progress is cancelled
  Solver solver;

  explicit Generator(Random& r, CreateProgress* p = nullptr) : random(r), progress(p) {}

  // Works on the packed board below and unpacks into `board` at the end.
  bool GeneratePuzzle(int difficulty, SolverBoard& board);
  void AddRandomGiven(SolverBoard& board);
  void AddRandomGiven(PackedBoard& board);
  bool FinalizePuzzle(int difficulty, SolverBoard& board, SudPuzzle& puzzle);
  // usedFlags: the 5000 used-flags of the general settings block.
  bool PuzzleFromPool(SolverBoard& board, std::uint8_t (&usedFlags)[kPoolSize]);

 private:
  bool Construct(int difficulty);  // GeneratePuzzle on work_

  PackedBoard work_{};
  PackedBoard undo_{};
};

struct CreateResult {
  bool success = false;
  bool cancelled = false;
  int attempts = 0;
  // The dialog shows a full bar for half a second after a quick success.
  bool startCloseTimer = false;
};

// The create dialog's loop: up to 3000 attempts, Hard from the pool after
// 1000. On success the puzzle block and settings (elapsed 0, running) are the
// new puzzle; on failure or cancel both are left exactly as they were.
CreateResult CreateSudokuPuzzle(Random& random, CreateProgress& progress, int difficulty,
                                SudSettings& settings, SudPuzzle& puzzle,
                                std::uint8_t (&usedFlags)[kPoolSize]);

// The puzzle a first start gets: Medium, no attempt limit.
void CreateStartupSudoku(Random& random, SudSettings& settings, SudPuzzle& puzzle);

// One puzzle for batch printing: no limit, Hard from the pool from attempt
// 151, stops when progress.cancelled is set (returns false then).
bool CreateSudokuForPrint(Random& random, CreateProgress& progress, int difficulty,
                          SudPuzzle& puzzle, std::uint8_t (&usedFlags)[kPoolSize],
                          int* attemptsOut = nullptr);

}  // namespace zorvek::sudoku

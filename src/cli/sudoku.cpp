// The Sudoku commands of the `zorvek` tool.
#include <chrono>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>

#include "cli/cli.h"
#include "common/types.h"
#include "sudoku/generator.h"
#include "sudoku/record.h"

namespace zorvek::cli {
namespace {

using namespace zorvek::sudoku;

const char* TimerWord(int state) {
  switch (state) {
    case kTimerPaused: return "paused";
    case kTimerStopped: return "stopped";
    default: return "running";
  }
}

void PrintGrid(const SudPuzzle& puzzle, bool solution) {
  for (int r = 0; r < 9; ++r) {
    if (r % 3 == 0) std::cout << "  +-------+-------+-------+\n";
    std::cout << "  ";
    for (int c = 0; c < 9; ++c) {
      if (c % 3 == 0) std::cout << "| ";
      const SudCell& cell = puzzle.cells[r][c];
      const int digit = solution ? cell.solution : (cell.given ? cell.solution : cell.entry);
      std::cout << (digit > 0 ? static_cast<char>('0' + digit) : '.') << ' ';
    }
    std::cout << "|\n";
  }
  std::cout << "  +-------+-------+-------+\n";
}

int Generate(const GenerateOptions& options) {
  Random random(options.seed);
  CreateProgress progress;
  std::uint8_t usedFlags[kPoolSize] = {};
  int counter = 0;
  for (int n = 0; n < options.count; ++n) {
    SudSettings settings{};
    settings.difficulty = static_cast<std::uint8_t>(options.difficulty);
    settings.timerState = kTimerRunning;
    SudPuzzle puzzle{};
    int attempts = 0;
    const auto start = std::chrono::steady_clock::now();
    CreateSudokuForPrint(random, progress, options.difficulty, puzzle, usedFlags, &attempts);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start).count();
    const std::string stem = std::string("Sudoku") + DifficultyWord(options.difficulty);
    const std::string name = NextFreeName(options.outDir, stem, counter);
    const SudRecord record = MakeSudokuRecord(settings, puzzle);
    if (!WriteOrComplain((std::filesystem::path(options.outDir) / name).string(), &record,
                         sizeof record))
      return 1;
    std::cout << name << "  attempts " << attempts << "  " << ms << " ms\n";
  }
  return 0;
}

int Show(const std::vector<std::uint8_t>& bytes) {
  const SudLoadResult loaded = ParseSudokuRecord(bytes.data(), bytes.size());
  if (!loaded.ok) {
    std::cout << loaded.message << "\n";
    return 1;
  }
  int givens = 0;
  for (const auto& row : loaded.puzzle.cells)
    for (const SudCell& c : row) givens += c.given;
  std::cout << "Kind:       Sudoku\n"
            << "Difficulty: " << DifficultyWord(loaded.settings.difficulty) << "\n"
            << "Elapsed:    " << FormatElapsed(loaded.settings.elapsed) << "\n"
            << "Clock:      " << TimerWord(loaded.settings.timerState) << "\n"
            << "Givens:     " << givens << "\n\nPuzzle (givens and entries):\n";
  PrintGrid(loaded.puzzle, false);
  std::cout << "\nSolution:\n";
  PrintGrid(loaded.puzzle, true);
  return 0;
}

int Solve(const std::vector<std::uint8_t>& bytes) {
  const SudLoadResult loaded = ParseSudokuRecord(bytes.data(), bytes.size());
  if (!loaded.ok) {
    std::cout << loaded.message << "\n";
    return 1;
  }
  SolverBoard board{};
  for (int i = 0; i < 81; ++i) {
    const SudCell& c = loaded.puzzle.cells[i / 9][i % 9];
    board.cells[i].Given = c.given;
    board.cells[i].Value = c.given ? c.solution : -1;
  }
  const int difficulty = loaded.settings.difficulty;
  const int level = ParametersFor(difficulty).level;
  Solver solver;
  solver.ResetFromGivens(board);
  const bool consistent = solver.SolveLogically(board, level) && AllDigitsCoverable(board);
  bool solved = consistent && IsSolved(board);
  bool matches = true;
  for (int i = 0; i < 81 && solved; ++i)
    matches &= board.cells[i].Value == loaded.puzzle.cells[i / 9][i % 9].solution;
  if (!solved) {
    std::cout << "Not solved: the " << DifficultyWord(difficulty) << " solver (level " << level
              << ") does not solve this puzzle from its givens.\n";
    return 1;
  }
  if (!matches) {
    std::cout << "Solved, but the result differs from the solution stored in the file.\n";
    return 1;
  }
  std::cout << "Solved by logic at level " << level << " (" << DifficultyWord(difficulty)
            << "); the result matches the stored solution.\n";
  return 0;
}

int Bank(const BankOptions& options) {
  if (!options.which.empty() && options.which != "hard") {
    std::cerr << "zorvek: bad --which '" << options.which << "' (sudoku has one bank: hard)\n";
    return 2;
  }
  Random random(options.seed);
  Generator generator(random);
  SolverBoard board;
  SudPuzzle puzzle{};
  std::set<std::string> seen;
  while (static_cast<int>(seen.size()) < options.count) {
    if (!generator.GeneratePuzzle(kHard, board) || !generator.FinalizePuzzle(kHard, board, puzzle))
      continue;
    char digits[82];
    for (int i = 0; i < 81; ++i) {
      const SudCell& c = puzzle.cells[i / 9][i % 9];
      digits[i] = c.given ? static_cast<char>('0' + c.solution) : '0';
    }
    digits[81] = '\0';
    char entry[82];
    CompressGrid(digits, entry, sizeof entry);
    if (std::string(entry).size() > 45 || !seen.insert(entry).second) continue;
    std::cout << entry << "\n" << std::flush;
  }
  return 0;
}

}  // namespace

const KindCommands& SudokuCommands() {
  static const KindCommands commands{
      "sudoku", kKindSudoku, nullptr, Generate, Show, Solve,
      "one bank, the Hard template pool (--which hard); entries of at most 45 characters", Bank};
  return commands;
}

}  // namespace zorvek::cli

// The Sudoku commands of the `zorvek` tool.
#include <chrono>
#include <filesystem>
#include <iostream>
#include <set>
#include <utility>
#include <string>

#include "cli/cli.h"
#include "core/common/types.h"
#include "core/sudoku/generator.h"
#include "core/sudoku/record.h"

namespace zorvek::cli {
namespace {

using namespace zorvek::sudoku;

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

void MakeOne(const GenerateOptions& options, int, int, std::uint64_t seed, GeneratedPuzzle& out) {
  Random random(seed);
  CreateProgress progress;
  std::uint8_t usedFlags[kPoolSize] = {};
  SudSettings settings{};
  settings.difficulty = static_cast<std::uint8_t>(options.difficulty);
  settings.timerState = kTimerRunning;
  SudPuzzle puzzle{};
  int attempts = 0;
  const Stopwatch watch;
  CreateSudokuForPrint(random, progress, options.difficulty, puzzle, usedFlags, &attempts);
  out.ms = watch.Milliseconds();
  out.attempts = attempts;
  out.stem = std::string("Sudoku") + DifficultyWord(options.difficulty);
  const SudRecord record = MakePuzRecord<SudokuBlocks>(settings, puzzle);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
  out.record.assign(bytes, bytes + sizeof record);
}

int Generate(const GenerateOptions& options) { return GenerateAll(options, 9, 9, MakeOne); }

int Show(const std::vector<std::uint8_t>& bytes) {
  const SudLoadResult loaded = ParsePuzFile<SudokuBlocks>(bytes.data(), bytes.size());
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
  const SudLoadResult loaded = ParsePuzFile<SudokuBlocks>(bytes.data(), bytes.size());
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

// A puzzle under a random symmetry of the grid (bands, stacks, rows within a
// band, columns within a stack, transposition, digit relabelling) is another
// puzzle with one solution; the caller re-checks it with the solver.
void RandomVariant(Random& random, const char (&in)[82], char (&out)[82]) {
  auto shuffle = [&](int* v, int n) {
    for (int i = n - 1; i > 0; --i) std::swap(v[i], v[random(i + 1)]);
  };
  int bands[3] = {0, 1, 2}, stacks[3] = {0, 1, 2}, rows[9], cols[9], digits[10];
  shuffle(bands, 3);
  shuffle(stacks, 3);
  for (int b = 0; b < 3; ++b) {
    int inner[3] = {0, 1, 2};
    shuffle(inner, 3);
    for (int k = 0; k < 3; ++k) rows[b * 3 + k] = bands[b] * 3 + inner[k];
    shuffle(inner, 3);
    for (int k = 0; k < 3; ++k) cols[b * 3 + k] = stacks[b] * 3 + inner[k];
  }
  for (int d = 0; d < 10; ++d) digits[d] = d;
  shuffle(digits + 1, 9);
  const bool transpose = random(2) == 1;
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      const int from = transpose ? cols[c] * 9 + rows[r] : rows[r] * 9 + cols[c];
      out[r * 9 + c] = static_cast<char>('0' + digits[in[from] - '0']);
    }
  out[81] = '\0';
}

int Bank(const BankOptions& options) {
  if (!options.which.empty() && options.which != "hard") {
    std::cerr << "zorvek: bad --which '" << options.which << "' (sudoku has one bank: hard)\n";
    return 2;
  }
  const int variants = options.variants < 1 ? 1 : options.variants;
  Random random(options.seed);
  Generator generator(random);
  SolverBoard board;
  SudPuzzle puzzle{};
  std::set<std::string> seen;
  // Accepts a grid when the Hard solver solves it from its givens and it
  // packs into 45 characters; prints it.
  auto offer = [&](const char (&digits)[82]) {
    for (int k = 0; k < 81; ++k) {
      board.cells[k].Given = digits[k] != '0';
      board.cells[k].Value = digits[k] - '0';
    }
    if (!generator.FinalizePuzzle(kHard, board, puzzle)) return false;
    char entry[82];
    CompressGrid(digits, entry, sizeof entry);
    if (std::string(entry).size() > 45 || !seen.insert(entry).second) return false;
    std::cout << entry << "\n" << std::flush;
    return true;
  };
  while (static_cast<int>(seen.size()) < options.count) {
    if (!generator.GeneratePuzzle(kHard, board) || !generator.FinalizePuzzle(kHard, board, puzzle))
      continue;
    char digits[82];
    for (int i = 0; i < 81; ++i) {
      const SudCell& c = puzzle.cells[i / 9][i % 9];
      digits[i] = c.given ? static_cast<char>('0' + c.solution) : '0';
    }
    digits[81] = '\0';
    if (!offer(digits)) continue;
    // A bounded number of tries per base puzzle, so a pattern that rarely
    // packs short enough cannot stall the run.
    for (int made = 1, tries = 0; made < variants && tries < variants * 4 &&
                                  static_cast<int>(seen.size()) < options.count;
         ++tries) {
      char variant[82];
      RandomVariant(random, digits, variant);
      made += offer(variant) ? 1 : 0;
    }
  }
  return 0;
}

}  // namespace

const KindCommands& SudokuCommands() {
  static const KindCommands commands{
      "sudoku", kKindSudoku, nullptr, Generate, Show, Solve,
      "one bank, the Hard template pool (--which hard); entries of at most 45\n"
      "          characters; --variants K adds K-1 re-checked symmetric variants per puzzle", Bank};
  return commands;
}

}  // namespace zorvek::cli

// The Futoshiki commands of the `zorvek` tool.
#include <chrono>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>

#include "cli/cli.h"
#include "core/common/types.h"
#include "core/futoshiki/generator.h"
#include "core/futoshiki/record.h"

namespace zorvek::cli {
namespace {

using namespace zorvek::futoshiki;

// Digits with the signs between them: "<" ">" across, "^" "v" down (the
// point faces the smaller cell).
void PrintGrid(const FutHeader& header, const FutGrid& grid, bool solution) {
  const int n = header.size;
  for (int r = 0; r < n; ++r) {
    std::cout << "  ";
    for (int c = 0; c < n; ++c) {
      const FutGridCell& cell = grid.cells[r][c];
      const int digit = solution ? cell.solution : (cell.given ? cell.solution : cell.entry);
      std::cout << (digit > 0 ? static_cast<char>('0' + digit) : '.');
      if (c < n - 1)
        std::cout << (cell.signRight == 1 ? " > " : cell.signRight == 2 ? " < " : "   ");
    }
    std::cout << "\n";
    if (r == n - 1) break;
    std::string below = "  ";
    for (int c = 0; c < n; ++c) {
      const int sign = grid.cells[r][c].signDown;
      below += sign == 1 ? 'v' : sign == 2 ? '^' : ' ';
      if (c < n - 1) below += "   ";
    }
    while (!below.empty() && below.back() == ' ') below.pop_back();
    std::cout << below << "\n";
  }
}

bool ParseSize(const std::string& text, int& size) {
  if (text.empty()) {
    size = 7;
    return true;
  }
  if (text == "5" || text == "7" || text == "9") {
    size = text[0] - '0';
    return true;
  }
  return false;
}

void MakeOne(const GenerateOptions& options, int size, int, std::uint64_t seed, GeneratedPuzzle& out) {
  Random random(seed);
  CreateProgress progress;
  std::uint8_t medium9[kBankSize] = {}, hard9[kBankSize] = {}, hard7[kBankSize] = {};
  const BankUsedFlags flags{medium9, hard9, hard7};
  FutHeader header{};
  header.size = size;
  header.difficulty = static_cast<std::uint8_t>(options.difficulty);
  header.playState = kTimerRunning;
  FutGrid grid{};
  int attempts = 0;
  const Stopwatch watch;
  CreateFutoshikiForPrint(random, progress, options.difficulty, size, grid, &flags, &attempts);
  out.ms = watch.Milliseconds();
  out.attempts = attempts;
  out.stem = std::string("Futoshiki") + DifficultyWord(options.difficulty) + std::to_string(size);
  const FutRecord record = MakePuzRecord<FutoshikiBlocks>(header, grid);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
  out.record.assign(bytes, bytes + sizeof record);
}

int Generate(const GenerateOptions& options) {
  int size = 0;
  if (!ParseSize(options.size, size)) {
    std::cerr << "zorvek: bad --size '" << options.size << "' (futoshiki: 5|7|9)\n";
    return 2;
  }
  return GenerateAll(options, size, size, MakeOne);
}

int Show(const std::vector<std::uint8_t>& bytes) {
  const FutLoadResult loaded = ParsePuzFile<FutoshikiBlocks>(bytes.data(), bytes.size());
  if (!loaded.ok) {
    std::cout << loaded.message << "\n";
    return 1;
  }
  const int n = loaded.settings.size;
  int givens = 0, signs = 0;
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) {
      const FutGridCell& cell = loaded.puzzle.cells[r][c];
      givens += cell.given;
      signs += (cell.signRight != 0) + (cell.signDown != 0);
    }
  std::cout << "Kind:       Futoshiki\n"
            << "Difficulty: " << DifficultyWord(loaded.settings.difficulty) << "\n"
            << "Grid size:  " << n << " x " << n << "\n"
            << "Elapsed:    " << FormatElapsed(loaded.settings.elapsed) << "\n"
            << "Clock:      " << TimerWord(loaded.settings.playState) << "\n"
            << "Givens:     " << givens << "\n"
            << "Signs:      " << signs << "\n\nPuzzle (givens and entries):\n";
  PrintGrid(loaded.settings, loaded.puzzle, false);
  std::cout << "\nSolution:\n";
  PrintGrid(loaded.settings, loaded.puzzle, true);
  return 0;
}

int Solve(const std::vector<std::uint8_t>& bytes) {
  const FutLoadResult loaded = ParsePuzFile<FutoshikiBlocks>(bytes.data(), bytes.size());
  if (!loaded.ok) {
    std::cout << loaded.message << "\n";
    return 1;
  }
  const FutHeader& header = loaded.settings;
  const int n = header.size;
  FutBoard board{};
  ClearBoard(header, board);
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) {
      const FutGridCell& g = loaded.puzzle.cells[r][c];
      FutCell& cell = board.at(r, c);
      cell.given = g.given != 0;
      cell.value = g.given ? g.solution : -1;
      cell.signRight = g.signRight;
      cell.signDown = g.signDown;
    }
  const int difficulty = header.difficulty;
  const int level = SolverLevel(difficulty, n);
  FutGrid solved = loaded.puzzle;
  if (!SolveAndExport(header, board, solved)) {
    std::cout << "Not solved: the " << DifficultyWord(difficulty) << " solver (level " << level
              << ") does not solve this puzzle from its givens.\n";
    return 1;
  }
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c)
      if (solved.cells[r][c].solution != loaded.puzzle.cells[r][c].solution) {
        std::cout << "Solved, but the result differs from the solution stored in the file.\n";
        return 1;
      }
  std::cout << "Solved by logic at level " << level << " (" << DifficultyWord(difficulty) << " "
            << n << " x " << n << "); the result matches the stored solution.\n";
  return 0;
}

int BankCommand(const BankOptions& options) {
  int id = -1;
  for (int b = 0; b < 3; ++b)
    if (options.which == Bank(b).name) id = b;
  if (id < 0) {
    std::cerr << "zorvek: bad --which '" << options.which
              << "' (futoshiki banks: medium9|hard9|hard7)\n";
    return 2;
  }
  const BankInfo& bank = Bank(id);
  Random random(options.seed);
  FutHeader header{};
  header.size = bank.size;
  header.difficulty = static_cast<std::uint8_t>(bank.difficulty);
  FutBoard board{};
  FutGrid grid{};
  std::set<std::string> seen;
  while (static_cast<int>(seen.size()) < options.count) {
    if (!GenerateFutoshiki(header, board, random, nullptr) || !SolveAndExport(header, board, grid))
      continue;
    char entry[256];
    const int length = EncodeBankEntry(header, grid, entry, sizeof entry);
    if (length < 0 || length > bank.maxLength || !seen.insert(entry).second) continue;
    std::cout << entry << "\n" << std::flush;
  }
  return 0;
}

}  // namespace

const KindCommands& FutoshikiCommands() {
  static const KindCommands commands{
      "futoshiki", kKindFutoshiki, "5|7|9 (default 7)", Generate, Show, Solve,
      "three banks: --which medium9 (Medium 9 x 9, entries of at most 125 characters), "
      "hard9 (Hard 9 x 9, at most 110), hard7 (Hard 7 x 7, at most 60)",
      BankCommand};
  return commands;
}

}  // namespace zorvek::cli

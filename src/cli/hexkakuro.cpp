// The HexKakuro commands of the `zorvek` tool.
#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/common/types.h"
#include "core/hexkakuro/deduce.h"
#include "core/hexkakuro/generator.h"
#include "core/hexkakuro/record.h"

namespace zorvek::cli {
namespace {

using namespace zorvek::hexkakuro;

// Odd columns stand half a hexagon higher, so each grid row takes two text
// lines: odd columns on the first, even columns on the second. Clues show
// their sum in brackets, white cells a digit or ".", removed cells "##".
void PrintHexGrid(const HexHeader& settings, const HexGrid& grid, bool solution) {
  for (int r = 1; r <= settings.rows; ++r) {
    for (int half = 0; half < 2; ++half) {
      std::string line = "  ";
      for (int c = 1; c <= settings.cols; ++c) {
        const bool odd = c % 2 != 0;
        if (odd != (half == 0)) {
          line += "    ";
          continue;
        }
        const HexGridCell& cell = grid.cells[r][c];
        std::string text;
        switch (cell.kind) {
          case kHexClue:
            text = (cell.number < 10 ? "[ " : "[") + std::to_string(cell.number) + "]";
            break;
          case kHexRemoved:
            text = " ## ";
            break;
          case kHexWhite: {
            const int digit = solution ? cell.number : cell.entry;
            text = std::string(" ") + (digit > 0 ? static_cast<char>('0' + digit) : '.') + "  ";
            break;
          }
          default:
            text = "    ";
        }
        line += text;
      }
      while (!line.empty() && line.back() == ' ') line.pop_back();
      std::cout << line << "\n";
    }
  }
}

bool ParseSize(const std::string& text, int& rows, int& cols) {
  if (text.empty() || text == "9x9") {
    rows = kSmallRows;
    cols = kSmallCols;
    return true;
  }
  if (text == "11x13") {
    rows = kLargeRows;
    cols = kLargeCols;
    return true;
  }
  return false;
}

std::string SizeText(int rows, int cols) { return std::to_string(rows) + "x" + std::to_string(cols); }

void MakeOne(const GenerateOptions& options, int rows, int cols, std::uint64_t seed, GeneratedPuzzle& out) {
  Random random(seed);
  CreateProgress progress;
  HexHeader settings{};
  settings.difficulty = static_cast<std::uint8_t>(options.difficulty);
  settings.rows = rows;
  settings.cols = cols;
  settings.timerState = kTimerRunning;
  HexGrid grid{};
  int attempts = 0;
  const Stopwatch watch;
  CreateHexKakuroForPrint(random, progress, options.difficulty, rows, cols, grid, &attempts);
  out.ms = watch.Milliseconds();
  out.attempts = attempts;
  out.stem = std::string("HexKakuro") + DifficultyWord(options.difficulty) + SizeText(rows, cols);
  const HexRecord record = MakePuzRecord<HexKakuroBlocks>(settings, grid);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
  out.record.assign(bytes, bytes + sizeof record);
}

int Generate(const GenerateOptions& options) {
  int rows = 0;
  int cols = 0;
  if (!ParseSize(options.size, rows, cols)) {
    std::cerr << "zorvek: bad --size '" << options.size << "' (9x9|11x13) (try --help)\n";
    return 2;
  }
  return GenerateAll(options, rows, cols, MakeOne);
}

int Show(const std::vector<std::uint8_t>& bytes) {
  const HexLoadResult loaded = ParsePuzFile<HexKakuroBlocks>(bytes.data(), bytes.size());
  if (!loaded.ok) {
    std::cout << loaded.message << "\n";
    return 1;
  }
  int clues = 0, whites = 0, entries = 0;
  for (const auto& row : loaded.puzzle.cells)
    for (const HexGridCell& c : row) {
      clues += c.kind == kHexClue;
      whites += c.kind == kHexWhite;
      entries += c.kind == kHexWhite && c.entry != 0;
    }
  const HexHeader& h = loaded.settings;
  std::cout << "Kind:       HexKakuro\n"
            << "Difficulty: " << DifficultyWord(h.difficulty) << "\n"
            << "Size:       " << h.rows << " rows x " << h.cols << " columns\n"
            << "Elapsed:    " << FormatElapsed(h.elapsed) << "\n"
            << "Clock:      " << TimerWord(h.timerState) << "\n"
            << "Clues:      " << clues << "\n"
            << "White:      " << whites << " (" << entries << " entered)\n\n"
            << "Puzzle (clue sums in brackets, entries):\n";
  PrintHexGrid(h, loaded.puzzle, false);
  std::cout << "\nSolution:\n";
  PrintHexGrid(h, loaded.puzzle, true);
  return 0;
}

int Solve(const std::vector<std::uint8_t>& bytes) {
  const HexLoadResult loaded = ParsePuzFile<HexKakuroBlocks>(bytes.data(), bytes.size());
  if (!loaded.ok) {
    std::cout << loaded.message << "\n";
    return 1;
  }
  const int rows = loaded.settings.rows;
  const int cols = loaded.settings.cols;
  HexBoard board;
  if (!DeduceFromClues(loaded.puzzle, rows, cols, board)) {
    std::cout << "Not solved: the clue sums contradict each other.\n";
    return 1;
  }
  int whites = 0, fixed = 0;
  bool matches = true;
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c <= cols; ++c) {
      const HexCell& cell = board.at(r, c);
      if (cell.kind != kHexWhite) continue;
      ++whites;
      if (!cell.assigned) continue;
      ++fixed;
      matches &= cell.digit == loaded.puzzle.cells[r][c].number;
    }
  if (fixed < whites) {
    std::cout << "Not solved: deduction fixes " << fixed << " of " << whites << " white cells.\n";
    return 1;
  }
  if (!matches) {
    std::cout << "Solved, but the result differs from the solution stored in the file.\n";
    return 1;
  }
  std::cout << "Solved by deduction: all " << whites
            << " white cells are fixed; the result matches the stored solution.\n";
  return 0;
}

}  // namespace

const KindCommands& HexKakuroCommands() {
  static const KindCommands commands{"hexkakuro", kKindHexKakuro, "9x9|11x13 (default 9x9)",
                                     Generate,    Show,           Solve,
                                     nullptr,     nullptr};
  return commands;
}

}  // namespace zorvek::cli

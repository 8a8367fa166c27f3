// The Kakuro commands of the `zorvek` tool.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "cli/cli.h"
#include "core/common/types.h"
#include "core/kakuro/generator.h"
#include "core/kakuro/record.h"
#include "core/kakuro/solver.h"
#include "core/kakuro/workgrid.h"

namespace zorvek::cli {
namespace {

using namespace zorvek::kakuro;

// Playing-area sizes, rows x cols; the batch page's 7 x 9 included.
bool ParseSize(const std::string& text, int& rows, int& cols) {
  static constexpr int kSizes[][2] = {{7, 7}, {9, 9}, {9, 11}, {11, 13}, {7, 9}};
  if (text.empty()) {
    rows = 9;
    cols = 11;
    return true;
  }
  for (const auto& size : kSizes)
    if (text == std::to_string(size[0]) + "x" + std::to_string(size[1])) {
      rows = size[0];
      cols = size[1];
      return true;
    }
  return false;
}

// One text row per grid row: a clue cell shows "down\across" (blank where it
// heads no run), a white cell its digit or "." when there is none to show.
void PrintGrid(const KakHeader& h, const KakGrid& g, bool solution) {
  for (int r = 0; r <= h.rows; ++r) {
    std::string line = " ";
    for (int c = 0; c <= h.cols; ++c) {
      const KakCell& cell = g.cells[r][c];
      char text[16];
      if (cell.colour == kBlack) {
        if (cell.acrossLength == 0 && cell.downLength == 0) {
          std::snprintf(text, sizeof text, " ## ");
        } else {
          char down[4] = "  ", across[4] = "  ";
          if (cell.downLength > 0) std::snprintf(down, sizeof down, "%2d", cell.downSum);
          if (cell.acrossLength > 0) std::snprintf(across, sizeof across, "%-2d", cell.sum);
          std::snprintf(text, sizeof text, "%s\\%s", down, across);
        }
      } else {
        const int digit = solution ? cell.sum : cell.entry;
        std::snprintf(text, sizeof text, "  %c  ", digit >= 0 ? static_cast<char>('0' + digit) : '.');
      }
      std::string field = text;
      field.resize(5, ' ');
      line += field;
      line += ' ';
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    std::cout << line << "\n";
  }
}

void MakeOne(const GenerateOptions& options, int rows, int cols, std::uint64_t seed, GeneratedPuzzle& out) {
  Random random(seed);
  CreateProgress progress;
  KakHeader header{};
  KakGrid grid{};
  const Stopwatch watch;
  CreateKakuroForPrint(random, progress, options.difficulty, rows, cols, header, grid);
  out.ms = watch.Milliseconds();
  out.attempts = progress.attempts.load();
  // The save dialog's name: the grid size counts the clue row and column.
  out.stem = std::string("Kakuro") + DifficultyWord(options.difficulty) + std::to_string(rows + 1) + "x" +
             std::to_string(cols + 1);
  const KakRecord record = MakePuzRecord<KakuroBlocks>(header, grid);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
  out.record.assign(bytes, bytes + sizeof record);
}

int Generate(const GenerateOptions& options) {
  int rows = 0;
  int cols = 0;
  if (!ParseSize(options.size, rows, cols)) {
    std::cerr << "zorvek: bad --size '" << options.size << "' (7x7|9x9|9x11|11x13|7x9) (try --help)\n";
    return 2;
  }
  return GenerateAll(options, rows, cols, MakeOne);
}

int Show(const std::vector<std::uint8_t>& bytes) {
  const KakLoadResult loaded = ParsePuzFile<KakuroBlocks>(bytes.data(), bytes.size());
  if (!loaded.ok) {
    std::cout << loaded.message << "\n";
    return 1;
  }
  const KakHeader& h = loaded.settings;
  int clues = 0, whites = 0, entries = 0;
  for (int r = 0; r <= h.rows; ++r)
    for (int c = 0; c <= h.cols; ++c) {
      const KakCell& cell = loaded.puzzle.cells[r][c];
      if (cell.colour == kBlack) {
        clues += (cell.acrossLength > 0) + (cell.downLength > 0);
      } else {
        ++whites;
        entries += cell.entry >= 0;
      }
    }
  std::cout << "Kind:       Kakuro\n"
            << "Difficulty: " << DifficultyWord(h.difficulty) << "\n"
            << "Size:       " << h.rows << " x " << h.cols << " playing cells (grid "
            << h.rows + 1 << " x " << h.cols + 1 << ")" << (h.symmetric ? ", symmetric" : "")
            << "\n"
            << "Digits:     " << h.lowestDigit << ".." << h.highestDigit << "\n"
            << "Elapsed:    " << FormatElapsed(h.elapsed) << "\n"
            << "Clock:      " << TimerWord(h.playState) << "\n"
            << "Clues:      " << clues << "\n"
            << "White:      " << whites << " (" << entries << " entered)\n\n"
            << "Puzzle (clue cells as down\\across sums, entries):\n";
  PrintGrid(h, loaded.puzzle, false);
  std::cout << "\nSolution:\n";
  PrintGrid(h, loaded.puzzle, true);
  return 0;
}

int Solve(const std::vector<std::uint8_t>& bytes) {
  const KakLoadResult loaded = ParsePuzFile<KakuroBlocks>(bytes.data(), bytes.size());
  if (!loaded.ok) {
    std::cout << loaded.message << "\n";
    return 1;
  }
  const KakHeader& h = loaded.settings;
  KakWorkGrid work;
  WorkGridFromPuzzle(h, loaded.puzzle, work);
  KakGrid solved;
  if (SolveKakuro(h, work, solved) != 0) {
    std::cout << "Not solved: deduction from the clue sums alone does not decide every white "
                 "cell (or the clues contradict each other).\n";
    return 1;
  }
  int whites = 0;
  bool matches = true;
  for (int r = 1; r <= h.rows; ++r)
    for (int c = 1; c <= h.cols; ++c) {
      if (loaded.puzzle.cells[r][c].colour != kWhite) continue;
      ++whites;
      matches &= solved.cells[r][c].sum == loaded.puzzle.cells[r][c].sum;
    }
  if (!matches) {
    std::cout << "Solved, but the result differs from the solution stored in the file.\n";
    return 1;
  }
  std::cout << "Solved by deduction: all " << whites
            << " white cells are decided; the result matches the stored solution.\n";
  return 0;
}

}  // namespace

const KindCommands& KakuroCommands() {
  static const KindCommands commands{"kakuro",  kKindKakuro, "7x7|9x9|9x11|11x13|7x9 (default 9x11)",
                                     Generate,  Show,        Solve,
                                     nullptr,   nullptr};
  return commands;
}

}  // namespace zorvek::cli

// `zorvek generate` on one thread and on two: puzzles per second for Hard
// Sudoku and Hard 9 x 9 Futoshiki, files written, process start included,
// with Debian's qqwing and sgt-unequal making as many in the same run.
// Usage: generate_bench [puzzles per row, default 1000]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_util.h"

using namespace zorvek::bench;

namespace {

const char* kUnequal = "/usr/games/sgt-unequal";

bool Available(const std::string& program) {
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

void Row(const char* what, double msPerPuzzle) {
  if (msPerPuzzle <= 0)
    std::printf("%-44s %12s\n", what, "n/a");
  else
    std::printf("%-44s %12.1f\n", what, 1000.0 / msPerPuzzle);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "zorvek_generate_bench";
  std::printf("%d puzzles per row, one process each\n\n%-44s %12s\n", count, "generator", "puzzles/s");
  const struct {
    const char* label;
    const char* args;
  } rows[] = {{"zorvek Sudoku Hard", "sudoku --difficulty hard"},
              {"zorvek Futoshiki 9 x 9 Hard", "futoshiki --difficulty hard --size 9"}};
  for (const auto& row : rows) {
    for (int threads : {1, 2}) {
      std::filesystem::remove_all(dir);
      const std::string command = std::string(ZORVEK_TOOL) + " generate " + row.args + " --count " +
                                  std::to_string(count) + " --seed 1 --threads " + std::to_string(threads) +
                                  " --out " + dir.string();
      const std::string label = std::string(row.label) + ", " + std::to_string(threads) + " thread" +
                                (threads > 1 ? "s" : "");
      Row(label.c_str(), CommandMsPerPuzzle(command, count));
    }
  }
  std::filesystem::remove_all(dir);
  Row("qqwing --generate, expert",
      Available("qqwing")
          ? CommandMsPerPuzzle("qqwing --generate " + std::to_string(count) + " --difficulty expert --compact", count)
          : -1);
  Row("sgt-unequal --generate, 9 x 9 extreme",
      Available(kUnequal) ? CommandMsPerPuzzle(std::string(kUnequal) + " --generate " + std::to_string(count) + " 9dx",
                                               count)
                          : -1);
  std::printf("\n(qqwing and sgt-unequal run on one thread and write to /dev/null)\n");
  return 0;
}

// Sudoku creation speed: time (wall and this thread's CPU) and attempts per
// puzzle through the batch printing driver, with Debian's qqwing generator
// timed in the same run, in process and as whole processes.
// Usage: sudoku_bench [puzzles per difficulty, default 100] [puzzles per
//        process, default 30]
//        sudoku_bench --make print|alone COUNT   makes COUNT Hard puzzles
//        (through the printing driver, or without the pool) and exits: the
//        whole-process rows time this.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_util.h"
#include "core/common/types.h"
#include "core/sudoku/generator.h"

using namespace zorvek;
using namespace zorvek::bench;

namespace {

double QqwingMsPerPuzzle(const char* difficulty, int count) {
  if (std::system("command -v qqwing >/dev/null 2>&1") != 0) return -1;
  return CommandMsPerPuzzle("qqwing --generate " + std::to_string(count) + " --difficulty " +
                                difficulty + " --compact",
                            count);
}

// Hard by construction alone, as the create dialog's first 1000 attempts.
int HardWithoutPool(sudoku::Generator& generator, sudoku::SolverBoard& board) {
  sudoku::SudPuzzle puzzle{};
  int attempts = 1;
  while (!(generator.GeneratePuzzle(kHard, board) &&
           generator.FinalizePuzzle(kHard, board, puzzle)))
    ++attempts;
  return attempts;
}

int Make(const std::string& mode, int count) {
  static std::uint8_t usedFlags[sudoku::kPoolSize];
  Random random(mode == "print" ? 1000 + kHard : 2002);
  CreateProgress progress;
  sudoku::Generator generator(random);
  sudoku::SolverBoard board;
  for (int i = 0; i < count; ++i) {
    sudoku::SudPuzzle puzzle{};
    if (mode == "print")
      sudoku::CreateSudokuForPrint(random, progress, kHard, puzzle, usedFlags);
    else
      HardWithoutPool(generator, board);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 3 && std::string(argv[1]) == "--make") return Make(argv[2], std::atoi(argv[3]));
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
  const int perProcess = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
  double hardMedian = 0, hardCpu = 0, aloneMedian = 0;
  std::printf("Sudoku creation through the batch printing driver, %d puzzles each\n\n", count);
  std::printf("%-8s %10s %10s %10s %10s %12s %12s %10s\n", "level", "median ms", "p95 ms",
              "cpu med", "cpu p95", "median tries", "p95 tries", "from pool");
  for (int difficulty = kEasy; difficulty <= kHard; ++difficulty) {
    Random random(1000 + difficulty);
    CreateProgress progress;
    static std::uint8_t usedFlags[sudoku::kPoolSize];
    std::vector<double> ms, cpu, tries;
    int pooled = 0;
    for (int i = 0; i < count; ++i) {
      sudoku::SudPuzzle puzzle{};
      int attempts = 0;
      const auto start = Clock::now();
      const double cpuStart = ThreadCpuMs();
      sudoku::CreateSudokuForPrint(random, progress, difficulty, puzzle, usedFlags, &attempts);
      cpu.push_back(ThreadCpuMs() - cpuStart);
      ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
      tries.push_back(attempts);
      pooled += difficulty == kHard && attempts > 151 ? 1 : 0;
    }
    if (difficulty == kHard) {
      hardMedian = Percentile(ms, 0.5);
      hardCpu = Percentile(cpu, 0.5);
    }
    std::printf("%-8s %10.2f %10.2f %10.2f %10.2f %12.0f %12.0f %10d\n",
                DifficultyWord(difficulty), Percentile(ms, 0.5), Percentile(ms, 0.95),
                Percentile(cpu, 0.5), Percentile(cpu, 0.95), Percentile(tries, 0.5),
                Percentile(tries, 0.95), pooled);
    std::fflush(stdout);
  }
  {
    // Hard by construction alone, as the driver would run without its pool.
    Random random(2002);
    sudoku::Generator generator(random);
    sudoku::SolverBoard board;
    std::vector<double> ms, cpu, tries;
    for (int i = 0; i < count; ++i) {
      const auto start = Clock::now();
      const double cpuStart = ThreadCpuMs();
      const int attempts = HardWithoutPool(generator, board);
      cpu.push_back(ThreadCpuMs() - cpuStart);
      ms.push_back(Ms(Clock::now() - start));
      tries.push_back(attempts);
    }
    std::printf("%-8s %10.2f %10.2f %10.2f %10.2f %12.0f %12.0f %10s\n", "Hard*",
                Percentile(ms, 0.5), Percentile(ms, 0.95), Percentile(cpu, 0.5),
                Percentile(cpu, 0.95), Percentile(tries, 0.5), Percentile(tries, 0.95), "-");
    std::printf("(* without the pool, as the create dialog's first 1000 attempts)\n");
    aloneMedian = Percentile(ms, 0.5);
  }
  std::printf("\nqqwing --generate, same run (mean ms per puzzle)\n");
  double expert = -1;
  for (const char* d : {"simple", "easy", "intermediate", "expert"}) {
    const double v = QqwingMsPerPuzzle(d, count);
    if (std::string(d) == "expert") expert = v;
    if (v < 0)
      std::printf("%-13s not available\n", d);
    else
      std::printf("%-13s %8.2f\n", d, v);
  }
  if (expert > 0)
    std::printf("\nqqwing expert / ours, in process: Hard %.2f (median wall), %.2f (median cpu); "
                "Hard* %.2f\n",
                expert / hardMedian, expert / hardCpu, expert / aloneMedian);
  const std::string self = SelfPath();
  const std::string n = std::to_string(perProcess);
  PrintProcessHeader(perProcess, 3);
  CompareProcesses("Hard (print)", self + " --make print " + n, "qqwing expert",
                   "qqwing --generate " + n + " --difficulty expert --compact", perProcess, 3);
  CompareProcesses("Hard* (no pool)", self + " --make alone " + n, "qqwing expert",
                   "qqwing --generate " + n + " --difficulty expert --compact", perProcess, 3);
  return 0;
}

// Futoshiki creation speed: time (wall and this thread's CPU) and attempts
// per puzzle through the batch
// printing driver with the stored banks switched off, for every size and
// difficulty, with Debian's sgt-unequal generator timed in the same run, in
// process and, for Hard 5 x 5 and Easy 7 x 7, as whole processes.
// Usage: futoshiki_bench [puzzles per size and difficulty, default 100]
//        [puzzles per process, default 30]
//        futoshiki_bench --make DIFFICULTY SIZE COUNT   makes COUNT puzzles
//        (difficulty 0..2) and exits: the whole-process rows time this.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_util.h"
#include "core/common/types.h"
#include "core/futoshiki/generator.h"

using namespace zorvek;
using namespace zorvek::bench;

namespace {


const char* kUnequal = "/usr/games/sgt-unequal";

// Mean milliseconds per puzzle of `sgt-unequal --generate`, process start
// included; -1 when the program is not installed or fails.
double UnequalMsPerPuzzle(int size, char level, int count) {
  const std::string params = std::to_string(size) + "d" + level;
  return CommandMsPerPuzzle(
      std::string(kUnequal) + " --generate " + std::to_string(count) + " " + params, count);
}

int Make(int difficulty, int size, int count) {
  Random random(1000 + size * 10 + difficulty);
  CreateProgress progress;
  for (int i = 0; i < count; ++i) {
    futoshiki::FutGrid grid{};
    futoshiki::CreateFutoshikiForPrint(random, progress, difficulty, size, grid, nullptr);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 4 && std::string(argv[1]) == "--make")
    return Make(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]));
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
  const int perProcess = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;
  const bool haveUnequal =
      std::system((std::string("test -x ") + kUnequal + " >/dev/null 2>&1").c_str()) == 0;
  std::printf("Futoshiki creation through the batch printing driver without the banks, "
              "%d puzzles each\n", count);
  std::printf("sgt-unequal --generate in the same run: mean ms per puzzle at its levels "
              "easy (e), tricky (k), extreme (x)%s\n\n", haveUnequal ? "" : " - not installed");
  std::printf("%-7s %4s %10s %10s %10s %10s %12s %12s   %-9s %10s %9s %9s\n", "level", "size",
              "median ms", "p95 ms", "cpu med", "cpu p95", "median tries", "p95 tries", "sgt level",
              "sgt ms", "sgt/wall", "sgt/cpu");
  const char sgtLevels[3] = {'e', 'k', 'x'};
  for (int size : {5, 7, 9}) {
    for (int difficulty = kEasy; difficulty <= kHard; ++difficulty) {
      Random random(1000 + size * 10 + difficulty);
      CreateProgress progress;
      std::vector<double> ms, cpu, tries;
      for (int i = 0; i < count; ++i) {
        futoshiki::FutGrid grid{};
        int attempts = 0;
        const auto start = Clock::now();
        const double cpuStart = ThreadCpuMs();
        futoshiki::CreateFutoshikiForPrint(random, progress, difficulty, size, grid, nullptr,
                                           &attempts);
        cpu.push_back(ThreadCpuMs() - cpuStart);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        tries.push_back(attempts);
      }
      std::printf("%-7s %4d %10.2f %10.2f %10.2f %10.2f %12.0f %12.0f", DifficultyWord(difficulty),
                  size, Percentile(ms, 0.5), Percentile(ms, 0.95), Percentile(cpu, 0.5),
                  Percentile(cpu, 0.95), Percentile(tries, 0.5), Percentile(tries, 0.95));
      const double sgt = haveUnequal ? UnequalMsPerPuzzle(size, sgtLevels[difficulty], count) : -1;
      if (sgt < 0)
        std::printf("   %-9s %10s\n", "-", "n/a");
      else
        std::printf("   %-9c %10.2f %9.2f %9.2f\n", sgtLevels[difficulty], sgt,
                    sgt / Percentile(ms, 0.5), sgt / Percentile(cpu, 0.5));
      std::fflush(stdout);
    }
  }
  if (!haveUnequal) return 0;
  const std::string self = SelfPath();
  const std::string n = std::to_string(perProcess);
  PrintProcessHeader(perProcess, 3);
  CompareProcesses("Hard 5 x 5", self + " --make 2 5 " + n, "sgt 5dx",
                   std::string(kUnequal) + " --generate " + n + " 5dx", perProcess, 3);
  CompareProcesses("Easy 7 x 7", self + " --make 0 7 " + n, "sgt 7de",
                   std::string(kUnequal) + " --generate " + n + " 7de", perProcess, 3);
  return 0;
}

// Kakuro creation cost: time and attempts per puzzle through the batch
// printing driver for every size and difficulty, and where the time goes
// (layout, digit fill, solver).
// Usage: kakuro_bench [puzzles per size and difficulty, default 100]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_util.h"
#include "core/common/types.h"
#include "core/kakuro/generator.h"

using namespace zorvek;
using namespace zorvek::bench;

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
  constexpr int kSizes[][2] = {{7, 7}, {7, 9}, {9, 9}, {9, 11}, {11, 13}};
  std::printf("Kakuro creation through the batch printing driver, %d puzzles each\n", count);
  std::printf("attempts = layout + fill (+ solve) rounds; layouts = boards built inside them;\n"
              "L/F/S = share of the time in layout, fill and solver\n\n");
  std::printf("%-7s %6s %9s %9s %8s %8s %8s %6s %6s %6s %8s %8s\n", "level", "size", "median ms",
              "p95 ms", "med att", "p95 att", "layouts", "L %", "F %", "S %", "fillfail",
              "solvfail");
  for (int difficulty = kEasy; difficulty <= kHard; ++difficulty)
    for (const auto& size : kSizes) {
      Random random(5000 + 100 * size[0] + size[1] * 3 + difficulty);
      kakuro::KakCreateStats stats;
      std::vector<double> ms, attempts;
      for (int i = 0; i < count; ++i) {
        CreateProgress progress;
        kakuro::KakHeader header;
        kakuro::KakGrid grid;
        const auto start = Clock::now();
        kakuro::CreateKakuroForPrint(random, progress, difficulty, size[0], size[1], header, grid,
                                     &stats);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        attempts.push_back(progress.attempts.load());
      }
      const double total =
          static_cast<double>(stats.layoutNanos + stats.fillNanos + stats.solveNanos);
      const auto share = [&](std::int64_t part) { return total > 0 ? 100.0 * part / total : 0.0; };
      char sizeText[16];
      std::snprintf(sizeText, sizeof sizeText, "%dx%d", size[0], size[1]);
      std::printf("%-7s %6s %9.2f %9.2f %8.0f %8.0f %8.1f %6.1f %6.1f %6.1f %8d %8d\n",
                  DifficultyWord(difficulty), sizeText, Percentile(ms, 0.5), Percentile(ms, 0.95),
                  Percentile(attempts, 0.5), Percentile(attempts, 0.95),
                  static_cast<double>(stats.layoutAttempts) / count, share(stats.layoutNanos),
                  share(stats.fillNanos), share(stats.solveNanos), stats.fillFailures,
                  stats.solveFailures);
      std::fflush(stdout);
    }
  return 0;
}

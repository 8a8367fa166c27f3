// HexKakuro generation cost: time and attempts per puzzle through the batch
// driver, for both sizes and every level, and where the time goes (layout,
// fill, final check), measured by replaying the same seeds step by step.
//
// Usage: hexkakuro_bench [puzzles per row (default 40)] [seed]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_util.h"
#include "core/hexkakuro/deduce.h"
#include "core/hexkakuro/generator.h"
#include "core/hexkakuro/layout.h"

using namespace zorvek;
using namespace zorvek::hexkakuro;
using namespace zorvek::bench;

int main(int argc, char** argv) {
  const int puzzles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
  const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261206;
  const char* levelNames[3] = {"Easy", "Medium", "Hard"};
  const int sizes[2][2] = {{9, 9}, {11, 13}};

  std::printf("HexKakuro generation, %d puzzles per row, seed %llu\n\n", puzzles,
              static_cast<unsigned long long>(seed));
  std::printf("%-7s %-7s | %9s %9s | %8s %8s | %7s %7s %7s | %6s\n", "size", "level",
              "ms med", "ms p95", "att med", "att p95", "layout%", "fill%", "check%", "fill ok");
  std::printf("----------------+---------------------+-------------------+"
              "-------------------------+-------\n");
  for (const auto& size : sizes) {
    const int rows = size[0];
    const int cols = size[1];
    for (int level = 0; level <= 2; ++level) {
      // Through the batch driver, as printing uses it.
      Random random(seed + static_cast<std::uint64_t>(level * 100 + rows));
      CreateProgress progress;
      std::vector<double> ms;
      std::vector<int> attempts;
      HexGrid grid{};
      for (int i = 0; i < puzzles; ++i) {
        int n = 0;
        const auto start = Clock::now();
        CreateHexKakuroForPrint(random, progress, level, rows, cols, grid, &n);
        ms.push_back(Ms(Clock::now() - start));
        attempts.push_back(n);
      }
      // The same draws again, step by step, to split the time.
      Random replay(seed + static_cast<std::uint64_t>(level * 100 + rows));
      HexBoard board;
      Clock::duration layout{}, fill{}, check{};
      long fills = 0, fillOk = 0;
      for (int done = 0; done < puzzles;) {
        auto t0 = Clock::now();
        MakeHexLayout(replay, level, rows, cols, board);
        auto t1 = Clock::now();
        const bool ok = FillHexDigits(replay, level, rows, cols, board);
        auto t2 = Clock::now();
        layout += t1 - t0;
        fill += t2 - t1;
        ++fills;
        if (!ok) continue;
        ++fillOk;
        if (VerifyAndExport(board, rows, cols, grid)) ++done;
        check += Clock::now() - t2;
      }
      const double total = Ms(layout + fill + check);
      char sizeText[16];
      std::snprintf(sizeText, sizeof sizeText, "%dx%d", rows, cols);
      std::printf("%-7s %-7s | %9.2f %9.2f | %8d %8d | %6.1f%% %6.1f%% %6.1f%% | %5.1f%%\n", sizeText,
                  levelNames[level], Percentile(ms, 0.5), Percentile(ms, 0.95),
                  Percentile(attempts, 0.5), Percentile(attempts, 0.95),
                  100 * Ms(layout) / total, 100 * Ms(fill) / total, 100 * Ms(check) / total,
                  100.0 * static_cast<double>(fillOk) / static_cast<double>(fills));
      std::fflush(stdout);
    }
  }
  return 0;
}

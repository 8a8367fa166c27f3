// Follows hints alone through many new puzzles of every kind, level and size:
// each step must agree with the solution and the path must end solved. Also
// the time a hint takes (CPU ms per hint: median, 95th percentile, worst).
// Usage: hint_soak [PUZZLES_PER_ROW=20] [SEED=1]
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench_util.h"
#include "core/common/progress.h"
#include "core/common/random.h"
#include "core/common/types.h"
#include "core/play/hint.h"
#include "core/shell/kinds.h"

using namespace zorvek;

namespace {

struct Row {
  int hints = 0, failures = 0;
  std::vector<double> ms;
};

// Walks the hints from an empty grid; false at the first step that disagrees
// with the solution, or when the path stops short.
bool FollowHints(PlayAdapter& a, Row& row) {
  for (int step = 0; step < 2000; ++step) {
    const double start = bench::ThreadCpuMs();
    const Hint hint = a.NextHint();
    row.ms.push_back(bench::ThreadCpuMs() - start);
    if (!hint.Found()) break;
    ++row.hints;
    if (hint.type != Hint::Type::Placement) return false;
    for (const HintRemoval& removal : hint.removals)
      if (removal.digits >> a.Solution(removal.cell.row, removal.cell.col) & 1u) return false;
    if (hint.digit != a.Solution(hint.target.row, hint.target.col)) return false;
    ApplyHint(a, hint);
  }
  for (int r = 0; r < a.Rows(); ++r)
    for (int c = 0; c < a.Cols(); ++c)
      if (a.IsCell(r, c) && !a.IsGiven(r, c) && a.Entry(r, c) != a.Solution(r, c)) return false;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int perRow = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  Random random(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1);
  int failures = 0;
  std::printf("%-10s %-6s %-7s %7s %7s %9s %9s %9s %s\n", "kind", "level", "size", "puzzles", "hints", "median ms",
              "p95 ms", "worst ms", "failures");
  for (int kind = 0; kind < kPlayKinds; ++kind) {
    const KindDescriptor& k = KindOf(kind);
    for (int difficulty = kEasy; difficulty <= kHard; ++difficulty) {
      std::vector<PuzzleShape> seen;
      for (int size = 0; size < 4; ++size) {
        Row row;
        PuzzleShape shape;
        int made = 0;
        for (int i = 0; i < perRow; ++i) {
          auto state = std::make_unique<AppState>();
          const std::unique_ptr<CreateJob> job = k.createJob(*state, difficulty, size);
          CreateProgress progress;
          const bool ok = job->Run(random, progress).success;
          job->Commit(*state, ok);
          if (!ok) continue;
          shape = k.shape(*state);
          bool again = false;  // a size choice past the kind's last gives an earlier size
          for (const PuzzleShape& earlier : seen) again |= earlier.rows == shape.rows && earlier.cols == shape.cols;
          if (again) break;
          ++made;
          if (!FollowHints(*k.playAdapter(*state), row)) ++row.failures;
        }
        if (made == 0) break;
        seen.push_back(shape);
        failures += row.failures;
        std::printf("%-10s %-6s %2dx%-4d %7d %7d %9.3f %9.3f %9.3f %d\n", k.name, DifficultyWord(difficulty),
                    shape.rows, shape.cols, made, row.hints, bench::Percentile(row.ms, 0.5),
                    bench::Percentile(row.ms, 0.95), bench::Percentile(row.ms, 1.0), row.failures);
        std::fflush(stdout);
      }
    }
  }
  std::printf(failures == 0 ? "every path ended solved, every step agreed with the solution\n"
                            : "%d paths failed\n",
              failures);
  return failures == 0 ? 0 : 1;
}

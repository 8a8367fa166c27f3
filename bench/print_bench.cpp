// A full booklet: 4 kinds x 4 pages (first sizes, Hard) with solution pages,
// created on worker threads and written to PDF. Creation and painting are
// timed apart, on one thread and on every core, over a few seeds.
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <thread>
#include <vector>

#include "bench_util.h"
#include "core/common/types.h"
#include "draw/page/booklet.h"

using namespace zorvek;
using namespace zorvek::draw::page;
using zorvek::bench::Clock;
using zorvek::bench::Ms;

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  batch::BatchChoices choices;
  for (int kind = kKindSudoku; kind <= kKindHexKakuro; ++kind) choices[kind] = {4, kHard, 0};
  QTemporaryDir dir;
  const int cores = std::max<int>(std::thread::hardware_concurrency(), 1);
  std::printf("booklet: 4 kinds x 4 pages, first sizes, Hard, with solutions (%d puzzles, 32 pages)\n",
              batch::BatchTotal(choices));
  std::printf("%-8s %6s %12s %12s %12s %12s %12s\n", "threads", "runs", "create med", "create max",
              "paint med", "paint max", "total max");
  for (int threads : {1, cores}) {
    std::vector<double> create, paint, total;
    for (int run = 0; run < runs; ++run) {
      const auto start = Clock::now();
      batch::BatchRun booklet(choices, 1000 + run, batch::BatchBanks{});
      booklet.Start(threads);
      booklet.Wait();
      const auto created = Clock::now();
      const QString path = dir.filePath(QStringLiteral("booklet%1.pdf").arg(run));
      const bool ok = WritePdf(path, booklet.SheetCount(true),
                               [&](PrintCanvas& canvas, int sheet) { PrintBatchSheet(canvas, booklet, sheet, true); });
      const auto painted = Clock::now();
      if (!ok || booklet.Done() != booklet.Total()) {
        std::fprintf(stderr, "run %d failed\n", run);
        return 1;
      }
      create.push_back(Ms(created - start));
      paint.push_back(Ms(painted - created));
      total.push_back(Ms(painted - start));
    }
    std::printf("%-8d %6d %12.0f %12.0f %12.0f %12.0f %12.0f\n", threads, runs,
                bench::Percentile(create, 0.5), bench::Percentile(create, 1.0), bench::Percentile(paint, 0.5),
                bench::Percentile(paint, 1.0), bench::Percentile(total, 1.0));
    if (cores == 1) break;
  }
  return 0;
}

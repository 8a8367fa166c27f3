#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "cli/cli.h"
#include "core/common/puzfile.h"
#include "core/common/random.h"
#include "core/common/types.h"

namespace zorvek::cli {

const char* TimerWord(int state) {
  switch (state) {
    case kTimerPaused: return "paused";
    case kTimerStopped: return "stopped";
    default: return "running";
  }
}

void AnnounceSeed(std::uint64_t seed) {
  std::cerr << "zorvek: seed " << seed << " (--seed " << seed << " makes the same again)\n";
}

namespace {

// Workers run at most this far ahead of the writer, which bounds memory.
constexpr int kAhead = 256;

std::uint64_t Digest(const std::vector<std::uint8_t>& bytes) {
  std::uint64_t h = 14695981039346656037ULL;  // FNV-1a
  for (std::uint8_t b : bytes) h = (h ^ b) * 1099511628211ULL;
  return h;
}

bool WriteOne(const GenerateOptions& options, int& counter, const GeneratedPuzzle& p) {
  const std::filesystem::path dir(options.outDir);
  std::string name;
  do {
    name = p.stem + "_" + std::to_string(++counter) + ".puz";
  } while (std::filesystem::exists(dir / name));
  const std::string path = (dir / name).string();
  if (!WriteFileAtomic(path, p.record.data(), p.record.size())) {
    std::cerr << "zorvek: cannot write " << path << "\n";
    return false;
  }
  std::cout << name << "  attempts " << p.attempts << "  " << p.ms << " ms\n";
  return true;
}

}  // namespace

int GenerateAll(const GenerateOptions& options, int rows, int cols, MakePuzzle make) {
  const int count = options.count;
  std::vector<std::uint64_t> seeds(count);
  Random random(options.seed);
  for (std::uint64_t& seed : seeds) {
    const std::uint64_t high = random.Next32();
    seed = high << 32 | random.Next32();
  }
  std::vector<std::optional<GeneratedPuzzle>> made(count);
  std::mutex mutex;
  std::condition_variable changed;
  int written = 0;
  bool stop = false;
  std::atomic<int> next{0};
  auto work = [&] {
    for (;;) {
      const int i = next++;
      if (i >= count) return;
      {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return stop || i < written + kAhead; });
        if (stop) return;
      }
      GeneratedPuzzle p;
      make(options, rows, cols, seeds[i], p);
      std::lock_guard lock(mutex);
      made[i] = std::move(p);
      changed.notify_all();
    }
  };
  const int cores = std::max<int>(std::thread::hardware_concurrency(), 1);
  const int threads = std::clamp(options.threads > 0 ? options.threads : cores, 1, count);
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t) workers.emplace_back(work);

  std::set<std::uint64_t> seen;  // record digests: equal records, equal digests
  int counter = 0, code = 0;
  for (int i = 0; i < count && code == 0; ++i) {
    GeneratedPuzzle p;
    {
      std::unique_lock lock(mutex);
      changed.wait(lock, [&] { return made[i].has_value(); });
      p = std::move(*made[i]);
      made[i].reset();
    }
    for (std::uint64_t k = 1; !seen.insert(Digest(p.record)).second; ++k)
      make(options, rows, cols, seeds[i] ^ (k * 0x9E3779B97F4A7C15ULL), p);
    if (!WriteOne(options, counter, p)) code = 1;
    std::lock_guard lock(mutex);
    written = i + 1;
    stop = code != 0;
    changed.notify_all();
  }
  for (std::thread& t : workers) t.join();
  return code;
}

}  // namespace zorvek::cli

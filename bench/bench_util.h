#pragma once
// What every creation benchmark reports: percentiles of per-puzzle samples.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace zorvek::bench {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Milliseconds of CPU time this thread has used. On a machine shared with
// other work, wall time per puzzle also counts the time spent waiting for a
// core; CPU time counts only the puzzle's own work.
inline double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The sample at fraction p (0.5 median, 0.95 95th percentile) of the sorted samples.
template <typename T>
T Percentile(std::vector<T> v, double p) {
  if (v.empty()) return T{};
  std::sort(v.begin(), v.end());
  const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
  return v[std::min(i, v.size() - 1)];
}

// Mean milliseconds per puzzle of another generator's command line that makes
// `count` puzzles, process start included; -1 when it fails or is missing.
inline double CommandMsPerPuzzle(const std::string& command, int count) {
  const auto start = Clock::now();
  if (std::system((command + " >/dev/null 2>&1").c_str()) != 0) return -1;
  return Ms(Clock::now() - start) / count;
}

}  // namespace zorvek::bench

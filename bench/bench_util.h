#pragma once
// What every creation benchmark reports: percentiles of per-puzzle samples.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

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

// One whole process as /usr/bin/time -v reports it: wall and CPU (user +
// system) milliseconds and the largest resident set; ok false when the
// command failed or time is missing.
struct ProcessRun {
  bool ok = false;
  double wallMs = 0, cpuMs = 0;
  long maxRssKb = 0;
};

inline ProcessRun TimeProcess(const std::string& command) {
  ProcessRun run;
  char path[] = "/tmp/zorvek_bench_timeXXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return run;
  close(fd);
  const std::string line =
      "/usr/bin/time -v -o " + std::string(path) + " " + command + " >/dev/null 2>&1";
  const bool exited = std::system(line.c_str()) == 0;
  std::ifstream in(path);
  std::string text;
  double user = -1, system = -1;
  while (std::getline(in, text)) {
    const auto value = text.substr(text.rfind(':') + 1);
    if (text.find("User time") != std::string::npos) user = std::atof(value.c_str());
    if (text.find("System time") != std::string::npos) system = std::atof(value.c_str());
    if (text.find("Maximum resident") != std::string::npos) run.maxRssKb = std::atol(value.c_str());
    if (text.find("Elapsed (wall clock)") != std::string::npos) {
      // h:mm:ss or m:ss.ss after the label's own colon-free text
      const auto at = text.find("): ");
      double seconds = 0;
      std::string clock = text.substr(at + 3);
      std::size_t start = 0;
      for (;;) {
        const auto colon = clock.find(':', start);
        seconds = seconds * 60 + std::atof(clock.substr(start, colon - start).c_str());
        if (colon == std::string::npos) break;
        start = colon + 1;
      }
      run.wallMs = seconds * 1000;
    }
  }
  std::remove(path);
  run.cpuMs = (user + system) * 1000;
  run.ok = exited && user >= 0 && system >= 0;
  return run;
}

// This program's own path, so a bench can time itself as a whole process.
inline std::string SelfPath() {
  char buffer[4096];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

// Whole-process comparison of one of our rows with a peer: `rounds` rounds,
// ours then the peer's, each making `count` puzzles in one process (start
// included). Prints the mean milliseconds per puzzle of both and the ratio.
inline void CompareProcesses(const char* label, const std::string& ours, const char* peerLabel,
                             const std::string& peer, int count, int rounds) {
  double oursWall = 0, oursCpu = 0, peerWall = 0, peerCpu = 0;
  long oursRss = 0, peerRss = 0;
  for (int r = 0; r < rounds; ++r) {
    const ProcessRun a = TimeProcess(ours);
    const ProcessRun b = TimeProcess(peer);
    if (!a.ok || !b.ok) {
      std::printf("%-22s %s: not available\n", label, a.ok ? peerLabel : "ours");
      return;
    }
    oursWall += a.wallMs;
    oursCpu += a.cpuMs;
    peerWall += b.wallMs;
    peerCpu += b.cpuMs;
    oursRss = std::max(oursRss, a.maxRssKb);
    peerRss = std::max(peerRss, b.maxRssKb);
  }
  const double per = 1.0 / (static_cast<double>(count) * rounds);
  std::printf("%-22s %9.2f %9.2f %7ld   %-14s %9.2f %9.2f %7ld   %6.2f %6.2f\n", label,
              oursWall * per, oursCpu * per, oursRss, peerLabel, peerWall * per, peerCpu * per,
              peerRss, peerWall / oursWall, peerCpu / oursCpu);
  std::fflush(stdout);
}

inline void PrintProcessHeader(int count, int rounds) {
  std::printf("\nWhole process under /usr/bin/time -v: %d rounds, ours then the peer's, %d "
              "puzzles per process; ms per puzzle, max RSS in kB, ratio peer / ours\n",
              rounds, count);
  std::printf("%-22s %9s %9s %7s   %-14s %9s %9s %7s   %6s %6s\n", "ours", "wall", "cpu", "rss",
              "peer", "wall", "cpu", "rss", "wall", "cpu");
}

}  // namespace zorvek::bench

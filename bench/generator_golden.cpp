// Checks (or records) the golden digests of the Sudoku and Futoshiki
// generators, every set of golden_sets.h in full; the digests live in
// golden_digests.txt beside this file. Run it after any change to either
// engine: the output must stay byte for byte the same.
//
// Usage: generator_golden record FILE      writes the digests of every set
//        generator_golden check FILE [SET [STEPS]] compares (only sets starting
//        with SET, only their first STEPS steps)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "bench_util.h"
#include "golden_sets.h"

using namespace zorvek;
using namespace zorvek::bench;
using namespace zorvek::golden;

int main(int argc, char** argv) {
  if (argc < 3 || (std::strcmp(argv[1], "record") != 0 && std::strcmp(argv[1], "check") != 0)) {
    std::fprintf(stderr, "usage: %s record|check FILE [SET PREFIX]\n", argv[0]);
    return 2;
  }
  const bool record = std::strcmp(argv[1], "record") == 0;
  const std::string prefix = argc > 3 ? argv[3] : "";
  const int stepLimit = argc > 4 ? std::atoi(argv[4]) : 0;
  std::map<std::string, std::uint64_t> golden;  // "set step" -> digest
  if (!record) {
    std::ifstream in(argv[2]);
    std::string set;
    int step;
    std::string hex;
    while (in >> set >> step >> hex)
      golden[set + " " + std::to_string(step)] = std::stoull(hex, nullptr, 16);
    if (golden.empty()) {
      std::fprintf(stderr, "no digests in %s\n", argv[2]);
      return 2;
    }
  }
  std::ostringstream out;
  int failures = 0;
  for (const Set& set : AllSets()) {
    if (set.name.rfind(prefix, 0) != 0) continue;
    Set run = set;
    if (stepLimit > 0 && stepLimit < run.count) run.count = stepLimit;
    const auto start = Clock::now();
    int firstBad = 0, checked = 0;
    RunSet(run, [&](int step, std::uint64_t digest) {
      char hex[17];
      std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(digest));
      out << set.name << ' ' << step << ' ' << hex << '\n';
      if (record) return;
      const auto it = golden.find(set.name + " " + std::to_string(step));
      ++checked;
      if ((it == golden.end() || it->second != digest) && firstBad == 0) firstBad = step;
    });
    std::printf("%-28s %6d steps %9.1f s  %s\n", set.name.c_str(), run.count,
                Ms(Clock::now() - start) / 1000.0,
                record ? "recorded"
                       : firstBad ? ("MISMATCH from step " + std::to_string(firstBad)).c_str()
                                  : "same");
    std::fflush(stdout);
    failures += firstBad != 0;
  }
  if (record) {
    std::ofstream file(argv[2]);
    file << out.str();
    if (!file) return 2;
  }
  return failures == 0 ? 0 : 1;
}

#pragma once
// The one pseudo-random generator every engine draws from. PCG32 with an
// unbiased bounded draw, so a seed gives the same puzzles on every platform
// (std::uniform_int_distribution differs between standard libraries).
#include <cstdint>

namespace zorvek {

class Random {
 public:
  explicit Random(std::uint64_t seed = 0x853c49e6748fea9bULL) { Seed(seed); }

  void Seed(std::uint64_t seed);
  // A seed from the clock and the address space, for the application's own
  // generator; tests and the tool pass explicit seeds instead.
  static std::uint64_t ClockSeed();

  std::uint32_t Next32();
  // Uniform integer in 0..n-1; 0 when n <= 1.
  int operator()(int n);

 private:
  std::uint64_t state_ = 0;
  std::uint64_t inc_ = 0;
};

}  // namespace zorvek

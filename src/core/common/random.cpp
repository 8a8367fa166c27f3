#include "core/common/random.h"

#include <chrono>

namespace zorvek {

void Random::Seed(std::uint64_t seed) {
  state_ = 0;
  inc_ = (seed << 1u) | 1u;
  Next32();
  state_ += seed ^ 0xda3e39cb94b95bdbULL;
  Next32();
}

std::uint64_t Random::ClockSeed() {
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  int local = 0;
  return static_cast<std::uint64_t>(now) ^ (reinterpret_cast<std::uintptr_t>(&local) << 16);
}

std::uint32_t Random::Next32() {
  const std::uint64_t old = state_;
  state_ = old * 6364136223846793005ULL + inc_;
  const auto xorshifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
  const auto rot = static_cast<std::uint32_t>(old >> 59u);
  return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

int Random::operator()(int n) {
  if (n <= 1) return 0;
  const auto bound = static_cast<std::uint32_t>(n);
  // Reject the short top slice so every value is equally likely.
  const std::uint32_t threshold = (0u - bound) % bound;
  for (;;) {
    const std::uint32_t r = Next32();
    if (r >= threshold) return static_cast<int>(r % bound);
  }
}

}  // namespace zorvek

#pragma once
// What every creation benchmark reports: percentiles of per-puzzle samples.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

namespace zorvek::bench {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The sample at fraction p (0.5 median, 0.95 95th percentile) of the sorted samples.
template <typename T>
T Percentile(std::vector<T> v, double p) {
  if (v.empty()) return T{};
  std::sort(v.begin(), v.end());
  const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
  return v[std::min(i, v.size() - 1)];
}

}  // namespace zorvek::bench

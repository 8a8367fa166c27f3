#pragma once
// FNV-1a 64 over raw bytes: golden digests pin generator output byte for byte.
#include <cstddef>
#include <cstdint>

namespace zorvek::testing {

inline std::uint64_t Fnv1a64(const void* data, std::size_t size, std::uint64_t h = 0xcbf29ce484222325) {
  for (std::size_t i = 0; i < size; ++i) h = (h ^ static_cast<const std::uint8_t*>(data)[i]) * 0x100000001b3;
  return h;
}

}  // namespace zorvek::testing

#pragma once
// A small deterministic generator (SplitMix64): the same seed gives the same demo
// archive on every machine and compiler, which the standard distributions do not promise.

#include <cstdint>
#include <string>
#include <vector>

namespace dba::demo {

class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // A whole number in [low, high].
  long Between(long low, long high) {
    return low + static_cast<long>(Next() % static_cast<std::uint64_t>(high - low + 1));
  }
  // True with the chance percent / 100.
  bool Chance(int percent) { return Between(1, 100) <= percent; }
  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Between(0, static_cast<long>(items.size()) - 1))];
  }

 private:
  std::uint64_t state_;
};

}  // namespace dba::demo

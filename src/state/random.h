#pragma once
// The game's one random generator. Seeded once (from the clock, or from a fixed seed for a
// reproducible game); every draw of the game comes from it.
#include <cstdint>
#include <random>

namespace rv {

class Rng {
 public:
  explicit Rng(std::uint64_t seed = 1) : engine_(seed), seed_(seed) {}
  std::uint64_t seed() const { return seed_; }
  void reseed(std::uint64_t seed) {
    engine_.seed(seed);
    seed_ = seed;
  }
  // Uniform in [0, 1), the same on every platform.
  double uniform() { return static_cast<double>(engine_() >> 11) * (1.0 / 9007199254740992.0); }
  // A whole number from 1 to n: Int(uniform x n) + 1. n below 1 gives 1.
  int draw(int n) { return n < 1 ? 1 : static_cast<int>(uniform() * n) + 1; }
  // True with a chance of 1 in k.
  bool one_in(int k) { return draw(k) == 1; }
  // A whole number from lo to hi inclusive.
  int between(int lo, int hi) { return hi <= lo ? lo : lo + draw(hi - lo + 1) - 1; }

 private:
  std::mt19937_64 engine_;
  std::uint64_t seed_;
};

}  // namespace rv

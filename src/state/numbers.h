#pragma once
// Whole numbers of the game: the range a stored number keeps, and arithmetic that saturates at
// the ends of int64 instead of overflowing.
#include <cstdint>
#include <limits>

namespace rv {

using Num = std::int64_t;

// No number the game stores comes near this; the number parser reads anything larger as it, so
// that sums and differences of stored numbers can never overflow.
inline constexpr Num stored_number_limit = 1'000'000'000'000'000;

struct Range {
  Num lo, hi;
  constexpr bool holds(Num v) const { return v >= lo && v <= hi; }
};

constexpr Num within(Num v, Range r) { return v < r.lo ? r.lo : (v > r.hi ? r.hi : v); }

constexpr Num add_sat(Num a, Num b) {
  constexpr Num max = std::numeric_limits<Num>::max();
  constexpr Num min = std::numeric_limits<Num>::min();
  if (b > 0 && a > max - b) return max;
  if (b < 0 && a < min - b) return min;
  return a + b;
}

constexpr Num sub_sat(Num a, Num b) {
  constexpr Num max = std::numeric_limits<Num>::max();
  constexpr Num min = std::numeric_limits<Num>::min();
  if (b < 0 && a > max + b) return max;
  if (b > 0 && a < min + b) return min;
  return a - b;
}

constexpr Num mul_sat(Num a, Num b) {
  constexpr Num max = std::numeric_limits<Num>::max();
  constexpr Num min = std::numeric_limits<Num>::min();
  if (a == 0 || b == 0) return 0;
  const bool negative = (a < 0) != (b < 0);
  // Compare magnitudes without negating min.
  const auto magnitude = [](Num v) { return v < 0 ? static_cast<std::uint64_t>(-(v + 1)) + 1 : static_cast<std::uint64_t>(v); };
  const std::uint64_t ma = magnitude(a), mb = magnitude(b);
  const std::uint64_t limit = negative ? static_cast<std::uint64_t>(max) + 1 : static_cast<std::uint64_t>(max);
  if (ma > limit / mb) return negative ? min : max;
  const std::uint64_t product = ma * mb;
  if (!negative) return static_cast<Num>(product);
  return product == static_cast<std::uint64_t>(max) + 1 ? min : -static_cast<Num>(product);
}

// v moved by delta, kept inside r: how a counter or a figure steps without leaving its range.
constexpr Num step_within(Num v, Num delta, Range r) { return within(add_sat(v, delta), r); }

}  // namespace rv

#pragma once
// The name pools and ring styles new workers are drawn from.
#include <array>
#include <string_view>

namespace rv {

struct RingStyle {
  std::string_view style;        // for men
  std::string_view female_style;  // for women
  int ent_low, ent_high;
  std::string_view weight;  // "" = "Heavy" for men, "Light" for women
  std::array<std::string_view, 3> finishers;
  std::array<std::string_view, 3> female_finishers;
  std::array<std::string_view, 3> finisher_types;
  std::array<std::string_view, 3> female_finisher_types;
};

extern const std::array<RingStyle, 8> ring_styles;
extern const std::array<std::string_view, 48> male_first_names;
extern const std::array<std::string_view, 40> female_first_names;
extern const std::array<std::string_view, 72> surnames;

}  // namespace rv

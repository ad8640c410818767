#pragma once
// The single steps of a suggested match (title, stipulation, team names, result), each taking one
// of the items the booking offers at that step.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "shows/booking.h"
#include "state/random.h"

namespace rv::suggest_step {

using Sides = std::vector<std::vector<std::string>>;

// One of `n` items, 0-based.
inline std::size_t random_index(Rng& rng, std::size_t n) {
  if (n == 0) return 0;
  const int capped = static_cast<int>(std::min<std::size_t>(n, INT_MAX));
  return static_cast<std::size_t>(rng.draw(capped) - 1);
}

inline bool contains(const std::vector<std::string>& items, std::string_view item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

// Takes `item` when offered, else the first offered item.
void take(Booking& b, std::string_view item);

// A title offered at the title step goes on the line one time in two in the main event or a feud
// match, one in five elsewhere; only a title whose holders are all free (or a vacant one), and in a
// feud match only one a feud worker holds.
void choose_title(Booking& b, const Store& store, Rng& rng, bool main_event, const Sides& feud_sides);

// The danger of a stipulation of this match type; an unknown one counts as dangerous.
Num stipulation_danger(const Store& store, std::string_view type, std::string_view name);
// A stipulation one time in four, the dangerous ones left out nine times in ten.
void choose_stipulation(Booking& b, const Store& store, Rng& rng, const std::string& type);

// Every team named with its proposed name; false when the booking refuses them.
bool name_teams(Booking& b);

// Winners and win type: "Auto" nine times in ten (always in a feud match), else another offered one.
void choose_result(Booking& b, Rng& rng, bool feud);

}  // namespace rv::suggest_step

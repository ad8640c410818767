#pragma once
// The roster grid: the player's workers through one of the views (a filter) or sorts of the
// choice list, with the column the choice adds.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/store.h"

namespace rv {

// A worker whose morale is below `press_morale` and whose popularity is at least the promotion's
// reference level less `press_standing_margin` is one the press will listen to when he complains.
inline constexpr Num press_morale = 40;
inline constexpr Num press_standing_margin = 5;
inline bool heard_by_press(Num morale, Num pop, Num reference_level) {
  return morale < press_morale && pop >= reference_level - press_standing_margin;
}

// "Very Low" below 30, "Low", "Below Average", "OK", "Good", "Very Good", "Excellent" from 90.
std::string_view ability_word(Num value);

// Every entry of the choice list, "View All" first; a brand view per brand while split.
std::vector<std::string> roster_choices(const Store& store);

struct RosterRow {
  std::size_t row;       // the worker's row in the worker table
  std::string name;
  Num draw;
  Num ability;
  std::string extra;     // the choice's own column, when it has one
  long long extra_key;   // orders the extra column (a month's place, a figure)
};
struct RosterGrid {
  std::string extra_caption;  // empty: no extra column
  std::vector<RosterRow> rows;
  std::size_t roster_size = 0;  // the whole roster, shown or not
};
// The grid for one entry of the choice list (an unknown entry shows everybody). Sorts put the
// highest figure first (the soonest expiry first), ties in roster order.
RosterGrid roster_grid(const Store& store, std::string_view choice);
// The named worker when he is on the player's roster, else the roster's first worker.
std::optional<std::size_t> roster_worker(const Store& store, std::string_view name);
// The named worker when he is not on the player's roster, else the world's first free agent.
std::optional<std::size_t> outside_worker(const Store& store, std::string_view name);

}  // namespace rv

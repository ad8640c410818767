#pragma once
// What the staff tell the player about the promotion: the locker room, the roster and its brands,
// the shows, the championships, the money and the product. Everything here only reads the store.
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "state/store.h"

namespace rv {

inline constexpr std::string_view feedback_caption = "Choose Area Of Feedback";

namespace feedback_area {
inline constexpr std::string_view roster = "Roster";
inline constexpr std::string_view roster_split = "Roster Split";
inline constexpr std::string_view shows = "Shows";
inline constexpr std::string_view championships = "Championships";
inline constexpr std::string_view other = "Other";
}  // namespace feedback_area

// The areas the player can ask about, in list order: "Roster Split" instead of "Roster" while
// the roster is split, then "Shows", "Championships" and "Other".
std::vector<std::string> feedback_areas(const Store& store);

// The messages of one area, in order. An area that is not one of the five, or a game without the
// player's promotion, gets a single message saying so.
std::vector<std::string> feedback(const Store& store, std::string_view area);

// The area as the feedback screen writes it: each message followed by a blank line, except the
// championships' list, where each title and its value take two lines of their own.
std::string feedback_text(const Store& store, std::string_view area);

// The text of a band: the last band whose lower edge `value` reaches (the first band takes
// everything below the second). Bands are in rising order.
struct Band {
  double from;
  std::string_view text;
};
// The lower edge of a first band, which takes everything below the second.
inline constexpr double below_all = std::numeric_limits<double>::lowest();
std::string_view band_text(double value, std::span<const Band> bands);

}  // namespace rv

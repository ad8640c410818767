// What a card still lacks before the show can go on: the first gap found, match by match, in the
// order the booking asks for things.
#include <string>

#include "shows/booking.h"

namespace rv {

std::optional<std::string> Booking::confirm_problem() const {
  if (step_ == BookingStep::count || count_ == 0) return "Choose how many matches the show will have first.";
  for (std::size_t k = 1; k <= static_cast<std::size_t>(count_); ++k) {
    if (slot_booked(k)) continue;
    const std::string match = "Match " + std::to_string(k);
    if (line(k, match::slot).empty()) return match + " has not been booked yet.";
    const auto* type = find_match_type(line(k, match::type));
    if (!type) return match + " has no match type yet.";
    if (line(k, match::title).empty()) return match + " has no title chosen yet (\"None\" is a choice).";
    if (line(k, match::stipulation).empty()) return match + " has no stipulation chosen yet (\"None\" is a choice).";
    std::size_t picked = 0;
    while (picked < match::worker_lines && !line(k, match::first_worker + picked).empty()) ++picked;
    if (picked == 0) return match + " has no participants yet.";
    if (picked < type->participants) {
      const std::size_t missing = type->participants - picked;
      return match + " still needs " + std::to_string(missing) + (missing == 1 ? " more participant." : " more participants.");
    }
    std::size_t teams = 0;
    for (const auto& side : sides(k)) teams += side.size() > 1 ? 1 : 0;
    std::size_t named = 0;
    while (named < match::team_lines && !line(k, match::first_team + named).empty()) ++named;
    if (named < teams) return match + " has teams still to be named.";
    if (line(k, match::winners).empty()) return match + " has no winner yet.";
    return match + " has no win type yet.";
  }
  return std::nullopt;
}

}  // namespace rv

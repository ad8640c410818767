// The titles a card already puts at stake.
#include "shows/booking.h"

namespace rv {

std::optional<std::size_t> Booking::title_booked_elsewhere(std::string_view title) const {
  if (title.empty() || title == none_text) return std::nullopt;
  for (std::size_t k = 1; k <= rec::match_slots; ++k)
    if (k != slot_ && line(k, match::title) == title) return k;
  return std::nullopt;
}

std::string Booking::title_again_question(std::size_t slot) {
  return "This title is already at stake in Match " + std::to_string(slot) + ". Book it again?";
}

}  // namespace rv

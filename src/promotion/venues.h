#pragma once
// Booking a venue for today's show: which shows today holds, the venues offered for them and
// the booked show handed on to the card booking.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/home.h"
#include "state/result.h"
#include "state/store.h"

namespace rv {

inline constexpr std::string_view confirm_booking_question = "Confirm Booking?";
inline constexpr std::string_view default_show_picture = "default2.jpg";

// Shows 1 and 2 of the promotion are its primary shows, 3 and 4 its secondary shows; a house show
// is one booked on the calendar, and a big show the planned one.
enum class ShowType { primary, secondary, house, big };
inline constexpr std::string_view broadcast_house = "House";
inline constexpr std::string_view broadcast_tv = "TV";
inline constexpr std::string_view broadcast_ppv = "PPV";

// "Primary Show", "Secondary Show", "House Show" or "Big Show".
std::string_view show_type_name(ShowType type);

// A show of the player as the venue and booking screens see it.
struct ShowFacts {
  std::string name;
  ShowType type = ShowType::primary;
  std::string brand = "All";  // "Brand 1", "Brand 2" or "All"
  bool televised = false;
  std::string broadcast = std::string(broadcast_house);  // "House", "TV" or "PPV"
  std::optional<std::size_t> regular_slot;                 // the regular show's slot, 0 to 3
  std::string picture = std::string(default_show_picture);
};

// Today's shows of the player: the regular or house show first, then the big show.
std::vector<ShowFacts> todays_shows(const Store& store);
// Today's first show, else the first show on a coming calendar day.
std::optional<ShowFacts> next_show(const Store& store);

struct VenueOffer {
  std::string name;
  Num capacity = 0;
  Num hire_cost = 0;
  std::string hire_cost_text;  // "$40000"
};

struct BookedShow {
  ShowFacts show;
  std::array<std::string, rec::venue> venue;  // the chosen venue's six lines
  Num capacity = 0;
  Num hire_cost = 0;
  std::string heading;                   // "Booking For " + show name
  std::array<int, 4> match_counts{};     // the choices of how many matches the card holds
};

// The heading of the venue list: "Choose Venue For " + show name.
std::string choose_venue_heading(const ShowFacts& show);
// Capacity x 8, kept within the money range.
Num hire_cost(Num capacity);
// The venue file named by maindata 218 inside the home; a failure for one reaching outside it.
Result<fs::path> venue_file(const Store& store, const Home& home);
// The venues offered to the player for this show; a failure when the file is missing,
// unreadable or offers none.
Result<std::vector<VenueOffer>> offered_venues(const Store& store, const Home& home, const ShowFacts& show);
// Reads the venue file again and takes the first offered record named `venue_name`.
Result<BookedShow> book_venue(const Store& store, const Home& home, const ShowFacts& show, std::string_view venue_name);

}  // namespace rv

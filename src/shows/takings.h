#pragma once
// What a show is expected to take in each hall it may be booked into: the card's score forecast
// from the card as booked (or, before anything is booked, the card "Suggest Card" would book),
// then the same attendance, gate and merchandise the run of the show pays out.
#include <cstddef>
#include <vector>

#include "promotion/venues.h"
#include "shows/booking.h"
#include "shows/showsteps.h"

namespace rv {

// The score `booking` would draw on the night, forecast on today's figures; nothing is changed.
double expected_show_score(const Store& store, const ShowContext& show, const Booking& booking);

struct VenueTakings {
  VenueOffer venue;
  Takings takings;
  Num after_hire = 0;  // the gate and the merchandise less the hall's hire cost
};

struct TakingsPreview {
  double score = 0;               // the show score the figures rest on
  std::size_t matches = 0;        // the matches of the card it was forecast from
  bool from_booked_card = false;  // else from the suggested card
  std::vector<VenueTakings> venues;
};

// Every offered hall with the takings `show` is expected to bring there. `booked` is the card
// being booked for the show, if any (a card with no match booked counts as none).
TakingsPreview preview_takings(const Store& store, const ShowFacts& show, const std::vector<VenueOffer>& venues,
                               const Booking* booked);

}  // namespace rv

#pragma once
// What a card will rate on the night, seen while it is booked: the same rating the show runs,
// over the card in order (each match wearing the workers down for the next), on today's figures.
// Nothing is changed, nobody is hurt, and what is left to a draw of the night is said so.
#include <array>
#include <string>

#include "promotion/venues.h"
#include "shows/booking.h"
#include "shows/rating.h"
#include "shows/showsteps.h"

namespace rv {

// How the night rates the card of `booking`: the crowd of a big or primary show, the battle
// royal's entrants; `forecast` looks ahead instead of running the show.
CardSetting night_setting(const ShowFacts& show, const Booking& booking, bool forecast);

struct CardForecast {
  // Per card slot: "72", "about 72" when a worker risks an injury earlier on the card, "99 or
  // 100" when the top is left to a draw; empty for an unbooked slot or a battle royal.
  std::array<std::string, rec::match_slots> ratings;
  std::array<RatingTerms, rec::match_slots> terms;
  // "Expected Show Rating: 83.20%", "about" in front when any match rests on a draw.
  std::string overall;
};

CardForecast forecast_card(const Store& store, const BookedShow& booked, const Booking& booking);

// The overall rating the card is expected to earn, star power included: what will move the
// promotion's popularity and the show's rating.
double expected_overall(const Store& store, const ShowContext& context, const Booking& booking);
// The same, worked out on `scratch`, which is made a copy of `store` again first: one working
// copy serves forecast after forecast.
double expected_overall(Store& scratch, const Store& store, const ShowContext& context, const Booking& booking);

}  // namespace rv

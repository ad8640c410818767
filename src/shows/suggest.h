#pragma once
// Suggesting a card: the booking machine driven step by step, as the player would drive it, with
// sensible picks among what each step offers.
#include <string>
#include <vector>

#include "shows/booking.h"
#include "shows/suggest_picks.h"
#include "state/random.h"

namespace rv {

struct SuggestResult {
  bool complete = false;            // the card can be confirmed
  std::vector<std::string> notes;   // what was booked where, and what could not be
};

// Books every empty slot of the card (booked slots are kept): chooses the number of matches when
// it is still to be chosen, then fills each empty slot. Running feuds are booked when their
// workers are free, the titles waiting longest for a defence are put on the line, the most popular
// workers go in the main event (the last slot), and the open matches avoid the pairings of the
// last four weeks and give new faces a place. Only wrestlers are booked; no title goes on twice.
SuggestResult suggest_card(Booking& booking, const Store& store, Rng& rng);
// The same from what the archive says of past shows, read once (suggest_pick::card_memory) for
// several trial cards of one show.
SuggestResult suggest_card(Booking& booking, const Store& store, Rng& rng, const suggest_pick::CardMemory& memory);

// The number of matches to choose: the largest offered count the free workers can fill at two a
// match, else the smallest offered one (0 when nothing is offered).
int suggested_match_count(const Booking& booking);

}  // namespace rv

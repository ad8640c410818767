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
#include "shows/rating.h"
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

// The title step: `title` when offered and not already at stake elsewhere on the card, else "None".
void choose_title(Booking& b, const std::string& title);

// The danger of a stipulation of this match type; an unknown one counts as dangerous.
Num stipulation_danger(const Store& store, std::string_view type, std::string_view name);
// Whether the worker comes out of a stipulation of this danger (0 for none) still fit enough not
// to count against his match.
bool affords(const BookableWorker& w, Num danger);
// A stipulation one time in four; a dangerous one only late in the card (`late`), and even
// there one time in ten; never one that would wear out one of the workers already planned for
// the match.
void choose_stipulation(Booking& b, const Store& store, Rng& rng, const std::string& type, bool late,
                        const std::vector<BookableWorker>& planned = {});

// Every team named with its proposed name; false when the booking refuses them.
bool name_teams(Booking& b);

// Winners and win type: "Auto" nine times in ten (always in a feud match), else another offered one;
// with `first_side_wins`, the first side is booked to win.
void choose_result(Booking& b, Rng& rng, bool feud, bool first_side_wins = false);

}  // namespace rv::suggest_step

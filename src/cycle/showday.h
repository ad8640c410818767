#pragma once
// A show day: whether today's show can go ahead, its cancellation, and the end of the day.
#include <string>
#include <vector>

#include "state/game.h"

namespace rv {

struct ShowDayResult {
  bool cancelled = false;        // too few workers, or nobody booked it: the show is off and the penalties applied
  bool can_go_ahead = false;     // enough workers: the venue and booking screens come next
  int available_workers = 0;
  std::vector<std::string> messages;
};
inline constexpr int workers_needed_for_a_show = 10;

// Workers available for today's show: the player's fit, active roster plus today's indy bookings.
int available_workers(const Store& store);

// "Go To Show": counts today's available workers and cancels the show when too few are left.
ShowDayResult go_to_show(Game& game);

// A show day that nobody books: the show is called off with the penalties of one that lacks the
// workers, because the fans who were promised it are let down all the same.
ShowDayResult cancel_unbooked_show(Game& game);

}  // namespace rv

#pragma once
// A show day: whether today's show can go ahead, its cancellation, and the end of the day.
#include <string>
#include <vector>

#include "state/game.h"

namespace rv {

struct ShowDayResult {
  bool cancelled = false;        // too few workers: the show is off and the penalties applied
  bool can_go_ahead = false;     // enough workers: the venue and booking screens come next
  int available_workers = 0;
  std::vector<std::string> messages;
};
inline constexpr int workers_needed_for_a_show = 10;

// Workers available for today's show: the player's fit, active roster plus today's indy bookings.
int available_workers(const Store& store);

// "Go To Show": counts today's available workers and cancels the show when too few are left.
ShowDayResult go_to_show(Game& game);

// A show day that is not run: "Go To Show" cancels it (with its penalties) when too few workers
// are available, and otherwise the day's shows are passed over and the day ends without them.
ShowDayResult pass_over_show_day(Game& game);

}  // namespace rv

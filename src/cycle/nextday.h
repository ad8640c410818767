#pragma once
// The main action: ending the day ("Next Day") or facing today's show ("Go To Show").
#include <string>
#include <string_view>
#include <vector>

#include "state/game.h"

namespace rv {

struct DayReport {
  std::vector<std::string> messages;  // message boxes to show, in order
  bool dismissed = false;             // the board has dismissed the player: the game ends
  std::vector<std::string> posted;    // subjects of the inbox messages posted today
  std::size_t unread = 0;             // the inbox counter at the end of the day
};

inline constexpr std::string_view dismissal_message =
    "You're now out of a job. If you're wondering why, you should check your inbox more often!\n\n"
    "Why not have another go at being successful? Maybe try taking control of a different promotion next time?";

// Ends the current day and runs the world's day, week and month steps in order.
DayReport next_day(Game& game);
// The names of the day's steps in the order they run.
std::vector<std::string_view> day_step_names();

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

// What the main action does as the day stands ("Next Day", "Go To Show" or "Go To Shows").
std::string main_caption(const Store& store);

}  // namespace rv

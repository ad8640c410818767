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

// What the main action does as the day stands ("Next Day", "Go To Show" or "Go To Shows").
std::string main_caption(const Store& store);

}  // namespace rv

#pragma once
// The calendar: a rolling window of coming days, each with a regular-show slot and a big-show
// slot, and what the player sees and books in it.
#include <string>
#include <string_view>
#include <vector>

#include "state/store.h"

namespace rv {

// The first slot of a day on which the player booked a house show.
inline constexpr std::string_view house_show_event = "House Show";

// Name of the player's regular show held on this weekday (the last of the four that matches),
// or empty.
std::string regular_show_on(const Store& store, std::string_view weekday);

// Appends the day after the calendar's last day, with the player's regular show of that weekday.
void extend_calendar(Store& store);

// The first calendar of a game: the 42 days after today, and the planned big show on its date.
void create_calendar(Store& store);

// What the main action does as the day stands: end the day, or face today's show or shows.
enum class MainAction { next_day, go_to_show, go_to_shows };
MainAction main_action(const Store& store);
void set_main_action(Store& store, MainAction action);
// The caption of the main action: "Next Day", "Go To Show" or "Go To Shows".
std::string_view caption_of(MainAction action);

// After today's show(s) the main action returns to "Next Day" and the day panel reads
// "End Of Day"; today's two event slots are kept as they were.
void end_show_day(Store& store);

// Sets the day panel lines of the main screen (caption, heading, the two events and today's two
// slots) for a day holding these events; either may be empty.
void set_day_panel(Store& store, const std::string& first, const std::string& second);

// Sets today's shows on the main screen lines (caption, heading, the two event names) from
// today's regular show and the planned big show.
void set_todays_shows(Store& store);

struct CalendarRow {
  std::string date;
  std::string event;
};
// The rows of the calendar grid: each day with its first slot, and one more row for a big show.
std::vector<CalendarRow> calendar_rows(const Store& store);
// The next `count` rows of the calendar for the main screen's week ahead: a day with a big show and
// no regular one reads once, with its big show.
std::vector<CalendarRow> week_ahead(const Store& store, std::size_t count);

// Index of the calendar day with this full date.
std::optional<std::size_t> find_calendar_day(const Store& store, std::string_view date);

std::string house_show_question(std::string_view date);
// Books a house show on a day whose first slot is empty; false when the day is taken or unknown.
bool book_house_show(Store& store, std::string_view date);

// The description of a booked day, shown when the player clicks it.
std::string describe_day(const Store& store, std::string_view date);

}  // namespace rv

// The booking staff: a show day that "Play Until Next Show" reaches is booked with the suggested
// card and run, as the player would from "Go To Show".
#include "cycle/assistant.h"
#include "cycle/autoshow.h"
#include "cycle/showday.h"
#include "promotion/venues.h"
#include "state/calendar.h"
#include "state/date.h"
#include "state/inbox.h"

namespace rv {

bool staff_books_today(const Store& store) {
  return store.assistant.booking && main_action(store) != MainAction::next_day;
}

std::vector<std::string> staff_show_day(Game& game, const StaffBooking& booking) {
  Store& s = game.store;
  std::vector<std::string> lines;
  const auto shows = todays_shows(s);
  if (shows.empty()) return lines;
  const std::string show = shows.front().name;
  const std::string sender(booker_name);
  lines = staff_keep_feud(s);
  const auto outcome = play_show_day(game, booking.home, booking.libraries, {});
  if (!outcome) {
    const ShowDayResult called_off = cancel_unbooked_show(game);
    lines.insert(lines.end(), called_off.messages.begin(), called_off.messages.end());
    lines.push_back(outcome.error());
    post_info(s, sender, show + " Cancelled", "I could not put " + show + " on: " + outcome.error() + " The show was cancelled.");
    return lines;
  }
  lines.insert(lines.end(), outcome->messages.begin(), outcome->messages.end());
  if (outcome->cancelled) {
    post_info(s, sender, show + " Cancelled", "There were not enough workers fit to put " + show + " on, so it was cancelled.");
  } else if (outcome->run) {
    const ShowRun& run = *outcome->run;
    for (auto& line : show_summary(run)) lines.push_back(std::move(line));
    NewMessage m;
    m.sender = sender;
    m.subject = show + " Booked";
    m.body = "I booked the suggested card for " + show + " at " + run.context.venue + " and ran the show: " +
             std::to_string(run.context.matches) + " matches, an overall rating of " +
             pattern_number(run.overall.shown, overall_rating_pattern) + " and an attendance of " +
             run.takings.attendance_text + ".";
    post_message(s, current_full_date(s), m);
  }
  // A second show of the day is not run.
  if (main_action(s) != MainAction::next_day) end_show_day(s);
  return lines;
}

}  // namespace rv

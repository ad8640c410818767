#include "cycle/nextday.h"

#include "cycle/calendar.h"
#include "cycle/dates.h"
#include "cycle/inbox.h"
#include "state/date.h"

namespace rv {

namespace {

// Today's events as the calendar's first day holds them.
void show_todays_events(Store& s) {
  const std::string slot1 = line_at(s.calendar, cal::regular);
  const std::string slot2 = line_at(s.calendar, cal::big);
  if (slot1.empty() && slot2.empty()) {
    s.set_md(md::day_heading, "No Shows Today");
    s.set_md(md::day_event1, "");
    s.set_md(md::day_event2, "");
  } else if (slot1.empty() || slot2.empty()) {
    s.set_md(md::main_caption, "Go To Show");
    s.set_md(md::day_heading, "Today's Show");
    s.set_md(md::day_event1, slot1.empty() ? slot2 : slot1);
    s.set_md(md::day_event2, "");
  } else {
    s.set_md(md::main_caption, "Go To Shows");
    s.set_md(md::day_heading, "Today's Shows");
    s.set_md(md::day_event1, slot1);
    s.set_md(md::day_event2, slot2);
  }
  s.set_md(md::today_slot1, slot1);
  s.set_md(md::today_slot2, slot2);
}

void scroll_calendar(Store& s) {
  remove_record(s.calendar, 0, rec::calendar_day);
  extend_calendar(s);
}

void advance_date(Store& s) {
  Date d = current_date(s);
  datechange(d);
  set_current_date(s, d);
}

}  // namespace

std::string main_caption(const Store& store) {
  const std::string& c = store.md(md::main_caption);
  return c.empty() ? std::string("Next Day") : c;
}

DayReport next_day(Game& game) {
  Store& s = game.store;
  DayReport report;
  const std::size_t inbox_before = s.message_count();
  s.reset_matches();
  show_todays_events(s);
  scroll_calendar(s);
  advance_date(s);
  count_down_messages(s);
  for (std::size_t i = inbox_before; i < s.message_count(); ++i) report.posted.push_back(s.message(i).at(msg::subject));
  return report;
}

ShowDayResult go_to_show(Game& game) {
  (void)game;
  return ShowDayResult{};
}

}  // namespace rv

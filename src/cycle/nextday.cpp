#include "cycle/nextday.h"

#include <algorithm>
#include <array>

#include "cycle/assistant.h"
#include "cycle/board.h"
#include "state/calendar.h"
#include "cycle/contracts.h"
#include "cycle/growth.h"
#include "state/dates.h"
#include "state/inbox.h"
#include "cycle/money.h"
#include "cycle/rivals.h"
#include "cycle/workers.h"
#include "feuds/feuds.h"
#include "state/date.h"
#include "state/history.h"
#include "state/ledger.h"
#include "titles/titles.h"

namespace rv {

namespace {

// Today's events as the calendar's first day holds them.
void show_todays_events(Store& s) {
  set_day_panel(s, line_at(s.calendar, cal::regular), line_at(s.calendar, cal::big));
}

void scroll_calendar(Store& s) {
  remove_record(s.calendar, 0, rec::calendar_day);
  extend_calendar(s);
}

// The ending day's indy bookings leave both lists.
void remove_ended_indy_bookings(Store& s) {
  const std::string today = current_full_date(s);
  for (Lines* list : {&s.indydates, &s.indydates2}) {
    for (std::size_t i = 0; i + rec::indy_booking <= list->size();) {
      const std::string& date = (*list)[i + indy::date];
      if (!date.empty() && date == today) {
        remove_record(*list, i, rec::indy_booking);
      } else {
        i += rec::indy_booking;
      }
    }
  }
}

void advance_date(Store& s) {
  Date d = current_date(s);
  datechange(d);
  set_current_date(s, d);
}

bool dismissed(const Store& s) { return s.md(md::board_state) == board::dismissed; }

void count_day(Store& s) { s.set_md_num(md::days_since_growth, s.md_num(md::days_since_growth) + 1); }

// The player's promotion counts down to its next big show while one is planned.
void count_to_big_show(Store& s) {
  const auto player = s.player_index();
  if (!player || s.promotion(*player).at(prom::next_big_show_name) == none_text) return;
  s.set_md_num(md::next_big_show_counter, s.md_num(md::next_big_show_counter) + 1);
}

}  // namespace

std::string main_caption(const Store& store) { return std::string(caption_of(main_action(store))); }

namespace {

// The day being played, as each step sees it.
struct Day {
  Game& game;
  Store& s;
  Date today;
  std::string_view weekday;
  int day;
};
using DayStep = void (*)(Day&);
struct NamedStep {
  std::string_view name;
  DayStep run;
};

// The day that is ending, up to the turn of the date.
constexpr std::array<NamedStep, 7> ending_day_steps = {{
    {"keep the day in the history", [](Day& d) { record_history_day(d.s); }},
    {"fold the ledger's old entries into months", [](Day& d) {
       const Date today = current_date(d.s);
       if (today.day == 1) fold_old_entries(d.s.ledger, today);
     }},
    {"show today's events", [](Day& d) { show_todays_events(d.s); }},
    {"scroll the calendar", [](Day& d) { scroll_calendar(d.s); }},
    {"weekly top ten", [](Day& d) { if (current_date(d.s).weekday_name() == "Sunday") weekly_top10(d.s); }},
    {"end today's indy bookings", [](Day& d) { remove_ended_indy_bookings(d.s); }},
    {"turn the date", [](Day& d) { advance_date(d.s); }},
}};

// The new day's first steps, before the board's verdict is read.
constexpr std::array<NamedStep, 2> opening_steps = {{
    {"rival shows", [](Day& d) { otherfedsshows(d.game); }},
    {"rivals rank their rosters", [](Day& d) { if (d.day == 6) rank_rival_rosters(d.s); }},
}};

// The rest of the new day, for a player still in charge.
constexpr std::array<NamedStep, 28> new_day_steps = {{
    {"bad publicity", [](Day& d) { if (d.day == 9) bad_publicity(d.game); }},
    {"draw values", [](Day& d) { if (d.day == 17) changedrawvalues(d.s); }},
    {"offer replies", [](Day& d) { deliver_offer_replies(d.game); }},
    {"effect ratings", [](Day& d) { effectratings(d.s); }},
    {"cap audiences", [](Day& d) { cap_audiences(d.s); }},
    {"count the day", [](Day& d) { count_day(d.s); }},
    {"new workers", [](Day& d) { if (d.day == 10 || d.day == 20) generatewrestler(d.game); }},
    {"message countdown", [](Day& d) { count_down_messages(d.s); }},
    {"monthly money", [](Day& d) { if (d.day == 1) monthly_money(d.s); }},
    {"rival signings", [](Day& d) { if (d.game.rng.draw(2) == 1) otherfedssign(d.game); }},
    {"contracts expire", [](Day& d) { if (d.day == 1) contractexpire(d.s); }},
    {"title values", [](Day& d) { if (d.weekday == "Friday") beltvalues(d.s); }},
    {"growth", [](Day& d) { growandend(d.game); }},
    {"money check", [](Day& d) { if ((d.day == 1 || d.day == 15) && !dismissed(d.s)) money_check(d.s); }},
    {"weekly review", [](Day& d) {
       if (d.weekday != "Saturday") return;
       if (d.s.md(md::board_state) == board::reviewing) d.s.set_md_num(md::review_weeks, d.s.md_num(md::review_weeks) - 1);
       if (!dismissed(d.s)) weeklyreview(d.s);
     }},
    {"condition", [](Day& d) { recover_condition(d.s); }},
    {"injuries", [](Day& d) { injurychange(d.s); }},
    {"wages", [](Day& d) { if (d.weekday == "Friday") paywages(d.s); }},
    {"big show countdown", [](Day& d) { count_to_big_show(d.s); }},
    {"new prospect", [](Day& d) { if (d.weekday == "Wednesday" && d.game.rng.draw(3) == 1) newprospect(d.game); }},
    {"retirements", [](Day& d) {
       if (d.day != 1) return;
       if (d.today.month == 0) count_down_careers(d.s);
       retirements(d.game);
     }},
    {"contract warnings", [](Day& d) { if (d.day == 7 || d.day == 14) contractwarning(d.game); }},
    {"title reigns", [](Day& d) { recordreignupdate(d.s); }},
    {"stale turns", [](Day& d) { stale_turns(d.s); }},
    {"planned turns", [](Day& d) { refresh_turns(d.s); }},
    {"feuds", [](Day& d) { feud_upkeep(d.game); }},
    {"release requests", [](Day& d) { if (d.weekday == "Thursday") release_requests(d.s); }},
    {"the staff's work", [](Day& d) { if (!dismissed(d.s)) assistant_day(d.game); }},
}};

template <std::size_t N>
void run_steps(const std::array<NamedStep, N>& steps, Day& d) {
  for (const NamedStep& step : steps) step.run(d);
}

}  // namespace

std::vector<std::string_view> day_step_names() {
  std::vector<std::string_view> names;
  auto add = [&names](const auto& steps) {
    for (const NamedStep& step : steps) names.push_back(step.name);
  };
  add(ending_day_steps);
  add(opening_steps);
  add(new_day_steps);
  return names;
}

DayReport next_day(Game& game) {
  Store& s = game.store;
  DayReport report;
  const std::size_t inbox_before = s.message_count();
  s.reset_matches();

  Day ending{game, s, current_date(s), {}, 0};
  run_steps(ending_day_steps, ending);

  const Date today = current_date(s);
  Day d{game, s, today, today.weekday_name(), today.day};
  run_steps(opening_steps, d);
  if (dismissed(s)) {
    report.dismissed = true;
    report.messages.emplace_back(dismissal_message);
  } else {
    run_steps(new_day_steps, d);
  }
  report.unread = unread_count(s);
  for (std::size_t i = inbox_before; i < s.message_count(); ++i) report.posted.push_back(s.message(i).at(msg::subject));
  return report;
}

}  // namespace rv

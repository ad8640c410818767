#include "cycle/nextday.h"

#include <algorithm>

#include "cycle/board.h"
#include "state/calendar.h"
#include "cycle/contracts.h"
#include "state/dates.h"
#include "state/inbox.h"
#include "cycle/money.h"
#include "cycle/rivals.h"
#include "cycle/workers.h"
#include "feuds/feuds.h"
#include "state/date.h"
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
  if (!player || s.promotion(*player).at(prom::next_big_show_name) == "None") return;
  s.set_md_num(md::next_big_show_counter, s.md_num(md::next_big_show_counter) + 1);
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

  // The day that is ending.
  show_todays_events(s);                                         // 1
  scroll_calendar(s);                                            // 2
  if (current_date(s).weekday_name() == "Sunday") weekly_top10(s);  // 3
  remove_ended_indy_bookings(s);                                 // 4
  advance_date(s);                                               // 5
  const Date today = current_date(s);
  const std::string_view weekday = today.weekday_name();
  const int day = today.day;

  // The new day.
  otherfedsshows(game);                           // 6
  if (day == 6) rank_rival_rosters(s);            // 7
  if (dismissed(s)) {                             // 8
    report.dismissed = true;
    report.messages.emplace_back(dismissal_message);
  } else {
    if (day == 9) bad_publicity(game);                               // 9
    if (day == 17) changedrawvalues(s);                              // 10
    deliver_offer_replies(game);                                     // 11
    effectratings(s);                                                // 12
    cap_audiences(s);                                                // 13
    count_day(s);                                                    // 14
    if (day == 10 || day == 20) generatewrestler(game);              // 15
    count_down_messages(s);                                          // 16
    if (day == 1) monthly_money(s);                                  // 17
    if (game.rng.draw(2) == 1) otherfedssign(game);                  // 18
    if (day == 1) contractexpire(s);                                 // 19
    if (weekday == "Friday") beltvalues(s);                          // 20
    growandend(game);                                                // 21
    if ((day == 1 || day == 15) && !dismissed(s)) money_check(s);    // 22
    if (weekday == "Saturday") {                                     // 23
      if (s.md(md::board_state) == board::reviewing) s.set_md_num(md::review_weeks, s.md_num(md::review_weeks) - 1);
      if (!dismissed(s)) weeklyreview(s);
    }
    recover_condition(s);                                            // 24
    injurychange(s);                                                 // 25
    if (weekday == "Friday") paywages(s);                            // 26
    count_to_big_show(s);                                            // 27
    if (weekday == "Wednesday" && game.rng.draw(3) == 1) newprospect(game);  // 28
    if (day == 1) {                                                  // 29
      if (today.month == 0) count_down_careers(s);
      retirements(game);
    }
    if (day == 7 || day == 14) contractwarning(game);                // 30
    recordreignupdate(s);                                            // 31
    stale_turns(s);                                                  // 32
    refresh_turns(s);                                                // 33
    feud_upkeep(game);                                               // 34
    if (weekday == "Thursday") release_requests(s);                  // 35
  }
  report.unread = unread_count(s);                                   // 36
  for (std::size_t i = inbox_before; i < s.message_count(); ++i) report.posted.push_back(s.message(i).at(msg::subject));
  return report;
}

int available_workers(const Store& s) {
  const std::string& player = s.md(md::player_initials);
  int count = 0;
  const std::size_t n = s.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = s.worker(r);
    if (on_roster(w, player) && w.injury() == "0" && w.retire() != retire::retired) ++count;
  }
  const std::string today = current_full_date(s);
  for (std::size_t i = 0; i + rec::indy_booking <= s.indydates.size(); i += rec::indy_booking) {
    if (s.indydates[i + indy::date] == today) ++count;
  }
  return count;
}

namespace {

// The penalties of a cancelled show.
void cancellation_penalties(Store& s, bool big_show_today) {
  const auto player = s.player_index();
  if (!player) return;
  const auto p = s.promotion(*player);
  const Num cancelled = s.md_num(md::cancelled_shows);
  if (p.size_level() == 1) {
    p.set_popularity(p.popularity() - (cancelled < 4 ? 3 : 6));
  } else {
    const std::string weekday(current_date(s).weekday_name());
    for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
      if (p.show(k, prom::show::name).empty() || p.show(k, prom::show::weekday) != weekday) continue;
      const std::size_t rating = p.show_offset(k, prom::show::rating);
      const bool main_show = k < 2;  // regular shows 1 and 2
      p.set_popularity(p.popularity() - (main_show ? 8 : 5));
      p.set_num(rating, std::max<Num>(p.num(rating) - (main_show ? 5 : 4), 1));
    }
    if (big_show_today) p.set_popularity(p.popularity() - 12);
  }
  if (p.popularity() < 1) p.set_popularity(1);
}

}  // namespace

ShowDayResult go_to_show(Game& game) {
  Store& s = game.store;
  ShowDayResult result;
  const std::string first = s.md(md::today_slot1);
  const std::string second = s.md(md::today_slot2);
  if (first.empty() && second.empty()) return result;  // no show today
  result.available_workers = available_workers(s);
  if (result.available_workers >= workers_needed_for_a_show) {
    result.can_go_ahead = true;
    return result;
  }
  result.cancelled = true;
  const std::string today = current_full_date(s);
  const bool big_show_today = s.md(md::next_big_show_date) == today && s.md(md::next_big_show_name) != "None";
  s.set_md(md::main_caption, "Next Day");
  s.set_md(md::day_heading, "End Of Day");
  s.set_md(md::day_event1, "");
  s.set_md(md::day_event2, "");
  const std::string shown = first.empty() ? second : first;
  if (shown == "House Show") {
    result.messages.emplace_back(
        "You don't have enough wrestlers available to put on a show. Therefore the planned house show for today has been cancelled.");
  } else {
    result.messages.push_back("You don't have enough wrestlers available to put on a show. Therefore today's " + shown +
                              " has been cancelled.");
  }
  if (big_show_today && shown != s.md(md::next_big_show_name)) {
    result.messages.push_back(s.md(md::next_big_show_name) +
                              " has also had to be cancelled due to not enough wrestlers being available to work the show.");
  }
  s.set_md_num(md::cancelled_shows, s.md_num(md::cancelled_shows) + 1);
  cancellation_penalties(s, big_show_today);
  return result;
}

}  // namespace rv

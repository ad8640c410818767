#include <gtest/gtest.h>

#include "state/calendar.h"
#include "state/date.h"
#include "support/world.h"

namespace {

using rv::cal::big;
using rv::cal::regular;

std::size_t days(const rv::Store& s) { return rv::record_count(s.calendar, rv::rec::calendar_day); }
const std::string& last_date(const rv::Store& s) { return s.calendar[s.calendar.size() - 3]; }

TEST(Calendar, FirstCalendarCoversSixWeeksWithRegularShows) {
  rv::Store s = rvtest::small_store();  // Monday 1st January 2007, a show on Thursdays
  ASSERT_EQ(days(s), 42u);
  EXPECT_EQ(s.calendar[0], "Tuesday 2nd January 2007");
  EXPECT_EQ(last_date(s), "Monday 12th February 2007");
  EXPECT_EQ(s.calendar[2 * 3 + regular], "Ringvale Alpha Weekly");  // Thursday 4th
  EXPECT_EQ(s.calendar[0 + regular], "");
}

// The calendar ends on the 31st of December 9999: a first calendar near it stops there.
TEST(Calendar, FirstCalendarStopsAtTheLastDay) {
  struct Case {
    const char* weekday;
    int day;
    std::size_t days;
    const char* last;
  };
  const Case cases[] = {{"Wednesday", 20, 11u, "Sunday 31st December 9999"}, {"Friday", 31, 0u, ""}};
  for (const Case& c : cases) {
    rv::Store s = rvtest::small_store();
    s.set_md(rv::md::weekday, c.weekday);
    s.set_md(rv::md::day_number, std::to_string(c.day));
    s.set_md(rv::md::month, "December");
    s.set_md(rv::md::year, "9999");
    rv::create_calendar(s);
    ASSERT_EQ(days(s), c.days) << c.day;
    if (c.days > 0) {
      EXPECT_EQ(last_date(s), c.last);
    }
  }
}

TEST(Calendar, PlannedBigShowIsMarkedOnItsDate) {
  rv::Store s = rvtest::small_store();
  auto p = s.promotion(0);
  p.set(rv::prom::next_big_show_name, "Frostbite");
  p.set(rv::prom::next_big_show_date, "Saturday 20th January 2007");
  rv::create_calendar(s);
  auto day = rv::find_calendar_day(s, "Saturday 20th January 2007");
  ASSERT_TRUE(day);
  EXPECT_EQ(s.calendar[*day * 3 + big], "Frostbite");
}

TEST(Calendar, ExtendingAddsTheNextDayAcrossAMonthEnd) {
  rv::Store s = rvtest::small_store();
  s.calendar = {"Wednesday 31st January 2007", "", ""};
  rv::extend_calendar(s);
  EXPECT_EQ(last_date(s), "Thursday 1st February 2007");
  EXPECT_EQ(s.calendar[s.calendar.size() - 2], "Ringvale Alpha Weekly");
  EXPECT_EQ(days(s), 2u);
}

TEST(Calendar, LaterRegularShowOnTheSameWeekdayWins) {
  rv::Store s = rvtest::small_store();
  auto p = s.promotion(0);
  p.set_show(2, rv::prom::show::name, "Thursday Throwdown");
  p.set_show(2, rv::prom::show::weekday, "Thursday");
  p.set_show(3, rv::prom::show::weekday, "Thursday");  // a slot without a show never counts
  EXPECT_EQ(rv::regular_show_on(s, "Thursday"), "Thursday Throwdown");
  EXPECT_EQ(rv::regular_show_on(s, "Friday"), "");
}

TEST(Calendar, GridRowsAndHouseShowBooking) {
  rv::Store s = rvtest::small_store();
  s.calendar[5 * 3 + big] = "Frostbite";
  const auto rows = rv::calendar_rows(s);
  EXPECT_EQ(rows.size(), 43u);
  EXPECT_EQ(rows[6].date, rows[5].date);
  EXPECT_EQ(rows[6].event, "Frostbite");

  EXPECT_EQ(rv::house_show_question("Tuesday 2nd January 2007"), "Book a house show for Tuesday 2nd January 2007?");
  EXPECT_TRUE(rv::book_house_show(s, "Tuesday 2nd January 2007"));
  EXPECT_EQ(s.calendar[regular], "House Show");
  EXPECT_FALSE(rv::book_house_show(s, "Tuesday 2nd January 2007"));  // already taken
  EXPECT_FALSE(rv::book_house_show(s, "Thursday 4th January 2007"));  // a regular show
  EXPECT_FALSE(rv::book_house_show(s, "Friday 1st January 2100"));
}

TEST(Calendar, TheWeekAheadShowsABigShowsDayOnce) {
  rv::Store s = rvtest::small_store();          // the calendar starts on Tuesday 2nd January
  s.calendar[2 * 3 + big] = "Ice Breaker";      // Thursday: the regular show and a big one
  s.calendar[5 * 3 + big] = "Frostbite";        // Sunday: no regular show, a big one
  const auto week = rv::week_ahead(s, 7);
  ASSERT_EQ(week.size(), 7u);
  EXPECT_EQ(week[2].event, "Ringvale Alpha Weekly");
  EXPECT_EQ(week[3].event, "Ice Breaker");
  EXPECT_EQ(week[3].date, week[2].date);
  EXPECT_EQ(week[5].date, s.calendar[4 * 3]);   // Saturday, free
  EXPECT_EQ(week[5].event, "");
  EXPECT_EQ(week[6].date, s.calendar[5 * 3]);   // Sunday once, with its big show
  EXPECT_EQ(week[6].event, "Frostbite");
  EXPECT_EQ(rv::week_ahead(s, 2).size(), 2u);
}

TEST(Calendar, DayDescriptions) {
  rv::Store s = rvtest::small_store();
  EXPECT_EQ(rv::describe_day(s, "Thursday 4th January 2007"),
            "Ringvale Alpha Weekly\n\nTV Show\nFeaturing superstars from both Brands");
  rv::book_house_show(s, "Tuesday 2nd January 2007");
  EXPECT_EQ(rv::describe_day(s, "Tuesday 2nd January 2007"), "House Show\n\nHouse Show\nUntelevised Show");

  auto p = s.promotion(0);
  p.set(rv::prom::brand1_name, "Uprising");
  p.set_show(0, rv::prom::show::brand, "Brand 1");
  p.set_show(0, rv::prom::show::kind, "PPV");
  s.calendar[2 * 3 + big] = "Frostbite";
  EXPECT_EQ(rv::describe_day(s, "Thursday 4th January 2007"),
            "Ringvale Alpha Weekly\n\nShown on Pay-Per-View\nFeaturing superstars from the Uprising Brand"
            "\n\n-- Plus --\n\nFrostbite\n\nUntelelvised Big Show");
  p.set(rv::prom::ppv_deal, "Yes");
  s.calendar[2 * 3 + regular] = "";
  EXPECT_EQ(rv::describe_day(s, "Thursday 4th January 2007"), "Frostbite\n\nPay-Per-View");
}

TEST(Calendar, TodaysShowsOnTheMainScreen) {
  rv::Store s = rvtest::small_store();
  rv::set_todays_shows(s);  // a Monday without shows
  EXPECT_EQ(s.md(rv::md::day_heading), "No Shows Today");
  EXPECT_EQ(rv::main_action(s), rv::MainAction::next_day);

  s.set_md(rv::md::weekday, "Thursday");
  rv::set_todays_shows(s);
  EXPECT_EQ(s.md(rv::md::day_heading), "Today's Show");
  EXPECT_EQ(rv::main_action(s), rv::MainAction::go_to_show);
  EXPECT_EQ(s.md(rv::md::day_event1), "Ringvale Alpha Weekly");

  s.set_md(rv::md::next_big_show_name, "Frostbite");
  s.set_md(rv::md::next_big_show_date, rv::current_full_date(s));
  rv::set_todays_shows(s);
  EXPECT_EQ(s.md(rv::md::day_heading), "Today's Shows");
  EXPECT_EQ(rv::main_action(s), rv::MainAction::go_to_shows);
  EXPECT_EQ(s.md(rv::md::day_event2), "Frostbite");
}

}  // namespace

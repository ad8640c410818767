// The night's report, read back from the archive and the ledger of a small world: the night's own
// entries are told from the day's, the values before and after are worked back from today's.
#include <gtest/gtest.h>

#include <algorithm>

#include "feedback/nightreport.h"
#include "state/history.h"
#include "state/ledger.h"
#include "state/tables.h"
#include "support/days.h"
#include "support/world.h"

namespace {

const std::string show = "Ringvale Alpha Weekly";  // the player's regular show, rated 50
const std::string night = "Thursday 4th January 2007";

struct NightReport : ::testing::Test {
  rv::Store s = rvtest::small_store();  // the player's popularity is 40, the balance $1,500,000
  rv::Promotion p = s.promotion(0);

  NightReport() {
    rvtest::set_date(s, "Thursday", 4, "January", 2007);
    rv::add_balance(s, p, -20000, "Wages for the week");  // the morning's: not the night's
    rv::add_balance(s, p, -5000, "Show: " + show + ", venue hire");
    rv::add_balance(s, p, -3000, "Show: " + show + ", production");
    rv::add_balance(s, p, 9000, "Show: " + show + ", tickets");
    rv::add_balance(s, p, 700, "Show: " + show + ", merchandise");
    rv::set_popularity(s, p, 46, "Title change: Alpha Worker 3 is not a big enough name");  // 40 -> 46, then a loss of 6
    rv::set_popularity(s, p, 40, "Title change: Alpha Worker 3 is not a big enough name");
    rv::set_popularity(s, p, 42, "Show: " + show + ", overall rating 91.00");
    rv::record_effect(s, rv::Figure::morale, "Alpha Worker 1", 3, "Won at " + show);
    rv::record_effect(s, rv::Figure::morale, "Alpha Worker 2", -8, "Lost at " + show);
    rv::record_effect(s, rv::Figure::morale, "Alpha Worker 1", 2, "Title won at " + show);
    rv::record_effect(s, rv::Figure::injury, "Alpha Worker 4", 3, "Injured at " + show);
    p.set_show(0, rv::prom::show::rating, "52");
    rv::record_effect(s, rv::Figure::show_rating, show, 2, "Show: " + show + ", overall rating 91.00");
    rv::HistoryMatch title_match;
    title_match.title = "Ringvale Alpha Title";
    title_match.winners = "Alpha Worker 3";
    title_match.title_changed = true;
    rv::record_history_show(s, {night, show, 91, 8000, 1700, {title_match}, 9100, 10000});
    // The next morning moves popularity once more, after the night.
    rvtest::set_date(s, "Friday", 5, "January", 2007);
    rv::set_popularity(s, p, 43, "Monthly growth");
  }
};

TEST_F(NightReport, TellsTheNightsEntriesFromTheDaysAndWorksBackItsValues) {
  const auto r = rv::last_night_report(s);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->show, show);
  ASSERT_EQ(r->income.size(), 2u);
  EXPECT_EQ(r->income[0].label, "Tickets");
  EXPECT_EQ(r->income[1].amount, 700);
  ASSERT_EQ(r->costs.size(), 2u);  // the morning's wages are not the night's
  EXPECT_EQ(r->costs[0].label, "Venue hire");
  EXPECT_EQ(r->costs[1].amount, -3000);
  // 40 before; +6 -6 +2 on the night makes 42 (in the lines below); the next morning's +1 is
  // not the night's.
  EXPECT_TRUE(r->popularity.known);
  ASSERT_EQ(r->popularity.causes.size(), 3u);
  EXPECT_EQ(r->popularity.causes[2].label, "Overall rating 91.00");
  EXPECT_EQ(r->title_changes, std::vector<std::string>{"Ringvale Alpha Title: Alpha Worker 3 won it"});
  EXPECT_EQ(r->injuries.size(), 1u);
  // Each worker's swings add up; the largest swing comes first, whatever its sign.
  ASSERT_EQ(r->morale.size(), 2u);
  EXPECT_EQ(r->morale[0].label, "Alpha Worker 2");
  EXPECT_EQ(r->morale[0].amount, -8);
  EXPECT_EQ(r->morale[1].amount, 5);

  const auto lines = rv::night_report_lines(*r);
  for (const std::string& expected : std::vector<std::string>{"Money made: $1,700", "Attendance: 8,000 of 10,000 (80%)", "Popularity: 40 to 42",
                                     "Show rating: 50 to 52", "Injury: Alpha Worker 4: Injured at " + show + " (3 weeks)"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
}

TEST_F(NightReport, WithoutItsLedgerTheNightHasNoCausesAndNoValues) {
  s.ledger.clear();  // a ledger lost and started again
  const auto r = rv::night_report_of(s, night, show);
  ASSERT_TRUE(r);
  EXPECT_FALSE(r->popularity.known);
  EXPECT_TRUE(r->popularity.causes.empty());
  ASSERT_EQ(r->income.size(), 1u);  // the archive's takings, unitemised
  EXPECT_EQ(r->income[0].amount, 1700);
  EXPECT_EQ(r->net, 1700);
  EXPECT_FALSE(rv::night_report_of(s, "Friday 5th January 2007", show));
  s.history.clear();
  EXPECT_FALSE(rv::last_night_report(s));
}

}  // namespace

// The Next Day driver: the order of its steps and the dismissal.
#include <gtest/gtest.h>

#include "cycle/money.h"
#include "cycle/nextday.h"
#include "cycle/showday.h"
#include "state/calendar.h"
#include "support/days.h"
#include "support/world.h"

namespace {

using rvtest::index_of;
using rvtest::set_date;

rv::Game small_game(std::uint64_t seed = 11) { return rv::Game{rvtest::small_store(), rv::Rng(seed), "test"}; }

TEST(NextDay, TheFirstOfAMonthRunsItsStepsInOrder) {
  rv::Game g = small_game();
  rv::Store& s = g.store;
  set_date(s, "Friday", 31, "March", 2007);  // the new day is Saturday 1st April
  auto p = s.promotion(0);
  p.set_balance(-2000000);
  rvtest::worker(s, "Beta Worker 4").set_expires("April 2007");  // expires today
  rvtest::worker(s, "Beta Worker 0").set_retire("D");
  rvtest::worker(s, "Alpha Worker 2").set_expires("May 2007");  // warned on the 7th, not today
  // Size 4 at popularity 40 on regional television: 400,000 + 54,166 (135,416 x 0.4) - 82,333
  // (205,833 x 0.4).
  const rv::Num income = 400000 + 54166 - 82333;

  const rv::DayReport day = rv::next_day(g);
  EXPECT_EQ(rv::current_full_date(s), "Saturday 1st April 2007");
  const auto& posted = day.posted;
  const auto expired = index_of(posted, "New Free Agent");
  const auto money = index_of(posted, "Serious Financial Problem");
  const auto review = index_of(posted, "Weekly Review");
  const auto retired = index_of(posted, "Beta Worker 0 Retires");
  ASSERT_GE(expired, 0);
  EXPECT_LT(expired, money);
  EXPECT_LT(money, review);
  EXPECT_LT(review, retired);
  EXPECT_EQ(index_of(posted, "Contract Warnings"), -1);
  EXPECT_EQ(s.promotion(0).balance(), -2000000 + income);
  EXPECT_EQ(s.md(rv::md::board_state), "bad");
}

TEST(NextDay, TheMonthlyIncomeArrivesBeforeTheMoneyCheck) {
  rv::Game g = small_game();
  set_date(g.store, "Sunday", 31, "March", 2007);
  // Below the size 4 dismissal limit before the income, above it after.
  g.store.promotion(0).set_balance(-5000000 - 1000);
  ASSERT_GT(rv::monthly_money_change(std::as_const(g.store).promotion(0)), 1000);
  rv::next_day(g);
  EXPECT_EQ(g.store.md(rv::md::board_state), "bad");
  EXPECT_FALSE(rv::next_day(g).dismissed);
}

TEST(NextDay, TheFirstSundayOnlyStartsTheTopTenAndTheNextFillsIt) {
  rv::Game g = small_game();
  rv::Store& s = g.store;
  set_date(s, "Sunday", 7, "January", 2007);
  rv::append_record(s.weeklytop10, {"Attendence", "Old Show (RVB, Thursday)", "999"});
  rv::next_day(g);
  EXPECT_EQ(s.md(rv::md::top10_started), "yes");
  EXPECT_TRUE(s.weeklytop10.empty());
  EXPECT_EQ(s.md(rv::md::top_indy_attendance), "");
  for (int i = 0; i < 7; ++i) rv::next_day(g);  // through Thursday's rival show to the end of Sunday
  EXPECT_EQ(rv::current_full_date(s), "Monday 15th January 2007");
  EXPECT_EQ(s.md(rv::md::top_indy_attendance), "Ringvale Beta Weekly (RVB, Thursday)");
  EXPECT_TRUE(s.weeklytop10.empty());
}

TEST(NextDay, ADismissedPlayerEndsTheGameBeforeTheRestOfTheDay) {
  rv::Game g = small_game();
  set_date(g.store, "Monday", 9, "January", 2007);  // the 10th would bring a new worker
  g.store.set_md(rv::md::board_state, "x");
  const std::size_t workers = g.store.worker_count();
  const rv::DayReport day = rv::next_day(g);
  EXPECT_TRUE(day.dismissed);
  ASSERT_EQ(day.messages.size(), 1u);
  EXPECT_EQ(day.messages[0], rv::dismissal_message);
  EXPECT_EQ(g.store.worker_count(), workers);
  EXPECT_EQ(g.store.md(rv::md::days_since_growth), "");
}

TEST(NextDay, DailyCountersAndTheMatchList) {
  rv::Game g = small_game();
  g.store.matches.assign(5, "x");
  rv::next_day(g);
  EXPECT_EQ(g.store.matches.size(), 200u);
  EXPECT_EQ(g.store.md(rv::md::days_since_growth), "1");
  EXPECT_EQ(g.store.md(rv::md::rival_growth_day), "1");
}

TEST(NextDay, UnhappyWorkersAskForTheirReleaseOnThursdays) {
  rv::Game g = small_game();
  set_date(g.store, "Wednesday", 3, "January", 2007);
  rvtest::worker(g.store, "Alpha Worker 4").set_morale(29);
  rvtest::worker(g.store, "Alpha Worker 5").set_morale(30);
  rvtest::worker(g.store, "Beta Worker 1").set_morale(5);
  rv::next_day(g);
  const auto m = rvtest::message_with(g.store, "Release Request");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->at(rv::msg::body), "Alpha Worker 4 is unhappy and has requested his release.");
  EXPECT_EQ(m->at(rv::msg::body2), "Release Alpha Worker 4?");
  EXPECT_EQ(m->at(rv::msg::kind), "RELEASE");
  EXPECT_EQ(m->at(rv::msg::days_left), "6");
  EXPECT_EQ(m->at(rv::msg::ref1), "Alpha Worker 4");
  EXPECT_EQ(rvtest::count_of(rvtest::subjects(g.store), "Release Request"), 1);
}

TEST(NextDay, OddDataNeverStopsTheDay) {
  // An empty store, a player whose promotion is gone, and texts where numbers belong.
  rv::Game empty{rv::Store{}, rv::Rng(1), "t"};
  for (int i = 0; i < 400; ++i) rv::next_day(empty);
  EXPECT_FALSE(rv::go_to_show(empty).cancelled);

  rv::Game odd{rvtest::small_store(), rv::Rng(2), "t"};
  rv::Store& s = odd.store;
  for (std::size_t line = 0; line < rv::rec::promotion; line += 3) s.promotions[line] = "x";
  s.promotions[rv::prom::initials] = "RVA";
  for (std::size_t r = 0; r < s.worker_count(); r += 2) {
    for (std::size_t c = 1; c < rv::column_count; ++c) s.wrestlers.set(r, static_cast<rv::Col>(c), "?");
  }
  s.negotiations.assign(7, "odd");  // not a whole record
  s.newslist.assign(13, "");
  for (int i = 0; i < 800; ++i) {
    rv::next_day(odd);
    if (rv::main_action(s) != rv::MainAction::next_day) rv::pass_over_show_day(odd);
  }
  s.set_md(rv::md::player_initials, "GONE");
  for (int i = 0; i < 100; ++i) rv::next_day(odd);
  // The odd values never stop the calendar: 900 days on, the date has moved 900 days.
  EXPECT_EQ(rv::main_action(s), rv::MainAction::next_day);
  EXPECT_EQ(s.calendar.size() % rv::rec::calendar_day, 0u);
}

}  // namespace

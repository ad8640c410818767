// A show day: whether the show can go ahead, its cancellation and the end of the day.
#include "cycle/showday.h"

#include <gtest/gtest.h>

#include "cycle/nextday.h"
#include "state/calendar.h"
#include "support/days.h"
#include "support/world.h"

namespace {

using rvtest::set_date;

rv::Game small_game(std::uint64_t seed = 11) { return rv::Game{rvtest::small_store(), rv::Rng(seed), "test"}; }

TEST(EndOfShowDay, TurnsTheMainActionBackToNextDay) {
  rv::Store s = rvtest::small_store();
  rv::set_day_panel(s, "Ringvale Alpha Weekly", "Winter Clash");
  ASSERT_EQ(rv::main_action(s), rv::MainAction::go_to_shows);
  rv::end_show_day(s);
  EXPECT_EQ(rv::main_action(s), rv::MainAction::next_day);
  EXPECT_EQ(s.md(rv::md::day_heading), "End Of Day");
  EXPECT_EQ(s.md(rv::md::day_event1), "");
  EXPECT_EQ(s.md(rv::md::day_event2), "");
  EXPECT_EQ(s.md(rv::md::today_slot1), "Ringvale Alpha Weekly");
  EXPECT_EQ(s.md(rv::md::today_slot2), "Winter Clash");
}

// ---- Go To Show ----

struct GoToShow : ::testing::Test {
  rv::Game g = small_game();
  void SetUp() override {
    set_date(g.store, "Thursday", 4, "January", 2007);
    g.store.set_md(rv::md::today_slot1, "Ringvale Alpha Weekly");
    rv::set_main_action(g.store, rv::MainAction::go_to_show);
    g.store.promotion(0).set_popularity(40);
  }
  void injure(int count) {
    for (int i = 0; i < count; ++i) rvtest::worker(g.store, "Alpha Worker " + std::to_string(i)).set_injury("5");
  }
};

TEST_F(GoToShow, TenAvailableWorkersGoAheadAndNineCancel) {
  EXPECT_EQ(rv::available_workers(g.store), 10);
  const auto ahead = rv::go_to_show(g);
  EXPECT_TRUE(ahead.can_go_ahead);
  EXPECT_FALSE(ahead.cancelled);
  EXPECT_EQ(rv::main_action(g.store), rv::MainAction::go_to_show);

  injure(1);
  const auto off = rv::go_to_show(g);
  EXPECT_TRUE(off.cancelled);
  ASSERT_EQ(off.messages.size(), 1u);
  EXPECT_EQ(off.messages[0],
            "You don't have enough wrestlers available to put on a show. Therefore today's Ringvale Alpha Weekly has been cancelled.");
  EXPECT_EQ(rv::main_action(g.store), rv::MainAction::next_day);
  EXPECT_EQ(g.store.md(rv::md::day_heading), "End Of Day");
  EXPECT_EQ(g.store.md(rv::md::cancelled_shows), "1");
  EXPECT_EQ(g.store.promotion(0).popularity(), 32);
  EXPECT_EQ(g.store.promotion(0).show(0, rv::prom::show::rating), "45");
}

TEST_F(GoToShow, TodaysIndyBookingsCountAsWorkersAndRetiredOnesDoNot) {
  injure(1);
  rv::append_record(g.store.indydates, {"Outside Worker", "Thursday 4th January 2007", "RVA"});
  rv::append_record(g.store.indydates, {"Another Worker", "Friday 5th January 2007", "RVA"});
  EXPECT_EQ(rv::available_workers(g.store), 10);
  rvtest::worker(g.store, "Alpha Worker 5").set_retire("R");
  rvtest::worker(g.store, "Beta Worker 2").set_multiproms("Works for RVA too");
  EXPECT_EQ(rv::available_workers(g.store), 10);
}

TEST_F(GoToShow, ABigShowCancelledTooCostsMore) {
  injure(3);
  g.store.set_md(rv::md::next_big_show_name, "Winter Brawl");
  g.store.set_md(rv::md::next_big_show_date, "Thursday 4th January 2007");
  const auto off = rv::go_to_show(g);
  ASSERT_EQ(off.messages.size(), 2u);
  EXPECT_EQ(off.messages[1], "Winter Brawl has also had to be cancelled due to not enough wrestlers being available to work the show.");
  EXPECT_EQ(g.store.promotion(0).popularity(), 40 - 8 - 12);
}

TEST_F(GoToShow, ASmallIndyLosesMoreFromItsFourthCancellation) {
  g.store.set_md(rv::md::player_initials, "RVB");
  g.store.set_md(rv::md::today_slot1, "House Show");
  for (int i = 0; i < 10; ++i) rvtest::worker(g.store, "Beta Worker " + std::to_string(i)).set_injury("4");
  g.store.promotion(1).set_popularity(30);
  std::vector<rv::Num> pops;
  for (int i = 0; i < 5; ++i) {
    const auto off = rv::go_to_show(g);
    EXPECT_EQ(off.messages.at(0),
              "You don't have enough wrestlers available to put on a show. Therefore the planned house show for today has been cancelled.");
    pops.push_back(g.store.promotion(1).popularity());
  }
  EXPECT_EQ(pops, (std::vector<rv::Num>{27, 24, 21, 15, 9}));
}

TEST_F(GoToShow, AWeeklyShowNamedHouseShowIsCancelledByItsName) {
  // Growth's weekly "House Show" runs on Thursdays; the player's own house shows are other days.
  const auto p = g.store.promotion(0);
  p.set_show(0, rv::prom::show::weekday, "Friday");
  p.set_show(2, rv::prom::show::name, "House Show");
  p.set_show(2, rv::prom::show::weekday, "Thursday");
  p.set_show(2, rv::prom::show::kind, "House");
  g.store.set_md(rv::md::today_slot1, "House Show");
  injure(1);
  const auto off = rv::go_to_show(g);
  ASSERT_EQ(off.messages.size(), 1u);
  EXPECT_EQ(off.messages[0], "You don't have enough wrestlers available to put on a show. Therefore today's House Show has been cancelled.");

  p.set_show(2, rv::prom::show::weekday, "Saturday");  // today's is then the player's own
  rv::set_main_action(g.store, rv::MainAction::go_to_show);
  EXPECT_EQ(rv::go_to_show(g).messages.at(0),
            "You don't have enough wrestlers available to put on a show. Therefore the planned house show for today has been cancelled.");
}

TEST_F(GoToShow, PopularityAndRatingsNeverFallBelowOne) {
  injure(5);
  g.store.promotion(0).set_popularity(3);
  g.store.promotion(0).set_show(0, rv::prom::show::rating, "2");
  rv::go_to_show(g);
  EXPECT_EQ(g.store.promotion(0).popularity(), 1);
  EXPECT_EQ(g.store.promotion(0).show(0, rv::prom::show::rating), "1");
}

}  // namespace

// The day: the Next Day driver's steps in order and the dismissal, "Play Until Next Show" (where a
// run stops, and that it is the same game as single days), and whether a show day can go ahead.
#include <gtest/gtest.h>

#include "cycle/money.h"
#include "cycle/nextday.h"
#include "cycle/playuntil.h"
#include "cycle/showday.h"
#include "state/calendar.h"
#include "state/date.h"
#include "state/inbox.h"
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
    if (rv::main_action(s) != rv::MainAction::next_day) rv::cancel_unbooked_show(odd);
  }
  s.set_md(rv::md::player_initials, "GONE");
  for (int i = 0; i < 100; ++i) rv::next_day(odd);
  // The odd values never stop the calendar: 900 days on, the date has moved 900 days.
  EXPECT_EQ(rv::main_action(s), rv::MainAction::next_day);
  EXPECT_EQ(s.calendar.size() % rv::rec::calendar_day, 0u);
}

bool same_game(const rv::Store& a, const rv::Store& b) {
  return a.maindata == b.maindata && a.wrestlers.to_lines() == b.wrestlers.to_lines() && a.promotions == b.promotions &&
         a.newslist == b.newslist && a.negotiations == b.negotiations && a.calendar == b.calendar &&
         a.turns == b.turns && a.titlehistory == b.titlehistory && a.indydates == b.indydates;
}

TEST(PlayUntil, ARunIsTheSameGameAsSingleDaysAndStopsWhereThePlayerIsNeeded) {
  for (std::uint64_t seed : {3u, 8u, 21u}) {
    rv::Game run = small_game(seed);
    rv::PlayUntil play(run);
    ASSERT_TRUE(play.can_start());
    while (!play.finished()) play.step();
    ASSERT_GT(play.days_played(), 0);
    ASSERT_LE(play.days_played(), rv::play_until_day_limit);
    const rv::DayReport none = play.step();  // a finished run plays no more days
    EXPECT_TRUE(none.messages.empty());

    rv::Game single = small_game(seed);
    rv::DayReport last;
    for (int d = 0; d < play.days_played(); ++d) last = rv::next_day(single);
    EXPECT_TRUE(same_game(run.store, single.store)) << "seed " << seed;
    EXPECT_EQ(rv::day_needs_player(single.store, last), play.stop());
    if (play.stop() == rv::PlayStop::show_day) {
      EXPECT_NE(rv::main_action(run.store), rv::MainAction::next_day);
      EXPECT_FALSE(rv::PlayUntil(run).can_start());
    }
  }
}

TEST(PlayUntil, AnOfferOfTodayOrTheDismissalStopsTheRun) {
  rv::Game g = small_game(5);
  rv::DayReport quiet;
  rv::set_main_action(g.store, rv::MainAction::next_day);
  EXPECT_EQ(rv::day_needs_player(g.store, quiet), std::nullopt);
  // An offer from an earlier day has already been seen; one dated today stops the run.
  rv::post_message(g.store, "Sunday 31st December 2006", rvtest::rival_offer("Alpha Worker 1"));
  EXPECT_EQ(rv::day_needs_player(g.store, quiet), std::nullopt);
  rv::post_message(g.store, rv::current_full_date(g.store), rvtest::rival_offer("Alpha Worker 2"));
  EXPECT_EQ(rv::day_needs_player(g.store, quiet), rv::PlayStop::answer_needed);

  rv::Game d = small_game(5);
  rvtest::set_date(d.store, "Monday", 9, "January", 2007);
  d.store.set_md(rv::md::board_state, "x");
  rv::PlayUntil play(d);
  const rv::DayReport day = play.step();
  EXPECT_TRUE(day.dismissed);
  EXPECT_EQ(play.stop(), rv::PlayStop::dismissed);
  EXPECT_EQ(play.days_played(), 1);
}

// Go To Show.
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
    rv::go_to_show(g);
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

// A show nobody books is called off like one without the workers: the same penalties, counted
// among the cancellations, in words that say what happened.
TEST_F(GoToShow, AShowNobodyBooksIsCancelledWithTheSamePenalties) {
  struct Case {
    int injured;
    bool big_show_today;
    std::vector<std::string> messages;
    rv::Num popularity;  // from 40
  };
  const std::vector<Case> cases = {
      {0, false, {"Nobody booked a card for Ringvale Alpha Weekly, so it has been cancelled."}, 32},
      {0, true, {"Nobody booked a card for Ringvale Alpha Weekly, so it has been cancelled.", "Winter Brawl has also been cancelled: nobody booked it."}, 20},
      {1, false, {"You don't have enough wrestlers available to put on a show. Therefore today's Ringvale Alpha Weekly has been cancelled."}, 32},
  };
  for (const auto& c : cases) {
    g = small_game();
    SetUp();
    injure(c.injured);
    if (c.big_show_today) {
      g.store.set_md(rv::md::next_big_show_name, "Winter Brawl");
      g.store.set_md(rv::md::next_big_show_date, "Thursday 4th January 2007");
    }
    const auto off = rv::cancel_unbooked_show(g);
    EXPECT_TRUE(off.cancelled);
    EXPECT_FALSE(off.can_go_ahead);
    EXPECT_EQ(off.messages, c.messages);
    EXPECT_EQ(rv::main_action(g.store), rv::MainAction::next_day);
    EXPECT_EQ(g.store.md(rv::md::cancelled_shows), "1");
    EXPECT_EQ(g.store.promotion(0).popularity(), c.popularity);
    EXPECT_EQ(g.store.promotion(0).show(0, rv::prom::show::rating), "45");
  }
}

}  // namespace

// "Play Until Next Show": where a run stops, and that it is the same game as single days.
#include <gtest/gtest.h>

#include "cycle/playuntil.h"
#include "state/calendar.h"
#include "state/date.h"
#include "state/inbox.h"
#include "support/days.h"
#include "support/world.h"

namespace {

rv::Game small_game(std::uint64_t seed) { return rv::Game{rvtest::small_store(), rv::Rng(seed), "test"}; }

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

}  // namespace

// Releasing a worker: weeks left, the cost and every effect of the release.
#include <gtest/gtest.h>

#include "state/inbox.h"
#include "support/days.h"
#include "support/world.h"
#include "talent/release.h"

namespace {

using rvtest::worker;

struct Release : ::testing::Test {
  rv::Store s = rvtest::small_store();  // Monday 1st January 2007
};

TEST_F(Release, WeeksLeftUntilTheExpiryMonth) {
  // From Monday 1st January 2007: 31 days to February, 365 to January 2008; a month gone by or
  // no month at all leaves one week. From Tuesday 30th January, 30 days to March.
  const struct {
    int day;
    const char* expires;
    int weeks;
  } rows[] = {{1, "January 2007", 1}, {1, "February 2007", 4}, {1, "January 2008", 52}, {1, "June 2005", 1},
              {1, "Free Agent", 1},   {1, "March 2007x", 1},   {30, "March 2007", 4}};
  for (const auto& r : rows) {
    rvtest::set_date(s, r.day == 1 ? "Monday" : "Tuesday", r.day, "January", 2007);
    worker(s, "Alpha Worker 1").set_expires(r.expires);
    EXPECT_EQ(rv::weeks_left(s, worker(s, "Alpha Worker 1").row()), r.weeks) << r.expires;
  }
}

TEST_F(Release, TheQuestionDependsOnMorale) {
  auto w = worker(s, "Alpha Worker 1");
  w.set_expires("February 2007");
  w.set_wages(2500);
  w.set_morale(39);
  EXPECT_EQ(rv::release_question(s, w.row()), "Release Alpha Worker 1?");
  w.set_morale(40);
  EXPECT_EQ(rv::release_question(s, w.row()), "To release Alpha Worker 1 will cost $10000. Go ahead with release?");
}

TEST_F(Release, AWorkerWithMoraleThirtyFiveIsStillPaidOff) {
  auto w = worker(s, "Alpha Worker 1");
  w.set_expires("February 2007");
  w.set_morale(35);
  const rv::Num before = s.promotion(0).balance();
  const rv::ReleaseResult r = rv::releasewrestler(s, w.row());
  EXPECT_TRUE(r.released);
  EXPECT_EQ(r.cost, 4 * 2000);
  EXPECT_EQ(s.promotion(0).balance(), before - 8000);
  worker(s, "Alpha Worker 2").set_morale(29);
  EXPECT_EQ(rv::releasewrestler(s, worker(s, "Alpha Worker 2").row()).cost, 0);
}

TEST_F(Release, EveryEffectOfARelease) {
  auto w = worker(s, "Alpha Worker 1");
  w.set_pop(51);  // above the level of 50
  w.set_morale(10);
  w.set_stable("Stable A");
  worker(s, "Alpha Worker 5").set_manager("Alpha Worker 1");
  auto p = s.promotion(0);
  p.set(rv::prom::power_figures, "Alpha Worker 1");
  p.set(rv::prom::power_figures + 1, "Commissioner");
  p.set(rv::prom::interviewer1, "Alpha Worker 1");
  p.set(rv::prom::talk_shows + rv::prom::talk::host, "Alpha Worker 1");
  p.title(0).set_holder("Alpha Worker 1");
  p.title(0).put(rv::current_reign, "30");
  p.title(0).put(rv::TitleField::record_length, "20");
  rvtest::start_feud(s, "Alpha Worker 1", "Alpha Worker 2", "Hot", "40");
  rv::post_message(s, "Monday 1st January 2007", rvtest::rival_offer("Alpha Worker 1"));

  rv::releasewrestler(s, w.row());
  EXPECT_EQ(w.promotion(), "Free Agent");
  EXPECT_EQ(w.expires(), "Free Agent");
  EXPECT_EQ(w.stable(), "no");
  EXPECT_EQ(worker(s, "Alpha Worker 5").manager(), "no");
  EXPECT_EQ(p.at(rv::prom::power_figures), "");
  EXPECT_EQ(p.at(rv::prom::power_figures + 1), "");
  EXPECT_EQ(p.at(rv::prom::interviewer1), "None");
  EXPECT_EQ(p.at(rv::prom::talk_shows), "NA");
  EXPECT_EQ(p.title(0).holder(), "Vacant");
  EXPECT_EQ(p.title(0).get(rv::TitleField::record_holder), "Alpha Worker 1");
  EXPECT_EQ(p.title(0).get(rv::TitleField::record_length), "30");
  // A release vacates with a history entry and no vacancy message.
  EXPECT_FALSE(rvtest::message_with(s, "Title Vacated"));
  EXPECT_EQ(s.titlehistory.size(), rv::rec::title_history);
  EXPECT_EQ(s.md(rv::md::record_longest_feud), "Alpha Worker 1 vs Alpha Worker 2");
  EXPECT_EQ(s.md(rv::md::record_longest_feud_days), "40");
  EXPECT_EQ(s.md(rv::md::feuds_first + rv::feud::type), "");
  EXPECT_EQ(s.message(0).at(rv::msg::kind), "INFO");
  EXPECT_EQ(p.popularity(), 40 - 15);
}

TEST_F(Release, PopularityLostByStanding) {
  EXPECT_EQ(rv::release_popularity_loss(51, 50), 15);
  EXPECT_EQ(rv::release_popularity_loss(50, 50), 10);
  EXPECT_EQ(rv::release_popularity_loss(46, 50), 10);
  EXPECT_EQ(rv::release_popularity_loss(45, 50), 5);
  EXPECT_EQ(rv::release_popularity_loss(36, 50), 2);
  EXPECT_EQ(rv::release_popularity_loss(35, 50), 0);
  EXPECT_EQ(rv::standing_popularity_change(50, 50), 15);
  EXPECT_EQ(rv::standing_popularity_change(45, 50), 10);
  EXPECT_EQ(rv::standing_popularity_change(35, 50), 2);
  EXPECT_EQ(rv::standing_popularity_change(34, 50), 0);
  auto w = worker(s, "Alpha Worker 1");
  w.set_pop(10);
  s.promotion(0).set_popularity(0);
  rv::releasewrestler(s, w.row());
  EXPECT_EQ(s.promotion(0).popularity(), 0);
}

TEST_F(Release, OnlyThePlayersOwnWorkers) {
  EXPECT_FALSE(rv::releasewrestler(s, worker(s, "Beta Worker 1").row()).released);
  EXPECT_EQ(worker(s, "Beta Worker 1").promotion(), "RVB");
  EXPECT_FALSE(rv::releasewrestler(s, 9999).released);
}

}  // namespace

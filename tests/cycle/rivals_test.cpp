// Rival promotions: show scores, the weekly top ten, signings and bids.
#include <gtest/gtest.h>

#include "cycle/rivals.h"
#include "support/days.h"
#include "support/world.h"

namespace {

using rvtest::worker;

TEST(RivalShows, TheScoreAddsItsFiveParts) {
  EXPECT_EQ(rv::rival_show_score({31, 8, 16, 90, 90}), 10 + 25 + 20 + 20 + 20);
  EXPECT_EQ(rv::rival_show_score({30, 7, 15, 89, 80}), 8 + 23 + 18 + 18 + 18);
  EXPECT_EQ(rv::rival_show_score({11, 1, 2, 40, 39}), 2 + 4 + 8 + 8 + 0);
  EXPECT_EQ(rv::rival_show_score({5, 0, 1, 39, 100}), 0 + 0 + 0 + 0 + 20);
  EXPECT_EQ(rv::rival_show_score({6, 5, 4, 75, 70}), 1 + 20 + 10 + 16 + 14);
}

TEST(RivalShows, PopularityMovesByScoreAndShow) {
  EXPECT_EQ(rv::rival_show_popularity(90, 0), 5);
  EXPECT_EQ(rv::rival_show_popularity(89, 1), 4);
  EXPECT_EQ(rv::rival_show_popularity(75, 0), 2);
  EXPECT_EQ(rv::rival_show_popularity(70, 2), 0);
  EXPECT_EQ(rv::rival_show_popularity(69, 3), -1);
  EXPECT_EQ(rv::rival_show_popularity(49, 0), -5);
  EXPECT_EQ(rv::rival_show_popularity(49, 2), -3);
  rv::Rng rng(5);
  for (int i = 0; i < 200; ++i) {
    const int c = rv::rival_show_morale_change(rng, i % 100);
    EXPECT_GE(c, -3);
    EXPECT_LE(c, 3);
  }
}

struct RivalDay : ::testing::Test {
  rv::Game g{rvtest::small_store(), rv::Rng(8), "t"};
  rv::Store& s = g.store;
  void SetUp() override { rvtest::set_date(s, "Thursday", 4, "January", 2007); }
};

TEST_F(RivalDay, ARivalShowIsScoredAndListed) {
  // RVB: 10 workers of pop 50 at level 50 (all top workers), ent 60; the player's own show is not run.
  s.promotion(1).set(rv::prom::tv_status, "National");
  s.promotion(1).set_popularity(60);
  for (int i = 0; i < 10; ++i) worker(s, "Beta Worker " + std::to_string(i)).set_morale(75);
  rv::otherfedsshows(g);
  const auto p = s.promotion(1);
  const rv::Num q = p.num(p.show_offset(0, rv::prom::show::rating));
  rv::Num morale = 0;
  for (int i = 0; i < 10; ++i) morale += worker(s, "Beta Worker " + std::to_string(i)).morale();
  const int b = static_cast<int>((morale + 5) / 10);
  EXPECT_EQ(q, rv::rival_show_score({10, 10, 0, 60, b}));
  ASSERT_EQ(s.weeklytop10.size(), 2 * rv::rec::top10_entry);
  EXPECT_EQ(s.weeklytop10[rv::top10::kind], "Attendence");
  EXPECT_EQ(s.weeklytop10[rv::top10::name], "Ringvale Beta Weekly (RVB, Thursday)");
  EXPECT_EQ(s.weeklytop10[rv::top10::value], rv::to_text(q * 300 / 100));
  EXPECT_EQ(s.weeklytop10[rv::rec::top10_entry + rv::top10::kind], "TV Rating");
  EXPECT_EQ(s.weeklytop10[rv::rec::top10_entry + rv::top10::value], rv::decimal_text(static_cast<double>(q * 300 / 100) / 100.0));
  EXPECT_EQ(p.popularity(), 60 + rv::rival_show_popularity(static_cast<int>(q), 0));
  EXPECT_EQ(s.promotion(0).show(0, rv::prom::show::rating), "50");
}

TEST_F(RivalDay, TheTopTenKeepsTheBestTenOfEachKind) {
  for (int i = 0; i < 12; ++i) {
    rv::append_record(s.weeklytop10, {"Attendence", "Show " + std::to_string(i), std::to_string(100 * i)});
  }
  rv::append_record(s.weeklytop10, {"TV Rating", "National Show", "3.5"});
  rv::append_record(s.weeklytop10, {"TV Rating", "Other Show", "4.25"});
  rv::filltop10(s);
  EXPECT_EQ(s.md(rv::md::top_tv_ratings), "Other Show");
  EXPECT_EQ(s.md(rv::md::top_tv_ratings + 1), "4.25");
  EXPECT_EQ(s.md(rv::md::top_tv_ratings + 2), "National Show");
  EXPECT_EQ(s.md(rv::md::top_tv_ratings + 4), "");
  EXPECT_EQ(s.md(rv::md::top_indy_attendance), "Show 11");
  EXPECT_EQ(s.md(rv::md::top_indy_attendance + 19), "200");
  EXPECT_TRUE(s.weeklytop10.empty());
}

TEST_F(RivalDay, RivalRostersAreRankedOnTheSixth) {
  worker(s, "Beta Worker 0").set_pop(50);
  worker(s, "Beta Worker 1").set_pop(38);
  worker(s, "Beta Worker 2").set_pop(37);
  worker(s, "Beta Worker 3").set_pop(20);
  worker(s, "Beta Worker 3").set_retire("R");
  worker(s, "Alpha Worker 0").set_roles("1");
  rv::rank_rival_rosters(s);
  EXPECT_EQ(worker(s, "Beta Worker 0").roles(), "3");
  EXPECT_EQ(worker(s, "Beta Worker 1").roles(), "2");
  EXPECT_EQ(worker(s, "Beta Worker 2").roles(), "1");
  EXPECT_EQ(worker(s, "Beta Worker 3").roles(), "2");
  EXPECT_EQ(worker(s, "Alpha Worker 0").roles(), "1");
}

TEST_F(RivalDay, ARivalSignsTheFreeAgentItNeeds) {
  // RVB has ten top workers and needs mid-card ones; Free Worker 1 is one.
  worker(s, "Free Worker 1").set_pop(42);
  s.promotion(1).set_popularity(50);
  rv::otherfedssign(g);
  const auto w = worker(s, "Free Worker 1");
  EXPECT_EQ(w.promotion(), "RVB");
  EXPECT_EQ(w.roles(), "2");
  EXPECT_EQ(w.morale(), 75);
  EXPECT_EQ(w.tagteam(), "no");
  EXPECT_TRUE(w.expires() == "January 2008" || w.expires() == "January 2009") << w.expires();
  EXPECT_EQ(s.promotion(1).popularity(), 58);
}

TEST_F(RivalDay, WithoutAFreeAgentTheRivalBidsForThePlayersWorker) {
  for (int i = 0; i < 4; ++i) worker(s, "Free Worker " + std::to_string(i)).set_pop(50);  // the wrong band
  worker(s, "Alpha Worker 6").set_pop(42);
  rv::otherfedssign(g);  // the only rival bids on its first try
  ASSERT_EQ(s.message_count(), 1u);
  const auto m = s.message(0);
  EXPECT_EQ(m.at(rv::msg::subject), "Offer For Alpha Worker 6");
  EXPECT_EQ(m.at(rv::msg::body),
            "We would like to make you an offer to buy out Alpha Worker 6's contract, and bring her to RVB. We are "
            "willing to pay $300,000 to buy out the remainder of her contract.");
  EXPECT_EQ(m.at(rv::msg::kind), "OFFER");
  EXPECT_EQ(m.at(rv::msg::days_left), "2");
  EXPECT_EQ(m.at(rv::msg::ref1), "RVB");
  EXPECT_EQ(m.at(rv::msg::ref2), "Alpha Worker 6");
  EXPECT_EQ(m.at(rv::msg::sender), "RVB");
}

TEST(RivalSigning, BandsAndTheShapeOfACard) {
  EXPECT_EQ(rv::band_of(50, 50), rv::Band::upper);
  EXPECT_EQ(rv::band_of(40, 50), rv::Band::mid);
  EXPECT_EQ(rv::band_of(39, 50), rv::Band::lower);
  // A card of one upper for two mid and three lower workers; a band is chosen however big the roster.
  EXPECT_EQ(rv::needed_band(0, 0, 0), rv::Band::upper);
  EXPECT_EQ(rv::needed_band(4, 8, 12), rv::Band::upper);
  EXPECT_EQ(rv::needed_band(10, 0, 0), rv::Band::mid);
  EXPECT_EQ(rv::needed_band(5, 9, 12), rv::Band::lower);
  EXPECT_EQ(rv::needed_band(40, 60, 100), rv::Band::mid);
  EXPECT_GT(rv::bid_amount(rv::Band::upper, 6), rv::bid_amount(rv::Band::upper, 2));
  EXPECT_GT(rv::bid_amount(rv::Band::mid, 6), rv::bid_amount(rv::Band::lower, 6));
}

}  // namespace

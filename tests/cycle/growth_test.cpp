// Growth: the player's growth ladder, axed shows and the rivals' growth.
#include <gtest/gtest.h>

#include "cycle/growth.h"
#include "cycle/nextday.h"
#include "support/days.h"
#include "support/world.h"

namespace {

struct Growth : ::testing::Test {
  rv::Game g{rvtest::small_store(), rv::Rng(6), "t"};
  rv::Store& s = g.store;
  rv::Promotion p = s.promotion(0);
  void ready(rv::Num days, rv::Num streak) {
    s.set_md_num(rv::md::days_since_growth, days);
    s.set_md_num(rv::md::popularity_streak, streak);
    p.set_popularity(85);
  }
};

TEST_F(Growth, ABasicIndyGetsLocalTelevision) {
  p.set(rv::prom::size_level, "1");
  p.set_show(0, rv::prom::show::kind, "House");
  ready(181, 59);
  rv::growandend(g);
  EXPECT_EQ(p.at(rv::prom::size_level), "2");
  EXPECT_EQ(p.at(rv::prom::tv_status), "Local");
  EXPECT_EQ(p.show(0, rv::prom::show::kind), "TV");
  EXPECT_EQ(p.title(0).level(), 55);
  EXPECT_EQ(p.num(rv::prom::house_attendance), 550);
  EXPECT_EQ(p.num(rv::prom::tv_attendance), 450);
  EXPECT_EQ(p.num(rv::prom::big_show_attendance), 1100);
  EXPECT_EQ(p.popularity(), 92);
  EXPECT_EQ(s.md(rv::md::days_since_growth), "0");
  ASSERT_TRUE(rvtest::message_with(s, "RVA To Air On Local TV"));  // the promotion's name is its initials
}

TEST_F(Growth, NoStepWithoutTheStreakOrTheDays) {
  p.set(rv::prom::size_level, "1");
  ready(181, 58);
  rv::growandend(g);
  EXPECT_EQ(p.at(rv::prom::size_level), "1");
  ready(180, 100);
  rv::growandend(g);
  EXPECT_EQ(p.at(rv::prom::size_level), "1");
  p.set_popularity(79);
  rv::growandend(g);
  EXPECT_EQ(s.md(rv::md::popularity_streak), "0");
}

TEST_F(Growth, AWeeklyHouseShowOnlyIntoAFreeThirdSlot) {
  p.set(rv::prom::size_level, "3");
  p.set_show(1, rv::prom::show::name, "Second Show");
  p.set_show(1, rv::prom::show::weekday, "Saturday");
  ready(91, 60);
  rv::growandend(g);
  EXPECT_EQ(p.show(2, rv::prom::show::name), "House Show");
  EXPECT_EQ(p.show(2, rv::prom::show::weekday), "Friday");
  EXPECT_EQ(p.show(2, rv::prom::show::kind), "House");
  EXPECT_EQ(p.popularity(), 85);  // no bonus for a house show
  EXPECT_TRUE(rvtest::message_with(s, "New Weekly House Show"));
  // The calendar shows the new house show on the coming Fridays.
  bool on_calendar = false;
  for (std::size_t i = 0; i < s.calendar.size(); i += 3) on_calendar = on_calendar || s.calendar[i + 1] == "House Show";
  EXPECT_TRUE(on_calendar);
  ready(91, 60);
  rv::growandend(g);
  EXPECT_EQ(rvtest::count_of(rvtest::subjects(s), "New Weekly House Show"), 1);
}

TEST_F(Growth, TheRegionalAndNationalSteps) {
  p.set(rv::prom::size_level, "2");
  p.set_show(2, rv::prom::show::name, "House Show");
  ready(201, 60);
  rv::growandend(g);
  EXPECT_EQ(p.at(rv::prom::size_level), "3");
  EXPECT_EQ(p.at(rv::prom::tv_status), "Regional");
  const auto regional = rvtest::message_with(s, "RVA Goes Regional");
  ASSERT_TRUE(regional);
  EXPECT_EQ(regional->at(rv::msg::body),
            "We have just agreed a deal which will see our weekly Local TV Show, Ringvale Alpha Weekly, aired Regionally. This "
            "is great news for the company, and will mean a further increase in our funding through TV money.");
  p.set_show(1, rv::prom::show::name, "Second Show");
  ready(601, 60);
  rv::growandend(g);
  EXPECT_EQ(p.at(rv::prom::size_level), "4");
  EXPECT_EQ(p.at(rv::prom::tv_status), "National");
  EXPECT_EQ(p.show(1, rv::prom::show::name), "");
  EXPECT_EQ(p.show(2, rv::prom::show::name), "House Show");
  EXPECT_TRUE(rvtest::message_with(s, "RVA Gains National TV Deal"));
}

TEST_F(Growth, NationalStepsPayPerViewAndNewShows) {
  p.set(rv::prom::tv_status, "National");
  p.set_show(2, rv::prom::show::name, "House Show");
  p.set_show(2, rv::prom::show::weekday, "Saturday");
  s.set_md(rv::md::next_big_show_name, "Spring Fury");
  ready(121, 60);
  rv::growandend(g);
  EXPECT_EQ(p.at(rv::prom::ppv_deal), "Yes");
  const auto deal = rvtest::message_with(s, "Pay Per View Deal Agreed");
  ASSERT_TRUE(deal);
  EXPECT_NE(deal->at(rv::msg::body).find(" Our first event on Pay Per View will be Spring Fury."), std::string::npos);
  ready(121, 60);
  rv::growandend(g);
  EXPECT_EQ(p.show(1, rv::prom::show::kind), "TV");
  EXPECT_EQ(p.show(1, rv::prom::show::weekday), "Friday");
  EXPECT_EQ(p.show(1, rv::prom::show::name), "RVA TV");
  EXPECT_EQ(p.show(1, rv::prom::show::audience), "0");
  EXPECT_TRUE(rvtest::message_with(s, "New National Show"));
  // Not yet measured: the show is neither axed nor drifted until its first broadcast.
  p.set(rv::prom::size_level, "5");
  rv::growandend(g);
  EXPECT_EQ(p.show(1, rv::prom::show::name), "RVA TV");
  EXPECT_NE(s.md(rv::md::board_state), rv::board::dismissed);
}

TEST_F(Growth, AxingAMainShowEndsTheGameTheNextDay) {
  p.set(rv::prom::size_level, "5");
  p.set(rv::prom::tv_status, "National");
  p.set_show(0, rv::prom::show::audience, "60");
  p.set_show(2, rv::prom::show::name, "Late Show");
  p.set_show(2, rv::prom::show::weekday, "Monday");
  p.set_show(2, rv::prom::show::kind, "TV");
  p.set_show(2, rv::prom::show::audience, "61");
  rv::growandend(g);
  EXPECT_EQ(p.show(0, rv::prom::show::name), "");
  EXPECT_EQ(p.show(2, rv::prom::show::name), "Late Show");
  const auto axed = rvtest::message_with(s, "Ringvale Alpha Weekly Axed");
  ASSERT_TRUE(axed);
  EXPECT_EQ(axed->at(rv::msg::body),
            "Our Thursday show, Ringvale Alpha Weekly has been axed due to low ratings. This is a major setback for the company.");
  EXPECT_TRUE(rvtest::message_with(s, "Contract Terminated"));
  EXPECT_EQ(s.md(rv::md::board_state), "x");
  EXPECT_TRUE(rv::next_day(g).dismissed);
}

TEST_F(Growth, ASmallerNationalKeepsItsWeakShows) {
  p.set(rv::prom::size_level, "4");
  p.set_show(0, rv::prom::show::audience, "10");
  rv::growandend(g);
  EXPECT_EQ(p.show(0, rv::prom::show::name), "Ringvale Alpha Weekly");
}

TEST_F(Growth, RivalsGrowInTheLastDaysOfTheirCycle) {
  auto rival = s.promotion(1);
  rival.set_popularity(81);
  s.set_md(rv::md::rival_growth_day, "119");
  rv::growandend(g);  // day 120: not yet
  EXPECT_EQ(rival.at(rv::prom::size_level), "1");
  rv::growandend(g);  // day 121
  EXPECT_EQ(rival.at(rv::prom::size_level), "2");
  EXPECT_EQ(rival.at(rv::prom::tv_status), "Local");
  EXPECT_FALSE(rvtest::message_with(s, "Ringvale Beta To Air On Local TV"));
  s.set_md(rv::md::rival_growth_day, "135");
  rv::growandend(g);
  EXPECT_EQ(s.md(rv::md::rival_growth_day), "0");
}

}  // namespace

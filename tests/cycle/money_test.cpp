// Audiences drifting with popularity, their caps, and the monthly money.
#include <gtest/gtest.h>

#include "cycle/money.h"
#include "support/days.h"
#include "support/world.h"

namespace {

struct Audiences : ::testing::Test {
  rv::Store s = rvtest::small_store();
  rv::Promotion p = s.promotion(1);
  void SetUp() override {
    rvtest::set_date(s, "Saturday", 6, "January", 2007);
    p.set(rv::prom::tv_status, "National");
  }
  rv::Num audience(std::size_t k) { return rv::leading_int(p.show(k, rv::prom::show::audience)); }
};

TEST_F(Audiences, SeventyIsStillAndSeventyFiveRises) {
  p.set_popularity(70);
  rv::effectratings(s);
  EXPECT_EQ(audience(0), 300);
  EXPECT_EQ(p.num(rv::prom::house_attendance), 400);
  p.set_popularity(75);
  rv::effectratings(s);
  EXPECT_EQ(audience(0), 301);
  EXPECT_EQ(p.num(rv::prom::house_attendance), 404);
  EXPECT_EQ(p.num(rv::prom::big_show_attendance), 909);
}

TEST_F(Audiences, FloorsForAudiencesAndAttendances) {
  p.set_popularity(40);
  p.set_show(0, rv::prom::show::audience, "35");
  p.set_num(rv::prom::house_attendance, 26);
  p.set_num(rv::prom::tv_attendance, 1000);
  p.set_num(rv::prom::big_show_attendance, 20);
  rv::effectratings(s);
  EXPECT_EQ(audience(0), 30);
  EXPECT_EQ(p.num(rv::prom::house_attendance), 25);
  EXPECT_EQ(p.num(rv::prom::tv_attendance), 940);
  EXPECT_EQ(p.num(rv::prom::big_show_attendance), 50);
}

TEST_F(Audiences, PayPerViewShowsAndTheMidMonthBigShowAudience) {
  p.set_popularity(96);
  p.set_show(1, rv::prom::show::name, "Pay Show");
  p.set_show(1, rv::prom::show::kind, "PPV");
  p.set_show(1, rv::prom::show::audience, "1000");
  p.set(rv::prom::ppv_deal, "Yes");
  p.set(rv::prom::ppv_rating, "100");
  rv::effectratings(s);
  EXPECT_EQ(audience(1), 1275);
  EXPECT_EQ(p.at(rv::prom::ppv_rating), "100");  // not the 15th
  rvtest::set_date(s, "Monday", 15, "January", 2007);
  rv::effectratings(s);
  EXPECT_EQ(p.at(rv::prom::ppv_rating), "105");
  EXPECT_EQ(audience(1), 1275);  // not a Saturday
  p.set_popularity(10);
  p.set_show(1, rv::prom::show::audience, "300");
  rvtest::set_date(s, "Saturday", 20, "January", 2007);
  rv::effectratings(s);
  EXPECT_EQ(audience(1), 100);
}

TEST_F(Audiences, RegionalTelevisionDoesNotDrift) {
  p.set(rv::prom::tv_status, "Regional");
  p.set_popularity(99);
  rv::effectratings(s);
  EXPECT_EQ(audience(0), 300);
}

TEST_F(Audiences, Caps) {
  p.set_show(0, rv::prom::show::audience, "950");
  p.set_show(1, rv::prom::show::name, "Pay Show");
  p.set_show(1, rv::prom::show::kind, "PPV");
  p.set_show(1, rv::prom::show::audience, "400000");
  p.set(rv::prom::ppv_deal, "Yes");
  p.set(rv::prom::ppv_rating, "300");
  rv::cap_audiences(s);
  EXPECT_EQ(audience(0), 800);
  EXPECT_EQ(audience(1), 300000);
  EXPECT_EQ(p.at(rv::prom::ppv_rating), "260");
  p.set(rv::prom::tv_status, "Regional");
  p.set_show(0, rv::prom::show::audience, "950");
  rv::cap_audiences(s);
  EXPECT_EQ(audience(0), 950);
}

TEST(MonthlyMoney, ByTypeAndPopularity) {
  rv::Store s = rvtest::small_store();
  auto p = s.promotion(0);
  p.set(rv::prom::size_level, "1");
  p.set_popularity(60);
  EXPECT_EQ(rv::monthly_money_change(std::as_const(s).promotion(0)), 250 - 199);
  p.set_popularity(61);
  EXPECT_EQ(rv::monthly_money_change(std::as_const(s).promotion(0)), 500 - 203);
  p.set(rv::prom::size_level, "4");
  p.set_popularity(50);
  p.set(rv::prom::tv_status, "National");
  p.set_show(2, rv::prom::show::name, "Third");
  p.set_show(2, rv::prom::show::kind, "TV");
  p.set_show(3, rv::prom::show::name, "Fourth");
  p.set_show(3, rv::prom::show::kind, "House");
  const rv::Num expected = 500000 + 333333 + 104166 + 67708 - 102916;
  EXPECT_EQ(rv::monthly_money_change(std::as_const(s).promotion(0)), expected);
  const rv::Num before = p.balance();
  EXPECT_EQ(rv::monthly_money(s), expected);
  EXPECT_EQ(p.balance(), before + expected);
  p.set(rv::prom::size_level, "2");
  p.set_popularity(100);
  EXPECT_EQ(rv::monthly_money_change(std::as_const(s).promotion(0)), 5000 + 42000 + 420 - 633);
}

}  // namespace

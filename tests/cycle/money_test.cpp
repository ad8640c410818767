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
  p.set(rv::prom::size_level, "2");
  p.set_popularity(100);
  EXPECT_EQ(rv::monthly_money_change(std::as_const(s).promotion(0)), 5000 + 42000 + 420 - 633);
}

TEST(AudienceBands, EveryPopularityBandOnBothSidesOfItsEdge) {
  // A national TV audience of 300, PPV buys of 10,000 and attendances of 1,000, moved once.
  // Attendance: 1,000 x the percentage, e.g. -6 % gives 940 and +1.5 % gives 1,015.
  const struct {
    rv::Num popularity, tv, buys, attendance;
  } rows[] = {{0, 290, 9600, 940},     {49, 290, 9600, 940},    {50, 292, 9650, 950},    {54, 292, 9650, 950},
              {55, 294, 9700, 960},    {59, 294, 9700, 960},    {60, 296, 9750, 970},    {64, 296, 9750, 970},
              {65, 298, 9800, 980},    {69, 298, 9800, 980},    {70, 300, 10000, 1000},  {74, 300, 10000, 1000},
              {75, 301, 10175, 1010},  {79, 301, 10175, 1010},  {80, 302, 10200, 1015},  {84, 302, 10200, 1015},
              {85, 303, 10225, 1020},  {89, 303, 10225, 1020},  {90, 304, 10250, 1025},  {94, 304, 10250, 1025},
              {95, 305, 10275, 1030},  {100, 305, 10275, 1030}};
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    rvtest::set_date(s, "Saturday", 6, "January", 2007);
    auto p = s.promotion(1);
    p.set(rv::prom::tv_status, "National");
    p.set_popularity(r.popularity);
    p.set_show(1, rv::prom::show::name, "Pay Show");
    p.set_show(1, rv::prom::show::kind, "PPV");
    p.set_show(1, rv::prom::show::audience, "10000");
    for (std::size_t line : {rv::prom::house_attendance, rv::prom::tv_attendance, rv::prom::big_show_attendance})
      p.set_num(line, 1000);
    rv::effectratings(s);
    EXPECT_EQ(rv::leading_int(p.show(0, rv::prom::show::audience)), r.tv) << r.popularity;
    EXPECT_EQ(rv::leading_int(p.show(1, rv::prom::show::audience)), r.buys) << r.popularity;
    EXPECT_EQ(p.num(rv::prom::house_attendance), r.attendance) << r.popularity;
    EXPECT_EQ(p.num(rv::prom::tv_attendance), r.attendance) << r.popularity;
    EXPECT_EQ(p.num(rv::prom::big_show_attendance), r.attendance) << r.popularity;
  }
}

TEST(MonthlyMoney, EachSizeWorkedByHand) {
  // Shows 1 and 3 are national TV, show 2 a house show, show 4 an unnamed TV slot; every share
  // is cut to whole dollars.
  const struct {
    int size;
    rv::Num popularity;
    bool national;
    rv::Num change;
  } rows[] = {
      // 250 base at 60 or less; costs 333 x 0.3 = 99.9 -> 99
      {1, 30, true, 250 - 99},
      // 2,500 + 21,000 + 210 - 316 (316.5)
      {2, 50, true, 2500 + 21000 + 210 - 316},
      // 50,000 + 42,500 + 4,166 (4,166.5) - 6,333; no television money at size 3
      {3, 50, true, 50000 + 42500 + 4166 - 6333},
      // 700,000 + 466,666 (show 1) + 145,833 (show 3) + 94,791 - 144,083
      {4, 70, true, 700000 + 466666 + 145833 + 94791 - 144083},
      // 3,200,000 + 800,000 + 266,666 + 416,666 - 633,332
      {5, 80, true, 3200000 + 800000 + 266666 + 416666 - 633332},
      // 6,000,000 + 2,083,333 + 833,333 + 833,333 - 1,266,666
      {6, 100, true, 6000000 + 2083333 + 833333 + 833333 - 1266666},
      // regional television earns nothing: 6,000,000 + 833,333 - 1,266,666
      {6, 100, false, 6000000 + 833333 - 1266666},
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    auto p = s.promotion(0);
    p.set(rv::prom::size_level, std::to_string(r.size));
    p.set_popularity(r.popularity);
    p.set(rv::prom::tv_status, r.national ? "National" : "Regional");
    p.set_show(1, rv::prom::show::name, "Second");
    p.set_show(1, rv::prom::show::kind, "House");
    p.set_show(2, rv::prom::show::name, "Third");
    p.set_show(2, rv::prom::show::kind, "TV");
    p.set_show(3, rv::prom::show::kind, "TV");
    const rv::Num before = p.balance();
    EXPECT_EQ(rv::monthly_money(s), r.change) << "size " << r.size;
    EXPECT_EQ(p.balance(), before + r.change) << "size " << r.size;
  }
}

}  // namespace

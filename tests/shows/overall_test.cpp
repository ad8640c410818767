// The overall rating of a show, worked by hand: production against the target for the size and
// type, the card's popularity, the star power cut, what the rating does to the promotion's
// popularity and the show's rating, and the fans' feedback.
#include <gtest/gtest.h>

#include "shows/showsteps.h"
#include "support/shownight.h"

namespace {

using rvtest::night;

// Five matches rated 75 (60 points) with the given mean popularity.
rv::CardFigures card(double popularity, rv::Num star_points = 100) {
  rv::CardFigures f;
  for (std::size_t k = 0; k < 5; ++k) {
    f.ratings[k] = "75";
    f.popularity[k] = popularity;
  }
  f.star_points = star_points;
  return f;
}

std::size_t level_line(rv::ShowType t) {
  return rv::prom::production_levels + (t == rv::ShowType::big ? 2 : t == rv::ShowType::primary ? 0 : 1);
}

TEST(OverallRating, ProductionAgainstTheTargetLevel) {
  // Card popularity 80 adds 10 for every type (the big show's mark 70 + 10), so the rating
  // before star power is 60 + 10 + the production points.
  const struct {
    int size;
    rv::ShowType type;
    const char* level;
    double production;
  } rows[] = {
      {1, rv::ShowType::big, "3", 17},        {1, rv::ShowType::big, "2", 15},
      {1, rv::ShowType::primary, "2", 17},    {1, rv::ShowType::house, "1", 17},
      {1, rv::ShowType::house, "4", 20},      {2, rv::ShowType::big, "5", 17},
      {2, rv::ShowType::secondary, "3", 17},  {2, rv::ShowType::house, "2", 17},
      {3, rv::ShowType::big, "7", 17},        {3, rv::ShowType::primary, "6", 17},
      {3, rv::ShowType::secondary, "5", 17},  {3, rv::ShowType::house, "4", 17},
      {4, rv::ShowType::big, "12", 17},       {4, rv::ShowType::primary, "13", 20},
      {4, rv::ShowType::primary, "12", 19},   {4, rv::ShowType::primary, "11", 18},
      {4, rv::ShowType::primary, "10", 17},   {4, rv::ShowType::primary, "9", 15},  // two a level below
      {4, rv::ShowType::primary, "2", 1},     {4, rv::ShowType::primary, "1", 0},
      {4, rv::ShowType::secondary, "9", 17},  {4, rv::ShowType::house, "8", 17},
      {5, rv::ShowType::big, "16", 17},       {5, rv::ShowType::primary, "12", 17},
      {5, rv::ShowType::secondary, "11", 17}, {5, rv::ShowType::house, "10", 17},
      {6, rv::ShowType::big, "17", 17},       {6, rv::ShowType::big, "20", 20},
      {6, rv::ShowType::primary, "14", 17},   {6, rv::ShowType::secondary, "12", 17},
      {6, rv::ShowType::house, "11", 17},     {6, rv::ShowType::house, "10", 15},
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    s.promotion(0).set(rv::prom::size_level, std::to_string(r.size));
    s.promotion(0).set(level_line(r.type), r.level);
    const double popularity = r.type == rv::ShowType::big ? 80 : 70;
    const auto v = rv::overall_rating(s, night(r.type), card(popularity));
    EXPECT_DOUBLE_EQ(v.before_star_power, 60 + 10 + r.production)
        << "size " << r.size << " type " << static_cast<int>(r.type) << " level " << r.level;
  }
}

TEST(OverallRating, CardPopularityAgainstTheMark) {
  // Size 4 primary at its target level 10 (17 points): 60 + 17 + the popularity points.
  const struct {
    rv::ShowType type;
    double popularity;
    double points;
  } rows[] = {
      {rv::ShowType::primary, 70, 10}, {rv::ShowType::primary, 69, 9}, {rv::ShowType::primary, 65, 9},
      {rv::ShowType::primary, 64, 8},  {rv::ShowType::primary, 60, 8}, {rv::ShowType::primary, 59, 7},
      {rv::ShowType::primary, 55, 7},  {rv::ShowType::primary, 54, 5}, {rv::ShowType::primary, 50, 5},
      {rv::ShowType::primary, 49, 3},  {rv::ShowType::primary, 45, 3}, {rv::ShowType::primary, 44, 1},
      {rv::ShowType::primary, 40, 1},  {rv::ShowType::primary, 39, 0}, {rv::ShowType::primary, 59.6, 8},
      {rv::ShowType::big, 80, 10},     {rv::ShowType::big, 79, 9},     {rv::ShowType::big, 70, 8},
      {rv::ShowType::big, 69, 7},      {rv::ShowType::big, 50, 1},     {rv::ShowType::big, 49, 0},
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    s.promotion(0).set(rv::prom::production_levels, "10");
    s.promotion(0).set(rv::prom::production_levels + 2, "12");
    const auto v = rv::overall_rating(s, night(r.type), card(r.popularity));
    EXPECT_DOUBLE_EQ(v.before_star_power, 60 + 17 + r.points) << static_cast<int>(r.type) << " " << r.popularity;
  }
}

TEST(OverallRating, StarPowerCutsBigAndPrimaryShows) {
  // Before the cut: 60 + 17 + 5 (primary, popularity 50) or 60 + 17 + 1 (big, popularity 50).
  const struct {
    rv::Num stars;
    double primary_cut, big_cut;
  } rows[] = {{0, 25, 25},  {1, 23, 21},  {10, 23, 21}, {11, 18, 18}, {20, 18, 18}, {21, 12, 15}, {30, 12, 15},
              {31, 8, 12},  {40, 8, 12},  {41, 6, 9},   {50, 6, 9},   {51, 4, 6},   {60, 4, 6},   {61, 2, 3},
              {70, 2, 3},   {71, 0, 0},   {100, 0, 0}};
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    s.promotion(0).set(rv::prom::production_levels, "10");
    s.promotion(0).set(rv::prom::production_levels + 1, "9");
    s.promotion(0).set(rv::prom::production_levels + 2, "12");
    EXPECT_DOUBLE_EQ(rv::overall_rating(s, night(rv::ShowType::primary), card(50, r.stars)).value, 82 - r.primary_cut) << r.stars;
    EXPECT_DOUBLE_EQ(rv::overall_rating(s, night(rv::ShowType::big), card(50, r.stars)).value, 78 - r.big_cut) << r.stars;
    EXPECT_DOUBLE_EQ(rv::overall_rating(s, night(rv::ShowType::secondary), card(50, r.stars)).value, 82) << r.stars;
    s.promotion(0).set(rv::prom::size_level, "1");  // the smallest promotions have no stars to miss
    s.promotion(0).set(rv::prom::production_levels, "2");
    EXPECT_DOUBLE_EQ(rv::overall_rating(s, night(rv::ShowType::primary), card(50, r.stars)).value, 82) << r.stars;
  }
}

TEST(OverallRating, WhatTheRatingDoesToPopularityAndTheShow) {
  // From popularity 40 and a show rating of 50.
  const struct {
    rv::ShowType type;
    double v;
    rv::Num popularity, rating;
  } rows[] = {
      {rv::ShowType::primary, 90, 42, 53},   {rv::ShowType::primary, 89.9, 41, 52}, {rv::ShowType::primary, 85, 41, 52},
      {rv::ShowType::primary, 84.9, 41, 51}, {rv::ShowType::primary, 80, 41, 51},   {rv::ShowType::primary, 79.9, 40, 51},
      {rv::ShowType::primary, 75, 40, 51},   {rv::ShowType::primary, 74.9, 40, 50}, {rv::ShowType::primary, 70, 40, 50},
      {rv::ShowType::primary, 69.9, 38, 48}, {rv::ShowType::primary, 65, 38, 48},   {rv::ShowType::primary, 64.9, 36, 46},
      {rv::ShowType::primary, 60, 36, 46},   {rv::ShowType::primary, 59.9, 34, 44}, {rv::ShowType::primary, 55, 34, 44},
      {rv::ShowType::primary, 54.9, 32, 42}, {rv::ShowType::primary, 50, 32, 42},   {rv::ShowType::primary, 49.9, 30, 40},
      {rv::ShowType::primary, 45, 30, 40},   {rv::ShowType::primary, 44.9, 29, 38},
      {rv::ShowType::secondary, 90, 41, 52},   {rv::ShowType::secondary, 89.9, 41, 51}, {rv::ShowType::secondary, 85, 41, 51},
      {rv::ShowType::secondary, 84.9, 40, 51}, {rv::ShowType::secondary, 75, 40, 51},   {rv::ShowType::secondary, 74.9, 40, 50},
      {rv::ShowType::secondary, 70, 40, 50},   {rv::ShowType::secondary, 69.9, 39, 48}, {rv::ShowType::secondary, 60, 39, 48},
      {rv::ShowType::secondary, 59.9, 38, 46}, {rv::ShowType::secondary, 50, 38, 46},   {rv::ShowType::secondary, 49.9, 36, 44},
      {rv::ShowType::secondary, 10, 36, 44},
      {rv::ShowType::big, 90, 44, 50},   {rv::ShowType::big, 89.9, 43, 50}, {rv::ShowType::big, 85, 43, 50},
      {rv::ShowType::big, 84.9, 42, 50}, {rv::ShowType::big, 80, 42, 50},   {rv::ShowType::big, 79.9, 41, 50},
      {rv::ShowType::big, 75, 41, 50},   {rv::ShowType::big, 74.9, 40, 50}, {rv::ShowType::big, 69.9, 38, 50},
      {rv::ShowType::big, 64.9, 36, 50}, {rv::ShowType::big, 59.9, 34, 50}, {rv::ShowType::big, 54.9, 32, 50},
      {rv::ShowType::big, 49.9, 30, 50}, {rv::ShowType::big, 10, 30, 50},
      {rv::ShowType::house, 95, 40, 50}, {rv::ShowType::house, 10, 40, 50},
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    rv::apply_overall_rating(s, night(r.type), r.v);
    EXPECT_EQ(s.promotion(0).popularity(), r.popularity) << static_cast<int>(r.type) << " " << r.v;
    EXPECT_EQ(s.promotion(0).show(0, rv::prom::show::rating), std::to_string(r.rating)) << static_cast<int>(r.type) << " " << r.v;
  }
}

TEST(OverallRating, PopularityAndShowRatingsStayBetweenFiveAndAHundred) {
  rv::Store s = rvtest::small_store();
  s.promotion(0).set_popularity(98);
  s.promotion(0).set_show(0, rv::prom::show::rating, "99");
  rv::apply_overall_rating(s, night(rv::ShowType::primary), 95);  // +2, +3
  EXPECT_EQ(s.promotion(0).popularity(), 100);
  EXPECT_EQ(s.promotion(0).show(0, rv::prom::show::rating), "100");
  s.promotion(0).set_popularity(12);
  s.promotion(0).set_show(0, rv::prom::show::rating, "10");
  s.promotion(1).set_popularity(2);  // every promotion is held, not only the player's
  rv::apply_overall_rating(s, night(rv::ShowType::primary), 20);  // -11, -12
  EXPECT_EQ(s.promotion(0).popularity(), 5);
  EXPECT_EQ(s.promotion(0).show(0, rv::prom::show::rating), "5");
  EXPECT_EQ(s.promotion(1).popularity(), 5);
}

TEST(ShowFeedback, TextsByRatingAndStars) {
  const struct {
    double v;
    const char* text;
  } rows[] = {
      {95, "Fans thought it was a superb show, and couldn't have been any better."},
      {94.9, "Fans thought it was an excellent show."},
      {90, "Fans thought it was an excellent show."},
      {89.9, "Fans thought it was a very good show."},
      {85, "Fans thought it was a very good show."},
      {84.9, "Fans thought it was a good show."},
      {79.9, "Fans thought it was an enjoyable show."},
      {74.9, "Fans thought it was not bad, though it could have been better."},
      {69.9, "Fans thought it was an average show."},
      {64.9, "Fans thought it was a below average show."},
      {59.9, "Fans thought it was a disappointing show."},
      {54.9, "Fans did not think the show was very good."},
      {50, "Fans did not think the show was very good."},
      {49.9, "Fans thought it was a bad show."},
      {45, "Fans thought it was a bad show."},
      {44.9, "Fans have slated the show, some claim it was the worst show they've ever been to."},
  };
  for (const auto& r : rows) EXPECT_EQ(rv::show_feedback_text(r.v), r.text) << r.v;
  const struct {
    rv::Num stars;
    const char* text;
  } stars[] = {
      {0, "Fans were extremely disappointed with the total lack of big name wrestlers on the show."},
      {1, "Fans were very disappointed with how few top line stars wrestled on the show."},
      {10, "Fans were very disappointed with how few top line stars wrestled on the show."},
      {11, "Fans were disappointed with how little they got to see of any top line wrestlers."},
      {30, "Fans were disappointed with how little they got to see of any top line wrestlers."},
      {31, "Fans were expecting to see more of the bigger name wrestlers in action."},
      {50, "Fans were expecting to see more of the bigger name wrestlers in action."},
      {51, ""},
  };
  for (const auto& r : stars) EXPECT_EQ(rv::star_power_text(r.stars), r.text) << r.stars;
}

}  // namespace

// The board: the weekly review's measures and verdicts, probation, and the money check.
#include <gtest/gtest.h>

#include "cycle/board.h"
#include "support/days.h"
#include "support/world.h"

namespace {

// The small world's player: 10 workers of morale 70, shows rated 50, one title of value 80,
// popularity 40, size 4 with a baseline of 1,000,000.
struct Review : ::testing::Test {
  rv::Store s = rvtest::small_store();
  rv::Promotion p = s.promotion(0);
  std::string last_body() { return s.message(s.message_count() - 1).at(rv::msg::body); }
  std::string last_subject() { return s.message(s.message_count() - 1).at(rv::msg::subject); }
  void set_morale(int m) {
    for (int i = 0; i < 10; ++i) rvtest::worker(s, "Alpha Worker " + std::to_string(i)).set_morale(m);
  }
};

TEST_F(Review, TheScoreIsTheSumOfTheFiveMeasures) {
  // An eighth title and a show without a name do not count.
  p.title(7).put(rv::TitleField::name, "Eighth Title");
  p.title(7).put(rv::TitleField::value, "1");
  p.set_show(1, rv::prom::show::rating, "100");
  const rv::ReviewScore score = rv::review_score(s);
  EXPECT_EQ(score.shows, 0);
  EXPECT_EQ(score.money, 19);
  EXPECT_EQ(score.popularity, 0);
  EXPECT_EQ(score.morale, 10);
  EXPECT_EQ(score.championships, 14);
  rv::weeklyreview(s);
  EXPECT_EQ(s.md(rv::md::board_rating), "43");
}

TEST_F(Review, AScoreOfFortyStartsProbation) {
  p.set_balance(950000);  // 16
  p.set_popularity(65);   // 10
  set_morale(50);         // 0
  ASSERT_EQ(rv::review_score(s).total(), 40);
  rv::weeklyreview(s);
  EXPECT_EQ(s.md(rv::md::board_state), "Yes");
  EXPECT_EQ(s.md(rv::md::review_weeks), "6");
}

TEST_F(Review, ProbationEndsInDismissalAfterSixSaturdays) {
  set_morale(40);
  rv::weeklyreview(s);
  ASSERT_EQ(s.md(rv::md::board_state), "Yes");
  for (int week = 1; week <= 6; ++week) {
    s.set_md_num(rv::md::review_weeks, s.md_num(rv::md::review_weeks) - 1);  // the driver, each Saturday
    rv::weeklyreview(s);
    if (week < 6) {
      EXPECT_EQ(s.md(rv::md::board_state), "Yes") << week;
    }
  }
  EXPECT_EQ(s.md(rv::md::board_state), "x");
}

TEST_F(Review, ARosterOfNineUnderReviewCountsDownToDismissal) {
  rvtest::worker(s, "Alpha Worker 0").set_retire("R");
  s.set_md(rv::md::board_state, "Yes");
  s.set_md(rv::md::review_weeks, "6");
  s.set_md(rv::md::board_rating, "5");
  rv::weeklyreview(s);
  EXPECT_EQ(s.md(rv::md::board_rating), "1");
  EXPECT_EQ(last_body(), "You are currently under review, with 6 weeks remaining before a decision is made regarding your future.");
  s.set_md(rv::md::review_weeks, "1");
  rv::weeklyreview(s);
  EXPECT_EQ(last_body(), "You are currently under review, with 1 week remaining before a decision is made regarding your future.");
  s.set_md(rv::md::review_weeks, "0");
  rv::weeklyreview(s);
  EXPECT_EQ(last_subject(), "Contract Terminated");
  EXPECT_EQ(s.md(rv::md::board_state), "x");
}

TEST_F(Review, ARosterOfTenIsReviewedNormally) {
  rvtest::worker(s, "Alpha Worker 0").set_retire("R");
  rvtest::worker(s, "Beta Worker 0").set_multiproms("RVA");
  rv::weeklyreview(s);
  EXPECT_EQ(last_subject(), "Weekly Review");
}

TEST(MoneyCheck, WarningAndDismissalLimitsBySize) {
  // Each size's warning limit W and debt limit D: W itself is safe, one dollar below warns,
  // D itself still only warns, one dollar below D dismisses.
  const struct {
    int size;
    rv::Num warning, dismissal;
  } sizes[] = {{1, -400000, -500000},    {2, -100000, -500000},     {3, -500000, -1000000},
               {4, -1000000, -5000000}, {5, -5000000, -10000000}, {6, -10000000, -15000000}};
  for (const auto& z : sizes) {
    const struct {
      rv::Num balance;
      const char* state;
    } rows[] = {{z.warning, "No"}, {z.warning - 1, "bad"}, {z.dismissal, "bad"}, {z.dismissal - 1, "x"}};
    for (const auto& r : rows) {
      rv::Store s = rvtest::small_store();
      s.promotion(0).set(rv::prom::size_level, std::to_string(z.size));
      s.promotion(0).set_balance(r.balance);
      rv::money_check(s);
      EXPECT_EQ(s.md(rv::md::board_state), r.state) << "size " << z.size << " balance " << r.balance;
    }
  }
}

}  // namespace

namespace {

// A review set up measure by measure. The small world's player is size 4 (baseline 1,000,000),
// has one named regular show, ten workers and one title.
struct Measures {
  const char* show_rating;
  rv::Num balance;
  rv::Num popularity;
  rv::Num morale;
  const char* title_value;
};

void arrange(rv::Store& s, const Measures& m) {
  auto p = s.promotion(0);
  p.set_show(0, rv::prom::show::rating, m.show_rating);
  p.set_balance(m.balance);
  p.set_popularity(m.popularity);
  for (int i = 0; i < 10; ++i) rvtest::worker(s, "Alpha Worker " + std::to_string(i)).set_morale(m.morale);
  p.title(0).put(rv::TitleField::value, m.title_value);
}

TEST(BoardMeasures, EachBandOnBothSidesOfItsEdge) {
  // shows: >90 20, >80 18, >70 15, >60 11, >50 8; popularity: >90 20, >80 17, >70 14, >60 10;
  // morale and titles: >90 20, >80 17, >70 14, >60 10, >50 5.
  const struct {
    double at;
    int shows, popularity, morale;
  } rows[] = {{100, 20, 20, 20}, {91, 20, 20, 20}, {90, 18, 17, 17}, {81, 18, 17, 17}, {80, 15, 14, 14},
              {71, 15, 14, 14},  {70, 11, 10, 10}, {61, 11, 10, 10}, {60, 8, 0, 5},    {51, 8, 0, 5},
              {50, 0, 0, 0},     {0, 0, 0, 0},     {90.5, 20, 20, 20}, {50.25, 8, 0, 5}};
  for (const auto& r : rows) {
    EXPECT_EQ(rv::shows_points(r.at), r.shows) << r.at;
    EXPECT_EQ(rv::popularity_points(r.at), r.popularity) << r.at;
    EXPECT_EQ(rv::morale_points(r.at), r.morale) << r.at;
  }
}

TEST(BoardMeasures, MoneyGrowthAndFallBands) {
  // Baseline 1,000,000: growth 25 % is 1,250,000, 50 % 1,500,000, 100 % 2,000,000; a fall of
  // 10 % is 900,000, 25 % 750,000, 50 % 500,000, 75 % 250,000, 100 % 0 (and anything from 0
  // down is 500 or less, so 0 points).
  const rv::Num m = 1000000;
  const struct {
    rv::Num balance;
    int points;
  } rows[] = {{1000000, 17}, {1249999, 17}, {1250000, 18}, {1499999, 18}, {1500000, 19}, {1999999, 19},
              {2000000, 20}, {999999, 16},  {900001, 16},  {900000, 15},  {750001, 15},  {750000, 14},
              {500001, 14},  {500000, 13},  {250001, 13},  {250000, 12},  {501, 12},     {500, 0},
              {-400000, 0}};
  for (const auto& r : rows) EXPECT_EQ(rv::money_points(r.balance, m), r.points) << r.balance;
  // A smaller baseline: 500 or less is still nothing.
  EXPECT_EQ(rv::money_points(500, 400000), 0);
  EXPECT_EQ(rv::money_points(501, 400000), 12);
}

TEST(BoardVerdict, TheWeeklyReviewReadsTheScoreByBands) {
  // Each score is built by hand from the measure bands above.
  const struct {
    Measures m;
    int score;
    const char* body;
  } rows[] = {
      {{"91", 2000000, 91, 81, "71"}, 91, "You are currently doing an excellent job."},          // 20+20+20+17+14
      {{"91", 2000000, 91, 91, "61"}, 90, "We are very pleased with your current performance."},  // 20+20+20+20+10
      {{"91", 2000000, 81, 71, "61"}, 81, "We are very pleased with your current performance."},  // 20+20+17+14+10
      {{"91", 2000000, 91, 91, "50"}, 80, "You are currently doing a good job."},                 // 20+20+20+20+0
      {{"81", 2000000, 71, 71, "51"}, 71, "You are currently doing a good job."},                 // 18+20+14+14+5
      {{"91", 2000000, 91, 61, "50"}, 70, "We are satisfied with your current performance."},     // 20+20+20+10+0
      {{"91", 1000000, 71, 61, "50"}, 61, "We are satisfied with your current performance."},     // 20+17+14+10+0
      {{"91", 2000000, 91, 50, "50"}, 60, "We are not happy with your current performance."},     // 20+20+20
      {{"81", 1500000, 71, 50, "50"}, 51, "We are not happy with your current performance."},     // 18+19+14
      {{"91", 2000000, 61, 50, "50"}, 50, "We are concerned about your current performance."},    // 20+20+10
      {{"50", 1000000, 71, 61, "50"}, 41, "We are concerned about your current performance."},    // 0+17+14+10
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    arrange(s, r.m);
    rv::weeklyreview(s);
    EXPECT_EQ(s.md(rv::md::board_rating), std::to_string(r.score)) << r.score;
    const auto last = s.message(s.message_count() - 1);
    EXPECT_EQ(last.at(rv::msg::body), r.body) << r.score;
    EXPECT_EQ(s.md(rv::md::board_state), "No") << r.score;
  }
}

TEST(BoardVerdict, TheEndOfProbationTurnsOnFifty) {
  const struct {
    Measures m;
    const char* state;
    const char* weeks;
  } rows[] = {
      {{"91", 2000000, 61, 50, "50"}, "No", "6"},  // 20+20+10 = 50: reprieved
      {{"50", 1500000, 91, 61, "50"}, "x", "0"},   // 0+19+20+10 = 49: dismissed
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    arrange(s, r.m);
    s.set_md(rv::md::board_state, "Yes");
    s.set_md(rv::md::review_weeks, "0");
    const std::size_t before = s.message_count();
    rv::weeklyreview(s);
    EXPECT_EQ(s.md(rv::md::board_state), r.state);
    EXPECT_EQ(s.md(rv::md::review_weeks), r.weeks);
    ASSERT_EQ(s.message_count(), before + 1);  // no weekly verdict in the week it is decided
    EXPECT_EQ(s.message(before).at(rv::msg::subject), "Your 6 Week Trial Period");
  }
}

TEST(BoardVerdict, ARosterTooSmallIsToldByTheScoreAfterTheDrop) {
  const struct {
    const char* before;
    const char* after;
    const char* body_start;
    const char* state;
  } rows[] = {
      {"69", "61", "We don't have enough wrestlers", "No"},
      {"68", "60", "Our roster isn't big enough to put on a show. Wrestlers need to be hired as a matter of urgency.", "No"},
      {"59", "51", "Our roster isn't big enough", "No"},
      {"58", "50", "There are not enough wrestlers on our roster", "No"},
      {"49", "41", "There are not enough wrestlers on our roster", "No"},
      {"48", "40", "We are very unhappy that there are not enough wrestlers", "Yes"},
      {"8", "1", "We are very unhappy that there are not enough wrestlers", "Yes"},
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    rvtest::worker(s, "Alpha Worker 0").set_retire("R");  // nine left
    s.set_md(rv::md::board_rating, r.before);
    rv::weeklyreview(s);
    EXPECT_EQ(s.md(rv::md::board_rating), r.after) << r.before;
    const std::string body = s.message(s.message_count() - 1).at(rv::msg::body);
    EXPECT_EQ(body.rfind(r.body_start, 0), 0u) << r.before << ": " << body;
    EXPECT_EQ(s.md(rv::md::board_state), r.state) << r.before;
  }
}

}  // namespace

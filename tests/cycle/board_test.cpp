// The board: the weekly review's measures and verdicts, probation, and the money check.
#include <gtest/gtest.h>

#include "cycle/board.h"
#include "support/days.h"
#include "support/world.h"

namespace {

TEST(BoardMeasures, BandsTakeTheUpperBoundIntoTheLowerBand) {
  EXPECT_EQ(rv::shows_points(90.0), 18);
  EXPECT_EQ(rv::shows_points(90.5), 20);
  EXPECT_EQ(rv::shows_points(50.0), 0);
  EXPECT_EQ(rv::shows_points(50.25), 8);
  EXPECT_EQ(rv::popularity_points(80), 14);
  EXPECT_EQ(rv::popularity_points(81), 17);
  EXPECT_EQ(rv::popularity_points(60), 0);
  EXPECT_EQ(rv::morale_points(50), 0);
  EXPECT_EQ(rv::morale_points(51), 5);
  EXPECT_EQ(rv::morale_points(91), 20);
}

TEST(BoardMeasures, MoneyAgainstTheBaseline) {
  const rv::Num m = 1000000;
  EXPECT_EQ(rv::money_points(m, m), 17);
  EXPECT_EQ(rv::money_points(1249999, m), 17);
  EXPECT_EQ(rv::money_points(1250000, m), 18);
  EXPECT_EQ(rv::money_points(1500000, m), 19);
  EXPECT_EQ(rv::money_points(2000000, m), 20);
  EXPECT_EQ(rv::money_points(900001, m), 16);
  EXPECT_EQ(rv::money_points(900000, m), 15);
  EXPECT_EQ(rv::money_points(501, m), 12);          // a fall of almost 100 %
  EXPECT_EQ(rv::money_points(300000, m), 13);       // 70 %
  EXPECT_EQ(rv::money_points(-400000, m), 0);       // a debt is never above 500
  EXPECT_EQ(rv::money_points(500, 400000), 0);      // 500 or less below the baseline
  EXPECT_EQ(rv::money_points(501, 400000), 12);
}

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
  const rv::ReviewScore score = rv::review_score(s);
  EXPECT_EQ(score.shows, 0);
  EXPECT_EQ(score.money, 19);
  EXPECT_EQ(score.popularity, 0);
  EXPECT_EQ(score.morale, 10);
  EXPECT_EQ(score.championships, 14);
  rv::weeklyreview(s);
  EXPECT_EQ(s.md(rv::md::board_rating), "43");
  EXPECT_EQ(last_subject(), "Weekly Review");
  EXPECT_EQ(s.message(s.message_count() - 1).at(rv::msg::sender), "The Board of Directors");
  EXPECT_EQ(last_body(), "We are concerned about your current performance.");
}

TEST_F(Review, TheEighthTitleAndUnnamedShowsAreNotCounted) {
  auto t8 = p.title(7);
  t8.put(rv::TitleField::name, "Eighth Title");
  t8.put(rv::TitleField::value, "1");
  p.set_show(1, rv::prom::show::rating, "100");  // no name: not a show
  const rv::ReviewScore score = rv::review_score(s);
  EXPECT_EQ(score.championships, 14);
  EXPECT_EQ(score.shows, 0);
}

TEST_F(Review, AScoreOfFortyStartsProbation) {
  p.set_balance(950000);  // 16
  p.set_popularity(65);   // 10
  set_morale(50);         // 0
  ASSERT_EQ(rv::review_score(s).total(), 40);
  rv::weeklyreview(s);
  EXPECT_EQ(s.md(rv::md::board_state), "Yes");
  EXPECT_EQ(s.md(rv::md::review_weeks), "6");
  EXPECT_EQ(last_body(),
            "We are very unhappy with your performance lately and have decided to allow you 6 weeks to show sufficient "
            "improvement. Should you fail to do so in 6 weeks time your contract with us will be terminated.");
  rv::weeklyreview(s);
  EXPECT_EQ(last_body(), "We are very unhappy with your performance lately and you are currently under review.");
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
  EXPECT_EQ(last_subject(), "Your 6 Week Trial Period");
  EXPECT_EQ(last_body(),
            "Your 6 week period is now over. Unfortunately you have failed to show enough improvement to justify the "
            "continuation of your contract. It is hereby terminated.");
}

TEST_F(Review, ImprovementBringsAReprieveWithoutAWeeklyVerdict) {
  s.set_md(rv::md::board_state, "Yes");
  s.set_md(rv::md::review_weeks, "0");
  p.set_popularity(95);
  ASSERT_GE(rv::review_score(s).total(), 50);
  const std::size_t before = s.message_count();
  rv::weeklyreview(s);
  ASSERT_EQ(s.message_count(), before + 1);
  EXPECT_EQ(last_subject(), "Your 6 Week Trial Period");
  EXPECT_EQ(s.md(rv::md::board_state), "No");
  EXPECT_EQ(s.md(rv::md::review_weeks), "6");
}

TEST_F(Review, ARosterOfNineOnlyLosesEightPointsAndWarns) {
  s.set_md(rv::md::board_rating, "65");
  rvtest::worker(s, "Alpha Worker 0").set_retire("R");
  rv::weeklyreview(s);
  EXPECT_EQ(s.md(rv::md::board_rating), "57");
  EXPECT_EQ(last_subject(), "Roster Too Small");
  EXPECT_EQ(last_body(), "Our roster isn't big enough to put on a show. Wrestlers need to be hired as a matter of urgency.");
  s.set_md(rv::md::board_rating, "45");
  rv::weeklyreview(s);
  EXPECT_EQ(s.md(rv::md::board_state), "Yes");
  EXPECT_EQ(s.md(rv::md::review_weeks), "6");
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

TEST(MoneyCheck, LimitsBySize) {
  for (rv::Num size = 1; size <= 6; ++size) {
    const rv::DebtLimits limits = rv::debt_limits(size);
    for (const auto& [balance, state] : std::vector<std::pair<rv::Num, std::string>>{
             {limits.warning, "No"}, {limits.warning - 1, "bad"}, {limits.dismissal, "bad"}, {limits.dismissal - 1, "x"}}) {
      rv::Store s = rvtest::small_store();
      s.promotion(0).set(rv::prom::size_level, rv::to_text(size));
      s.promotion(0).set_balance(balance);
      rv::money_check(s);
      EXPECT_EQ(s.md(rv::md::board_state), state) << "size " << size << " balance " << balance;
    }
  }
}

TEST(MoneyCheck, ItsMessages) {
  rv::Store s = rvtest::small_store();
  s.promotion(0).set_balance(-1000001);
  rv::money_check(s);
  auto m = rvtest::message_with(s, "Serious Financial Problem");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->at(rv::msg::sender), "Front Office");
  s.promotion(0).set_balance(-5000001);
  rv::money_check(s);
  m = rvtest::message_with(s, "Contract Termination");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->at(rv::msg::sender), "Board Of Directors");
  EXPECT_EQ(m->at(rv::msg::body),
            "At an emergency board meeting last night, it was decided that due to the huge debts the company is now in, we "
            "have no option but to terminate your contract.");
}

}  // namespace

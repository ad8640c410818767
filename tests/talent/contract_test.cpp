// A new contract: the worker's judgement of an offer, its delivery, the offer screen's terms, and
// what a worker asks for: the lowest wage and role, and the lengths, taken without a chance of refusal.
#include <gtest/gtest.h>

#include <set>

#include "state/game.h"
#include "support/days.h"
#include "support/world.h"
#include "talent/contract.h"

namespace {

using rvtest::worker;

// The answers the judgement gives over many seeds: {false}, {true} or both.
std::set<bool> answers(const rv::OfferContext& c, const rv::OfferTerms& t) {
  std::set<bool> seen;
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    rv::Rng rng(seed);
    seen.insert(rv::judge_offer(c, t, rng).accepted);
  }
  return seen;
}

struct Contract : ::testing::Test {
  // A worker of a company at level 70 and popularity 90: any length suits him unless a test says
  // otherwise, and the upper card role always does.
  static rv::OfferContext who(rv::Num pop, rv::Num morale) {
    return {.name = "Ace", .pop = pop, .morale = morale, .level = 70, .popularity = 90, .weeks_left = 10};
  }
  static rv::OfferTerms terms(rv::Num wages, int role = 3, int years = 3) {
    return {.wages = wages, .role = role, .years = years};
  }
  static rv::OfferJudgement judge(const rv::OfferContext& c, const rv::OfferTerms& t) {
    rv::Rng rng(5);
    return rv::judge_offer(c, t, rng);
  }
  const std::set<bool> always{true}, never{false}, either{false, true};
  const std::string rejected = "Ace has rejected your offer of a new contract. He ";
};

TEST_F(Contract, WagesAgainstTheExpectedWage) {
  // Exactly the expected wage is not enough below morale 70; a quarter more is at morale 40.
  EXPECT_EQ(judge(who(96, 50), terms(12000)).reply, rejected + "is not happy with the wages you offered.");
  EXPECT_TRUE(judge(who(96, 50), terms(15000)).accepted);
  // Far above the expected wage: always yes, whatever the morale, with a morale bonus.
  const struct {
    rv::Num wages, bonus;
  } generous[] = {{18120, 30}, {18000, 25}, {16920, 25}, {16800, 20}, {15720, 20}};
  for (const auto& g : generous) {
    EXPECT_EQ(answers(who(96, 0), terms(g.wages)), always) << g.wages;
    EXPECT_EQ(judge(who(96, 0), terms(g.wages)).morale_bonus, g.bonus) << g.wages;
  }
  EXPECT_EQ(answers(who(96, 0), terms(15600)), never);  // 30% above: morale counts again
  // Up to 5% above: no below morale 60, yes from 70.
  // Less than 1% above is taken even by the unhappiest worker.
  EXPECT_EQ(answers(who(96, 0), terms(12001)), always);
  // More than 20% below never; 9599 is 20.008% below, which rounds down to 21.
  EXPECT_EQ(answers(who(96, 100), terms(9480)), never);
  EXPECT_EQ(answers(who(96, 100), terms(9599)), never);
}

TEST_F(Contract, TheExpectedWageAtEveryEdge) {
  const struct {
    rv::Num pop, wage;
  } rows[] = {{100, 12000}, {96, 12000}, {95, 9000}, {91, 9000}, {90, 7000}, {86, 7000}, {85, 5000},
              {81, 5000},   {80, 2500},  {76, 2500}, {75, 1000}, {71, 1000}, {70, 750},  {66, 750},
              {65, 500},    {61, 500},   {60, 300},  {56, 300},  {55, 200},  {51, 200},  {50, 100}, {0, 100}};
  for (const auto& r : rows) EXPECT_EQ(rv::expected_wage(r.pop), r.wage) << r.pop;
}

TEST_F(Contract, WageBandsByMoraleAndTheirOdds) {
  // A worker of popularity 96 expects 12,000; the upper card and three years suit him, so the
  // wage is the only draw. odds 0: never; 1: always; k: yes on face 1 of k.
  const struct {
    rv::Num wages;  // p = whole percent above 12,000
    rv::Num morale;
    int odds;
  } rows[] = {
      {14520, 29, 0}, {14520, 30, 2}, {14520, 39, 2}, {14520, 40, 1},  // p = 21
      {14400, 39, 0}, {14400, 40, 2}, {13320, 49, 2}, {13320, 50, 1},  // p = 20, 11
      {13200, 49, 0}, {13200, 50, 2}, {12720, 59, 2}, {12720, 60, 1},  // p = 10, 6
      {12600, 59, 0}, {12600, 60, 3}, {12120, 69, 3}, {12120, 70, 1},  // p = 5, 1
      {12000, 69, 0}, {12000, 70, 2}, {12000, 79, 2}, {12000, 80, 1},  // exactly expected
      {11880, 69, 0}, {11880, 70, 4}, {11880, 79, 4}, {11880, 80, 3},  // p = -1
      {11400, 84, 3}, {11400, 85, 2}, {11400, 100, 2},                 // p = -5
      {11280, 69, 0}, {11280, 70, 6}, {11280, 79, 6}, {11280, 80, 4},  // p = -6
      {10800, 84, 4}, {10800, 85, 3}, {10800, 89, 3}, {10800, 90, 2},  // p = -10
      {10680, 79, 0}, {10680, 80, 6}, {10680, 85, 4}, {10680, 90, 3},  // p = -11
      {10200, 84, 6}, {10200, 89, 4}, {10200, 100, 3},                 // p = -15
      {10080, 84, 0}, {10080, 85, 6}, {10080, 90, 4}, {10080, 95, 3},  // p = -16
      {9600, 94, 4},  {9600, 95, 3},  {9480, 100, 0},                  // p = -20, -21
  };
  for (const auto& r : rows) {
    for (std::uint64_t seed = 1; seed <= 120; ++seed) {
      rv::Rng probe(seed);
      const bool yes = r.odds == 1 || (r.odds > 1 && probe.draw(r.odds) == 1);
      rv::Rng rng(seed);
      ASSERT_EQ(rv::judge_offer(who(96, r.morale), terms(r.wages), rng).accepted, yes)
          << r.wages << " at morale " << r.morale << ", seed " << seed;
    }
  }
}

TEST_F(Contract, RoleAgainstTheReferenceLevel) {
  // Wages just above the expected ones and a happy worker: only the role decides.
  const auto fair = [](rv::Num pop, int role) { return terms(rv::expected_wage(pop) + 1, role); };
  EXPECT_EQ(judge(who(60, 100), fair(60, 1)).reply, rejected + "is not happy with the role you offered.");

  auto non_worker = who(99, 100);
  non_worker.any_role = true;
  EXPECT_EQ(answers(non_worker, fair(99, 1)), always);
}

TEST_F(Contract, RoleBandsAtEveryEdge) {
  // Level 70. A coin (face 1 of 2) decides the doubtful bands; it is the first draw.
  const struct {
    rv::Num pop;
    int role;
    int odds;  // 1 always, 2 a coin, 0 never
    rv::Num bonus;
  } rows[] = {
      {54, 1, 1, 0},  {55, 1, 2, 0},  {59, 1, 2, 0},  {60, 1, 0, 0},  {54, 2, 1, 10}, {55, 2, 1, 5},
      {59, 2, 1, 5},  {60, 2, 1, 0},  {64, 2, 1, 0},  {65, 2, 2, 0},  {69, 2, 2, 0},  {70, 2, 0, 0},
      {54, 3, 1, 15}, {55, 3, 1, 10}, {59, 3, 1, 10}, {60, 3, 1, 0},  {99, 3, 1, 0},
  };
  for (const auto& r : rows) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
      rv::Rng probe(seed);
      const bool yes = r.odds == 1 || (r.odds == 2 && probe.draw(2) == 1);
      rv::Rng rng(seed);
      // Wages just above the expected ones: a happy worker takes them without a draw.
      const auto j = rv::judge_offer(who(r.pop, 100), terms(rv::expected_wage(r.pop) + 1, r.role), rng);
      ASSERT_EQ(j.accepted, yes) << r.pop << " role " << r.role << " seed " << seed;
      if (yes) {
        ASSERT_EQ(j.morale_bonus, r.bonus) << r.pop << " role " << r.role;
      }
    }
  }
}

TEST_F(Contract, TheShorterDealRefusalNeedsAllThree) {
  const struct {
    int years, weeks;
    rv::Num morale;
    bool refused;
  } rows[] = {{1, 101, 76, true}, {1, 100, 76, false}, {1, 101, 75, false}, {2, 101, 76, false}};
  for (const auto& r : rows) {
    auto c = who(96, r.morale);
    c.weeks_left = r.weeks;
    EXPECT_EQ(judge(c, terms(1'000'000, 3, r.years)).early_refusal, r.refused) << r.years << " " << r.weeks << " " << r.morale;
  }
}

TEST_F(Contract, LengthAgainstTheCompanysPopularity) {
  const auto at = [](rv::Num pop, rv::Num q) { auto c = who(pop, 100); c.popularity = q; return c; };
  const auto years = [](int n) { return terms(rv::expected_wage(70) + 1, 3, n); };
  EXPECT_EQ(answers(at(70, 59), years(1)), always);
  EXPECT_EQ(answers(at(70, 59), years(2)), never);
  EXPECT_EQ(judge(at(70, 59), years(2)).reply, rejected + "does not want to commit to a long term contract.");
  EXPECT_EQ(answers(at(70, 60), years(2)), always);
  EXPECT_EQ(answers(at(70, 69), years(3)), never);
  EXPECT_EQ(answers(at(70, 70), years(4)), always);
  EXPECT_EQ(answers(at(70, 75), years(5)), never);
  EXPECT_EQ(answers(at(70, 80), years(5)), always);
  // A worker more than five below the level signs for any length.
  EXPECT_EQ(answers(at(64, 0), terms(rv::expected_wage(64) + 1, 3, 5)), always);
  EXPECT_EQ(answers(at(65, 0), terms(rv::expected_wage(65) + 1, 3, 5)), never);
}

TEST_F(Contract, ShorterDealRefusedBeforeTheTerms) {
  auto c = who(96, 76);
  c.weeks_left = 101;
  const auto j = judge(c, terms(1'000'000, 3, 1));
  EXPECT_EQ(j.reply, "Ace has rejected your contract offer. He would prefer to stay on his current contract rather "
                     "than sign a shorter deal.");
  c.female = true;
  EXPECT_EQ(judge(c, terms(1'000'000, 3, 1)).reply,
            "Ace has rejected your contract offer. She would prefer to stay on her current contract rather than "
            "sign a shorter deal.");
}

TEST_F(Contract, MakeOfferKeepsOrAnswersAtOnce) {
  rv::Game g{rvtest::small_store(), rv::Rng(3), "t"};
  rv::Store& s = g.store;
  s.promotion(0).set(rv::prom::reference_level, "70");
  s.promotion(0).set_popularity(90);
  auto w = worker(s, "Alpha Worker 1");
  w.set_pop(50);
  w.set_morale(95);
  // 1000 is nine times the expected 100 (+30) on the upper card far below the level (+15).
  rv::OfferTerms offer = terms(1000, 3, 3);

  ASSERT_FALSE(rv::make_offer(g, w.row(), offer)->answered_now);
  const rv::Lines expected = {"Alpha Worker 1", "RVA", "1000", "3", "January 2010", "No", "4", "0", "45",
                              "Alpha Worker 1 has accepted your offer of a new contract."};
  EXPECT_EQ(s.negotiations, expected);
  EXPECT_EQ(w.wages(), 2000);  // nothing applies before the answer comes

  const rv::Store before = s;
  const auto again = rv::make_offer(g, w.row(), offer);
  ASSERT_FALSE(again.ok());
  EXPECT_EQ(again.error(), "Alpha Worker 1 is already considering a contract offer from you.");
  EXPECT_EQ(s.negotiations, before.negotiations);
  EXPECT_EQ(s.newslist, before.newslist);

  // A one-year offer to a happy worker with years left keeps no terms.
  auto long_deal = worker(s, "Alpha Worker 2");
  long_deal.set_expires("June 2009");
  long_deal.set_morale(80);
  ASSERT_TRUE(rv::make_offer(g, long_deal.row(), terms(1000, 3, 1)).ok());
  ASSERT_EQ(s.negotiations.size(), 20u);
  for (std::size_t i = 2; i <= 5; ++i) EXPECT_EQ(s.negotiations[10 + i], "") << i;
  EXPECT_EQ(s.negotiations[10 + rv::neg::outcome], "3");

  // The contract runs out this month: answered at once, and applied when accepted.
  auto due = worker(s, "Alpha Worker 3");
  due.set_pop(50);
  due.set_morale(95);
  due.set_expires("January 2007");
  offer.indy = true;
  ASSERT_TRUE(rv::make_offer(g, due.row(), offer)->answered_now);
  EXPECT_EQ(s.negotiations.size(), 20u);
  const auto msg = rvtest::message_with(s, "Your Contract Offer For Alpha Worker 3");
  ASSERT_TRUE(msg);
  EXPECT_EQ(msg->at(rv::msg::body), "Alpha Worker 3 has accepted your offer of a new contract.");
  EXPECT_EQ(due.wages(), 1000);
  EXPECT_EQ(due.roles(), "3");
  EXPECT_EQ(due.indybookings(), "Yes");
  EXPECT_EQ(due.expires(), "January 2010");
  EXPECT_EQ(due.morale(), 100);
}

TEST_F(Contract, OfferScreenTerms) {
  rv::Store s = rvtest::small_store();
  rv::ContractOffer o(s, worker(s, "Alpha Worker 1").row());
  EXPECT_EQ(o.terms().wages, 2000);
  EXPECT_EQ(o.terms().role, 2);
  for (int i = 0; i < 2; ++i) o.role_up();
  EXPECT_EQ(o.terms().role, 1);
  o.role_down();
  EXPECT_EQ(o.terms().role, 3);
  for (int i = 0; i < 3; ++i) o.length_up();
  EXPECT_EQ(o.terms().years, 1);
  o.length_down();
  EXPECT_EQ(o.terms().years, 5);
  o.wage_down(1500);
  o.wage_down(1500);
  EXPECT_EQ(o.terms().wages, 0);

  ASSERT_TRUE(o.set_wages("10000000").ok());
  EXPECT_EQ(o.terms().wages, 10'000'000);
  ASSERT_TRUE(o.set_wages("750").ok());
  EXPECT_FALSE(o.set_wages("10000001").error().empty());
  for (const char* bad : {"12.5", "-3", "", "99999999999", " 5", "5k"}) EXPECT_FALSE(o.set_wages(bad).ok()) << bad;
  EXPECT_EQ(o.terms().wages, 750);
}

// A worker of a company at reference level 60 and popularity 90, with ten weeks left.
rv::OfferContext asker(rv::Num pop, rv::Num morale, rv::Num popularity = 90) {
  return {.name = "Ace", .pop = pop, .morale = morale, .level = 60, .popularity = popularity, .weeks_left = 10};
}

TEST(AskingTerms, TheLowestWageTakenForCertain) {
  const struct {
    rv::Num pop, morale, wages;
  } rows[] = {
      // Expected 100: a third more is always taken (p > 30), 30% more needs morale 40.
      {50, 0, 131},   {50, 39, 131},  {50, 40, 121},  {50, 49, 121},  {50, 50, 111},
      {50, 59, 111},  {50, 60, 106},  {50, 69, 106},  {50, 70, 101},  {50, 79, 101},
      // At morale 80 the expected wage itself; nothing below it is ever certain.
      {50, 80, 100},  {50, 100, 100},
      // Expected 200: one dollar more is under one percent above, which no row refuses.
      {51, 0, 201},
      {96, 50, 12001}, {96, 80, 12000},
  };
  for (const auto& r : rows) EXPECT_EQ(rv::asking_terms(asker(r.pop, r.morale)).wages, r.wages) << r.pop << " at " << r.morale;
}

TEST(AskingTerms, TheLowestRoleTakenForCertain) {
  const struct {
    rv::Num pop;
    bool any_role;
    int role;
  } rows[] = {{0, false, 1},  {44, false, 1}, {45, false, 2}, {54, false, 2},
              {55, false, 3}, {99, false, 3}, {99, true, 1}};
  for (const auto& r : rows) {
    auto c = asker(r.pop, 50);
    c.any_role = r.any_role;
    EXPECT_EQ(rv::asking_terms(c).role, r.role) << r.pop << (r.any_role ? " any role" : "");
  }
}

TEST(AskingTerms, TheLengthsHeSignsFor) {
  const struct {
    rv::Num pop, popularity;
    int longest;
  } rows[] = {{54, 0, 5},  {55, 0, 1},  {55, 59, 1}, {55, 60, 2}, {55, 69, 2},
              {55, 70, 4}, {55, 79, 4}, {55, 80, 5}, {90, 100, 5}};
  for (const auto& r : rows) EXPECT_EQ(rv::asking_terms(asker(r.pop, 50, r.popularity)).longest_years, r.longest) << r.pop << " " << r.popularity;

  const struct {
    int weeks_left;
    rv::Num morale;
    int shortest;
  } short_rows[] = {{101, 76, 2}, {100, 76, 1}, {101, 75, 1}};
  for (const auto& r : short_rows) {
    auto c = asker(50, r.morale);
    c.weeks_left = r.weeks_left;
    EXPECT_EQ(rv::asking_terms(c).shortest_years, r.shortest) << r.weeks_left << " " << r.morale;
  }
}

TEST(AskingTerms, ACompanyInABadStateMayBeRefusedWhateverTheTerms) {
  const struct {
    rv::Num pop, morale, popularity;
    bool may_refuse;
  } rows[] = {{61, 69, 59, true}, {60, 69, 59, false}, {61, 70, 59, false}, {61, 69, 60, false}};
  for (const auto& r : rows)
    EXPECT_EQ(rv::asking_terms(asker(r.pop, r.morale, r.popularity)).may_refuse_company, r.may_refuse) << r.pop;
}

TEST(AskingTerms, TheJudgementTakesWhatIsAskedAndNoLess) {
  const std::set<bool> always{true};
  const rv::OfferContext workers[] = {asker(50, 35), asker(50, 55), asker(50, 65), asker(50, 75), asker(56, 85),
                                      asker(58, 45), asker(72, 62), asker(47, 30), asker(96, 90)};
  for (const auto& c : workers) {
    const auto a = rv::asking_terms(c);
    ASSERT_FALSE(a.may_refuse_company);
    const rv::OfferTerms asked{.wages = a.wages, .role = a.role, .years = a.longest_years};
    EXPECT_EQ(answers(c, asked), always) << c.pop << " at " << c.morale;
    auto less = asked;
    less.wages = a.wages - 1;
    EXPECT_NE(answers(c, less), always) << c.pop << " at " << c.morale;
    if (a.role > 1) {
      auto lower = asked;
      lower.role = a.role - 1;
      EXPECT_NE(answers(c, lower), always) << c.pop << " at " << c.morale;
    }
  }
}

}  // namespace

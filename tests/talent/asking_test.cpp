// What a worker of the player's asks for: the lowest wage and role, and the lengths, that the
// judgement of an offer takes without a chance of refusal.
#include <gtest/gtest.h>

#include <set>

#include "talent/contract.h"

namespace {

// A worker of a company at reference level 60 and popularity 90, with ten weeks left.
rv::OfferContext who(rv::Num pop, rv::Num morale, rv::Num popularity = 90) {
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
  for (const auto& r : rows) EXPECT_EQ(rv::asking_terms(who(r.pop, r.morale)).wages, r.wages) << r.pop << " at " << r.morale;
}

TEST(AskingTerms, TheLowestRoleTakenForCertain) {
  const struct {
    rv::Num pop;
    bool any_role;
    int role;
  } rows[] = {{0, false, 1},  {44, false, 1}, {45, false, 2}, {54, false, 2},
              {55, false, 3}, {99, false, 3}, {99, true, 1}};
  for (const auto& r : rows) {
    auto c = who(r.pop, 50);
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
  for (const auto& r : rows) EXPECT_EQ(rv::asking_terms(who(r.pop, 50, r.popularity)).longest_years, r.longest) << r.pop << " " << r.popularity;

  const struct {
    int weeks_left;
    rv::Num morale;
    int shortest;
  } short_rows[] = {{101, 76, 2}, {100, 76, 1}, {101, 75, 1}};
  for (const auto& r : short_rows) {
    auto c = who(50, r.morale);
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
    EXPECT_EQ(rv::asking_terms(who(r.pop, r.morale, r.popularity)).may_refuse_company, r.may_refuse) << r.pop;
}

// The answers the judgement gives over many draws.
std::set<bool> answers(const rv::OfferContext& c, const rv::OfferTerms& t) {
  std::set<bool> seen;
  for (std::uint64_t seed = 1; seed <= 200; ++seed) {
    rv::Rng rng(seed);
    seen.insert(rv::judge_offer(c, t, rng).accepted);
  }
  return seen;
}

TEST(AskingTerms, TheJudgementTakesWhatIsAskedAndNoLess) {
  const std::set<bool> always{true};
  const rv::OfferContext workers[] = {who(50, 35), who(50, 55), who(50, 65), who(50, 75), who(56, 85),
                                      who(58, 45), who(72, 62), who(47, 30), who(96, 90)};
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

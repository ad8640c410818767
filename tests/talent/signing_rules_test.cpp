// The rules of a signing worked band by band: the worker's standing, the owner's asking price and
// willingness, what the worker expects to be paid, what he asks for, and his verdicts on the terms.
#include <gtest/gtest.h>

#include "talent/signing.h"

namespace {

TEST(SigningRules, StandingAgainstTheOwnersLevel) {
  const struct {
    rv::Num pop;
    const char* standing;
  } rows[] = {{99, "upper"}, {60, "upper"}, {59, "mid"}, {50, "mid"}, {49, "lower"}, {0, "lower"}};
  for (const auto& r : rows) EXPECT_EQ(rv::standing_in(r.pop, 60), r.standing) << r.pop;
}

TEST(SigningRules, WhenTheOwnerWillTalk) {
  const struct {
    rv::Num owner, player;
    const char* standing;
    std::size_t count;
    bool willing;
  } rows[] = {
      {6, 4, "upper", 50, false}, {6, 5, "mid", 50, false},  {6, 6, "mid", 50, false},   {6, 4, "lower", 10, false},
      {6, 4, "lower", 11, true},  {6, 3, "upper", 11, true}, {6, 3, "upper", 10, false}, {6, 3, "mid", 6, true},
      {5, 6, "upper", 10, false}, {5, 6, "upper", 11, true}, {2, 1, "mid", 5, false},    {2, 1, "mid", 6, true},
      {2, 1, "lower", 5, false},  {2, 1, "lower", 6, true},  {6, 4, "mid", 40, false},   {6, 6, "upper", 40, false},
      {6, 3, "mid", 40, true},    {3, 4, "upper", 10, false}, {3, 4, "mid", 5, false},    {3, 4, "mid", 6, true},
  };
  for (const auto& r : rows)
    EXPECT_EQ(rv::owner_willing(r.owner, r.player, r.standing, r.count), r.willing)
        << r.owner << " " << r.player << " " << r.standing << " " << r.count;
}

TEST(SigningRules, TheWageAFreeAgentExpects) {
  const struct {
    rv::Num pop, wage;
  } rows[] = {{99, 12000}, {96, 12000}, {95, 9000}, {91, 9000}, {90, 8000}, {86, 8000}, {85, 6000},
              {81, 6000},  {80, 3000},  {76, 3000}, {75, 1000}, {71, 1000}, {70, 750},  {66, 750},
              {65, 500},   {61, 500},   {60, 300},  {56, 300},  {55, 200},  {51, 200},  {50, 100}, {0, 100}};
  for (const auto& r : rows) EXPECT_EQ(rv::signing_wage(r.pop, 50, 3, std::nullopt), r.wage) << r.pop;
}

TEST(SigningRules, TheWageMovesWithTheSizeOfBothPromotions) {
  // A worker of popularity 96 expects 12,000 before the sizes are compared (d = player - owner).
  const struct {
    rv::Num morale, player, owner, wage;
  } rows[] = {
      {61, 4, 3, 12000},  // d = 1
      {61, 4, 4, 12600},  // d = 0: + 5 %
      {61, 3, 4, 14400},  // d = -1: + 20 %
      {61, 2, 4, 16800},  // d = -2: + 40 %
      {61, 1, 4, 12000},  // d = -3
      {60, 4, 2, 10800},  // d = 2: - 10 %
      {60, 4, 3, 11400},  // d = 1: - 5 %
      {60, 4, 4, 12000},  // d = 0
      {60, 3, 4, 12000},  // d = -1
      {60, 2, 4, 14400},  // d = -2: + 20 %
      {60, 1, 4, 12000},  // d = -3
  };
  for (const auto& r : rows)
    EXPECT_EQ(rv::signing_wage(96, r.morale, r.player, r.owner), r.wage) << r.morale << " " << r.player << " " << r.owner;
  EXPECT_EQ(rv::signing_wage(55, 0, 6, 1), 180);  // 200 less a tenth: the least a 55 ever asks
}

rv::SigningTerms offer(rv::Num wages, int role, int years) {
  return {.wages = wages, .role = role, .years = years, .disposition = "Face"};
}

// A worker outside the player's roster: by default every role suits him and nothing puts him off.
rv::SigningContext free_agent(rv::Num pop, rv::Num player_size, rv::Num level = 0, rv::Num popularity = 100,
                              rv::Num expected = 100) {
  rv::SigningContext c;
  c.name = "Ace";
  c.pop = pop;
  c.player_size = player_size;
  c.level = level;
  c.popularity = popularity;
  c.expected = expected;
  c.promotion_name = "Ringvale Alpha";
  return c;
}

TEST(SigningRules, TooBigAStarForTheSizeOfThePromotion) {
  const struct {
    rv::Num size, pop;
    bool interested;
  } rows[] = {{1, 74, true},  {1, 75, false}, {2, 79, true},  {2, 80, false}, {3, 84, true},
              {3, 85, false}, {4, 94, true},  {4, 95, false}, {5, 99, true},  {6, 99, true}};
  for (const auto& r : rows) {
    rv::Rng rng(1);
    const auto j = rv::judge_signing(free_agent(r.pop, r.size), offer(100, 3, 5), rng);
    EXPECT_EQ(j.accepted, r.interested) << r.size << " " << r.pop;
    EXPECT_EQ(j.reply == "Ace is not interested in signing for your promotion.", !r.interested) << r.size << " " << r.pop;
  }
  // An owner three sizes bigger will not lose his worker; two sizes bigger he may.
  auto c = free_agent(50, 2);
  c.owner_size = 5;
  rv::Rng rng(1);
  EXPECT_EQ(rv::judge_signing(c, offer(100, 3, 1), rng).reply,
            "Ace is not interested in signing for your promotion.");
  c.owner_size = 4;
  EXPECT_TRUE(rv::judge_signing(c, offer(100, 3, 1), rng).accepted);
}

TEST(SigningRules, LengthRoleAndWageVerdicts) {
  const std::string lead = "Ace has rejected your contract offer. He was not happy with ";
  const struct {
    std::optional<rv::Num> owner;  // the player is size 3
    rv::Num pop, level;
    int role, years;
    rv::Num wages;
    std::string reply;
  } rows[] = {
      {4, 50, 0, 3, 2, 100, ""},  // a bigger owner: two years at most
      {4, 50, 0, 3, 3, 100, lead + "the length of the contract."},
      {3, 50, 0, 3, 3, 100, ""},  // the same size: no more than three
      {3, 50, 0, 3, 4, 100, lead + "the length of the contract."},
      {2, 50, 0, 3, 5, 100, ""},
      {std::nullopt, 50, 0, 3, 5, 100, ""},
      {std::nullopt, 60, 60, 2, 1, 100, lead + "the role you offered."},  // at the level: upper card only
      {std::nullopt, 59, 60, 2, 1, 100, ""},
      {std::nullopt, 59, 60, 1, 1, 100, lead + "the role you offered."},
      {std::nullopt, 50, 60, 1, 1, 100, lead + "the role you offered."},
      {std::nullopt, 49, 60, 1, 1, 100, ""},
      {std::nullopt, 49, 60, 1, 1, 99, lead + "the wages you offered."},
  };
  for (const auto& r : rows) {
    auto c = free_agent(r.pop, 3);
    c.owner_size = r.owner;
    c.level = r.level;
    rv::Rng rng(1);
    const auto j = rv::judge_signing(c, offer(r.wages, r.role, r.years), rng);
    const std::string expected = r.reply.empty() ? "Ace has signed your contract, and is now a part of Ringvale Alpha." : r.reply;
    EXPECT_EQ(j.reply, expected) << r.pop << " role " << r.role << " years " << r.years;
  }
}

TEST(SigningRules, AnUnpopularPromotionIsTurnedDownHalfTheTime) {
  // Popularity 59: the worker tosses a coin (face 1 of 2 turns it down); from 60 he signs.
  for (std::uint64_t seed = 1; seed <= 100; ++seed) {
    auto c = free_agent(50, 3);
    c.popularity = 59;
    rv::Rng probe(seed);
    const bool turned_down = probe.draw(2) == 1;
    rv::Rng rng(seed);
    EXPECT_EQ(rv::judge_signing(c, offer(100, 3, 1), rng).accepted, !turned_down) << seed;
    c.popularity = 60;
    rv::Rng again(seed);
    EXPECT_TRUE(rv::judge_signing(c, offer(100, 3, 1), again).accepted) << seed;
  }
}

// An outside worker approached by a size 3 promotion at reference level 60 and popularity 80.
rv::SigningContext outsider(rv::Num pop, std::optional<rv::Num> owner_size = std::nullopt) {
  auto c = free_agent(pop, 3, 60, 80, 750);
  c.owner_size = owner_size;
  return c;
}

TEST(SigningAsk, RoleLengthAndInterest) {
  const struct {
    rv::Num pop;
    std::optional<rv::Num> owner;
    bool retired;
    int role, longest;
    bool interested;
  } rows[] = {
      {60, std::nullopt, false, 3, 5, true}, {59, std::nullopt, false, 2, 5, true}, {50, std::nullopt, false, 2, 5, true},
      {49, std::nullopt, false, 1, 5, true}, {84, std::nullopt, true, 1, 5, true},  {85, std::nullopt, false, 3, 5, false},
      {40, 4, false, 1, 2, true},            {40, 3, false, 1, 3, true},            {40, 2, false, 1, 5, true},
      {40, 6, false, 1, 2, false},           {40, 5, false, 1, 2, true},
  };
  for (const auto& r : rows) {
    auto c = outsider(r.pop, r.owner);
    c.retired = r.retired;
    const auto a = rv::signing_asks(c);
    EXPECT_EQ(a.wages, 750) << r.pop;
    EXPECT_EQ(a.role, r.role) << r.pop;
    EXPECT_EQ(a.longest_years, r.longest) << r.pop << " owner " << r.owner.value_or(0);
    EXPECT_EQ(a.interested, r.interested) << r.pop << " owner " << r.owner.value_or(0);
  }
  auto c = outsider(40);
  c.popularity = 59;
  EXPECT_TRUE(rv::signing_asks(c).may_turn_down);
  c.popularity = 60;
  EXPECT_FALSE(rv::signing_asks(c).may_turn_down);
}

TEST(SigningAsk, TheJudgementSignsForWhatIsAskedAndNoLess) {
  for (const auto& c : {outsider(40), outsider(55, 3), outsider(70, 4)}) {
    const auto a = rv::signing_asks(c);
    const rv::SigningTerms asked{.wages = a.wages, .role = a.role, .years = a.longest_years, .disposition = "Face"};
    auto less = asked, lower = asked, longer = asked;
    less.wages -= 1;
    lower.role -= 1;
    longer.years += 1;
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
      rv::Rng rng(seed);
      EXPECT_TRUE(rv::judge_signing(c, asked, rng).accepted) << c.pop;
      EXPECT_FALSE(rv::judge_signing(c, less, rng).accepted) << c.pop;
      if (lower.role >= 1) {
        EXPECT_FALSE(rv::judge_signing(c, lower, rng).accepted) << c.pop;
      }
      if (longer.years <= rv::longest_contract_years) {
        EXPECT_FALSE(rv::judge_signing(c, longer, rng).accepted) << c.pop;
      }
    }
  }
}

}  // namespace

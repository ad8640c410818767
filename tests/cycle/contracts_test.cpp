// Contracts: warnings, the other promotions' renewals, expiry and the answers to the player's offers.
#include <gtest/gtest.h>

#include "cycle/contracts.h"
#include "state/inbox.h"
#include "talent/answers.h"
#include "cycle/nextday.h"
#include "cycle/showday.h"
#include "state/calendar.h"
#include "support/days.h"
#include "support/world.h"

namespace {

using rvtest::worker;

TEST(Contracts, AJanuaryContractIsWarnedInDecemberAndEndsOnTheFirst) {
  rv::Game g{rvtest::small_store(), rv::Rng(4), "t"};
  rv::Store& s = g.store;
  rvtest::set_date(s, "Monday", 5, "December", 2005);
  worker(s, "Alpha Worker 4").set_expires("January 2006");
  worker(s, "Alpha Worker 4").set_pop(60);  // above the reference level of 50
  std::vector<std::string> warned_on;
  while (rv::current_full_date(s).find("1st January 2006") == std::string::npos) {
    const rv::DayReport day = rv::next_day(g);
    if (rvtest::count_of(day.posted, "Contract Warnings")) warned_on.push_back(rv::current_full_date(s));
    if (rv::main_action(s) != rv::MainAction::next_day) rv::cancel_unbooked_show(g);
  }
  ASSERT_EQ(warned_on.size(), 2u);
  EXPECT_NE(warned_on[0].find(" 7th December 2005"), std::string::npos);
  EXPECT_NE(warned_on[1].find(" 14th December 2005"), std::string::npos);
  const auto warning = rvtest::message_with(s, "Contract Warnings");
  EXPECT_EQ(warning->at(rv::msg::body), "Alpha Worker 4's contract expires at the end of this month.");
  const auto w = worker(s, "Alpha Worker 4");
  EXPECT_EQ(w.promotion(), "Free Agent");
  EXPECT_EQ(w.expires(), "Free Agent");
  const auto expired = rvtest::message_with(s, "Expired Contract");
  ASSERT_TRUE(expired);
  EXPECT_EQ(expired->at(rv::msg::body),
            "Alpha Worker 4's contract has expired. He is now a free agent. We are very disappointed that such a good draw for "
            "our company has been lost.");
}

TEST(Contracts, SeveralWarningsAreListed) {
  rv::Game g{rvtest::small_store(), rv::Rng(4), "t"};
  rvtest::set_date(g.store, "Monday", 7, "May", 2007);
  worker(g.store, "Alpha Worker 1").set_expires("June 2007");
  worker(g.store, "Alpha Worker 3").set_expires("June 2007");
  worker(g.store, "Alpha Worker 5").set_expires("July 2007");
  rv::contractwarning(g);
  const auto m = rvtest::message_with(g.store, "Contract Warnings");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->at(rv::msg::body2), "Alpha Worker 1, Alpha Worker 3.");
}

TEST(Contracts, RivalsRenewOrLetGoWithinTheirLengths) {
  rv::Game g{rvtest::small_store(), rv::Rng(9), "t"};
  rv::Store& s = g.store;
  rvtest::set_date(s, "Monday", 7, "May", 2007);
  s.promotion(1).set(rv::prom::size_level, "4");
  for (int i = 0; i < 10; ++i) {
    auto w = worker(s, "Beta Worker " + std::to_string(i));
    w.set_expires("June 2007");
    w.set_pop(40 + 6 * i);
  }
  rv::contractwarning(g);
  int renewed = 0;
  for (int i = 0; i < 10; ++i) {
    const auto w = worker(s, "Beta Worker " + std::to_string(i));
    if (w.expires() == "June 2007") continue;
    ++renewed;
    EXPECT_TRUE(w.expires() == "June 2008" || w.expires() == "June 2009" || w.expires() == "June 2010") << w.expires();
    EXPECT_EQ(w.roles(), w.pop() >= 50 ? "3" : w.pop() >= 40 ? "2" : "1");
  }
  EXPECT_GE(renewed, 3);
  EXPECT_FALSE(rvtest::message_with(s, "Contract Warnings"));  // none of the player's
  for (std::size_t i = 0; i < s.message_count(); ++i) {
    const std::string body = s.message(i).at(rv::msg::body);
    EXPECT_NE(body.find(" have been unable to agree a new contract with RVB. We feel he would make"), std::string::npos);
  }
  EXPECT_LT(rv::renewal_chance_in_20(59, 1), rv::renewal_chance_in_20(60, 1));
  EXPECT_LT(rv::renewal_chance_in_20(89, 1), rv::renewal_chance_in_20(90, 1));
  EXPECT_LT(rv::renewal_chance_in_20(70, 1), rv::renewal_chance_in_20(70, 6));
  EXPECT_LE(rv::renewal_chance_in_20(99, 6), 20);
  EXPECT_EQ(rv::max_renewal_years(3), 2);
  EXPECT_EQ(rv::max_renewal_years(4), 3);
  EXPECT_EQ(rv::max_renewal_years(6), 4);
}

struct Expiry : ::testing::Test {
  rv::Store s = rvtest::small_store();
  void SetUp() override { rvtest::set_date(s, "Friday", 1, "June", 2007); }
};

TEST_F(Expiry, AHolderOfTwoTitlesVacatesBoth) {
  auto p = s.promotion(0);
  p.title(0).set_holder("Alpha Worker 1");
  p.title(0).put(rv::current_reign, "12");
  auto tag = p.title(4);
  tag.put(rv::TitleField::name, "Tag Titles");
  tag.put(rv::TitleField::kind, "Tag Team");
  tag.put(rv::TitleField::holder, "The Pair");
  tag.put(rv::TitleField::coholder1, "Alpha Worker 7");
  tag.put(rv::TitleField::coholder2, "Alpha Worker 1");
  tag.put(rv::TitleField::record_holder, "No Record Yet");
  worker(s, "Alpha Worker 1").set_expires("June 2007");
  rv::contractexpire(s);
  EXPECT_EQ(rvtest::count_of(rvtest::subjects(s), "Title Vacated"), 2);
  EXPECT_EQ(p.title(0).holder(), "Vacant");
  EXPECT_EQ(tag.holder(), "Vacant");
  EXPECT_EQ(tag.get(rv::TitleField::coholder1), "");
  EXPECT_EQ(s.titlehistory.size(), 2 * rv::rec::title_history);
  EXPECT_EQ(s.promotion(0).popularity(), 40 - 15);
}

TEST_F(Expiry, AWaitingOfferIsClosedAndCanNoLongerBeAccepted) {
  rv::post_message(s, "Thursday 31st May 2007", rvtest::rival_offer("Alpha Worker 2", "RVB", 2, "200000"));
  worker(s, "Alpha Worker 2").set_expires("June 2007");
  rv::contractexpire(s);
  const auto m = s.message(0);
  EXPECT_EQ(m.at(rv::msg::kind), "INFO");
  EXPECT_EQ(m.at(rv::msg::days_left), "0");
  EXPECT_EQ(m.at(rv::msg::body3), "(Alpha Worker 2 no longer works for your promotion, so this offer was declined.)");
  rv::Game g{s, rv::Rng(1), "t"};
  EXPECT_FALSE(rv::answer_action2(g, 0).answered);
  EXPECT_EQ(rvtest::worker(g.store, "Alpha Worker 2").promotion(), "Free Agent");
}

TEST_F(Expiry, EverythingTheWorkerHadIsLeftBehind) {
  auto w = worker(s, "Alpha Worker 3");
  w.set_expires("June 2007");
  w.set_tagteam("Team A");
  w.set_stable("Stable A");
  w.set_manager("Alpha Worker 9");
  worker(s, "Alpha Worker 8").set_manager("Alpha Worker 3");
  s.promotion(0).set(rv::prom::interviewer2, "Alpha Worker 3");
  rv::append_record(s.negotiations, {"Alpha Worker 3", "RVA", "3000", "2", "June 2009", "No", "4", "0", "0", "Yes."});
  rvtest::start_feud(s, "Alpha Worker 3", "Alpha Worker 4");
  rv::contractexpire(s);
  EXPECT_EQ(w.tagteam(), "no");
  EXPECT_EQ(w.stable(), "no");
  EXPECT_EQ(w.manager(), "no");
  EXPECT_EQ(worker(s, "Alpha Worker 8").manager(), "no");
  EXPECT_EQ(s.promotion(0).at(rv::prom::interviewer2), "None");
  EXPECT_TRUE(s.negotiations.empty());
  EXPECT_EQ(s.md(rv::md::feuds_first + rv::feud::type), "");
  const auto m = rvtest::message_with(s, "Expired Contract");
  EXPECT_EQ(m->at(rv::msg::body),
            "Alpha Worker 3's contract has expired. She is now a free agent. We are very disappointed that such a good draw "
            "for our company has been lost.");
  EXPECT_EQ(s.promotion(0).popularity(), 40 - 15);
}

TEST_F(Expiry, ARivalsWorkerBecomesAFreeAgentForEveryone) {
  worker(s, "Beta Worker 3").set_expires("June 2007");
  worker(s, "Beta Worker 3").set_pop(36);  // 14 below RVB's level of 50
  s.promotion(1).set_popularity(1);
  rv::contractexpire(s);
  const auto m = rvtest::message_with(s, "New Free Agent");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->at(rv::msg::body), "Beta Worker 3 is no longer under contract to a promotion, and is a free agent available for bookings.");
  EXPECT_EQ(s.promotion(1).popularity(), 0);
  EXPECT_EQ(s.promotion(0).popularity(), 40);
}

TEST(OfferReplies, EveryReplyArrivesByTheFourthDay) {
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    rv::Game g{rvtest::small_store(), rv::Rng(seed), "t"};
    rv::append_record(g.store.negotiations,
                      {"Alpha Worker 1", "RVA", "4500", "3", "May 2010", "Yes", "4", "0", "45", "Alpha Worker 1 has accepted."});
    int day = 0;
    while (!g.store.negotiations.empty() && day < 10) {
      ++day;
      rv::deliver_offer_replies(g);
    }
    EXPECT_LE(day, 4);
    const auto w = worker(g.store, "Alpha Worker 1");
    EXPECT_EQ(w.wages(), 4500);
    EXPECT_EQ(w.roles(), "3");
    EXPECT_EQ(w.expires(), "May 2010");
    EXPECT_EQ(w.indybookings(), "Yes");
    EXPECT_EQ(w.morale(), 100);  // 70 + 45, at most 100
    const auto m = rvtest::message_with(g.store, "Your Contract Offer For Alpha Worker 1");
    ASSERT_TRUE(m);
    EXPECT_EQ(m->at(rv::msg::body), "Alpha Worker 1 has accepted.");
  }
  EXPECT_EQ(rv::reply_odds(1), 5);
  EXPECT_EQ(rv::reply_odds(2), 3);
  EXPECT_EQ(rv::reply_odds(3), 2);
  EXPECT_EQ(rv::reply_odds(4), 1);
}

TEST(OfferReplies, ABoughtWorkerJoinsAndARefusalChangesNothing) {
  rv::Game g{rvtest::small_store(), rv::Rng(2), "t"};
  rv::Store& s = g.store;
  s.promotion(1).title(0).set_holder("Beta Worker 1");
  worker(s, "Beta Worker 1").set_pop(47);  // within 5 of the player's level 50
  rv::append_record(s.negotiations, {"Beta Worker 1", "RVB", "2500", "2", "May 2009", "No", "4", "3", "0", "Deal."});
  rv::append_record(s.negotiations, {"Beta Worker 2", "RVB", "2500", "2", "May 2009", "No", "3", "3", "0", "No deal."});
  rv::deliver_offer_replies(g);
  EXPECT_TRUE(s.negotiations.empty());
  EXPECT_TRUE(rvtest::message_with(s, "Your Offer For Beta Worker 1"));
  const auto w = worker(s, "Beta Worker 1");
  EXPECT_EQ(w.promotion(), "RVA");
  EXPECT_EQ(w.wages(), 2500);
  EXPECT_EQ(s.promotion(1).title(0).holder(), "Vacant");
  EXPECT_EQ(s.promotion(0).popularity(), 50);
  EXPECT_EQ(worker(s, "Beta Worker 2").promotion(), "RVB");
}

}  // namespace

// Signing from outside the roster: the owner's asking price and willingness, the worker's
// judgement of the contract, and a signing that only moves him once he has said yes.
#include <gtest/gtest.h>

#include "cycle/contracts.h"
#include "support/days.h"
#include "support/world.h"
#include "talent/search.h"
#include "talent/signing.h"

namespace {

using rvtest::worker;

struct Signing : ::testing::Test {
  rv::Game g{rvtest::small_store(), rv::Rng(3), ""};  // RVA (the player, size 4), RVB (size 1)
  rv::Store& s = g.store;
  void SetUp() override {
    s.promotion(0).set(rv::prom::reference_level, "60");
    s.promotion(1).set(rv::prom::reference_level, "50");
    s.promotion(0).set_popularity(70);
  }
  // Drives the approach of a worker under contract to RVB to the contract talk, with `sum`.
  rv::Signing bought(const std::string& name, rv::Num sum) {
    auto a = rv::Signing::approach(s, worker(s, name).row());
    EXPECT_TRUE(a.ok());
    EXPECT_TRUE(a->set_amount(std::to_string(sum)).ok());
    EXPECT_TRUE(a->confirm_offer(s).ok());
    return std::move(*a);
  }
};

TEST_F(Signing, TheAskingPriceIsMetOrNot) {
  s.promotion(1).set_num(rv::prom::size_level, 5);  // bigger than the player's promotion
  s.wrestlers.add(rvtest::worker_row("Beta Worker 10", "RVB"));  // eleven workers: an upper carder can go
  auto w = worker(s, "Beta Worker 1");
  w.set_pop(62);  // T + 12 against RVB's level
  w.set_wages(1000);
  w.set_expires("March 2007");  // weeks left from Monday 1st January 2007: 8
  const rv::Num value = rv::contract_value(s, w.row());
  const rv::Num price = rv::asking_price(value, 62, 50);
  auto below = bought("Beta Worker 1", price - 1);
  EXPECT_EQ(below.mode(), rv::Signing::Mode::refused);
  EXPECT_EQ(below.note(), "Ringvale Beta have rejected your offer to speak to Beta Worker 1.");
  below.negotiate();
  EXPECT_EQ(below.mode(), rv::Signing::Mode::buy_out);
  auto at = bought("Beta Worker 1", price);
  ASSERT_EQ(at.mode(), rv::Signing::Mode::agreed);
  at.begin_talks();
  EXPECT_EQ(at.mode(), rv::Signing::Mode::contract);
}

// A sum beyond the balance draws a warning but goes to the owner all the same.
TEST_F(Signing, ASumBeyondTheBalanceIsWarnedAboutButOffered) {
  s.promotion(1).set_num(rv::prom::size_level, 5);
  s.wrestlers.add(rvtest::worker_row("Beta Worker 10", "RVB"));
  auto w = worker(s, "Beta Worker 1");
  w.set_pop(62);
  w.set_wages(1000);
  w.set_expires("March 2007");
  s.promotion(0).set_balance(50000);
  struct Case {
    const char* sum;
    bool warned;
  };
  for (const Case c : {Case{"49999", false}, Case{"50000", false}, Case{"50001", true}}) {
    auto a = rv::Signing::approach(s, w.row());
    ASSERT_TRUE(a.ok());
    ASSERT_TRUE(a->set_amount(c.sum).ok());
    EXPECT_EQ(a->buy_out_warning(s).has_value(), c.warned) << c.sum;
  }
  auto dear = rv::Signing::approach(s, w.row());
  ASSERT_TRUE(dear.ok());
  ASSERT_TRUE(dear->set_amount("9000000").ok());
  EXPECT_EQ(*dear->buy_out_warning(s),
            "Offering $9,000,000 is more than your balance of $50,000: if Beta Worker 1 signs, paying it will leave the "
            "promotion in debt.\nMake the offer anyway?");
  const rv::Num balance = s.promotion(0).balance();
  ASSERT_TRUE(dear->confirm_offer(s).ok());
  EXPECT_EQ(dear->mode(), rv::Signing::Mode::agreed);  // far above the asking price
  EXPECT_EQ(s.promotion(0).balance(), balance);        // nothing is paid before he signs
}

TEST(AskingPrice, TheOwnerAddsHisShareInWholeDollars) {
  // The owner's level is 50 throughout; the price is Int(V + V x f) for the worker's band.
  struct Case {
    rv::Num value, pop, price;
  };
  const Case cases[] = {
      {1000, 71, 1800},  // above T+20: 0.8
      {1000, 70, 1700},  // T+20 itself: 0.7
      {1000, 65, 1600},  // T+15: 0.6
      {1000, 60, 1500},  // T+10: 0.5
      {1000, 55, 1400},  // T+5: 0.4
      {1000, 51, 1400},
      {1000, 50, 1300},  // T: 0.3
      {1000, 45, 1200},  // T-5: 0.2
      {1000, 40, 1100},  // T-10: 0.1
      {1000, 35, 1050},  // T-15: 0.05
      {1000, 30, 1020},  // T-20: 0.02
      {1000, 25, 1000},  // T-25: nothing
      {1000, 21, 1000},
      {1000, 20, 950},   // T-30 and below: 0.05 off
      {10, 20, 9},       // 9.5 is cut
      {0, 80, 0},
      // Values whose price a binary 1.4 would put a dollar low (45 x 1.4 = 62.99999...).
      {45, 55, 63},
      {85, 55, 119},
      {90, 55, 126},
      {165, 55, 231},
      {325, 55, 455},
      // Whole-number arithmetic all the way, also where shares are not whole.
      {333, 71, 599},    // 333 + 266.4
      {7, 35, 7},        // 7 + 0.35
      {19, 30, 19},      // 19 + 0.38
      {1999, 20, 1899},  // 1999 - 99.95
  };
  for (const auto& c : cases) EXPECT_EQ(rv::asking_price(c.value, c.pop, 50), c.price) << c.value << " at pop " << c.pop;
}

TEST_F(Signing, TheWorkerJudgesTheContract) {
  rv::SigningContext who;
  who.name = "Free Worker 0";
  who.pop = 55;
  who.player_size = 4;
  who.level = 70;
  who.popularity = 80;
  who.promotion_name = "Ringvale Alpha";
  EXPECT_EQ(rv::signing_wage(55, 50, 4, std::nullopt), 200);
  for (rv::Num size : {1, 2, 3, 4, 5, 6}) EXPECT_GE(rv::signing_wage(55, 40, 4, size), 180);
  who.expected = 200;
  rv::SigningTerms terms{100, 1, 1, "Face"};
  EXPECT_EQ(rv::judge_signing(who, terms, g.rng).reply,
            "Free Worker 0 has rejected your contract offer. He was not happy with the wages you offered.");
  terms.wages = 200;
  EXPECT_TRUE(rv::judge_signing(who, terms, g.rng).accepted);
  who.pop = 60;  // T - 10 refuses the lower card
  EXPECT_FALSE(rv::judge_signing(who, terms, g.rng).accepted);
  who.pop = 95;  // too big for a size 4 promotion, whatever the terms
  terms = {50000, 3, 1, "Heel"};
  EXPECT_EQ(rv::judge_signing(who, terms, g.rng).reply, "Free Worker 0 is not interested in signing for your promotion.");
  who.pop = 70;
  who.owner_size = 4;  // the same size: no four or five year deals
  terms = {50000, 3, 4, "Heel"};
  EXPECT_FALSE(rv::judge_signing(who, terms, g.rng).accepted);
  terms.years = 3;
  EXPECT_TRUE(rv::judge_signing(who, terms, g.rng).accepted);
}

TEST_F(Signing, ABoughtWorkerMovesOnlyWhenHeSaysYes) {
  s.wrestlers.add(rvtest::worker_row("Beta Worker 10", "RVB"));
  for (const char* name : {"Beta Worker 1", "Beta Worker 2"}) {
    auto w = worker(s, name);
    w.set_pop(30);
    w.set_faceheel("Face");
  }
  const rv::Num balance = s.promotion(0).balance(), owner_balance = s.promotion(1).balance();
  auto yes = bought("Beta Worker 1", 500000);
  yes.begin_talks();
  yes.toggle_disposition();
  ASSERT_TRUE(yes.set_amount("5000").ok());
  ASSERT_TRUE(yes.offer_contract(g).ok());
  auto again = rv::Signing::approach(s, worker(s, "Beta Worker 1").row());
  EXPECT_FALSE(again.ok());
  EXPECT_EQ(again.error(), "You are already waiting on a reply from Beta Worker 1.");
  auto no = bought("Beta Worker 2", 500000);
  no.begin_talks();
  ASSERT_TRUE(no.set_amount("0").ok());
  ASSERT_TRUE(no.offer_contract(g).ok());
  for (int day = 0; day < 4; ++day) rv::deliver_offer_replies(g);
  ASSERT_TRUE(s.negotiations.empty());
  EXPECT_EQ(worker(s, "Beta Worker 1").promotion(), "RVA");
  EXPECT_EQ(worker(s, "Beta Worker 1").faceheel(), "Heel");
  EXPECT_EQ(worker(s, "Beta Worker 1").wages(), 5000);
  EXPECT_EQ(worker(s, "Beta Worker 2").promotion(), "RVB");
  EXPECT_EQ(s.promotion(0).balance(), balance - 500000);
  EXPECT_EQ(s.promotion(1).balance(), owner_balance + 500000);
}

TEST_F(Signing, TheSearchFindsWorkersOutsideTheRoster) {
  rv::SearchFilters f;
  const auto all = rv::search_workers(s, f);
  EXPECT_EQ(all.size(), 14u);  // RVB's ten and four free agents, none of the player's
  f.lists[static_cast<std::size_t>(rv::SearchList::promotion)] = "Free Agent";
  f.name = "worker 2";
  ASSERT_EQ(rv::search_workers(s, f).size(), 1u);
  EXPECT_EQ(rv::search_workers(s, f).front().name, "Free Worker 2");
  f.low[static_cast<std::size_t>(rv::SearchFigure::draw)] = 51;
  EXPECT_TRUE(rv::search_workers(s, f).empty());
}

}  // namespace

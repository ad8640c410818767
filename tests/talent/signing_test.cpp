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
  // Beta Worker 1 of an RVB bigger than the player's promotion and eleven strong, so that an
  // upper carder (T + 12 against RVB's level) can go; eight weeks left from Monday 1st January 2007.
  rv::Worker upper_carder() {
    s.promotion(1).set_num(rv::prom::size_level, 5);
    s.wrestlers.add(rvtest::worker_row("Beta Worker 10", "RVB"));
    auto w = worker(s, "Beta Worker 1");
    w.set_pop(62);
    w.set_wages(1000);
    w.set_expires("March 2007");
    return w;
  }
};

TEST_F(Signing, TheAskingPriceIsMetOrNot) {
  const auto w = upper_carder();
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
  const auto w = upper_carder();
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
      // Each band on both sides of its edge: above T+20 0.8, above T+15 0.7, above T+10 0.6,
      // above T+5 0.5, above T 0.4, above T-5 0.3, above T-10 0.2, above T-15 0.1, above T-20
      // 0.05, above T-25 0.02, above T-30 nothing, from T-30 down 0.05 off.
      {1000, 71, 1800}, {1000, 70, 1700}, {1000, 66, 1700}, {1000, 65, 1600}, {1000, 61, 1600},
      {1000, 60, 1500}, {1000, 56, 1500}, {1000, 55, 1400}, {1000, 51, 1400}, {1000, 50, 1300},
      {1000, 46, 1300}, {1000, 45, 1200}, {1000, 41, 1200}, {1000, 40, 1100}, {1000, 36, 1100},
      {1000, 35, 1050}, {1000, 31, 1050}, {1000, 30, 1020}, {1000, 26, 1020}, {1000, 25, 1000},
      {1000, 21, 1000}, {1000, 20, 950},  {1000, 0, 950},   {10, 20, 9} /* 9.5 is cut */, {0, 80, 0},
      // Values whose price a binary 1.4 would put a dollar low (45 x 1.4 = 62.99999...).
      {45, 55, 63}, {85, 55, 119}, {90, 55, 126}, {165, 55, 231}, {325, 55, 455},
      // Whole-number arithmetic all the way, also where shares are not whole.
      {333, 71, 599} /* 333 + 266.4 */, {7, 35, 7}, {19, 30, 19}, {1999, 20, 1899} /* 1999 - 99.95 */,
  };
  for (const auto& c : cases) EXPECT_EQ(rv::asking_price(c.value, c.pop, 50), c.price) << c.value << " at pop " << c.pop;
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

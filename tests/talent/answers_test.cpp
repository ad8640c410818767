// The live answers of the inbox: release requests and offers from other promotions.
#include <gtest/gtest.h>

#include "state/inbox.h"
#include "talent/answers.h"
#include "state/game.h"
#include "support/days.h"
#include "support/world.h"

namespace {

using rvtest::worker;

struct Answers : ::testing::Test {
  rv::Game g{rvtest::small_store(), rv::Rng(12), "t"};
  rv::Store& s = g.store;
  std::size_t post_release_request(const std::string& name, int days = 6) {
    rv::NewMessage m;
    m.sender = "Road Agent";
    m.subject = "Release Request";
    m.body = name + " is unhappy and has requested his release.";
    m.body2 = "Release " + name + "?";
    m.kind = "RELEASE";
    m.days_left = days;
    m.ref1 = name;
    rv::post_message(s, "Monday 1st January 2007", m);
    return (s.message_count() - 1) * rv::rec::message;
  }
  std::size_t post_offer(const std::string& name, const std::string& from = "RVB", int days = 2) {
    rv::post_message(s, "Monday 1st January 2007", rvtest::rival_offer(name, from, days));
    return (s.message_count() - 1) * rv::rec::message;
  }
};

TEST_F(Answers, YesToAReleaseRequestReleasesTheWorker) {
  worker(s, "Alpha Worker 1").set_morale(25);  // below 30: no cost
  const rv::Num balance = s.promotion(0).balance();
  const auto line = post_release_request("Alpha Worker 1");
  const rv::AnswerResult r = rv::answer_action2(g, line);
  EXPECT_TRUE(r.answered);
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0], "Alpha Worker 1 has now been released.");
  EXPECT_EQ(worker(s, "Alpha Worker 1").promotion(), "Free Agent");
  EXPECT_EQ(s.promotion(0).balance(), balance);
  EXPECT_EQ(s.message_count(), 0u);
}

TEST_F(Answers, NoToAReleaseRequestCostsMoraleButNotBelowFive) {
  worker(s, "Alpha Worker 1").set_morale(20);
  worker(s, "Alpha Worker 2").set_morale(6);
  rv::answer_action3(g, post_release_request("Alpha Worker 1"));
  rv::answer_action3(g, post_release_request("Alpha Worker 2"));
  EXPECT_EQ(worker(s, "Alpha Worker 1").morale(), 18);
  EXPECT_EQ(worker(s, "Alpha Worker 2").morale(), 5);
  EXPECT_EQ(worker(s, "Alpha Worker 1").promotion(), "RVA");
  EXPECT_EQ(s.message_count(), 0u);
}

TEST_F(Answers, ALapsedRequestCanOnlyBeDeleted) {
  const auto line = post_release_request("Alpha Worker 1", 0);
  EXPECT_FALSE(rv::answer_action2(g, line).answered);
  EXPECT_FALSE(rv::answer_action3(g, line).answered);
  EXPECT_EQ(worker(s, "Alpha Worker 1").promotion(), "RVA");
  EXPECT_EQ(s.message_count(), 1u);
}

TEST_F(Answers, AHappyWorkerRefusesASmallerPromotion) {
  worker(s, "Alpha Worker 1").set_morale(76);  // RVB (size 1) is smaller than RVA (size 4)
  const rv::AnswerResult r = rv::answer_action2(g, post_offer("Alpha Worker 1"));
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0], "Alpha Worker 1 has rejected the move and remains on your roster.");
  EXPECT_EQ(worker(s, "Alpha Worker 1").promotion(), "RVA");
  EXPECT_EQ(s.message_count(), 0u);
}

TEST_F(Answers, TheWorkersDecisionBySizesAndMorale) {
  EXPECT_TRUE(rv::worker_refuses_offer(76, 4, 3));
  EXPECT_FALSE(rv::worker_refuses_offer(75, 4, 3));
  EXPECT_FALSE(rv::worker_refuses_offer(80, 4, 4));
  EXPECT_TRUE(rv::worker_refuses_offer(86, 4, 5));
  EXPECT_FALSE(rv::worker_refuses_offer(86, 4, 6));
  EXPECT_FALSE(rv::worker_refuses_offer(85, 4, 5));
}

TEST_F(Answers, AnAcceptedOfferMovesTheWorkerAndTheMoney) {
  auto w = worker(s, "Alpha Worker 1");
  w.set_morale(60);
  w.set_pop(55);  // above both levels of 50
  w.set_tagteam("Team A");
  s.promotion(0).title(0).set_holder("Alpha Worker 1");
  rvtest::start_feud(s, "Alpha Worker 2", "Alpha Worker 1");
  s.promotion(1).set_popularity(50);
  const rv::Num balance = s.promotion(0).balance();
  const rv::AnswerResult r = rv::answer_action2(g, post_offer("Alpha Worker 1"));
  ASSERT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(r.messages[0], "Alpha Worker 1 has accepted the contract offer and has signed with Ringvale Beta.");
  EXPECT_EQ(w.promotion(), "RVB");
  EXPECT_EQ(w.roles(), "3");
  EXPECT_EQ(w.morale(), 75);
  EXPECT_EQ(w.tagteam(), "no");
  EXPECT_TRUE(w.expires() == "January 2008" || w.expires() == "January 2009" || w.expires() == "January 2010");
  EXPECT_EQ(s.promotion(1).popularity(), 65);
  EXPECT_EQ(s.promotion(0).popularity(), 30);
  EXPECT_EQ(s.promotion(0).balance(), balance + 300000);
  EXPECT_EQ(s.promotion(0).title(0).holder(), "Vacant");
  EXPECT_TRUE(rvtest::message_with(s, "Title Vacated"));
  EXPECT_EQ(s.md(rv::md::feuds_first + rv::feud::type), "");
  EXPECT_FALSE(rvtest::message_with(s, "Offer For Alpha Worker 1"));
}

TEST_F(Answers, AnOfferForAWorkerWhoHasGoneOnlyGetsANote) {
  worker(s, "Alpha Worker 1").set_promotion("Free Agent");
  const auto line = post_offer("Alpha Worker 1");
  const rv::AnswerResult r = rv::answer_action2(g, line);
  EXPECT_TRUE(r.answered);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_TRUE(r.message_kept);
  EXPECT_EQ(s.message(0).at(rv::msg::body3), "(Alpha Worker 1 no longer works for your promotion, so this offer was declined.)");
  EXPECT_EQ(worker(s, "Alpha Worker 1").promotion(), "Free Agent");
}

TEST_F(Answers, DecliningAnOffer) {
  const rv::AnswerResult r = rv::answer_action3(g, post_offer("Alpha Worker 1"));
  EXPECT_EQ(r.messages.size(), 1u);
  EXPECT_EQ(s.message_count(), 0u);
  EXPECT_FALSE(rv::answer_action3(g, 5).answered);  // not the start of a message
}

}  // namespace

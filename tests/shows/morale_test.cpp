// Morale after a show: one-on-one results by the popularity gap, disqualifications, team wins and
// the workers left off a big card.
#include <gtest/gtest.h>

#include "shows/morale.h"
#include "support/shownight.h"

namespace {

rv::Lines singles(const std::string& a, const std::string& b, const std::string& winner, const std::string& win_type = "Normal") {
  rv::Lines card = rvtest::match_record("Singles", "None", a, b);
  card[rv::match::winners] = winner;
  card[rv::match::win_type] = win_type;
  card.resize(rv::rec::match * rv::rec::match_slots, "");
  return card;
}

// Alpha Weekly at the reference level 50: the primary show, or a big show.
rv::MoraleSetting weekly(bool big = false) {
  rv::MoraleSetting m;
  m.show_name = "Alpha Weekly";
  m.reference_level = 50;
  m.big_show = big;
  m.primary_show = !big;
  return m;
}

TEST(Morale, ADisqualificationAndTheBiggestUpsetAtTheEndsOfMorale) {
  rv::Store s = rvtest::small_store();
  const std::string a1 = "Alpha Worker 1", a2 = "Alpha Worker 2";
  const rv::MoraleSetting setting = weekly();
  const auto messages = s.message_count();
  rv::moralewinlose(s, singles(a1, a2, a2, "DQ"), setting);  // a disqualification changes nothing
  EXPECT_EQ(s.wrestlers.text(1, rv::Col::morale), "70");
  EXPECT_EQ(s.wrestlers.text(2, rv::Col::morale), "70");

  // A loser 21 points more popular takes it badly, in morale, popularity and the inbox.
  s.wrestlers.set(1, rv::Col::pop, "71");
  s.wrestlers.set(2, rv::Col::morale, "99");
  s.wrestlers.set(1, rv::Col::morale, "3");
  rv::moralewinlose(s, singles(a1, a2, a2), setting);
  EXPECT_EQ(s.wrestlers.text(2, rv::Col::morale), "100");
  EXPECT_EQ(s.wrestlers.text(1, rv::Col::morale), "0");
  EXPECT_EQ(s.wrestlers.text(1, rv::Col::pop), "70");
  EXPECT_EQ(s.wrestlers.text(2, rv::Col::pop), "52");
  ASSERT_EQ(s.message_count(), messages + 1);
  EXPECT_EQ(s.message(messages).at(rv::msg::body),
            a1 + " was extremely unhappy about losing to " + a2 + " at Alpha Weekly yesterday.");
}

TEST(Morale, EveryGapBandOnBothSidesOfItsEdge) {
  // The winner (Alpha Worker 1) is at 50; the loser's popularity sets d. Both start at morale 70.
  const struct {
    int d;
    int winner, loser;  // morale afterwards
    const char* complaint;
  } rows[] = {
      {-5, 72, 69, nullptr}, {0, 72, 69, nullptr},  {1, 72, 68, nullptr}, {5, 72, 68, nullptr},
      {6, 74, 66, nullptr},  {10, 74, 66, nullptr}, {11, 76, 62, " was unhappy about losing to "},
      {15, 76, 62, " was unhappy about losing to "},       {16, 78, 58, " was very unhappy about losing to "},
      {20, 78, 58, " was very unhappy about losing to "},  {21, 80, 54, " was extremely unhappy about losing to "},
  };
  const std::string a1 = "Alpha Worker 1", a2 = "Alpha Worker 2";
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    s.wrestlers.set(2, rv::Col::pop, std::to_string(50 + r.d));
    const rv::MoraleSetting setting = weekly();
    const auto messages = s.message_count();
    rv::moralewinlose(s, singles(a1, a2, a1), setting);
    EXPECT_EQ(s.wrestlers.text(1, rv::Col::morale), std::to_string(r.winner)) << r.d;
    EXPECT_EQ(s.wrestlers.text(2, rv::Col::morale), std::to_string(r.loser)) << r.d;
    // Only the biggest upset moves popularity: the winner gains 2, the loser loses 1.
    EXPECT_EQ(s.wrestlers.text(1, rv::Col::pop), r.d > 20 ? "52" : "50") << r.d;
    EXPECT_EQ(s.wrestlers.text(2, rv::Col::pop), std::to_string(50 + r.d - (r.d > 20 ? 1 : 0))) << r.d;
    if (!r.complaint) {
      EXPECT_EQ(s.message_count(), messages) << r.d;
      continue;
    }
    ASSERT_EQ(s.message_count(), messages + 1) << r.d;
    EXPECT_EQ(s.message(messages).at(rv::msg::body), a2 + r.complaint + a1 + " at Alpha Weekly yesterday.");
  }
}

TEST(Morale, OnAndOffTheCardByStandingAgainstTheLevel) {
  // Level 50. Alpha Worker 1 is on the card, Alpha Worker 4 is left off; both start at 70.
  const struct {
    bool big;
    const char* on_pop;
    int on_morale;
    const char* off_pop;
    int off_morale;
  } rows[] = {
      {true, "50", 70, "50", 65},  {true, "49", 71, "49", 67},  {true, "40", 71, "40", 67},
      {true, "39", 73, "60", 65},  {false, "50", 70, "50", 67}, {false, "49", 71, "49", 69},
      {false, "40", 71, "40", 69}, {false, "39", 71, "60", 67},
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    s.wrestlers.set(1, rv::Col::pop, r.on_pop);
    s.wrestlers.set(4, rv::Col::pop, r.off_pop);
    const rv::MoraleSetting setting = weekly(r.big);
    rv::Rng rng(2);
    rv::left_off_card_morale(s, singles("Alpha Worker 1", "Alpha Worker 2", "Alpha Worker 1"), setting, rng);
    EXPECT_EQ(s.wrestlers.text(1, rv::Col::morale), std::to_string(r.on_morale)) << r.big << " " << r.on_pop;
    EXPECT_EQ(s.wrestlers.text(4, rv::Col::morale), std::to_string(r.off_morale)) << r.big << " " << r.off_pop;
  }
}

TEST(Morale, AManBeatenByAWomanTakesItByHisStanding) {
  // Alpha Worker 0 (a woman) beats Alpha Worker 1; both start at morale 70, the level is 50.
  const struct {
    const char* pop;
    int morale;
    const char* pop_after;
    const char* text;
  } rows[] = {
      {"60", 70 - 1 - 18, "57", " was furious at having to lose to "},
      {"50", 70 - 1 - 18, "47", " was furious at having to lose to "},
      {"49", 70 - 1 - 10, "48", " was very unhappy at having to lose to "},
      {"40", 70 - 1 - 10, "39", " was very unhappy at having to lose to "},
      {"39", 70 - 1 - 6, "39", " was unhappy at having to lose to "},
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    s.wrestlers.set(1, rv::Col::pop, r.pop);
    rv::Lines card = singles("Alpha Worker 0", "Alpha Worker 1", "Alpha Worker 0");
    card[rv::match::type] = "Intergender Match";
    const rv::MoraleSetting setting = weekly();
    const auto messages = s.message_count();
    rv::moralewinlose(s, card, setting);
    EXPECT_EQ(s.wrestlers.text(0, rv::Col::morale), "72") << r.pop;
    EXPECT_EQ(s.wrestlers.text(1, rv::Col::morale), std::to_string(r.morale)) << r.pop;
    EXPECT_EQ(s.wrestlers.text(1, rv::Col::pop), r.pop_after) << r.pop;
    ASSERT_EQ(s.message_count(), messages + 1) << r.pop;
    EXPECT_EQ(s.message(messages).at(rv::msg::body), std::string("Alpha Worker 1") + r.text + "Alpha Worker 0 at Alpha Weekly.");
  }
}

}  // namespace

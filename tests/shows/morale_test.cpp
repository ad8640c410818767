// Morale after a show: one-on-one results by the popularity gap, disqualifications, team wins and
// the workers left off a big card.
#include <gtest/gtest.h>

#include "shows/morale.h"
#include "support/world.h"

namespace {

rv::Lines singles(const std::string& a, const std::string& b, const std::string& winner, const std::string& win_type = "Normal") {
  rv::Lines card(rv::rec::match * rv::rec::match_slots, "");
  card[rv::match::slot] = "1";
  card[rv::match::type] = "Singles";
  card[rv::match::winners] = winner;
  card[rv::match::win_type] = win_type;
  card[rv::match::first_worker] = a;
  card[rv::match::first_worker + 1] = b;
  return card;
}

TEST(Morale, OneOnOneResultsByTheGap) {
  rv::Store s = rvtest::small_store();
  const std::string a1 = "Alpha Worker 1", a2 = "Alpha Worker 2";
  rv::MoraleSetting setting;
  setting.show_name = "Alpha Weekly";
  setting.reference_level = 50;
  const auto messages = s.message_count();
  rv::moralewinlose(s, singles(a1, a2, a1), setting);  // equal popularity
  EXPECT_EQ(s.wrestlers.text(1, rv::Col::morale), "72");
  EXPECT_EQ(s.wrestlers.text(2, rv::Col::morale), "69");
  EXPECT_EQ(s.message_count(), messages);

  rv::moralewinlose(s, singles(a1, a2, a2, "DQ"), setting);  // a disqualification changes nothing
  EXPECT_EQ(s.wrestlers.text(2, rv::Col::morale), "69");

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
  EXPECT_EQ(s.message(messages).at(rv::msg::subject), "Wrestler Complaint");
  EXPECT_EQ(s.message(messages).at(rv::msg::body),
            a1 + " was extremely unhappy about losing to " + a2 + " at Alpha Weekly yesterday.");
}

TEST(Morale, TheCardOfABigShowAndThoseLeftOffIt) {
  rv::Store s = rvtest::small_store();
  s.wrestlers.set(1, rv::Col::pop, "39");   // on the card, eleven below the level
  s.wrestlers.set(2, rv::Col::pop, "50");   // on the card, at the level
  s.wrestlers.set(4, rv::Col::pop, "60");   // left off, above the level
  rv::MoraleSetting setting;
  setting.big_show = true;
  setting.reference_level = 50;
  rv::Rng rng(2);
  rv::left_off_card_morale(s, singles("Alpha Worker 1", "Alpha Worker 2", "Alpha Worker 1"), setting, rng);
  EXPECT_EQ(s.wrestlers.text(1, rv::Col::morale), "73");
  EXPECT_EQ(s.wrestlers.text(2, rv::Col::morale), "70");
  EXPECT_EQ(s.wrestlers.text(4, rv::Col::morale), "65");
  setting.big_show = false;
  setting.primary_show = true;
  rv::left_off_card_morale(s, singles("Alpha Worker 1", "Alpha Worker 2", "Alpha Worker 1"), setting, rng);
  EXPECT_EQ(s.wrestlers.text(1, rv::Col::morale), "74");
  EXPECT_EQ(s.wrestlers.text(4, rv::Col::morale), "62");
}

}  // namespace

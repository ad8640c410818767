// A card file booked through the booking machine: a whole card, and the first refused choice named.
#include <gtest/gtest.h>

#include "shows/cardfile.h"
#include "support/world.h"

namespace {

rv::Lines record(const std::string& type, const std::vector<std::string>& workers, const std::string& winners = "Auto") {
  rv::Lines r(rv::rec::match, "");
  r[rv::match::slot] = "1";
  r[rv::match::type] = type;
  r[rv::match::stipulation] = "None";
  r[rv::match::title] = "None";
  r[rv::match::winners] = winners;
  r[rv::match::win_type] = "Auto";
  for (std::size_t i = 0; i < workers.size(); ++i) r[rv::match::first_worker + i] = workers[i];
  return r;
}

rv::Lines card_of(const std::vector<rv::Lines>& matches) {
  rv::Lines out;
  for (const auto& m : matches) out.insert(out.end(), m.begin(), m.end());
  out.resize(out.size() + rv::rec::match, "");  // a blank record at the end is ignored
  return out;
}

TEST(CardFile, AWholeCardIsBookedAndTheFirstRefusalIsNamed) {
  rv::Store s = rvtest::small_store();
  const std::string a = "Alpha Worker ";
  const auto good = card_of({record("Singles", {a + "1", a + "2"}), record("Women's Match", {a + "0", a + "3"}),
                             record("Singles", {a + "4", a + "5"}, a + "5"), record("Women's Match", {a + "6", a + "9"}),
                             record("Singles", {a + "7", a + "8"})});
  rv::Booking b(s, {});
  ASSERT_TRUE(rv::book_card_file(b, good).ok());
  EXPECT_TRUE(b.can_confirm());
  EXPECT_EQ(b.line(3, rv::match::winners), a + "5");

  s.wrestlers.set(7, rv::Col::injury, "20");  // Alpha Worker 7 is hurt since the file was written
  rv::Booking hurt(s, {});
  const auto refused = rv::book_card_file(hurt, good);
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error(), "Match 5, line 87: \"Alpha Worker 7\" is not offered here.");

  rv::Booking twice(s, {});
  const auto again = rv::book_card_file(twice, card_of({record("Singles", {a + "1", a + "2"}), record("Singles", {a + "1", a + "4"}),
                                                        record("Singles", {a + "5", a + "8"}), record("Singles", {a + "2", a + "4"}),
                                                        record("Singles", {a + "1", a + "2"})}));
  EXPECT_EQ(again.error(), "Match 2, line 27: \"Alpha Worker 1\" is not offered here.");
  rv::Booking short_card(s, {});
  EXPECT_FALSE(rv::book_card_file(short_card, card_of({record("Singles", {a + "1", a + "2"})})).ok());

  s.wrestlers.set(7, rv::Col::injury, "0");
  for (int i = 0; i < 3; ++i) s.wrestlers.add(rvtest::worker_row("Extra Worker " + std::to_string(i), "RVA"));
  rv::Booking royal(s, {});
  auto everyone = record("Battle Royal", {"Enter All Workers"});
  const auto with_royal = card_of({record("Singles", {a + "1", a + "2"}), record("Women's Match", {a + "0", a + "3"}),
                                   record("Singles", {a + "4", a + "5"}), record("Women's Match", {a + "6", a + "9"}), everyone});
  const auto booked = rv::book_card_file(royal, with_royal);
  ASSERT_TRUE(booked.ok()) << booked.error();
  EXPECT_EQ(royal.battle_royal_entrants().size(), 5u);  // workers 7 and 8 and the three extras
}

}  // namespace

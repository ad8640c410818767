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

// Every line a card file may get wrong about names and participants, each refused with its
// match and line; the good card beside them books whole.
TEST(CardFile, NamesAndParticipantLinesAreCheckedAsThePromptsCheckThem) {
  rv::Store s = rvtest::small_store();
  for (int i = 0; i < 3; ++i) s.wrestlers.add(rvtest::worker_row("Extra Worker " + std::to_string(i), "RVA"));
  const auto title = s.promotion(0).title(0);
  title.put(rv::TitleField::gender_limit, "All");
  title.put(rv::TitleField::brand, "All");
  title.set_holder("Alpha Worker 7");
  const std::string a = "Alpha Worker ";
  auto tag = record("Tag Team", {a + "1", a + "2", a + "4", a + "5"}, "Red Team");
  tag[rv::match::first_team] = "Red Team";
  tag[rv::match::first_team + 1] = "Blue Team";
  auto title_match = record("Singles", {a + "7", a + "8"});
  title_match[rv::match::title] = title.name();
  const std::vector<rv::Lines> good = {tag, record("Women's Match", {a + "0", a + "3"}), title_match,
                                       record("Women's Match", {a + "6", a + "9"}),
                                       record("Singles", {"Extra Worker 0", "Extra Worker 1"})};
  rv::Booking whole(s, {});
  const auto booked = rv::book_card_file(whole, card_of(good));
  ASSERT_TRUE(booked.ok()) << booked.error();
  EXPECT_EQ(whole.line(1, rv::match::winners), "Red Team");
  EXPECT_EQ(whole.line(3, rv::match::first_worker), a + "7");  // the champion, named plainly

  struct Case {
    std::size_t match, line;  // the record (0-based) and the line inside it to change
    std::string value;
    std::string refusal;
  };
  const std::string owned = "\" is a word the game keeps for itself; it cannot be a team name.";
  const std::vector<Case> cases = {
      {0, rv::match::first_team, "Vacant", "Match 1, line 17: \"Vacant" + owned},
      {0, rv::match::first_team, "none", "Match 1, line 17: \"none" + owned},
      {0, rv::match::first_team + 1, "Red Team", "Match 1, line 18: Another team of this match or a worker of this show already has that name."},
      {0, rv::match::first_team + 1, "Alpha Worker 9", "Match 1, line 18: Another team of this match or a worker of this show already has that name."},
      {0, rv::match::first_team + 1, "RED TEAM", "Match 1, line 18: Another team of this match or a worker of this show already has that name."},
      {0, rv::match::first_team, std::string(12'000'000, 'R'), "Match 1, line 17: A team name can be 60 characters long at the most."},
      {0, rv::match::first_team, "Red\x01Team", "Match 1, line 17: The team name has a character the game cannot store."},
      {0, rv::match::first_team, "Red\x8FTeam", "Match 1, line 17: The team name has a character the game cannot store."},
      {0, rv::match::first_team, "", "Match 1, line 17: The team needs a name."},
      {0, rv::match::first_team + 2, "Third Team", "Match 1, line 19: \"Third Team\" names a team the match does not have."},
      {2, rv::match::first_worker + 2, "Extra Worker 2", "Match 3, line 49: \"Extra Worker 2\" is one participant too many for a Singles."},
      {2, rv::match::first_worker + 9, "Extra Worker 2", "Match 3, line 56: \"Extra Worker 2\" is one participant too many for a Singles."},
      {2, rv::match::first_team, "Lonely Team", "Match 3, line 57: \"Lonely Team\" names a team the match does not have."},
      {2, rv::match::first_worker, a + "7 (CHAMPION)", "Match 3, line 47: \"Alpha Worker 7 (CHAMPION)\" is not offered here."},
  };
  for (const auto& c : cases) {
    auto matches = good;
    matches[c.match][c.line] = c.value;
    rv::Booking b(s, {});
    const auto result = rv::book_card_file(b, card_of(matches));
    ASSERT_FALSE(result.ok()) << c.refusal;
    EXPECT_EQ(result.error(), c.refusal);
  }
}

}  // namespace

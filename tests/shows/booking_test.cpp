// Booking a card: which slots open, what each step offers, team names and confirming.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "shows/battleroyal.h"
#include "shows/booking.h"
#include "shows/bookingpanel.h"
#include "shows/suggest_steps.h"
#include "support/world.h"

namespace {

bool offers(const rv::Booking& b, const std::string& item) {
  const auto c = b.choices();
  return std::find(c.begin(), c.end(), item) != c.end();
}

// Books a singles match in `slot` between the first two offered workers.
void book_singles(rv::Booking& b, std::size_t slot) {
  ASSERT_TRUE(b.open_slot(slot));
  ASSERT_TRUE(b.choose("Singles"));
  ASSERT_TRUE(b.choose("None"));  // title
  ASSERT_TRUE(b.choose("None"));  // stipulation
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(b.choose(b.choices().at(0)));
  ASSERT_TRUE(b.choose("Auto"));
  ASSERT_TRUE(b.choose("Auto"));
}

// A card of five matches whose first is a match of `type` with no title and no stipulation.
void first_match(rv::Booking& b, const std::string& type) {
  ASSERT_TRUE(b.choose_count(5));
  ASSERT_TRUE(b.open_slot(1));
  for (const std::string& step : {type, std::string("None"), std::string("None")}) ASSERT_TRUE(b.choose(step));
}

TEST(Booking, SlotsFollowTheCountAndConfirmWaitsForAFullCard) {
  rv::Store s = rvtest::small_store();
  for (std::size_t r : {0, 3, 6, 9}) s.wrestlers.set(r, rv::Col::gender, "Male");  // ten men for five singles
  rv::Booking big(s, {std::string(rv::brand_all), true});
  EXPECT_EQ(big.count_choices(), (std::vector<int>{7, 8, 9, 10}));

  rv::Booking b(s, {});
  EXPECT_EQ(b.count_choices(), (std::vector<int>{5, 6, 7, 8}));
  EXPECT_FALSE(b.choose_count(9));
  ASSERT_TRUE(b.choose_count(5));
  EXPECT_TRUE(b.slot_usable(5));
  EXPECT_FALSE(b.slot_usable(6));
  EXPECT_FALSE(b.open_slot(6));
  for (std::size_t k = 1; k <= 5; ++k) book_singles(b, k);
  EXPECT_TRUE(b.can_confirm());

  // Clearing a match frees its workers and the card can no longer be confirmed.
  const std::string worker = b.line(5, rv::match::first_worker);
  ASSERT_TRUE(b.on_card(worker));
  ASSERT_TRUE(b.open_slot(5));
  ASSERT_TRUE(b.clear_match());
  EXPECT_FALSE(b.on_card(worker));
  EXPECT_FALSE(b.can_confirm());
  b.clear_show();
  EXPECT_EQ(b.step(), rv::BookingStep::count);
  EXPECT_EQ(b.card(), rv::Lines(rv::rec::match * rv::rec::match_slots));
}

TEST(Booking, WhatEachStepOffers) {
  rv::Store s = rvtest::small_store();
  s.wrestlers.set(1, rv::Col::injury, "4");
  s.wrestlers.set(2, rv::Col::retire, "R");
  s.wrestlers.set(4, rv::Col::brand, "Brand 2");
  rv::Booking b(s, {"Brand 1", false});
  ASSERT_TRUE(b.choose_count(5));
  ASSERT_TRUE(b.open_slot(1));
  EXPECT_TRUE(offers(b, "Battle Royal"));
  ASSERT_TRUE(b.choose("6 Man Tag"));
  EXPECT_EQ(b.choices(), std::vector<std::string>{"None"});  // no title at stake in a 6 man tag
  ASSERT_TRUE(b.choose("None"));
  ASSERT_TRUE(b.choose("None"));
  for (const char* gone : {"Alpha Worker 1", "Alpha Worker 2", "Alpha Worker 4", "Beta Worker 1", "Alpha Worker 0"}) {
    EXPECT_FALSE(offers(b, gone)) << gone;  // injured, retired, other brand, other promotion, a woman
  }

  // A battle royal on one slot is not offered on another.
  rv::Booking r(s, {});
  first_match(r, "Battle Royal");
  ASSERT_TRUE(r.awaiting_battle_royal());
  rv::BattleRoyalSetup setup(r.battle_royal_pool());
  setup.enter_all_workers();
  ASSERT_FALSE(setup.confirm_problem());
  ASSERT_TRUE(r.book_battle_royal(setup.entry()));
  EXPECT_TRUE(r.slot_booked(1));
  ASSERT_TRUE(r.open_slot(2));
  EXPECT_TRUE(offers(r, "Singles"));
  EXPECT_FALSE(offers(r, "Battle Royal"));
}

TEST(Booking, IntergenderPicksAlternateAsTheTypeSays) {
  rv::Store s = rvtest::small_store();
  auto gender_of = [&](const std::string& name) {
    for (std::size_t r = 0; r < s.wrestlers.size(); ++r) {
      if (s.wrestlers.text(r, rv::Col::names) == name) return s.wrestlers.text(r, rv::Col::gender);
    }
    return std::string();
  };
  rv::Booking b(s, {});
  first_match(b, "Intergender 6 Person Tag");
  const std::string order = "MMFMMF";
  for (char want : order) {
    const auto c = b.choices();
    ASSERT_FALSE(c.empty());
    for (const auto& name : c) EXPECT_EQ(gender_of(name), want == 'M' ? "Male" : "Female") << name;
    ASSERT_TRUE(b.choose(c.front()));
  }
  EXPECT_EQ(b.step(), rv::BookingStep::team_names);
}

TEST(Booking, TeamNamesAreProposedAndNeverLeftEmpty) {
  rv::BookableWorker a{"Ash", "Male", "", "", 0, "", false};
  rv::BookableWorker c{"Cole", "Male", "", "", 0, "", false};
  rv::BookableWorker d{"Dane", "Male", "", "", 0, "", false};
  EXPECT_EQ(rv::proposed_team_name({a, c}), "Ash & Cole");
  EXPECT_EQ(rv::proposed_team_name({a, c, d}), "Ash, Cole and Dane");
  a.tagteam = c.tagteam = "The Hollow Pines";
  EXPECT_EQ(rv::proposed_team_name({a, c}), "The Hollow Pines");

  rv::Store s = rvtest::small_store();
  rv::Booking b(s, {});
  first_match(b, "Tag Team");
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(b.choose(b.choices().at(0)));
  ASSERT_EQ(b.step(), rv::BookingStep::team_names);
  EXPECT_EQ(b.team_asked(), 1u);
  EXPECT_FALSE(b.name_team(""));
  EXPECT_EQ(b.team_asked(), 1u);
  ASSERT_TRUE(b.name_team("First Team"));
  ASSERT_TRUE(b.name_team("Second Team"));
  EXPECT_EQ(b.step(), rv::BookingStep::winners);
  EXPECT_TRUE(offers(b, "First Team"));
  EXPECT_EQ(b.line(1, rv::match::first_team + 1), "Second Team");
}

// The answers a second team's name may not be: the first team's name (in any case), the name of
// a worker of the show (in the match or not), and what the name check refuses anywhere.
TEST(Booking, TeamNamesOfOneMatchStayApart) {
  rv::Store s = rvtest::small_store();
  for (std::size_t r : {0, 3, 6, 9}) s.wrestlers.set(r, rv::Col::gender, "Male");
  rv::Booking b(s, {});
  first_match(b, "Tag Team");
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(b.choose_at(0));
  ASSERT_TRUE(b.name_team("Same"));
  for (const std::string name : {"same", "Alpha Worker 8" /* not in the match */, "Vacant", "Two\rLines"}) {
    EXPECT_TRUE(b.team_name_problem(name)) << name;
    EXPECT_FALSE(b.name_team(name)) << name;
    EXPECT_EQ(b.team_asked(), 2u);
  }
  ASSERT_TRUE(b.name_team("Other"));
  EXPECT_EQ(b.choices(), (std::vector<std::string>{"Auto", "Same", "Other"}));

  ASSERT_TRUE(b.choose("Auto"));
  ASSERT_TRUE(b.choose("Auto"));
  ASSERT_TRUE(b.open_slot(2));
  for (const char* step : {"2 on 1 Handicap Match", "None", "None"}) ASSERT_TRUE(b.choose(step));
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(b.choose_at(0));
  const std::string lone = b.line(2, rv::match::first_worker + 2);
  EXPECT_TRUE(b.team_name_problem(lone));
  EXPECT_TRUE(b.name_team("Pair"));
}

// Giving up a team's name steps back one pick: the fourth worker leaves the match (and may be
// picked again), the first team's name goes, the first three workers stay.
TEST(Booking, ACancelledTeamNameStepsBackOnePick) {
  rv::Store s = rvtest::small_store();
  rv::Booking b(s, {});
  first_match(b, "Tag Team");
  EXPECT_FALSE(b.step_back_a_pick());  // nobody picked yet
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(b.choose_at(0));
  ASSERT_TRUE(b.name_team("First Pair"));
  const std::string fourth = b.line(1, rv::match::first_worker + 3);
  ASSERT_TRUE(b.step_back_a_pick());
  EXPECT_EQ(b.step(), rv::BookingStep::participants);
  EXPECT_EQ(b.line(1, rv::match::type), "Tag Team");
  EXPECT_FALSE(b.line(1, rv::match::first_worker + 2).empty());
  EXPECT_TRUE(b.line(1, rv::match::first_worker + 3).empty());
  EXPECT_TRUE(b.line(1, rv::match::first_team).empty());
  EXPECT_FALSE(b.on_card(fourth));
  ASSERT_TRUE(b.choose_worker(fourth));
  EXPECT_EQ(b.step(), rv::BookingStep::team_names);
  EXPECT_EQ(b.team_asked(), 1u);
}

// The suggested card names a team by its members' shared tag team, unless that name is refused
// (here a worker of the show is called so); then the team gets a plain name.
TEST(Booking, ASuggestedTeamNameTheBookingRefusesGivesWay) {
  rv::Store s = rvtest::small_store();
  for (std::size_t r : {1, 2, 4, 5}) s.wrestlers.set(r, rv::Col::tagteam, r < 3 ? "Pine Twins" : "Alpha Worker 7");
  rv::Booking b(s, {});
  first_match(b, "Tag Team");
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(b.choose_at(0));
  ASSERT_TRUE(rv::suggest_step::name_teams(b));
  EXPECT_EQ(b.line(1, rv::match::first_team), "Pine Twins");
  EXPECT_EQ(b.line(1, rv::match::first_team + 1), "Team 2");
}

// A worker whose name reads as the champion does in the pick list is still himself: picking the
// champion and then him books two different workers, never the champion twice.
TEST(Booking, ParticipantsArePickedAsWorkersNotAsListText) {
  rv::Store s = rvtest::small_store();
  const auto title = s.promotion(0).title(0);
  title.put(rv::TitleField::gender_limit, "All");
  title.put(rv::TitleField::brand, "All");
  title.set_holder("Alpha Worker 1");
  s.wrestlers.set(2, rv::Col::names, "Alpha Worker 1 (CHAMPION)");  // as a damaged save may hold him
  rv::Booking b(s, {});
  ASSERT_TRUE(b.choose_count(5));
  ASSERT_TRUE(b.open_slot(1));
  for (const std::string& step : {std::string("Singles"), title.name(), std::string("None")}) ASSERT_TRUE(b.choose(step));
  const std::string shown = "Alpha Worker 1 (CHAMPION)";
  ASSERT_EQ(b.choices().at(0), shown);
  ASSERT_EQ(b.choices().at(1), shown);
  ASSERT_TRUE(b.choose(shown));  // the first entry: the champion
  ASSERT_TRUE(b.choose(shown));  // now the only entry that reads so: the other worker
  EXPECT_EQ(b.line(1, rv::match::first_worker), "Alpha Worker 1");
  EXPECT_EQ(b.line(1, rv::match::first_worker + 1), shown);
  EXPECT_TRUE(b.on_card("Alpha Worker 1"));
  EXPECT_TRUE(b.on_card(shown));

  rv::Booking by_name(s, {});
  ASSERT_TRUE(by_name.choose_count(5));
  ASSERT_TRUE(by_name.open_slot(1));
  for (const std::string& step : {std::string("Singles"), title.name(), std::string("None")}) ASSERT_TRUE(by_name.choose(step));
  ASSERT_TRUE(by_name.choose_worker(shown));
  EXPECT_FALSE(by_name.choose_worker(shown));  // he is on the card already
  ASSERT_TRUE(by_name.choose_worker("Alpha Worker 1"));
  EXPECT_EQ(by_name.line(1, rv::match::first_worker), shown);
  EXPECT_EQ(by_name.line(1, rv::match::first_worker + 1), "Alpha Worker 1");
}

}  // namespace

// Confirm names the first thing the card lacks, in the order the booking asks for it.
TEST(Booking, ConfirmNamesWhatTheCardStillLacks) {
  rv::Store s = rvtest::small_store();
  for (std::size_t r : {0, 3, 6, 9}) s.wrestlers.set(r, rv::Col::gender, "Male");  // ten men
  rv::Booking b(s, {});
  EXPECT_EQ(b.confirm_problem(), "Choose how many matches the show will have first.");
  ASSERT_TRUE(b.choose_count(5));
  EXPECT_EQ(b.confirm_problem(), "Match 1 has not been booked yet.");
  ASSERT_TRUE(b.open_slot(1));
  const auto pick = [&] { ASSERT_TRUE(b.choose(b.choices().at(0))); };
  const auto team = [&] { ASSERT_TRUE(b.name_team("Team " + std::to_string(b.team_asked()))); };
  const auto item = [&](const char* text) { return [&b, text] { ASSERT_TRUE(b.choose(text)); }; };
  const std::vector<std::pair<std::function<void()>, std::string>> steps = {
      {[] {}, "Match 1 has no match type yet."},
      {item("Tag Team"), "Match 1 has no title chosen yet (\"None\" is a choice)."},
      {item("None"), "Match 1 has no stipulation chosen yet (\"None\" is a choice)."},
      {item("None"), "Match 1 has no participants yet."},
      {pick, "Match 1 still needs 3 more participants."},
      {pick, "Match 1 still needs 2 more participants."},
      {pick, "Match 1 still needs 1 more participant."},
      {pick, "Match 1 has teams still to be named."},
      {team, "Match 1 has teams still to be named."},
      {team, "Match 1 has no winner yet."},
      {item("Auto"), "Match 1 has no win type yet."},
      {item("Auto"), "Match 2 has not been booked yet."},
  };
  for (const auto& [act, lacking] : steps) {
    act();
    EXPECT_EQ(b.confirm_problem(), lacking);
    EXPECT_FALSE(b.can_confirm());
  }
  for (std::size_t k = 2; k <= 4; ++k) book_singles(b, k);
  EXPECT_EQ(b.confirm_problem(), "Match 5 has not been booked yet.");
  ASSERT_TRUE(b.open_slot(5));
  EXPECT_EQ(b.confirm_problem(), "Match 5 has no match type yet.");
  ASSERT_TRUE(b.choose("Battle Royal"));
  ASSERT_TRUE(b.choose("None"));
  ASSERT_TRUE(b.choose("None"));
  EXPECT_EQ(b.confirm_problem(), "Match 5 has no participants yet.");
  b.cancel_battle_royal();
  EXPECT_EQ(b.confirm_problem(), "Match 5 has not been booked yet.");
}

// The worker panel beside the booking: each worker's figures, standing and title as the store holds them.
TEST(BookingPanel, EachWorkerWithTheFiguresARatingReads) {
  rv::Store s = rvtest::small_store();
  s.wrestlers.set(0, rv::Col::roles, "3");
  s.wrestlers.set(0, rv::Col::faceheel, "Heel");
  s.wrestlers.set(0, rv::Col::ent, "77");
  s.wrestlers.set(0, rv::Col::hardcore, "12");
  s.wrestlers.set(0, rv::Col::charisma, "64");
  s.wrestlers.set(0, rv::Col::morale, "31");
  s.wrestlers.set(1, rv::Col::roles, "1");
  s.wrestlers.set(1, rv::Col::faceheel, "Face");
  s.wrestlers.set(1, rv::Col::cond, std::string(rv::injured_condition));
  s.wrestlers.set(2, rv::Col::roles, "2");
  s.wrestlers.set(2, rv::Col::faceheel, "Face");
  s.promotion(0).title(0).set_holder("Alpha Worker 2");
  const std::vector<rv::BookableWorker> roster = {
      {"Alpha Worker 0", "Male", "", "", 55, "3", true},
      {"Alpha Worker 1", "Male", "", "", 40, "1", false},
      {"Alpha Worker 2", "Male", "", "", 50, "2", false},
      {"Nobody Known", "Male", "", "", 10, "", false},
  };
  struct Row {
    rv::Num draw, ability, hardcore, charisma, morale, condition;
    const char* role;
    const char* disposition;
    bool champion, on_card;
  };
  const Row expected[] = {
      {55, 77, 12, 64, 31, 90, "Upper Card Worker", "Heel", false, true},
      {40, 60, 40, 50, 70, 0, "Lower Card Worker", "Face", false, false},  // injured: no condition
      {50, 60, 40, 50, 70, 90, "Mid Card Worker", "Face", true, false},
      {10, 0, 0, 0, 0, 0, "Lower Card Worker", "", false, false},  // not in the table: nothing known
  };
  const auto panel = rv::booking_panel(s, roster);
  ASSERT_EQ(panel.size(), std::size(expected));
  for (std::size_t i = 0; i < panel.size(); ++i) {
    const auto& p = panel[i];
    const Row& e = expected[i];
    EXPECT_EQ(p.name, roster[i].name);
    EXPECT_EQ(std::vector<rv::Num>({p.draw, p.ability, p.hardcore, p.charisma, p.morale, p.condition}),
              std::vector<rv::Num>({e.draw, e.ability, e.hardcore, e.charisma, e.morale, e.condition}))
        << i;
    EXPECT_EQ(p.role, e.role) << i;
    EXPECT_EQ(p.champion, e.champion) << i;
    EXPECT_EQ(p.on_card, e.on_card) << i;
    EXPECT_EQ(p.disposition, e.disposition) << i;
  }
}

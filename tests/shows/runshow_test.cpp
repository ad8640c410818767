// Running a show from a confirmed card: the night's steps in order, everything the show leaves
// behind, and a card that can no longer run leaving the game untouched.
#include <gtest/gtest.h>

#include <algorithm>

#include "shows/forecast.h"
#include "support/shownight.h"

namespace {

using ShowRunTest = rvtest::BookedNight;

TEST_F(ShowRunTest, TheNightRunsInOrderAndLeavesItsMark) {
  game.store.set_md(rv::md::main_caption, "Go To Show");
  const auto b = booking();
  const auto messages = game.store.message_count();
  const auto run = rv::run_show(game, booked, b, rv::load_libraries(home));
  ASSERT_TRUE(run.ok()) << run.error();
  EXPECT_EQ(run->results.size(), 5u);
  const auto count = [&](const std::string& marker) { return std::count(run->commentary.begin(), run->commentary.end(), marker); };
  EXPECT_EQ(count("-MATCH-"), 5);
  EXPECT_EQ(count("-SEGMENT-"), 4);  // an interview after every match but the last on a primary show
  EXPECT_EQ(std::count(run->commentary.begin(), run->commentary.end(), "-BLANK-"), 0);
  for (std::size_t k = 0; k < 5; ++k) EXPECT_NE(run->card[k * rv::rec::match + rv::match::winners], "Auto");
  EXPECT_EQ(run->balance_after, game.store.promotion(0).balance());
  // Costs: production at the lowest level, 500, and the hall's 3,200. Every worker is at the
  // reference level 50, so the score is 29 (popularity) + 0 (no stipulations) + 8 (no titles) +
  // 8 (no feuds) + 15 (the last match's crowd) = 60: 300 televised fans x 0.6 = 180 at $30, and
  // merchandise 0.4 x 8 x 180 = 576. The audience of 300 gives 180, a rating of 1.8 + 0.18.
  EXPECT_EQ(run->costs, 3700);
  EXPECT_EQ(run->takings.attendance, 180);
  EXPECT_EQ(run->takings.tickets, 5400);
  EXPECT_EQ(run->takings.merchandise, 576);
  EXPECT_EQ(run->takings.rating, "2.0");
  EXPECT_EQ(run->balance_after - run->balance_before, 5400 + 576 - 3700);
  EXPECT_GE(game.store.message_count(), messages + 2);  // the show's info and its feedback
  EXPECT_EQ(game.store.md(rv::md::main_caption), "Next Day");
  const auto shown = rv::present_show(*run);
  EXPECT_EQ(shown.results_title, "Ringvale Alpha Weekly Results");
  EXPECT_EQ(shown.overall_text, rv::overall_rating_text(run->overall.shown));
}

TEST_F(ShowRunTest, TheExpectedRatingsAreTheNightsOwn) {
  // Two cage matches: the first wears the cage's bonus from 60 to 40, so the first earns 6 for it
  // and the second 4. The cage counts in-ring work only: 60 x 0.65 = 39, + 5 charisma + 5 morale
  // + 9 condition = 58 before the bonus.
  rv::Record cage(game.store.stipulations, 0);
  cage.set(rv::stip::danger, "0");
  cage.set(rv::stip::rating_bonus, "60");
  cage.set(rv::stip::bonus_wear, "20");
  cage.set(rv::stip::skill, "No");
  game.store.set_md(rv::md::main_caption, "Go To Show");
  const auto b = booking({{1, 2}, {4, 5}, {0, 3}, {6, 9}, {7, 8}}, 2);
  const rv::CardForecast ahead = rv::forecast_card(game.store, booked, b);
  EXPECT_EQ(cage.at(rv::stip::rating_bonus), "60");  // looking ahead changes nothing
  const std::array<std::string, 5> expected = {"64", "62", "84", "84", "84"};
  for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(ahead.ratings[k], expected[k]) << k;
  EXPECT_EQ(ahead.terms[1][1].name, "Stipulation: Steel Cage");
  EXPECT_EQ(ahead.terms[1][1].value, 4);

  const auto run = rv::run_show(game, booked, b, rv::load_libraries(home));
  ASSERT_TRUE(run.ok()) << run.error();
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(run->figures.ratings[k], expected[k]) << k;
    ASSERT_EQ(run->figures.terms[k].size(), ahead.terms[k].size()) << k;
    for (std::size_t i = 0; i < ahead.terms[k].size(); ++i) EXPECT_EQ(run->figures.terms[k][i].value, ahead.terms[k][i].value);
  }
  EXPECT_EQ(ahead.overall, "Expected Show Rating: " + rv::overall_rating_figure(run->overall.shown) + "%");
}

TEST_F(ShowRunTest, AGrandMeleeReadsItsWholeResultLineNowAndInTheArchive) {
  rv::Lines melee(rv::rec::stipulation, "0");
  melee[0] = "Battle Royal";
  melee[1] = "Grand Melee";
  game.store.stipulations.insert(game.store.stipulations.end(), melee.begin(), melee.end());
  for (int i = 0; i < 3; ++i) game.store.wrestlers.add(rvtest::worker_row("Extra Worker " + std::to_string(i), "RVA"));
  rv::Booking b(game.store, {});
  rv::Lines file;
  for (const auto& m : std::vector<std::vector<std::string>>{
           {"Singles", "None", "Alpha Worker 1", "Alpha Worker 2"}, {"Women's Match", "None", "Alpha Worker 0", "Alpha Worker 3"},
           {"Singles", "None", "Alpha Worker 4", "Alpha Worker 5"}, {"Women's Match", "None", "Alpha Worker 6", "Alpha Worker 9"},
           {"Battle Royal", "Grand Melee", "Enter All Workers", ""}}) {
    const auto r = rvtest::match_record(m[0], m[1], m[2], m[3]);
    file.insert(file.end(), r.begin(), r.end());
  }
  const auto booked_card = rv::book_card_file(b, file);
  ASSERT_TRUE(booked_card.ok()) << booked_card.error();
  const auto run = rv::run_show(game, booked, b, rv::load_libraries(home));
  ASSERT_TRUE(run.ok()) << run.error();
  ASSERT_TRUE(run->battle_royal);
  const std::string line = run->battle_royal->winner + " won the Grand Melee after last eliminating " + run->battle_royal->runner_up + ".";
  ASSERT_EQ(run->results.size(), 5u);
  EXPECT_EQ(run->results[4].result, line);
  EXPECT_EQ(run->results[4].rating, "");

  const rv::History archive = rv::read_history(game.store.history);
  ASSERT_EQ(archive.shows.size(), 1u);
  const auto again = rv::archived_presentation(archive.shows[0]);
  ASSERT_EQ(again.results.size(), 5u);
  for (std::size_t k = 0; k < 5; ++k) {  // no "Match Rating: 0%" for the battle royal
    EXPECT_EQ(again.results[k].result, run->results[k].result) << k;
    EXPECT_EQ(again.results[k].rating, run->results[k].rating) << k;
  }
  // The archive keeps the overall rating to the hundredth, as the night showed it.
  EXPECT_EQ(again.overall_text, rv::present_show(*run).overall_text);
}

TEST(ArchivedShow, ARealRatingOfNothingIsShown) {
  rv::HistoryShow show{"Monday 8th January 2007", "Alpha Weekly", 100, 350, 1000, {}};
  rv::HistoryMatch singles;
  singles.description = "Singles: A vs B";
  singles.rating = 0;
  singles.result = "A defeated B";
  show.matches = {singles};
  EXPECT_EQ(rv::archived_presentation(show).results.at(0).rating, "Match Rating: 0%");
}

// A row written before the archive kept hundredths reads with its whole number.
TEST(ArchivedShow, TheOverallRatingReadsToTheHundredthWhenKept) {
  const struct {
    rv::Num whole, hundredths;
    const char* text;
  } rows[] = {{58, -1, "Overall Show Rating: 58.00%"},
              {58, 5876, "Overall Show Rating: 58.76%"},
              {0, 80, "Overall Show Rating: .80%"},
              {100, 10000, "Overall Show Rating: 100.00%"}};
  for (const auto& r : rows) {
    rv::HistoryShow show{"Monday 8th January 2007", "Alpha Weekly", r.whole, 350, 1000, {}, r.hundredths};
    EXPECT_EQ(rv::archived_presentation(show).overall_text, r.text) << r.hundredths;
  }
}

TEST_F(ShowRunTest, ACardThatCanNoLongerRunChangesNothing) {
  const auto b = booking();
  game.store.wrestlers.set(4, rv::Col::injury, "12");  // hurt since the card was booked
  const rv::Store before = game.store;
  const auto run = rv::run_show(game, booked, b, rv::load_libraries(home));
  ASSERT_FALSE(run.ok());
  EXPECT_EQ(run.error(), "Alpha Worker 4 can no longer appear on this show. Please change the card.");
  EXPECT_EQ(game.store.maindata, before.maindata);
  EXPECT_EQ(game.store.promotions, before.promotions);
  EXPECT_EQ(game.store.newslist, before.newslist);
}

TEST_F(ShowRunTest, AFeudMatchHeatsItsFeudOnlyAndNeverPastFull) {
  // The first match is Alpha Worker 1 against Alpha Worker 2; their feud sits in the first slot.
  rvtest::start_feud(game.store, "Alpha Worker 2", "Alpha Worker 1", "Hot", "3");
  game.store.set_md(rv::md::feuds_first + rv::feud::heat, "50");
  const std::size_t other = rv::md::feuds_first + rv::md::feud_size;  // a feud of workers not on the card
  game.store.set_md(other + rv::feud::type, "Singles");
  game.store.set_md(other + rv::feud::heat, "50");
  game.store.set_md(other + rv::feud::worker1, "Nobody Here");
  game.store.set_md(other + rv::feud::worker2, "Nobody There");
  const auto b = booking();
  auto run = rv::run_show(game, booked, b, rv::load_libraries(home));
  ASSERT_TRUE(run.ok()) << run.error();
  const rv::Num rating = rv::leading_int(run->figures.ratings[0]);
  const rv::Num gain = rating >= 80 ? 5 : rating >= 60 ? 3 : rating >= 40 ? 1 : 0;
  EXPECT_EQ(game.store.md_num(rv::md::feuds_first + rv::feud::heat), 50 + gain) << "rating " << rating;
  EXPECT_EQ(game.store.md(other + rv::feud::heat), "50");

  game.store.set_md(rv::md::feuds_first + rv::feud::heat, "100");
  game.store.set_md(rv::md::main_caption, "Go To Show");
  run = rv::run_show(game, booked, booking(), rv::load_libraries(home));
  ASSERT_TRUE(run.ok()) << run.error();
  EXPECT_EQ(game.store.md(rv::md::feuds_first + rv::feud::heat), "100");
}

}  // namespace

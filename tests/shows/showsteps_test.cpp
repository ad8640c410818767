// A show's night: its costs, the card's score, the gate and the records, turns, title changes,
// the overall rating and the results.
#include <gtest/gtest.h>

#include "shows/results.h"
#include "shows/showsteps.h"
#include "support/shownight.h"

namespace {

using rvtest::night;

// A singles match for `title` in which Alpha Worker 2 beats its holder, Alpha Worker 1.
rv::Lines title_match(const std::string& title, const char* win_type) {
  rv::Lines card = rvtest::match_record("Singles", "None", "Alpha Worker 1", "Alpha Worker 2");
  card[rv::match::title] = title;
  card[rv::match::winners] = "Alpha Worker 2";
  card[rv::match::win_type] = win_type;
  card.resize(rv::rec::match * rv::rec::match_slots, "");
  return card;
}

TEST(ShowNight, TheGateMovesTheBalanceAndTheRecords) {
  rv::Store s = rvtest::small_store();
  auto p = s.promotion(0);
  // 400 house fans x 80 / 100 = 320 would come: a hall of 300 sells out.
  p.set(rv::prom::size_level, "2");
  const rv::Num before = p.balance();
  rv::take_show_money(s, night(rv::ShowType::secondary, "House", 300), 80);
  // 300 at 5 x (2 + 1) = 15 is 4,500; merchandise 0.4 x 4 x 300 = 480.
  EXPECT_EQ(p.balance(), before + 4500 + 480);
  EXPECT_EQ(s.md(rv::md::record_top_attendance), "300");
  const auto info = s.message(s.message_count() - 1);
  EXPECT_EQ(info.at(rv::msg::subject), "Alpha Weekly Info");
  EXPECT_EQ(info.at(rv::msg::body), "Ticket sales were $4,500.");

  // The next night's crowd counts toward the lowest attendance too.
  const auto tv = rv::take_show_money(s, night(rv::ShowType::primary, "TV"), 80);
  EXPECT_EQ(s.md(rv::md::record_low_attendance), rv::to_text(std::min<rv::Num>(300, tv.attendance)));
}

TEST(ShowNight, EveryMatchOfTheShowCountsInTheOverallRating) {
  // RVA is size 4 with primary production 8 against a target of 10 (adds 13) and secondary
  // production 20 against 9 (adds 20); every match's popularity is 50 (adds 5 against 60) unless
  // a case says otherwise. An empty rating is the battle royal's.
  struct Case {
    const char* what;
    rv::ShowType type;
    std::vector<std::string> ratings;
    double popularity;
    double before_star_power, shown, value;
  };
  const std::string royal;
  const Case cases[] = {
      {"five matches rated 75", rv::ShowType::primary, {"75", "75", "75", "75", "75"}, 50, 60 + 13 + 5, 78, 78 - 25},
      {"four rated 75 and a battle royal", rv::ShowType::primary, {"75", "75", "75", royal, "75"}, 50, 48 + 13 + 5, 66, 66 - 25},
      {"five rated 80 and a battle royal", rv::ShowType::primary, {"80", royal, "80", "80", "80", "80"}, 50,
       400.0 / 6 * 0.8 + 13 + 5, 400.0 / 6 * 0.8 + 13 + 5, 400.0 / 6 * 0.8 + 13 + 5 - 25},
      {"a battle royal and nothing rated", rv::ShowType::primary, {royal, "", "", "", ""}, 50, 0 + 13 + 5, 18, 18 - 25},
      {"a perfect secondary show", rv::ShowType::secondary, {"100", "100", "100", "100", "100"}, 80, 80 + 20 + 10, 100, 110},
      {"a dreadful secondary show", rv::ShowType::secondary, {"0", "0", "0", "0", "0"}, 0, 0 + 20 + 0, 20, 20},
  };
  for (const auto& c : cases) {
    rv::Store s = rvtest::small_store();
    s.promotion(0).set(rv::prom::production_levels, "8");
    s.promotion(0).set(rv::prom::production_levels + 1, "20");
    rv::CardFigures f;
    for (std::size_t k = 0; k < c.ratings.size(); ++k) {
      f.ratings[k] = c.ratings[k];
      f.popularity[k] = c.popularity;
    }
    rv::ShowContext show = night(c.type);
    show.matches = c.ratings.size();
    const auto v = rv::overall_rating(s, show, f);
    EXPECT_NEAR(v.before_star_power, c.before_star_power, 1e-9) << c.what;
    EXPECT_NEAR(v.shown, c.shown, 1e-9) << c.what;
    EXPECT_NEAR(v.value, c.value, 1e-9) << c.what;
  }
}

TEST(ShowNight, TheOverallRatingIsWrittenWithTwoDecimalsAndAtMost100) {
  const std::pair<double, const char*> cases[] = {
      {0, "Overall Show Rating: .00%"},     {0.8, "Overall Show Rating: .80%"},      {9.95, "Overall Show Rating: 9.95%"},
      {78, "Overall Show Rating: 78.00%"},  {100, "Overall Show Rating: 100.00%"},   {103.9, "Overall Show Rating: 100.00%"},
      {-4, "Overall Show Rating: .00%"},
  };
  for (const auto& [rating, text] : cases) EXPECT_EQ(rv::overall_rating_text(rating), text) << rating;
}

TEST(ShowNight, ATelevisedRatingIsWrittenWithOneDecimal) {
  // The audience line is 300 unless set: figure = Int(audience x score / 100), rating = figure /
  // 100 plus a tenth of itself.
  struct Case {
    const char* audience;
    double score;
    const char* rating;
  };
  const Case cases[] = {
      {"300", 0, ".0"},      // nobody watched
      {"300", 20, ".7"},     // 60: .6 + .06
      {"300", 80, "2.6"},    // 240: 2.4 + .24 = 2.64
      {"905", 100, "10.0"},  // 905: 9.05 + .905 = 9.955
      {"900", 100, "9.9"},   // 900: 9.9
  };
  for (const auto& c : cases) {
    rv::Store s = rvtest::small_store();
    s.promotion(0).set_show(0, rv::prom::show::audience, c.audience);
    const auto tv = rv::take_show_money(s, night(rv::ShowType::primary, "TV"), c.score);
    EXPECT_EQ(tv.rating, c.rating) << c.audience << " at " << c.score;
    EXPECT_EQ(s.md(rv::md::last_show_figures), c.rating);
    EXPECT_EQ(s.md(rv::md::record_top_rating), c.rating);  // the first rating is the record
    EXPECT_EQ(s.message(s.message_count() - 1).at(rv::msg::body), std::string("Alpha Weekly drew a ") + c.rating + " rating.");
  }
}

TEST(ShowNight, TurnsTakeEffectAndTheFansRespond) {
  rv::Store s = rvtest::small_store();
  s.set_md(rv::md::turn_freshness, "100");
  rv::append_record(s.turns, {"Alpha Worker 1", "Heel", "Upper", "None", "All", ""});
  rv::append_record(s.turns, {"Beta Worker 1", "Heel", "Upper", "None", "All", ""});
  rv::Lines card(rv::rec::match * rv::rec::match_slots, "");
  card[rv::match::slot] = "1";
  card[rv::match::first_worker] = "Alpha Worker 1";
  const auto turned = rv::take_turns(s, night(rv::ShowType::primary), card, {});
  ASSERT_EQ(turned.size(), 1u);
  EXPECT_EQ(turned[0].points, 8);
  EXPECT_EQ(s.wrestlers.text(1, rv::Col::faceheel), "Heel");
  EXPECT_EQ(s.promotion(0).popularity(), 48);
  EXPECT_EQ(s.md(rv::md::turn_freshness), "40");
  ASSERT_EQ(s.turns.size(), rv::rec::turn);  // the other worker's plan still stands
  EXPECT_EQ(s.turns[rv::turn::worker], "Beta Worker 1");
}

TEST(ShowNight, ATitleChangesHandsAndTheResultsReadIt) {
  rv::Store s = rvtest::small_store();
  rv::Title t = s.promotion(0).title(0);  // level 50, value 80
  t.set_holder("Alpha Worker 1");
  t.put(rv::current_reign, "2");
  const rv::Lines card = title_match(t.name(), "DQ");
  const auto history = s.titlehistory.size();
  EXPECT_EQ(rv::titlecheck(s, card), (std::vector<std::size_t>{0}));
  EXPECT_EQ(t.holder(), "Alpha Worker 2");
  EXPECT_EQ(s.titlehistory.size(), history + rv::rec::title_history);
  EXPECT_TRUE(rv::titlecheck(s, card).empty());  // the holder keeps it next time

  std::array<std::string, rv::rec::match_slots> ratings{};
  ratings[0] = "64";
  const auto blocks = rv::makeresultsscreen(card, ratings, "");
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_EQ(blocks[0].match, "Singles For The " + t.name() + " Match");
  EXPECT_EQ(blocks[0].result, "Alpha Worker 2 defeated Alpha Worker 1 by DQ");
  EXPECT_EQ(blocks[0].rating, "Match Rating: 64%");
}

TEST(ShowNight, ABattleRoyalReadsItsOwnResultLineAndNoRating) {
  rv::Lines card = rvtest::match_record("Battle Royal", "Grand Melee", "", "");
  card[rv::match::winners] = "Alpha Worker 3";
  card.resize(rv::rec::match * rv::rec::match_slots, "");
  const std::array<std::string, rv::rec::match_slots> ratings{};
  const std::pair<std::string, std::string> cases[] = {
      {"Alpha Worker 3 won the Grand Melee after last eliminating Alpha Worker 5.",
       "Alpha Worker 3 won the Grand Melee after last eliminating Alpha Worker 5."},
      {"", "Alpha Worker 3 won the Battle Royal"},  // nothing told: the winner alone
  };
  for (const auto& [told, result] : cases) {
    const auto blocks = rv::makeresultsscreen(card, ratings, told);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].match, "Battle Royal");
    EXPECT_EQ(blocks[0].result, result);
    EXPECT_EQ(blocks[0].rating, "");
  }
}

TEST(ShowNight, ATitleChangeCostsValueByTheLostReignAndTheNewChampionsStanding) {
  // The first title: level 50, value 80; the promotion's popularity is 40.
  const struct {
    const char* reign;
    const char* new_pop;
    rv::Num value, popularity;
    const char* reaction;  // how the message starts, or none
  } rows[] = {
      {"2", "50", 70, 40, nullptr},   // a reign under 3 days: -10
      {"3", "50", 74, 40, nullptr},   // 3 to 6 days: -6
      {"6", "50", 74, 40, nullptr},
      {"7", "50", 77, 40, nullptr},   // 7 to 14 days: -3
      {"14", "50", 77, 40, nullptr},
      {"15", "50", 80, 40, nullptr},
      {"20", "45", 80, 40, nullptr},  // 5 below the level: no reaction
      {"20", "44", 72, 34, "The general reaction to the "},
      {"20", "40", 72, 34, "The general reaction to the "},
      {"20", "39", 62, 28, "A major internet news site had this to say about the title change"},
      {"20", "30", 62, 28, "A major internet news site had this to say about the title change"},
      {"20", "29", 53, 22, "A major internet news site had this to say: 'You have to question"},
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    rv::Title t = s.promotion(0).title(0);
    t.set_holder("Alpha Worker 1");
    t.put(rv::current_reign, r.reign);
    s.wrestlers.set(2, rv::Col::pop, r.new_pop);
    const auto before = s.message_count();
    rv::titlecheck(s, title_match(t.name(), "Normal"));
    EXPECT_EQ(t.value(), r.value) << r.reign << " " << r.new_pop;
    EXPECT_EQ(s.promotion(0).popularity(), r.popularity) << r.reign << " " << r.new_pop;
    if (!r.reaction) {
      EXPECT_EQ(s.message_count(), before) << r.reign << " " << r.new_pop;
      continue;
    }
    ASSERT_EQ(s.message_count(), before + 1);
    EXPECT_EQ(s.message(before).at(rv::msg::body).rfind(r.reaction, 0), 0u) << r.new_pop;
  }
}

TEST(ShowNight, TurnReactionsAtEveryEdge) {
  const struct {
    rv::Num score, points;
  } rows[] = {{0, 0},  {9, 0},  {10, 1}, {14, 1}, {15, 2}, {19, 2}, {20, 3}, {24, 3}, {25, 4},
              {29, 4}, {30, 4}, {39, 4}, {40, 5}, {49, 5}, {50, 6}, {59, 6}, {60, 8}, {100, 8}};
  for (const auto& r : rows) {
    EXPECT_EQ(rv::react_to_turn(r.score, 100, "X").points, r.points) << r.score;
    EXPECT_EQ(rv::react_to_turn(100, r.score, "X").points, r.points) << r.score;  // the fans' appetite caps it
  }
}

}  // namespace

// A show's night: its costs, the card's score, the gate and the records, turns, title changes,
// the overall rating and the results.
#include <gtest/gtest.h>

#include "shows/results.h"
#include "shows/showsteps.h"
#include "support/world.h"

namespace {

rv::ShowContext show_of(rv::ShowType type, std::string broadcast = "House", rv::Num capacity = 5000) {
  rv::ShowContext c;
  c.show.name = "Alpha Weekly";
  c.show.type = type;
  c.show.broadcast = std::move(broadcast);
  c.show.televised = c.show.broadcast != "House";
  c.show.regular_slot = 0;
  c.capacity = capacity;
  c.hire_cost = capacity * 8;
  c.matches = 5;
  return c;
}

TEST(ShowNight, CostsAndTheGateMoveTheBalanceByExactlyTheirSums) {
  rv::Store s = rvtest::small_store();
  auto p = s.promotion(0);
  p.set(rv::prom::production_levels, "20");
  const rv::Num start = p.balance();
  EXPECT_EQ(rv::pay_show_costs(s, show_of(rv::ShowType::primary, "House", 400)), 1250000 + 3200);
  EXPECT_EQ(p.balance(), start - 1250000 - 3200);

  p.set(rv::prom::size_level, "6");
  p.set(rv::prom::production_levels + 2, "1");
  s.set_md(rv::md::next_big_show_level, "3");
  EXPECT_EQ(rv::pay_show_costs(s, show_of(rv::ShowType::big, "House", 0)), 500 + 1000000);

  // 400 house fans x 80 / 100 = 320 would come: a hall of 300 sells out.
  p.set(rv::prom::size_level, "2");
  const rv::Num before = p.balance();
  const auto t = rv::take_show_money(s, show_of(rv::ShowType::secondary, "House", 300), 80);
  EXPECT_TRUE(t.sold_out);
  EXPECT_EQ(t.attendance, 300);
  EXPECT_EQ(t.attendance_text, "300 (Sell-Out)");
  // 300 at 5 x (2 + 1) = 15 is 4,500; merchandise 0.4 x 4 x 300 = 480.
  EXPECT_EQ(t.tickets, 4500);
  EXPECT_EQ(t.merchandise, 480);
  EXPECT_EQ(p.balance(), before + 4500 + 480);
  EXPECT_EQ(s.md(rv::md::record_top_attendance), "300");
  const auto info = s.message(s.message_count() - 1);
  EXPECT_EQ(info.at(rv::msg::subject), "Alpha Weekly Info");
  EXPECT_EQ(info.at(rv::msg::body), "Ticket sales were $4,500.");

  // A televised show draws a rating from its audience: 300 x 80 / 100 = 240, so 2.4 and a tenth.
  const auto tv = rv::take_show_money(s, show_of(rv::ShowType::primary, "TV"), 80);
  EXPECT_EQ(tv.rating, "2.6");
  EXPECT_EQ(s.message(s.message_count() - 1).at(rv::msg::body), "Alpha Weekly drew a 2.6 rating.");
  EXPECT_EQ(s.md(rv::md::record_low_attendance), rv::to_text(std::min<rv::Num>(300, tv.attendance)));
}

TEST(ShowNight, TheScoreAndTheOverallRating) {
  rv::Store s = rvtest::small_store();
  rv::CardFigures f;
  f.reference_level = 50;
  // No titles and no feuds on a secondary show give 12 + 10, and nothing else counts here.
  EXPECT_DOUBLE_EQ(rv::show_score(s, show_of(rv::ShowType::secondary), f), 22);
  f.crowd_points = 17;
  f.title_matches = 2;
  f.title_value_sum = 170;  // an average of 85
  EXPECT_DOUBLE_EQ(rv::show_score(s, show_of(rv::ShowType::secondary), f), 14 + 10 + 17);

  // Five matches rated 75 give 60, production 8 against a target of 10 adds 13, a card popularity
  // of 50 adds 5; a primary show without a star then costs 25.
  s.promotion(0).set(rv::prom::production_levels, "8");
  for (std::size_t k = 0; k < 5; ++k) {
    f.ratings[k] = "75";
    f.popularity[k] = 50;
  }
  const auto v = rv::overall_rating(s, show_of(rv::ShowType::primary), f);
  EXPECT_DOUBLE_EQ(v.before_star_power, 60 + 13 + 5);
  EXPECT_DOUBLE_EQ(v.value, 78 - 25);
  EXPECT_EQ(rv::overall_rating_text(v.before_star_power), "Overall Show Rating: 78.00%");
  rv::apply_overall_rating(s, show_of(rv::ShowType::primary), v.value);
  EXPECT_EQ(s.promotion(0).popularity(), 40 - 8);
  EXPECT_EQ(s.promotion(0).show(0, rv::prom::show::rating), "42");
}

TEST(ShowNight, TurnsTakeEffectAndTheFansRespond) {
  rv::Store s = rvtest::small_store();
  s.set_md(rv::md::turn_freshness, "100");
  rv::append_record(s.turns, {"Alpha Worker 1", "Heel", "Upper", "None", "All", ""});
  rv::append_record(s.turns, {"Beta Worker 1", "Heel", "Upper", "None", "All", ""});
  rv::Lines card(rv::rec::match * rv::rec::match_slots, "");
  card[rv::match::slot] = "1";
  card[rv::match::first_worker] = "Alpha Worker 1";
  const auto turned = rv::take_turns(s, show_of(rv::ShowType::primary), card, {});
  ASSERT_EQ(turned.size(), 1u);
  EXPECT_EQ(turned[0].points, 8);
  EXPECT_EQ(s.wrestlers.text(1, rv::Col::faceheel), "Heel");
  EXPECT_EQ(s.promotion(0).popularity(), 48);
  EXPECT_EQ(s.md(rv::md::turn_freshness), "40");
  ASSERT_EQ(s.turns.size(), rv::rec::turn);  // the other worker's plan still stands
  EXPECT_EQ(s.turns[rv::turn::worker], "Beta Worker 1");
  EXPECT_EQ(rv::react_to_turn(60, 59, "X").points, 6);  // the fans' appetite limits the response
}

TEST(ShowNight, ATitleChangesHandsAndTheResultsReadIt) {
  rv::Store s = rvtest::small_store();
  rv::Title t = s.promotion(0).title(0);  // level 50, value 80
  t.set_holder("Alpha Worker 1");
  t.put(rv::current_reign, "2");
  s.wrestlers.set(2, rv::Col::pop, "42");  // eight below the title's level
  rv::Lines card(rv::rec::match * rv::rec::match_slots, "");
  auto put = [&](std::size_t field, std::string v) { card[field] = std::move(v); };
  put(rv::match::slot, "1");
  put(rv::match::type, "Singles");
  put(rv::match::title, t.name());
  put(rv::match::winners, "Alpha Worker 2");
  put(rv::match::win_type, "DQ");
  put(rv::match::first_worker, "Alpha Worker 1");
  put(rv::match::first_worker + 1, "Alpha Worker 2");
  const auto history = s.titlehistory.size();
  EXPECT_EQ(rv::titlecheck(s, card), (std::vector<std::size_t>{0}));
  EXPECT_EQ(t.holder(), "Alpha Worker 2");
  EXPECT_EQ(s.titlehistory.size(), history + rv::rec::title_history);
  EXPECT_EQ(t.value(), 80 - 10 - 8);  // a two-day reign, and a champion not big enough
  EXPECT_EQ(s.promotion(0).popularity(), 40 - 6);
  EXPECT_EQ(s.message(s.message_count() - 1).at(rv::msg::subject), "Reaction To Title Change");
  EXPECT_TRUE(rv::titlecheck(s, card).empty());  // the holder keeps it next time

  std::array<std::string, rv::rec::match_slots> ratings{};
  ratings[0] = "64";
  const auto blocks = rv::makeresultsscreen(card, ratings, " won the Battle Royal");
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_EQ(blocks[0].match, "Singles For The " + t.name() + " Match");
  EXPECT_EQ(blocks[0].result, "Alpha Worker 2 defeated Alpha Worker 1 by DQ");
  EXPECT_EQ(blocks[0].rating, "Match Rating: 64%");
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
    rv::Lines card(rv::rec::match * rv::rec::match_slots, "");
    card[rv::match::slot] = "1";
    card[rv::match::type] = "Singles";
    card[rv::match::title] = t.name();
    card[rv::match::winners] = "Alpha Worker 2";
    card[rv::match::win_type] = "Normal";
    card[rv::match::first_worker] = "Alpha Worker 1";
    card[rv::match::first_worker + 1] = "Alpha Worker 2";
    const auto before = s.message_count();
    rv::titlecheck(s, card);
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

// Rating a card and deciding its winners: the rating's parts and bounds, stipulation wear,
// condition and injuries, defended titles, feuds, battle royals and the odds of each side.
#include <gtest/gtest.h>

#include <map>

#include "shows/rating.h"
#include "support/world.h"

namespace {

using rv::Col;

// A card with one match in slot `slot` (0-based).
struct Card {
  rv::Lines lines = rv::Lines(rv::rec::match * rv::rec::match_slots, "");
  Card& add(std::size_t slot, const std::string& type, const std::vector<std::string>& workers,
            const std::string& stipulation = "None", const std::string& title = "None",
            const std::string& win_type = "Auto", const std::string& winners = "Auto") {
    const std::size_t b = slot * rv::rec::match;
    lines[b + rv::match::slot] = std::to_string(slot + 1);
    lines[b + rv::match::type] = type;
    lines[b + rv::match::stipulation] = stipulation;
    lines[b + rv::match::title] = title;
    lines[b + rv::match::winners] = winners;
    lines[b + rv::match::win_type] = win_type;
    for (std::size_t i = 0; i < workers.size(); ++i) lines[b + rv::match::first_worker + i] = workers[i];
    return *this;
  }
  Card& team(std::size_t slot, std::size_t k, const std::string& name) {
    lines[slot * rv::rec::match + rv::match::first_team + k] = name;
    return *this;
  }
  const std::string& at(std::size_t slot, std::size_t field) const { return lines[slot * rv::rec::match + field]; }
};

const std::string a0 = "Alpha Worker 0", a1 = "Alpha Worker 1", a2 = "Alpha Worker 2", a3 = "Alpha Worker 3";

void set_all(rv::Store& s, Col c, const std::string& v) {
  for (std::size_t r = 0; r < s.worker_count(); ++r) s.wrestlers.set(r, c, v);
}

std::string rate_one(rv::Store& s, const Card& c, std::uint64_t seed = 1) {
  rv::Rng rng(seed);
  return rv::matchstats(s, c.lines, {}, rng).ratings[0];
}

TEST(MatchRating, StipulationsWearDownAndCostConditionAndInjure) {
  rv::Store s = rvtest::small_store();
  rv::Record stip(s.stipulations, 0);  // Singles "Steel Cage"
  stip.set(rv::stip::danger, "18");
  stip.set(rv::stip::crowd_value, "3");
  stip.set(rv::stip::crowd_wear, "5");
  stip.set(rv::stip::rating_bonus, "60");
  stip.set(rv::stip::bonus_wear, "NA");
  stip.set(rv::stip::skill, "No");
  s.wrestlers.set(1, Col::retire, "35");
  // In-ring only: 60 x 0.65 + bonus 6 + charisma 5 + morale 5 + condition 9.
  EXPECT_EQ(rate_one(s, Card().add(0, "Singles", {a0, a1}, "Steel Cage")), "64");
  EXPECT_EQ(stip.at(rv::stip::crowd_value), "0");
  EXPECT_EQ(stip.at(rv::stip::rating_bonus), "60");
  EXPECT_EQ(s.wrestlers.text(0, Col::cond), "67");  // (35 - 12) x 9 / 9 lost
  EXPECT_EQ(s.wrestlers.text(1, Col::cond), "90");  // retiring at 35 costs nothing

  // The most dangerous stipulation on a worn-out worker still injures only one time in two.
  stip.set(rv::stip::danger, "100");
  int injured = 0;
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    rv::Store t = s;
    t.wrestlers.set(2, Col::retire, "0");
    rv::Rng rng(seed);
    const auto figures = rv::matchstats(t, Card().add(0, "Singles", {a2, a3}, "Steel Cage").lines, {}, rng);
    if (t.wrestlers.text(2, Col::cond) != rv::injured_condition) continue;
    ++injured;
    ASSERT_FALSE(figures.injuries.empty());
    const auto& hurt = figures.injuries.front();
    EXPECT_EQ(hurt.worker, a2);
    EXPECT_EQ(t.wrestlers.text(2, Col::injury), std::to_string(hurt.days));
    EXPECT_EQ(t.wrestlers.text(2, Col::status), "Out until " + hurt.return_date + " with " + hurt.text + ".");
    const auto told = t.message(t.message_count() - figures.injuries.size());  // one message per injury
    EXPECT_NE(told.at(rv::msg::body).find(hurt.text), std::string::npos);
  }
  EXPECT_GT(injured, 110);
  EXPECT_LT(injured, 190);
}

TEST(MatchRating, DefendedTitlesAndFeudsAndTheCardFigures) {
  rv::Store s = rvtest::small_store();
  const std::string title = "Ringvale Alpha Title";  // value 80, level 50
  rv::Title t = s.promotion(0).title(0);
  t.set_holder(a0);
  rv::Rng rng(3);
  auto figures = rv::matchstats(s, Card().add(0, "Singles", {a0, a1}, "None", title).lines, {}, rng);
  EXPECT_EQ(t.value(), 80);  // rated 84: kept
  EXPECT_EQ(t.get(rv::defences), "1");
  EXPECT_EQ(figures.title_matches, 1);
  EXPECT_DOUBLE_EQ(figures.title_value_sum, 80);
  EXPECT_EQ(figures.star_points, 40);  // both at the reference level
  EXPECT_EQ(figures.crowd_points, 17);  // 17 for the popularity and 1 for the title, capped

  // A feud between the two, named either way round, adds a tenth of its heat.
  rvtest::start_feud(s, a1, a0);
  s.set_md(rv::md::feuds_first + rv::feud::heat, "50");
  EXPECT_EQ(rate_one(s, Card().add(0, "Singles", {a0, a1})), "89");
  EXPECT_EQ(rate_one(s, Card().add(0, "Triple Threat", {a0, a1, a2})), "84");

  // Eight matches: the star points stop at a hundred and every slot gets its rating.
  Card full;
  for (std::size_t k = 0; k < 8; ++k) full.add(k, "Singles", {"Beta Worker " + std::to_string(k), "Free Worker 0"});
  figures = rv::matchstats(s, full.lines, {}, rng);
  EXPECT_EQ(figures.star_points, 100);
  EXPECT_FALSE(figures.ratings[7].empty());
  EXPECT_TRUE(figures.ratings[8].empty());
}

TEST(MatchRating, ABattleRoyalIsRatedOnItsEntrants) {
  rv::Store s = rvtest::small_store();
  s.wrestlers.set(0, Col::pop, "45");  // within ten of the reference level
  s.wrestlers.set(1, Col::pop, "20");
  Card c;
  c.add(0, "Battle Royal", {"3 Participants", "Runner Up: Auto"});
  rv::Rng rng(5);
  const auto figures = rv::matchstats(s, c.lines, {false, {a0, a1, a2}}, rng);
  EXPECT_TRUE(figures.ratings[0].empty());
  EXPECT_EQ(figures.star_points, 3 + 10);
  EXPECT_EQ(figures.crowd_points, 13);  // popularity Int(115 / 3) = 38, twelve under the level

  std::map<std::string, int> wins;
  for (int i = 0; i < 300; ++i) {
    Card royal = c;
    rv::choosewinner(s, royal.lines, {a0, a1, a2}, rng);
    ++wins[royal.at(0, rv::match::winners)];
  }
  EXPECT_EQ(wins.size(), 3u);
  for (const auto& [name, count] : wins) EXPECT_GT(count, 60) << name;
}

TEST(WinnerChoice, TheOddsFollowTheGapBetweenTheSides) {
  rv::Store s = rvtest::small_store();
  Card fixed;
  fixed.add(0, "Singles", {a0, a1}, "None", "None", "Auto", a1).add(1, "Singles", {a2, a3}, "None", "None", "DQ");
  rv::Rng rng(1);
  rv::choosewinner(s, fixed.lines, {}, rng);
  EXPECT_EQ(fixed.at(0, rv::match::winners), a1);
  EXPECT_EQ(fixed.at(0, rv::match::win_type), "Normal");
  EXPECT_NE(fixed.at(1, rv::match::winners), "Auto");
  EXPECT_EQ(fixed.at(1, rv::match::win_type), "Normal");

  // A team's score is its members' mean, 62 (62.5 rounded down) against 50: the weaker team's
  // name wins on the last face of seven.
  s.wrestlers.set(0, Col::pop, "75");
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    Card tag = Card().add(0, "Tag Team", {a0, a1, a2, a3}).team(0, 0, "Firsts").team(0, 1, "Seconds");
    rv::Rng probe(seed);
    const std::string expected = probe.draw(7) == 7 ? "Seconds" : "Firsts";
    rv::Rng draw(seed);
    rv::choosewinner(s, tag.lines, {}, draw);
    ASSERT_EQ(tag.at(0, rv::match::winners), expected) << "seed " << seed;
  }
}

TEST(MatchRating, MoraleAndConditionLadders) {
  // Hardcore 40 and in-ring 60 give 65, charisma 50 adds 5; then the two ladders.
  const struct {
    const char* morale;
    const char* cond;
    const char* rating;
  } rows[] = {
      {"49", "90", "79"}, {"50", "90", "80"}, {"54", "90", "80"}, {"55", "90", "81"}, {"89", "90", "87"},
      {"90", "90", "88"}, {"94", "90", "88"}, {"95", "90", "89"}, {"100", "90", "89"},
      {"70", "0", "15"},  {"70", "49", "64"}, {"70", "50", "76"}, {"70", "54", "76"}, {"70", "55", "77"},
      {"70", "94", "84"}, {"70", "95", "85"},
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    set_all(s, Col::morale, r.morale);
    set_all(s, Col::cond, r.cond);
    EXPECT_EQ(rate_one(s, Card().add(0, "Singles", {a0, a1})), r.rating) << r.morale << " " << r.cond;
  }
}

TEST(MatchRating, ADefendedTitlesValueMovesAtNinetyAndBelowSeventy) {
  const struct {
    const char* morale;
    const char* cond;
    const char* charisma;
    const char* value_before;
    rv::Num rating, value_after;
  } rows[] = {
      {"95", "95", "50", "80", 90, 82},  // 65 + 5 + 10 + 10
      {"95", "94", "50", "80", 89, 80},
      {"49", "50", "40", "80", 70, 80},  // 65 + 4 + 0 + 1
      {"49", "50", "30", "80", 69, 78},
      {"95", "95", "50", "99", 90, 100},
      {"49", "50", "30", "2", 69, 1},
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    set_all(s, Col::morale, r.morale);
    set_all(s, Col::cond, r.cond);
    set_all(s, Col::charisma, r.charisma);
    rv::Title t = s.promotion(0).title(0);
    t.put(rv::TitleField::value, r.value_before);
    rv::Rng rng(1);
    const auto f = rv::matchstats(s, Card().add(0, "Singles", {a0, a1}, "None", t.name()).lines, {}, rng);
    EXPECT_EQ(f.ratings[0], std::to_string(r.rating));
    EXPECT_EQ(t.value(), r.value_after) << r.rating << " from " << r.value_before;
  }
}

TEST(MatchRating, CrowdPointsByPopularityAgainstTheLevel) {
  // The level is 50; no title and no stipulation. Below the lowest band the crowd keeps the
  // value it had (none yet).
  const struct {
    bool major;
    const char* pop;
    rv::Num crowd;
  } rows[] = {
      {true, "55", 17},  {true, "54", 15},  {true, "50", 15},  {true, "49", 13},  {true, "45", 13},
      {true, "44", 8},   {true, "40", 8},   {true, "39", 2},   {true, "35", 2},   {true, "34", 1},
      {true, "30", 1},   {true, "29", 0},   {false, "45", 17}, {false, "44", 15}, {false, "40", 15},
      {false, "39", 13}, {false, "35", 13}, {false, "34", 10}, {false, "30", 10}, {false, "29", 5},
      {false, "25", 5},  {false, "24", 2},  {false, "20", 2},  {false, "19", 0},
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    set_all(s, Col::pop, r.pop);
    rv::Rng rng(1);
    rv::CardSetting setting;
    setting.major_show = r.major;
    EXPECT_EQ(rv::matchstats(s, Card().add(0, "Singles", {a0, a1}).lines, setting, rng).crowd_points, r.crowd)
        << (r.major ? "major " : "other ") << r.pop;
  }
}

TEST(WinnerChoice, EachGapBandDrawsItsOwnDieAndPlaces) {
  // For each number of sides and gap: the size of the draw and the last face each place wins,
  // best place first. The same seed gives the same face, so every draw is checked exactly.
  const struct {
    std::size_t sides;
    rv::Num gap;
    std::vector<int> last;
  } rows[] = {
      {2, 0, {1, 2}},           {2, 4, {1, 2}},           {2, 5, {3, 4}},           {2, 9, {3, 4}},
      {2, 10, {6, 7}},          {2, 14, {6, 7}},          {2, 15, {10, 11}},        {2, 19, {10, 11}},
      {2, 20, {25, 26}},        {2, 90, {25, 26}},        {3, 4, {1, 2, 3}},        {3, 5, {3, 5, 6}},
      {3, 10, {6, 9, 10}},      {3, 15, {10, 15, 16}},    {3, 20, {25, 37, 38}},    {4, 4, {1, 2, 3, 4}},
      {4, 5, {4, 7, 9, 10}},    {4, 10, {6, 10, 12, 13}}, {4, 15, {10, 17, 21, 22}}, {4, 20, {25, 43, 51, 52}},
      {6, 4, {1, 2, 3, 4, 5, 6}},       {6, 5, {6, 11, 15, 18, 20, 21}},  {6, 14, {12, 22, 30, 36, 39, 40}},
      {6, 15, {20, 37, 50, 59, 64, 65}}, {6, 20, {30, 55, 75, 90, 98, 99}},
  };
  for (const auto& r : rows) {
    for (std::uint64_t seed = 1; seed <= 400; ++seed) {
      rv::Rng probe(seed);
      const int face = probe.draw(r.last.back());
      std::size_t expected = 0;
      while (face > r.last[expected]) ++expected;
      rv::Rng rng(seed);
      const std::size_t place = rv::winning_place(r.sides, r.gap, rng);
      ASSERT_EQ(place, expected) << r.sides << " sides, gap " << r.gap << ", seed " << seed;
    }
  }
}

TEST(WinnerChoice, HandicapAndIntergenderDrawsAtTheirEdges) {
  // Handicap: the pair's scores less the lone worker's, D. The lone worker wins on faces 1-7 of
  // 10 up to 60, 1-4 up to 70, 1-2 up to 80, then only face 1 of 21.
  // Intergender: line 6 less line 7. 10 or more: line 6 always; 0 to 9: line 7 on face 1 of 10;
  // below 0: line 7 on faces 1-3 of 10.
  const struct {
    const char* type;
    const char* pops[3];
    int die, upto;  // the worker of line 7 (intergender) or line 8 (handicap) wins on faces 1..upto
  } rows[] = {
      {"2 on 1 Handicap Match", {"80", "30", "50"}, 10, 7},   // D = 60
      {"2 on 1 Handicap Match", {"80", "31", "50"}, 10, 4},   // 61
      {"2 on 1 Handicap Match", {"80", "40", "50"}, 10, 4},   // 70
      {"2 on 1 Handicap Match", {"80", "41", "50"}, 10, 2},   // 71
      {"2 on 1 Handicap Match", {"80", "50", "50"}, 10, 2},   // 80
      {"2 on 1 Handicap Match", {"80", "51", "50"}, 21, 1},   // 81
      {"Intergender Match", {"60", "50", "0"}, 10, 0},        // 10
      {"Intergender Match", {"59", "50", "0"}, 10, 1},        // 9
      {"Intergender Match", {"50", "50", "0"}, 10, 1},        // 0
      {"Intergender Match", {"49", "50", "0"}, 10, 3},        // -1
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    for (std::size_t i = 0; i < 3; ++i) s.wrestlers.set(i, Col::pop, r.pops[i]);
    const bool handicap = std::string(r.type) == "2 on 1 Handicap Match";
    const std::string underdog = handicap ? a2 : a1;
    const std::string favourite = handicap ? "The Pair" : a0;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
      Card c;
      if (handicap) c.add(0, r.type, {a0, a1, a2}).team(0, 0, "The Pair");
      else c.add(0, r.type, {a0, a1});
      rv::Rng probe(seed);
      const bool upset = probe.draw(r.die) <= r.upto;
      rv::Rng rng(seed);
      rv::choosewinner(s, c.lines, {}, rng);
      ASSERT_EQ(c.at(0, rv::match::winners), upset ? underdog : favourite) << r.type << " " << r.pops[1] << " seed " << seed;
    }
  }
}

TEST(MatchRating, CrowdBonusesForTheTitleAndTheStipulation) {
  // Level 50. A major show's crowd at popularity 30 gives 1, any other show's at 20 gives 2; the
  // title (value kept: the match rates 84) and the stipulation (no wear) add their bonuses.
  const struct {
    bool major;
    const char* title_value;
    const char* crowd_value;
    rv::Num crowd;
  } rows[] = {
      {true, "90", "0", 1 + 5},   {true, "89", "0", 1 + 3},   {true, "85", "0", 1 + 3},   {true, "84", "0", 1 + 1},
      {true, "80", "0", 1 + 1},   {true, "79", "0", 1},       {true, "", "90", 1 + 5},    {true, "", "89", 1 + 4},
      {true, "", "80", 1 + 4},    {true, "", "79", 1 + 3},    {true, "", "70", 1 + 3},    {true, "", "69", 1 + 2},
      {true, "", "60", 1 + 2},    {true, "", "59", 1 + 1},    {true, "", "50", 1 + 1},    {true, "", "49", 1},
      {false, "85", "0", 2 + 5},  {false, "84", "0", 2 + 3},  {false, "80", "0", 2 + 3},  {false, "79", "0", 2 + 1},
      {false, "75", "0", 2 + 1},  {false, "74", "0", 2},      {false, "", "70", 2 + 5},   {false, "", "69", 2 + 3},
      {false, "", "60", 2 + 3},   {false, "", "59", 2 + 1},   {false, "", "50", 2 + 1},   {false, "", "49", 2},
      {true, "90", "90", 1 + 5 + 5},  {false, "90", "90", 2 + 5 + 5},
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    set_all(s, Col::pop, r.major ? "30" : "20");
    rv::Record stip(s.stipulations, 0);  // Singles "Steel Cage", harmless but for its crowd value
    stip.set(rv::stip::crowd_value, r.crowd_value);
    stip.set(rv::stip::crowd_wear, "NA");
    stip.set(rv::stip::bonus_wear, "NA");
    std::string title = "None";
    if (*r.title_value) {
      rv::Title t = s.promotion(0).title(0);
      t.put(rv::TitleField::value, r.title_value);
      title = t.name();
    }
    rv::CardSetting setting;
    setting.major_show = r.major;
    rv::Rng rng(1);
    const auto f = rv::matchstats(s, Card().add(0, "Singles", {a0, a1}, "Steel Cage", title).lines, setting, rng);
    EXPECT_EQ(f.crowd_points, r.crowd) << (r.major ? "major" : "other") << " title " << r.title_value << " stipulation " << r.crowd_value;
  }
}

TEST(MatchRating, StarPointsByPopularityAgainstTheLevel) {
  // Two workers of the same popularity against the level 50: 20 each from 45, 5 each from 38.
  const struct {
    const char* pop;
    rv::Num stars;
  } rows[] = {{"99", 40}, {"45", 40}, {"44", 10}, {"38", 10}, {"37", 0}};
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    set_all(s, Col::pop, r.pop);
    rv::Rng rng(1);
    EXPECT_EQ(rv::matchstats(s, Card().add(0, "Singles", {a0, a1}).lines, {}, rng).star_points, r.stars) << r.pop;
  }
}

}  // namespace

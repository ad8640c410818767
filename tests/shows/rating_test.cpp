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

TEST(MatchRating, BuildsFromTheWorkersAndStaysWithinOneToAHundred) {
  rv::Store s = rvtest::small_store();
  // Every worker: hardcore 40, in-ring 60, charisma 50, morale 70, condition 90.
  EXPECT_EQ(rate_one(s, Card().add(0, "Singles", {a0, a1})), "84");
  EXPECT_EQ(rate_one(s, Card().add(0, "Singles", {a0, a1}, "None", "None", "DQ")), "76");
  EXPECT_EQ(rate_one(s, Card().add(0, "Singles", {"Nobody", "Nobody Else"})), "1");

  set_all(s, Col::cond, "49");  // tired workers cost the match 11 points
  EXPECT_EQ(rate_one(s, Card().add(0, "Singles", {a0, a1})), "64");
  set_all(s, Col::cond, "50");
  EXPECT_EQ(rate_one(s, Card().add(0, "Singles", {a0, a1})), "76");

  set_all(s, Col::hardcore, "100");
  set_all(s, Col::ent, "100");
  std::map<std::string, int> seen;
  for (std::uint64_t seed = 1; seed <= 400; ++seed) ++seen[rate_one(s, Card().add(0, "Singles", {a0, a1}), seed)];
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_GT(seen["100"], 60);
  EXPECT_LT(seen["100"], 140);  // a quarter of 400
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
    EXPECT_EQ(told.at(rv::msg::sender), "Head Trainer");
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
  set_all(s, Col::cond, "49");
  figures = rv::matchstats(s, Card().add(0, "Singles", {a0, a1}, "None", title).lines, {}, rng);
  EXPECT_EQ(t.value(), 78);  // rated 64: it loses value
  t.put(rv::TitleField::value, "1");
  rv::matchstats(s, Card().add(0, "Singles", {a0, a1}, "None", title).lines, {}, rng);
  EXPECT_EQ(t.value(), 1);
  set_all(s, Col::cond, "90");

  // A feud between the two, named either way round, adds a tenth of its heat.
  rvtest::start_feud(s, a1, a0);
  s.set_md(rv::md::feuds_first + rv::feud::heat, "50");
  EXPECT_EQ(rate_one(s, Card().add(0, "Singles", {a0, a1})), "89");
  EXPECT_EQ(rate_one(s, Card().add(0, "Triple Threat", {a0, a1, a2})), "84");
  t.put(rv::TitleField::value, "99");
  rv::matchstats(s, Card().add(0, "Singles", {a0, a1}, "None", title).lines, {}, rng);
  EXPECT_EQ(t.value(), 99);  // 89 is not enough to raise it
  set_all(s, Col::charisma, "100");
  rv::matchstats(s, Card().add(0, "Singles", {a0, a1}, "None", title).lines, {}, rng);
  EXPECT_EQ(t.value(), 100);

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

// How often each winner comes out of `draws` decisions of the same match.
std::map<std::string, int> winners(const rv::Store& s, const Card& c, int draws = 2000) {
  std::map<std::string, int> out;
  rv::Rng rng(11);
  for (int i = 0; i < draws; ++i) {
    Card d = c;
    rv::choosewinner(s, d.lines, {}, rng);
    ++out[d.at(0, rv::match::winners)];
  }
  return out;
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

  auto even = winners(s, Card().add(0, "Singles", {a0, a1}));
  EXPECT_NEAR(even[a0], 1000, 120);

  s.wrestlers.set(0, Col::pop, "75");  // 25 ahead
  auto lopsided = winners(s, Card().add(0, "Singles", {a1, a0}));
  EXPECT_NEAR(lopsided[a1], 2000 / 26, 40);

  // A team's score is its members' mean; the team's name wins.
  auto tag = winners(s, Card().add(0, "Tag Team", {a0, a1, a2, a3}).team(0, 0, "Firsts").team(0, 1, "Seconds"));
  EXPECT_EQ(tag.size(), 2u);
  EXPECT_NEAR(tag["Seconds"], 2000 / 7, 60);  // 62 (62.5 rounded down) against 50

  // Six sides 10 to 15 apart at the top: the weakest side wins on the last of 40 draws.
  s.wrestlers.set(0, Col::pop, "62");
  std::vector<std::string> six = {a1, a2, a3, "Alpha Worker 4", "Alpha Worker 5", a0};
  s.wrestlers.set(5, Col::pop, "10");
  auto dance = winners(s, Card().add(0, "6 Way Dance", six), 4000);
  EXPECT_NEAR(dance[a0], 4000 * 12 / 40, 150);
  EXPECT_NEAR(dance["Alpha Worker 5"], 100, 50);
}

TEST(WinnerChoice, HandicapAndIntergenderMatchesHaveTheirOwnOdds) {
  rv::Store s = rvtest::small_store();
  s.wrestlers.set(0, Col::pop, "80");
  s.wrestlers.set(1, Col::pop, "30");
  s.wrestlers.set(2, Col::pop, "50");  // the pair outscores the lone worker by exactly 60
  auto handicap = winners(s, Card().add(0, "2 on 1 Handicap Match", {a0, a1, a2}).team(0, 0, "The Pair"));
  EXPECT_NEAR(handicap[a2], 1400, 90);
  EXPECT_EQ(handicap["The Pair"] + handicap[a2], 2000);

  s.wrestlers.set(2, Col::pop, "0");
  s.wrestlers.set(3, Col::pop, "100");
  auto mixed = winners(s, Card().add(0, "Intergender Match", {a2, a3}));
  EXPECT_NEAR(mixed[a3], 600, 80);  // three in ten at most, however far ahead
  s.wrestlers.set(2, Col::pop, "100");
  s.wrestlers.set(3, Col::pop, "90");
  EXPECT_EQ(winners(s, Card().add(0, "Intergender Match", {a2, a3}))[a2], 2000);
}

}  // namespace

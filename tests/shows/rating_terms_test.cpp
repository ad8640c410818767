// A match's rating told term by term: which terms a match has, what each adds, and that they
// always add up to the rating the match gets.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shows/rating.h"
#include "support/shownight.h"

namespace {

using rv::Col;

const std::string a0 = "Alpha Worker 0", a1 = "Alpha Worker 1";

rv::Lines one_match(const std::string& stipulation, const std::string& win_type) {
  rv::Lines card = rvtest::match_record("Singles", stipulation, a0, a1);
  card[rv::match::win_type] = win_type;
  card.resize(rv::rec::match * rv::rec::match_slots, "");
  return card;
}

void set_both(rv::Store& s, Col c, const std::string& v) {
  s.wrestlers.set(0, c, v);
  s.wrestlers.set(1, c, v);
}

struct Case {
  const char* what;
  std::function<void(rv::Store&)> setup;
  std::string stipulation = "None";
  std::string win_type = "Auto";
  std::vector<rv::RatingTerm> terms;
  const char* rating;
};

// The small world's workers: hardcore 40, in-ring 60, charisma 50, morale 70, condition 90, so a
// plain singles match is 65 for skill, 5 for charisma, 5 for morale (70 is in the 70-74 band) and
// 9 for condition (90-94): 84.
const std::vector<rv::RatingTerm> plain = {
    {"Skill (hardcore + ability) x 0.65", 65}, {"Charisma", 5}, {"Morale", 5}, {"Condition", 9}};

std::vector<rv::RatingTerm> with(std::vector<rv::RatingTerm> terms, std::size_t at, rv::RatingTerm t) {
  terms.insert(terms.begin() + static_cast<std::ptrdiff_t>(at), std::move(t));
  return terms;
}
std::vector<rv::RatingTerm> changed(std::vector<rv::RatingTerm> terms, std::size_t at, double value) {
  terms[at].value = value;
  return terms;
}

void cage(rv::Store& s, const char* skill) {
  rv::Record stip(s.stipulations, 0);  // the singles "Steel Cage"
  stip.set(rv::stip::rating_bonus, "60");
  stip.set(rv::stip::skill, skill);
}

TEST(RatingTerms, EveryKindOfTermAddsUpToTheRating) {
  const auto none = [](rv::Store&) {};
  const std::vector<Case> cases = {
      {"plain", none, "None", "Auto", plain, "84"},
      {"disqualification", none, "None", "DQ", with(plain, 4, {"Disqualification", -8}), "76"},
      // In-ring work only: 60 x 0.65 = 39, and a tenth of the bonus of 60.
      {"cage, ability only", [](rv::Store& s) { cage(s, "No"); }, "Steel Cage", "Auto",
       with(changed(plain, 0, 39), 1, {"Stipulation: Steel Cage", 6}), "64"},
      // Hardcore only: 40 x 0.65 = 26.
      {"cage, hardcore only", [](rv::Store& s) { cage(s, "Yes"); }, "Steel Cage", "Auto",
       with(changed(plain, 0, 26), 1, {"Stipulation: Steel Cage", 6}), "51"},
      // Both halved: (20 + 30) x 0.65 = 32.5; 57.5 rounds down.
      {"cage, both halved", [](rv::Store& s) { cage(s, "Both"); }, "Steel Cage", "Auto",
       [] {
         auto t = with(changed(plain, 0, 32.5), 1, {"Stipulation: Steel Cage", 6});
         t.push_back({"Rounded down", -0.5});
         return t;
       }(),
       "57"},
      {"feud heat 45", [](rv::Store& s) {
         rvtest::start_feud(s, a1, a0);
         s.set_md(rv::md::feuds_first + rv::feud::heat, "45");
       }, "None", "Auto", [] {
         auto t = with(plain, 1, {"Feud heat", 4.5});
         t.push_back({"Rounded down", -0.5});
         return t;
       }(), "88"},
      {"morale 49", [](rv::Store& s) { set_both(s, Col::morale, "49"); }, "None", "Auto", changed(plain, 2, 0), "79"},
      {"condition 49", [](rv::Store& s) { set_both(s, Col::cond, "49"); }, "None", "Auto", changed(plain, 3, -11), "64"},
      // Nobody known: no skill, charisma or morale, and a condition of 0 costs 60; raised to 1.
      {"lowest bound", [](rv::Store& s) { set_both(s, Col::names, "Gone"); }, "None", "Auto",
       {{"Skill (hardcore + ability) x 0.65", 0}, {"Charisma", 0}, {"Morale", 0}, {"Condition", -60},
        {"Raised to the lowest rating", 61}}, "1"},
      // Just under the top: in-ring 82 gives (40 + 82) x 0.65 = 79.3, charisma 15 gives 1.5 and
      // morale 95 gives 10; 79.3 + 1.5 + 10 + 9 = 99.8, rounded down to 99.
      {"rounded below the top", [](rv::Store& s) {
         set_both(s, Col::ent, "82");
         set_both(s, Col::charisma, "15");
         set_both(s, Col::morale, "95");
       }, "None", "Auto",
       {{"Skill (hardcore + ability) x 0.65", 79.3}, {"Charisma", 1.5}, {"Morale", 10}, {"Condition", 9},
        {"Rounded down", -0.8}}, "99"},
  };
  for (const auto& c : cases) {
    rv::Store s = rvtest::small_store();
    c.setup(s);
    rv::Rng rng(1);
    const auto f = rv::matchstats(s, one_match(c.stipulation, c.win_type), {}, rng);
    EXPECT_EQ(f.ratings[0], c.rating) << c.what;
    ASSERT_EQ(f.terms[0].size(), c.terms.size()) << c.what;
    double sum = 0;
    for (std::size_t i = 0; i < c.terms.size(); ++i) {
      EXPECT_EQ(f.terms[0][i].name, c.terms[i].name) << c.what;
      EXPECT_NEAR(f.terms[0][i].value, c.terms[i].value, 1e-9) << c.what << " " << c.terms[i].name;
      sum += f.terms[0][i].value;
    }
    EXPECT_NEAR(sum, std::stod(c.rating), 1e-9) << c.what;
  }
}

TEST(RatingTerms, OverTheTopTheDrawIsItsOwnTerm) {
  // Hardcore and in-ring 100: 130 + 5 + 5 + 9 = 149, held to 100 (a draw of 1 in 4) or 99.
  rv::Store base = rvtest::small_store();
  set_both(base, Col::hardcore, "100");
  set_both(base, Col::ent, "100");
  for (std::uint64_t seed = 1; seed <= 40; ++seed) {
    rv::Store s = base;
    rv::Rng rng(seed);
    const auto f = rv::matchstats(s, one_match("None", "Auto"), {}, rng);
    ASSERT_FALSE(f.terms[0].empty());
    const auto& bound = f.terms[0].back();
    EXPECT_EQ(bound.name, "Held to the top (99 or 100 by a draw)");
    rv::Rng probe(seed);  // the draw is the match's first
    const bool top = probe.draw(4) == 1;
    EXPECT_EQ(f.ratings[0], top ? "100" : "99") << seed;
    EXPECT_EQ(bound.value, top ? -49 : -50) << seed;
    EXPECT_FALSE(f.open_draw[0]);
  }
  // Looking ahead, the draw is left open at the top.
  rv::Store s = base;
  rv::Rng rng(1);
  const auto f = rv::matchstats(s, one_match("None", "Auto"), {false, {}, true}, rng);
  EXPECT_EQ(f.ratings[0], "100");
  EXPECT_TRUE(f.open_draw[0]);
}

TEST(RatingTerms, TheTermsReadAsLines) {
  const rv::RatingTerms terms = {{"Skill (hardcore + ability) x 0.65", 32.5}, {"Feud heat", 4.5}, {"Condition", -11},
                                 {"Rounded down", -0.8}, {"Morale", 0}, {"Charisma", 0.05}};
  const std::vector<std::string> expected = {"Skill (hardcore + ability) x 0.65: +32.50", "Feud heat: +4.50", "Condition: -11.00",
                                             "Rounded down: -0.80", "Morale: +0.00", "Charisma: +0.05"};
  EXPECT_EQ(rv::rating_term_lines(terms), expected);
}

}  // namespace

// The one name check: each way a name is refused, at its edges, and the names it lets through.
#include <gtest/gtest.h>

#include "state/naming.h"

namespace {

using rv::NameKind;

struct NameCase {
  std::string name;
  NameKind kind;
  std::vector<std::string> taken;
  std::string refusal;  // empty: the name is taken
};

const std::string reserved_tail = "\" is a word the game keeps for itself; it cannot be a ";

TEST(NameCheck, RefusesEachKindOfBadNameWithItsMessage) {
  const std::string sixty(60, 'x');
  const std::vector<NameCase> cases = {
      // Blank answers: each kind asks in its own words.
      {"", NameKind::ring_name, {}, "The name cannot be blank."},
      {"   ", NameKind::tag_team, {}, "Please enter a name for the tag team."},
      // Length: sixty characters fit, sixty-one do not.
      {sixty, NameKind::show, {}, ""},
      {sixty + "x", NameKind::show, {}, "A show name can be 60 characters long at the most."},
      {std::string(12'000'000, 'A'), NameKind::match_team, {}, "A team name can be 60 characters long at the most."},
      // Characters the tables cannot hold: control bytes and the five bytes Windows-1252 leaves out.
      {"Tag\nTeam", NameKind::tag_team, {}, "The tag team name has a character the game cannot store."},
      {"Tab\tName", NameKind::ring_name, {}, "The ring name has a character the game cannot store."},
      {"Odd\x81", NameKind::brand, {}, "The brand name has a character the game cannot store."},
      {"Caf\xE9 Crew", NameKind::stable, {}, ""},  // a defined accented letter is fine
      {" Lead", NameKind::segment, {}, "The segment name cannot start or end with a blank."},
      {"Trail ", NameKind::segment, {}, "The segment name cannot start or end with a blank."},
      // The tables' own words, in any case and with blanks around them.
      {"None", NameKind::title, {}, "\"None" + reserved_tail + "title name."},
      {"VACANT", NameKind::match_team, {}, "\"VACANT" + reserved_tail + "team name."},
      {" Enter all workers", NameKind::ring_name, {}, "The ring name cannot start or end with a blank."},
      {"Enter all workers", NameKind::ring_name, {}, "\"Enter all workers" + reserved_tail + "ring name."},
      // A word that only starts like a reserved one is a name.
      {"Nobody", NameKind::ring_name, {}, ""},
      {"Vacant Stare", NameKind::title, {}, ""},
      {"All Stars", NameKind::tag_team, {}, ""},
      // The champion's mark, which the pick lists put behind a holder's name.
      {"Rex Vale (CHAMPION)", NameKind::ring_name, {}, "A ring name cannot end in \"(CHAMPION)\"."},
      {"Rex Vale (champion)", NameKind::short_name, {}, "A short name cannot end in \"(CHAMPION)\"."},
      {"(CHAMPION) Rex", NameKind::ring_name, {}, ""},
      // Names other things of the kind already use, compared as the player reads them.
      {"Rex Vale", NameKind::ring_name, {"Ada Quill", "Rex Vale"}, "That name is already in use."},
      {"rex vale", NameKind::ring_name, {"Rex Vale"}, "That name is already in use."},
      {"Iron Pair", NameKind::tag_team, {"iron pair"}, "There is already a team in your promotion with that name."},
      {"Same", NameKind::match_team, {"Same"}, "Another team of this match or a worker of this show already has that name."},
      {"Rex Valentine", NameKind::ring_name, {"Rex Vale", ""}, ""},
  };
  for (const auto& c : cases) {
    const auto problem = rv::name_problem(c.name, c.kind, c.taken);
    const std::string shown = c.name.size() > 80 ? c.name.substr(0, 80) + "..." : c.name;
    if (c.refusal.empty()) {
      EXPECT_FALSE(problem) << shown << ": " << problem.value_or("");
    } else {
      ASSERT_TRUE(problem) << shown;
      EXPECT_EQ(*problem, c.refusal) << shown;
    }
  }
}

TEST(NameCheck, ReservedWordsAndSameNamesIgnoreCaseAndOuterBlanks) {
  struct Case {
    std::string a, b;
    bool same;
  };
  const std::vector<Case> cases = {{"Rex", "rex", true},   {" Rex ", "REX", true}, {"Rex", "Rex ", true},
                                   {"Rex", "Re x", false}, {"Rex", "Rexx", false}, {"", "  ", true}};
  for (const auto& c : cases) EXPECT_EQ(rv::same_name(c.a, c.b), c.same) << c.a << " / " << c.b;
  EXPECT_TRUE(rv::reserved_name("  vacant "));
  EXPECT_TRUE(rv::reserved_name("nA"));
  EXPECT_FALSE(rv::reserved_name("N A"));
  EXPECT_FALSE(rv::reserved_name(""));
}

}  // namespace

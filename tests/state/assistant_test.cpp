// The staff's choices as "key value" lines: what a file may say, what is refused (with the line
// named), and how a save keeps them.
#include <gtest/gtest.h>

#include "state/assistant.h"
#include "state/saves.h"
#include "support/world.h"

namespace {

TEST(AssistantFile, AFileSetsTheKeysItNamesAndLeavesTheRestOff) {
  const auto c = rv::read_assistant({"# my staff", "", "renewals on", "  wage_budget   25000 ", "rival_offers accept",
                                     "accept_above 400000", "renew_from mid", "roster_size 10"});
  ASSERT_TRUE(c.ok()) << c.error();
  EXPECT_TRUE(c->renewals);
  EXPECT_FALSE(c->signings);
  EXPECT_FALSE(c->booking);
  EXPECT_EQ(c->offers, rv::OfferPolicy::accept_above);
  EXPECT_EQ(c->wage_budget, 25000);
  EXPECT_EQ(c->accept_above, 400000);
  EXPECT_EQ(c->renew_from, 2);
  EXPECT_EQ(c->roster_size, 10);
  EXPECT_EQ(*rv::read_assistant({}), rv::AssistantChoices{});
  EXPECT_FALSE(rv::AssistantChoices{}.any());
}

TEST(AssistantFile, BadLinesAreRefusedWithTheLineNamed) {
  struct Case {
    rv::Lines lines;
    std::string message;
  };
  const Case cases[] = {
      {{"renewals on", "holidays on"}, "Line 2: unknown key \"holidays\"."},
      {{"wage_budget -1"}, "Line 1: wage_budget: the wage budget cannot be below zero."},
      {{"", "wage_budget 1000000001"}, "Line 2: wage_budget: the wage budget must be from 0 to 1000000000."},
      {{"wage_budget 12k"}, "Line 1: wage_budget: the wage budget must be a whole number."},
      {{"roster_size 9"}, "Line 1: roster_size: the roster size must be from 10 to 200."},
      {{"roster_size 201"}, "Line 1: roster_size: the roster size must be from 10 to 200."},
      {{"accept_above 1000000000001"}, "Line 1: accept_above: the amount must be from 0 to 1000000000000."},
      {{"booking yes"}, "Line 1: booking: the value must be on or off."},
      {{"rival_offers sell"}, "Line 1: rival_offers: the value must be off, decline or accept."},
      {{"renew_from main"}, "Line 1: renew_from: the value must be lower, mid or upper."},
      {{"signings on", "#", "signings off"}, "Line 3: signings is given twice."},
      {{"signings"}, "Line 1: signings needs a value."},
  };
  for (const Case& c : cases) {
    const auto r = rv::read_assistant(c.lines);
    ASSERT_FALSE(r.ok()) << c.message;
    EXPECT_EQ(r.error(), c.message);
  }
  // The edges themselves are taken.
  for (const char* line : {"roster_size 10", "roster_size 200", "wage_budget 0", "wage_budget 1000000000"})
    EXPECT_TRUE(rv::read_assistant({line}).ok()) << line;
}

TEST(AssistantFile, KeepingTheStarsIsWrittenOnlyWhenOn) {
  // A file written before the choice existed has no keep_stars line: it reads as off and is
  // written back line for line; turned on, the choice is the last line.
  const rv::Lines before = {"renewals on", "signings off", "rival_offers decline", "booking on",
                            "wage_budget 4000", "renew_from mid", "roster_size 24", "accept_above 0"};
  const auto off = rv::read_assistant(before);
  ASSERT_TRUE(off.ok()) << off.error();
  EXPECT_FALSE(off->keep_stars);
  EXPECT_EQ(rv::assistant_lines(*off), before);
  rv::Lines with = before;
  with.push_back("keep_stars on");
  const auto on = rv::read_assistant(with);
  ASSERT_TRUE(on.ok()) << on.error();
  EXPECT_TRUE(on->keep_stars);
  EXPECT_EQ(rv::assistant_lines(*on), with);
}

struct AssistantSave : ::testing::Test {
  rvtest::TempDir dir;
  rv::Home home{dir.path()};
  const rv::WallTime noon{2026, 12, 5, 12, 0, 0, 1};
  void SetUp() override { rvtest::write_small_world(home); }
};

TEST_F(AssistantSave, AnOldSaveOrAnUnreadableFileLeavesEveryAreaWithThePlayer) {
  rv::Store s = rvtest::small_store();
  s.assistant.booking = true;
  ASSERT_TRUE(rv::save_game(s, home, "Slot1", noon).ok());
  const auto file = home.save_folder("Slot1") / std::string(rv::assistant_file);
  rvtest::write_bytes(file, "booking on\r\nroster_size 5\r\n");
  auto bad = rv::load_game(home, "Slot1.sav");
  ASSERT_TRUE(bad.ok()) << bad.error();
  EXPECT_EQ(bad->assistant, rv::AssistantChoices{});
  EXPECT_NE(bad->load_notice.find("Line 2: roster_size"), std::string::npos) << bad->load_notice;
  std::filesystem::remove(file);
  auto old = rv::load_game(home, "Slot1.sav");
  ASSERT_TRUE(old.ok()) << old.error();
  EXPECT_EQ(old->assistant, rv::AssistantChoices{});
  EXPECT_TRUE(old->load_notice.empty());
}

}  // namespace

// The printed roster: its sections, the rosters by card position with and without a split, and
// writing Roster.doc.
#include <gtest/gtest.h>

#include <algorithm>

#include "state/fileio.h"
#include "support/days.h"
#include "support/world.h"
#include "talent/rosterdoc.h"

namespace {

using rvtest::worker;

struct RosterDoc : ::testing::Test {
  rv::Store s = rvtest::small_store();  // Monday 1st January 2007

  RosterDoc() {
    // Alpha Workers 0 to 2 upper, 3 to 6 mid, 7 to 9 lower card; a rival's worker upper.
    for (int i = 0; i < 10; ++i) worker(s, "Alpha Worker " + std::to_string(i)).set_roles(i < 3 ? "3" : i < 7 ? "2" : "1");
    worker(s, "Beta Worker 0").set_roles("3");
    worker(s, "Alpha Worker 1").set_faceheel("Heel");
  }
  void split(const std::string& b1, const std::string& b2) {
    s.promotion(0).set(rv::prom::roster_split, "Yes");
    s.promotion(0).set(rv::prom::brand1_name, b1);
    s.promotion(0).set(rv::prom::brand2_name, b2);
  }
  // The lines of one roster from its heading to the next roster or the end.
  static rv::Lines roster(const rv::Lines& doc, const std::string& heading) {
    auto from = std::find(doc.begin(), doc.end(), heading);
    if (from == doc.end()) return {};
    auto to = std::find_if(from + 1, doc.end(), [](const std::string& l) { return l.ends_with(" Roster"); });
    return rv::Lines(from, to);
  }
  static bool has(const rv::Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
};

TEST_F(RosterDoc, TheSectionsInOrder) {
  s.promotion(0).title(0).set_holder("Alpha Worker 1");
  const rv::Lines doc = rv::roster_document(s, "7 December 2026");
  ASSERT_GE(doc.size(), 11u);
  EXPECT_EQ(rv::Lines(doc.begin(), doc.begin() + 11),
            (rv::Lines{"File Created By Player 1 on 7 December 2026.", "", "Promotion: Ringvale Alpha",
                       "In Game Date: Monday 1st January 2007", "", "Next Big Show: No Big Show planned.", "",
                       "Current Title Holders", "Ringvale Alpha Title: Alpha Worker 1", "", "Ringvale Alpha Roster"}));
  s.set_md(rv::md::next_big_show_name, "Spring Clash");
  EXPECT_TRUE(has(rv::roster_document(s, "x"), "Next Big Show: Spring Clash"));
  s.set_md(rv::md::next_big_show_name, "");
  EXPECT_TRUE(has(rv::roster_document(s, "x"), "Next Big Show: No Big Show planned."));
}

TEST_F(RosterDoc, OneRosterByCardPositionWithoutASplit) {
  const rv::Lines r = roster(rv::roster_document(s, "today"), "Ringvale Alpha Roster");
  ASSERT_FALSE(r.empty());
  EXPECT_EQ(rv::Lines(r.begin(), r.begin() + 6),
            (rv::Lines{"Ringvale Alpha Roster", "- Upper Carders -", "Alpha Worker 0 (Face)", "Alpha Worker 1 (Heel)",
                       "Alpha Worker 2 (Face)", "(Total Upper carders = 3)"}));
  EXPECT_TRUE(has(r, "(Total Mid carders = 4)"));
  EXPECT_TRUE(has(r, "(Total Lower carders = 3)"));
  EXPECT_FALSE(has(r, "Beta Worker 0 (Face)"));
  EXPECT_EQ(r.back(), "(Total Lower carders = 3)");
}

TEST_F(RosterDoc, EachBrandListsItsOwnAndTheSharedWorkers) {
  split("Raw Power", "Night Fight");
  for (int i : {0, 3, 4, 7}) worker(s, "Alpha Worker " + std::to_string(i)).set_brand("Brand 1");
  for (int i : {1, 5, 8, 9}) worker(s, "Alpha Worker " + std::to_string(i)).set_brand("Brand 2");
  // Alpha Workers 2 and 6 stay on "All".
  const rv::Lines doc = rv::roster_document(s, "today");
  EXPECT_FALSE(has(doc, "Ringvale Alpha Roster"));
  const rv::Lines one = roster(doc, "Raw Power Roster");
  const rv::Lines two = roster(doc, "Night Fight Roster");
  for (const auto& line : {"(Total Upper carders = 2)", "(Total Mid carders = 3)", "(Total Lower carders = 1)"}) {
    EXPECT_TRUE(has(one, line)) << line;
  }
  for (const auto& line : {"(Total Upper carders = 2)", "(Total Mid carders = 2)", "(Total Lower carders = 2)"}) {
    EXPECT_TRUE(has(two, line)) << line;
  }
  EXPECT_TRUE(has(one, "Alpha Worker 2 (Face)"));
  EXPECT_TRUE(has(two, "Alpha Worker 2 (Face)"));
  EXPECT_FALSE(has(two, "Alpha Worker 0 (Face)"));
}

TEST_F(RosterDoc, PrintingReplacesTheLastRoster) {
  rvtest::TempDir dir;
  const rv::Home home(dir.path());
  const auto first = rv::print_roster(home, s, "Monday");
  ASSERT_TRUE(first.ok()) << first.error();
  EXPECT_EQ(*first, "Your roster has been printed to the file 'Roster.doc' in your Ringvale folder.");
  s.set_md(rv::md::player_name, "Player 2");
  split("Raw Power", "Night Fight");
  const auto second = rv::print_roster(home, s, "Tuesday");
  ASSERT_TRUE(second.ok()) << second.error();
  EXPECT_EQ(*second, "Your rosters have been printed to the file 'Roster.doc' in your Ringvale folder.");
  const auto read = rv::read_lines(dir.path() / "Roster.doc");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(*read, rv::roster_document(s, "Tuesday"));
  EXPECT_EQ(read->front(), "File Created By Player 2 on Tuesday.");
}

TEST_F(RosterDoc, AFailedPrintLeavesEverythingAlone) {
  rvtest::TempDir dir;
  const rv::Home home(dir.path());
  rvtest::write_bytes(dir.path() / "Roster.doc" / "keep.txt", "kept");
  const auto into_folder = rv::print_roster(home, s, "Monday");
  ASSERT_FALSE(into_folder.ok());
  EXPECT_TRUE(into_folder.error().starts_with("Roster.doc could not be written: ")) << into_folder.error();
  EXPECT_EQ(rvtest::file_bytes(dir.path() / "Roster.doc" / "keep.txt"), "kept");
  EXPECT_FALSE(rvtest::fs::exists(dir.path() / "Roster.doc.tmp"));

  rvtest::TempDir other;
  rvtest::write_bytes(other.path() / "Roster.doc", "old roster");
  rvtest::fs::create_directories(other.path() / "Roster.doc.tmp");  // the new text has nowhere to go
  EXPECT_FALSE(rv::print_roster(rv::Home(other.path()), s, "Monday").ok());
  EXPECT_EQ(rvtest::file_bytes(other.path() / "Roster.doc"), "old roster");
}

}  // namespace

// The roster grid's words for a figure and the condition column they fill, and the printed roster:
// its sections, the rosters by card position, writing Roster.doc.
#include <gtest/gtest.h>

#include <string>

#include "state/fileio.h"
#include "support/days.h"
#include "support/world.h"
#include "talent/roster.h"
#include "talent/rosterdoc.h"

namespace {

TEST(RosterWords, EachBandStartsAtItsLowerBound) {
  struct Case {
    rv::Num value;
    const char* word;
  };
  const Case cases[] = {
      {-5, "Very Low"},  {0, "Very Low"},        {29, "Very Low"},      {30, "Low"},  {49, "Low"},
      {50, "Below Average"}, {59, "Below Average"}, {60, "OK"},          {69, "OK"},   {70, "Good"},
      {79, "Good"},      {80, "Very Good"},       {89, "Very Good"},     {90, "Excellent"}, {100, "Excellent"},
  };
  for (const Case& c : cases) EXPECT_EQ(rv::ability_word(c.value), c.word) << c.value;
}

// Every worker's condition is a word, an injured one's too: his condition reads as no number.
TEST(RosterWords, TheConditionColumnIsAWordForEveryWorker) {
  rv::Store s = rvtest::small_store();
  struct Case {
    const char* worker;
    const char* cond;
    const char* word;
  };
  const Case cases[] = {
      {"Alpha Worker 1", "100", "Excellent"}, {"Alpha Worker 2", "89", "Very Good"},
      {"Alpha Worker 3", "30", "Low"},       {"Alpha Worker 4", "29", "Very Low"},
      {"Alpha Worker 5", "Inj", "Very Low"}, {"Alpha Worker 6", "60", "OK"},
  };
  for (const Case& c : cases) rvtest::worker(s, c.worker).set(rv::Col::cond, c.cond);
  const rv::RosterGrid grid = rv::roster_grid(s, "Sort by Condition");
  for (const Case& c : cases) {
    const auto row = std::find_if(grid.rows.begin(), grid.rows.end(), [&](const rv::RosterRow& r) { return r.name == c.worker; });
    ASSERT_NE(row, grid.rows.end()) << c.worker;
    EXPECT_EQ(row->extra, c.word) << c.worker;
  }
  // Best condition first; the injured worker sorts with the lowest.
  EXPECT_EQ(grid.rows.front().name, "Alpha Worker 1");
  EXPECT_EQ(grid.rows.back().extra, "Very Low");
}

rv::Lines totals(rv::Lines doc) {  // every roster's totals, in order
  std::erase_if(doc, [](const std::string& line) { return !line.starts_with("(Total"); });
  return doc;
}

TEST(RosterDoc, SectionsAndTheRostersByCardPosition) {
  rv::Store s = rvtest::small_store();  // Alpha Workers 0-2 upper, 3-6 mid, 7-9 lower; Beta Worker 0 upper
  for (std::size_t i = 0; i < 11; ++i) s.worker(i).set_roles(i < 3 || i == 10 ? "3" : i < 7 ? "2" : "1");
  s.promotion(0).title(0).set_holder("Alpha Worker 1");
  rv::Lines doc = rv::roster_document(s, "7 December 2026");
  ASSERT_GE(doc.size(), 13u);
  EXPECT_EQ(rv::Lines(doc.begin(), doc.begin() + 13),
            (rv::Lines{"File Created By Player 1 on 7 December 2026.", "", "Promotion: Ringvale Alpha",
                       "In Game Date: Monday 1st January 2007", "", "Next Big Show: No Big Show planned.", "",
                       "Current Title Holders", "Ringvale Alpha Title: Alpha Worker 1", "", "Ringvale Alpha Roster",
                       "- Upper Carders -", "Alpha Worker 0 (Face)"}));
  EXPECT_EQ(totals(doc),
            (rv::Lines{"(Total Upper carders = 3)", "(Total Mid carders = 4)", "(Total Lower carders = 3)"}));
  for (std::size_t i : {0, 3, 4, 7}) s.worker(i).set_brand("Brand 1");
  for (std::size_t i : {1, 5, 8, 9}) s.worker(i).set_brand("Brand 2");  // 2 and 6 stay on "All"
  s.promotion(0).set(rv::prom::roster_split, "Yes");
  s.promotion(0).set(rv::prom::brand1_name, "Raw");
  s.promotion(0).set(rv::prom::brand2_name, "Fight");
  doc = rv::roster_document(s, "today");
  EXPECT_EQ(doc.at(10) + doc.at(26), "Raw RosterFight Roster");
  EXPECT_EQ(totals(doc), (rv::Lines{"(Total Upper carders = 2)", "(Total Mid carders = 3)", "(Total Lower carders = 1)",
                                    "(Total Upper carders = 2)", "(Total Mid carders = 2)",
                                    "(Total Lower carders = 2)"}));
}

TEST(RosterDoc, PrintingReplacesTheFileWholeOrNotAtAll) {
  rv::Store s = rvtest::small_store();
  rvtest::TempDir dir, folder;
  EXPECT_EQ(*rv::print_roster(rv::Home(dir.path()), s, "Monday"), rv::roster_printed_message);
  s.promotion(0).set(rv::prom::roster_split, "Yes");
  EXPECT_EQ(*rv::print_roster(rv::Home(dir.path()), s, "Tuesday"), rv::rosters_printed_message);
  EXPECT_EQ(*rv::read_lines(dir.path() / "Roster.doc"), rv::roster_document(s, "Tuesday"));
  rvtest::write_bytes(folder.path() / "Roster.doc" / "keep.txt", "kept");  // a folder where the file goes
  const auto failed = rv::print_roster(rv::Home(folder.path()), s, "Monday");
  EXPECT_TRUE(!failed.ok() && failed.error().starts_with("Roster.doc could not be written: "));
  EXPECT_EQ(rvtest::file_bytes(folder.path() / "Roster.doc" / "keep.txt"), "kept");
}

}  // namespace

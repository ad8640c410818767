// The roster grid's words for a figure, and the condition column they fill.
#include <gtest/gtest.h>

#include <string>

#include "support/days.h"
#include "support/world.h"
#include "talent/roster.h"

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
  EXPECT_EQ(grid.extra_caption, "Condition");
  for (const Case& c : cases) {
    const auto row = std::find_if(grid.rows.begin(), grid.rows.end(), [&](const rv::RosterRow& r) { return r.name == c.worker; });
    ASSERT_NE(row, grid.rows.end()) << c.worker;
    EXPECT_EQ(row->extra, c.word) << c.worker;
  }
  // Best condition first; the injured worker sorts with the lowest.
  EXPECT_EQ(grid.rows.front().name, "Alpha Worker 1");
  EXPECT_EQ(grid.rows.back().extra, "Very Low");
}

}  // namespace

#include "cycle/showday.h"

#include <gtest/gtest.h>

#include "state/calendar.h"
#include "cycle/nextday.h"
#include "support/world.h"

namespace {

TEST(EndOfShowDay, TurnsTheMainActionBackToNextDay) {
  rv::Store s = rvtest::small_store();
  rv::set_day_panel(s, "Ringvale Alpha Weekly", "Winter Clash");
  ASSERT_EQ(rv::main_action(s), rv::MainAction::go_to_shows);
  rv::end_show_day(s);
  EXPECT_EQ(rv::main_action(s), rv::MainAction::next_day);
  EXPECT_EQ(s.md(rv::md::day_heading), "End Of Day");
  EXPECT_EQ(s.md(rv::md::day_event1), "");
  EXPECT_EQ(s.md(rv::md::day_event2), "");
  EXPECT_EQ(s.md(rv::md::today_slot1), "Ringvale Alpha Weekly");
  EXPECT_EQ(s.md(rv::md::today_slot2), "Winter Clash");
}

}  // namespace

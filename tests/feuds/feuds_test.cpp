// Feuds: the daily upkeep, ending a feud with the "Longest Feud" record, the feuds pages and
// starting a feud step by step.
#include <gtest/gtest.h>

#include "feuds/feuds.h"
#include "feuds/feudstart.h"
#include "support/days.h"
#include "support/world.h"

namespace {

struct Feuds : ::testing::Test {
  rv::Game g{rvtest::small_store(), rv::Rng(21), "t"};
  rv::Store& s = g.store;
  rv::Record start(std::size_t k, const std::string& type, int duration, const std::string& state, int heat) {
    auto f = rv::feud_slot(s, k);
    f.set(rv::feud::type, type);
    f.set_num(rv::feud::duration, duration);
    f.set(rv::feud::state, state);
    f.set_num(rv::feud::heat, heat);
    f.set(rv::feud::worker1, "Alpha Worker 1");
    f.set(rv::feud::worker2, "Alpha Worker 2");
    if (type == "Tag Team") {
      f.set(rv::feud::worker3, "Alpha Worker 3");
      f.set(rv::feud::worker4, "Alpha Worker 4");
      f.set(rv::feud::pair1, "Alpha Worker 1 & Alpha Worker 3");
      f.set(rv::feud::pair2, "Alpha Worker 2 & Alpha Worker 4");
    }
    return f;
  }
};

TEST_F(Feuds, NeverColdBeforeTheFourteenthDay) {
  rvtest::set_date(s, "Tuesday", 2, "January", 2007);
  auto f = start(0, "Singles", 0, "Hot", 70);
  for (int day = 1; day <= 12; ++day) {
    rv::feud_upkeep(g);
    EXPECT_EQ(f.at(rv::feud::state), "Hot") << day;
    EXPECT_EQ(f.at(rv::feud::cooling), "") << day;
  }
  EXPECT_EQ(f.at(rv::feud::duration), "12");
  rv::feud_upkeep(g);
  rv::feud_upkeep(g);
  EXPECT_EQ(f.at(rv::feud::cooling), "2");
  EXPECT_EQ(f.at(rv::feud::heat), "70");
}

TEST_F(Feuds, HotFeudsCoolOnlyOnTuesdaysAndFridays) {
  rvtest::set_date(s, "Monday", 1, "January", 2007);
  auto f = start(0, "Singles", 20, "Hot", 70);
  for (int i = 0; i < 50; ++i) rv::feud_upkeep(g);
  EXPECT_EQ(f.at(rv::feud::state), "Hot");
  rvtest::set_date(s, "Friday", 5, "January", 2007);
  int days = 0;
  while (f.at(rv::feud::state) == "Hot" && days < 100) {
    rv::feud_upkeep(g);
    ++days;
  }
  EXPECT_EQ(f.at(rv::feud::state), "Cold");
  EXPECT_LT(days, 30);
  EXPECT_EQ(s.md(rv::md::record_longest_feud), "Alpha Worker 1 vs Alpha Worker 2");
  EXPECT_EQ(s.md(rv::md::record_longest_feud_days), f.at(rv::feud::duration));
}

TEST_F(Feuds, AColdFeudLosesHeatDownToOne) {
  auto f = start(3, "Singles", 20, "Cold", 15);
  rv::feud_upkeep(g);
  EXPECT_EQ(f.at(rv::feud::heat), "5");
  rv::feud_upkeep(g);
  EXPECT_EQ(f.at(rv::feud::heat), "1");
  rv::feud_upkeep(g);
  EXPECT_EQ(f.at(rv::feud::heat), "1");
  EXPECT_EQ(f.at(rv::feud::duration), "23");
}

TEST_F(Feuds, EndingAHotFeudMayTakeTheRecord) {
  s.set_md(rv::md::record_longest_feud, "Old vs Feud");
  s.set_md(rv::md::record_longest_feud_days, "30");
  start(0, "Singles", 30, "Hot", 50);
  rv::end_feud(s, 0);
  EXPECT_EQ(s.md(rv::md::record_longest_feud), "Old vs Feud");
  EXPECT_FALSE(rv::feud_running(s, 0));
  for (std::size_t i = 0; i < rv::md::feud_size; ++i) EXPECT_EQ(s.md(rv::md::feuds_first + i), "");
  start(1, "Tag Team", 31, "Hot", 50);
  rv::end_feud(s, 1);
  EXPECT_EQ(s.md(rv::md::record_longest_feud), "Alpha Worker 1 & Alpha Worker 3 vs Alpha Worker 2 & Alpha Worker 4");
  EXPECT_EQ(s.md(rv::md::record_longest_feud_days), "31");
  start(2, "Singles", 90, "Cold", 1);
  rv::end_feud(s, 2);
  EXPECT_EQ(s.md(rv::md::record_longest_feud_days), "31");
}

TEST_F(Feuds, AWorkersFeudsEndWithHim) {
  start(0, "Singles", 5, "Hot", 50);
  start(4, "Tag Team", 5, "Hot", 50);
  auto other = rv::feud_slot(s, 7);
  other.set(rv::feud::type, "Singles");
  other.set(rv::feud::worker1, "Beta Worker 1");
  other.set(rv::feud::worker2, "Beta Worker 2");
  EXPECT_EQ(rv::end_feuds_of(s, "Alpha Worker 4"), 1);
  EXPECT_TRUE(rv::feud_running(s, 0));
  EXPECT_FALSE(rv::feud_running(s, 4));
  EXPECT_EQ(rv::end_feuds_of(s, "Alpha Worker 1"), 1);
  EXPECT_EQ(rv::end_feuds_of(s, ""), 0);
  EXPECT_TRUE(rv::feud_running(s, 7));
}

TEST(FeudHeat, TypeDrawAlignmentAndGender) {
  using O = rv::FeudOpening;
  EXPECT_EQ(rv::starting_heat(O{"Singles", "Male", 60, 60, "Face", "Heel"}), 70);
  EXPECT_EQ(rv::starting_heat(O{"Tag Team", "Female", 5, 60, "Heel", "Heel"}), 13);
  EXPECT_EQ(rv::starting_heat(O{"Singles", "Male", 45, 60, "Face", "Face"}), 39);   // 15 below: +8
  EXPECT_EQ(rv::starting_heat(O{"Singles", "Female", 50, 60, "Heel", "Face"}), 28);  // 10 below: +13
}

// Drives a start through its steps; the status of the last one.
rv::Status drive(rv::Store& s, std::initializer_list<const char*> steps) {
  auto start = rv::FeudStart::begin(s);
  if (!start) return rv::Failure{start.error()};
  rv::Status last = rv::success();
  for (const char* step : steps) last = start->choose(s, step);
  return last;
}

TEST_F(Feuds, StartingFeudsWritesTheFirstFreeSlot) {
  s.promotion(0).set_num(rv::prom::reference_level, 50);
  s.worker(*s.find_worker("Alpha Worker 4")).set_faceheel("Heel");
  s.worker(*s.find_worker("Alpha Worker 6")).set_faceheel("Heel");
  rvtest::start_feud(s, "Alpha Worker 1", "Beta Worker 1");
  auto start = rv::FeudStart::begin(s);
  ASSERT_TRUE(start);
  EXPECT_FALSE(start->choose(s, "Doubles"));
  ASSERT_TRUE(start->choose(s, "Singles") && start->choose(s, "Male"));
  EXPECT_EQ(start->choices(), (std::vector<std::string>{"Alpha Worker 2", "Alpha Worker 4", "Alpha Worker 5",
                                                        "Alpha Worker 7", "Alpha Worker 8"}));
  ASSERT_TRUE(start->choose(s, "Alpha Worker 2"));
  EXPECT_FALSE(start->choose(s, "Alpha Worker 2"));
  ASSERT_TRUE(start->choose(s, "Alpha Worker 4"));
  EXPECT_TRUE(start->finished());
  EXPECT_EQ(start->slot(), 1u);
  auto f = rv::feud_slot(s, 1);
  EXPECT_EQ(rv::feud_heading(s, 1), "Alpha Worker 2 vs Alpha Worker 4");
  EXPECT_EQ(f.at(rv::feud::heat), "70");
  EXPECT_EQ(f.at(rv::feud::start_date), "Monday 1st January 2007");

  // Tag: picks 1 and 2 are the first pair; the heat weighs the first worker of each pair.
  ASSERT_TRUE(drive(s, {"Tag Team", "Female", "Alpha Worker 0", "Alpha Worker 3", "Alpha Worker 6", "Alpha Worker 9"}));
  f = rv::feud_slot(s, 2);
  EXPECT_EQ(rv::feud_heading(s, 2), "Alpha Worker 0 & Alpha Worker 3 vs Alpha Worker 6 & Alpha Worker 9");
  EXPECT_EQ(f.at(rv::feud::worker2), "Alpha Worker 6");
  EXPECT_EQ(f.at(rv::feud::worker3), "Alpha Worker 3");
  EXPECT_EQ(f.at(rv::feud::heat), "50");

  // Every woman feuds now; cancelling or lacking workers stores nothing.
  const rv::Lines before = s.maindata;
  EXPECT_EQ(drive(s, {"Singles", "Female"}).error(), "You don't have enough workers for this type of feud.");
  EXPECT_EQ(drive(s, {"Tag Team", "Male"}).error(), rv::too_few_feud_workers_text);  // three men are free
  EXPECT_FALSE(drive(s, {"Singles", "Male", "Alpha Worker 5", "Cancel", "Alpha Worker 7"}));
  EXPECT_EQ(s.maindata, before);
}

TEST_F(Feuds, TenFeudsFillBothPages) {
  for (std::size_t k = 0; k < rv::md::feud_slots; ++k) start(k, "Singles", static_cast<int>(k), "Hot", 99);
  EXPECT_EQ(rv::FeudStart::begin(s).error(), rv::no_free_feud_slot_text);
  start(5, "Singles", 1, "Hot", 100);
  start(6, "Singles", 1, "Cold", 100);
  rv::feud_slot(s, 6).set(rv::feud::start_date, "Friday 5th January 2007");
  rv::end_feud(s, 9);
  const auto page = rv::feud_page(s, 2);
  EXPECT_EQ(page.heading, "- Page 2 of 2 -");
  EXPECT_EQ(page.rows[0].colour, rv::HeatColour::red);
  EXPECT_EQ(page.rows[1].colour, rv::HeatColour::dark_blue);
  EXPECT_EQ(page.rows[2].colour, rv::HeatColour::orange);
  EXPECT_FALSE(page.rows[4].running);
  EXPECT_EQ(rv::feud_details_text(s, 6), "Alpha Worker 1 vs Alpha Worker 2 Feud\n\nFeud Started: Friday 5th January "
                                         "2007\n\nDuration: 1 Day\n\nFeud Heat: 100%\n\nDo you want to end this feud?");
  EXPECT_NE(rv::feud_details_text(s, 7).find("Duration: 7 Days"), std::string::npos);
  EXPECT_EQ(rv::feud_details_text(s, 9), "");
}

}  // namespace

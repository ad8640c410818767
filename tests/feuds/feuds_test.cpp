// Feuds: the daily upkeep and ending a feud with the "Longest Feud" record.
#include <gtest/gtest.h>

#include "feuds/feuds.h"
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

}  // namespace

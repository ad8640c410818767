// The main screen's loose ends: contracts running out inside the window, soonest first, and the
// injured, longest out first. Other promotions' workers never appear.
#include <gtest/gtest.h>

#include "feedback/attention.h"
#include "support/days.h"
#include "support/world.h"

namespace {

struct Attention : ::testing::Test {
  rv::Store s = rvtest::small_store();  // workers 0 to 9 are the player's
  void SetUp() override {
    rvtest::set_date(s, "Wednesday", 3, "January", 2007);
    for (std::size_t r = 0; r < s.worker_count(); ++r) {
      s.worker(r).set_expires("January 2010");
      s.worker(r).set_injury("0");
    }
  }
  std::vector<std::string> due(int weeks) {
    std::vector<std::string> out;
    for (const auto& d : rv::contracts_due(s, weeks)) out.push_back(d.worker + " " + std::to_string(d.weeks_left));
    return out;
  }
};

TEST_F(Attention, ContractsRunningOutInsideTheWindowSoonestFirst) {
  // From 3 January: to 1 February is 29 days (4 weeks), to 1 March 57 (8), to 1 April 88 (12).
  const std::string a = s.worker(2).name(), b = s.worker(5).name(), c = s.worker(7).name();
  s.worker(2).set_expires("March 2007");
  s.worker(5).set_expires("February 2007");
  s.worker(7).set_expires("April 2007");
  s.worker(12).set_expires("February 2007");  // another promotion's worker
  EXPECT_EQ(due(8), (std::vector<std::string>{b + " 4", a + " 8"}));
  EXPECT_EQ(due(7), (std::vector<std::string>{b + " 4"}));
  EXPECT_EQ(due(12), (std::vector<std::string>{b + " 4", a + " 8", c + " 12"}));
  // A month already past or unreadable counts as one week left: renew at once.
  s.worker(3).set_expires("December 2006");
  EXPECT_EQ(due(1), (std::vector<std::string>{s.worker(3).name() + " 1"}));
}

TEST_F(Attention, TheInjuredLongestOutFirst) {
  s.worker(1).set_injury("12");
  s.worker(4).set_injury("30");
  s.worker(11).set_injury("50");  // another promotion's worker
  const auto hurt = rv::injured_workers(s);
  ASSERT_EQ(hurt.size(), 2u);
  EXPECT_EQ(hurt[0].worker, s.worker(4).name());
  EXPECT_EQ(hurt[0].days, 30);
  EXPECT_EQ(hurt[1].worker, s.worker(1).name());
}

}  // namespace

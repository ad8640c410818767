// ringvale-cli roster and contract: the roster through a view, and an offer made through the
// contract screen's steps that is saved once and refused while it is pending.
#include <gtest/gtest.h>

#include "app/cli_run.h"
#include "state/saves.h"

namespace {

struct CliRoster : rvtest::CliHome {
  void SetUp() override {
    CliHome::SetUp();
    ASSERT_EQ(new_game(" --seed 2").exit_code, 0);
  }
  rvtest::CliRun contract(const std::string& steps) { return typed("contract", "--worker 'Alpha Worker 1' --seed 4", steps); }
};

TEST_F(CliRoster, AnOfferIsSavedOnceAndBadStepsChangeNothing) {
  const std::string before = table_bytes();
  EXPECT_EQ(contract("wages +1000\nrole sideways\noffer\n").exit_code, 1);
  EXPECT_EQ(contract("wages 12.5\noffer\n").exit_code, 1);
  EXPECT_EQ(on_career("roster", "--view 'View Nobody'").exit_code, 1);
  EXPECT_EQ(table_bytes(), before);

  const auto made = contract("wages 4000\nlength down\noffer\n");
  ASSERT_EQ(made.exit_code, 0) << made.output;
  EXPECT_NE(made.output.find("Offer: $4,000 per week"), std::string::npos) << made.output;
  EXPECT_NE(made.output.find("Alpha Worker 1 will consider your offer and come back to you shortly."), std::string::npos);
  const auto loaded = rv::load_game(home, "Career.sav");
  ASSERT_TRUE(loaded.ok());
  const bool answered_now = loaded->message_count() > 0 && loaded->negotiations.empty();
  EXPECT_TRUE(answered_now || loaded->negotiations.size() == rv::rec::negotiation);
  if (!answered_now) {
    const std::string pending = table_bytes();
    const auto again = contract("offer\n");
    EXPECT_EQ(again.exit_code, 1);
    EXPECT_NE(again.output.find("is already considering a contract offer from you."), std::string::npos);
    EXPECT_EQ(table_bytes(), pending);
  }
  const auto roster = on_career("roster", "--view 'Sort by Wages'");
  EXPECT_EQ(roster.exit_code, 0);
  EXPECT_EQ(roster.output.rfind("Wrestler\tDraw\tAbility\tWages\n", 0), 0u) << roster.output;
}

}  // namespace

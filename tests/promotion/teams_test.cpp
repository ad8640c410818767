// Tag teams and stables: the names a team may take, who belongs to it, and teams ending when
// their members are taken out, released or the team is broken up.
#include <gtest/gtest.h>

#include "promotion/teams.h"
#include "support/world.h"
#include "talent/release.h"

namespace {

using rv::TeamKind;

// Rows 0-9 work for the player's promotion RVA, rows 10-19 for RVB.
void put(rv::Store& s, TeamKind kind, std::initializer_list<std::size_t> rows, const std::string& team) {
  for (const auto r : rows) s.worker(r).set(kind == TeamKind::tag_team ? rv::Col::tagteam : rv::Col::stable, team);
}

TEST(Teams, NewNamesAreRefusedWithoutChangingTheStore) {
  rv::Store s = rvtest::small_store();
  put(s, TeamKind::tag_team, {5, 7}, "Iron Pair");
  put(s, TeamKind::tag_team, {2}, "Ash Twins");
  put(s, TeamKind::tag_team, {10, 11}, "Night Riders");
  put(s, TeamKind::stable, {4}, "The Order");
  EXPECT_EQ(rv::team_names(s, 0, TeamKind::tag_team), (std::vector<std::string>{"Ash Twins", "Iron Pair"}));
  const rv::Lines before = s.wrestlers.to_lines();

  const auto taken = rv::check_new_team(s, 0, TeamKind::tag_team, "Iron Pair");
  ASSERT_FALSE(taken.ok());
  EXPECT_EQ(taken.error(), "There is already a team in your promotion with that name.");
  const auto stable = rv::check_new_team(s, 0, TeamKind::stable, "The Order");
  ASSERT_FALSE(stable.ok());
  EXPECT_EQ(stable.error(), "There is already a stable in your promotion with that name.");
  for (const std::string bad : {"", "   ", "no", "NONE", "Line\nBreak"}) {
    EXPECT_FALSE(rv::check_new_team(s, 0, TeamKind::tag_team, bad).ok()) << bad;
    EXPECT_FALSE(rv::add_member(s, 0, TeamKind::tag_team, bad, 0).ok()) << bad;
  }
  EXPECT_FALSE(rv::add_member(s, 0, TeamKind::tag_team, "Iron Pair", 10).ok());  // a rival's worker
  EXPECT_FALSE(rv::add_member(s, 0, TeamKind::tag_team, "Iron Pair", 5).ok());   // already in it
  EXPECT_FALSE(rv::add_member(s, 0, TeamKind::tag_team, "Iron Pair", 999).ok());
  EXPECT_FALSE(rv::remove_member(s, 0, TeamKind::tag_team, "Iron Pair", 2).ok());
  EXPECT_FALSE(rv::remove_member(s, 0, TeamKind::tag_team, "Night Riders", 10).ok());
  EXPECT_FALSE(rv::delete_team(s, 0, TeamKind::tag_team, "Night Riders").ok());
  EXPECT_FALSE(rv::delete_team(s, 0, TeamKind::tag_team, "None").ok());
  EXPECT_EQ(s.wrestlers.to_lines(), before);

  // The rival's team of the same name is no duplicate and lends the new team no members.
  const auto fresh = rv::check_new_team(s, 0, TeamKind::tag_team, "Night Riders");
  ASSERT_TRUE(fresh.ok());
  EXPECT_TRUE(rv::team_members(s, 0, TeamKind::tag_team, "Night Riders").empty());
  EXPECT_TRUE(rv::check_new_team(s, 0, TeamKind::stable, "Night Riders").ok());
}

TEST(Teams, MembersJoinMoveAndLeave) {
  rv::Store s = rvtest::small_store();
  put(s, TeamKind::stable, {1, 3, 5}, "The Order");
  put(s, TeamKind::stable, {2}, "Crimson Hand");
  put(s, TeamKind::stable, {12}, "The Order");
  EXPECT_EQ(rv::team_members(s, 0, TeamKind::stable, "The Order"), (std::vector<std::size_t>{1, 3, 5}));
  const auto candidates = rv::member_candidates(s, 0, TeamKind::stable, "The Order");
  ASSERT_EQ(candidates.size(), 7u);
  EXPECT_EQ(candidates[1].row, 2u);
  EXPECT_NE(candidates[1].caption.find("Crimson Hand"), std::string::npos);

  // The only member of Crimson Hand moves over, and Crimson Hand is gone.
  ASSERT_TRUE(rv::add_member(s, 0, TeamKind::stable, "The Order", 2).ok());
  EXPECT_EQ(rv::team_names(s, 0, TeamKind::stable), std::vector<std::string>{"The Order"});
  ASSERT_TRUE(rv::remove_member(s, 0, TeamKind::stable, "The Order", 3).ok());
  EXPECT_EQ(s.worker(3).stable(), rv::cleared);
  EXPECT_EQ(s.worker(3).tagteam(), "None");

  ASSERT_TRUE(rv::delete_team(s, 0, TeamKind::stable, "The Order").ok());
  for (const std::size_t r : {1, 2, 5}) EXPECT_EQ(s.worker(r).stable(), rv::cleared);
  EXPECT_EQ(s.worker(12).stable(), "The Order");
  EXPECT_TRUE(rv::team_names(s, 0, TeamKind::stable).empty());
}

TEST(Teams, AStableEmptiedByReleasesIsGone) {
  rv::Store s = rvtest::small_store();
  put(s, TeamKind::stable, {6, 8}, "Last Stand");
  put(s, TeamKind::stable, {9}, "Old Guard");
  for (const std::size_t r : {6, 8}) ASSERT_TRUE(rv::releasewrestler(s, r).released);
  EXPECT_EQ(rv::team_names(s, 0, TeamKind::stable), std::vector<std::string>{"Old Guard"});
}

}  // namespace

// The booking screen's worker panel: each worker's figures, standing and title as the store holds
// them.
#include <gtest/gtest.h>

#include "shows/bookingpanel.h"
#include "support/world.h"

namespace {

TEST(BookingPanel, EachWorkerWithTheFiguresARatingReads) {
  rv::Store s = rvtest::small_store();
  s.wrestlers.set(0, rv::Col::roles, "3");
  s.wrestlers.set(0, rv::Col::faceheel, "Heel");
  s.wrestlers.set(0, rv::Col::ent, "77");
  s.wrestlers.set(0, rv::Col::hardcore, "12");
  s.wrestlers.set(0, rv::Col::charisma, "64");
  s.wrestlers.set(0, rv::Col::morale, "31");
  s.wrestlers.set(1, rv::Col::roles, "1");
  s.wrestlers.set(1, rv::Col::faceheel, "Face");
  s.wrestlers.set(1, rv::Col::cond, std::string(rv::injured_condition));
  s.wrestlers.set(2, rv::Col::roles, "2");
  s.wrestlers.set(2, rv::Col::faceheel, "Face");
  s.promotion(0).title(0).set_holder("Alpha Worker 2");
  const std::vector<rv::BookableWorker> roster = {
      {"Alpha Worker 0", "Male", "", "", 55, "3", true},
      {"Alpha Worker 1", "Male", "", "", 40, "1", false},
      {"Alpha Worker 2", "Male", "", "", 50, "2", false},
      {"Nobody Known", "Male", "", "", 10, "", false},
  };
  struct Row {
    rv::Num draw, ability, hardcore, charisma, morale, condition;
    const char* role;
    const char* disposition;
    bool champion, on_card;
  };
  const Row expected[] = {
      {55, 77, 12, 64, 31, 90, "Upper Card Worker", "Heel", false, true},
      {40, 60, 40, 50, 70, 0, "Lower Card Worker", "Face", false, false},  // injured: no condition
      {50, 60, 40, 50, 70, 90, "Mid Card Worker", "Face", true, false},
      {10, 0, 0, 0, 0, 0, "Lower Card Worker", "", false, false},  // not in the table: nothing known
  };
  const auto panel = rv::booking_panel(s, roster);
  ASSERT_EQ(panel.size(), std::size(expected));
  for (std::size_t i = 0; i < panel.size(); ++i) {
    const auto& p = panel[i];
    const Row& e = expected[i];
    EXPECT_EQ(p.name, roster[i].name);
    EXPECT_EQ(std::vector<rv::Num>({p.draw, p.ability, p.hardcore, p.charisma, p.morale, p.condition}),
              std::vector<rv::Num>({e.draw, e.ability, e.hardcore, e.charisma, e.morale, e.condition}))
        << i;
    EXPECT_EQ(p.role, e.role) << i;
    EXPECT_EQ(p.champion, e.champion) << i;
    EXPECT_EQ(p.on_card, e.on_card) << i;
    EXPECT_EQ(p.disposition, e.disposition) << i;
  }
}

}  // namespace

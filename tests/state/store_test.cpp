#include <gtest/gtest.h>

#include "state/invariants.h"
#include "state/store.h"
#include "support/world.h"

namespace {

TEST(Store, PlayerPromotionNeedNotBeTheFirst) {
  rv::Store s = rvtest::small_store();
  s.set_md(rv::md::player_initials, "RVB");
  ASSERT_EQ(s.player_index(), 1u);
  auto p = s.promotion(*s.player_index());
  EXPECT_EQ(p.full_name(), "Ringvale Beta");
  p.set_popularity(77);
  EXPECT_EQ(s.promotions[rv::rec::promotion + rv::prom::popularity], "77");
  EXPECT_EQ(s.promotions.size(), 2 * rv::rec::promotion);
}

TEST(Store, TitleBlocksMapTheirFieldsByBlockLength) {
  rv::Store s = rvtest::small_store();
  auto p = s.promotion(0);
  auto first = p.title(0);
  EXPECT_EQ(first.level(), 50);
  first.set_holder("Alpha Worker 1");
  EXPECT_EQ(s.promotions[rv::prom::short_titles + 8], "Alpha Worker 1");

  auto tag = p.title(4);
  tag.put(rv::TitleField::kind, "Tag Team");
  tag.put(rv::TitleField::coholder2, "Alpha Worker 2");
  EXPECT_TRUE(tag.is_tag());
  EXPECT_EQ(s.promotions[rv::prom::long_titles + 11], "Alpha Worker 2");
  // A short block has no co-holders: writing one changes nothing.
  const auto before = s.promotions;
  first.put(rv::TitleField::coholder1, "Someone");
  EXPECT_EQ(s.promotions, before);
}

TEST(Store, WholeRecordsAreAddedAndRemoved) {
  rv::Lines table;
  rv::append_record(table, {"a", "b", "c"});
  rv::append_record(table, {"d", "e\nmore\r\n", "f"});  // a line break would shift every record after it
  EXPECT_EQ(table.size(), 6u);
  EXPECT_EQ(table[4], "e more  ");
  rv::remove_record(table, 0, 3);
  EXPECT_EQ(table, (rv::Lines{"d", "e more  ", "f"}));
  rv::remove_record(table, 99, 3);  // nothing there
  EXPECT_EQ(table.size(), 3u);
}

TEST(Invariants, EveryViolationIsReported) {
  rv::Store s = rvtest::small_store();
  EXPECT_TRUE(rv::check_store(s).empty());
  s.wrestlers.column(rv::Col::morale).pop_back();
  s.newslist.push_back("half a message");
  s.calendar.push_back("stray");
  for (const auto& line : rvtest::promotion_record("RVA", "Ringvale Alpha", 2)) s.promotions.push_back(line);
  s.wrestlers.column(rv::Col::names)[3] = s.wrestlers.column(rv::Col::names)[4];
  s.set_md(rv::md::month, "Smarch");
  const auto problems = rv::check_store(s);
  auto mentions = [&](const std::string& part) {
    for (const auto& p : problems) {
      if (p.find(part) != std::string::npos) return true;
    }
    return false;
  };
  EXPECT_TRUE(mentions("column morale"));
  EXPECT_TRUE(mentions("newslist"));
  EXPECT_TRUE(mentions("calendar"));
  EXPECT_TRUE(mentions("initials RVA"));
  EXPECT_TRUE(mentions("name Ringvale Alpha"));
  EXPECT_TRUE(mentions("ring name Alpha Worker 4"));
  EXPECT_TRUE(mentions("lines 2 to 5"));
  EXPECT_EQ(problems.size(), 7u);
}

}  // namespace

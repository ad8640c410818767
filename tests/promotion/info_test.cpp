// General Info: the rows of an unsplit and a split promotion, the power figure and talk show
// changes (and the refusals that leave the store alone), the records and the rankings.
#include <gtest/gtest.h>

#include "promotion/info.h"
#include "support/world.h"

namespace {

std::vector<std::string> column(const std::vector<rv::InfoRow>& rows, bool headings) {
  std::vector<std::string> out;
  for (const auto& r : rows) out.push_back(headings ? r.heading : r.value);
  return out;
}

rv::Store split_store() {
  rv::Store s = rvtest::small_store();
  const auto p = s.promotion(0);
  p.set(rv::prom::roster_split, std::string(rv::split_on));
  p.set(rv::prom::brand1_name, "Iron Hour");
  p.set(rv::prom::brand2_name, "Velvet Night");
  return s;
}

}  // namespace

TEST(GeneralInfo, RowsFollowTheRosterSplitAndEachBrandHasItsOwnSlots) {
  rv::Store s = rvtest::small_store();
  const auto rows = rv::general_info(s);
  EXPECT_EQ(column(rows, false), (std::vector<std::string>{"Ringvale Alpha (RVA)", "Small National", "UK", "40%", "None",
                                                            "None", "None", "N/A"}));
  EXPECT_EQ(rows[7].action, rv::InfoAction::talk_show);

  rv::Store split = split_store();
  ASSERT_TRUE(rv::set_power_figure(split, 0, 3, "Alpha Worker 2", "General Manager").ok());
  ASSERT_TRUE(rv::set_talk_show(split, 0, 1, "The Late Slot", "Alpha Worker 4", "Ringvale Alpha Weekly").ok());
  const auto brands = rv::general_info(split);
  ASSERT_EQ(brands.size(), 14u);
  EXPECT_EQ(brands[9].heading, "Brand 2 Name");
  EXPECT_EQ(brands[9].value, "Velvet Night");
  EXPECT_EQ(brands[11].value, "Alpha Worker 2 (General Manager)");
  EXPECT_EQ(brands[11].slot, 3u);
  EXPECT_EQ(brands[13].value, "Hosted by Alpha Worker 4 on Ringvale Alpha Weekly");
  EXPECT_EQ(brands[6].value, "None");  // brand 1's power figure 2 is untouched
  EXPECT_EQ(rv::brand_name_question(1), "Enter the name of Brand 2.");
  EXPECT_FALSE(rv::set_brand_name(split, 0, 0, "  ").ok());
  EXPECT_EQ(rv::general_info(split)[4].value, "Iron Hour");
}

TEST(GeneralInfo, PowerFiguresAndTalkShowsRefuseBadInputAndLeaveTheStoreAlone) {
  rv::Store s = rvtest::small_store();
  const rv::Lines before = s.promotions;
  EXPECT_FALSE(rv::set_power_figure(s, 0, 0, "Alpha Worker 1", "").ok());
  EXPECT_FALSE(rv::set_power_figure(s, 0, 0, "Alpha Worker 1", "Head \x81 Booker").ok());
  EXPECT_FALSE(rv::set_power_figure(s, 0, 0, "Beta Worker 1", "Owner").ok());  // works for RVB
  EXPECT_FALSE(rv::set_power_figure(s, 0, 4, "Alpha Worker 1", "Owner").ok());
  EXPECT_FALSE(rv::set_talk_show(s, 0, 0, "Open Mic", "Alpha Worker 1", "No Such Show").ok());
  EXPECT_FALSE(rv::set_talk_show(s, 0, 0, "", "Alpha Worker 1", "Ringvale Alpha Weekly").ok());
  EXPECT_FALSE(rv::set_talk_show(s, 0, 2, "Open Mic", "Alpha Worker 1", "Ringvale Alpha Weekly").ok());
  EXPECT_EQ(s.promotions, before);

  ASSERT_TRUE(rv::set_power_figure(s, 0, 1, "Alpha Worker 1", "Owner").ok());
  EXPECT_EQ(rv::general_info(s)[5].value, "Alpha Worker 1 (Owner)");
  ASSERT_TRUE(rv::clear_power_figure(s, 0, 1).ok());
  EXPECT_EQ(s.promotion(0).at(rv::prom::power_figures + 2), "");
  EXPECT_EQ(s.promotion(0).at(rv::prom::power_figures + 3), "");

  ASSERT_TRUE(rv::set_talk_show(s, 0, 0, "Open Mic", "Alpha Worker 3", "Ringvale Alpha Weekly").ok());
  EXPECT_EQ(rv::general_info(s)[6].value, "Open Mic");
  ASSERT_TRUE(rv::clear_talk_show(s, 0, 0).ok());
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(s.promotion(0).at(rv::prom::talk_shows + i), "NA");
  EXPECT_EQ(rv::general_info(s)[7].value, "N/A");
}

TEST(Records, UnsetRecordsAndTheFeudsDays) {
  rv::Store s = rvtest::small_store();
  s.set_md(rv::md::record_top_rating, std::string(rv::no_record_yet));
  s.set_md(rv::md::record_top_attendance, "12345");
  s.set_md(rv::md::record_top_attendance + 1, "Alpha Weekly (Monday 1st January 2007)");
  s.set_md(rv::md::record_longest_feud, "Alpha Worker 1 vs Alpha Worker 2");
  s.set_md(rv::md::record_longest_feud_days, "1");
  auto rows = rv::promotion_records(s);
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[0].value, "N/A");
  EXPECT_EQ(rows[0].holder, "No Record Yet");
  EXPECT_EQ(rows[3].holder, "No Record Yet");  // an empty line is unset too
  EXPECT_EQ(rows[4].value, "12,345");
  EXPECT_EQ(rows[6].holder, "Alpha Worker 1 vs Alpha Worker 2 (1 day)");
  s.set_md(rv::md::record_longest_feud_days, "30");
  EXPECT_EQ(rv::promotion_records(s)[6].holder, "Alpha Worker 1 vs Alpha Worker 2 (30 days)");
}

TEST(Rankings, SizeComesBeforePopularityAndPlacesReadAsEnglish) {
  rv::Store s = rvtest::small_store();
  for (const auto& line : rvtest::promotion_record("RVC", "Ringvale Gamma", 6)) s.promotions.push_back(line);
  for (const auto& line : rvtest::promotion_record("RVD", "Ringvale Delta", 4)) s.promotions.push_back(line);
  s.promotion(2).set_popularity(1);
  s.promotion(0).set_popularity(99);
  s.promotion(3).set_popularity(60);
  const auto rows = rv::promotion_rankings(s);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].name, "Ringvale Gamma");
  EXPECT_EQ(rows[1].name, "Ringvale Alpha");
  EXPECT_TRUE(rows[1].is_player);
  EXPECT_EQ(rows[2].name, "Ringvale Delta");
  EXPECT_EQ(rows[3].place, "4th");
  std::string places;
  for (std::size_t n : {1, 2, 3, 4, 11, 12, 13, 21, 22, 101, 111, 112}) places += rv::ordinal(n) + " ";
  EXPECT_EQ(places, "1st 2nd 3rd 4th 11th 12th 13th 21st 22nd 101st 111th 112th ");
}

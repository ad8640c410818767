// The championships screen's rules: creating, renaming, retiring and a title's history.
#include <gtest/gtest.h>

#include "support/world.h"
#include "titles/championships.h"

namespace {

// Answers every question of a creation; the refusals met on the way are returned.
std::vector<std::string> create(rv::TitleCreation& c, const std::vector<std::string>& answers) {
  std::vector<std::string> refused;
  for (const auto& a : answers) {
    if (auto why = c.answer(a)) refused.push_back(*why);
  }
  return refused;
}

rv::Lines block(const rv::Store& s, std::size_t first, std::size_t size) {
  return {s.promotions.begin() + static_cast<std::ptrdiff_t>(first),
          s.promotions.begin() + static_cast<std::ptrdiff_t>(first + size)};
}

TEST(Championships, CreatingWritesOneWholeBlockOfTheSlotsSize) {
  rv::Store s = rvtest::small_store();  // RVA: size 4, the first title at level 50, no split roster
  const rv::Lines slot3_before = block(s, rv::prom::short_titles + 2 * rv::prom::short_title_size, 15);

  rv::TitleCreation custom(s, 0, 4);
  EXPECT_EQ(custom.question().prompt, "Choose Title Type");
  EXPECT_TRUE(create(custom, {"Tag Team", "Upper Card", "Mid Card", "All", "Heavy", "No", "", "Alpha Tag Titles",
                              "", "Tag Champions"}) ==
              (std::vector<std::string>{"Please choose one of the answers offered.", "Title name is blank.",
                                        "Title Holder name is blank."}));
  ASSERT_TRUE(custom.done());
  ASSERT_TRUE(custom.finish(s).ok());
  EXPECT_EQ(block(s, rv::prom::long_titles, 18),
            (rv::Lines{"Alpha Tag Titles", "Tag Champions", "Tag Team", "70", "All", "Heavy", "No", "40", "All", "Vacant",
                       "", "", "0", "No Record Yet", "0", "0", "", ""}));
  EXPECT_EQ(s.titlehistory.back(), "Alpha Tag Titles Created");

  rv::TitleCreation second(s, 0, 1);
  EXPECT_EQ(second.question().choices.size(), 4u);  // a singles slot offers the upper card too
  EXPECT_TRUE(create(second, {"Lower Card", "Female", "Light", "Yes", "Alpha Tag Titles", "Alpha Womens Title",
                              "Womens Champion"})
                  .size() == 1);  // the taken name is asked again
  ASSERT_TRUE(second.finish(s).ok());
  EXPECT_EQ(block(s, rv::prom::short_titles + rv::prom::short_title_size, 15),
            (rv::Lines{"Alpha Womens Title", "Womens Champion", "70", "Female", "Light", "Yes", "60", "All", "Vacant",
                       "0", "No Record Yet", "0", "0", "", ""}));
  EXPECT_EQ(block(s, rv::prom::short_titles + 2 * rv::prom::short_title_size, 15), slot3_before);
  EXPECT_FALSE(rv::TitleCreation(s, 0, 1).finish(s).ok());  // the slot is taken now
}

TEST(Championships, RenamingCarriesTheHistoryAndRetiringEmptiesTheBlock) {
  rv::Store s = rvtest::small_store();
  const std::string old = s.promotion(0).title(0).name();
  rv::append_record(s.titlehistory, {old, "Monday 1st January 2007", "Alpha Worker 1"});
  EXPECT_FALSE(rv::rename_title(s, 0, 0, "", "Champion").ok());
  ASSERT_TRUE(rv::rename_title(s, 0, 0, "Alpha Crown", "Crown Holder").ok());
  const auto h = rv::title_history(s, 0, 0);
  ASSERT_TRUE(h);
  EXPECT_EQ(h->heading, "History of Alpha Crown");
  ASSERT_GE(h->entries.size(), 2u);
  EXPECT_EQ(h->entries.back().event, "Renamed Alpha Crown");
  EXPECT_EQ(h->record, "No Record Yet");

  // Only the title lines of the history follow a rename: an event that reads like the title stays.
  rv::append_record(s.titlehistory, {"Alpha Crown", "Tuesday 2nd January 2007", "Alpha Crown"});
  const std::size_t entry = s.titlehistory.size() - rv::rec::title_history;
  ASSERT_TRUE(rv::rename_title(s, 0, 0, "Alpha Belt", "Belt Holder").ok());
  EXPECT_EQ(s.titlehistory[entry + rv::hist::title], "Alpha Belt");
  EXPECT_EQ(s.titlehistory[entry + rv::hist::event], "Alpha Crown");
  s.promotion(0).title(1).put(rv::TitleField::name, "Beta Belt");
  const rv::Lines promotions = s.promotions;
  for (const std::string& bad : {std::string("Vacant"), std::string("beta belt"), std::string("Tag\x7F")})
    EXPECT_FALSE(rv::rename_title(s, 0, 0, bad, "Belt Holder").ok()) << bad;
  EXPECT_EQ(rv::rename_title(s, 0, 0, "Alpha Belt", "none").error(),
            "\"none\" is a word the game keeps for itself; it cannot be a title holder name.");
  EXPECT_EQ(s.promotions, promotions);

  EXPECT_FALSE(rv::retire_title(s, 0, 0).ok());  // the first title stays: offers are judged by it
  EXPECT_EQ(s.promotion(0).reference_level(), 50);
  rv::TitleCreation custom(s, 0, 7);
  create(custom, {"Singles", "Lower Card", "All", "All", "Yes", "Alpha Hardcore", "Hardcore Champion"});
  ASSERT_TRUE(custom.finish(s).ok());
  EXPECT_EQ(rv::title_history(s, 0, 7)->description,
            "Singles -- For Both Genders -- For Any Weight Class -- Hardcore Style -- For Both Brands");
  ASSERT_TRUE(rv::retire_title(s, 0, 7).ok());
  EXPECT_EQ(block(s, rv::prom::long_titles + 3 * rv::prom::long_title_size, 18), rv::Lines(18, ""));
  EXPECT_EQ(s.titlehistory.back(), "Title Retired");
  EXPECT_EQ(rv::slot_caption(s, 0, 7), "Unused (Click To Add)");
}

TEST(Championships, EveryLevelBySizeAndCardPosition) {
  const struct {
    int size;
    rv::Num upper, mid, lower_mid, lower;
  } rows[] = {{6, 90, 80, 75, 70}, {5, 85, 75, 70, 65}, {4, 80, 70, 65, 60},
              {3, 70, 60, 55, 50}, {2, 60, 50, 45, 40}, {1, 50, 40, 35, 30}};
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    s.promotion(0).set(rv::prom::size_level, std::to_string(r.size));
    EXPECT_EQ(rv::new_title_level(s, 0, 1, "Upper Card"), r.upper) << r.size;
    EXPECT_EQ(rv::new_title_level(s, 0, 2, "Mid Card"), r.mid) << r.size;
    EXPECT_EQ(rv::new_title_level(s, 0, 3, "Lower Mid Card"), r.lower_mid) << r.size;
    EXPECT_EQ(rv::new_title_level(s, 0, 3, "Lower Card"), r.lower) << r.size;
  }
  // A custom title sits 10, 20 or 30 below the first title (level 85 here).
  rv::Store s = rvtest::small_store();
  s.promotion(0).title(0).put(rv::TitleField::level, "85");
  EXPECT_EQ(rv::new_title_level(s, 0, 4, "Mid Card"), 75);
  EXPECT_EQ(rv::new_title_level(s, 0, 5, "Lower Mid Card"), 65);
  EXPECT_EQ(rv::new_title_level(s, 0, 7, "Lower Card"), 55);
}

}  // namespace

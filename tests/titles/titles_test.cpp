// Titles as the daily cycle sees them (vacating, counting reigns and the weekly level drift), and the
// championships screen's rules: creating, renaming, retiring and a title's history.
#include <gtest/gtest.h>

#include "support/days.h"
#include "support/world.h"
#include "titles/championships.h"
#include "titles/titles.h"

namespace {

using rvtest::worker;

struct Titles : ::testing::Test {
  rv::Store s = rvtest::small_store();
  rv::Title t = s.promotion(0).title(0);  // "Ringvale Alpha Title", level 50, value 80
  rv::Title tag = s.promotion(0).title(5);
  void SetUp() override {
    tag.put(rv::TitleField::name, "Alpha Tag Titles");
    tag.put(rv::TitleField::called, "Alpha Tag Champions");
    tag.put(rv::TitleField::kind, "Tag Team");
    tag.put(rv::TitleField::level, "40");
    tag.put(rv::TitleField::holder, "Vacant");
    tag.put(rv::TitleField::record_holder, "No Record Yet");
  }
};

TEST_F(Titles, VacatingALongReignSetsTheRecord) {
  t.set_holder("Alpha Worker 1");
  t.put(rv::current_reign, "120");
  t.put(rv::defences, "7");
  t.put(rv::TitleField::record_holder, "Someone Else");
  t.put(rv::TitleField::record_length, "100");
  EXPECT_TRUE(rv::vacate_title(s, 0, 0, rv::VacateNotice::quiet));
  EXPECT_EQ(t.holder(), "Vacant");
  EXPECT_EQ(t.get(rv::current_reign), "0");
  EXPECT_EQ(t.get(rv::defences), "0");
  EXPECT_EQ(t.get(rv::TitleField::record_holder), "Alpha Worker 1");
  EXPECT_EQ(t.get(rv::TitleField::record_length), "120");
  const auto record = rvtest::message_with(s, "New Record");
  ASSERT_TRUE(record);
  EXPECT_EQ(record->at(rv::msg::body), "Alpha Worker 1's title reign has set a new record.");
  ASSERT_EQ(s.titlehistory.size(), rv::rec::title_history);
  EXPECT_EQ(s.titlehistory[rv::hist::title], "Ringvale Alpha Title");
  EXPECT_EQ(s.titlehistory[rv::hist::date], "Monday 1st January 2007");
  EXPECT_FALSE(rv::vacate_title(s, 0, 0, rv::VacateNotice::quiet));  // already vacant
  EXPECT_EQ(s.titlehistory.size(), rv::rec::title_history);
  EXPECT_EQ(s.message_count(), 1u);
}

// What one vacancy of the player's title leaves in the inbox, by its reign against the record
// and by whether the departure is news; the history gains "Title Vacated" every time.
TEST_F(Titles, AVacancyPostsOnlyWhatItsCauseCallsFor) {
  struct Case {
    const char* reign;
    const char* record;
    rv::VacateNotice notice;
    std::vector<std::string> subjects;
  };
  const Case cases[] = {
      {"101", "100", rv::VacateNotice::quiet, {"New Record"}},
      {"100", "100", rv::VacateNotice::quiet, {}},  // equal to the record: no record
      {"99", "100", rv::VacateNotice::quiet, {}},
      {"101", "100", rv::VacateNotice::inbox, {"New Record", "Title Vacated"}},
      {"100", "100", rv::VacateNotice::inbox, {"Title Vacated"}},
  };
  for (const Case& c : cases) {
    rv::Store fresh = rvtest::small_store();
    auto title = fresh.promotion(0).title(0);
    title.set_holder("Alpha Worker 1");
    title.put(rv::current_reign, c.reign);
    title.put(rv::TitleField::record_holder, "Someone Else");
    title.put(rv::TitleField::record_length, c.record);
    EXPECT_TRUE(rv::vacate_title(fresh, 0, 0, c.notice));
    EXPECT_EQ(rvtest::subjects(fresh), c.subjects) << c.reign << " against " << c.record;
    ASSERT_EQ(fresh.titlehistory.size(), rv::rec::title_history);
    EXPECT_EQ(fresh.titlehistory[rv::hist::event], "Title Vacated");
  }
}

TEST_F(Titles, ARivalsTitleIsVacatedQuietly) {
  s.promotion(1).title(0).set_holder("Beta Worker 1");
  EXPECT_EQ(rv::vacate_titles_of(s, 1, "Beta Worker 1", rv::VacateNotice::inbox), 1);
  EXPECT_EQ(s.promotion(1).title(0).holder(), "Vacant");
  EXPECT_EQ(s.message_count(), 0u);
  EXPECT_TRUE(s.titlehistory.empty());
}

TEST_F(Titles, ReignsAreCountedAndRecordsReported) {
  t.set_holder("Alpha Worker 1");
  t.put(rv::current_reign, "9");
  t.put(rv::TitleField::record_holder, "Old Champ");
  t.put(rv::TitleField::record_length, "10");
  tag.put(rv::TitleField::holder, "The Pair");
  rv::recordreignupdate(s);
  EXPECT_EQ(t.get(rv::current_reign), "10");
  EXPECT_EQ(t.get(rv::TitleField::record_holder), "Old Champ");
  EXPECT_EQ(tag.get(rv::current_reign), "1");
  EXPECT_EQ(tag.get(rv::TitleField::record_holder), "The Pair");
  auto m = rvtest::message_with(s, "New Record");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->at(rv::msg::body), "The Pair have broken the previous record for the longest reign as Alpha Tag Champions.");
  rv::recordreignupdate(s);
  EXPECT_EQ(t.get(rv::TitleField::record_holder), "Alpha Worker 1");
  EXPECT_EQ(t.get(rv::TitleField::record_length), "11");
  EXPECT_EQ(s.message(1).at(rv::msg::body),
            "Alpha Worker 1 has broken the previous record for the longest reign as Ringvale Alpha Champion.");
  EXPECT_EQ(s.promotion(1).title(0).get(rv::current_reign), "");  // only the player's titles
  rv::recordreignupdate(s);  // both reigns extend their records quietly
  EXPECT_EQ(t.get(rv::TitleField::record_length), "12");
  EXPECT_EQ(tag.get(rv::TitleField::record_length), "3");
  EXPECT_EQ(s.message_count(), 2u);
}

TEST_F(Titles, LevelsMoveTowardTheHolder) {
  EXPECT_EQ(rv::title_level_step(30), 10);
  EXPECT_EQ(rv::title_level_step(29), 6);
  EXPECT_EQ(rv::title_level_step(-20), -6);
  EXPECT_EQ(rv::title_level_step(10), 3);
  EXPECT_EQ(rv::title_level_step(-5), -2);
  EXPECT_EQ(rv::title_level_step(4), 1);
  EXPECT_EQ(rv::title_level_step(0), 0);
  t.set_holder("Alpha Worker 1");
  worker(s, "Alpha Worker 1").set_pop(90);
  worker(s, "Alpha Worker 1").set_charisma(85);
  rvtest::set_date(s, "Friday", 12, "January", 2007);
  rv::beltvalues(s);
  EXPECT_EQ(t.level(), 50 + 10 + 1);
  worker(s, "Alpha Worker 1").set_pop(10);
  worker(s, "Alpha Worker 1").set_charisma(30);
  t.put(rv::TitleField::level, "40");
  rv::beltvalues(s);
  EXPECT_EQ(t.level(), 40 - 10 - 1);
  worker(s, "Alpha Worker 1").set_pop(99);
  worker(s, "Alpha Worker 1").set_charisma(99);
  t.put(rv::TitleField::weight_limit, "Heavy");
  t.put(rv::TitleField::level, "99");
  rv::beltvalues(s);
  EXPECT_EQ(t.level(), 100);
}

TEST_F(Titles, WeightAndHardcoreCorrections) {
  t.set_holder("Alpha Worker 1");
  t.put(rv::TitleField::weight_limit, "Heavy");
  t.put(rv::hardcore_flag, "Yes");
  worker(s, "Alpha Worker 1").set_hardcore(85);
  EXPECT_EQ(rv::title_level_change(s, 0, 0), 0 + 1 + 1);  // pop 50 at level 50, heavyweight, hardcore 85
  worker(s, "Alpha Worker 1").set_hardcore(20);
  EXPECT_EQ(rv::title_level_change(s, 0, 0), 0 + 1 - 1);
  tag.put(rv::TitleField::holder, "The Pair");
  tag.put(rv::TitleField::coholder1, "Alpha Worker 2");
  tag.put(rv::TitleField::coholder2, "Alpha Worker 4");
  worker(s, "Alpha Worker 2").set_pop(70);
  worker(s, "Alpha Worker 4").set_pop(90);
  EXPECT_EQ(rv::title_level_change(s, 0, 5), 10);  // the pair's mean of 80 is 40 above
}

TEST_F(Titles, DefencesTooOftenOrTooRarely) {
  rvtest::set_date(s, "Friday", 5, "January", 2007);
  t.set_holder("Alpha Worker 1");
  t.put(rv::current_reign, "30");
  t.put(rv::defences, "10");
  EXPECT_EQ(rv::defence_pace(s, 0, 0), rv::DefencePace::too_often);
  rv::beltvalues(s);
  EXPECT_EQ(s.message(0).at(rv::msg::body),
            "We think the Ringvale Alpha Title is being defended too frequently, and it could be damaging the value of the title.");
  EXPECT_EQ(t.level(), 48);
  t.put(rv::defences, "0");
  EXPECT_EQ(rv::defence_pace(s, 0, 0), rv::DefencePace::too_rarely);
  rv::beltvalues(s);
  EXPECT_EQ(s.message(1).at(rv::msg::body),
            "We don't think the Ringvale Alpha Title is being defended enough, and it's having a negative effect on the value "
            "of the title.");
  t.put(rv::defences, "2");
  EXPECT_EQ(rv::defence_pace(s, 0, 0), rv::DefencePace::fine);
  t.put(rv::current_reign, "10");
  t.put(rv::defences, "0");
  EXPECT_EQ(rv::defence_pace(s, 0, 0), rv::DefencePace::fine);  // too early to judge
  t.put(rv::current_reign, "60");
  rvtest::set_date(s, "Friday", 12, "January", 2007);  // warnings only on the first Friday
  rv::beltvalues(s);
  EXPECT_EQ(s.message_count(), 2u);
}

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
  // A card position a tag title cannot have, a blank name and a blank holder name are asked again.
  EXPECT_EQ(create(custom, {"Tag Team", "Upper Card", "Mid Card", "All", "Heavy", "No", "", "Alpha Tag Titles", "",
                            "Tag Champions"}).size(), 3u);
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

// The shows screen's rules and announcing a big show.
#include <gtest/gtest.h>

#include "promotion/bigshow.h"
#include "promotion/production.h"
#include "state/calendar.h"
#include "support/world.h"

namespace {

TEST(Production, LevelsWrapAndTheCaptionShowsTheCost) {
  rv::Store s = rvtest::small_store();
  const auto p = s.promotion(0);
  p.set(rv::prom::production_levels, "1");
  EXPECT_EQ(rv::step_production(s, rv::ShowKind::primary, false), "Level 20 - $1,250,000 Per Show");
  EXPECT_EQ(p.at(rv::prom::production_levels), "20");
  p.set(rv::prom::production_levels + 1, "9");
  EXPECT_EQ(rv::step_production(s, rv::ShowKind::secondary, true), "Level 10 - $75,000 Per Show");
  EXPECT_EQ(rv::production_cost(rv::production_level(s, rv::ShowKind::secondary)), 75000);
  p.set(rv::prom::production_levels + 2, "x");
  EXPECT_EQ(rv::step_production(s, rv::ShowKind::big, false), "Level 1 - $500 Per Show");
}

TEST(Production, InterviewersAndRenamingAShow) {
  rv::Store s = rvtest::small_store();
  ASSERT_TRUE(rv::set_interviewer(s, 1, "Alpha Worker 1").ok());
  const auto same = rv::set_interviewer(s, 2, "Alpha Worker 1");
  ASSERT_FALSE(same.ok());
  EXPECT_EQ(same.error(), rv::same_interviewer_message);
  EXPECT_FALSE(rv::set_interviewer(s, 2, "Beta Worker 1").ok());  // not the player's
  ASSERT_TRUE(rv::set_interviewer(s, 1, "None").ok());
  EXPECT_EQ(rv::interviewer(s, 1), "None");

  const std::string old = s.promotion(0).show(0, rv::prom::show::name);
  ASSERT_TRUE(rv::rename_regular_show(s, 0, "").ok());
  EXPECT_EQ(s.promotion(0).show(0, rv::prom::show::name), old);
  ASSERT_TRUE(rv::rename_regular_show(s, 0, "Alpha Thursday Night").ok());
  bool renamed = false, left = false;
  for (const auto& row : rv::calendar_rows(s)) {
    renamed = renamed || row.event == "Alpha Thursday Night";
    left = left || row.event == old;
  }
  EXPECT_TRUE(renamed);
  EXPECT_FALSE(left);
}

// A show's new name passes the name check; a refusal leaves the promotion and calendar alone.
TEST(Production, AShowCannotTakeAReservedOrATakenName) {
  rv::Store s = rvtest::small_store();
  s.promotion(0).set_show(1, rv::prom::show::name, "Alpha Sunday");
  const rv::Store before = s;
  const std::vector<std::pair<std::string, std::string>> refused = {
      {"Alpha Sunday", "Another show of your promotion already has that name."},
      {"alpha sunday", "Another show of your promotion already has that name."},
      {"None", "\"None\" is a word the game keeps for itself; it cannot be a show name."},
      {"Big\nNight", "The show name has a character the game cannot store."},
      {std::string(61, 'S'), "A show name can be 60 characters long at the most."}};
  for (const auto& [name, message] : refused) {
    const auto r = rv::rename_regular_show(s, 0, name);
    ASSERT_FALSE(r.ok()) << name;
    EXPECT_EQ(r.error(), message);
  }
  EXPECT_EQ(s.promotions, before.promotions);
  EXPECT_EQ(s.calendar, before.calendar);
}

TEST(Production, TheShowListReadsEachShowsOwnLastFigures) {
  rv::Store s = rvtest::small_store();
  const auto p = s.promotion(0);
  p.set_show(1, rv::prom::show::name, "Alpha Second");
  p.set_show(1, rv::prom::show::kind, "House");
  s.set_md(rv::md::last_show_first + 3, "Tuesday 4th March 2025");
  s.set_md(rv::md::last_show_figures + 1, "512");
  const auto rows = rv::regular_shows(s);
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[0].last_show, "None");
  EXPECT_EQ(rows[1].last_show, "Tuesday 4th March 2025");
  EXPECT_EQ(rows[1].figure_name, "Attendence");
  EXPECT_EQ(rows[1].figure, "512");
}

TEST(BigShow, TheAnnouncementIsStoredOnlyWhenConfirmed) {
  rv::Store s = rvtest::small_store();  // RVA: size 4, no split roster
  const rv::Lines md_before = s.maindata, calendar_before = s.calendar;
  rv::BigShowAnnouncement a(s, {"poster.jpg"});
  const std::string date = a.question().choices.at(5);
  EXPECT_EQ(*a.answer("Someday"), "Please choose a date from the drop down list.");
  EXPECT_FALSE(a.answer(date));
  EXPECT_EQ(*a.answer(""), "Please enter the name of this event.");
  EXPECT_FALSE(a.answer("Harbour Havoc"));
  const auto q = a.question();  // no brand question without a split roster
  EXPECT_EQ(q.choices, (std::vector<std::string>{"Basic ($80,000)", "Regular ($125,000)", "Extensive ($250,000)"}));
  EXPECT_EQ(q.preselected, 1u);
  EXPECT_FALSE(a.answer(q.choices[1]));
  EXPECT_FALSE(a.answer("poster.jpg"));
  ASSERT_TRUE(a.done());
  EXPECT_EQ(a.summary(), "Name of Show: Harbour Havoc\nBrand: Both\nPromotion: Regular ($125,000)\nDate of Show: " + date +
                             "\nLogo for Show: poster.jpg");
  EXPECT_EQ(s.maindata, md_before);  // a "No" to the summary leaves all as it was
  EXPECT_EQ(s.calendar, calendar_before);
  ASSERT_TRUE(a.confirm(s).ok());
  EXPECT_EQ(s.md(rv::md::next_big_show_brand), "All");
  EXPECT_EQ(s.md(rv::md::next_big_show_level), "2");
  EXPECT_EQ(s.calendar[5 * rv::rec::calendar_day + rv::cal::big], "Harbour Havoc");
  ASSERT_TRUE(rv::big_show_info(s));
  EXPECT_EQ(rv::big_show_info(s)->promotion, "This event is being given regular promotion.");
}

}  // namespace

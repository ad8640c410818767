// The shows screen's rules and announcing a big show.
#include <gtest/gtest.h>

#include "promotion/bigshow.h"
#include "promotion/production.h"
#include "state/calendar.h"
#include "state/pictures.h"
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
  p.set(rv::prom::production_levels + 2, "x");
  EXPECT_EQ(rv::step_production(s, rv::ShowKind::big, false), "Level 1 - $500 Per Show");
}

TEST(Production, TwoInterviewersAreTwoOfThePlayersWorkers) {
  rv::Store s = rvtest::small_store();
  ASSERT_TRUE(rv::set_interviewer(s, 1, "Alpha Worker 1").ok());
  const auto same = rv::set_interviewer(s, 2, "Alpha Worker 1");
  ASSERT_FALSE(same.ok());
  EXPECT_EQ(same.error(), rv::same_interviewer_message);
  EXPECT_FALSE(rv::set_interviewer(s, 2, "Beta Worker 1").ok());  // not the player's
  ASSERT_TRUE(rv::set_interviewer(s, 1, "None").ok());
  EXPECT_EQ(rv::interviewer(s, 1), "None");

}

// A show's picture is a .jpg, .jpeg, .bmp or .gif file of Images, or none; anything else is
// refused and the show keeps the picture it had.
TEST(Production, AShowPictureIsOneOfTheFourKindsOfPicture) {
  rvtest::TempDir dir;
  const rv::Home home(dir.path());
  for (const char* f : {"owl.jpg", "bear.gif", "cat.jpeg", "dog.bmp", "fox.png", "notes.txt", "jpg"}) {
    rvtest::write_bytes(home.images() / f, "x");
  }
  EXPECT_EQ(rv::show_picture_choices(home), (std::vector<std::string>{"bear.gif", "cat.jpeg", "dog.bmp", "owl.jpg"}));

  rv::Store s = rvtest::small_store();
  const auto image = [&] { return s.promotion(0).show(0, rv::prom::show::image); };
  struct Case {
    const char* file;
    bool taken;
  };
  const Case cases[] = {{"cat.jpeg", true}, {"fox.png", false}, {"notes.txt", false}, {"jpg", false},
                        {"missing.jpg", false}, {"../owl.jpg", false}, {"bear.gif", true}, {"NA", true}};
  std::string before = image();
  for (const Case& c : cases) {
    EXPECT_EQ(rv::set_show_image(s, home, 0, c.file).ok(), c.taken) << c.file;
    EXPECT_EQ(image(), c.taken ? std::string(c.file) : before) << c.file;
    before = image();
  }
}

// A show's new name passes the name check and is no other show's, nor "House Show"; a refusal,
// an empty answer or the show's own name leaves the promotion and calendar alone.
TEST(Production, AShowCannotTakeAReservedOrATakenName) {
  rv::Store s = rvtest::small_store();
  const auto p = s.promotion(0);
  p.set_show(1, rv::prom::show::name, "Alpha Friday");
  p.set_show(1, rv::prom::show::weekday, "Friday");
  const std::string first = p.show(0, rv::prom::show::name);
  const std::string taken = "Another show of your promotion already has that name.";
  const std::pair<std::string, std::string> cases[] = {
      {"House Show", "A regular show cannot be called \"House Show\": the calendar keeps that name for the house shows you book."},
      {"Alpha Friday", taken},
      {"alpha friday", taken},
      {"None", "\"None\" is a word the game keeps for itself; it cannot be a show name."},
      {"", ""},     // an empty answer changes nothing
      {first, ""},  // nor does its own name again
  };
  for (const auto& [name, refusal] : cases) {
    const rv::Store before = s;
    const auto status = rv::rename_regular_show(s, 0, name);
    EXPECT_EQ(status.ok() ? std::string() : status.error(), refusal) << name;
    EXPECT_EQ(s.promotions, before.promotions) << name;
    EXPECT_EQ(s.calendar, before.calendar) << name;
  }
  const auto second = rv::rename_regular_show(s, 1, first);
  EXPECT_EQ(second.ok() ? std::string() : second.error(), taken);
}

TEST(Production, ARenameTakesOnlyItsOwnWeekdaysOnTheCalendar) {
  // Two shows named alike (as a loaded game may hold them) and a house show the player booked on a
  // Tuesday while growth's "House Show" runs on Saturdays.
  rv::Store s = rvtest::small_store();
  const auto p = s.promotion(0);
  p.set_show(0, rv::prom::show::name, "Alpha Nights");  // Thursdays
  p.set_show(1, rv::prom::show::name, "Alpha Nights");
  p.set_show(1, rv::prom::show::weekday, "Friday");
  p.set_show(2, rv::prom::show::name, "House Show");
  p.set_show(2, rv::prom::show::weekday, "Saturday");
  rv::create_calendar(s);
  std::string tuesday;
  for (const auto& row : rv::calendar_rows(s))
    if (tuesday.empty() && row.date.starts_with("Tuesday")) tuesday = row.date;
  ASSERT_TRUE(rv::book_house_show(s, tuesday));

  ASSERT_TRUE(rv::rename_regular_show(s, 0, "Alpha Thursdays").ok());
  ASSERT_TRUE(rv::rename_regular_show(s, 2, "Alpha Saturdays").ok());
  const std::pair<const char*, const char*> by_weekday[] = {
      {"Thursday", "Alpha Thursdays"}, {"Friday", "Alpha Nights"}, {"Saturday", "Alpha Saturdays"}, {"Monday", ""}};
  std::size_t seen = 0;
  for (const auto& row : rv::calendar_rows(s)) {
    const std::string weekday = row.date.substr(0, row.date.find(' '));
    if (row.date == tuesday) {
      EXPECT_EQ(row.event, "House Show");
      continue;
    }
    for (const auto& [day, event] : by_weekday)
      if (weekday == day) {
        EXPECT_EQ(row.event, event) << row.date;
        ++seen;
      }
  }
  EXPECT_EQ(seen, 4u * 6u);  // six weeks of each
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

// The line naming who appears on the big show, by the show's brand and the brand names.
TEST(BigShow, TheFeaturingLineNamesTheShowsBrands) {
  struct Case {
    const char* brand;
    const char* name1;
    const char* name2;
    const char* featuring;
  };
  const Case cases[] = {
      {"Brand 1", "Anthem", "Riot", "Featuring Superstars from Anthem"},
      {"Brand 2", "Anthem", "Riot", "Featuring Superstars from Riot"},
      {"All", "Anthem", "Riot", "Featuring Superstars from both Anthem and Riot"},
      {"All", "Brand 1", "Brand 2", "Featuring Superstars from both Brand 1 and Brand 2"},
      {"All", "", "", "Featuring Superstars from both Brand 1 and Brand 2"},
      {"Brand 2", "", "", "Featuring Superstars from Brand 2"},
  };
  for (const Case& c : cases) {
    rv::Store s = rvtest::small_store();
    s.set_md(rv::md::next_big_show_name, "Harbour Havoc");
    s.set_md(rv::md::next_big_show_brand, c.brand);
    s.promotion(0).set(rv::prom::brand1_name, c.name1);
    s.promotion(0).set(rv::prom::brand2_name, c.name2);
    const auto info = rv::big_show_info(s);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->featuring, c.featuring) << c.brand << " " << c.name1;
  }
}

}  // namespace

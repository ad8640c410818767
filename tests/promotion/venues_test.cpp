// Booking a venue: the venues offered, their hire cost, the file they come from, the booked show.
#include <gtest/gtest.h>

#include <array>
#include <optional>

#include "promotion/venues.h"
#include "state/fileio.h"
#include "support/world.h"

namespace {

rv::Lines venue(const std::string& name, const std::string& capacity, const std::string& country, const std::string& sizes) {
  return {name, "Bristol, England", "Bristol", capacity, country, sizes};
}

void write_venues(const rv::fs::path& file, const std::vector<rv::Lines>& venues) {
  rv::Lines all;
  for (const auto& v : venues) all.insert(all.end(), v.begin(), v.end());
  rv::fs::create_directories(file.parent_path());
  ASSERT_TRUE(rv::write_lines(file, all).ok());
}

struct VenueWorld : ::testing::Test {
  rvtest::TempDir dir;
  rv::Home home{dir.path()};
  rv::Store s = rvtest::small_store();
  rv::ShowFacts show = [] {
    rv::ShowFacts f;
    f.name = "Alpha Weekly";
    return f;
  }();
  void SetUp() override { s.set_md(rv::md::venue_file, "venues.txt"); }
};

TEST_F(VenueWorld, CountryAndSizeLevelDecideWhatIsOffered) {
  write_venues(home.data() / "venues.txt", {venue("Severnside Hall", "5000", "UK", "45"), venue("Far Dome", "9000", "USA", "4"),
                                          venue("Tiny Room", "200", "UK", "123"), venue("Big Barn", "99999999999999", "UK", "4")});
  const auto offers = rv::offered_venues(s, home, show);
  ASSERT_TRUE(offers.ok()) << offers.error();
  ASSERT_EQ(offers->size(), 2u);
  EXPECT_EQ((*offers)[0].name, "Severnside Hall");
  EXPECT_EQ((*offers)[0].hire_cost_text, "$40,000");
  EXPECT_EQ((*offers)[1].capacity, rv::range::capacity.hi);  // a runaway capacity stays in range
  EXPECT_FALSE(rv::book_venue(s, home, show, "Far Dome").ok());

  const auto booked = rv::book_venue(s, home, show, "Severnside Hall");
  ASSERT_TRUE(booked.ok()) << booked.error();
  EXPECT_EQ(booked->hire_cost, 40000);
  EXPECT_EQ(booked->venue[rv::venue::place], "Bristol, England");
  EXPECT_EQ(booked->heading, "Booking For Alpha Weekly");
  EXPECT_EQ(booked->match_counts.front(), 5);
  rv::ShowFacts big;
  big.name = "Alpha Mania";
  big.type = rv::ShowType::big;
  EXPECT_EQ(rv::book_venue(s, home, big, "Severnside Hall")->match_counts.back(), 10);
}

TEST_F(VenueWorld, TheFileComesFromDataOrTheScenarioAndNeverFromOutside) {
  write_venues(home.data() / "venues.txt", {venue("Data Hall", "1000", "UK", "4")});
  write_venues(home.scenario("Future") / "venues.txt", {venue("Scenario Hall", "1000", "UK", "4")});
  EXPECT_EQ(rv::offered_venues(s, home, show)->front().name, "Data Hall");
  s.set_md(rv::md::venue_file, "Scenarios\\Future\\venues.txt");
  EXPECT_EQ(rv::offered_venues(s, home, show)->front().name, "Scenario Hall");
  for (const char* outside : {"..\\venues.txt", "/etc/venues.txt", ""}) {
    s.set_md(rv::md::venue_file, outside);
    EXPECT_FALSE(rv::venue_file(s, home).ok()) << outside;
  }
}

TEST_F(VenueWorld, MissingFileOrNoVenueGivesAMessageAndChangesNothing) {
  const rv::Store before = s;
  const auto missing = rv::offered_venues(s, home, show);
  ASSERT_FALSE(missing.ok());
  EXPECT_FALSE(missing.error().empty());
  write_venues(home.data() / "venues.txt", {venue("Far Dome", "9000", "USA", "4")});
  const auto none = rv::offered_venues(s, home, show);
  ASSERT_FALSE(none.ok());
  EXPECT_NE(none.error().find("Alpha Weekly"), std::string::npos);
  EXPECT_EQ(s.maindata, before.maindata);
  EXPECT_EQ(s.promotions, before.promotions);
}

TEST_F(VenueWorld, TodaysShowsKnowTheirKind) {
  s.set_md(rv::md::today_slot1, "House Show");
  s.set_md(rv::md::today_slot2, "Alpha Mania");
  const auto today = rv::todays_shows(s);
  ASSERT_EQ(today.size(), 2u);
  EXPECT_EQ(today[0].type, rv::ShowType::house);
  EXPECT_EQ(today[1].type, rv::ShowType::big);
  EXPECT_EQ(rv::next_show(s)->name, "House Show");
}

TEST_F(VenueWorld, TodaysRegularShowIsFoundByWeekdayAndName) {
  // Today is a Monday. Each case gives the four shows as name and weekday, and today's event.
  struct Case {
    const char* what;
    std::array<std::pair<const char*, const char*>, 4> shows;
    const char* event;
    rv::ShowType type;
    std::optional<std::size_t> slot;
  };
  const Case cases[] = {
      {"a house show growth added for Mondays",
       {{{"Alpha Weekly", "Thursday"}, {"", ""}, {"House Show", "Monday"}, {"", ""}}},
       "House Show", rv::ShowType::secondary, 2},
      {"the player's own house show, growth's being on Saturdays",
       {{{"Alpha Weekly", "Thursday"}, {"", ""}, {"House Show", "Saturday"}, {"", ""}}},
       "House Show", rv::ShowType::house, std::nullopt},
      {"two shows named alike, the Monday one second",
       {{{"Alpha Nights", "Thursday"}, {"Alpha Nights", "Monday"}, {"", ""}, {"", ""}}},
       "Alpha Nights", rv::ShowType::primary, 1},
      {"two shows named alike, the Monday one a secondary show",
       {{{"Alpha Nights", "Thursday"}, {"", ""}, {"", ""}, {"Alpha Nights", "Monday"}}},
       "Alpha Nights", rv::ShowType::secondary, 3},
      {"two alike on Mondays: the later, as on the calendar",
       {{{"Alpha Nights", "Monday"}, {"", ""}, {"Alpha Nights", "Monday"}, {"", ""}}},
       "Alpha Nights", rv::ShowType::secondary, 2},
      {"a name no Monday show holds",
       {{{"Alpha Weekly", "Thursday"}, {"", ""}, {"", ""}, {"", ""}}},
       "Alpha Weekly", rv::ShowType::house, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto p = s.promotion(0);
    for (std::size_t k = 0; k < c.shows.size(); ++k) {
      p.set_show(k, rv::prom::show::name, c.shows[k].first);
      p.set_show(k, rv::prom::show::weekday, c.shows[k].second);
      p.set_show(k, rv::prom::show::kind, "House");
    }
    s.set_md(rv::md::today_slot1, c.event);
    const auto today = rv::todays_shows(s);
    ASSERT_EQ(today.size(), 1u) << c.what;
    EXPECT_EQ(today[0].type, c.type) << c.what;
    EXPECT_EQ(today[0].regular_slot, c.slot) << c.what;
    EXPECT_EQ(today[0].name, c.event) << c.what;
  }
}

}  // namespace

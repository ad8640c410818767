// The text libraries: conditions, the shipped files and what reaches the commentary.
#include <gtest/gtest.h>

#include "shows/reports.h"
#include "state/fileio.h"
#include "support/world.h"

namespace {

TEST(Reports, ConditionsAndTheShippedLibraries) {
  EXPECT_TRUE(rv::condition_fits("Any", "Team"));
  EXPECT_TRUE(rv::condition_fits("Singles,Women's Match", "Women's Match"));
  EXPECT_TRUE(rv::condition_fits("No, N/A", "N/A"));
  EXPECT_FALSE(rv::condition_fits("Singles, Women's Match", "Singles Match"));
  EXPECT_FALSE(rv::condition_fits("", "Anything"));

  const rv::Home shipped(std::filesystem::path(RINGVALE_SOURCE_DIR) / "data");
  const auto libraries = rv::load_libraries(shipped);
  for (std::size_t k = 0; k < rv::library_count; ++k) {
    const auto& lib = libraries.libraries[k];
    EXPECT_GT(lib.records.size(), 10u) << rv::library_file(static_cast<rv::LibraryKind>(k));
    for (const auto& r : lib.records)
      for (std::size_t i = 0; i < lib.conditions; ++i) EXPECT_FALSE(r[i].empty()) << r[lib.conditions];
  }
}

TEST(Reports, EveryBookedMatchIsToldWhateverTheLibraries) {
  rv::Store s = rvtest::small_store();
  rv::Lines card(rv::rec::match * rv::rec::match_slots, "");
  card[rv::match::slot] = "1";
  card[rv::match::type] = "Tag Team";
  card[rv::match::title] = card[rv::match::stipulation] = "None";
  card[rv::match::winners] = "Seconds";
  card[rv::match::win_type] = "Normal";
  for (int i = 0; i < 4; ++i) card[rv::match::first_worker + i] = "Alpha Worker " + std::to_string(i + 1);
  card[rv::match::first_team] = "Firsts";
  card[rv::match::first_team + 1] = "Seconds";
  rv::ShowLibraries libs;
  libs.libraries[0] = rv::parse_library(rv::LibraryKind::normal, [] {
    rv::Lines r(26, "Any");
    r[1] = "Team";
    r[16] = "<att1fullname> and <att2fullname> of <tagteam1> beat <tagteam2> with the <attfinisher>.";
    for (std::size_t i = 17; i < 26; ++i) r[i] = "-BLANK-";
    r.resize(26 + 10, "Any");  // a second record cut short is left out
    return r;
  }());
  rv::Rng rng(3);
  std::vector<std::string> told;
  rv::createending(s, card, 0, {}, {}, libs, rng, told);
  ASSERT_EQ(told.size(), 3u);
  EXPECT_EQ(told[0], "-MATCH-");
  EXPECT_NE(told[2].find(" of Seconds beat Firsts with the Spin Drop."), std::string::npos) << told[2];

  // A planned turn asks the turn library, which is empty here: a plain line tells the result.
  told.clear();
  const auto result = rv::createending(s, card, 0, {}, {{"Alpha Worker 1", "Heel"}}, libs, rng, told);
  EXPECT_EQ(result.kind, rv::LibraryKind::turn);
  ASSERT_EQ(told.size(), 3u);
  EXPECT_NE(told[2].find(" defeated Alpha Worker 1."), std::string::npos) << told[2];
}

}  // namespace

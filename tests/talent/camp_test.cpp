// The training camp: signing the prospect, and every way a signing is refused.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/world.h"
#include "talent/camp.h"

namespace {

struct Camp : ::testing::Test {
  rv::Store s = rvtest::small_store();
  void SetUp() override { put_prospect("Gary Fenwick", "Powerful"); }
  void put_prospect(const std::string& name, const std::string& style) {
    const std::string lines[] = {name, "40", "Male", style, "Heavy", "33", "61", "47", "72"};
    for (std::size_t i = 0; i < std::size(lines); ++i) s.set_md(rv::md::prospect_first + i, lines[i]);
  }
  rv::CampSigning signing(const std::string& ring_name) {
    return {ring_name, "Granite", rv::default_finisher(s.md(rv::md::prospect_style))};
  }
  // The signing is refused with `message`, and neither the table nor the camp changes.
  void expect_refused(const rv::CampSigning& c, const std::string& message) {
    const std::size_t workers = s.worker_count();
    const auto status = rv::sign_prospect(s, c);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error(), message);
    EXPECT_EQ(s.worker_count(), workers);
    EXPECT_FALSE(s.md(rv::md::prospect_name).empty());
  }
};

TEST_F(Camp, RefusalsComeInOrderAndChangeNothing) {
  expect_refused({"", "", ""}, "The ring name has been left blank.");
  expect_refused({"Alpha Worker 3", "", ""},
                 "The Front Office staff have refused to allow the ring name Alpha Worker 3 for this wrestler.");
  expect_refused({"Granite Gary", "", ""}, "The short name has been left blank.");
  expect_refused({"Granite Gary", "Granite", ""}, "You have not given this wrestler a finishing move.");
}

TEST_F(Camp, BadTextsChoicesAndAnEmptyCampAreRefused) {
  auto c = signing("Granite Gary");
  for (auto text : {&rv::CampSigning::ring_name, &rv::CampSigning::short_name, &rv::CampSigning::finisher}) {
    auto bad = c;
    bad.*text += "\n";
    EXPECT_FALSE(rv::sign_prospect(s, bad).ok());
  }
  for (auto choice : {&rv::CampSigning::disposition, &rv::CampSigning::finisher_type}) {
    auto bad = c;
    bad.*choice = "x";
    EXPECT_FALSE(rv::sign_prospect(s, bad).ok());
  }
  EXPECT_EQ(s.worker_count(), rvtest::small_store().worker_count());

  s.set_md(rv::md::prospect_name, "");
  const auto status = rv::sign_prospect(s, c);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error(), rv::no_trainees_text);
}

TEST_F(Camp, TheSignedProspectJoinsThePlayersRoster) {
  auto c = signing("Granite Gary");
  c.disposition = "Heel";
  c.indy = true;
  const std::size_t workers = s.worker_count();
  ASSERT_TRUE(rv::sign_prospect(s, c).ok());
  ASSERT_EQ(s.worker_count(), workers + 1);
  const auto& names = s.wrestlers.column(rv::Col::names);
  EXPECT_EQ(std::count(names.begin(), names.end(), "Granite Gary"), 1);
  const auto w = s.worker(*s.find_worker("Granite Gary"));
  EXPECT_EQ(w.finisher(), "Powerslam");
  EXPECT_EQ(w.promotion(), "RVA");
  EXPECT_EQ(w.pop(), 25);
  EXPECT_EQ(w.morale(), 85);
  EXPECT_EQ(w.ent(), 61);
  EXPECT_EQ(w.charisma(), 72);
  EXPECT_EQ(w.faceheel(), "Heel");
  EXPECT_EQ(w.indybookings(), "Yes");
  EXPECT_EQ(w.expires(), "January 2008");
  EXPECT_EQ(w.desc(), "A product of the Ringvale Alpha Training Camp.");
  EXPECT_EQ(w.basecountry(), "UK");
  for (std::size_t line = rv::md::prospect_first; line <= rv::md::prospect_last; ++line) EXPECT_EQ(s.md(line), "");
}

TEST_F(Camp, ARingNameCanBeSignedOnlyOnce) {
  ASSERT_TRUE(rv::sign_prospect(s, signing("Granite Gary")).ok());
  put_prospect("Neil Ashby", "Hardcore");
  auto c = signing("Granite Gary");
  EXPECT_EQ(c.finisher, "");  // the camp teaches a hardcore wrestler no finisher
  c.finisher = "Table Breaker";
  expect_refused(c, "The Front Office staff have refused to allow the ring name Granite Gary for this wrestler.");
}

TEST_F(Camp, OnlyAFinisherStartingWithTheWordTheIsWarnedAbout) {
  for (const char* warned : {"The Crusher", "the crusher"}) EXPECT_FALSE(rv::finisher_warning(warned).empty());
  for (const char* fine : {"Theory Drop", "Into The Void", ""}) EXPECT_TRUE(rv::finisher_warning(fine).empty());
}

}  // namespace

#include "state/pictures.h"

#include <gtest/gtest.h>

#include "support/world.h"

namespace {

using rvtest::TempDir;

TEST(Pictures, LogoFallsBackToDefaultWhenMissingOrUnset) {
  TempDir dir;
  const rv::Home home(dir.path());
  rvtest::write_bytes(home.images() / "owl.jpg", "x");
  EXPECT_EQ(rv::picture_or_default(home, "owl.jpg"), home.images() / "owl.jpg");
  for (const char* name : {"NA", "", "missing.jpg", "../owl.jpg", "sub\\owl.jpg"}) {
    EXPECT_EQ(rv::picture_or_default(home, name), home.images() / "default.jpg") << name;
  }
}

TEST(Pictures, ChoosingALogoStoresItInThePlayersRecordOnly) {
  TempDir dir;
  const rv::Home home(dir.path());
  rvtest::write_bytes(home.images() / "owl.jpg", "x");
  rvtest::write_bytes(home.images() / "bear.gif", "x");
  EXPECT_EQ(rv::logo_choices(home), (std::vector<std::string>{"bear.gif", "owl.jpg"}));

  rv::Store s = rvtest::small_store();
  const auto before = s.promotions;
  EXPECT_FALSE(rv::choose_player_logo(s, home, "nothere.jpg"));
  EXPECT_EQ(s.promotions, before);
  EXPECT_TRUE(rv::choose_player_logo(s, home, "owl.jpg"));
  EXPECT_EQ(rv::player_logo(s), "owl.jpg");
  EXPECT_EQ(s.promotion(1).logo(), "NA");

  s.set_md(rv::md::player_initials, "ZZZ");  // no record of the player's
  EXPECT_FALSE(rv::choose_player_logo(s, home, "bear.gif"));
}

}  // namespace

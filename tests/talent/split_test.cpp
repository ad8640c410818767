// The roster split: dealing the player's workers between two brands, refusals, ending it.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/world.h"
#include "talent/split.h"

namespace {

struct Split : ::testing::Test {
  rv::Game game{rvtest::small_store(), rv::Rng(7), ""};
  rv::Store& s = game.store;
  void roster_of(std::size_t n) {  // the player's workers, up to n
    for (auto r = rv::player_workers(s).size(); r < n; ++r)
      s.wrestlers.add(rvtest::worker_row("Worker " + std::to_string(r), "RVA"));
  }
  auto on(std::string_view brand) const { return std::ranges::count(s.wrestlers.column(rv::Col::brand), brand); }
  auto snapshot() const { return std::pair(s.promotions, s.wrestlers.to_lines()); }
};

TEST_F(Split, TheRosterIsDealtHalfEachWayAndRefusalsChangeNothing) {
  roster_of(39);
  const auto before = snapshot();
  EXPECT_EQ(rv::create_split(game, "Raw", "Fight").message, rv::split_too_few_message);
  EXPECT_EQ(snapshot(), before);
  roster_of(40);
  const auto enough = snapshot();
  EXPECT_EQ(rv::create_split(game, "Raw", "").message, "Roster Split Cancelled.");
  EXPECT_FALSE(rv::create_split(game, "Raw\nPower", "Fight").created);
  EXPECT_EQ(snapshot(), enough);
  ASSERT_TRUE(rv::create_split(game, "Raw", "Fight").created);
  EXPECT_TRUE(on("Brand 1") == 20 && on("Brand 2") == 20);
  roster_of(41);
  EXPECT_EQ(rv::create_split(game, "Raw", "Fight").message,
            "Your roster has now been randomly divided between Raw and Fight.");
  EXPECT_EQ(std::minmax(on("Brand 1"), on("Brand 2")), std::minmax<std::ptrdiff_t>(20, 21));
}

TEST_F(Split, EndingPutsEveryBrandFieldBackToAll) {
  roster_of(40);
  rv::create_split(game, "Raw", "Fight");
  auto p = s.promotion(0);
  p.set_show(1, rv::prom::show::brand, "Brand 2");
  p.title(5).put(rv::TitleField::brand, "Brand 1");
  p.set(rv::prom::monthly_big_shows + 3 * rv::prom::monthly_big_show_size + rv::prom::monthly::brand, "Brand 2");
  s.set_md(rv::md::next_big_show_brand, "Brand 1");
  s.promotion(1).set_show(0, rv::prom::show::brand, "Brand 1");
  rv::end_split(s);
  EXPECT_EQ(on("All"), std::ssize(s.wrestlers.column(rv::Col::brand)));
  EXPECT_EQ(p.at(rv::prom::roster_split) + p.at(rv::prom::brand1_name) + p.at(rv::prom::brand2_name), "No");
  EXPECT_EQ(p.show(1, rv::prom::show::brand) + p.title(5).get(rv::TitleField::brand), "AllAll");
  EXPECT_EQ(p.monthly_big_show(3, rv::prom::monthly::brand) + s.md(rv::md::next_big_show_brand), "AllAll");
  EXPECT_EQ(p.show(0, rv::prom::show::kind) + s.promotion(1).show(0, rv::prom::show::brand), "TVBrand 1");
}

}  // namespace

// The roster split: dealing the player's workers between two brands, refusals, ending it.
#include <gtest/gtest.h>

#include <map>

#include "state/fileio.h"
#include "state/game.h"
#include "support/world.h"
#include "talent/split.h"

namespace {

struct Split : ::testing::Test {
  rv::Game game{rvtest::small_store(), rv::Rng(7), ""};
  rv::Store& s = game.store;

  // Gives the player's promotion `total` workers (small_store() starts it with ten).
  void roster_of(std::size_t total) {
    for (std::size_t i = 10; i < total; ++i) s.wrestlers.add(rvtest::worker_row("Extra Worker " + std::to_string(i), "RVA"));
  }
  std::map<std::string, std::size_t> brands_of(const std::string& initials) const {
    std::map<std::string, std::size_t> out;
    for (std::size_t r = 0; r < s.worker_count(); ++r) {
      if (s.worker(r).promotion() == initials) ++out[s.worker(r).brand()];
    }
    return out;
  }
  std::string bytes() const {
    return rv::join_lines(s.maindata) + rv::join_lines(s.promotions) + rv::join_lines(s.wrestlers.to_lines());
  }
};

TEST_F(Split, TheRosterIsDealtHalfEachWay) {
  roster_of(41);
  const rv::SplitResult r = rv::create_split(game, "Raw Power", "Night Fight");
  ASSERT_TRUE(r.created);
  EXPECT_EQ(r.message, "Your roster has now been randomly divided between Raw Power and Night Fight.");
  auto brands = brands_of("RVA");
  EXPECT_EQ(brands.size(), 2u);  // nobody left on "All"
  EXPECT_EQ(std::max(brands["Brand 1"], brands["Brand 2"]), 21u);
  EXPECT_EQ(std::min(brands["Brand 1"], brands["Brand 2"]), 20u);
  EXPECT_EQ(brands_of("RVB"), (std::map<std::string, std::size_t>{{"All", 10}}));
  const auto p = s.promotion(0);
  EXPECT_EQ(p.at(rv::prom::brand1_name), "Raw Power");
  EXPECT_EQ(p.at(rv::prom::brand2_name), "Night Fight");
  EXPECT_TRUE(rv::roster_split(s));
  EXPECT_EQ(rv::split_button_caption(s), "End Roster Split");

  rv::Game even{rvtest::small_store(), rv::Rng(11), ""};
  for (int i = 10; i < 40; ++i) even.store.wrestlers.add(rvtest::worker_row("Even " + std::to_string(i), "RVA"));
  ASSERT_TRUE(rv::create_split(even, "A", "B").created);
  std::map<std::string, std::size_t> counts;
  for (std::size_t r2 = 0; r2 < even.store.worker_count(); ++r2) {
    if (even.store.worker(r2).promotion() == "RVA") ++counts[even.store.worker(r2).brand()];
  }
  EXPECT_EQ(counts, (std::map<std::string, std::size_t>{{"Brand 1", 20}, {"Brand 2", 20}}));
}

TEST_F(Split, RefusalsLeaveTheStoreAsItWas) {
  roster_of(39);
  const std::string before = bytes();
  ASSERT_TRUE(rv::split_refusal(s));
  const rv::SplitResult few = rv::create_split(game, "Raw Power", "Night Fight");
  EXPECT_FALSE(few.created);
  EXPECT_EQ(few.message, "You must have at least 40 full time wrestlers before you can create a roster split.");
  EXPECT_EQ(bytes(), before);
  EXPECT_EQ(rv::split_button_caption(s), "Create Roster Split");

  roster_of(40);
  const std::string enough = bytes();
  EXPECT_FALSE(rv::split_refusal(s));
  const rv::SplitResult empty = rv::create_split(game, "Raw Power", "");
  EXPECT_FALSE(empty.created);
  EXPECT_EQ(empty.message, "Roster Split Cancelled.");
  EXPECT_FALSE(rv::create_split(game, "Raw\r\nPower", "Night Fight").created);
  EXPECT_EQ(bytes(), enough);

  s.set_md(rv::md::player_initials, "XYZ");
  EXPECT_TRUE(rv::split_refusal(s));
  EXPECT_FALSE(rv::create_split(game, "A", "B").created);
}

TEST_F(Split, EndingPutsEveryBrandFieldBackToAll) {
  roster_of(40);
  ASSERT_TRUE(rv::create_split(game, "Raw Power", "Night Fight").created);
  auto p = s.promotion(0);
  p.set_show(0, rv::prom::show::brand, "Brand 2");
  p.set_show(1, rv::prom::show::brand, "Brand 1");
  p.title(0).put(rv::TitleField::brand, "Brand 1");
  p.title(5).put(rv::TitleField::name, "Tag Belts");
  p.title(5).put(rv::TitleField::brand, "Brand 2");
  const std::size_t april = rv::prom::monthly_big_shows + 3 * rv::prom::monthly_big_show_size;
  p.set(april + rv::prom::monthly::name, "Spring Clash");
  p.set(april + rv::prom::monthly::brand, "Brand 2");
  p.set(april + rv::prom::monthly::logo, "clash.jpg");
  s.set_md(rv::md::next_big_show_brand, "Brand 1");
  s.promotion(1).set_show(0, rv::prom::show::brand, "Brand 1");

  rv::end_split(s);
  EXPECT_EQ(brands_of("RVA"), (std::map<std::string, std::size_t>{{"All", 40}}));
  EXPECT_FALSE(rv::roster_split(s));
  EXPECT_EQ(p.at(rv::prom::roster_split), "No");
  EXPECT_EQ(p.at(rv::prom::brand1_name), "");
  EXPECT_EQ(p.at(rv::prom::brand2_name), "");
  EXPECT_EQ(p.show(0, rv::prom::show::brand), "All");
  EXPECT_EQ(p.show(1, rv::prom::show::brand), "All");
  EXPECT_EQ(p.show(0, rv::prom::show::kind), "TV");
  EXPECT_EQ(p.title(0).get(rv::TitleField::brand), "All");
  EXPECT_EQ(p.title(0).holder(), "Vacant");
  EXPECT_EQ(p.title(5).get(rv::TitleField::brand), "All");
  EXPECT_EQ(p.at(april + rv::prom::monthly::brand), "All");
  EXPECT_EQ(p.at(april + rv::prom::monthly::name), "Spring Clash");
  EXPECT_EQ(p.at(april + rv::prom::monthly::logo), "clash.jpg");
  EXPECT_EQ(s.md(rv::md::next_big_show_brand), "All");
  EXPECT_EQ(s.promotion(1).show(0, rv::prom::show::brand), "Brand 1");  // a rival's fields are its own
}

}  // namespace

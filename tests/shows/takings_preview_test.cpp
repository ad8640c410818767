// The takings a show is expected to bring, hall by hall: the figures the run of the show then
// books on the same day, and the score they rest on.
#include <gtest/gtest.h>

#include "shows/cardfile.h"
#include "shows/runshow.h"
#include "shows/takings.h"
#include "support/world.h"

namespace {

rv::ShowContext night(rv::ShowType type, const std::string& broadcast, rv::Num capacity) {
  rv::ShowContext c;
  c.show.name = "Alpha Weekly";
  c.show.type = type;
  c.show.broadcast = broadcast;
  c.show.televised = broadcast != "House";
  c.show.regular_slot = 0;
  c.capacity = capacity;
  c.matches = 5;
  return c;
}

TEST(ShowTakingsPreview, IsWhatTheShowThenBooks) {
  const struct {
    rv::ShowType type;
    const char* broadcast;
    rv::Num capacity;
    double score;
    bool deal;
  } rows[] = {{rv::ShowType::secondary, "House", 100000, 50, false}, {rv::ShowType::primary, "TV", 100, 73.5, false},
              {rv::ShowType::primary, "PPV", 100000, 50, false},     {rv::ShowType::big, "PPV", 100000, 61, true},
              {rv::ShowType::big, "House", 300, 61, false},          {rv::ShowType::house, "House", 100000, 0, false}};
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    s.promotion(0).set(rv::prom::ppv_deal, r.deal ? "Yes" : "No");
    s.promotion(0).set(rv::prom::ppv_rating, "150");
    const rv::Store before = s;
    const auto ctx = night(r.type, r.broadcast, r.capacity);
    const auto preview = rv::show_takings(s, ctx, r.score);
    EXPECT_EQ(s.promotions, before.promotions);
    EXPECT_EQ(s.maindata, before.maindata);
    const rv::Num balance = s.promotion(0).balance();
    const auto booked = rv::take_show_money(s, ctx, r.score);
    EXPECT_EQ(preview.attendance, booked.attendance) << r.broadcast;
    EXPECT_EQ(preview.attendance_text, booked.attendance_text) << r.broadcast;
    EXPECT_EQ(preview.tickets, booked.tickets) << r.broadcast;
    EXPECT_EQ(preview.merchandise, booked.merchandise) << r.broadcast;
    EXPECT_EQ(preview.buys, booked.buys) << r.broadcast;
    EXPECT_EQ(preview.rating, booked.rating) << r.broadcast;
    EXPECT_EQ(s.promotion(0).balance() - balance, preview.tickets + preview.merchandise + preview.buy_money) << r.broadcast;
  }
}

struct VenuePreview : ::testing::Test {
  rvtest::TempDir dir;
  rv::Home home{dir.path()};
  rv::Game game{rvtest::small_store(), rv::Rng(4), "test"};
  rv::BookedShow booked;
  void SetUp() override {
    rvtest::write_small_world(home);
    booked.show.name = "Ringvale Alpha Weekly";
    booked.show.type = rv::ShowType::primary;
    booked.show.broadcast = "TV";
    booked.show.televised = true;
    booked.show.regular_slot = 0;
    booked.venue = {"Harbour Hall", "Harbour Hall, Dockside", "Portsmouth", "400", "UK", "123"};
    booked.capacity = 400;
    booked.hire_cost = 3200;
  }
  // Five plain singles and women's matches of the ten workers.
  rv::Booking card() {
    rv::Booking b(game.store, {});
    rv::Lines file;
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{1, 2}, {0, 3}, {4, 5}, {6, 9}, {7, 8}}) {
      rv::Lines r(rv::rec::match, "");
      r[rv::match::slot] = "1";
      r[rv::match::type] = x % 3 ? "Singles" : "Women's Match";
      r[rv::match::stipulation] = r[rv::match::title] = "None";
      r[rv::match::winners] = r[rv::match::win_type] = "Auto";
      r[rv::match::first_worker] = "Alpha Worker " + std::to_string(x);
      r[rv::match::first_worker + 1] = "Alpha Worker " + std::to_string(y);
      file.insert(file.end(), r.begin(), r.end());
    }
    EXPECT_TRUE(rv::book_card_file(b, file).ok());
    return b;
  }
  static rv::VenueOffer hall(const std::string& name, rv::Num capacity) { return {name, capacity, capacity * 8, ""}; }
};

TEST_F(VenuePreview, EachHallFromTheCardAsBooked) {
  // Every worker is at the reference level 50: the score is 29 + 0 + 8 (no titles) + 8 (no
  // feuds) + 15 (the last match's crowd) = 60, so 300 televised fans x 0.6 = 180 at $30 each and
  // merchandise 0.4 x 8 x 180 = 576; a hall of 150 sells out, 150 x $30 and 0.4 x 8 x 150 = 480.
  // Less the hire at $8 a seat: 5,976 - 3,200 and 4,980 - 1,200.
  const auto b = card();
  const auto p = rv::preview_takings(game.store, booked.show, {hall("Harbour Hall", 400), hall("Cellar", 150)}, &b);
  EXPECT_TRUE(p.from_booked_card);
  EXPECT_EQ(p.matches, 5u);
  EXPECT_DOUBLE_EQ(p.score, 60);
  const struct {
    rv::Num attendance, tickets, merchandise, after_hire;
    const char* shown;
  } rows[] = {{180, 5400, 576, 2776, "180"}, {150, 4500, 480, 3780, "150 (Sell-Out)"}};
  ASSERT_EQ(p.venues.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(p.venues[i].takings.attendance, rows[i].attendance) << i;
    EXPECT_EQ(p.venues[i].takings.tickets, rows[i].tickets) << i;
    EXPECT_EQ(p.venues[i].takings.merchandise, rows[i].merchandise) << i;
    EXPECT_EQ(p.venues[i].takings.attendance_text, rows[i].shown) << i;
    EXPECT_EQ(p.venues[i].after_hire, rows[i].after_hire) << i;
  }
  // The night itself then takes the same in the hall of 400.
  const auto run = rv::run_show(game, booked, b, rv::load_libraries(home));
  ASSERT_TRUE(run.ok()) << run.error();
  EXPECT_DOUBLE_EQ(run->score, p.score);
  EXPECT_EQ(run->takings.attendance, p.venues[0].takings.attendance);
  EXPECT_EQ(run->takings.tickets, p.venues[0].takings.tickets);
  EXPECT_EQ(run->takings.merchandise, p.venues[0].takings.merchandise);
}

TEST_F(VenuePreview, BeforeACardIsBookedTheSuggestedCardStandsIn) {
  const rv::Booking empty(game.store, {});
  const rv::Store before = game.store;
  const auto p = rv::preview_takings(game.store, booked.show, {hall("Harbour Hall", 400)}, &empty);
  EXPECT_FALSE(p.from_booked_card);
  EXPECT_GE(p.matches, 5u);
  EXPECT_GT(p.score, 0);
  EXPECT_GT(p.venues.at(0).takings.attendance, 0);
  EXPECT_EQ(game.store.promotions, before.promotions);
  EXPECT_EQ(game.store.stipulations, before.stipulations);
  // The same day gives the same estimate.
  EXPECT_DOUBLE_EQ(rv::preview_takings(game.store, booked.show, {hall("Harbour Hall", 400)}, nullptr).score, p.score);
}

}  // namespace

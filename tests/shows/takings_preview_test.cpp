// The takings a show is expected to bring, hall by hall: the figures the run of the show then
// books on the same day, and the score they rest on.
#include <gtest/gtest.h>

#include "shows/takings.h"
#include "support/shownight.h"

namespace {

using rvtest::night;

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

struct VenuePreview : rvtest::BookedNight {
  static rv::VenueOffer hall(const std::string& name, rv::Num capacity) { return {name, capacity, capacity * 8, ""}; }
};

TEST_F(VenuePreview, EachHallFromTheCardAsBooked) {
  // Every worker is at the reference level 50: the score is 29 + 0 + 8 (no titles) + 8 (no
  // feuds) + 15 (the last match's crowd) = 60, so 300 televised fans x 0.6 = 180 at $30 each and
  // merchandise 0.4 x 8 x 180 = 576; a hall of 150 sells out, 150 x $30 and 0.4 x 8 x 150 = 480.
  // Less the hire at $8 a seat: 5,976 - 3,200 and 4,980 - 1,200.
  const auto b = booking();
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

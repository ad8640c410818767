// What a show costs and takes, worked by hand: production and big-show promotion costs, the
// card's score band by band, the gate, merchandise and pay-per-view money by kind and size, and
// the takings expected hall by hall before the night, which the night then books.
#include <gtest/gtest.h>

#include "shows/showsteps.h"
#include "shows/takings.h"
#include "support/shownight.h"

namespace {

using rvtest::night;

TEST(ShowCosts, ProductionLevelsAndTheHall) {
  const struct {
    const char* level;
    rv::Num cost;
  } rows[] = {{"1", 500}, {"2", 1000}, {"10", 75000}, {"19", 1000000}, {"20", 1250000}};
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    s.promotion(0).set(rv::prom::production_levels + 1, r.level);  // secondary shows
    const rv::Num before = s.promotion(0).balance();
    EXPECT_EQ(rv::pay_show_costs(s, night(rv::ShowType::secondary, "House", 400, 3200)), r.cost + 3200) << r.level;
    EXPECT_EQ(s.promotion(0).balance(), before - r.cost - 3200) << r.level;
  }
}

TEST(ShowCosts, ABigShowPaysForItsPromotionBySizeAndLevel) {
  // Big shows at production level 1 ($500) in a free hall, so the rest is the promotion.
  const struct {
    int size;
    const char* level;
    rv::Num promotion;
  } rows[] = {{1, "1", 10000},  {1, "2", 15000},  {1, "3", 25000},  {2, "1", 20000},  {2, "2", 50000},
              {2, "3", 75000},  {3, "1", 50000},  {3, "2", 100000}, {3, "3", 150000}, {4, "1", 80000},
              {4, "2", 125000}, {4, "3", 250000}, {5, "1", 200000}, {5, "2", 400000}, {5, "3", 800000},
              {6, "1", 250000}, {6, "2", 500000}, {6, "3", 1000000}};
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    s.promotion(0).set(rv::prom::size_level, std::to_string(r.size));
    s.promotion(0).set(rv::prom::production_levels + 2, "1");
    s.set_md(rv::md::next_big_show_level, r.level);
    EXPECT_EQ(rv::pay_show_costs(s, night(rv::ShowType::big, "House", 0)), 500 + r.promotion)
        << "size " << r.size << " level " << r.level;
  }
}

// A card whose every part but one is zero: popularity far below the level (it adds nothing), no
// stipulations (T is 0), no crowd.
rv::CardFigures bare() {
  rv::CardFigures f;
  f.reference_level = 90;
  return f;
}

TEST(ShowScore, TitleAverageBands) {
  // A primary show: no feud adds 8, so S = 8 + the titles' points.
  const struct {
    double sum;
    rv::Num matches;
    double score;
  } rows[] = {{100, 1, 8 + 15}, {90, 1, 8 + 15}, {179, 2, 8 + 14}, {85, 1, 8 + 14}, {84, 1, 8 + 13},
              {80, 1, 8 + 13},  {79, 1, 8 + 12}, {75, 1, 8 + 12},  {74, 1, 8 + 11}, {70, 1, 8 + 11},
              {69, 1, 8 + 10},  {65, 1, 8 + 10}, {64, 1, 8 + 9},   {60, 1, 8 + 9},  {59, 1, 8 + 8},
              {55, 1, 8 + 8},   {54, 1, 8 + 7},  {101, 2, 8 + 7},  {50, 1, 8 + 7},  {99, 2, 8},
              {49, 1, 8},       {0, 0, 8 + 8}};
  rv::Store s = rvtest::small_store();
  for (const auto& r : rows) {
    rv::CardFigures f = bare();
    f.title_matches = r.matches;
    f.title_value_sum = r.sum;
    EXPECT_DOUBLE_EQ(rv::show_score(s, night(rv::ShowType::primary, "House", 0), f), r.score) << r.sum << "/" << r.matches;
  }
}

TEST(ShowScore, FeudHeatBandsByShowType) {
  // Without a title match a primary show adds 8, a secondary 12, a big show 5; a big show's
  // score is then cut to nine tenths.
  const struct {
    rv::ShowType type;
    rv::Num heat;
    double score;
  } rows[] = {
      {rv::ShowType::primary, 0, 8 + 8},      {rv::ShowType::primary, 1, 8 + 9},      {rv::ShowType::primary, 24, 8 + 9},
      {rv::ShowType::primary, 25, 8 + 10},    {rv::ShowType::primary, 49, 8 + 10},    {rv::ShowType::primary, 50, 8 + 11},
      {rv::ShowType::primary, 74, 8 + 11},    {rv::ShowType::primary, 75, 8 + 12},    {rv::ShowType::primary, 99, 8 + 12},
      {rv::ShowType::primary, 100, 8 + 13},   {rv::ShowType::primary, 900, 8 + 13},   {rv::ShowType::secondary, 0, 12 + 10},
      {rv::ShowType::secondary, 1, 12 + 11},  {rv::ShowType::secondary, 24, 12 + 11}, {rv::ShowType::secondary, 25, 12 + 12},
      {rv::ShowType::secondary, 49, 12 + 12}, {rv::ShowType::secondary, 50, 12 + 13}, {rv::ShowType::secondary, 500, 12 + 13},
      {rv::ShowType::big, 0, (5 + 4) * 0.9},  {rv::ShowType::big, 299, (5 + 4) * 0.9}, {rv::ShowType::big, 300, (5 + 5) * 0.9},
      {rv::ShowType::big, 349, (5 + 5) * 0.9}, {rv::ShowType::big, 350, (5 + 6) * 0.9}, {rv::ShowType::big, 650, (5 + 12) * 0.9},
      {rv::ShowType::big, 699, (5 + 12) * 0.9}, {rv::ShowType::big, 700, (5 + 13) * 0.9}, {rv::ShowType::big, 2000, (5 + 13) * 0.9},
  };
  rv::Store s = rvtest::small_store();
  for (const auto& r : rows) {
    rv::CardFigures f = bare();
    f.feud_heat[0] = r.heat;
    EXPECT_NEAR(rv::show_score(s, night(r.type, "House", 0), f), r.score, 1e-9) << static_cast<int>(r.type) << " heat " << r.heat;
  }
}

TEST(ShowScore, CardPopularityStipulationsAndCrowd) {
  // Reference level 50, five matches. Primary: S1 = popularity - 50 + 39 within 0..29;
  // T = stipulation value - 34 within 0..26; no titles 8, no feuds 8, then the crowd.
  const struct {
    rv::ShowType type;
    double popularity;
    rv::Num stipulation;
    rv::Num crowd;
    double score;
  } rows[] = {
      {rv::ShowType::primary, 11, 0, 0, 0 + 16},    {rv::ShowType::primary, 12, 0, 0, 1 + 16},
      {rv::ShowType::primary, 40, 0, 0, 29 + 16},   {rv::ShowType::primary, 41, 0, 0, 29 + 16},
      {rv::ShowType::primary, 11, 34, 0, 16},       {rv::ShowType::primary, 11, 35, 0, 1 + 16},
      {rv::ShowType::primary, 11, 60, 0, 26 + 16},  {rv::ShowType::primary, 11, 61, 17, 26 + 16 + 17},
      // Secondary: + 49 and - 29; no titles 12, no feuds 10.
      {rv::ShowType::secondary, 1, 29, 0, 22},      {rv::ShowType::secondary, 2, 30, 0, 1 + 1 + 22},
      // Big: + 34 and - 39; no titles 5, no feuds 4; then nine tenths.
      {rv::ShowType::big, 16, 39, 0, 9 * 0.9},      {rv::ShowType::big, 17, 40, 2, (1 + 1 + 9 + 2) * 0.9},
  };
  rv::Store s = rvtest::small_store();
  for (const auto& r : rows) {
    rv::CardFigures f;
    f.reference_level = 50;
    f.crowd_points = r.crowd;
    for (std::size_t k = 0; k < 5; ++k) {
      f.popularity[k] = r.popularity;
      f.stipulation_values[k] = r.stipulation;
    }
    EXPECT_NEAR(rv::show_score(s, night(r.type, "House", 0), f), r.score, 1e-9)
        << static_cast<int>(r.type) << " " << r.popularity << " " << r.stipulation;
  }
}

TEST(ShowScore, ABigShowsPromotionAddsLevelTimesBuildUpOverSixPointThree) {
  rv::Store s = rvtest::small_store();
  s.set_md(rv::md::next_big_show_level, "2");
  s.set_md(rv::md::next_big_show_counter, "10");  // 20 / 6.3 = 3.17, so 3
  EXPECT_NEAR(rv::show_score(s, night(rv::ShowType::big, "House", 0), bare()), 9 * 0.9 + 3, 1e-9);
  s.set_md(rv::md::next_big_show_level, "3");
  s.set_md(rv::md::next_big_show_counter, "2");  // 6 / 6.3 is below 1
  EXPECT_NEAR(rv::show_score(s, night(rv::ShowType::big, "House", 0), bare()), 9 * 0.9, 1e-9);
}

TEST(ShowTakings, TheGateByKindAndSize) {
  // The small world: house attendance 400, televised 300, big show 900, popularity 40, the
  // first show's audience 300. Score 50 halves each figure.
  const struct {
    rv::ShowType type;
    const char* broadcast;
    int size;
    rv::Num attendance, tickets, merchandise, extra;  // extra: buys x 5 for a regular PPV show
  } rows[] = {
      // 400 x 0.5 = 200 at 5 x (4 + 1) = 25; merchandise 0.4 x 8 x 200 = 640
      {rv::ShowType::secondary, "House", 4, 200, 5000, 640, 0},
      // 300 x 0.5 = 150 at 5 x (4 + 2) = 30; merchandise 0.4 x 8 x 150 = 480
      {rv::ShowType::primary, "TV", 4, 150, 4500, 480, 0},
      // size 4 fills from the televised crowd; 150 buys x 5
      {rv::ShowType::primary, "PPV", 4, 150, 4500, 480, 750},
      // size 3 fills from the house crowd: 200 at 5 x 5 = 25; merchandise 0.4 x 6 x 200 = 480
      {rv::ShowType::primary, "PPV", 3, 200, 5000, 480, 750},
      // size 1: 200 at 5 x 2 = 10; merchandise 0.4 x 2 x 200 = 160
      {rv::ShowType::secondary, "House", 1, 200, 2000, 160, 0},
      // size 6 TV: 150 at 5 x 8 = 40; merchandise 0.4 x 12 x 150 = 720
      {rv::ShowType::primary, "TV", 6, 150, 6000, 720, 0},
      // a big show without a deal: 900 x 0.5 = 450 at 5 x (4 + 4) = 40; 0.4 x 8 x 450 = 1,440
      {rv::ShowType::big, "PPV", 4, 450, 18000, 1440, 0},
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    auto p = s.promotion(0);
    p.set(rv::prom::size_level, std::to_string(r.size));
    const rv::Num before = p.balance();
    const auto t = rv::take_show_money(s, night(r.type, r.broadcast, 100000), 50);
    EXPECT_EQ(t.attendance, r.attendance) << r.broadcast << " size " << r.size;
    EXPECT_EQ(t.tickets, r.tickets) << r.broadcast << " size " << r.size;
    EXPECT_EQ(t.merchandise, r.merchandise) << r.broadcast << " size " << r.size;
    EXPECT_EQ(p.balance(), before + r.tickets + r.merchandise + r.extra) << r.broadcast << " size " << r.size;
  }
}

TEST(ShowTakings, BigShowBuysAndGrossBySize) {
  // Big-show audience 150 at score 50: buy rate Int(75) / 100 = 0.75, so 258,750 buys.
  const struct {
    int size;
    rv::Num gross;
    const char* gross_text;
  } rows[] = {{4, 258750 * 8, "$2,070,000"}, {5, 258750 * 12, "$3,105,000"}, {6, 258750 * 15, "$3,881,250"}};
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    auto p = s.promotion(0);
    p.set(rv::prom::size_level, std::to_string(r.size));
    p.set(rv::prom::ppv_deal, "Yes");
    p.set(rv::prom::ppv_rating, "150");
    const rv::Num before = p.balance();
    const auto t = rv::take_show_money(s, night(rv::ShowType::big, "PPV", 100000), 50);
    EXPECT_EQ(t.buys, 258750);
    EXPECT_EQ(t.gross, r.gross);
    // 450 fans at 5 x (size + 4), merchandise 0.4 x 2 x size x 450
    const rv::Num tickets = 450 * 5 * (r.size + 4), merchandise = 360 * r.size;
    EXPECT_EQ(p.balance(), before + r.gross + tickets + merchandise) << r.size;
    EXPECT_EQ(s.md(rv::md::last_big_show_gross), r.gross_text);
  }
}

TEST(ShowTakings, SellOutsAndTheSmallestMerchandise) {
  const struct {
    rv::Num capacity;
    double score;
    rv::Num popularity;
    rv::Num attendance;
    bool sold_out;
    rv::Num merchandise;
    const char* shown;
  } rows[] = {
      {200, 50, 40, 200, true, 640, "200 (Sell-Out)"},  // exactly the capacity sells out
      {201, 50, 40, 200, false, 640, "200"},
      {150, 50, 40, 150, true, 480, "150 (Sell-Out)"},  // merchandise on the capped crowd
      {5000, 1, 1, 4, false, 10, "4"},                  // 0.01 x 8 x 4 = 0.32, raised to 10
      {5000, 0, 40, 0, false, 0, "0"},                  // nobody came: nothing to raise
  };
  for (const auto& r : rows) {
    rv::Store s = rvtest::small_store();
    s.promotion(0).set_popularity(r.popularity);
    const auto t = rv::take_show_money(s, night(rv::ShowType::secondary, "House", r.capacity), r.score);
    EXPECT_EQ(t.attendance, r.attendance) << r.capacity;
    EXPECT_EQ(t.sold_out, r.sold_out) << r.capacity;
    EXPECT_EQ(t.merchandise, r.merchandise) << r.capacity;
    EXPECT_EQ(t.attendance_text, r.shown) << r.capacity;
  }
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

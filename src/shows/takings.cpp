#include "shows/takings.h"

#include <algorithm>
#include <cmath>

#include "shows/forecast.h"
#include "shows/suggest.h"

namespace rv {

namespace {

constexpr Num buys_per_buy_rate_point = 345000;
constexpr Num ppv_regular_show_price = 5;
// The draw the venue list's suggested card is booked with: the same card every time the list is
// drawn on the same day.
constexpr std::uint64_t suggested_card_seed = 1;

bool televised_tv(const ShowContext& s) { return s.show.broadcast == broadcast_tv; }
bool televised_ppv(const ShowContext& s) { return s.show.broadcast == broadcast_ppv; }

Num whole(double v) {
  if (!(v > -1e15)) return -1'000'000'000'000'000;
  if (!(v < 1e15)) return 1'000'000'000'000'000;
  return static_cast<Num>(std::trunc(v));
}

// A share `score` percent of a figure, cut to a whole number and never below 0.
Num share_of(Num figure, double score) { return std::max<Num>(0, whole(static_cast<double>(figure) * score / 100)); }

void regular_show_figures(const PromotionView& p, const ShowContext& show, double score, Takings& t) {
  if (!show.show.regular_slot || *show.show.regular_slot >= prom::regular_show_count) return;
  const Num figure = share_of(leading_int(p.show(*show.show.regular_slot, prom::show::audience)), score);
  t.figure_text = to_text(figure);
  if (televised_tv(show)) {
    double rating = static_cast<double>(figure) / 100;
    rating += rating / 10;
    t.rating = pattern_number(rating, tv_rating_pattern);
    t.figure_text = t.rating;
  } else if (televised_ppv(show)) {
    t.buys = figure;
    t.buy_money = mul_sat(figure, ppv_regular_show_price);
  }
}

void big_show_figures(const PromotionView& p, double score, Takings& t) {
  if (!p.has_ppv_deal()) return;
  const Num size = p.size_level();
  t.buy_rate = static_cast<double>(share_of(p.num(prom::ppv_rating), score)) / 100;
  t.buys = whole(t.buy_rate * static_cast<double>(buys_per_buy_rate_point));
  t.gross = mul_sat(t.buys, size >= 6 ? 15 : size == 5 ? 12 : 8);
  t.buy_money = t.gross;
}

}  // namespace

Takings show_takings(const Store& store, const ShowContext& show, double score) {
  Takings t;
  const auto player = store.player_index();
  if (!player) return t;
  const auto p = store.promotion(*player);
  const Num size = p.size_level();
  const bool big = show.show.type == ShowType::big;

  Num crowd_line = prom::house_attendance;
  if (big) crowd_line = prom::big_show_attendance;
  else if (televised_tv(show) || (televised_ppv(show) && size >= 4)) crowd_line = prom::tv_attendance;
  t.attendance = share_of(p.num(static_cast<std::size_t>(crowd_line)), score);

  if (big) big_show_figures(p, score, t);
  else regular_show_figures(p, show, score, t);

  if (show.capacity > 0 && t.attendance >= show.capacity) {
    t.sold_out = true;
    t.attendance = show.capacity;
    t.attendance_text = grouped(show.capacity) + " (Sell-Out)";
  } else {
    t.attendance_text = grouped(t.attendance);
  }

  const Num price = 5 * (size + (big ? 4 : (televised_tv(show) || televised_ppv(show)) ? 2 : 1));
  t.tickets = mul_sat(t.attendance, price);
  t.merchandise = whole(static_cast<double>(p.popularity()) / 100 * static_cast<double>(2 * size) * static_cast<double>(t.attendance));
  if (t.merchandise < 10 && t.attendance > 0) t.merchandise = 10;
  return t;
}

double expected_show_score(const Store& store, const ShowContext& show, const Booking& booking) {
  Store scratch = store.scratch();  // the rating wears workers and stipulations down as it goes
  Rng unused(1);          // a forecast draws nothing
  const CardFigures f = matchstats(scratch, booking.card(), night_setting(show.show, booking, true), unused);
  return show_score(scratch, show, f);
}

TakingsPreview preview_takings(const Store& store, const ShowFacts& show, const std::vector<VenueOffer>& venues,
                               const Booking* booked) {
  TakingsPreview out;
  const auto card_of = [](const Booking& b) {
    for (std::size_t k = 1; k <= rec::match_slots; ++k)
      if (b.slot_booked(k)) return true;
    return false;
  };
  std::optional<Booking> suggested;
  const Booking* card = booked && card_of(*booked) ? booked : nullptr;
  out.from_booked_card = card != nullptr;
  if (!card) {
    suggested.emplace(store, BookingSetting{show.brand, show.type == ShowType::big});
    Rng rng(suggested_card_seed);
    suggest_card(*suggested, store, rng);
    card = &*suggested;
  }
  ShowContext context;
  context.show = show;
  context.matches = static_cast<std::size_t>(std::max(0, card->match_count()));
  out.matches = context.matches;
  out.score = card_of(*card) ? expected_show_score(store, context, *card) : 0;
  for (const auto& v : venues) {
    context.venue = v.name;
    context.capacity = v.capacity;
    context.hire_cost = v.hire_cost;
    Takings t = show_takings(store, context, out.score);
    const Num after_hire = sub_sat(add_sat(t.tickets, t.merchandise), v.hire_cost);
    out.venues.push_back({v, std::move(t), after_hire});
  }
  return out;
}

}  // namespace rv

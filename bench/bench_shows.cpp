// Speed of show day: rating and deciding an eight-match card on the default world, and refilling
// the booking screen's roster panel and list on a world ten times its size.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "bench_world.h"
#include "shows/booking.h"
#include "shows/forecast.h"
#include "shows/rating.h"
#include "shows/runshow.h"
#include "shows/takings.h"

namespace {

// Books each slot with the first type the roster can fill, trying the slot's own type first: the
// first title and the last stipulation offered, winners and win type left to the game.
void book_card(rv::Booking& b, int matches) {
  // A card of the default world's twenty workers: fifteen men and five women.
  static constexpr std::array<std::string_view, 8> types = {"Singles", "Women's Match", "Tag Team", "Singles",
                                                            "Triple Threat", "Women's Match", "Singles", "Singles"};
  b.choose_count(matches);
  for (int k = 1; k <= matches; ++k) {
    for (std::size_t t = 0; t < types.size() && !b.slot_booked(static_cast<std::size_t>(k)); ++t) {
      b.open_slot(static_cast<std::size_t>(k));
      if (!b.choose(types[(t + static_cast<std::size_t>(k) - 1) % types.size()])) continue;
      while (b.step() != rv::BookingStep::choose_match && !b.slot_booked(static_cast<std::size_t>(k))) {
        if (b.step() == rv::BookingStep::team_names) {
          b.name_team(b.team_proposal());
          continue;
        }
        const auto c = b.choices();
        if (c.empty()) break;
        const bool last = b.step() == rv::BookingStep::stipulation;
        if (!b.choose(last ? c.back() : c.front())) break;
      }
      if (!b.slot_booked(static_cast<std::size_t>(k))) b.clear_match();
    }
  }
}

void BM_RateAndDecideEightMatches(benchmark::State& state) {
  const rv::Store world = rvbench::default_world();
  rv::Booking booking(world, {});
  book_card(booking, 8);
  int booked = 0;
  for (std::size_t k = 1; k <= 8; ++k) booked += booking.slot_booked(k) ? 1 : 0;
  state.counters["booked"] = booked;
  rv::Store store = world;
  rv::Rng rng(1);
  for (auto _ : state) {
    state.PauseTiming();
    store = world;
    rv::Lines card = booking.card();
    state.ResumeTiming();
    const auto figures = rv::matchstats(store, card, {}, rng);
    rv::choosewinner(store, card, {}, rng);
    benchmark::DoNotOptimize(figures.star_points);
    benchmark::DoNotOptimize(card.data());
  }
}
BENCHMARK(BM_RateAndDecideEightMatches)->Unit(benchmark::kMicrosecond);

// The roster panel and the participant list of a half-booked card, on a generated world of
// 5000 workers whose player holds a tenth of them.
void BM_RefillRosterAndList(benchmark::State& state) {
  rv::Store world = rvtest::generated_store(10, 5000);
  rv::Booking booking(world, {});
  book_card(booking, 8);
  booking.clear_match();
  booking.open_slot(8);
  booking.clear_match();
  booking.open_slot(8);
  booking.choose("Singles");
  booking.choose("None");
  booking.choose("None");
  state.counters["roster"] = static_cast<double>(booking.roster().size());
  for (auto _ : state) {
    benchmark::DoNotOptimize(booking.roster().size());
    benchmark::DoNotOptimize(booking.choices().size());
  }
}
BENCHMARK(BM_RefillRosterAndList)->Unit(benchmark::kMicrosecond);

// "Confirm" to the presentation's data: an eight-match show run from start to end.
void BM_RunEightMatchShow(benchmark::State& state) {
  const rv::Game start{rvbench::default_world(), rv::Rng(1), "bench"};
  const auto libraries = rv::load_libraries(rv::Home(std::filesystem::path(RINGVALE_SOURCE_DIR) / "data"));
  rv::Booking booking(start.store, {});
  book_card(booking, 8);
  rv::BookedShow booked;
  booked.show.name = "Bench Weekly";
  booked.show.broadcast = "TV";
  booked.show.televised = true;
  booked.show.regular_slot = 0;
  booked.capacity = 5000;
  booked.hire_cost = 40000;
  rv::Game game = start;
  for (auto _ : state) {
    state.PauseTiming();
    game = start;
    state.ResumeTiming();
    auto run = rv::run_show(game, booked, booking, libraries);
    if (run) benchmark::DoNotOptimize(rv::present_show(*run).commentary.size());
  }
}
BENCHMARK(BM_RunEightMatchShow)->Unit(benchmark::kMicrosecond);

// The booking screen's expected ratings of a full eight-match card, refreshed after every change:
// it must stay well under a millisecond.
void BM_ForecastEightMatchCard(benchmark::State& state) {
  const rv::Store world = rvbench::default_world();
  rv::Booking booking(world, {});
  book_card(booking, 8);
  rv::BookedShow booked;
  booked.show.name = "Bench Weekly";
  booked.show.type = rv::ShowType::primary;
  for (auto _ : state) benchmark::DoNotOptimize(rv::forecast_card(world, booked, booking).overall.size());
}
BENCHMARK(BM_ForecastEightMatchCard)->Unit(benchmark::kMicrosecond);

// The venue list's expected takings before a card is booked: the suggested card is booked and
// forecast, then each of ten halls is priced.
void BM_VenueTakingsFromTheSuggestedCard(benchmark::State& state) {
  const rv::Store world = rvbench::default_world();
  rv::ShowFacts show;
  show.name = "Bench Weekly";
  show.type = rv::ShowType::primary;
  show.broadcast = "TV";
  show.televised = true;
  show.regular_slot = 0;
  std::vector<rv::VenueOffer> halls;
  for (rv::Num k = 1; k <= 10; ++k) halls.push_back({"Hall " + std::to_string(k), 500 * k, 4000 * k, ""});
  for (auto _ : state) benchmark::DoNotOptimize(rv::preview_takings(world, show, halls, nullptr).score);
}
BENCHMARK(BM_VenueTakingsFromTheSuggestedCard)->Unit(benchmark::kMicrosecond);

}  // namespace

// Speed of a career with the staff in charge: ten years of the bundled world's largest promotion
// with the suggested choices, every show booked by the staff, as `ringvale-cli next-day
// --assistant default --days 3650` plays it (the memory it takes: scripts/careers).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>

#include "cycle/assistant.h"
#include "cycle/nextday.h"
#include "cycle/showday.h"
#include "shows/reports.h"
#include "state/calendar.h"
#include "state/fileio.h"
#include "state/newgame.h"
#include "support/world.h"

namespace {

void BM_TenYearsWithTheStaff(benchmark::State& state) {
  rvtest::TempDir dir;
  const rv::Home home(dir.path());
  const std::filesystem::path bundled = std::filesystem::path(RINGVALE_SOURCE_DIR) / "data";
  if (!rv::prepare_home(home, bundled).ok()) {
    state.SkipWithError("the bundled world cannot be copied");
    return;
  }
  auto started = rv::start_new_game(home, "Bench Player");
  if (!started.ok() || !rv::confirm_promotion(*started, "VWS", false).ok()) {
    state.SkipWithError("the largest promotion cannot be chosen");
    return;
  }
  const rv::Store start = std::move(started->store);
  const rv::ShowLibraries libraries = rv::load_libraries(home);
  const rv::StaffBooking staff{home, libraries};
  int days = 0;
  for (auto _ : state) {
    rv::Game g{start, rv::Rng(7), "bench"};
    g.store.assistant = rv::default_choices(g.store);
    for (days = 0; days < 3650; ++days) {
      if (rv::staff_books_today(g.store)) rv::staff_show_day(g, staff);
      if (rv::next_day(g).dismissed) break;
    }
  }
  state.counters["days"] = days;
}
BENCHMARK(BM_TenYearsWithTheStaff)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

// Speed of the daily cycle: an ordinary day and the 1st of a month on the default world, and a
// day on generated worlds up to ten times its size.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "cycle/nextday.h"
#include "state/date.h"
#include "state/fileio.h"
#include "state/newgame.h"
#include "support/days.h"
#include "support/generated_world.h"
#include "support/generated_ledger.h"
#include "support/world.h"
#include "bench_world.h"

namespace {

// Plays the world into its second month so that inbox, free agents and contracts are lived in.
rv::Game lived_in(rv::Store store, int days) {
  rv::Game g{std::move(store), rv::Rng(1), "bench"};
  for (int i = 0; i < days; ++i) {
    rv::next_day(g);
    if (rv::main_caption(g.store) != "Next Day") g.store.set_md(rv::md::main_caption, "Next Day");
  }
  return g;
}

// One day from the same starting point each time: the state is restored outside the timing.
void one_day_from(benchmark::State& state, const rv::Game& start) {
  rv::Game g = start;
  for (auto _ : state) {
    state.PauseTiming();
    g.store = start.store;
    g.rng = start.rng;
    // A copy has no room to spare; a played ledger has, and grows by doubling.
    g.store.ledger.reserve(g.store.ledger.size() * 2);
    state.ResumeTiming();
    benchmark::DoNotOptimize(rv::next_day(g).posted.size());
  }
}

void BM_OrdinaryDay(benchmark::State& state) {
  rv::Game g = lived_in(rvbench::default_world(), 40);
  rvtest::set_date(g.store, "Monday", 11, "February", 2007);  // the 12th: no monthly step
  one_day_from(state, g);
}
BENCHMARK(BM_OrdinaryDay)->Unit(benchmark::kMicrosecond);

void BM_FirstOfAMonth(benchmark::State& state) {
  rv::Game g = lived_in(rvbench::default_world(), 40);
  rvtest::set_date(g.store, "Friday", 28, "February", 2007);  // the new day: Saturday 1st March
  one_day_from(state, g);
}
BENCHMARK(BM_FirstOfAMonth)->Unit(benchmark::kMicrosecond);

// The 1st of a month with fifty years of ledger behind it: the day writes its entries and folds
// the month that ended a year ago. Against BM_FirstOfAMonth, within a tenth.
void BM_FirstOfAMonthWithFiftyYearLedger(benchmark::State& state) {
  rv::Game g = lived_in(rvbench::default_world(), 40);
  rvtest::set_date(g.store, "Friday", 28, "February", 1957);
  g.store.ledger.clear();
  rvtest::add_generated_ledger(g.store, 50);
  rvtest::set_date(g.store, "Friday", 28, "February", 2007);
  one_day_from(state, g);
}
BENCHMARK(BM_FirstOfAMonthWithFiftyYearLedger)->Unit(benchmark::kMicrosecond);

// Days in a row, every kind of day, without a ledger behind them and with fifty years of one: the
// same world and draws, so the difference is what writing and folding the ledger costs.
void BM_DaysInARowWithLedgerYears(benchmark::State& state) {
  rv::Game g = lived_in(rvbench::default_world(), 40);
  if (state.range(0) > 0) {
    const rv::Date today = rv::current_date(g.store);
    rvtest::set_date(g.store, "Monday", today.day, std::string(today.month_name()), today.year - static_cast<int>(state.range(0)));
    g.store.ledger.clear();
    rvtest::add_generated_ledger(g.store, static_cast<int>(state.range(0)));
    rv::set_current_date(g.store, today);
  }
  for (auto _ : state) {
    const rv::DayReport report = rv::next_day(g);
    benchmark::DoNotOptimize(report.posted.size());
    if (rv::main_caption(g.store) != "Next Day") g.store.set_md(rv::md::main_caption, "Next Day");
    if (report.dismissed) {  // a dismissed player's days do nothing: the board keeps him on
      g.store.set_md(rv::md::board_state, "No");
      g.store.set_md(rv::md::board_rating, "50");
    }
  }
  state.counters["entries"] = static_cast<double>(g.store.ledger.size());
}
BENCHMARK(BM_DaysInARowWithLedgerYears)->Arg(0)->Arg(50)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// Days in a row on a generated world of n workers and n / 50 promotions (n = 5000 is ten times
// the default world): the mean cost of a day, every kind of day included.
void BM_DayByWorldSize(benchmark::State& state) {
  const int workers = static_cast<int>(state.range(0));
  rv::Game g = lived_in(rvtest::generated_store(workers / 50, workers), 40);
  for (auto _ : state) {
    benchmark::DoNotOptimize(rv::next_day(g).posted.size());
    if (rv::main_caption(g.store) != "Next Day") g.store.set_md(rv::md::main_caption, "Next Day");
  }
  state.SetComplexityN(workers);
}
BENCHMARK(BM_DayByWorldSize)->Arg(500)->Arg(1000)->Arg(2500)->Arg(5000)->Unit(benchmark::kMicrosecond)->Complexity();

}  // namespace

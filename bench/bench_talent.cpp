// The roster grid and a worker's profile on a roster of 5000 workers (the ten-times world with
// every worker signed to the player).
#include <benchmark/benchmark.h>

#include "support/generated_world.h"
#include "talent/contract.h"
#include "talent/profile.h"
#include "talent/roster.h"
#include "talent/search.h"

namespace {

rv::Store five_thousand_on_the_roster() {
  rv::Store s = rvtest::generated_store(10, 5000);
  const std::string player = s.md(rv::md::player_initials);
  for (std::size_t r = 0; r < s.worker_count(); ++r) s.worker(r).set_promotion(player);
  return s;
}

// Every entry of the choice list in turn; one iteration is one change of view or sort.
void BM_RosterGridChoice(benchmark::State& state) {
  const rv::Store s = five_thousand_on_the_roster();
  const auto choices = rv::roster_choices(s);
  std::size_t k = 0, rows = 0;
  for (auto _ : state) {
    rows = rv::roster_grid(s, choices[k]).rows.size();
    benchmark::DoNotOptimize(rows);
    k = (k + 1) % choices.size();
  }
  state.counters["choices"] = static_cast<double>(choices.size());
}
BENCHMARK(BM_RosterGridChoice)->Unit(benchmark::kMicrosecond);

// What the profile and contract screens ask of the core when they open.
void BM_OpenProfile(benchmark::State& state) {
  const rv::Store s = five_thousand_on_the_roster();
  const auto row = *rv::roster_worker(s, "");
  for (auto _ : state) {
    benchmark::DoNotOptimize(rv::profile_facts(s, row).size());
    benchmark::DoNotOptimize(rv::contract_details(s, row).career.size());
    benchmark::DoNotOptimize(rv::manager_choices(s, row).size());
  }
}
BENCHMARK(BM_OpenProfile)->Unit(benchmark::kMicrosecond);

// "Make New Signing" over the ten-times world (5000 workers, nearly all outside the player's
// roster): one iteration is one filter change, cycling through name, list and figure filters.
void BM_SearchFilterChange(benchmark::State& state) {
  const rv::Store s = rvtest::generated_store(10, 5000);
  std::vector<rv::SearchFilters> changes(4);
  changes[1].name = "an";
  changes[2].lists[static_cast<std::size_t>(rv::SearchList::gender)] = "Female";
  changes[3].low[static_cast<std::size_t>(rv::SearchFigure::draw)] = 60;
  std::size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rv::search_workers(s, changes[k]).size());
    k = (k + 1) % changes.size();
  }
}
BENCHMARK(BM_SearchFilterChange)->Unit(benchmark::kMicrosecond);

}  // namespace

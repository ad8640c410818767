// The roster grid and a worker's profile on a roster of 5000 workers (the ten-times world with
// every worker signed to the player).
#include <benchmark/benchmark.h>

#include "support/generated_world.h"
#include "talent/contract.h"
#include "talent/profile.h"
#include "talent/roster.h"

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

}  // namespace

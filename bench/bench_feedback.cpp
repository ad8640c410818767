// Speed of the feedback screen's areas on a generated world ten times the default size.
#include <benchmark/benchmark.h>

#include "feedback/feedback.h"
#include "support/generated_world.h"

namespace {

// The player's promotion made a big one with a split roster and a buy rate to report, so that
// every message of every area is worked out.
const rv::Store& world() {
  static const rv::Store store = [] {
    rv::Store s = rvtest::generated_store(100, 5000);
    const rv::Promotion p = s.promotion(*s.player_index());
    p.set_num(rv::prom::size_level, 6);
    p.set(rv::prom::ppv_deal, "Yes");
    p.set(rv::prom::roster_split, "Yes");
    p.set(rv::prom::brand1_name, "Northside");
    p.set(rv::prom::brand2_name, "Southside");
    for (std::size_t r = 0; r < s.worker_count(); ++r) {
      if (s.worker(r).promotion() == p.initials()) s.worker(r).set_brand(r % 3 ? "Brand 1" : "Brand 2");
    }
    s.set_md(rv::md::last_big_show_name, "Generated Clash");
    s.set_md(rv::md::last_buy_rate, "0.85");
    return s;
  }();
  return store;
}

void BM_Feedback(benchmark::State& state, const char* area) {
  const rv::Store& s = world();
  for (auto _ : state) benchmark::DoNotOptimize(rv::feedback_text(s, area).size());
}
BENCHMARK_CAPTURE(BM_Feedback, roster, "Roster")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Feedback, roster_split, "Roster Split")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Feedback, shows, "Shows")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Feedback, championships, "Championships")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Feedback, other, "Other")->Unit(benchmark::kMicrosecond);

}  // namespace

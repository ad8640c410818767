// Speed of the foundation: loading and saving a full-size game, moving the date.
#include <benchmark/benchmark.h>

#include "state/dates.h"
#include "state/date.h"
#include "state/saves.h"
#include "support/generated_history.h"
#include "support/generated_ledger.h"
#include "support/world.h"

namespace {

// A game the size of a full world: 10 promotions, 500 workers, a busy inbox.
rv::Store full_size_store() {
  rv::Store s = rvtest::small_store();
  s.promotions.clear();
  for (int i = 0; i < 10; ++i) {
    for (const auto& l : rvtest::promotion_record("P" + std::to_string(i), "Promotion " + std::to_string(i), 1 + i % 6)) {
      s.promotions.push_back(l);
    }
  }
  s.set_md(rv::md::player_initials, "P0");
  s.wrestlers.clear();
  for (int i = 0; i < 500; ++i) s.wrestlers.add(rvtest::worker_row("Worker " + std::to_string(i), "P" + std::to_string(i % 10)));
  for (int i = 0; i < 50; ++i) {
    rv::append_record(s.newslist, {"Front Office", "Monday 1st January 2007", "Subject", "Body text of a message", "",
                                   "", "INFO", "0", "Read", "", "", ""});
  }
  return s;
}

const rv::WallTime noon{2026, 12, 5, 12, 0, 0, 1};

void BM_SaveGame(benchmark::State& state) {
  rvtest::TempDir dir;
  rv::Home home(dir.path());
  const rv::Store s = full_size_store();
  for (auto _ : state) benchmark::DoNotOptimize(rv::save_game(s, home, "Bench", noon).ok());
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMillisecond);

void BM_LoadGame(benchmark::State& state) {
  rvtest::TempDir dir;
  rv::Home home(dir.path());
  rv::save_game(full_size_store(), home, "Bench", noon);
  for (auto _ : state) {
    auto loaded = rv::load_game(home, "Bench.sav");
    benchmark::DoNotOptimize(loaded.ok());
  }
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMillisecond);

void BM_DatechangeAndFullDate(benchmark::State& state) {
  rv::Date d{0, 1, 0, 2007};
  std::string text;
  text.reserve(40);
  for (auto _ : state) {
    rv::datechange(d);
    text.clear();
    rv::append_full_date(text, d);
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_DatechangeAndFullDate);

}  // namespace

namespace {

// Fifty years of days (and a show a week) kept beside a save: loading the save reads them all.
void BM_LoadGameWithFiftyYearsOfHistory(benchmark::State& state) {
  rvtest::TempDir dir;
  rv::Home home(dir.path());
  rv::Store s = full_size_store();
  rvtest::add_generated_history(s, 50);
  rv::save_game(s, home, "Bench", noon);
  state.counters["rows"] = static_cast<double>(s.history.size());
  for (auto _ : state) {
    auto loaded = rv::load_game(home, "Bench.sav");
    benchmark::DoNotOptimize(loaded.ok());
  }
}
BENCHMARK(BM_LoadGameWithFiftyYearsOfHistory)->Unit(benchmark::kMillisecond);

// What a screen does with it: the rows read into days, shows and matches.
void BM_ReadFiftyYearsOfHistory(benchmark::State& state) {
  rv::Store s = full_size_store();
  rvtest::add_generated_history(s, 50);
  for (auto _ : state) benchmark::DoNotOptimize(rv::read_history(s.history).days.size());
}
BENCHMARK(BM_ReadFiftyYearsOfHistory)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// A career's ledger beside a save (ten and fifty years, old years folded into months): loading
// the save reads and checks every entry. It must stay well under 100 ms.
void BM_LoadGameWithLedger(benchmark::State& state) {
  rvtest::TempDir dir;
  rv::Home home(dir.path());
  rv::Store s = full_size_store();
  rvtest::add_generated_ledger(s, static_cast<int>(state.range(0)));
  rv::save_game(s, home, "Bench", noon);
  state.counters["entries"] = static_cast<double>(s.ledger.size());
  for (auto _ : state) {
    auto loaded = rv::load_game(home, "Bench.sav");
    benchmark::DoNotOptimize(loaded.ok());
  }
}
BENCHMARK(BM_LoadGameWithLedger)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

}  // namespace

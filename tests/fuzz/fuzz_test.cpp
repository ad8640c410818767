// Mutated saves and data sets: each case ends in a refusal that leaves every file as it was, or
// in a sound game that plays a day, saves and loads again. RINGVALE_FUZZ_CASES sets how many
// cases run (a long run: 200000), RINGVALE_FUZZ_SEED the first one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <map>
#include <optional>
#include <random>

#include "cycle/nextday.h"
#include "cycle/showday.h"
#include "state/calendar.h"
#include "state/fileio.h"
#include "state/invariants.h"
#include "state/newgame.h"
#include "state/ranges.h"
#include "state/saves.h"
#include "support/days.h"
#include "support/world.h"

namespace {

namespace fs = std::filesystem;

std::map<fs::path, std::string> snapshot(const fs::path& folder) {
  std::map<fs::path, std::string> out;
  for (const auto& e : fs::recursive_directory_iterator(folder)) {
    out[e.path()] = e.is_directory() ? "<dir>" : rvtest::file_bytes(e.path());
  }
  return out;
}

// Hostile changes: cuts, lost and repeated lines, odd numbers and dates, binary bytes, long
// lines, CR-only line ends, missing files and folders where files belong.
class Mutator {
 public:
  explicit Mutator(std::uint64_t seed) : rng_(seed) {}
  std::size_t pick(std::size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

  void mutate(const fs::path& file) {
    static const char* const values[] = {"9223372036854775807", "-9223372036854775808", "99999999999999999999999",
                                         "-1", "1e308", "nan", "Wednesday 31st February 1999", "Tuesday 1st January 2007",
                                         "31", "February", "Funday", ""};
    const std::size_t kind = pick(11);
    if (kind == 0) return (void)fs::remove(file);
    if (kind == 1) return (void)(fs::remove(file), fs::create_directory(file));
    std::string bytes = rvtest::file_bytes(file);
    rv::Lines lines = rv::split_lines(bytes);
    const auto here = lines.begin() + static_cast<std::ptrdiff_t>(pick(lines.size()));
    if (kind == 2) bytes.resize(pick(bytes.size() + 1));
    if (kind == 3) bytes.insert(pick(bytes.size() + 1), std::string(1 + pick(8), static_cast<char>(pick(256))));
    if (kind == 4) std::replace(bytes.begin(), bytes.end(), '\n', '\r');
    if (kind >= 5 && !lines.empty()) {
      if (kind == 5) lines.erase(here);
      if (kind == 6) lines.insert(here, *here);
      if (kind == 7) *here += std::string(100000, '7');
      if (kind == 8) *here = std::to_string(static_cast<long long>(rng_()) >> pick(63));
      if (kind >= 9) *here = values[pick(std::size(values))];
    }
    rvtest::write_bytes(file, kind >= 5 ? rv::join_lines(lines) : bytes);
  }

  void spoil(const fs::path& folder) {
    std::vector<fs::path> files(fs::directory_iterator(folder), fs::directory_iterator{});
    std::sort(files.begin(), files.end());
    for (std::size_t i = 0, n = 1 + pick(3); i < n; ++i) {
      if (const fs::path& f = files[pick(files.size())]; fs::is_regular_file(f)) mutate(f);
    }
  }

 private:
  std::mt19937_64 rng_;
};

// Thousands of saves need not wait for the disk.
struct NoFlush final : rv::DiskSync {
  rv::Status flush(const fs::path&) const override { return rv::success(); }
} const no_flush;
const rv::WallTime noon{2026, 1, 1, 12, 0, 0, 0};

std::optional<rv::Store> new_game(const rv::Home& home) {
  auto started = rv::start_new_game(home, "Fuzzer");
  if (!started.ok() || !rv::confirm_promotion(*started, started->store.promotion(0).initials(), false).ok()) return {};
  return std::move(started->store);
}

TEST(Fuzz, MutatedSavesAndDataSetsAreRefusedCleanlyOrPlaySound) {
  auto env = [](const char* name, std::uint64_t fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::strtoull(v, nullptr, 10) : fallback;
  };
  // The bundled world's data set and a save of it a few days in.
  rvtest::TempDir dir;
  const rv::Home base(dir.path() / "base");
  ASSERT_TRUE(rv::copy_tree(fs::path(RINGVALE_SOURCE_DIR) / "data" / "Data", base.data()).ok());
  rv::Game start{*new_game(base), rv::Rng(5), "Career"};
  for (int d = 0; d < 9; ++d) rv::next_day(start);
  ASSERT_TRUE(rv::save_game(start.store, base, "Career", noon, no_flush).ok());

  int refused = 0, played = 0;
  const std::uint64_t first = env("RINGVALE_FUZZ_SEED", 1), end = first + env("RINGVALE_FUZZ_CASES", 3000);
  for (std::uint64_t c = first; c < end && !HasFatalFailure(); ++c) {
    const std::string where = "case " + std::to_string(c);
    const rv::Home home(dir.path() / "case");
    fs::remove_all(home.root());
    fs::copy(base.root(), home.root(), fs::copy_options::recursive);
    Mutator m(c);
    const bool data_set = c % 3 == 0;
    m.spoil(data_set ? home.data() : home.save_folder("Career"));
    if (!data_set && m.pick(6) == 0) m.mutate(home.sav_file("Career"));
    const auto before = snapshot(home.root());
    std::optional<rv::Store> store;
    if (data_set) {
      store = new_game(home);
    } else if (auto loaded = rv::load_game(home, "Career.sav"); loaded.ok()) {
      store = std::move(*loaded);
    }
    if (!store) {
      ++refused;
      ASSERT_TRUE(snapshot(home.root()) == before) << where << ": a refusal changed a file";
      continue;
    }
    ++played;
    ASSERT_EQ(rv::check_store(*store), std::vector<std::string>{}) << where;
    rv::Game game{std::move(*store), rv::Rng(c), "Fuzz"};
    if (rv::main_action(game.store) != rv::MainAction::next_day) rv::cancel_unbooked_show(game);
    rv::next_day(game);
    ASSERT_EQ(rv::check_store(game.store), std::vector<std::string>{}) << where << " after a day";
    ASSERT_TRUE(rv::save_game(game.store, home, "Fuzz", noon, no_flush).ok()) << where;
    const auto again = rv::load_game(home, "Fuzz.sav");
    ASSERT_TRUE(again.ok()) << where << ": " << again.error();
  }
  std::cout << refused << " cases refused, " << played << " played\n";
  EXPECT_GT(refused, 0);
  EXPECT_GT(played, 0);
}

// Every stored number at one end of its range: the top or the bottom.
void put_every_number_at(rv::Store& s, bool top) {
  const auto edge = [top](rv::Range r) { return rv::to_text(top ? r.hi : r.lo); };
  for (const auto& f : rv::maindata_numbers()) s.set_md(f.line, edge(f.range));
  for (std::size_t i = 0; i < s.promotion_count(); ++i) {
    for (const auto& f : rv::promotion_numbers()) s.promotions[i * rv::rec::promotion + f.line] = edge(f.range);
  }
  for (std::size_t r = 0; r < s.worker_count(); ++r) {
    for (std::size_t c = 0; c < rv::column_count; ++c) {
      if (const auto range = rv::column_range(static_cast<rv::Col>(c))) s.wrestlers.set(r, static_cast<rv::Col>(c), edge(*range));
    }
  }
  for (std::size_t b = 0; b < s.negotiations.size(); b += rv::rec::negotiation) {
    for (const auto& f : rv::negotiation_numbers()) s.negotiations[b + f.line] = edge(f.range);
  }
  for (std::size_t i = 0; i < s.message_count(); ++i) s.message(i).set(rv::msg::days_left, edge(rv::message_days_left));
}

// What a day moves at the end of a range stays inside it: a sound save plays on and still loads.
TEST(Fuzz, SavesAtTheEdgesOfTheirRangesPlayOnAndStillLoad) {
  struct Case {
    const char* what;
    bool top;
    const char* weekday;
    int day;
    const char* month;
    int year;
  };
  const Case cases[] = {
      {"every number at its top, a weekday of its own", true, "Tuesday", 28, "February", 2100},
      {"every number at its top, over the turn of a year", true, "Thursday", 28, "December", 2006},
      {"every number at its bottom", false, "Tuesday", 28, "February", 2100},
  };
  rvtest::TempDir dir;
  const rv::Home home(dir.path());
  ASSERT_TRUE(rv::copy_tree(fs::path(RINGVALE_SOURCE_DIR) / "data" / "Data", home.data()).ok());
  for (const Case& c : cases) {
    auto store = new_game(home);
    ASSERT_TRUE(store);
    rv::Store& s = *store;
    const auto player = s.player_index();
    ASSERT_TRUE(player);
    // A running feud, a title held and an offer waiting for its answer, so that their counters move.
    std::vector<std::string> roster;
    for (std::size_t r = 0; r < s.worker_count(); ++r) {
      if (s.worker(r).promotion() == s.md(rv::md::player_initials)) roster.push_back(s.worker(r).name());
    }
    ASSERT_GE(roster.size(), 3u);
    rvtest::start_feud(s, roster[0], roster[1], "Hot", "0");
    s.promotion(*player).title(0).set_holder(roster[2]);
    rv::append_record(s.negotiations, {roster[2], s.md(rv::md::player_initials), "1000", "2", "June 2008", "Yes", "0", "0",
                                       "0", "No thanks."});
    put_every_number_at(s, c.top);
    rvtest::set_date(s, c.weekday, c.day, c.month, c.year);
    rv::create_calendar(s);
    ASSERT_EQ(rv::check_store(s), std::vector<std::string>{}) << c.what;
    rv::Game game{std::move(s), rv::Rng(7), "Edge"};
    for (int d = 0; d < 12; ++d) {
      if (rv::main_action(game.store) != rv::MainAction::next_day) rv::cancel_unbooked_show(game);
      const rv::DayReport report = rv::next_day(game);
      ASSERT_EQ(rv::check_store(game.store), std::vector<std::string>{}) << c.what << ", day " << d + 1;
      if (report.dismissed) break;
    }
    ASSERT_TRUE(rv::save_game(game.store, home, "Edge", noon, no_flush).ok()) << c.what;
    const auto again = rv::load_game(home, "Edge.sav");
    EXPECT_TRUE(again.ok()) << c.what << ": " << again.error();
  }
}

}  // namespace

// Mutated saves and data sets, thousands of them: the loaders never crash or hang, and each case
// ends either in a refusal that leaves every file as it was, or in a game the check calls sound
// that plays a day and saves and loads again. RINGVALE_FUZZ_CASES sets how many cases run
// (a long run: 200000), RINGVALE_FUZZ_SEED where they start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <map>
#include <random>

#include "cycle/nextday.h"
#include "cycle/showday.h"
#include "state/calendar.h"
#include "state/fileio.h"
#include "state/invariants.h"
#include "state/newgame.h"
#include "state/saves.h"
#include "support/world.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::map<fs::path, std::string>;

std::uint64_t env_number(const char* name, std::uint64_t fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::strtoull(v, nullptr, 10) : fallback;
}

// Every file under the folder (a directory standing for a file shows as "<dir>").
Bytes snapshot(const fs::path& folder) {
  Bytes out;
  for (const auto& e : fs::recursive_directory_iterator(folder)) {
    out[e.path()] = e.is_directory() ? "<dir>" : rvtest::file_bytes(e.path());
  }
  return out;
}

class Mutator {
 public:
  explicit Mutator(std::uint64_t seed) : rng_(seed) {}
  std::size_t pick(std::size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

  // One hostile change to one file.
  void mutate(const fs::path& file) {
    static const char* const values[] = {"9223372036854775807", "-9223372036854775808", "99999999999999999999999",
                                         "-1", "-2147483649", "1e308", "nan", "Wednesday 31st February 1999",
                                         "Tuesday 1st January 2007", "31", "February", "Funday", "0", ""};
    const std::size_t kind = pick(12);
    if (kind == 0) return (void)fs::remove(file);
    if (kind == 1) return (void)(fs::remove(file), fs::create_directory(file));
    std::string bytes = rvtest::file_bytes(file);
    rv::Lines lines = rv::split_lines(bytes);
    const std::size_t at = pick(lines.size() + 1);
    switch (kind) {
      case 2: bytes.resize(pick(bytes.size() + 1)); break;
      case 3: if (at < lines.size()) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at)); break;
      case 4: if (at < lines.size()) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), lines[at]); break;
      case 5: case 6: case 7:
        if (at < lines.size()) lines[at] = values[pick(std::size(values))];
        break;
      case 8: bytes.insert(pick(bytes.size() + 1), std::string(1 + pick(8), static_cast<char>(pick(256)))); break;
      case 9: if (at < lines.size()) lines[at] += std::string(100000 + pick(1000), '7'); break;
      case 10: for (auto& c : bytes) c = c == '\n' ? '\r' : c; break;
      default: if (at < lines.size()) lines[at] = std::to_string(static_cast<long long>(rng_()) >> pick(63)); break;
    }
    const bool by_line = kind == 3 || kind == 4 || (kind >= 5 && kind <= 7) || kind == 9 || kind == 11;
    rvtest::write_bytes(file, by_line ? rv::join_lines(lines) : bytes);
  }

  // A few changes to files of the folder.
  void spoil(const fs::path& folder, int times) {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(folder)) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (int i = 0; i < times && !files.empty(); ++i) {
      const fs::path& f = files[pick(files.size())];
      if (fs::is_regular_file(f)) mutate(f);
    }
  }

 private:
  std::mt19937_64 rng_;
};

// Thousands of saves need not wait for the disk.
struct NoFlush final : rv::DiskSync {
  rv::Status flush(const fs::path&) const override { return rv::success(); }
} const no_flush;

// A loaded game plays a day, saves, and loads back sound.
void play_and_reload(rv::Store store, const rv::Home& home, std::uint64_t seed, const std::string& where) {
  ASSERT_EQ(rv::check_store(store), std::vector<std::string>{}) << where;
  rv::Game game{std::move(store), rv::Rng(seed), "Fuzz"};
  if (rv::main_action(game.store) != rv::MainAction::next_day) rv::pass_over_show_day(game);
  rv::next_day(game);
  ASSERT_EQ(rv::check_store(game.store), std::vector<std::string>{}) << where << " after a day";
  ASSERT_TRUE(rv::save_game(game.store, home, "Fuzz", {2026, 1, 1, 0, 0, 0, 0}, no_flush).ok()) << where;
  const auto again = rv::load_game(home, "Fuzz.sav");
  ASSERT_TRUE(again.ok()) << where << ": " << again.error();
}

struct Fuzz : ::testing::Test {
  rvtest::TempDir dir;
  rv::Home base{dir.path() / "base"};
  void SetUp() override {
    // The bundled world's data set and a save of it a few days in.
    fs::create_directories(base.root());
    ASSERT_TRUE(rv::copy_tree(fs::path(RINGVALE_SOURCE_DIR) / "data" / "Data", base.data()).ok());
    auto started = rv::start_new_game(base, "Fuzzer");
    ASSERT_TRUE(started.ok()) << started.error();
    ASSERT_TRUE(rv::confirm_promotion(*started, started->store.promotion(0).initials(), false).ok());
    rv::Game game{std::move(started->store), rv::Rng(5), "Career"};
    for (int d = 0; d < 9; ++d) rv::next_day(game);
    ASSERT_TRUE(rv::save_game(game.store, base, "Career", {2026, 1, 1, 0, 0, 0, 0}, no_flush).ok());
  }
};

TEST_F(Fuzz, MutatedSavesAndDataSetsAreRefusedCleanlyOrPlaySound) {
  const std::uint64_t cases = env_number("RINGVALE_FUZZ_CASES", 3000);
  const std::uint64_t first = env_number("RINGVALE_FUZZ_SEED", 1);
  int refused = 0, played = 0;
  for (std::uint64_t c = first; c < first + cases && !HasFatalFailure(); ++c) {
    const std::string where = "case " + std::to_string(c);
    const rv::Home home(dir.path() / "case");
    fs::remove_all(home.root());
    fs::copy(base.root(), home.root(), fs::copy_options::recursive);
    Mutator m(c);
    const bool data_set = c % 3 == 0;
    m.spoil(data_set ? home.data() : home.save_folder("Career"), 1 + static_cast<int>(m.pick(3)));
    if (!data_set && m.pick(6) == 0) m.mutate(home.sav_file("Career"));
    const Bytes before = snapshot(home.root());
    if (data_set) {
      auto started = rv::start_new_game(home, "Fuzzer");
      if (started.ok() && rv::confirm_promotion(*started, started->store.promotion(0).initials(), false).ok()) {
        ++played;
        play_and_reload(std::move(started->store), home, c, where);
        continue;
      }
    } else if (auto store = rv::load_game(home, "Career.sav"); store.ok()) {
      ++played;
      play_and_reload(std::move(*store), home, c, where);
      continue;
    }
    ++refused;
    ASSERT_TRUE(snapshot(home.root()) == before) << where << ": a refusal changed a file";
  }
  std::cout << refused << " cases refused, " << played << " played\n";
  RecordProperty("refused", refused);
  RecordProperty("played", played);
  EXPECT_GT(refused, 0);
  EXPECT_GT(played, 0);
}

}  // namespace

// The world runs for years: every day the store's invariants hold and nothing crashes.
// Ten years with three seeds run in CI; fifty years with ten seeds run on demand with
// RINGVALE_LONG_SOAK=1.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

#include "cycle/autoshow.h"
#include "cycle/contracts.h"
#include "cycle/nextday.h"
#include "cycle/showday.h"
#include "state/calendar.h"
#include "state/date.h"
#include "state/fileio.h"
#include "state/invariants.h"
#include "state/ledger.h"
#include "state/newgame.h"
#include "support/world.h"

namespace {

namespace fs = std::filesystem;

// The bundled world (or the bundle RINGVALE_SOAK_WORLD names: a folder holding Data/) with the
// player in charge of its promotion number `which` (counted round).
rv::Store starting_world(const rvtest::TempDir& dir, std::size_t which) {
  const char* other = std::getenv("RINGVALE_SOAK_WORLD");
  const rv::Home home(dir.path() / "home");
  EXPECT_TRUE(rv::prepare_home(home, other ? fs::path(other) : fs::path(RINGVALE_SOURCE_DIR) / "data").ok());
  auto game = rv::start_new_game(home, "Soak Player");
  if (!game.ok()) {
    ADD_FAILURE() << "the world does not start: " << game.error();
    return {};
  }
  const std::string initials = game->store.promotion(which % game->store.promotion_count()).initials();
  EXPECT_TRUE(rv::confirm_promotion(*game, initials, false).ok());
  return std::move(game->store);
}

// A caretaker player: keeps the roster signed so that the player's side of the world stays busy.
void caretaker(rv::Store& s) {
  const rv::Date today = rv::current_date(s);
  if (today.day != 7) return;
  const std::string player = s.md(rv::md::player_initials);
  const std::string ending = rv::ending_this_month(s);
  int roster = 0;
  for (std::size_t r = 0; r < s.worker_count(); ++r) {
    const auto w = s.worker(r);
    if (w.promotion() != player) continue;
    ++roster;
    if (w.expires() == ending) w.set_expires(rv::month_year(today, 2));
  }
  for (std::size_t r = 0; r < s.worker_count() && roster < 14; ++r) {
    const auto w = s.worker(r);
    if (w.promotion() != rv::free_agent || w.retire() == rv::retire::retired) continue;
    w.set_promotion(player);
    w.set_expires(rv::month_year(today, 1));
    ++roster;
  }
}

struct SoakResult {
  int days = 0, dismissals = 0, problems = 0, shows = 0;
};

bool check(const rv::Game& game, std::uint64_t seed, const char* when, SoakResult& result) {
  const auto problems = rv::check_store(game.store);
  if (problems.empty()) return true;
  ++result.problems;
  ADD_FAILURE() << "seed " << seed << ", " << when << " " << rv::current_full_date(game.store) << ": " << problems.front();
  return false;
}

// Every show day the suggester books the card and the show runs, as a player pressing "Suggest
// Card" and "Confirm" would; a show that cannot run is passed over.
void show_day(rv::Game& game, const rv::Home& home, const rv::ShowLibraries& libraries, std::uint64_t seed, SoakResult& result) {
  const auto outcome = rv::play_show_day(game, home, libraries, {});
  if (outcome && outcome->run) ++result.shows;
  if (!outcome) rv::pass_over_show_day(game);
  if (rv::main_action(game.store) != rv::MainAction::next_day) rv::pass_over_show_day(game);
  check(game, seed, "after the show of", result);
}

SoakResult soak(rv::Store start, const rv::Home& home, std::uint64_t seed, int years) {
  rv::Game game{std::move(start), rv::Rng(seed), "soak"};
  const rv::ShowLibraries libraries = rv::load_libraries(home);
  SoakResult result;
  const int end_year = rv::current_date(game.store).year + years;
  while (rv::current_date(game.store).year < end_year) {
    const rv::DayReport report = rv::next_day(game);
    ++result.days;
    if (report.dismissed) {
      ++result.dismissals;
      game.store.set_md(rv::md::board_state, "No");
      game.store.set_md(rv::md::board_rating, "50");
    }
    if (rv::main_action(game.store) != rv::MainAction::next_day) show_day(game, home, libraries, seed, result);
    caretaker(game.store);
    check(game, seed, "on", result);
    if (result.problems > 5) break;
  }
  return result;
}

TEST(Soak, TenYearsWithThreeSeedsKeepEveryInvariant) {
  rvtest::TempDir dir;
  for (std::uint64_t seed : {1u, 2u, 3u}) {
    const SoakResult r = soak(starting_world(dir, seed - 1), rv::Home(dir.path() / "home"), seed, 10);
    EXPECT_GE(r.days, 3652) << "seed " << seed;
    EXPECT_GT(r.shows, 400) << "seed " << seed;
    EXPECT_EQ(r.problems, 0) << "seed " << seed;
  }
}

// The player's three figures beside what the ledger has written down for each.
struct Books {
  std::array<rv::Num, rv::promotion_figure_count> figures{}, written{};
};

Books books(const rv::Store& s) {
  Books b;
  const auto p = s.promotion(*s.player_index());
  b.figures = {p.balance(), p.popularity(), s.md_num(rv::md::board_rating)};
  const rv::Ledger l = rv::read_ledger(s.ledger);
  for (std::size_t f = 0; f < rv::promotion_figure_count; ++f) b.written[f] = rv::ledger_total(l, static_cast<rv::Figure>(f));
  return b;
}

// Each figure moved by exactly what the ledger wrote down between `before` and `after`.
int unbalanced(const Books& before, const Books& after, const std::string& when) {
  int faults = 0;
  for (std::size_t f = 0; f < rv::promotion_figure_count; ++f) {
    const rv::Num moved = after.figures[f] - before.figures[f];
    const rv::Num written = after.written[f] - before.written[f];
    if (moved == written) continue;
    ++faults;
    ADD_FAILURE() << when << ": " << rv::figure_name(static_cast<rv::Figure>(f)) << " moved by " << moved << " but the ledger wrote "
                  << written;
  }
  return faults;
}

TEST(Soak, TheBooksBalanceForEveryDayAndShowOfAPlayedYear) {
  rvtest::TempDir dir;
  const rv::Home home(dir.path() / "home");
  rv::Game game{starting_world(dir, 0), rv::Rng(4), "books"};
  ASSERT_TRUE(game.store.player_index());
  const rv::ShowLibraries libraries = rv::load_libraries(home);
  const int end_year = rv::current_date(game.store).year + 1;
  int faults = 0, shows = 0, days = 0;
  std::array<bool, rv::promotion_figure_count> moved{};
  while (rv::current_date(game.store).year < end_year && faults < 5) {
    Books before = books(game.store);
    const rv::DayReport report = rv::next_day(game);
    ++days;
    const Books after_day = books(game.store);
    faults += unbalanced(before, after_day, "the day " + rv::current_full_date(game.store));
    for (std::size_t f = 0; f < rv::promotion_figure_count; ++f) moved[f] = moved[f] || after_day.written[f] != before.written[f];
    if (report.dismissed) {
      game.store.set_md(rv::md::board_state, "No");
      game.store.set_md(rv::md::board_rating, "50");
    }
    caretaker(game.store);
    if (rv::main_action(game.store) == rv::MainAction::next_day) continue;
    before = books(game.store);
    const auto outcome = rv::play_show_day(game, home, libraries, {});
    if (outcome && outcome->run) ++shows;
    if (!outcome || rv::main_action(game.store) != rv::MainAction::next_day) rv::pass_over_show_day(game);
    faults += unbalanced(before, books(game.store), "the show of " + rv::current_full_date(game.store));
  }
  EXPECT_EQ(faults, 0);
  EXPECT_GE(days, 365);
  EXPECT_GT(shows, 40);
  EXPECT_EQ(moved, (std::array<bool, rv::promotion_figure_count>{true, true, true}));  // every figure was written to
}

TEST(Soak, FiftyYearsWithTenSeedsOnDemand) {
  if (!std::getenv("RINGVALE_LONG_SOAK")) GTEST_SKIP() << "set RINGVALE_LONG_SOAK=1 to run fifty years with ten seeds";
  rvtest::TempDir dir;
  for (std::uint64_t seed = 1; seed <= 10; ++seed) {
    const SoakResult r = soak(starting_world(dir, seed - 1), rv::Home(dir.path() / "home"), seed, 50);
    EXPECT_EQ(r.problems, 0) << "seed " << seed;
  }
}

}  // namespace

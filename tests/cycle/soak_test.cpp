// The world runs for years: every day the store's invariants hold and nothing crashes.
// Ten years with three seeds run in CI; fifty years with ten seeds run on demand with
// RINGVALE_LONG_SOAK=1.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>

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
// Card" and "Confirm" would; a show that cannot run is cancelled.
void show_day(rv::Game& game, const rv::Home& home, const rv::ShowLibraries& libraries, std::uint64_t seed, SoakResult& result) {
  const auto outcome = rv::play_show_day(game, home, libraries, {});
  if (outcome && outcome->run) ++result.shows;
  if (!outcome) rv::cancel_unbooked_show(game);
  if (rv::main_action(game.store) != rv::MainAction::next_day) rv::cancel_unbooked_show(game);
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

// The player's figures beside what the ledger wrote down for each: the promotion's three, and
// those of its workers, titles and regular shows by figure and name.
using Named = std::map<std::pair<rv::Figure, std::string>, rv::Num>;
struct Books {
  std::array<rv::Num, rv::promotion_figure_count> figures{};
  Named named;
  std::size_t ledger_rows = 0;
};

Books books(const rv::Store& s) {
  Books b;
  const auto p = s.promotion(*s.player_index());
  b.figures = {p.balance(), p.popularity(), s.md_num(rv::md::board_rating)};
  const std::string& player = s.md(rv::md::player_initials);
  for (std::size_t r = 0; r < s.worker_count(); ++r) {
    const auto w = s.worker(r);
    if (w.promotion() != player || w.name().empty()) continue;
    b.named[{rv::Figure::worker_popularity, w.name()}] = w.pop();
    b.named[{rv::Figure::morale, w.name()}] = w.morale();
  }
  for (std::size_t k = 0; k < rv::prom::title_slots; ++k)
    if (const auto t = p.title(k); t.exists()) b.named[{rv::Figure::title_value, t.name()}] = t.value();
  for (std::size_t k = 0; k < rv::prom::regular_show_count; ++k)
    if (const std::string& name = p.show(k, rv::prom::show::name); !name.empty())
      b.named[{rv::Figure::show_rating, name}] = rv::leading_int(p.show(k, rv::prom::show::rating));
  b.ledger_rows = s.ledger.size();
  return b;
}

// Each figure moved by exactly what the ledger wrote down between `before` and `after` (a worker,
// title or show counted when it was the player's, under one name, at both ends). Marks in
// `written` the figures the ledger wrote to.
int unbalanced(const rv::Store& s, const Books& before, const Books& after, const std::string& when,
               std::array<bool, rv::figure_count>& written) {
  if (after.ledger_rows < before.ledger_rows) {
    ADD_FAILURE() << when << ": the ledger lost entries within its first year";
    return 1;
  }
  const auto first_new = s.ledger.begin() + static_cast<std::ptrdiff_t>(before.ledger_rows);
  const rv::Ledger fresh = rv::read_ledger(rv::Lines(first_new, s.ledger.end()));
  std::array<rv::Num, rv::promotion_figure_count> own{};
  Named named;
  for (const rv::LedgerEntry& e : fresh.entries) {
    written[static_cast<std::size_t>(e.figure)] = true;
    if (e.whom.empty()) own[static_cast<std::size_t>(e.figure)] += e.change;
    else named[{e.figure, e.whom}] += e.change;
  }
  int faults = 0;
  const auto compare = [&](const std::string& what, rv::Num moved, rv::Num wrote) {
    if (moved == wrote) return;
    ++faults;
    ADD_FAILURE() << when << ": " << what << " moved by " << moved << " but the ledger wrote " << wrote;
  };
  for (std::size_t f = 0; f < rv::promotion_figure_count; ++f)
    compare(std::string(rv::figure_name(static_cast<rv::Figure>(f))), after.figures[f] - before.figures[f], own[f]);
  for (const auto& [key, value] : after.named) {
    const auto was = before.named.find(key);
    if (was == before.named.end()) continue;
    const auto wrote = named.find(key);
    const rv::Num wrote_down = wrote == named.end() ? 0 : wrote->second;
    compare(std::string(rv::figure_name(key.first)) + " of " + key.second, value - was->second, wrote_down);
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
  std::array<bool, rv::figure_count> written{};
  while (rv::current_date(game.store).year < end_year && faults < 5) {
    Books before = books(game.store);
    const rv::DayReport report = rv::next_day(game);
    ++days;
    faults += unbalanced(game.store, before, books(game.store), "the day " + rv::current_full_date(game.store), written);
    if (report.dismissed) {
      game.store.set_md(rv::md::board_state, "No");
      game.store.set_md(rv::md::board_rating, "50");
    }
    caretaker(game.store);
    if (rv::main_action(game.store) == rv::MainAction::next_day) continue;
    before = books(game.store);
    const auto outcome = rv::play_show_day(game, home, libraries, {});
    if (outcome && outcome->run) ++shows;
    if (!outcome || rv::main_action(game.store) != rv::MainAction::next_day) rv::cancel_unbooked_show(game);
    faults += unbalanced(game.store, before, books(game.store), "the show of " + rv::current_full_date(game.store), written);
  }
  EXPECT_EQ(faults, 0);
  EXPECT_GE(days, 365);
  EXPECT_GT(shows, 40);
  // Every figure the year moves was written to (no feud is started and nobody need be hurt).
  for (rv::Figure f : {rv::Figure::balance, rv::Figure::popularity, rv::Figure::board, rv::Figure::show_rating,
                       rv::Figure::worker_popularity, rv::Figure::morale, rv::Figure::title_value})
    EXPECT_TRUE(written[static_cast<std::size_t>(f)]) << rv::figure_name(f);
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

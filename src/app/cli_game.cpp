// ringvale-cli new-game / next-day: start a game from a data set, and play days without a window.
#include <chrono>
#include <cstdlib>
#include <optional>

#include "app/cli_commands.h"
#include "state/text.h"
#include "cycle/assistant.h"
#include "cycle/autoshow.h"
#include "cycle/nextday.h"
#include "cycle/playuntil.h"
#include "promotion/venues.h"
#include "cycle/showday.h"
#include "state/calendar.h"
#include "state/date.h"
#include "state/game.h"
#include "state/home.h"
#include "state/newgame.h"
#include "state/saves.h"

#ifndef RINGVALE_BUNDLED_WORLD
#define RINGVALE_BUNDLED_WORLD ""
#endif

namespace rv::cli {

WallTime save_time() {
  // SOURCE_DATE_EPOCH (seconds since 1970, UTC) fixes the time a save records, so that a seeded
  // run writes the same bytes every time; without it the real time is recorded.
  if (const char* env = std::getenv("SOURCE_DATE_EPOCH")) {
    char* end = nullptr;
    const long long seconds = std::strtoll(env, &end, 10);
    if (end && *end == '\0' && end != env && seconds >= 0) {
      using namespace std::chrono;
      const sys_seconds t{std::chrono::seconds(seconds)};
      const sys_days day = floor<days>(t);
      const year_month_day ymd{day};
      const hh_mm_ss hms{t - day};
      WallTime w;
      w.year = static_cast<int>(ymd.year());
      w.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
      w.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
      w.hour = static_cast<int>(hms.hours().count());
      w.minute = static_cast<int>(hms.minutes().count());
      w.second = static_cast<int>(hms.seconds().count());
      w.ticks = static_cast<std::uint64_t>(seconds);
      return w;
    }
  }
  return SystemClock().now();
}

std::optional<std::string> save_option(const Args& args, std::ostream& err) {
  const auto name = args.get("save");
  if (!name || name->empty()) {
    err << "The option --save is needed.\n";
    return std::nullopt;
  }
  if (const auto problems = save_name_problems(*name); !problems.empty()) {
    err << problems.front() << " (--save " << quoted_excerpt(*name) << ")\n";
    return std::nullopt;
  }
  return name;
}

namespace {

// The seed of --seed, or one from the clock. Nothing when --seed is not a whole number.
std::optional<std::uint64_t> seed_option(const Args& args, std::ostream& err) {
  if (!args.has("seed")) return SystemClock().now().ticks;
  const auto seed = number_option(args, "seed", 0);
  if (!seed || *seed < 0) {
    err << "The seed must be a whole number of 0 or more (--seed " << quoted_excerpt(args.get("seed").value_or("")) << ").\n";
    return std::nullopt;
  }
  return static_cast<std::uint64_t>(*seed);
}

std::optional<std::string> required(const Args& args, const std::string& name, std::ostream& err) {
  auto v = args.get(name);
  if (!v || v->empty()) {
    err << "The option --" << name << " is needed.\n";
    return std::nullopt;
  }
  return v;
}

}  // namespace

int cmd_new_game(const Args& args, std::ostream& out, std::ostream& err) {
  const auto home_dir = required(args, "home", err);
  const auto initials = required(args, "promotion", err);
  const auto save = save_option(args, err);
  if (!home_dir || !initials || !save) {
    err << "Usage: ringvale-cli new-game --home DIR --promotion INITIALS [--player NAME] [--scenario FOLDER] [--seed N] --save NAME [--replace]\n";
    return exit_failure;
  }
  const auto seed = seed_option(args, err);
  if (!seed) return exit_failure;
  const Home home(*home_dir);
  if (!args.has("replace") && save_exists(home, *save)) {
    err << "There is already a saved game named " << *save << " (give --replace to start over in its place).\n";
    return exit_failure;
  }
  const std::string player = args.get("player").value_or("Player 1");
  if (player.empty()) {
    err << "The player's name cannot be empty.\n";
    return exit_failure;
  }
  // A home without a world gets a copy of the game's own first, as the desktop program gives it.
  const fs::path bundled = find_bundled_world(args.program_folder, RINGVALE_BUNDLED_WORLD);
  if (const Status prepared = prepare_home(home, bundled); !prepared) {
    err << prepared.error() << "\n";
    return exit_failure;
  }
  auto started = start_new_game(home, player, args.get("scenario").value_or(""));
  if (!started) {
    err << started.error() << "\n";
    return exit_failure;
  }
  if (const Status confirmed = confirm_promotion(*started, *initials, false); !confirmed) {
    err << confirmed.error() << "\n";
    return exit_failure;
  }
  Game game{std::move(started->store), Rng(*seed), *save};
  if (const Status saved = save_game(game.store, home, *save, save_time()); !saved) {
    err << saved.error() << "\n";
    return exit_failure;
  }
  out << "New game for " << player << " in charge of " << *initials << ", starting " << current_full_date(game.store)
      << ", saved as " << *save << ".\n";
  return exit_ok;
}

namespace {

// A show day as "Go To Show" would have it: cancelled when too few workers are available; with
// the booking handed to the staff they book and run it; with --book suggest the suggester books
// the card and the show runs; otherwise nobody books it and it is cancelled, penalties and all.
void handle_show_day(Game& game, const Home& home, const ShowLibraries* libraries, std::ostream& out) {
  Store& s = game.store;
  if (libraries && staff_books_today(s)) {
    for (const auto& line : staff_show_day(game, StaffBooking{home, *libraries})) out << "  " << line << "\n";
    return;
  }
  if (libraries) {
    const auto outcome = play_show_day(game, home, *libraries, {});
    if (outcome) {
      for (const auto& m : outcome->messages) out << "  " << m << "\n";
      if (outcome->run)
        for (const auto& line : show_summary(*outcome->run)) out << "  " << line << "\n";
      if (main_action(s) != MainAction::next_day) end_show_day(s);  // a second show of the day is not run
      return;
    }
    out << "  " << outcome.error() << "\n";
  }
  const ShowDayResult result = cancel_unbooked_show(game);
  for (const auto& m : result.messages) out << "  " << m << "\n";
}

// The last line of a run stopped on a show day: the show's name and type.
void tell_stop(const Store& s, std::ostream& out) {
  const auto shows = todays_shows(s);
  if (shows.empty()) return;
  out << "Stopped at " << shows.front().name << " (" << show_type_name(shows.front().type) << ")\n";
}

}  // namespace

// --assistant default: the staff review their budget on the first of every month (`start`, the
// budget they began with; none when the choices are the player's).
void review_default_budget(Game& game, const std::optional<Num>& start) {
  if (start && current_date(game.store).day == 1) game.store.assistant.wage_budget = default_budget(game.store, *start);
}

// --until-show: days pass as "Play Until Next Show" plays them; the exit code tells a dismissal.
int play_until_show(Game& game, const StaffBooking* staff, const std::optional<Num>& default_start, std::ostream& out) {
  PlayUntil play(game, staff);
  if (!play.can_start()) {
    out << "Today is already a show day.\n";
    return exit_ok;
  }
  bool dismissed = false;
  while (!play.finished()) {
    const DayReport report = play.step();
    review_default_budget(game, default_start);
    out << current_full_date(game.store) << "\n";
    for (const auto& subject : report.posted) out << "  " << subject << "\n";
    dismissed = dismissed || report.dismissed;
  }
  for (const auto& line : play.staff_lines()) out << "  " << line << "\n";
  if (dismissed) out << dismissal_message << "\n";
  else out << play_stop_text(*play.stop()) << "\n";
  if (play.stop() == PlayStop::show_day) tell_stop(game.store, out);
  return dismissed ? exit_dismissed : exit_ok;
}

namespace {

// --assistant FILE: the staff's choices read from the file, refused with the line named;
// --assistant default: nothing read (the defaults follow the promotion once it is loaded).
std::optional<std::optional<AssistantChoices>> assistant_option(const Args& args, std::ostream& err) {
  const auto file = args.get("assistant");
  if (!file || *file == "default") return std::optional<AssistantChoices>{};
  auto lines = read_lines(*file, FileLimits{64 * 1024, 1000});
  if (!lines) {
    err << lines.error() << "\n";
    return std::nullopt;
  }
  auto choices = read_assistant(*lines);
  if (!choices) {
    err << *file << ": " << choices.error() << " Nothing was played.\n";
    return std::nullopt;
  }
  return std::optional<AssistantChoices>{*choices};
}

}  // namespace

int cmd_next_day(const Args& args, std::ostream& out, std::ostream& err) {
  const auto home_dir = required(args, "home", err);
  const auto save = save_option(args, err);
  if (!home_dir || !save) {
    err << "Usage: ringvale-cli next-day --home DIR --save NAME [--days N | --until-show] [--seed N] [--assistant FILE|default]\n";
    return exit_failure;
  }
  const auto assistant = assistant_option(args, err);
  if (!assistant) return exit_failure;
  const auto days = number_option(args, "days", 1);
  if (!days || *days < 1 || *days > 1000000) {
    err << "The number of days must be a whole number from 1 to 1000000 (--days " << quoted_excerpt(args.get("days").value_or("")) << ").\n";
    return exit_failure;
  }
  const auto seed = seed_option(args, err);
  if (!seed) return exit_failure;
  const auto book = args.get("book");
  if (book && *book != "suggest") {
    err << "The only way to book shows from the command line is --book suggest.\n";
    return exit_failure;
  }
  const bool stop = args.has("stop-at-show");
  const Home home(*home_dir);
  const std::string sav = *save + ".sav";
  auto store = load_game(home, sav);
  if (!store) {
    err << store.error() << "\n";
    return exit_failure;
  }
  tell_load_notice(*store, err);
  if (args.has("assistant")) store->assistant = assistant->value_or(default_choices(*store));
  std::optional<Num> default_start;
  if (args.has("assistant") && !assistant->has_value()) default_start = store->assistant.wage_budget;
  std::optional<ShowLibraries> libraries;
  if (book || store->assistant.booking) libraries = load_libraries(home);
  const ShowLibraries* libs = libraries ? &*libraries : nullptr;
  const std::string folder = *save;
  Game game{std::move(*store), Rng(*seed), folder};
  std::optional<StaffBooking> staff;
  if (libs) staff.emplace(StaffBooking{home, *libs});

  if (args.has("until-show")) {
    const int code = play_until_show(game, staff ? &*staff : nullptr, default_start, out);
    if (const Status saved = save_game(game.store, home, folder, save_time()); !saved) {
      err << saved.error() << "\n";
      return exit_failure;
    }
    return code;
  }
  int code = exit_ok;
  bool stopped = false;
  if (main_action(game.store) != MainAction::next_day) {
    if (stop) stopped = true;
    else handle_show_day(game, home, libs, out);
  }
  for (long long d = 0; d < *days && !stopped; ++d) {
    const DayReport report = next_day(game);
    review_default_budget(game, default_start);
    out << current_full_date(game.store) << "\n";
    for (const auto& subject : report.posted) out << "  " << subject << "\n";
    if (report.dismissed) {
      out << dismissal_message << "\n";
      code = exit_dismissed;
      break;
    }
    if (main_action(game.store) != MainAction::next_day) {
      if (stop) stopped = true;
      else handle_show_day(game, home, libs, out);
    }
  }
  if (const Status saved = save_game(game.store, home, folder, save_time()); !saved) {
    err << saved.error() << "\n";
    return exit_failure;
  }
  if (stopped) tell_stop(game.store, out);
  return code;
}

}  // namespace rv::cli

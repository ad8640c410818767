// ringvale-cli show: runs today's show of a save resting on one of the player's show days, with a
// card from a file or from the suggester, and saves.
#include "app/cli_commands.h"
#include "feedback/nightreport.h"
#include "state/text.h"
#include "cycle/autoshow.h"
#include "state/calendar.h"
#include "state/fileio.h"
#include "state/saves.h"

namespace rv::cli {

void tell_load_notice(Store& store, std::ostream& err) {
  if (store.load_notice.empty()) return;
  err << store.load_notice << "\n";
  store.load_notice.clear();
}

std::optional<Game> open_saved_game(const Args& args, const Home& home, const std::string& save, std::ostream& err) {
  const auto seed = number_option(args, "seed", 1);
  if (!seed || *seed < 0) {
    err << "The seed must be a whole number of 0 or more (--seed " << quoted_excerpt(args.get("seed").value_or("")) << ").\n";
    return std::nullopt;
  }
  auto store = load_game(home, save + ".sav");
  if (!store) {
    err << store.error() << "\n";
    return std::nullopt;
  }
  tell_load_notice(*store, err);
  return Game{std::move(*store), Rng(static_cast<std::uint64_t>(*seed)), save};
}

std::optional<Game> open_game_option(const Args& args, const std::string& usage, std::ostream& err) {
  const auto home_dir = args.get("home");
  const auto save = save_option(args, err);
  if (!home_dir || home_dir->empty() || !save) {
    err << "Usage: ringvale-cli " << usage << "\n";
    return std::nullopt;
  }
  return open_saved_game(args, Home(*home_dir), *save, err);
}

std::optional<std::string> next_step(LineReader& reader, std::ostream& err, bool& refused) {
  std::string line;
  for (auto got = reader.next(line); got != LineReader::Got::end; got = reader.next(line)) {
    if (got == LineReader::Got::line && line.empty()) continue;
    if (got == LineReader::Got::line) return line;
    err << (got == LineReader::Got::too_long ? "Not taken: " + reader.problem() + "." : reader.problem()) << "\n";
    refused = true;
    return std::nullopt;
  }
  return std::nullopt;
}

// The matches, the overall rating and the night's report.
void print_show(const ShowRun& run, const Store& store, std::ostream& out) {
  for (const auto& line : show_summary(run)) out << line << "\n";
  out << "Overall rating: " << overall_rating_figure(run.overall.shown) << "\n";
  if (const auto report = last_night_report(store))
    for (const auto& line : night_report_lines(*report)) out << line << "\n";
}

int cmd_show(const Args& args, std::ostream& out, std::ostream& err) {
  const auto home_dir = args.get("home");
  const auto save = save_option(args, err);
  const bool suggest = args.has("suggest");
  const auto card_file = args.get("card");
  if (!home_dir || home_dir->empty() || !save || suggest == card_file.has_value()) {
    err << "Usage: ringvale-cli show --home DIR --save NAME (--card FILE | --suggest) [--venue NAME] [--seed N]\n";
    return exit_failure;
  }
  const Home home(*home_dir);
  auto opened = open_saved_game(args, home, *save, err);
  if (!opened) return exit_failure;
  Game game = std::move(*opened);
  if (main_action(game.store) == MainAction::next_day) {
    err << "Today is not one of your show days (" << current_full_date(game.store) << ").\n";
    return exit_failure;
  }
  ShowDayPlay play;
  play.venue = args.get("venue").value_or("");
  if (card_file) {
    auto lines = read_lines(*card_file);
    if (!lines) {
      err << lines.error() << "\n";
      return exit_failure;
    }
    play.card = std::move(*lines);
  }
  const auto outcome = play_show_day(game, home, load_libraries(home), play);
  if (!outcome) {
    err << outcome.error() << "\n";
    return exit_failure;
  }
  for (const auto& m : outcome->messages) out << m << "\n";
  if (outcome->run) print_show(*outcome->run, game.store, out);
  if (const Status saved = save_game(game.store, home, *save, save_time()); !saved) {
    err << saved.error() << "\n";
    return exit_failure;
  }
  return exit_ok;
}

}  // namespace rv::cli

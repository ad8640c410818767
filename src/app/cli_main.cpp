// ringvale-cli: the game without a window, for scripted play and checks.
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "app/cli_commands.h"

namespace {

struct Command {
  std::string_view name;
  int (*run)(const rv::cli::Args&, std::ostream&, std::ostream&);
  std::string_view usage;
  std::string_view options;  // the options it takes besides --help and --quiet, space-separated
};

int book_card(const rv::cli::Args& args, std::ostream& out, std::ostream& err) {
  return rv::cli::cmd_book_card(args, std::cin, out, err);
}

int contract(const rv::cli::Args& args, std::ostream& out, std::ostream& err) {
  return rv::cli::cmd_contract(args, std::cin, out, err);
}

int sign(const rv::cli::Args& args, std::ostream& out, std::ostream& err) {
  return rv::cli::cmd_sign(args, std::cin, out, err);
}

int feud_start(const rv::cli::Args& args, std::ostream& out, std::ostream& err) {
  return rv::cli::cmd_feud_start(args, std::cin, out, err);
}

constexpr Command commands[] = {
    {"resave", rv::cli::cmd_resave, "resave --home DIR --save NAME      load a save and write it back", "home save"},
    {"check-save", rv::cli::cmd_check_save, "check-save --home DIR --save NAME  check a save's tables", "home save"},
    {"check-data", rv::cli::cmd_check_data, "check-data DIR                     check a data set or scenario folder", ""},
    {"new-game", rv::cli::cmd_new_game,
     "new-game --home DIR --promotion INITIALS [--player NAME] [--scenario FOLDER] [--seed N] --save NAME [--replace]",
     "home promotion player scenario seed save"},
    {"next-day", rv::cli::cmd_next_day, "next-day --home DIR --save NAME [--days N] [--seed N] [--book suggest] [--stop-at-show] [--until-show]  play days and save",
     "home save days seed book stop-at-show until-show"},
    {"show", rv::cli::cmd_show,
     "show --home DIR --save NAME (--card FILE | --suggest) [--venue NAME] [--seed N]  run today's show and save",
     "home save card suggest venue seed"},
    {"book-card", book_card, "book-card --home DIR --save NAME [--seed N] < STEPS  book the next show's card and rate it",
     "home save seed"},
    {"roster", rv::cli::cmd_roster, "roster --home DIR --save NAME [--view CHOICE]  the roster through a view or sort",
     "home save view"},
    {"teams", rv::cli::cmd_teams, "teams --home DIR --save NAME [--stables]  the tag teams (or stables) and their members",
     "home save stables"},
    {"info", rv::cli::cmd_info, "info --home DIR --save NAME         the General Info rows, the records and the rankings",
     "home save"},
    {"feedback", rv::cli::cmd_feedback, "feedback --home DIR --save NAME [--area AREA]  the staff's feedback on one area or all",
     "home save area"},
    {"history", rv::cli::cmd_history, "history --home DIR --save NAME [--csv]  the promotion's history, a row a day (CSV for a spreadsheet)",
     "home save csv"},
    {"contract", contract,
     "contract --home DIR --save NAME --worker NAME [--seed N] < STEPS  offer a new contract or a release, and save",
     "home save worker seed"},
    {"sign", sign,
     "sign --home DIR --save NAME --worker NAME [--seed N] < STEPS  buy out and offer a contract to an outside worker, and save",
     "home save worker seed"},
    {"feuds", rv::cli::cmd_feuds, "feuds --home DIR --save NAME         the ten feud slots", "home save"},
    {"feud-start", feud_start, "feud-start --home DIR --save NAME < STEPS  start a feud choice by choice, and save",
     "home save"},
};

void usage(std::ostream& out) {
  out << "Usage: ringvale-cli COMMAND [options]\nCommands:\n";
  for (const auto& c : commands) out << "  " << c.usage << "\n";
}

// The first option the command does not know, if any.
std::optional<std::string> unknown_option(const Command& c, const rv::cli::Args& args) {
  for (const auto& [name, value] : args.options) {
    if (rv::cli::is_flag(name)) continue;
    if ((" " + std::string(c.options) + " ").find(" " + name + " ") == std::string::npos) return name;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  auto args = rv::cli::parse_args(argc, argv, error);
  if (!args) {
    std::cerr << error << "\n";
    usage(std::cerr);
    return rv::cli::exit_usage;
  }
  if (args->command.empty() || args->command == "help" || args->has("help")) {
    usage(std::cout);
    return args->command.empty() && !args->has("help") ? rv::cli::exit_usage : rv::cli::exit_ok;
  }
  for (const auto& c : commands) {
    if (c.name == args->command) {
      if (const auto unknown = unknown_option(c, *args)) {
        std::cerr << "ringvale-cli: " << c.name << " does not know the option --" << *unknown << ".\n";
        return rv::cli::exit_failure;
      }
      try {
        return c.run(*args, std::cout, std::cerr);
      } catch (const std::exception& e) {
        std::cerr << "ringvale-cli: " << e.what() << "\n";
        return rv::cli::exit_failure;
      }
    }
  }
  std::cerr << "Unknown command: " << args->command << "\n";
  usage(std::cerr);
  return rv::cli::exit_usage;
}

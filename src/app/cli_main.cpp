// ringvale-cli: the game without a window, for scripted play and checks.
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "app/cli_commands.h"
#include "state/text.h"

namespace {

struct Command {
  std::string_view name;
  int (*run)(const rv::cli::Args&, std::ostream&, std::ostream&);
  std::string_view usage;
  rv::cli::CommandSyntax syntax;
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
    {"resave", rv::cli::cmd_resave, "resave --home DIR --save NAME      load a save and write it back",
     {"home save", ""}},
    {"check-save", rv::cli::cmd_check_save, "check-save --home DIR --save NAME  check a save's tables",
     {"home save", ""}},
    {"check-data", rv::cli::cmd_check_data, "check-data DIR                     check a data set or scenario folder",
     {"", "", 1}},
    {"new-game", rv::cli::cmd_new_game,
     "new-game --home DIR --promotion INITIALS [--player NAME] [--scenario FOLDER] [--seed N] --save NAME [--replace]",
     {"home promotion player scenario seed save", "replace"}},
    {"next-day", rv::cli::cmd_next_day, "next-day --home DIR --save NAME [--days N] [--seed N] [--book suggest] [--stop-at-show] [--until-show] [--assistant FILE|default]  play days and save",
     {"home save days seed book assistant", "stop-at-show until-show"}},
    {"show", rv::cli::cmd_show,
     "show --home DIR --save NAME (--card FILE | --suggest) [--venue NAME] [--seed N]  run today's show and save",
     {"home save card venue seed", "suggest"}},
    {"suggest-season", rv::cli::cmd_suggest_season,
     "suggest-season --home DIR --save NAME [--days N] [--samples N] [--seed N]  measure the suggested cards (saves nothing)",
     {"home save days samples seed", ""}},
    {"book-card", book_card, "book-card --home DIR --save NAME [--seed N] < STEPS  book the next show's card and rate it",
     {"home save seed", ""}},
    {"roster", rv::cli::cmd_roster, "roster --home DIR --save NAME [--view CHOICE]  the roster through a view or sort",
     {"home save view", ""}},
    {"teams", rv::cli::cmd_teams, "teams --home DIR --save NAME [--stables]  the tag teams (or stables) and their members",
     {"home save", "stables"}},
    {"info", rv::cli::cmd_info, "info --home DIR --save NAME         the General Info rows, the records and the rankings",
     {"home save", ""}},
    {"feedback", rv::cli::cmd_feedback, "feedback --home DIR --save NAME [--area AREA]  the staff's feedback on one area or all",
     {"home save area", ""}},
    {"history", rv::cli::cmd_history, "history --home DIR --save NAME [--csv]  the promotion's history, a row a day (CSV for a spreadsheet)",
     {"home save", "csv"}},
    {"ledger", rv::cli::cmd_ledger,
     "ledger --home DIR --save NAME [--figure F] [--since DATE] [--csv]  why the promotion's and its workers' figures moved",
     {"home save figure since", "csv"}},
    {"contract", contract,
     "contract --home DIR --save NAME --worker NAME [--seed N] < STEPS  offer a new contract or a release, and save",
     {"home save worker seed", ""}},
    {"sign", sign,
     "sign --home DIR --save NAME --worker NAME [--seed N] < STEPS  buy out and offer a contract to an outside worker, and save",
     {"home save worker seed", ""}},
    {"feuds", rv::cli::cmd_feuds, "feuds --home DIR --save NAME         the ten feud slots",
     {"home save", ""}},
    {"feud-start", feud_start, "feud-start --home DIR --save NAME < STEPS  start a feud choice by choice, and save",
     {"home save", ""}},
};

void usage(std::ostream& out) {
  out << "Usage: ringvale-cli COMMAND [options]\nCommands:\n";
  for (const auto& c : commands) out << "  " << c.usage << "\n";
}

const Command* find_command(std::string_view name) {
  for (const auto& c : commands) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

bool asks_for_help(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--help") return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const auto name = rv::cli::command_name(argc, argv);
  if (!name || *name == "help") {
    const bool help = (name && *name == "help") || asks_for_help(argc, argv);
    if (!help && argc > 1) std::cerr << "ringvale-cli: the command comes first, before " << rv::quoted_excerpt(argv[1]) << ".\n";
    usage(help ? std::cout : std::cerr);
    return help ? rv::cli::exit_ok : rv::cli::exit_usage;
  }
  const Command* command = find_command(*name);
  if (!command) {
    std::cerr << "Unknown command: " << rv::quoted_excerpt(*name) << "\n";
    usage(std::cerr);
    return rv::cli::exit_usage;
  }
  rv::cli::ArgsError error;
  const auto args = rv::cli::parse_args(argc, argv, command->syntax, error);
  if (!args) {
    std::cerr << error.message << "\n";
    if (error.exit_code == rv::cli::exit_usage) usage(std::cerr);
    return error.exit_code;
  }
  if (args->has("help")) {
    usage(std::cout);
    return rv::cli::exit_ok;
  }
  try {
    return command->run(*args, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "ringvale-cli: " << e.what() << "\n";
    return rv::cli::exit_failure;
  }
}

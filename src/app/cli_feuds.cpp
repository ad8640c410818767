// ringvale-cli feuds and feud-start: the ten feud slots as the feuds screen lists them, and a new
// feud started through the same steps as the screen's choice list, one choice per line.
#include <iostream>
#include <string>

#include "app/cli_commands.h"
#include "feuds/feuds.h"
#include "feuds/feudstart.h"
#include "state/saves.h"

namespace rv::cli {

namespace {

void print_step(const FeudStart& start, std::ostream& out) {
  out << start.prompt() << ":";
  for (const auto& c : start.choices()) out << " [" << c << "]";
  out << " [" << feud_cancel_choice << "]\n";
}

}  // namespace

int cmd_feuds(const Args& args, std::ostream& out, std::ostream& err) {
  const auto game = open_game_option(args, "feuds --home DIR --save NAME", err);
  if (!game) return exit_failure;
  const Store& s = game->store;
  for (std::size_t k = 0; k < md::feud_slots; ++k) {
    out << "Slot " << k + 1 << ": ";
    if (!feud_running(s, k)) {
      out << "free\n";
      continue;
    }
    const auto f = feud_slot(s, k);
    out << f.at(feud::type) << ", " << feud_heading(s, k) << ", heat " << f.num(feud::heat) << "%, "
        << f.at(feud::state) << ", " << f.num(feud::duration) << (f.num(feud::duration) == 1 ? " day" : " days")
        << "\n";
  }
  return exit_ok;
}

int cmd_feud_start(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  const auto home_dir = args.get("home");
  const auto save = save_option(args, err);
  if (!home_dir || home_dir->empty() || !save) {
    err << "Usage: ringvale-cli feud-start --home DIR --save NAME < STEPS\n"
           "Each line is one choice of the list by its text: the type, the gender, then the wrestlers.\n";
    return exit_failure;
  }
  const Home home(*home_dir);
  auto game = open_saved_game(args, home, *save, err);
  if (!game) return exit_failure;
  auto start = FeudStart::begin(game->store);
  if (!start) {
    err << start.error() << "\n";
    return exit_failure;
  }
  print_step(*start, out);
  LineReader reader(in);
  bool refused = false;
  std::optional<std::string> line;
  while (start->open() && (line = next_step(reader, err, refused))) {
    if (const Status taken = start->choose(game->store, *line); !taken) {
      err << taken.error() << "\n";
      return exit_failure;
    }
    if (start->open()) print_step(*start, out);
  }
  if (refused) return exit_failure;
  if (!start->finished()) {
    out << "No feud was started.\n";
    return exit_ok;
  }
  const auto f = feud_slot(game->store, start->slot());
  out << "Started in slot " << start->slot() + 1 << ": " << feud_heading(game->store, start->slot()) << ", heat "
      << f.num(feud::heat) << "%\n";
  if (const Status saved = save_game(game->store, home, *save, save_time()); !saved) {
    err << saved.error() << "\n";
    return exit_failure;
  }
  return exit_ok;
}

}  // namespace rv::cli

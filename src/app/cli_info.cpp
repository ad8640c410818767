// ringvale-cli info: the General Info rows of the player's promotion, its records and the
// rankings of every promotion, as the three screens show them.
#include <iostream>

#include "app/cli_commands.h"
#include "promotion/info.h"

namespace rv::cli {

int cmd_info(const Args& args, std::ostream& out, std::ostream& err) {
  const auto opened = open_game_option(args, "info --home DIR --save NAME", err);
  if (!opened) return exit_failure;
  const Store& s = opened->store;
  out << "General Info\n";
  for (const auto& r : general_info(s)) out << r.heading << "\t" << r.value << "\n";
  out << "\nRecords\n";
  for (const auto& r : promotion_records(s)) out << r.heading << "\t" << r.value << "\t" << r.holder << "\n";
  out << "\nPromotion Rankings\n";
  for (const auto& r : promotion_rankings(s)) {
    out << r.place << "\t" << r.name << "\t" << r.type << "\t" << r.popularity << "%" << (r.is_player ? "\t(you)" : "")
        << "\n";
  }
  return exit_ok;
}

}  // namespace rv::cli

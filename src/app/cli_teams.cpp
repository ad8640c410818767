// ringvale-cli teams: the player's tag teams (or stables) and their members, as the teams screen
// lists them.
#include <iostream>
#include <string>

#include "app/cli_commands.h"
#include "promotion/teams.h"

namespace rv::cli {

int cmd_teams(const Args& args, std::ostream& out, std::ostream& err) {
  const auto opened = open_game_option(args, "teams --home DIR --save NAME [--stables]", err);
  if (!opened) return exit_failure;
  const Store& store = opened->store;
  const auto player = store.player_index();
  if (!player) {
    err << "The save has no promotion of the player.\n";
    return exit_failure;
  }
  const TeamKind kind = args.has("stables") ? TeamKind::stable : TeamKind::tag_team;
  const auto names = team_names(store, *player, kind);
  if (names.empty()) out << "No " << team_kind_word(kind) << "s.\n";
  for (const auto& name : names) {
    out << name << "\n";
    for (const std::size_t row : team_members(store, *player, kind, name)) {
      const auto w = store.worker(row);
      out << "  " << w.name() << "\t" << w.gender() << "\t" << w.pop() << "\t" << w.faceheel() << "\n";
    }
  }
  return exit_ok;
}

}  // namespace rv::cli

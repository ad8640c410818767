// ringvale-cli history: the promotion's history, a row a day, as a table or as CSV.
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli_commands.h"
#include "state/history.h"

namespace rv::cli {

int cmd_history(const Args& args, std::ostream& out, std::ostream& err) {
  const auto opened = open_game_option(args, "history --home DIR --save NAME [--csv]", err);
  if (!opened) return exit_failure;
  const History history = read_history(opened->store.history);
  if (args.has("csv")) {
    for (const auto& line : history_csv(history)) out << line << "\r\n";
    return exit_ok;
  }
  // The date, audience and show name stand to the left, the figures to the right.
  constexpr std::array<bool, std::tuple_size_v<HistoryRow>> right{false, true, true, true, false, false, true, true, true};
  print_aligned(history_rows(history), right, out);
  return exit_ok;
}

}  // namespace rv::cli

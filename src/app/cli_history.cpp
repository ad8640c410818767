// ringvale-cli history: the promotion's history, a row a day, as a table or as CSV.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli_commands.h"
#include "state/history.h"

namespace rv::cli {

namespace {

// Columns padded to their widest cell; the date, audience and show name stand to the left, the
// figures to the right.
void print_table(const std::vector<HistoryRow>& rows, std::ostream& out) {
  std::array<std::size_t, std::tuple_size_v<HistoryRow>> width{};
  for (const auto& row : rows)
    for (std::size_t i = 0; i < row.size(); ++i) width[i] = std::max(width[i], row[i].size());
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      const std::string pad(width[i] - row[i].size(), ' ');
      const bool text = i == 0 || i == 4 || i == 5;
      if (i > 0) line += "  ";
      line += text ? row[i] + pad : pad + row[i];
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << "\n";
  }
}

}  // namespace

int cmd_history(const Args& args, std::ostream& out, std::ostream& err) {
  const auto opened = open_game_option(args, "history --home DIR --save NAME [--csv]", err);
  if (!opened) return exit_failure;
  const History history = read_history(opened->store.history);
  if (args.has("csv")) {
    for (const auto& line : history_csv(history)) out << line << "\r\n";
    return exit_ok;
  }
  print_table(history_rows(history), out);
  return exit_ok;
}

}  // namespace rv::cli

// ringvale-cli ledger: why the balance, the popularity and the board's rating moved, an entry a
// line, as a table or as CSV.
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "app/cli_commands.h"
#include "state/date.h"
#include "state/ledger.h"
#include "state/text.h"

namespace rv::cli {

namespace {

constexpr std::string_view ledger_usage = "ledger --home DIR --save NAME [--figure F] [--since DATE] [--csv]";
}  // namespace

int cmd_ledger(const Args& args, std::ostream& out, std::ostream& err) {
  std::optional<Figure> figure;
  if (const auto name = args.get("figure")) {
    figure = figure_named(*name);
    if (!figure) {
      err << "Not a figure the ledger keeps: " << quoted_excerpt(*name) << " (";
      for (std::size_t i = 0; i < figure_count; ++i) err << (i == 0 ? "" : i + 1 == figure_count ? " or " : ", ") << figure_name(static_cast<Figure>(i));
      err << ").\n";
      return exit_failure;
    }
  }
  std::optional<Date> since;
  if (const auto text = args.get("since")) {
    since = parse_full_date(*text);
    if (!since) {
      err << "--since takes a full date, such as \"Monday 1st March 2027\", not " << quoted_excerpt(*text) << ".\n";
      return exit_failure;
    }
  }
  const auto opened = open_game_option(args, std::string(ledger_usage), err);
  if (!opened) return exit_failure;
  const auto entries = ledger_entries(read_ledger(opened->store.ledger), figure, since);
  if (args.has("csv")) {
    for (const auto& line : ledger_csv(entries)) out << line << "\r\n";
    return exit_ok;
  }
  // The change stands to the right, the rest to the left.
  constexpr std::array<bool, std::tuple_size_v<LedgerRow>> right{false, false, false, true, false};
  print_aligned(ledger_rows(entries), right, out);
  return exit_ok;
}

}  // namespace rv::cli

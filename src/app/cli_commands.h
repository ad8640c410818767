#pragma once
// The commands of ringvale-cli. Each prints to `out` and `err` and returns the exit code.
#include <istream>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "app/cli_args.h"
#include "state/clock.h"
#include "state/fileio.h"
#include "state/game.h"
#include "state/home.h"

namespace rv {
struct ShowRun;  // shows/runshow.h
}

namespace rv::cli {

// The time a save records: SOURCE_DATE_EPOCH when set (for reproducible runs), else the clock.
WallTime save_time();
// The --save option: a save name by the rule of a new save (no paths), or nothing with a message.
std::optional<std::string> save_option(const Args& args, std::ostream& err);

int cmd_resave(const Args& args, std::ostream& out, std::ostream& err);
int cmd_check_save(const Args& args, std::ostream& out, std::ostream& err);
int cmd_check_data(const Args& args, std::ostream& out, std::ostream& err);
int cmd_new_game(const Args& args, std::ostream& out, std::ostream& err);
int cmd_next_day(const Args& args, std::ostream& out, std::ostream& err);
int cmd_show(const Args& args, std::ostream& out, std::ostream& err);
// Plays days with every show booked by the suggester, and sets its cards against random ones.
int cmd_suggest_season(const Args& args, std::ostream& out, std::ostream& err);
// Prints, once, what loading a save had to tell the player (history rows that were left out).
void tell_load_notice(Store& store, std::ostream& err);
// The save NAME of the home with the generator seeded from --seed (1 without it); nothing, with
// the message, when the seed or the save is bad.
std::optional<Game> open_saved_game(const Args& args, const Home& home, const std::string& save, std::ostream& err);
// Prints a run show: one line per match, the overall rating, the attendance and the money made.
void print_show(const ShowRun& run, std::ostream& out);
// The save of --save in the home of --home, for a command that reads it; nothing, with
// "Usage: ringvale-cli USAGE" or the reason it cannot be opened, otherwise.
std::optional<Game> open_game_option(const Args& args, const std::string& usage, std::ostream& err);
// Prints rows as a table, each column padded to its widest cell: the columns marked in
// `to_the_right` stand to the right (figures), the others to the left; no line ends in blanks.
void print_aligned(const std::vector<std::vector<std::string>>& rows, std::span<const bool> to_the_right,
                   std::ostream& out);
// The same for rows of a fixed number of columns.
template <class Row>
void print_aligned(const std::vector<Row>& rows, std::span<const bool> to_the_right, std::ostream& out) {
  std::vector<std::vector<std::string>> cells;
  cells.reserve(rows.size());
  for (const auto& row : rows) cells.emplace_back(row.begin(), row.end());
  print_aligned(cells, to_the_right, out);
}
int cmd_roster(const Args& args, std::ostream& out, std::ostream& err);
int cmd_teams(const Args& args, std::ostream& out, std::ostream& err);
int cmd_feuds(const Args& args, std::ostream& out, std::ostream& err);
// The General Info rows, the records and the promotion rankings of a save.
int cmd_info(const Args& args, std::ostream& out, std::ostream& err);
int cmd_feedback(const Args& args, std::ostream& out, std::ostream& err);
// The promotion's history, a row a day: a table, or CSV with --csv.
int cmd_history(const Args& args, std::ostream& out, std::ostream& err);
// Why the balance, the popularity and the board's rating moved: a table, or CSV with --csv.
int cmd_ledger(const Args& args, std::ostream& out, std::ostream& err);
// The next non-empty step line of a command's input, or nothing at its end. A line or an input
// over the limits of a file also gives nothing, with the reason on `err` and `refused` set.
std::optional<std::string> next_step(LineReader& reader, std::ostream& err, bool& refused);
// Read their steps from `in`.
int cmd_contract(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int cmd_sign(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int cmd_feud_start(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);
int cmd_book_card(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace rv::cli

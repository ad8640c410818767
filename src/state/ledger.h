#pragma once
// The effect ledger: why the bank balance, the promotion's popularity and the board's rating
// moved. Every rule that changes one of them writes an entry as it does so: the day, the figure,
// whom it concerns, the change actually made and the cause in the game's words. It is kept beside
// a save's tables ("ledger.rv1"), one entry a line, its fields separated by tabs; a save without
// the file starts an empty ledger and an entry that cannot be read is left out.
//
// Entries older than a year are folded, month by month, into one entry per figure, whom and kind
// of cause ("Wages for the week (month)"), so a long career keeps a small ledger.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/numbers.h"
#include "state/store.h"
#include "state/tables.h"

namespace rv {

struct Date;

inline constexpr std::string_view ledger_file = "ledger.rv1";

// What moved. The first three are the promotion's own figures (whom is empty); the rest belong to
// whom the entry names: a regular show's rating, a worker's popularity or morale (the player's own
// workers), a title's value, a feud's heat, and the weeks an injury keeps a worker out.
enum class Figure { balance, popularity, board, show_rating, worker_popularity, morale, title_value, feud_heat, injury };
inline constexpr std::size_t figure_count = 9;
inline constexpr std::size_t promotion_figure_count = 3;  // balance, popularity, board

// "balance", "popularity", "board", "show rating", "worker popularity", "morale", "title value",
// "feud heat", "injury".
std::string_view figure_name(Figure figure);
std::optional<Figure> figure_named(std::string_view name);

struct LedgerEntry {
  std::string date;  // the full date text; for a month's total, the date of its first entry
  Figure figure = Figure::balance;
  std::string whom;  // empty for the player's promotion
  Num change = 0;
  std::string cause;
  bool month_total = false;  // the sum of a month's entries of one kind
};

struct Ledger {
  std::vector<LedgerEntry> entries;
  std::size_t unreadable = 0;
};

Ledger read_ledger(const Lines& rows);
// The rows read_ledger can read, in their order, and how many it could not.
Lines readable_ledger_rows(Lines rows, std::size_t& unreadable);
// "N entries of the promotion's ledger could not be read and were left out." (empty for none)
std::string unreadable_ledger_message(std::size_t unreadable);

// Writes an entry dated today; a change of nothing writes nothing.
void record_effect(Store& store, Figure figure, std::string_view whom, Num change, std::string_view cause);

// The figures of a promotion, changed and written down together: only changes to the player's
// promotion are kept, each as the change the promotion's record actually took (its limits
// applied). `value` is the new figure, `amount` what is added to it.
void set_balance(Store& store, const Promotion& p, Num value, std::string_view cause);
void add_balance(Store& store, const Promotion& p, Num amount, std::string_view cause);
void set_popularity(Store& store, const Promotion& p, Num value, std::string_view cause);
// The board's rating of the player.
void set_board_rating(Store& store, Num value, std::string_view cause);

// The figures of the player's workers, regular shows, titles and feuds, changed and written down
// together, each under its name. Only the player's are kept: a worker is the player's while the
// player's promotion holds his contract.
bool player_worker(const Store& store, std::size_t row);
void set_worker_popularity(Store& store, std::size_t row, Num value, std::string_view cause);
void set_worker_morale(Store& store, std::size_t row, Num value, std::string_view cause);
// Puts `days` out on the worker's injury line and writes down the weeks they make, a part week
// counted whole. (The daily healing is not written down.)
void set_worker_injury(Store& store, std::size_t row, Num days, std::string_view cause);
// Regular show `k` of `p`; the rating is written as given (and written down only for a show
// that has a name: an empty slot's rating is no show's).
void set_show_rating(Store& store, const Promotion& p, std::size_t k, Num value, std::string_view cause);
// Title `slot` of promotion `promotion`; the value is written as given, its change read as the
// title reads its value.
void set_title_value(Store& store, std::size_t promotion, std::size_t slot, Num value, std::string_view cause);
// A feud of the player's (every feud is): `feud` is its record, `name` the feud as the game names it.
void set_feud_heat(Store& store, const Record& feud, std::string_view name, Num value, std::string_view cause);

// The kind of a cause: the words before its first ':' ("Show: X, tickets" is a "Show").
std::string_view cause_kind(std::string_view cause);
// What a show did: "Show: X, won a match". Every show's causes are of the kind "Show", so that
// a worker's month folds into one total whatever the shows were.
std::string show_cause(std::string_view show, std::string_view what);
// What a month's total adds to the kind of cause it folds ("Wages for the week (month)").
inline constexpr std::string_view month_total_suffix = " (month)";
// Folds the entries dated in a month that ended more than a year before `today` into their
// month's totals (one per figure, whom and kind of cause), which keep their sums. The entries are
// taken as written, oldest first: the folding stops at the first one too young.
void fold_old_entries(Lines& rows, const Date& today);

// The sum of the changes of one figure of the player's promotion.
Num ledger_total(const Ledger& ledger, Figure figure);

// The entries of one figure (or all) dated on or after `since` (or all), in their order.
std::vector<LedgerEntry> ledger_entries(const Ledger& ledger, std::optional<Figure> figure, std::optional<Date> since);

// A change as the player reads it: "+$12,000" or "-$500" for money, "+3" or "-2" otherwise.
std::string change_text(Figure figure, Num change);
// The entries as a table, a header row first: date, figure, whom, change, cause.
using LedgerRow = std::array<std::string, 5>;
std::vector<LedgerRow> ledger_rows(const std::vector<LedgerEntry>& entries);
// The entries as comma-separated values, a header line first; the change is a plain number.
std::vector<std::string> ledger_csv(const std::vector<LedgerEntry>& entries);

}  // namespace rv

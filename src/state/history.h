#pragma once
// The promotion's past: one row of figures a day and one for every show run, with its matches.
// It is kept in a file of its own beside a save's tables ("history.rv1"), one row a line, its
// fields separated by tabs. A save without the file simply starts its history when loaded, and a
// row that cannot be read is dropped without stopping the game.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "state/fileio.h"
#include "state/numbers.h"
#include "state/tables.h"

namespace rv {

struct Store;

inline constexpr std::string_view history_file = "history.rv1";
// The history grows by a row a day and a row for every show and match: the busiest schedule
// writes some 400 kB a year. Its file may therefore be far larger than a table's, enough for
// centuries of play; fifty years load in a few tens of milliseconds.
inline constexpr FileLimits history_file_limits{256u * 1024 * 1024, 8'000'000};

// One day, as it stood when the day had been played.
struct HistoryDay {
  std::string date;  // the full date text
  Num balance = 0;
  Num popularity = 0;  // the promotion's, 0 to 100
  Num board = 0;       // the board's rating of the player, 0 to 100
  std::string audience;  // the first regular show's TV rating or buys, as the promotion holds it
};

struct HistoryMatch {
  std::string description;  // "Singles: A vs B"
  Num rating = 0;
  std::string winners;
  std::vector<std::string> workers;  // everyone in the match
  std::vector<std::string> winning;  // the workers of the winning side
  std::string title;                 // the title at stake, empty for none
  bool title_changed = false;        // the title changed hands
  std::string result;                // "A defeated B by DQ", as the results screen said it
  std::vector<std::string> rating_terms;  // how the rating came about, a term a line (none kept: empty)
};

struct HistoryShow {
  std::string date;
  std::string name;
  Num overall = 0;
  Num attendance = 0;
  Num money = 0;  // what the night made after its costs
  std::vector<HistoryMatch> matches;
  // The overall rating in hundredths, as the results screen showed it (58.76 is 5876); -1 for rows
  // written before the archive kept it, which have the whole number alone.
  Num overall_hundredths = -1;
  Num capacity = -1;  // the hall's capacity; -1 for rows written before the archive kept it
};

struct History {
  std::vector<HistoryDay> days;
  std::vector<HistoryShow> shows;
  std::size_t unreadable = 0;  // rows dropped because they could not be read
};

// The history and the ledger keep one record a line, its fields separated by tabs.
// The fields of a row, into `out` (whose room is reused from row to row).
void tab_fields(std::string_view row, std::vector<std::string_view>& out);
// Appends a tab and then `text`, whose own tabs become blanks so that it stays one field.
void add_tab_field(std::string& row, std::string_view text);

// Reads the rows of a history file; unreadable rows are counted and skipped.
History read_history(const Lines& rows);
// The last `days` day rows and every row after the first of them: the recent past, read without
// going through the whole archive (everything when the archive holds fewer days).
History read_recent_history(const Lines& rows, std::size_t days);
// The rows that read_history can read, in their order, and how many it could not.
Lines readable_history_rows(Lines rows, std::size_t& unreadable);
// "N rows of the promotion's history could not be read and were left out." (empty for none)
std::string unreadable_history_message(std::size_t unreadable);
// "One <one> of <of> could not be read and was left out." or "N <many> of <of> could not be read
// and were left out." (empty for none): how a damaged file of rows tells the player.
std::string left_out_message(std::size_t unreadable, std::string_view one, std::string_view many, std::string_view of);

// The stretch of the past a chart shows: the last three months, the last year or the whole game,
// each ending at the last day kept.
enum class HistorySpan { last_3_months, last_year, whole_game };
// The days and shows of `history` that fall within `span`.
History history_span(const History& history, HistorySpan span);

// Appends today's row (called once a day, after the day has been played).
void record_history_day(Store& store);
// Appends a show and its matches.
void record_history_show(Store& store, const HistoryShow& show);

// A worker's record from the show archive.
struct WorkerRecord {
  int matches = 0, wins = 0, losses = 0, title_wins = 0;
};
WorkerRecord worker_record(const History& history, std::string_view worker);
// "Record: 12 matches, 7 wins, 4 losses, 1 title reign", or "Record: no matches yet".
std::string worker_record_text(const WorkerRecord& record);

// The history as a table, a header row first: one row a day (date, balance, popularity, board,
// audience) with the day's show (name, overall rating, attendance, money made) on it.
using HistoryRow = std::array<std::string, 9>;
std::vector<HistoryRow> history_rows(const History& history);
// One CSV field: quoted when it holds a separator, a quote or a line break, its quotes doubled.
// A text that a spreadsheet would run as a formula is quoted with a ' in front, as exports do;
// a number the game wrote (a negative balance) stays a number.
std::string csv_field(std::string_view text, bool number);
// The history as comma-separated values, a header line first, for a spreadsheet.
std::vector<std::string> history_csv(const History& history);

}  // namespace rv

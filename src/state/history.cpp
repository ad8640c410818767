#include "state/history.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "state/date.h"
#include "state/store.h"
#include "state/text.h"

namespace rv {

namespace {

constexpr char separator = '\t';
constexpr std::string_view day_row = "day";
constexpr std::string_view show_row = "show";
constexpr std::string_view match_row = "match";
constexpr std::size_t day_fields = 6;
constexpr std::size_t show_fields = 6;  // then, on newer rows, the overall rating in hundredths and the hall's capacity
constexpr std::size_t match_fixed_fields = 6;  // kind, description, rating, winners, title, changed
constexpr std::size_t most_names = 64;          // more workers than any match holds

using Fields = std::vector<std::string_view>;

// A field that holds a whole number and nothing else, read by the game's one number parser.
std::optional<Num> whole(std::string_view text) {
  if (!whole_number(text)) return std::nullopt;
  return leading_int(text);
}



// Each reader checks a row and, given a history, adds what it holds; without one it only checks.
bool read_day(const Fields& f, History* h) {
  if (f.size() != day_fields || !parse_full_date(f[1])) return false;
  const auto balance = whole(f[2]), pop = whole(f[3]), board = whole(f[4]);
  if (!balance || !pop || !board) return false;
  if (h) h->days.push_back({std::string(f[1]), *balance, *pop, *board, std::string(f[5])});
  return true;
}

bool read_show(const Fields& f, History* h) {
  if (f.size() < show_fields || f.size() > show_fields + 2 || !parse_full_date(f[1]) || f[2].empty()) return false;
  const auto overall = whole(f[3]), attendance = whole(f[4]), money = whole(f[5]);
  if (!overall || !attendance || !money) return false;
  Num hundredths = -1, capacity = -1;
  if (f.size() > show_fields) {
    const auto fine = whole(f[show_fields]);
    if (!fine || *fine < 0 || *fine > 10000) return false;
    hundredths = *fine;
  }
  if (f.size() > show_fields + 1) {
    const auto room = whole(f[show_fields + 1]);
    if (!room || *room < 0) return false;
    capacity = *room;
  }
  if (h) h->shows.push_back({std::string(f[1]), std::string(f[2]), *overall, *attendance, *money, {}, hundredths, capacity});
  return true;
}

// Names: a count, then that many fields, from `at`; false when the row runs short.
bool read_names(const Fields& f, std::size_t& at, std::vector<std::string>* names) {
  if (at >= f.size()) return false;
  const auto n = whole(f[at++]);
  if (!n || *n < 0 || static_cast<std::size_t>(*n) > most_names || f.size() - at < static_cast<std::size_t>(*n)) return false;
  const std::size_t count = static_cast<std::size_t>(*n);
  if (names) names->assign(f.begin() + static_cast<std::ptrdiff_t>(at), f.begin() + static_cast<std::ptrdiff_t>(at + count));
  at += count;
  return true;
}

// A match row; it belongs to the show row before it, which the caller has read.
bool read_match(const Fields& f, History* h) {
  if (f.size() < match_fixed_fields + 2) return false;
  const auto rating = whole(f[2]);
  if (!rating || (f[5] != "0" && f[5] != "1")) return false;
  HistoryMatch m;
  std::size_t at = match_fixed_fields;
  if (!read_names(f, at, h ? &m.workers : nullptr) || !read_names(f, at, h ? &m.winning : nullptr)) return false;
  // The result's own words came later, and the rating's terms after them: a row without the
  // words stands by its winners, and one without the terms simply has none to show.
  const bool has_result = at < f.size();
  const std::size_t result_at = at;
  if (has_result) ++at;
  std::vector<std::string> terms;
  if (at < f.size() && !read_names(f, at, h ? &terms : nullptr)) return false;
  if (at != f.size()) return false;
  if (!h) return true;
  m.description = f[1];
  m.rating = *rating;
  m.winners = f[3];
  m.title = f[4];
  m.title_changed = f[5] == "1";
  if (has_result) m.result = f[result_at];
  m.rating_terms = std::move(terms);
  h->shows.back().matches.push_back(std::move(m));
  return true;
}

void add_names(std::string& row, const std::vector<std::string>& names) {
  add_tab_field(row, to_text(static_cast<Num>(names.size())));
  for (const auto& n : names) add_tab_field(row, n);
}

// The columns of a history row that hold numbers: balance, popularity, board, overall rating,
// attendance and money made.
constexpr std::array<bool, std::tuple_size_v<HistoryRow>> number_columns = {false, true,  true, true, false,
                                                                            false, true, true, true};

}  // namespace

namespace {

// Reads every row (into `h`, when given) and tells `kept` the index of each row that was read;
// gives the number of rows that could not be read.
template <class Kept>
std::size_t read_rows(const Lines& rows, History* h, Kept&& kept, std::size_t first = 0) {
  std::size_t unreadable = 0;
  bool show_kept = false;  // a match row belongs to the show row before it, if that was read
  Fields f;
  for (std::size_t i = first; i < rows.size(); ++i) {
    if (rows[i].empty()) continue;
    tab_fields(rows[i], f);
    bool ok = false;
    if (f[0] == day_row) ok = read_day(f, h);
    else if (f[0] == show_row) ok = show_kept = read_show(f, h);
    else if (f[0] == match_row) ok = show_kept && read_match(f, h);
    if (ok) kept(i);
    else ++unreadable;
  }
  return unreadable;
}

}  // namespace

void tab_fields(std::string_view row, std::vector<std::string_view>& out) {
  out.clear();
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = row.find(separator, start);
    out.push_back(row.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    if (at == std::string_view::npos) return;
    start = at + 1;
  }
}

void add_tab_field(std::string& row, std::string_view text) {
  row += separator;
  for (char c : text) row += c == separator ? ' ' : c;
}

History read_history(const Lines& rows) {
  History h;
  h.unreadable = read_rows(rows, &h, [](std::size_t) {});
  return h;
}

History read_recent_history(const Lines& rows, std::size_t days) {
  std::size_t first = rows.size();
  const std::string day_start = std::string(day_row) + separator;
  for (std::size_t seen = 0; first > 0 && seen < days;)
    if (rows[--first].starts_with(day_start)) ++seen;
  History h;
  h.unreadable = read_rows(rows, &h, [](std::size_t) {}, first);
  return h;
}

Lines readable_history_rows(Lines rows, std::size_t& unreadable) {
  // Only checked, not kept: the rows read are moved up over those left out.
  std::size_t count = 0;
  unreadable = read_rows(rows, nullptr, [&](std::size_t i) {
    if (i != count) rows[count] = std::move(rows[i]);
    ++count;
  });
  rows.resize(count);
  return rows;
}

std::string left_out_message(std::size_t unreadable, std::string_view one, std::string_view many, std::string_view of) {
  if (unreadable == 0) return {};
  const std::string where = " of " + std::string(of) + " could not be read and ";
  if (unreadable == 1) return "One " + std::string(one) + where + "was left out.";
  return to_text(static_cast<Num>(unreadable)) + " " + std::string(many) + where + "were left out.";
}

std::string unreadable_history_message(std::size_t unreadable) {
  return left_out_message(unreadable, "row", "rows", "the promotion's history");
}

void record_history_day(Store& store) {
  const auto player = store.player_index();
  if (!player) return;
  const auto p = store.promotion(*player);
  std::string row(day_row);
  add_tab_field(row, current_full_date(store));
  add_tab_field(row, to_text(p.balance()));
  add_tab_field(row, to_text(p.popularity()));
  add_tab_field(row, to_text(store.md_num(md::board_rating)));
  add_tab_field(row, p.show(prom::primary_show, prom::show::audience));
  store.history.push_back(std::move(row));
}

void record_history_show(Store& store, const HistoryShow& show) {
  std::string row(show_row);
  add_tab_field(row, show.date);
  add_tab_field(row, show.name);
  add_tab_field(row, to_text(show.overall));
  add_tab_field(row, to_text(show.attendance));
  add_tab_field(row, to_text(show.money));
  if (show.overall_hundredths >= 0) {
    add_tab_field(row, to_text(show.overall_hundredths));
    if (show.capacity >= 0) add_tab_field(row, to_text(show.capacity));
  }
  store.history.push_back(std::move(row));
  for (const HistoryMatch& m : show.matches) {
    std::string r(match_row);
    add_tab_field(r, m.description);
    add_tab_field(r, to_text(m.rating));
    add_tab_field(r, m.winners);
    add_tab_field(r, m.title);
    add_tab_field(r, m.title_changed ? "1" : "0");
    add_names(r, m.workers);
    add_names(r, m.winning);
    add_tab_field(r, m.result);
    if (!m.rating_terms.empty()) add_names(r, m.rating_terms);
    store.history.push_back(std::move(r));
  }
}

namespace {

// Dates in order: a day's place in a calendar of 31-day months, enough to compare and step back.
long long date_key(std::string_view full) {
  const auto d = parse_full_date(full);
  if (!d) return 0;
  return (static_cast<long long>(d->year) * 12 + d->month) * 31 + d->day;
}

}  // namespace

History history_span(const History& history, HistorySpan span) {
  if (span == HistorySpan::whole_game) return history;
  long long last = 0;
  if (!history.days.empty()) last = date_key(history.days.back().date);
  if (!history.shows.empty()) last = std::max(last, date_key(history.shows.back().date));
  const long long months = span == HistorySpan::last_3_months ? 3 : 12;
  const long long first = last - months * 31;
  History out;
  out.unreadable = history.unreadable;
  for (const HistoryDay& d : history.days)
    if (date_key(d.date) > first) out.days.push_back(d);
  for (const HistoryShow& s : history.shows)
    if (date_key(s.date) > first) out.shows.push_back(s);
  return out;
}

WorkerRecord worker_record(const History& history, std::string_view worker) {
  WorkerRecord r;
  for (const HistoryShow& s : history.shows) {
    for (const HistoryMatch& m : s.matches) {
      if (std::find(m.workers.begin(), m.workers.end(), worker) == m.workers.end()) continue;
      ++r.matches;
      const bool won = std::find(m.winning.begin(), m.winning.end(), worker) != m.winning.end();
      if (won) ++r.wins;
      else if (!m.winning.empty()) ++r.losses;
      if (won && m.title_changed) ++r.title_wins;
    }
  }
  return r;
}

std::string worker_record_text(const WorkerRecord& record) {
  if (record.matches == 0) return "Record: no matches yet";
  const auto count = [](int n, std::string_view one, std::string_view many) {
    return to_text(static_cast<Num>(n)) + " " + std::string(n == 1 ? one : many);
  };
  return "Record: " + count(record.matches, "match", "matches") + ", " + count(record.wins, "win", "wins") + ", " +
         count(record.losses, "loss", "losses") + ", " + count(record.title_wins, "title reign", "title reigns");
}

std::vector<HistoryRow> history_rows(const History& history) {
  std::vector<HistoryRow> out = {{"Date", "Balance", "Popularity", "Board", "Audience", "Show", "Overall Rating",
                                  "Attendance", "Money Made"}};
  const auto with_show = [](HistoryRow row, const HistoryShow& s) {
    row[5] = s.name;
    row[6] = to_text(s.overall);
    row[7] = to_text(s.attendance);
    row[8] = to_text(s.money);
    return row;
  };
  std::unordered_map<std::string, std::vector<std::size_t>> shows_of;
  for (std::size_t k = 0; k < history.shows.size(); ++k) shows_of[history.shows[k].date].push_back(k);
  std::vector<bool> placed(history.shows.size(), false);
  for (const HistoryDay& d : history.days) {
    const HistoryRow day = {d.date, to_text(d.balance), to_text(d.popularity), to_text(d.board), d.audience, {}, {}, {}, {}};
    // A day's row closes the day, so its shows stand on its line; a second show gets a line of its own.
    const auto found = shows_of.find(d.date);
    if (found == shows_of.end()) {
      out.push_back(day);
      continue;
    }
    for (std::size_t i = 0; i < found->second.size(); ++i) {
      const std::size_t k = found->second[i];
      out.push_back(with_show(i == 0 ? day : HistoryRow{d.date}, history.shows[k]));
      placed[k] = true;
    }
    shows_of.erase(found);  // a date seen twice keeps its shows on the first
  }
  for (std::size_t k = 0; k < history.shows.size(); ++k)  // shows from before the days were kept
    if (!placed[k]) out.push_back(with_show(HistoryRow{history.shows[k].date}, history.shows[k]));
  return out;
}

namespace {

// A spreadsheet runs a cell that starts with one of these as a formula.
constexpr std::string_view formula_starters = "=+-@\t\r";

}  // namespace

std::string csv_field(std::string_view text, bool number) {
  const bool formula = !number && !text.empty() && formula_starters.find(text.front()) != std::string_view::npos;
  if (!formula && text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string out = "\"";
  if (formula) out += '\'';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

std::vector<std::string> history_csv(const History& history) {
  std::vector<std::string> out;
  for (const HistoryRow& row : history_rows(history)) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) line += ',';
      line += csv_field(row[i], number_columns[i]);
    }
    out.push_back(std::move(line));
  }
  return out;
}

}  // namespace rv

#include "state/ledger.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "state/date.h"
#include "state/history.h"
#include "state/text.h"

namespace rv {

namespace {

constexpr char separator = '\t';
constexpr std::string_view entry_row = "entry";
constexpr std::string_view month_row = "month";
constexpr std::string_view month_suffix = month_total_suffix;
constexpr std::size_t row_fields = 6;  // kind, date, figure, whom, change, cause
constexpr std::size_t field_date = 1, field_figure = 2, field_whom = 3, field_change = 4, field_cause = 5;
constexpr std::array<std::string_view, figure_count> figure_names = {"balance",      "popularity", "board",     "show rating", "worker popularity",
                                                                    "morale",       "title value", "feud heat", "injury"};

using Fields = std::vector<std::string_view>;

std::string make_row(std::string_view kind, const LedgerEntry& e) {
  std::string row(kind);
  add_tab_field(row, e.date);
  add_tab_field(row, figure_name(e.figure));
  add_tab_field(row, e.whom);
  add_tab_field(row, to_text(e.change));
  add_tab_field(row, e.cause);
  return row;
}

// A row's date when the row can be read, checked without copying its fields.
std::optional<Date> checked(const Fields& f) {
  if (f.size() != row_fields || (f[0] != entry_row && f[0] != month_row)) return std::nullopt;
  if (!figure_named(f[field_figure]) || !whole_number(f[field_change]) || f[field_cause].empty()) return std::nullopt;
  return parse_full_date(f[field_date]);
}

// One row read, or nothing when it cannot be.
std::optional<LedgerEntry> read_row(const Fields& f) {
  if (!checked(f)) return std::nullopt;
  return LedgerEntry{std::string(f[field_date]), *figure_named(f[field_figure]), std::string(f[field_whom]),
                     leading_int(f[field_change]), std::string(f[field_cause]), f[0] == month_row};
}

// Months counted from year 0, to tell how long ago a month was.
long long month_number(const Date& d) { return static_cast<long long>(d.year) * 12 + d.month; }

// Whether `p` is the player's promotion.
bool is_player(const Store& store, const Promotion& p) {
  const auto player = store.player_index();
  return player && *player * rec::promotion == p.base();
}

}  // namespace

std::string_view figure_name(Figure figure) { return figure_names[static_cast<std::size_t>(figure)]; }

std::optional<Figure> figure_named(std::string_view name) {
  for (std::size_t i = 0; i < figure_names.size(); ++i)
    if (figure_names[i] == name) return static_cast<Figure>(i);
  return std::nullopt;
}

Ledger read_ledger(const Lines& rows) {
  Ledger ledger;
  Fields f;
  for (const std::string& row : rows) {
    if (row.empty()) continue;
    tab_fields(row, f);
    if (auto e = read_row(f)) ledger.entries.push_back(std::move(*e));
    else ++ledger.unreadable;
  }
  return ledger;
}

Lines readable_ledger_rows(Lines rows, std::size_t& unreadable) {
  unreadable = 0;
  std::size_t kept = 0;
  Fields f;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].empty()) continue;
    tab_fields(rows[i], f);
    if (!read_row(f)) {
      ++unreadable;
      continue;
    }
    if (i != kept) rows[kept] = std::move(rows[i]);
    ++kept;
  }
  rows.resize(kept);
  return rows;
}

std::string unreadable_ledger_message(std::size_t unreadable) {
  return left_out_message(unreadable, "entry", "entries", "the promotion's ledger");
}

void record_effect(Store& store, Figure figure, std::string_view whom, Num change, std::string_view cause) {
  if (change == 0) return;
  store.ledger.push_back(
      make_row(entry_row, {current_full_date(store), figure, std::string(whom), change, std::string(cause), false}));
}

void set_balance(Store& store, const Promotion& p, Num value, std::string_view cause) {
  const Num before = p.balance();
  p.set_balance(value);
  if (is_player(store, p)) record_effect(store, Figure::balance, {}, sub_sat(p.balance(), before), cause);
}

void add_balance(Store& store, const Promotion& p, Num amount, std::string_view cause) {
  set_balance(store, p, add_sat(p.balance(), amount), cause);
}

void set_popularity(Store& store, const Promotion& p, Num value, std::string_view cause) {
  const Num before = p.popularity();
  p.set_popularity(value);
  if (is_player(store, p)) record_effect(store, Figure::popularity, {}, p.popularity() - before, cause);
}

void set_board_rating(Store& store, Num value, std::string_view cause) {
  const Num before = store.md_num(md::board_rating);
  store.set_md_num(md::board_rating, value);
  record_effect(store, Figure::board, {}, store.md_num(md::board_rating) - before, cause);
}

bool player_worker(const Store& store, std::size_t row) {
  const std::string& player = store.md(md::player_initials);
  return row < store.worker_count() && !player.empty() && store.worker(row).promotion() == player;
}

// The rival shows and the weekly draw values pass every worker through these: a worker not the
// player's is changed without a look back.
void set_worker_popularity(Store& store, std::size_t row, Num value, std::string_view cause) {
  const Worker w = store.worker(row);
  if (!player_worker(store, row)) return w.set_pop(value);
  const Num before = w.pop();
  w.set_pop(value);
  record_effect(store, Figure::worker_popularity, w.name(), w.pop() - before, cause);
}

void set_worker_morale(Store& store, std::size_t row, Num value, std::string_view cause) {
  const Worker w = store.worker(row);
  if (!player_worker(store, row)) return w.set_morale(value);
  const Num before = w.morale();
  w.set_morale(value);
  record_effect(store, Figure::morale, w.name(), w.morale() - before, cause);
}

void set_worker_injury(Store& store, std::size_t row, Num days, std::string_view cause) {
  const Worker w = store.worker(row);
  w.set_injury(to_text(days));
  constexpr Num week = 7;
  if (player_worker(store, row)) record_effect(store, Figure::injury, w.name(), (std::max<Num>(days, 0) + week - 1) / week, cause);
}

void set_show_rating(Store& store, const Promotion& p, std::size_t k, Num value, std::string_view cause) {
  const Num before = leading_int(p.show(k, prom::show::rating));
  p.set_show(k, prom::show::rating, to_text(value));
  const std::string& name = p.show(k, prom::show::name);
  if (is_player(store, p) && !name.empty()) record_effect(store, Figure::show_rating, name, value - before, cause);
}

void set_title_value(Store& store, std::size_t promotion, std::size_t slot, Num value, std::string_view cause) {
  const Title t = store.promotion(promotion).title(slot);
  const Num before = t.value();
  t.put(TitleField::value, to_text(value));
  if (is_player(store, store.promotion(promotion))) record_effect(store, Figure::title_value, t.name(), t.value() - before, cause);
}

void set_feud_heat(Store& store, const Record& feud, std::string_view name, Num value, std::string_view cause) {
  const Num before = feud.num(feud::heat);
  feud.set_num(feud::heat, value);
  record_effect(store, Figure::feud_heat, name, feud.num(feud::heat) - before, cause);
}

std::string_view cause_kind(std::string_view cause) { return cause.substr(0, cause.find(':')); }

std::string show_cause(std::string_view show, std::string_view what) {
  std::string cause = "Show: ";
  cause.append(show).append(", ").append(what);
  return cause;
}

void fold_old_entries(Lines& rows, const Date& today) {
  const long long last_folded = month_number(today) - 13;
  // Month totals lead the ledger; the entries follow in the order they were written, oldest
  // first. The totals are passed over unread (a long career holds thousands) by halving.
  const auto month_total = [](const std::string& row) {
    return row.size() > month_row.size() && row.compare(0, month_row.size(), month_row) == 0 && row[month_row.size()] == separator;
  };
  std::size_t first = 0, hi = rows.size();
  while (first < hi) {
    const std::size_t mid = first + (hi - first) / 2;
    if (month_total(rows[mid])) first = mid + 1;
    else hi = mid;
  }
  // The old stretch: from the first entry up to the first one of a month that has not ended a
  // year ago. A row that cannot be read stays, after the totals.
  struct Total {
    long long month;
    LedgerEntry entry;
  };
  std::vector<Total> totals;
  Lines unread;
  Fields f;
  std::size_t end = first;
  for (; end < rows.size(); ++end) {
    tab_fields(rows[end], f);
    const auto date = checked(f);
    if (!date) {
      unread.push_back(rows[end]);
      continue;
    }
    const long long month = month_number(*date);
    if (f[0] == month_row || month > last_folded) break;
    const Figure figure = *figure_named(f[field_figure]);
    const std::string_view kind = cause_kind(f[field_cause]);
    // This month's totals are the last ones made: look back through them only.
    auto it = totals.rbegin();
    for (; it != totals.rend() && it->month == month; ++it) {
      const LedgerEntry& t = it->entry;
      if (t.figure == figure && t.whom == f[field_whom] && std::string_view(t.cause).substr(0, kind.size()) == kind &&
          t.cause.size() == kind.size() + month_suffix.size()) {
        break;
      }
    }
    LedgerEntry* total = nullptr;
    if (it != totals.rend() && it->month == month) {
      total = &it->entry;
    } else {
      totals.push_back({month, {std::string(f[field_date]), figure, std::string(f[field_whom]), 0,
                                std::string(kind) + std::string(month_suffix), true}});
      total = &totals.back().entry;
    }
    total->change = add_sat(total->change, leading_int(f[field_change]));
  }
  if (totals.empty()) return;  // nothing old enough: the rows stand as they were
  Lines folded;
  folded.reserve(totals.size() + unread.size());
  for (const Total& t : totals)
    if (t.entry.change != 0) folded.push_back(make_row(month_row, t.entry));
  for (std::string& row : unread) folded.push_back(std::move(row));
  const auto at = rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(first), rows.begin() + static_cast<std::ptrdiff_t>(end));
  rows.insert(at, std::make_move_iterator(folded.begin()), std::make_move_iterator(folded.end()));
}

Num ledger_total(const Ledger& ledger, Figure figure) {
  Num sum = 0;
  for (const LedgerEntry& e : ledger.entries)
    if (e.figure == figure && e.whom.empty()) sum = add_sat(sum, e.change);
  return sum;
}

std::vector<LedgerEntry> ledger_entries(const Ledger& ledger, std::optional<Figure> figure, std::optional<Date> since) {
  const auto day_number = [](const Date& d) { return month_number(d) * 31 + d.day; };
  std::vector<LedgerEntry> out;
  for (const LedgerEntry& e : ledger.entries) {
    if (figure && e.figure != *figure) continue;
    if (since) {
      const auto d = parse_full_date(e.date);
      if (!d || day_number(*d) < day_number(*since)) continue;
    }
    out.push_back(e);
  }
  return out;
}

std::string change_text(Figure figure, Num change) {
  if (figure == Figure::balance) return change < 0 ? money_text(change) : "+" + money_text(change);
  return change < 0 ? to_text(change) : "+" + to_text(change);
}

std::vector<LedgerRow> ledger_rows(const std::vector<LedgerEntry>& entries) {
  std::vector<LedgerRow> out = {{"Date", "Figure", "Whom", "Change", "Cause"}};
  for (const LedgerEntry& e : entries)
    out.push_back({e.date, std::string(figure_name(e.figure)), e.whom, change_text(e.figure, e.change), e.cause});
  return out;
}

std::vector<std::string> ledger_csv(const std::vector<LedgerEntry>& entries) {
  std::vector<std::string> out = {"Date,Figure,Whom,Change,Cause"};
  for (const LedgerEntry& e : entries) {
    out.push_back(csv_field(e.date, false) + "," + std::string(figure_name(e.figure)) + "," + csv_field(e.whom, false) + "," +
                  to_text(e.change) + "," + csv_field(e.cause, false));
  }
  return out;
}

}  // namespace rv

#include "state/ledgertotals.h"

#include <algorithm>
#include <map>
#include <optional>

#include "state/date.h"
#include "state/dates.h"

namespace rv {

namespace {

constexpr int sunday = 6;  // weekday numbers run from Monday (0)

struct Place {
  long long place;
  Date start;  // the week's Sunday, or a day of the month
};

void back_one_day(Date& d) {
  d.weekday = (d.weekday + 6) % 7;
  if (--d.day > 0) return;
  if (--d.month < 0) {
    d.month = 11;
    --d.year;
  }
  d.day = days_in_month(d.month, d.year);
}

// The week or month an entry falls in; nothing for an unreadable date, or for a month's total
// asked for its week.
std::optional<Place> place_of(const LedgerEntry& e, Period period) {
  auto d = parse_full_date(e.date);
  if (!d) return std::nullopt;
  if (period == Period::month) return Place{static_cast<long long>(d->year) * 12 + d->month, *d};
  if (e.month_total) return std::nullopt;
  for (int back = (d->weekday - sunday + 7) % 7; back > 0; --back) back_one_day(*d);
  return Place{day_index(*d), *d};
}

std::string label_of(const Date& start, Period period) {
  return period == Period::week ? full_date(start) : month_year(start);
}

// The kind of cause an entry counts under: a month's total names its kind before the suffix.
std::string_view kind_of(const LedgerEntry& e) {
  std::string_view cause = e.cause;
  if (e.month_total && cause.ends_with(month_total_suffix)) cause.remove_suffix(month_total_suffix.size());
  return cause_kind(cause);
}

}  // namespace

std::vector<PeriodTotal> period_totals(const std::vector<LedgerEntry>& entries, Figure figure, Period period) {
  std::map<long long, PeriodTotal> totals;
  for (const LedgerEntry& e : entries) {
    if (e.figure != figure) continue;
    const auto at = place_of(e, period);
    if (!at) continue;
    auto [it, added] = totals.try_emplace(at->place);
    PeriodTotal& t = it->second;
    if (added) {
      t.place = at->place;
      t.label = label_of(at->start, period);
    }
    t.change = add_sat(t.change, e.change);
    ++t.entries;
  }
  std::vector<PeriodTotal> out;
  out.reserve(totals.size());
  for (auto it = totals.rbegin(); it != totals.rend(); ++it) out.push_back(std::move(it->second));
  return out;
}

MoneyStatement money_statement(const std::vector<LedgerEntry>& entries, Period period, long long place) {
  MoneyStatement out;
  for (const LedgerEntry& e : entries) {
    if (e.figure != Figure::balance) continue;
    const auto at = place_of(e, period);
    if (!at || at->place != place) continue;
    const std::string_view kind = kind_of(e);
    auto line = std::find_if(out.lines.begin(), out.lines.end(), [kind](const StatementLine& l) { return l.kind == kind; });
    if (line == out.lines.end()) line = out.lines.insert(out.lines.end(), StatementLine{std::string(kind), 0, 0});
    Num& side = e.change > 0 ? line->income : line->costs;
    side = add_sat(side, e.change);
    Num& total = e.change > 0 ? out.income : out.costs;
    total = add_sat(total, e.change);
  }
  out.net = add_sat(out.income, out.costs);
  std::stable_sort(out.lines.begin(), out.lines.end(), [](const StatementLine& a, const StatementLine& b) {
    const Num moved_a = sub_sat(a.income, a.costs), moved_b = sub_sat(b.income, b.costs);
    return moved_a != moved_b ? moved_a > moved_b : a.kind < b.kind;
  });
  return out;
}

}  // namespace rv

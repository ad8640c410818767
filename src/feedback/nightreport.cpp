#include "feedback/nightreport.h"

#include <algorithm>

#include "state/text.h"

namespace rv {

namespace {

// Causes of a night that do not carry the show's name.
constexpr std::string_view title_change_kind = "Title change";
constexpr std::string_view turn_kind = "Turn";

bool of_the_night(const LedgerEntry& e, const HistoryShow& show) {
  if (e.month_total || e.date != show.date) return false;
  const std::string_view kind = cause_kind(e.cause);
  return e.cause.find(show.name) != std::string::npos || kind == title_change_kind || kind == turn_kind;
}

// "Show: Dustbowl Throwdown, tickets" reads "Tickets" on the night's own report.
std::string night_label(const std::string& cause, const std::string& show) {
  const std::string prefix = "Show: " + show + ", ";
  std::string label = cause.starts_with(prefix) ? cause.substr(prefix.size()) : cause;
  if (!label.empty() && label[0] >= 'a' && label[0] <= 'z') label[0] = static_cast<char>(label[0] - 'a' + 'A');
  return label;
}

// A figure across the night. Its value after the night is today's value less everything written
// from the end of the night on (`night_end`, or nothing known when the ledger does not reach back
// to the night).
NightMove move_of(const std::vector<LedgerEntry>& entries, const std::vector<bool>& night, std::optional<std::size_t> night_end,
                  Figure figure, const std::string& whom, Num now, const std::string& show) {
  NightMove m;
  Num moved = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const LedgerEntry& e = entries[i];
    if (!night[i] || e.figure != figure || e.whom != whom) continue;
    m.causes.push_back({night_label(e.cause, show), e.change});
    moved = add_sat(moved, e.change);
  }
  if (!night_end) return m;
  Num later = 0;
  for (std::size_t i = *night_end; i < entries.size(); ++i)
    if (entries[i].figure == figure && entries[i].whom == whom) later = add_sat(later, entries[i].change);
  m.known = true;
  m.after = sub_sat(now, later);
  m.before = sub_sat(m.after, moved);
  return m;
}

std::string grouped_attendance(const NightReport& r) {
  std::string text = grouped(r.attendance);
  if (r.capacity > 0) {
    const Num percent = r.attendance >= r.capacity ? 100 : mul_sat(r.attendance, 100) / r.capacity;
    text += " of " + grouped(r.capacity) + " (" + to_text(percent) + "%)";
  }
  return text;
}

Num magnitude(Num n) { return n < 0 ? sub_sat(0, n) : n; }

std::string signed_text(Num n) { return n > 0 ? "+" + to_text(n) : to_text(n); }

void add_move(std::vector<std::string>& out, const std::string& caption, const NightMove& m) {
  out.push_back(m.known ? caption + ": " + to_text(m.before) + " to " + to_text(m.after) : caption + ":");
  if (m.causes.empty()) out.push_back("  No change on the night.");
  for (const auto& c : m.causes) out.push_back("  " + signed_text(c.amount) + "  " + c.label);
}

}  // namespace

NightReport night_report(const Store& store, const HistoryShow& show) {
  NightReport r;
  r.date = show.date;
  r.show = show.name;
  r.attendance = show.attendance;
  r.capacity = show.capacity;
  const std::vector<LedgerEntry> entries = read_ledger(store.ledger).entries;
  std::vector<bool> night(entries.size(), false);
  std::optional<std::size_t> night_end;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    night[i] = of_the_night(entries[i], show);
    if (night[i]) night_end = i + 1;
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (!night[i]) continue;
    const LedgerEntry& e = entries[i];
    const ReportItem item{night_label(e.cause, show.name), e.change};
    switch (e.figure) {
      case Figure::balance:
        (e.change >= 0 ? r.income : r.costs).push_back(item);
        r.net = add_sat(r.net, e.change);
        break;
      case Figure::title_value:
        r.reactions.push_back({e.whom + ": " + item.label, e.change});
        break;
      case Figure::injury:
        r.injuries.push_back({e.whom + ": " + item.label, e.change});
        break;
      case Figure::morale: {
        auto it = std::find_if(r.morale.begin(), r.morale.end(), [&](const ReportItem& m) { return m.label == e.whom; });
        if (it == r.morale.end()) r.morale.push_back({e.whom, e.change});
        else it->amount = add_sat(it->amount, e.change);
        break;
      }
      default:
        break;
    }
  }
  // Whatever the archive's takings hold beyond the lines written down (a ledger lost since).
  if (const Num other = sub_sat(show.money, r.net); other != 0) {
    (other > 0 ? r.income : r.costs).push_back({"Not itemised", other});
    r.net = show.money;
  }
  std::stable_sort(r.morale.begin(), r.morale.end(),
                   [](const ReportItem& a, const ReportItem& b) { return magnitude(a.amount) > magnitude(b.amount); });
  if (r.morale.size() > report_morale_swings) r.morale.resize(report_morale_swings);
  std::erase_if(r.morale, [](const ReportItem& m) { return m.amount == 0; });
  for (const HistoryMatch& m : show.matches)
    if (m.title_changed && !m.title.empty()) r.title_changes.push_back(m.title + ": " + m.winners + " won it");

  const auto player = store.player_index();
  if (!player) return r;
  const auto p = store.promotion(*player);
  r.popularity = move_of(entries, night, night_end, Figure::popularity, {}, p.popularity(), show.name);
  for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
    if (p.show(k, prom::show::name) != show.name) continue;
    r.show_rating = move_of(entries, night, night_end, Figure::show_rating, show.name,
                            leading_int(p.show(k, prom::show::rating)), show.name);
    break;
  }
  return r;
}

std::optional<NightReport> last_night_report(const Store& store) {
  // Shows are mostly a few days apart: the last week first, the whole archive only if it has none.
  History h = read_recent_history(store.history, 8);
  if (h.shows.empty()) h = read_history(store.history);
  if (h.shows.empty()) return std::nullopt;
  return night_report(store, h.shows.back());
}

std::optional<NightReport> night_report_of(const Store& store, std::string_view date, std::string_view show) {
  const History h = read_history(store.history);
  for (auto it = h.shows.rbegin(); it != h.shows.rend(); ++it)
    if (it->date == date && it->name == show) return night_report(store, *it);
  return std::nullopt;
}

std::vector<std::string> night_report_lines(const NightReport& r) {
  std::vector<std::string> out;
  out.push_back("The night's report: " + r.show + ", " + r.date);
  out.push_back("Money:");
  for (const auto& i : r.income) out.push_back("  " + change_text(Figure::balance, i.amount) + "  " + i.label);
  for (const auto& c : r.costs) out.push_back("  " + change_text(Figure::balance, c.amount) + "  " + c.label);
  out.push_back("Money made: " + money_text(r.net));
  out.push_back("Attendance: " + grouped_attendance(r));
  add_move(out, "Popularity", r.popularity);
  if (r.show_rating) add_move(out, "Show rating", *r.show_rating);
  for (const auto& t : r.title_changes) out.push_back("Title change: " + t);
  for (const auto& t : r.reactions) out.push_back("  " + signed_text(t.amount) + " title value  " + t.label);
  for (const auto& i : r.injuries) out.push_back("Injury: " + i.label + " (" + to_text(i.amount) + (i.amount == 1 ? " week)" : " weeks)"));
  for (const auto& m : r.morale) out.push_back("Morale: " + m.label + " " + signed_text(m.amount));
  return out;
}

}  // namespace rv

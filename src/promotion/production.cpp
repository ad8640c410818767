#include "promotion/production.h"

#include <algorithm>
#include <array>

#include "state/calendar.h"
#include "state/date.h"
#include "state/naming.h"
#include "state/pictures.h"
#include "state/text.h"

namespace rv {

namespace {

constexpr std::array<Num, 20> costs = {500,    1000,   2500,   5000,   7500,   10000,  15000,  25000,  50000,   75000,
                                       100000, 150000, 200000, 250000, 350000, 500000, 650000, 800000, 1000000, 1250000};

std::size_t level_line(ShowKind kind) { return prom::production_levels + static_cast<std::size_t>(kind); }
std::size_t interviewer_line(int role) { return role == 2 ? prom::interviewer2 : prom::interviewer1; }

}  // namespace

Num production_cost(Num level) {
  if (level < production_level_min || level > production_level_max) level = production_level_min;
  return costs[static_cast<std::size_t>(level - 1)];
}

std::string production_caption(Num level) {
  if (level < production_level_min || level > production_level_max) level = production_level_min;
  return "Level " + std::to_string(level) + " - $" + grouped(production_cost(level)) + " Per Show";
}

Num production_level(const Store& store, ShowKind kind) {
  const auto player = store.player_index();
  if (!player) return production_level_min;
  const Num level = store.promotion(*player).num(level_line(kind));
  return level < production_level_min || level > production_level_max ? production_level_min : level;
}

std::string step_production(Store& store, ShowKind kind, bool up) {
  const auto player = store.player_index();
  if (!player) return {};
  const Num raw = store.promotion(*player).num(level_line(kind));
  const bool known = raw >= production_level_min && raw <= production_level_max;
  Num level = production_level_min;  // an unknown level going down starts again at 1
  if (known && up) level = raw == production_level_max ? production_level_min : raw + 1;
  if (known && !up) level = raw == production_level_min ? production_level_max : raw - 1;
  if (!known && up) level = production_level_min;
  store.promotion(*player).set_num(level_line(kind), level);
  return production_caption(level);
}

std::string interviewer(const Store& store, int role) {
  const auto player = store.player_index();
  if (!player) return std::string(none_text);
  const std::string& who = store.promotion(*player).at(interviewer_line(role));
  return who.empty() ? std::string(none_text) : who;
}

std::vector<std::string> interviewer_choices(const Store& store, int role) {
  std::vector<std::string> names;
  const auto player = store.player_index();
  if (!player) return names;
  const auto p = store.promotion(*player);
  const bool split = p.at(prom::roster_split) == "Yes";
  const std::string brand = role == 2 ? "Brand 2" : "Brand 1";
  for (std::size_t r = 0; r < store.worker_count(); ++r) {
    const auto w = store.worker(r);
    if (w.promotion() != p.initials() || w.retire() == retire::retired) continue;
    if (split && w.brand() != brand && w.brand() != brand_all) continue;
    names.push_back(w.name());
  }
  return names;
}

Status set_interviewer(Store& store, int role, const std::string& worker) {
  const auto player = store.player_index();
  if (!player) return Failure{"There is no promotion to work for."};
  if (worker != none_text) {
    if (worker == interviewer(store, role == 2 ? 1 : 2)) return Failure{std::string(same_interviewer_message)};
    const auto choices = interviewer_choices(store, role);
    if (std::find(choices.begin(), choices.end(), worker) == choices.end()) {
      return Failure{worker + " cannot be an interviewer for this promotion."};
    }
  }
  store.promotion(*player).set(interviewer_line(role), worker);
  return success();
}

std::string interviewer_note(const Store& store) {
  const auto player = store.player_index();
  if (!player || store.promotion(*player).at(prom::roster_split) != "Yes") return {};
  const auto p = store.promotion(*player);
  return "Note: Interviewer 1 will be for the " + p.at(prom::brand1_name) + " brand, and Interviewer 2 will be for the " +
         p.at(prom::brand2_name) + " brand.";
}

std::vector<RegularShowRow> regular_shows(const Store& store) {
  std::vector<RegularShowRow> rows;
  const auto player = store.player_index();
  if (!player) return rows;
  const auto p = store.promotion(*player);
  for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
    if (p.show(k, prom::show::name).empty()) continue;
    const std::string& kind = p.show(k, prom::show::kind);
    const std::string& brand = p.show(k, prom::show::brand);
    rows.push_back({k, p.show(k, prom::show::name), "Every " + p.show(k, prom::show::weekday),
                    kind == "House" ? "Untelevised"
                    : kind == "TV"  ? p.at(prom::tv_status) + "ly Televised"
                                    : "Shown on Pay Per View",
                    brand == "Brand 1"   ? p.at(prom::brand1_name)
                    : brand == "Brand 2" ? p.at(prom::brand2_name)
                                         : "Both Brands",
                    p.show(k, prom::show::image), {}, {}, {}});
    RegularShowRow& row = rows.back();
    const std::string& date = store.md(md::last_show_first + 2 * k + 1);
    row.last_show = date.empty() ? "None" : date;
    row.figure_name = kind == "House" ? "Attendence" : kind == "TV" ? "TV Rating" : "No. of Buys";
    row.figure = date.empty() ? "-" : store.md(md::last_show_figures + k);
  }
  return rows;
}

Status rename_regular_show(Store& store, std::size_t slot, const std::string& name) {
  const auto player = store.player_index();
  if (!player || slot >= prom::regular_show_count || store.promotion(*player).show(slot, prom::show::name).empty()) {
    return Failure{"There is no show in this slot."};
  }
  if (name.empty()) return success();  // an empty answer changes nothing
  const auto p = store.promotion(*player);
  const std::string old = p.show(slot, prom::show::name);
  if (name == old) return success();
  if (name == house_show_event) {
    return Failure{"A regular show cannot be called \"" + name + "\": the calendar keeps that name for the house shows you book."};
  }
  std::vector<std::string> others;
  for (std::size_t k = 0; k < prom::regular_show_count; ++k)
    if (k != slot) others.push_back(p.show(k, prom::show::name));
  if (auto problem = name_problem(name, NameKind::show, others)) return Failure{*problem};
  p.set_show(slot, prom::show::name, name);
  // A show that carried one of the tables' own words gives it up alone: the days that hold the
  // word mean no show, not this one.
  if (reserved_name(old)) return success();
  // Only the days of this show's weekday are its own: a house show the player booked, or another
  // show that happened to share the old name, keeps its days.
  const std::string& weekday = p.show(slot, prom::show::weekday);
  for (std::size_t i = 0; i + rec::calendar_day <= store.calendar.size(); i += rec::calendar_day) {
    const std::string& date = store.calendar[i + cal::date];
    const bool its_day = std::string_view(date).substr(0, date.find(' ')) == weekday;
    if (its_day && store.calendar[i + cal::regular] == old) store.calendar[i + cal::regular] = name;
  }
  if (current_date(store).weekday_name() == weekday) {
    if (store.md(md::today_slot1) == old) store.set_md(md::today_slot1, name);
    if (store.md(md::day_event1) == old) store.set_md(md::day_event1, name);
  }
  return success();
}

Status set_show_image(Store& store, const Home& home, std::size_t slot, const std::string& file) {
  const auto player = store.player_index();
  if (!player || slot >= prom::regular_show_count || store.promotion(*player).show(slot, prom::show::name).empty()) {
    return Failure{"There is no show in this slot."};
  }
  if (!file.empty() && file != no_image && !is_show_picture(home, file)) {
    return Failure{"A show's picture must be a .jpg, .jpeg, .bmp or .gif file of the Images folder."};
  }
  store.promotion(*player).set_show(slot, prom::show::image, file.empty() ? std::string(no_image) : file);
  return success();
}

std::string rank_text(std::size_t place) {
  switch (place) {
    case 1: return "1st";
    case 2: return "2nd";
    case 3: return "3rd";
    default: return std::to_string(place) + "th";
  }
}

std::vector<TopRow> weekly_top(const Store& store, bool tv_ratings) {
  struct Entry {
    std::string show, figure;
    double value;
  };
  std::vector<Entry> entries;
  const std::string_view kind = tv_ratings ? "TV Rating" : "Attendence";
  for (std::size_t i = 0; i + rec::top10_entry <= store.weeklytop10.size(); i += rec::top10_entry) {
    if (store.weeklytop10[i + top10::kind] != kind) continue;
    const std::string& figure = store.weeklytop10[i + top10::value];
    entries.push_back({store.weeklytop10[i + top10::name], figure, leading_number(figure)});
  }
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.value > b.value; });
  if (entries.size() > top10::entries_shown) entries.resize(top10::entries_shown);
  std::vector<TopRow> rows;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    rows.push_back({rank_text(i + 1), entries[i].show, tv_ratings ? entries[i].figure : grouped(leading_int(entries[i].figure))});
  }
  return rows;
}

}  // namespace rv

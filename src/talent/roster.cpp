#include "talent/roster.h"

#include <algorithm>
#include <functional>

#include "state/date.h"
#include "talent/split.h"

namespace rv {

namespace {

bool unavailable(WorkerView w) { return w.num(Col::injury) > 0 || w.text(Col::cond) == injured_condition; }

std::string days_text(Num days) { return to_text(days) + (days == 1 ? " day" : " days"); }

// Where an expiry month lies in time, for sorting; anything that is no month and year goes last.
long long expiry_key(const std::string& expires) {
  const auto space = expires.find(' ');
  if (space == std::string::npos) return 1'000'000;
  const auto month = month_index(std::string_view(expires).substr(0, space));
  if (!month) return 1'000'000;
  return leading_int(std::string_view(expires).substr(space + 1)) * 12 + *month;
}

// The title column of a title holder: the titles he holds, a tag title as its co-holder.
std::string titles_text(const Store& store, std::size_t player, const std::string& name) {
  std::string out;
  for (std::size_t k = 0; k < prom::title_slots; ++k) {
    const auto t = store.promotion(player).title(k);
    if (!t.exists() || name.empty()) continue;
    std::string held;
    if (t.holder() == name) {
      held = t.name();
    } else if (t.long_block() && (t.get(TitleField::coholder1) == name || t.get(TitleField::coholder2) == name)) {
      const std::string& partner =
          t.get(TitleField::coholder1) == name ? t.get(TitleField::coholder2) : t.get(TitleField::coholder1);
      held = "Co-Holder of " + t.name() + " with " + partner;
    }
    if (!held.empty()) out += (out.empty() ? "" : ", ") + held;
  }
  return out;
}

struct Sort {
  std::string_view choice;
  std::string_view caption;  // the extra column; empty when the grid shows the figure already
  Col column;
};
constexpr Sort sorts[] = {
    {"Sort by Draw Value", "", Col::pop},
    {"Sort by Ability", "", Col::ent},
    {"Sort by Morale", "Morale", Col::morale},
    {"Sort by Contract Expiry Date", "Contract Expires", Col::expires},
    {"Sort by Wages", "Wages", Col::wages},
    {"Sort by Charisma", "Charisma", Col::charisma},
    {"Sort by Condition", "Condition", Col::cond},
    {"Sort by Hardcore Ability", "Hardcore Ability", Col::hardcore},
    {"Sort by Mic Skills", "Mic Skills", Col::micskills},
};

using Filter = std::function<bool(WorkerView)>;

Filter view_filter(const Store& store, std::string_view choice) {
  auto column_is = [](Col c, std::string_view v) { return [c, v](WorkerView w) { return w.text(c) == v; }; };
  if (choice == "View All Unavailable") return unavailable;
  if (choice == "View All Available") return [](WorkerView w) { return !unavailable(w); };
  if (choice == "View Upper Card Only") return column_is(Col::roles, role::upper);
  if (choice == "View Mid Card Only") return column_is(Col::roles, role::mid);
  if (choice == "View Lower Card Only") return column_is(Col::roles, role::lower);
  if (choice == "View Faces Only") return column_is(Col::faceheel, alignment::face);
  if (choice == "View Heels Only") return column_is(Col::faceheel, alignment::heel);
  if (choice == "View Both-Brand Workers Only") return column_is(Col::brand, brand_all);
  if (choice == "View Heavyweights Only") return column_is(Col::weight, "Heavy");
  if (choice == "View Lightweights Only") return column_is(Col::weight, "Light");
  if (choice == "View Males Only") return column_is(Col::gender, "Male");
  if (choice == "View Females Only") return column_is(Col::gender, "Female");
  if (const auto p = store.player_index()) {
    const auto promo = store.promotion(*p);
    for (const auto& [line, marker] : {std::pair{prom::brand1_name, brand_one}, std::pair{prom::brand2_name, brand_two}}) {
      if (choice == "View " + promo.at(line) + " Roster Only") return column_is(Col::brand, marker);
    }
  }
  return [](WorkerView) { return true; };
}

}  // namespace

std::string_view ability_word(Num v) {
  if (v < 30) return "Very Low";
  if (v < 50) return "Low";
  if (v < 60) return "Below Average";
  if (v < 70) return "OK";
  if (v < 80) return "Good";
  if (v < 90) return "Very Good";
  return "Excellent";
}

std::vector<std::string> roster_choices(const Store& store) {
  std::vector<std::string> out = {"View All",           "View All Unavailable", "View All Available",
                                  "View Title Holders", "View Upper Card Only", "View Mid Card Only",
                                  "View Lower Card Only", "View Faces Only",    "View Heels Only"};
  if (const auto p = store.player_index(); p && store.promotion(*p).at(prom::roster_split) == split_on) {
    out.push_back("View " + store.promotion(*p).at(prom::brand1_name) + " Roster Only");
    out.push_back("View " + store.promotion(*p).at(prom::brand2_name) + " Roster Only");
  }
  for (const char* v : {"View Both-Brand Workers Only", "View Heavyweights Only", "View Lightweights Only",
                        "View Males Only", "View Females Only"}) {
    out.emplace_back(v);
  }
  for (const auto& s : sorts) out.emplace_back(s.choice);
  return out;
}

std::optional<std::size_t> roster_worker(const Store& store, std::string_view name) {
  const auto p = store.player_index();
  if (!p) return std::nullopt;
  if (const auto row = store.find_worker(name); row && store.worker(*row).promotion() == store.promotion(*p).initials()) {
    return row;
  }
  const auto rows = player_workers(store);
  if (rows.empty()) return std::nullopt;
  return rows.front();
}

std::optional<std::size_t> outside_worker(const Store& store, std::string_view name) {
  const std::string& player = store.md(md::player_initials);
  if (const auto row = store.find_worker(name); row && store.worker(*row).promotion() != player) return row;
  for (std::size_t r = 0; r < store.worker_count(); ++r) {
    if (store.worker(r).promotion() == free_agent && !store.worker(r).name().empty()) return r;
  }
  return std::nullopt;
}

RosterGrid roster_grid(const Store& store, std::string_view choice) {
  RosterGrid grid;
  const auto player = store.player_index();
  const auto sort = std::find_if(std::begin(sorts), std::end(sorts), [&](const Sort& s) { return s.choice == choice; });
  const bool sorting = sort != std::end(sorts);
  const bool holders = choice == "View Title Holders";
  const bool injured = choice == "View All Unavailable";
  const Filter keep = sorting ? Filter([](WorkerView) { return true; }) : view_filter(store, choice);
  if (sorting) grid.extra_caption = sort->caption;
  if (holders) grid.extra_caption = "Title";
  if (injured) grid.extra_caption = "Estimated Return";
  const auto roster = player_workers(store);
  grid.roster_size = roster.size();
  for (const std::size_t r : roster) {
    const auto w = store.worker(r);
    RosterRow row{r, w.name(), w.pop(), w.ent(), {}, 0};
    if (holders) {
      row.extra = titles_text(store, *player, w.name());
      if (row.extra.empty()) continue;
    } else if (!keep(w)) {
      continue;
    }
    if (injured) {
      row.extra_key = w.num(Col::injury);
      row.extra = days_text(row.extra_key);
    } else if (sorting && sort->column == Col::expires) {
      row.extra = w.expires();
      row.extra_key = expiry_key(w.expires());
    } else if (sorting) {
      row.extra_key = w.num(sort->column);
      if (sort->column == Col::wages) row.extra = money_text(row.extra_key);
      else if (!sort->caption.empty()) row.extra = std::string(ability_word(row.extra_key));
    }
    grid.rows.push_back(std::move(row));
  }
  if (sorting) {
    const bool soonest_first = sort->column == Col::expires;
    std::stable_sort(grid.rows.begin(), grid.rows.end(), [soonest_first](const RosterRow& a, const RosterRow& b) {
      return soonest_first ? a.extra_key < b.extra_key : a.extra_key > b.extra_key;
    });
  }
  return grid;
}

}  // namespace rv

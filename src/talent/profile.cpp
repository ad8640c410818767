#include "talent/profile.h"

#include <algorithm>

#include "state/date.h"
#include "state/fileio.h"
#include "state/inbox.h"
#include "state/ledger.h"
#include "state/naming.h"
#include "talent/contract.h"
#include "talent/split.h"
#include "titles/titles.h"

namespace rv {

namespace {

Num reference_level(const Store& store) {
  const auto p = store.player_index();
  return p ? store.promotion(*p).reference_level() : 0;
}

std::string shown_or_none(const std::string& text) {
  return text.empty() || text == cleared ? std::string(none_text) : text;
}

std::string brand_text(const Store& store, const std::string& brand) {
  const auto p = store.player_index();
  if (!p || !roster_split(store)) return brand.empty() ? std::string(brand_all) : brand;
  const auto promo = store.promotion(*p);
  if (brand == brand_one) return promo.at(prom::brand1_name).empty() ? brand : promo.at(prom::brand1_name);
  if (brand == brand_two) return promo.at(prom::brand2_name).empty() ? brand : promo.at(prom::brand2_name);
  return "Both Brands";
}

std::string condition_text(WorkerView w) {
  if (w.text(Col::cond) == injured_condition) {
    const Num days = w.num(Col::injury);
    return "Injured (" + to_text(days) + (days == 1 ? " day)" : " days)");
  }
  return to_text(w.cond());
}

// Which band of the standing against the reference level `t` a popularity falls in: the bands
// are (bounds[i-1], bounds[i]] measured as t minus the bound; returns the value of the band.
struct Band {
  Num below;  // the band's upper edge: t - below
  Num change;
};
Num banded(Num w, Num t, std::initializer_list<Band> bands, Num above_all) {
  Num previous_edge = -1'000'000;
  Num result = 0;
  bool found = false;
  for (const Band& b : bands) {
    const Num edge = t - b.below;
    if (!found && w > previous_edge && w <= edge) {
      result = b.change;
      found = true;
    }
    previous_edge = edge;
  }
  return found ? result : (w > previous_edge ? above_all : 0);
}

}  // namespace

std::vector<std::string> titles_held(const Store& store, std::size_t row) {
  std::vector<std::string> out;
  const auto p = store.player_index();
  if (!p) return out;
  const std::string& name = store.worker(row).name();
  for (std::size_t k = 0; k < prom::title_slots; ++k) {
    if (holds_title(store, *p, k, name)) out.push_back(store.promotion(*p).title(k).name());
  }
  return out;
}

std::string disposition_text(const Store& store, std::size_t row) {
  const auto w = store.worker(row);
  if (const auto turn = planned_turn(store, w.name())) return "Turning " + *turn;
  return w.faceheel();
}

std::vector<ProfileFact> profile_facts(const Store& store, std::size_t row) {
  const auto w = store.worker(row);
  std::vector<ProfileFact> f = {
      {"Draw Value", to_text(w.pop()), w.pop()},        {"In Ring Ability", to_text(w.ent()), w.ent()},
      {"Mic Skills", to_text(w.micskills()), w.micskills()}, {"Charisma", to_text(w.charisma()), w.charisma()},
      {"Hardcore", to_text(w.hardcore()), w.hardcore()},
      {"Condition", condition_text(w), w.text(Col::cond) == injured_condition ? std::optional<Num>() : w.cond()},
      {"Morale", to_text(w.morale()), w.morale()},
      {"Role", std::string(role_name(w.roles())), std::nullopt},
      {"Face/Heel", disposition_text(store, row), std::nullopt},
      {"Tag Team", shown_or_none(w.tagteam()), std::nullopt},
      {"Stable", shown_or_none(w.stable()), std::nullopt},
      {"Valet", shown_or_none(w.manager()), std::nullopt},
      {"Brand", brand_text(store, w.brand()), std::nullopt},
      {"Ring Style", w.ringstyle(), std::nullopt},
      {"Gender", w.gender(), std::nullopt},
      {"Weight", w.weight(), std::nullopt},
  };
  std::string held;
  for (const auto& t : titles_held(store, row)) held += (held.empty() ? "" : ", ") + t;
  f.push_back({"Title", held.empty() ? std::string(none_text) : held, std::nullopt});
  return f;
}

Num role_morale_change(int role, Num w, Num t, std::string_view retire) {
  if (role == 1) return banded(w, t, {{21, 0}, {15, -5}, {10, -10}, {5, -15}, {0, -25}}, -35);
  if (w <= 0) return 0;
  if (role == 2) {
    if (retire == "1") return 0;
    return banded(w, t, {{60, 40}, {40, 35}, {30, 20}, {20, 10}, {15, 8}, {5, 0}, {0, -5}}, -10);
  }
  return banded(w, t, {{60, 75}, {40, 60}, {30, 40}, {20, 30}, {15, 25}, {10, 20}, {5, 15}}, 10);
}

RoleChange change_role(Store& store, std::size_t row, int role) {
  RoleChange out;
  if (row >= store.worker_count() || role < 1 || role > 3) return out;
  const auto w = store.worker(row);
  if (leading_int(w.roles()) == role) return out;  // the same role again changes nothing
  w.set_roles(to_text(role));
  if (w.ringstyle() == non_worker || w.retire() == retire::retired) return out;
  const Num t = reference_level(store);
  out.morale_change = role_morale_change(role, w.pop(), t, w.retire());
  set_worker_morale(store, row, std::clamp<Num>(w.morale() + out.morale_change, 0, 100),
                    "Role change: " + std::string(role_name(w.roles())));
  if (role == 1 && w.pop() > t - 5) {
    out.complaint = w.name() + (w.pop() > t ? " is very unhappy at being relegated to lower card status."
                                            : " is unhappy at being relegated to lower card status.");
    post_info(store, "Road Agent", "Worker Complaint", out.complaint);
  }
  return out;
}

std::optional<std::string> planned_turn(const Store& store, const std::string& name) {
  for (std::size_t b = 0; b + rec::turn <= store.turns.size(); b += rec::turn) {
    if (store.turns[b + turn::worker] == name) return store.turns[b + turn::disposition];
  }
  return std::nullopt;
}

std::string turn_question(const Store& store, std::size_t row) {
  const auto w = store.worker(row);
  if (const auto turn = planned_turn(store, w.name())) {
    return "Plans are in place to turn " + w.name() + " " + *turn + " at the next show.\nDo you want to scrap these plans?";
  }
  const std::string_view to = w.faceheel() == alignment::face ? alignment::heel : alignment::face;
  return "Turn " + w.name() + " " + std::string(to) + "?";
}

std::optional<std::string> answer_turn_question(Store& store, std::size_t row) {
  const auto w = store.worker(row);
  for (std::size_t b = 0; b + rec::turn <= store.turns.size(); b += rec::turn) {
    if (store.turns[b + turn::worker] != w.name()) continue;
    remove_record(store.turns, b, rec::turn);
    return "Plans to turn " + w.name() + " have now been scrapped.";
  }
  const Num t = reference_level(store);
  const Num pop = w.pop();
  const std::string standing = pop >= t ? "Upper" : pop >= t - 10 ? "Mid" : "Lower";
  const std::string_view to = w.faceheel() == alignment::face ? alignment::heel : alignment::face;
  append_record(store.turns, {w.name(), std::string(to), standing, w.tagteam(),
                              w.brand().empty() ? std::string(brand_all) : w.brand(), current_full_date(store)});
  return std::nullopt;
}

std::vector<std::string> worker_brand_choices(const Store& store) {
  return {brand_text(store, std::string(brand_one)), brand_text(store, std::string(brand_two)), "Both Brands",
          "Make No Changes"};
}

void set_worker_brand(Store& store, std::size_t row, std::size_t choice) {
  if (row >= store.worker_count() || choice > 2) return;
  const std::string_view brands[] = {brand_one, brand_two, brand_all};
  store.worker(row).set_brand(std::string(brands[choice]));
}

std::vector<std::string> manager_choices(const Store& store, std::size_t row) {
  std::vector<std::string> out;
  const std::string& own = store.worker(row).promotion();
  for (std::size_t r = 0; r < store.worker_count(); ++r) {
    if (r != row && store.worker(r).promotion() == own) out.push_back(store.worker(r).name());
  }
  out.emplace_back(none_text);
  out.emplace_back("Make No Changes");
  return out;
}

Status set_manager(Store& store, std::size_t row, const std::string& choice) {
  if (row >= store.worker_count() || choice == "Make No Changes") return success();
  const auto w = store.worker(row);
  if (choice == none_text) {
    w.set_manager(std::string(cleared));
    return success();
  }
  const auto m = store.find_worker(choice);
  if (!m || *m == row || store.worker(*m).promotion() != w.promotion()) {
    return Failure{"A manager must be another worker of your promotion."};
  }
  w.set_manager(choice);
  return success();
}

std::vector<std::string> alter_egos(const Lines& records, const std::string& name) {
  std::vector<std::string> out;
  for (std::size_t b = 0; b + rec::alter_ego <= records.size(); b += rec::alter_ego) {
    const auto first = records.begin() + static_cast<std::ptrdiff_t>(b);
    if (std::find(first, first + rec::alter_ego, name) == first + rec::alter_ego) continue;
    for (auto it = first; it != first + rec::alter_ego; ++it) {
      if (*it != name && *it != "-" && !it->empty()) out.push_back(*it);
    }
    break;
  }
  return out;
}

std::string alter_ego_note(const Lines& records, const std::string& name) {
  const auto others = alter_egos(records, name);
  if (others.empty()) return {};
  std::string note = "Names this worker has used before: ";
  for (std::size_t i = 0; i < others.size(); ++i) note += (i ? ", " : "") + others[i];
  return note + ".";
}

Lines load_alter_egos(const Home& home) {
  auto lines = read_lines(home.data() / std::string(alter_ego_file));
  return lines ? std::move(*lines) : Lines{};
}

Status set_short_name(Store& store, std::size_t row, const std::string& name) {
  if (row >= store.worker_count()) return Failure{"That worker is not in the game."};
  std::vector<std::string> others;
  for (std::size_t r = 0; r < store.worker_count(); ++r)
    if (r != row) others.push_back(store.worker(r).shortname());
  if (auto problem = name_problem(name, NameKind::short_name, others)) return Failure{*problem};
  store.worker(row).set_shortname(name);
  return success();
}

Status set_description(Store& store, std::size_t row, const std::string& text) {
  if (row >= store.worker_count()) return Failure{"That worker is not in the game."};
  if (!storable_text(text)) return Failure{"That description cannot be stored."};
  store.worker(row).set_desc(text);
  return success();
}

Status set_finisher(Store& store, std::size_t row, const std::string& name) {
  if (row >= store.worker_count()) return Failure{"That worker is not in the game."};
  if (name.empty()) return Failure{"The finisher name cannot be blank."};
  if (!storable_text(name)) return Failure{"That finisher name cannot be stored."};
  if (like(name, "The *")) return Failure{"Do not start the finisher name with 'The'!"};
  store.worker(row).set_finisher(name);
  return success();
}

bool known_finisher_type(std::string_view type) { return type == "p" || type == "s" || type == "t"; }

Status set_finisher_type(Store& store, std::size_t row, const std::string& type) {
  if (row >= store.worker_count()) return Failure{"That worker is not in the game."};
  if (!known_finisher_type(type)) return Failure{std::string(finisher_type_refusal)};
  store.worker(row).set_finishertype(type);
  return success();
}

std::string career_line(const Store& store, std::size_t row) {
  const auto w = store.worker(row);
  const std::string& r = w.retire();
  std::string text;
  if (r == retire::retired) {
    text = " is retired as an active worker.";
  } else if (r == retire::retiring) {
    text = " has announced his retirement as an active worker.";
  } else {
    const Num years = w.num(Col::retire);
    text = years < 2    ? " may have less than a year left as an active worker."
           : years < 4  ? " is approaching the end of his career as an active worker."
           : years < 6  ? " has about 5 years left as an active worker."
           : years < 11 ? " has 5-10 years left as an active worker."
                        : " has at least a decade left as an active worker.";
  }
  return w.name() + for_gender(text, w.is_female());
}

std::string morale_line(const Store& store, std::size_t row) {
  const auto w = store.worker(row);
  const Num m = w.morale();
  const char* text = m < 30   ? " He is very unhappy here and would like to leave."
                     : m < 40 ? " He is considering asking for a contract release."
                     : m < 50 ? " He is unhappy here and is unlikely to sign a new contract."
                     : m < 60 ? " He is not happy with the way he's been used here."
                     : m < 70 ? " He is disappointed with how he has been used."
                     : m < 80 ? " He is satisfied with his position here."
                     : m < 90 ? " He is pleased to work for this promotion."
                              : " He is very happy working here.";
  return for_gender(text, w.is_female());
}

ContractDetails contract_details(const Store& store, std::size_t row) {
  const auto w = store.worker(row);
  return {weekly_wage_text(w.wages()), std::string(role_name(w.roles())), w.expires(), w.indybookings(),
          career_line(store, row), morale_line(store, row)};
}

}  // namespace rv

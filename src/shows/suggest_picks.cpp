#include "shows/suggest_picks.h"

// Choosing who works a suggested card.
//  - Pairings: two workers on opposite sides of an archived match have met (the archive keeps the
//    winning side, so the meetings known are the winners' with everyone else in the match). A
//    meeting within the last four weeks is not booked again in an open match while someone else
//    is offered; feud and title matches book their sides whatever the past.
//  - Title rota: a title's last defence is the date of the last archived show with a match for it.
//    A title the archive never saw defended waits longest; ties go by slot (the primary title
//    first). Each card defends the titles owed from the front of the rota.
//  - Fresh faces: once shows have been archived, a wrestler seen on none of them (a new signing,
//    or someone left off so far) is picked before the others in the open matches, so a signing
//    works one of his first shows.
//  - Condition: a worker whose condition would be under 50 after the match's stipulation (or is
//    already, without one) rests while someone fitter is offered, and a stipulation is only put
//    on a planned match whose workers all come out of it at 50 or more.
#include <algorithm>
#include <functional>
#include <limits>
#include <utility>

#include "feuds/feuds.h"
#include "promotion/teams.h"
#include "shows/suggest_steps.h"
#include "state/date.h"
#include "state/dates.h"
#include "state/history.h"
#include "talent/roster.h"
#include "titles/titles.h"

namespace rv::suggest_pick {

namespace {

constexpr std::string_view female = "Female";
constexpr std::string_view male = "Male";
constexpr std::string_view title_tag = "Tag Team";
constexpr std::size_t best_few = 3;  // an open match takes one of the best few offered
// A worker this close to going to the press (in morale) is booked before the others.
constexpr Num patience_margin = 10;

std::array<std::string, 2> pair_of(const std::string& a, const std::string& b) {
  return a < b ? std::array<std::string, 2>{a, b} : std::array<std::string, 2>{b, a};
}

bool has(const std::vector<std::string>& v, const std::string& s) { return std::find(v.begin(), v.end(), s) != v.end(); }

std::optional<long long> show_day(const std::string& date) {
  const auto d = parse_full_date(date);
  if (!d) return std::nullopt;
  return day_index(*d);
}

// Popularity and ability together: what makes a worker worth a place high on the card.
Num worth(const BookableWorker& w) { return w.pop + w.ability; }

const BookableWorker* find(const std::vector<BookableWorker>& roster, const std::string& name) {
  for (const auto& w : roster)
    if (w.name == name) return &w;
  return nullptr;
}

}  // namespace

bool wrestles(const BookableWorker& w) { return w.ringstyle != non_worker; }

bool CardMemory::met_recently(const std::string& a, const std::string& b) const {
  return std::binary_search(recent.begin(), recent.end(), pair_of(a, b));
}

bool CardMemory::fresh(const std::string& name) const {
  return has_past && !std::binary_search(worked.begin(), worked.end(), name);
}

CardMemory card_memory(const Store& store) {
  CardMemory out;
  const History h = read_recent_history(store.history, memory_days);
  const long long today = day_index(current_date(store));
  const auto player = store.player_index();
  std::vector<long long> last_defence(prom::title_slots, std::numeric_limits<long long>::min());
  for (const auto& show : h.shows) {
    out.has_past = true;
    const auto day = show_day(show.date);
    const bool recent = day && today - *day <= repeat_window_days && today >= *day;
    for (const auto& m : show.matches) {
      out.worked.insert(out.worked.end(), m.workers.begin(), m.workers.end());
      if (recent)
        for (const auto& w : m.winning)
          for (const auto& other : m.workers)
            if (!has(m.winning, other)) out.recent.push_back(pair_of(w, other));
      if (!player || m.title.empty() || !day) continue;
      if (const auto k = title_named(store, *player, m.title)) last_defence[*k] = std::max(last_defence[*k], *day);
    }
  }
  std::sort(out.recent.begin(), out.recent.end());
  out.recent.erase(std::unique(out.recent.begin(), out.recent.end()), out.recent.end());
  std::sort(out.worked.begin(), out.worked.end());
  out.worked.erase(std::unique(out.worked.begin(), out.worked.end()), out.worked.end());
  if (player)
    for (std::size_t k = 0; k < prom::title_slots; ++k)
      if (store.promotion(*player).title(k).exists()) out.title_rota.push_back(k);
  std::stable_sort(out.title_rota.begin(), out.title_rota.end(),
                   [&](std::size_t a, std::size_t b) { return last_defence[a] < last_defence[b]; });
  return out;
}

std::optional<Plan> feud_plan(const Store& store, const Booking& b, std::size_t k, std::vector<std::string>& taken) {
  const auto& roster = b.roster();
  if (!feud_running(store, k)) return std::nullopt;
  const auto f = feud_slot(store, k);
  const bool tag = f.at(feud::type) == feud::tag_team;
  if (!tag && f.at(feud::type) != feud::singles) return std::nullopt;
  std::vector<std::size_t> lines{feud::worker1, feud::worker2};
  if (tag) lines = {feud::worker1, feud::worker2, feud::worker3, feud::worker4};
  std::vector<BookableWorker> members;
  for (std::size_t line : lines) {
    const auto* w = find(roster, f.at(line));
    if (!w || w->on_card || !wrestles(*w) || has(taken, w->name)) return std::nullopt;
    if (std::any_of(members.begin(), members.end(), [&](const BookableWorker& m) { return m.name == w->name; }))
      return std::nullopt;
    members.push_back(*w);
  }
  auto is_female = [](const BookableWorker& w) { return w.gender == female; };
  const auto women = static_cast<std::size_t>(std::count_if(members.begin(), members.end(), is_female));
  Plan plan;
  const std::size_t side = tag ? 2 : 1;
  for (std::size_t i = 0; i < members.size(); i += side) {
    plan.sides.emplace_back();
    for (std::size_t j = i; j < i + side; ++j) plan.sides.back().push_back(members[j].name);
  }
  if (women == 0) {
    plan.type = tag ? match_type::tag_team : match_type::singles;
  } else if (women == members.size()) {
    plan.type = tag ? "Women's Tag Team" : "Women's Match";
  } else if (!tag) {
    plan.type = "Intergender Match";
  } else if (is_female(members[0]) != is_female(members[1]) && is_female(members[2]) != is_female(members[3])) {
    plan.type = "Intergender Tag Team";
  } else {
    return std::nullopt;
  }
  for (const auto& m : members) taken.push_back(m.name);
  return plan;
}

std::size_t titles_owed(int match_count, bool big_show) {
  const auto n = static_cast<std::size_t>(std::max(match_count, 0));
  return std::max<std::size_t>(1, big_show ? n / 2 : n / 3);
}

namespace {

struct TitleFacts {
  bool tag = false;
  std::string gender, weight, brand;
};

TitleFacts facts_of(const Store& store, std::size_t player, std::size_t k) {
  const auto t = store.promotion(player).title(k);
  return {t.is_tag(), t.get(TitleField::gender_limit), t.get(TitleField::weight_limit), t.get(TitleField::brand)};
}

// The match type a title of this kind is defended in by workers of this gender.
std::string title_type(bool tag, const std::string& gender) {
  if (gender == female) return tag ? "Women's Tag Team" : "Women's Match";
  return std::string(tag ? match_type::tag_team : match_type::singles);
}

bool type_takes_title(std::string_view type, const TitleFacts& f) {
  const auto* t = find_match_type(type);
  if (!t || t->title_kind.empty()) return false;
  if ((t->title_kind == title_tag) != f.tag) return false;
  return f.gender == t->title_gender || f.gender == brand_all;
}

}  // namespace

bool title_fits_plan(const Store& store, std::size_t k, const Plan& plan) {
  const auto player = store.player_index();
  if (!player || !type_takes_title(plan.type, facts_of(store, *player, k))) return false;
  for (const auto& side : plan.sides)
    for (const auto& name : side)
      if (holds_title(store, *player, k, name)) return true;
  return false;
}

namespace {

// The sides that could challenge, best first: real teams by their members' popularity together
// (for sides of two), then the contenders in their order (most popular first).
std::vector<std::vector<std::string>> ranked_sides(const std::vector<BookableWorker>& pool, std::size_t side) {
  std::vector<std::pair<Num, std::vector<std::string>>> teams;
  if (side == 2)
    for (std::size_t i = 0; i < pool.size(); ++i)
      for (std::size_t j = i + 1; j < pool.size(); ++j)
        if (names_a_team(pool[i].tagteam) && pool[i].tagteam == pool[j].tagteam)
          teams.push_back({pool[i].pop + pool[j].pop, {pool[i].name, pool[j].name}});
  std::stable_sort(teams.begin(), teams.end(), [](const auto& a, const auto& c) { return a.first > c.first; });
  std::vector<std::vector<std::string>> out;
  for (auto& team : teams) out.push_back(std::move(team.second));
  for (std::size_t i = 0; i + side <= pool.size(); i += side) {
    out.emplace_back();
    for (std::size_t j = i; j < i + side; ++j) out.back().push_back(pool[j].name);
  }
  return out;
}

// Of the best few sides, the first who has not met the holders lately, else the best; its members
// leave the pool. Empty when the pool cannot make a side.
std::vector<std::string> best_side(std::vector<BookableWorker>& pool, std::size_t side, const std::vector<std::string>& holders,
                                   const CardMemory& memory) {
  const auto ranked = ranked_sides(pool, side);
  if (ranked.empty()) return {};
  auto met = [&](const std::vector<std::string>& s) {
    return std::any_of(s.begin(), s.end(), [&](const std::string& x) {
      return std::any_of(holders.begin(), holders.end(), [&](const std::string& h) { return memory.met_recently(x, h); });
    });
  };
  std::vector<std::string> out = ranked.front();
  for (std::size_t i = 0; i < std::min(ranked.size(), best_few); ++i)
    if (!met(ranked[i])) {
      out = ranked[i];
      break;
    }
  std::erase_if(pool, [&](const BookableWorker& w) { return has(out, w.name); });
  return out;
}

}  // namespace

std::optional<Plan> title_plan(const Store& store, const Booking& b, const CardMemory& memory, std::size_t k,
                                std::vector<std::string>& taken) {
  const auto player = store.player_index();
  if (!player || !store.promotion(*player).title(k).exists()) return std::nullopt;
  const TitleFacts f = facts_of(store, *player, k);
  if (f.brand != b.setting().brand && f.brand != brand_all) return std::nullopt;
  const auto& roster = b.roster();
  // The holders: the block names them; every one must be free and wrestle.
  std::vector<std::string> holders;
  const auto t = store.promotion(*player).title(k);
  const std::string& holder = t.holder();
  if (holder != vacant && !holder.empty()) {
    for (std::size_t r = 0; r < store.worker_count(); ++r)
      if (holds_title(store, *player, k, store.worker(r).name())) holders.push_back(store.worker(r).name());
    if (holders.size() != (f.tag ? 2u : 1u)) return std::nullopt;
    for (const auto& h : holders) {
      const auto* w = find(roster, h);
      if (!w || w->on_card || has(taken, h) || !wrestles(*w)) return std::nullopt;
    }
  }
  // The gender the match is booked in: the holders', else the title's, else the best free wrestler's.
  std::string gender = f.gender;
  if (!holders.empty()) gender = find(roster, holders.front())->gender;
  if (gender == brand_all) {
    const BookableWorker* top = nullptr;
    for (const auto& w : roster)
      if (!w.on_card && wrestles(w) && !has(taken, w.name) && (!top || w.pop > top->pop)) top = &w;
    if (!top) return std::nullopt;
    gender = top->gender;
  }
  if (gender != male && gender != female) return std::nullopt;
  for (const auto& h : holders)
    if (find(roster, h)->gender != gender) return std::nullopt;
  Plan plan;
  plan.type = title_type(f.tag, gender);
  if (!type_takes_title(plan.type, f)) return std::nullopt;
  plan.title = t.name();
  plan.title_slot = k;
  // Contenders: free wrestlers of the gender (and weight class), most popular first.
  std::vector<BookableWorker> pool;
  for (const auto& w : roster) {
    if (w.on_card || !wrestles(w) || w.gender != gender || has(taken, w.name) || has(holders, w.name)) continue;
    if (f.weight == "Light" || f.weight == "Heavy") {
      const auto row = store.find_worker(w.name);
      if (!row || store.worker(*row).weight() != f.weight) continue;
    }
    pool.push_back(w);
  }
  std::stable_sort(pool.begin(), pool.end(), [](const auto& a, const auto& c) { return a.pop > c.pop; });
  const std::size_t side = f.tag ? 2 : 1;
  if (!holders.empty()) plan.sides.push_back(holders);
  while (plan.sides.size() < 2) {
    auto s = best_side(pool, side, holders, memory);
    if (s.empty()) return std::nullopt;
    plan.sides.push_back(std::move(s));
  }
  for (const auto& s : plan.sides) taken.insert(taken.end(), s.begin(), s.end());
  return plan;
}

bool holders_keep_title(const Store& store, const Plan& plan) {
  const auto player = store.player_index();
  if (!player || plan.title.empty() || plan.title_slot >= main_title_slots || plan.sides.size() < 2) return false;
  const auto t = store.promotion(*player).title(plan.title_slot);
  if (!t.exists() || t.holder().empty() || t.holder() == vacant) return false;
  // The winners' choice names the first side, so the holders must stand there.
  if (plan.sides.front().empty() || !holds_title(store, *player, plan.title_slot, plan.sides.front().front())) return false;
  for (std::size_t i = 1; i < plan.sides.size(); ++i) {
    const auto row = plan.sides[i].empty() ? std::nullopt : store.find_worker(plan.sides[i].front());
    if (row && big_enough_to_hold(store.worker(*row).pop(), t.level())) return false;
  }
  return true;
}

std::string open_participant(const std::vector<std::string>& offered, const PickSituation& at, Rng& rng) {
  const Booking& b = at.booking;
  const auto* t = find_match_type(b.line(at.plan.slot, match::type));
  const std::size_t side_size = t ? std::max<std::size_t>(t->side_size, 1) : 1;
  const std::size_t side = at.pick / side_size;
  for (const auto& item : offered)
    if (item.ends_with(champion_suffix)) return item;
  const auto& roster = b.roster();
  std::vector<BookableWorker> candidates;
  for (const auto& w : roster)
    if (wrestles(w) && has(offered, w.name)) candidates.push_back(w);
  if (candidates.empty()) return "";
  // Narrow the field a rule at a time, never to nobody.
  auto keep = [&](auto wanted) {
    if (std::any_of(candidates.begin(), candidates.end(), wanted)) std::erase_if(candidates, std::not_fn(wanted));
  };
  // The ones already on the other sides: the handicap pair are the first two picks, the lone worker after them.
  std::vector<std::string> opponents;
  for (std::size_t i = 0; i < at.picked.size(); ++i) {
    const bool same = t && t->name == match_type::handicap ? (i < 2) == (at.pick < 2) : i / side_size == side;
    if (!same) opponents.push_back(at.picked[i]);
  }
  keep([&](const BookableWorker& w) {
    return std::none_of(opponents.begin(), opponents.end(), [&](const std::string& o) { return at.memory.met_recently(w.name, o); });
  });
  if (!at.plan.main_event) keep([&](const BookableWorker& w) { return at.memory.fresh(w.name); });
  if (side_size > 1 && at.pick % side_size != 0 && side * side_size < at.picked.size()) {
    const auto* first = find(roster, at.picked[side * side_size]);
    const std::string team = first ? first->tagteam : "";
    keep([&](const BookableWorker& w) { return names_a_team(team) && w.tagteam == team; });
  }
  // The worn out rest, and a stipulation goes to those it leaves fit enough to carry the match.
  const std::string& stipulation = b.line(at.plan.slot, match::stipulation);
  const Num danger = stipulation.empty() || stipulation == none_text || !t ? 0 : suggest_step::stipulation_danger(at.store, t->name, stipulation);
  keep([&](const BookableWorker& w) { return suggest_step::affords(w, danger); });
  // Among them, a name near the end of his patience: left off again, he would soon tell the press.
  if (const auto player = at.store.player_index()) {
    const Num level = at.store.promotion(*player).reference_level();
    keep([&](const BookableWorker& w) { return heard_by_press(sub_sat(w.morale, patience_margin), w.pop, level); });
  }
  if (at.plan.main_event)
    return std::max_element(candidates.begin(), candidates.end(), [](const auto& a, const auto& c) { return a.pop < c.pop; })->name;
  // The most worth first, ties in the order offered; each worth looked up once.
  std::vector<std::pair<Num, std::size_t>> ranked;
  for (std::size_t i = 0; i < candidates.size(); ++i) ranked.emplace_back(worth(candidates[i]), i);
  std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& c) { return a.first > c.first; });
  const std::size_t few = std::min(candidates.size(), best_few);
  return candidates[ranked[static_cast<std::size_t>(rng.draw(static_cast<int>(few)) - 1)].second].name;
}

}  // namespace rv::suggest_pick

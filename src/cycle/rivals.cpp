#include "cycle/rivals.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <utility>

#include "state/calendar.h"
#include "cycle/contracts.h"
#include "state/inbox.h"
#include "state/ledger.h"
#include "state/date.h"
#include "talent/moves.h"

namespace rv {

// ---------------------------------------------------------------- rival shows

int rival_show_score(const RosterFigures& r) {
  int q = 0;
  const int n = r.size;
  q += n > 30 ? 10 : n > 25 ? 8 : n > 20 ? 6 : n > 15 ? 4 : n > 10 ? 2 : n > 5 ? 1 : 0;
  const int t = r.top;
  q += t >= 8 ? 25 : t >= 6 ? 23 : t == 5 ? 20 : t == 4 ? 15 : t == 3 ? 12 : t == 2 ? 8 : t == 1 ? 4 : 0;
  const int m = r.next;
  q += m > 15 ? 20 : m > 12 ? 18 : m > 9 ? 16 : m > 7 ? 14 : m > 5 ? 12 : m > 3 ? 10 : m > 1 ? 8 : 0;
  auto quality = [](int a) {
    return a >= 90 ? 20 : a >= 80 ? 18 : a >= 75 ? 16 : a >= 70 ? 14 : a >= 60 ? 12 : a >= 50 ? 10 : a >= 40 ? 8 : 0;
  };
  return q + quality(r.ability) + quality(r.morale);
}

int rival_show_popularity(int q, std::size_t show) {
  const bool main_show = show < prom::main_show_count;
  if (q >= 90) return main_show ? 5 : 3;
  if (q >= 80) return main_show ? 4 : 2;
  if (q >= 75) return main_show ? 2 : 1;
  if (q >= 70) return 0;
  if (q >= 60) return main_show ? -2 : -1;
  if (q >= 50) return main_show ? -4 : -2;
  return main_show ? -5 : -3;
}

int rival_show_morale_change(Rng& rng, int morale) {
  // A draw from -3 to +3, nudged one point toward a settled morale of 75.
  int change = rng.draw(7) - 4;
  if (morale < 75) change += 1;
  else if (morale > 75) change -= 1;
  return std::clamp(change, -3, 3);
}

namespace {

bool appears_on_shows(const WorkerView& w) {
  return w.injury() == "0" && w.retire() != retire::retired && w.ringstyle() != non_worker;
}

void add_top10(Store& s, std::string kind, std::string name, std::string value) {
  append_record(s.weeklytop10, {std::move(kind), std::move(name), std::move(value)});
}

}  // namespace

void otherfedsshows(Game& game) {
  Store& s = game.store;
  const std::string weekday(current_date(s).weekday_name());
  const std::string& player = s.md(md::player_initials);
  // The promotions with a show today and their shows.
  struct Today {
    std::size_t index;
    std::vector<std::size_t> shows;
    std::vector<std::size_t> roster;
  };
  std::vector<Today> today;
  std::unordered_map<std::string, std::size_t> by_initials;
  const std::size_t pc = s.promotion_count();
  for (std::size_t i = 0; i < pc; ++i) {
    const auto p = std::as_const(s).promotion(i);
    if (p.initials().empty() || p.initials() == player) continue;
    Today t{i, {}, {}};
    for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
      if (!p.show(k, prom::show::name).empty() && p.show(k, prom::show::weekday) == weekday) t.shows.push_back(k);
    }
    if (t.shows.empty()) continue;
    by_initials.emplace(p.initials(), today.size());
    today.push_back(std::move(t));
  }
  if (today.empty()) return;
  const std::size_t wc = s.worker_count();
  for (std::size_t r = 0; r < wc; ++r) {
    const auto w = std::as_const(s).worker(r);
    const auto found = by_initials.find(w.promotion());
    if (found != by_initials.end()) {
      today[found->second].roster.push_back(r);
      continue;
    }
    const std::string& multi = w.multiproms();
    if (multi.empty() || multi == none_text) continue;
    for (auto& t : today) {
      if (contains(multi, s.promotion(t.index).initials())) t.roster.push_back(r);
    }
  }
  for (auto& t : today) {
    const auto p = s.promotion(t.index);
    const Num v = p.reference_level();
    for (std::size_t k : t.shows) {
      // Written down only for a worker of the player's, the cause worded when the first is met.
      std::string cause;
      for (std::size_t r : t.roster) {
        const auto w = s.worker(r);
        if (!appears_on_shows(std::as_const(s).worker(r))) continue;
        if (cause.empty() && player_worker(s, r)) cause = "Rival show: " + p.show(k, prom::show::name) + " (" + p.initials() + ")";
        const Num morale = w.morale();
        set_worker_morale(s, r, clamp_int(morale + rival_show_morale_change(game.rng, static_cast<int>(morale)), 1, 100), cause);
      }
      RosterFigures f;
      double ent = 0, morale = 0;
      for (std::size_t r : t.roster) {
        const auto w = std::as_const(s).worker(r);
        ++f.size;
        if (w.pop() >= v) ++f.top;
        else if (w.pop() >= v - 15) ++f.next;
        ent += static_cast<double>(w.ent());
        morale += static_cast<double>(w.morale());
      }
      if (f.size > 0) {
        f.ability = static_cast<int>(std::lround(ent / f.size));
        f.morale = static_cast<int>(std::lround(morale / f.size));
      }
      const int q = rival_show_score(f);
      p.set_show(k, prom::show::rating, to_text(q));
      const std::string name = p.show(k, prom::show::name) + " (" + p.initials() + ", " + weekday + ")";
      const std::string& kind = p.show(k, prom::show::kind);
      const Num crowd = kind == "House" ? p.num(prom::house_attendance) : p.num(prom::tv_attendance);
      add_top10(s, "Attendence", name, to_text(q * crowd / 100));
      if (kind == "TV" && p.at(prom::tv_status) == "National") {
        const Num points = q * leading_int(p.show(k, prom::show::audience)) / 100;
        add_top10(s, "TV Rating", name, decimal_text(static_cast<double>(points) / 100.0));
      }
      p.set_popularity(clamp_int(p.popularity() + rival_show_popularity(q, k), 1, 100));
    }
  }
}

void weekly_top10(Store& s) {
  if (s.md(md::top10_started) != "yes") {
    s.set_md(md::top10_started, "yes");
    s.weeklytop10.clear();
  } else {
    filltop10(s);
  }
}

void filltop10(Store& s) {
  struct Entry {
    std::string name;
    double value;
  };
  std::vector<Entry> ratings, crowds;
  for (std::size_t i = 0; i + rec::top10_entry <= s.weeklytop10.size(); i += rec::top10_entry) {
    const RecordView e(s.weeklytop10, i);
    Entry entry{e.at(top10::name), leading_number(e.at(top10::value))};
    if (e.at(top10::kind) == "TV Rating") ratings.push_back(std::move(entry));
    else if (e.at(top10::kind) == "Attendence") crowds.push_back(std::move(entry));
  }
  auto fill = [&s](std::vector<Entry>& list, std::size_t first) {
    std::stable_sort(list.begin(), list.end(), [](const Entry& a, const Entry& b) { return a.value > b.value; });
    for (std::size_t k = 0; k < top10::entries_shown; ++k) {
      const bool has = k < list.size();
      s.set_md(first + 2 * k, has ? list[k].name : "");
      s.set_md(first + 2 * k + 1, has ? decimal_text(list[k].value) : "");
    }
  };
  fill(ratings, md::top_tv_ratings);
  fill(crowds, md::top_indy_attendance);
  s.weeklytop10.clear();
}

void rank_rival_rosters(Store& s) {
  std::unordered_map<std::string, Num> levels;
  const std::string& player = s.md(md::player_initials);
  for (std::size_t i = 0; i < s.promotion_count(); ++i) {
    const auto p = std::as_const(s).promotion(i);
    if (!p.initials().empty() && p.initials() != player) levels.emplace(p.initials(), p.reference_level());
  }
  const std::size_t n = s.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = s.worker(r);
    const auto found = levels.find(w.promotion());
    if (found == levels.end() || w.ringstyle() == non_worker || w.retire() == retire::retired) continue;
    const Num v = found->second;
    w.set_roles(std::string(role_for_popularity(w.pop(), v, rival_ranking_mid_margin)));
  }
}

// ---------------------------------------------------------------- signings and bids

Band band_of(Num pop, Num level) {
  if (pop >= level) return Band::upper;
  if (pop >= level - 10) return Band::mid;
  return Band::lower;
}

Band needed_band(int upper, int mid, int lower) {
  // Each count against its share of the card (1 : 2 : 3), compared as count / share.
  const long long u = 6LL * upper, m = 3LL * mid, l = 2LL * lower;
  if (u <= m && u <= l) return Band::upper;
  return m <= l ? Band::mid : Band::lower;
}

Num bid_amount(Band band, Num rival_size) {
  switch (band) {
    case Band::upper: return rival_size >= 5 ? 700000 : 500000;
    case Band::mid: return 300000;
    case Band::lower: return 200000;
  }
  return 200000;
}

namespace {

bool signable(const WorkerView& w) {
  return w.ringstyle() != non_worker && w.retire() != retire::retired && w.retire() != retire::retiring;
}


}  // namespace

void otherfedssign(Game& game) {
  Store& s = game.store;
  const std::string player = s.md(md::player_initials);
  std::vector<std::size_t> rivals;
  for (std::size_t i = 0; i < s.promotion_count(); ++i) {
    const auto p = std::as_const(s).promotion(i);
    if (!p.initials().empty() && p.initials() != player) rivals.push_back(i);
  }
  if (rivals.empty()) return;
  const std::size_t ri = rivals[static_cast<std::size_t>(game.rng.draw(static_cast<int>(rivals.size())) - 1)];
  const auto rival = s.promotion(ri);
  const Num v = rival.reference_level();
  int counts[3] = {0, 0, 0};
  std::vector<std::size_t> free_agents[3], targets[3];
  const std::size_t n = s.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = std::as_const(s).worker(r);
    if (!signable(w)) continue;
    const auto b = static_cast<std::size_t>(band_of(w.pop(), v));
    if (w.promotion() == rival.initials()) ++counts[b];
    else if (w.promotion() == free_agent) free_agents[b].push_back(r);
    else if (w.promotion() == player && !player.empty()) targets[b].push_back(r);
  }
  const Band need = needed_band(counts[0], counts[1], counts[2]);
  const auto b = static_cast<std::size_t>(need);
  if (!free_agents[b].empty()) {
    const std::size_t row = free_agents[b][static_cast<std::size_t>(game.rng.draw(static_cast<int>(free_agents[b].size())) - 1)];
    const auto w = s.worker(row);
    join_promotion(s, row, ri);
    w.set_expires(month_year(current_date(s), game.rng.draw(max_renewal_years(rival.size_level()))));
    w.set_roles(std::string(role_for_popularity(w.pop(), v)));
    w.set_tagteam(std::string(cleared));
    w.set_manager(std::string(cleared));
    w.set_stable(std::string(cleared));
    w.set_morale(75);
    w.set_multiproms(std::string(none_text));
    rival.set_popularity(std::min<Num>(rival.popularity() + signing_popularity_gain(w.pop(), v), 100));
    return;
  }
  if (targets[b].empty()) return;
  const auto w = s.worker(targets[b][static_cast<std::size_t>(game.rng.draw(static_cast<int>(targets[b].size())) - 1)]);
  const std::string name = w.name();
  const Num amount = bid_amount(need, rival.size_level());
  const bool male = w.is_male();
  NewMessage m;
  m.sender = rival.initials();
  m.subject = "Offer For " + name;
  m.body = "We would like to make you an offer to buy out " + name + "'s contract, and bring " + (male ? "him" : "her") +
           " to " + rival.initials() + ". We are willing to pay $" + grouped(amount) + " to buy out the remainder of " +
           (male ? "his" : "her") + " contract.";
  m.kind = "OFFER";
  m.days_left = 2;
  m.ref1 = rival.initials();
  m.ref2 = name;
  m.ref3 = to_text(amount);
  post_message(s, current_full_date(s), m);
}

}  // namespace rv

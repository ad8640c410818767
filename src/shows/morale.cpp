#include "shows/morale.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "shows/booking.h"
#include "state/inbox.h"
#include "state/ledger.h"

namespace rv {

namespace {

constexpr std::string_view womens_match = "Women's Match";
constexpr std::string_view intergender_match = "Intergender Match";

// The types whose winning side gains 2 and whose losing sides lose 1, and nothing more.
constexpr std::array<std::string_view, 14> side_types = {
    "Tag Team", "Women's Tag Team", "Intergender Tag Team", "6 Man Tag", "Women's 6 Person Tag",
    "Intergender 6 Person Tag", "8 Man Tag", "10 Man Tag", "Triple Threat", "Women's Triple Threat",
    "4 Way Dance", "6 Way Dance", "3 Way Tag Team", "4 Way Tag Team"};

constexpr Num win_gain = 2;
constexpr Num loss_cost = 1;

// One-on-one: by how much more popular the loser was than the winner.
struct UpsetBand {
  Num up_to;  // the largest gap of the band
  Num gain, loss;
  std::string_view complaint;  // "" for none
};
constexpr std::array<UpsetBand, 6> upset_bands = {{
    {0, 2, 1, ""},
    {5, 2, 2, ""},
    {10, 4, 4, ""},
    {15, 6, 8, " was unhappy about losing to "},
    {20, 8, 12, " was very unhappy about losing to "},
    {stored_number_limit, 10, 16, " was extremely unhappy about losing to "},
}};
constexpr Num upset_pop_gain = 2;  // the winner of the largest upset
constexpr Num upset_pop_cost = 1;  // its loser

struct Side {
  std::string name;
  std::vector<std::string> members;
};

class MatchView {
 public:
  MatchView(const Lines& card, std::size_t slot) : card_(&card), base_(slot * rec::match) {}
  const std::string& at(std::size_t field) const { return line_at(*card_, base_ + field); }
  bool booked() const { return !at(match::slot).empty(); }
  std::vector<std::string> workers() const {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < match::worker_lines && !at(match::first_worker + i).empty(); ++i)
      out.push_back(at(match::first_worker + i));
    return out;
  }

 private:
  const Lines* card_;
  std::size_t base_;
};

// The sides as the winners line names them: a lone worker by name, a team by its team name (or,
// unnamed, its first member's name + "'s Team"). The handicap's pair stands on the first two lines.
std::vector<Side> sides_of(const MatchView& m, std::size_t side_size) {
  const auto names = m.workers();
  std::vector<Side> out;
  const auto add = [&](std::size_t first, std::size_t last, std::size_t team) {
    Side s;
    s.members.assign(names.begin() + static_cast<std::ptrdiff_t>(first), names.begin() + static_cast<std::ptrdiff_t>(last));
    s.name = s.members.size() == 1 ? s.members.front() : m.at(match::first_team + std::min(team, match::team_lines - 1));
    if (s.name.empty()) s.name = s.members.front() + "'s Team";
    out.push_back(std::move(s));
  };
  if (m.at(match::type) == match_type::handicap) {
    if (names.size() >= 2) add(0, 2, 0);
    if (names.size() >= 3) add(2, names.size(), 1);
    return out;
  }
  const std::size_t size = std::max<std::size_t>(side_size, 1);
  for (std::size_t first = 0, team = 0; first < names.size(); first += size)
    add(first, std::min(names.size(), first + size), size > 1 ? team++ : 0);
  return out;
}

// The row of a worker who can be moved by a result: found, and not a non-worker.
std::optional<std::size_t> wrestler_row(const Store& store, const std::string& name) {
  const auto row = store.find_worker(name);
  if (!row || store.worker(*row).ringstyle() == non_worker) return std::nullopt;
  return row;
}

void add_morale(Store& store, std::size_t row, Num delta, std::string_view cause) {
  set_worker_morale(store, row, add_sat(store.worker(row).morale(), delta), cause);
}

void add_pop(Store& store, std::size_t row, Num delta, std::string_view cause) {
  set_worker_popularity(store, row, add_sat(store.worker(row).pop(), delta), cause);
}

// What the ledger says moved a worker: the result at the show.
std::string won_at(const MoraleSetting& setting) { return show_cause(setting.show_name, "won a match"); }
std::string lost_at(const MoraleSetting& setting) { return show_cause(setting.show_name, "lost a match"); }

void complain(Store& store, const std::string& text) {
  post_info(store, std::string(road_agent), std::string(complaint_subject), text);
}

void one_on_one(Store& store, const MatchView& m, const MoraleSetting& setting) {
  const auto names = m.workers();
  if (names.size() < 2) return;
  const std::string& winner_name = m.at(match::winners);
  const std::size_t w = names[0] == winner_name ? 0 : (names[1] == winner_name ? 1 : 2);
  if (w > 1) return;
  const auto winner = wrestler_row(store, names[w]);
  const auto loser = wrestler_row(store, names[1 - w]);
  if (!winner || !loser) return;
  const Num d = sub_sat(store.worker(*loser).pop(), store.worker(*winner).pop());
  const auto band = std::find_if(upset_bands.begin(), upset_bands.end(), [d](const UpsetBand& b) { return d <= b.up_to; });
  add_morale(store, *winner, band->gain, won_at(setting));
  add_morale(store, *loser, -band->loss, lost_at(setting));
  if (band == upset_bands.end() - 1) {
    add_pop(store, *winner, upset_pop_gain, show_cause(setting.show_name, "upset win"));
    add_pop(store, *loser, -upset_pop_cost, show_cause(setting.show_name, "upset loss"));
  }
  if (!band->complaint.empty())
    complain(store, names[1 - w] + std::string(band->complaint) + names[w] + " at " + setting.show_name + " yesterday.");
}

// Every worker of the winning side gains `gain`, every worker of a losing side loses `loss`.
// False when no side is the winner.
bool change_sides(Store& store, const std::vector<Side>& sides, const std::string& winner, Num gain, Num loss,
                  const MoraleSetting& setting) {
  if (std::none_of(sides.begin(), sides.end(), [&](const Side& s) { return s.name == winner; })) return false;
  const std::string won = won_at(setting), lost = lost_at(setting);
  for (const auto& s : sides)
    for (const auto& name : s.members)
      if (const auto row = wrestler_row(store, name)) {
        const bool won_it = s.name == winner;
        add_morale(store, *row, won_it ? gain : -loss, won_it ? won : lost);
      }
  return true;
}

// A man beaten by a woman may take it badly, the more the more popular he is.
void intergender(Store& store, const MatchView& m, const MoraleSetting& setting) {
  const auto sides = sides_of(m, 1);
  const std::string& winner_name = m.at(match::winners);
  if (sides.size() != 2 || (sides[0].name != winner_name && sides[1].name != winner_name)) return;
  const std::string& loser_name = sides[0].name == winner_name ? sides[1].name : sides[0].name;
  // As in any one-on-one match, a non-worker on either side leaves the result without effect.
  const auto winner = wrestler_row(store, winner_name);
  const auto loser = wrestler_row(store, loser_name);
  if (!winner || !loser) return;
  add_morale(store, *winner, win_gain, won_at(setting));
  add_morale(store, *loser, -loss_cost, lost_at(setting));
  if (!store.worker(*loser).is_male() || !store.worker(*winner).is_female()) return;
  const Num pop = store.worker(*loser).pop();
  const Num p = setting.reference_level;
  Num morale = 6, pop_cost = 0;
  std::string_view text = " was unhappy at having to lose to ";
  if (pop >= p) {
    morale = 18, pop_cost = 3, text = " was furious at having to lose to ";
  } else if (pop >= sub_sat(p, 10)) {
    morale = 10, pop_cost = 1, text = " was very unhappy at having to lose to ";
  }
  const std::string cause = show_cause(setting.show_name, "lost to a woman");
  add_morale(store, *loser, -morale, cause);
  add_pop(store, *loser, -pop_cost, cause);
  complain(store, loser_name + std::string(text) + winner_name + " at " + setting.show_name + ".");
}

// The further change of a handicap match goes by how much more popular the losers were than the
// winners, the pair counted as the sum of its two: the pair beating a lone worker is expected, a
// lone worker beating a strong pair is the upset.
void handicap(Store& store, const MatchView& m, const MoraleSetting& setting) {
  const auto sides = sides_of(m, 1);
  const std::string& winner_name = m.at(match::winners);
  if (sides.size() != 2 || !change_sides(store, sides, winner_name, win_gain, loss_cost, setting)) return;
  Num gap = 0;
  for (const auto& s : sides)
    for (const auto& name : s.members)
      if (const auto row = store.find_worker(name)) {
        const Num pop = store.worker(*row).pop();
        gap = s.name == winner_name ? sub_sat(gap, pop) : add_sat(gap, pop);
      }
  Num gain = 3, loss = 1;
  if (gap >= 70) gain = 8, loss = 8;
  else if (gap >= 60) gain = 6, loss = 5;
  else if (gap >= 50) gain = 5, loss = 3;
  else if (gap >= 40) gain = 4, loss = 2;
  change_sides(store, sides, winner_name, gain, loss, setting);
}

// The gains of a battle royal grow with the number of entrants.
void battle_royal(Store& store, const MatchView& m, const MoraleSetting& setting) {
  const auto entrants = static_cast<Num>(setting.battle_royal_entrants.size());
  Num winner_gain = 3, runner_up_gain = 1;
  if (entrants >= 30) winner_gain = 8, runner_up_gain = 4;
  else if (entrants >= 20) winner_gain = 6, runner_up_gain = 3;
  else if (entrants >= 15) winner_gain = 5, runner_up_gain = 2;
  else if (entrants >= 10) winner_gain = 4, runner_up_gain = 2;
  const std::string& winner = m.at(match::winners);
  if (const auto row = wrestler_row(store, winner)) add_morale(store, *row, winner_gain, won_at(setting));
  const std::string& runner_up = setting.battle_royal_runner_up;
  if (runner_up == winner || runner_up == match::automatic) return;
  if (const auto row = wrestler_row(store, runner_up))
    add_morale(store, *row, runner_up_gain, show_cause(setting.show_name, "battle royal runner-up"));
}

}  // namespace

void moralewinlose(Store& store, const Lines& card, const MoraleSetting& setting) {
  for (std::size_t k = 0; k < rec::match_slots; ++k) {
    const MatchView m(card, k);
    if (!m.booked() || m.at(match::win_type) == match::dq_win) continue;
    const std::string& type = m.at(match::type);
    if (type == match_type::singles || type == womens_match) {
      one_on_one(store, m, setting);
    } else if (type == intergender_match) {
      intergender(store, m, setting);
    } else if (type == match_type::handicap) {
      handicap(store, m, setting);
    } else if (type == match_type::battle_royal) {
      battle_royal(store, m, setting);
    } else if (std::find(side_types.begin(), side_types.end(), type) != side_types.end()) {
      const MatchType* t = find_match_type(type);
      change_sides(store, sides_of(m, t ? t->side_size : 1), m.at(match::winners), win_gain, loss_cost, setting);
    }
  }
}

namespace {

// Available for the show: the player's, fit, not retired, wrestling, on the show's brand.
bool available(const WorkerView& w, const std::string& initials, const std::string& brand) {
  if (w.name().empty() || w.promotion() != initials) return false;
  if (leading_int(w.injury()) != 0 || w.retire() == retire::retired || w.ringstyle() == non_worker) return false;
  return brand == brand_all || w.brand() == brand_all || w.brand() == brand;
}

std::vector<std::string> names_on_card(const Lines& card, const MoraleSetting& setting) {
  std::vector<std::string> out = setting.battle_royal_entrants;
  for (std::size_t k = 0; k < rec::match_slots; ++k) {
    const MatchView m(card, k);
    if (!m.booked()) continue;
    for (auto& name : m.workers()) out.push_back(std::move(name));
  }
  std::sort(out.begin(), out.end());
  return out;
}

// The change for one available worker: `on_card` or left off, by popularity against `p`.
Num standing_change(bool big_show, bool on_card, Num pop, Num p, Rng& rng) {
  const Num near = sub_sat(p, 10);
  if (on_card) {
    if (pop >= p) return 0;
    if (!big_show) return 1;
    return pop >= near ? 1 : 3;
  }
  if (pop >= p) return big_show ? -5 : -3;
  if (pop >= near) return big_show ? -3 : -1;
  return rng.one_in(big_show ? 4 : 3) ? -1 : 0;
}

}  // namespace

void left_off_card_morale(Store& store, const Lines& card, const MoraleSetting& setting, Rng& rng) {
  if (!setting.primary_show && !setting.big_show) return;
  const std::string initials = store.md(md::player_initials);
  const auto on_card = names_on_card(card, setting);
  const std::string on_cause = show_cause(setting.show_name, "on the card"), off_cause = show_cause(setting.show_name, "left off the card");
  for (std::size_t r = 0; r < store.worker_count(); ++r) {
    const auto w = std::as_const(store).worker(r);
    if (!available(w, initials, setting.brand)) continue;
    const bool on = std::binary_search(on_card.begin(), on_card.end(), w.name());
    const Num change = standing_change(setting.big_show, on, w.pop(), setting.reference_level, rng);
    if (change != 0) add_morale(store, r, change, on ? on_cause : off_cause);
  }
}

}  // namespace rv

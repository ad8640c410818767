#include "shows/rating.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

#include "feuds/feuds.h"
#include "shows/booking.h"
#include "state/ledger.h"
#include "titles/titles.h"

namespace rv {

namespace {

// The rows of the wrestler table by name, found without a walk over the table per match.
class WorkerIndex {
 public:
  explicit WorkerIndex(const WrestlerTable& table) {
    const Lines& names = table.column(Col::names);
    entries_.reserve(names.size());
    for (std::size_t r = 0; r < names.size(); ++r)
      if (!names[r].empty()) entries_.emplace_back(names[r], r);
    std::sort(entries_.begin(), entries_.end());
  }
  // Appends the rows named `name` to `rows`.
  void add_rows(std::string_view name, std::vector<std::size_t>& rows) const {
    if (name.empty()) return;
    auto it = std::lower_bound(entries_.begin(), entries_.end(), std::pair<std::string_view, std::size_t>(name, 0));
    for (; it != entries_.end() && it->first == name; ++it) rows.push_back(it->second);
  }
  std::optional<std::size_t> first_row(std::string_view name) const {
    auto it = std::lower_bound(entries_.begin(), entries_.end(), std::pair<std::string_view, std::size_t>(name, 0));
    if (name.empty() || it == entries_.end() || it->first != name) return std::nullopt;
    return it->second;
  }

 private:
  std::vector<std::pair<std::string_view, std::size_t>> entries_;
};

// The lines of one match record of a card.
class MatchLines {
 public:
  MatchLines(const Lines& card, std::size_t slot) : card_(&card), base_(slot * rec::match) {}
  const std::string& at(std::size_t field) const { return line_at(*card_, base_ + field); }
  bool booked() const { return !at(match::slot).empty(); }
  const std::string& type() const { return at(match::type); }
  const std::string& worker(std::size_t i) const { return at(match::first_worker + i); }

 private:
  const Lines* card_;
  std::size_t base_;
};

// Workers named on the match's participant lines, once each, in wrestler-table order.
std::vector<std::size_t> participant_rows(const WorkerIndex& index, const MatchLines& m) {
  std::vector<std::size_t> rows;
  for (std::size_t i = 0; i < match::worker_lines; ++i) index.add_rows(m.worker(i), rows);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

std::vector<std::size_t> entrant_rows(const WorkerIndex& index, const std::vector<std::string>& entrants) {
  std::vector<std::size_t> rows;
  for (const auto& name : entrants)
    if (auto r = index.first_row(name)) rows.push_back(*r);
  return rows;
}

struct Averages {
  double pop = 0, ent = 0, morale = 0, cond = 0, charisma = 0, hardcore = 0;
};

// A figure of 50 or more earns a point, and one more for every five above; 95 earns the most.
double ladder(double figure) {
  if (figure < 50) return 0;
  return std::min(10.0, std::floor((figure - 50) / 5) + 1);
}

std::optional<std::size_t> find_stipulation(const Store& store, const std::string& type, const std::string& name) {
  const std::size_t n = record_count(store.stipulations, rec::stipulation);
  for (std::size_t i = 0; i < n; ++i) {
    const RecordView s(store.stipulations, i * rec::stipulation);
    if (s.at(stip::match_type) == type && s.at(stip::name) == name) return i * rec::stipulation;
  }
  return std::nullopt;
}

// Wears a stipulation figure down by its wear per use; "NA" never wears.
void wear(const Record& s, std::size_t figure, std::size_t wear_line) {
  if (s.at(wear_line) == stip::no_wear) return;
  s.set_num(figure, std::max<Num>(0, sub_sat(within(s.num(figure), range::percent), within(s.num(wear_line), range::percent))));
}

bool same_pair(const std::string& a, const std::string& b, const std::string& x, const std::string& y) {
  return (a == x && b == y) || (a == y && b == x);
}

// The player's feud between the workers of a singles or tag match, if any.
std::optional<std::size_t> match_feud(const Store& store, const MatchLines& m) {
  const std::string& type = m.type();
  const bool singles = type == match_type::singles || type == "Women's Match";
  const bool tag = type == match_type::tag_team || type == "Women's Tag Team";
  if (!singles && !tag) return std::nullopt;
  for (std::size_t k = 0; k < md::feud_slots; ++k) {
    const RecordView f = feud_slot(store, k);
    if (singles && f.at(feud::type) == "Singles" && same_pair(f.at(feud::worker1), f.at(feud::worker2), m.worker(0), m.worker(1)))
      return k;
    if (tag && f.at(feud::type) == "Tag Team") {
      const auto& a = f.at(feud::worker1);
      const auto& b = f.at(feud::worker2);
      const auto& c = f.at(feud::worker3);
      const auto& d = f.at(feud::worker4);
      const bool straight = same_pair(a, b, m.worker(0), m.worker(1)) && same_pair(c, d, m.worker(2), m.worker(3));
      const bool crossed = same_pair(a, b, m.worker(2), m.worker(3)) && same_pair(c, d, m.worker(0), m.worker(1));
      if (straight || crossed) return k;
    }
  }
  return std::nullopt;
}

Num crowd_band(bool major, double a, double p, Num previous) {
  // The lowest popularity of each band, from the best band down, and the points it gives.
  static constexpr std::array<std::pair<int, Num>, 6> major_bands = {{{5, 17}, {0, 15}, {-5, 13}, {-10, 8}, {-15, 2}, {-20, 1}}};
  static constexpr std::array<std::pair<int, Num>, 6> other_bands = {{{-5, 17}, {-10, 15}, {-15, 13}, {-20, 10}, {-25, 5}, {-30, 2}}};
  for (const auto& [from, points] : major ? major_bands : other_bands)
    if (a >= p + from) return points;
  return previous;
}

Num crowd_extras(bool major, Num title_value, Num stipulation_value) {
  Num extra = 0;
  if (major) {
    extra += title_value >= 90 ? 5 : title_value >= 85 ? 3 : title_value >= 80 ? 1 : 0;
    extra += stipulation_value >= 90 ? 5 : stipulation_value >= 80 ? 4 : stipulation_value >= 70 ? 3
           : stipulation_value >= 60 ? 2 : stipulation_value >= 50 ? 1 : 0;
  } else {
    extra += title_value >= 85 ? 5 : title_value >= 80 ? 3 : title_value >= 75 ? 1 : 0;
    extra += stipulation_value >= 70 ? 5 : stipulation_value >= 60 ? 3 : stipulation_value >= 50 ? 1 : 0;
  }
  return extra;
}

}  // namespace

Num stipulation_condition_cost(Num years_left, Num danger) {
  return static_cast<Num>(std::floor(static_cast<double>(35 - years_left) * (static_cast<double>(danger) / 2) / 9));
}

namespace {

// The stipulation's condition cost and injury roll for one worker; the injury when it hits.
std::optional<Injury> wear_worker(Store& store, std::size_t row, Num danger, const CardSetting& setting, Rng& rng) {
  Worker w = store.worker(row);
  if (w.text(Col::cond) == injured_condition) return std::nullopt;
  const Num retire = within(leading_int(w.retire()), range::percent);
  const Num loss = stipulation_condition_cost(retire, danger);
  const Num cond = std::max<Num>(10, w.cond() - loss);
  w.set_cond(cond);
  const Num odds = std::max<Num>(2, 140 - danger - (30 - retire) - (85 - w.cond()));
  if (setting.forecast || rng.draw(static_cast<int>(std::min<Num>(odds, 1'000'000))) != 1) return std::nullopt;
  Injury injury = createinjury(store, w.name(), rng);
  set_worker_injury(store, row, injury.days, show_cause(setting.show_name, "injured"));
  w.set(Col::cond, std::string(injured_condition));
  w.set_status(injury_status(injury));
  return injury;
}

}  // namespace

namespace {

// The six averages of the workers in a match, and the star points their names bring the card.
Averages match_averages(const Store& store, const std::vector<std::size_t>& rows, Num reference, Num& star_points) {
  Averages avg;
  for (std::size_t row : rows) {
    const WorkerView w = store.worker(row);
    avg.pop += static_cast<double>(w.pop());
    avg.ent += static_cast<double>(w.ent());
    avg.morale += static_cast<double>(w.morale());
    avg.cond += static_cast<double>(w.cond());
    avg.charisma += static_cast<double>(w.charisma());
    avg.hardcore += static_cast<double>(w.hardcore());
    if (w.pop() >= reference - 5) star_points += 20;
    else if (w.pop() >= reference - 12) star_points += 5;
  }
  if (!rows.empty()) {
    const double n = static_cast<double>(rows.size());
    for (double* v : {&avg.pop, &avg.ent, &avg.morale, &avg.cond, &avg.charisma, &avg.hardcore}) *v /= n;
  }
  return avg;
}

// A battle royal is rated on its entrants: the crowd sees their names and their in-ring work, and
// the rest evens out over so many workers.
Averages royal_averages(const Store& store, const std::vector<std::size_t>& rows, Num reference, Num& star_points) {
  double pop = 0, ent = 0;
  for (std::size_t row : rows) {
    const WorkerView w = store.worker(row);
    pop += static_cast<double>(w.pop());
    ent += static_cast<double>(w.ent());
    if (w.pop() >= reference) star_points += 10;
    else if (w.pop() >= reference - 10) star_points += 3;
  }
  Averages avg;
  if (!rows.empty()) {
    avg.pop = std::floor(pop / static_cast<double>(rows.size()));
    avg.ent = std::floor(ent / static_cast<double>(rows.size()));
  }
  avg.morale = avg.cond = avg.charisma = avg.hardcore = 75;
  return avg;
}

// The stipulation's figures, the skills it counts, its wear, and what it costs the workers; its
// rating bonus, or nothing when the match has no stipulation of its type.
std::optional<Num> apply_stipulation(Store& store, const MatchLines& m, std::size_t k, const std::vector<std::size_t>& rows,
                                     Averages& avg, CardFigures& out, const CardSetting& setting, Rng& rng) {
  const auto at = find_stipulation(store, m.type(), m.at(match::stipulation));
  if (!at) return std::nullopt;
  const Record s(store.stipulations, *at);
  out.stipulation_value = within(s.num(stip::crowd_value), range::percent);
  out.stipulation_values[k] = out.stipulation_value;
  const Num bonus = within(s.num(stip::rating_bonus), range::percent);
  const std::string& skill = s.at(stip::skill);
  if (skill == "Yes") avg.ent = 0;
  else if (skill == "No") avg.hardcore = 0;
  else if (skill == "Both") {
    avg.ent /= 2;
    avg.hardcore /= 2;
  }
  wear(s, stip::crowd_value, stip::crowd_wear);
  wear(s, stip::rating_bonus, stip::bonus_wear);
  const Num danger = within(s.num(stip::danger), range::percent);
  for (std::size_t row : rows)
    if (auto injury = wear_worker(store, row, danger, setting, rng)) out.injuries.push_back(std::move(*injury));
  return bonus;
}

// What goes into a match's rating besides the workers' averages.
struct RatingInputs {
  const std::string* stipulation = nullptr;  // its name, when the match has one of its type
  Num bonus = 0;
  bool feud = false;
  Num heat = 0;
  bool dq = false;
  bool forecast = false;
};

// The match's rating, term by term into `terms`; true when the top draw was left open.
bool rate_match(const Averages& avg, const RatingInputs& in, RatingTerms& terms, Rng& rng) {
  terms.clear();
  terms.push_back({"Skill (hardcore + ability) x 0.65", (avg.hardcore + avg.ent) * 0.65});
  if (in.stipulation) terms.push_back({"Stipulation: " + *in.stipulation, static_cast<double>(in.bonus) / 10});
  if (in.feud) terms.push_back({"Feud heat", static_cast<double>(in.heat) / 10});
  terms.push_back({"Charisma", avg.charisma / 10});
  terms.push_back({"Morale", ladder(avg.morale)});
  terms.push_back({"Condition", avg.cond < 50 ? -(60 - avg.cond) : ladder(avg.cond)});
  if (in.dq) terms.push_back({"Disqualification", -8});
  double r = 0;
  for (const auto& t : terms) r += t.value;
  bool open = false;
  double bounded = r;
  if (r < static_cast<double>(worst_rating)) {
    bounded = static_cast<double>(worst_rating);
    terms.push_back({"Raised to the lowest rating", bounded - r});
  } else if (r > static_cast<double>(best_rating)) {
    open = in.forecast;
    bounded = static_cast<double>(in.forecast || rng.one_in(4) ? best_rating : best_rating - 1);
    terms.push_back({"Held to the top (99 or 100 by a draw)", bounded - r});
  }
  const double whole = std::floor(bounded);
  if (whole != bounded) terms.push_back({"Rounded down", whole - bounded});
  return open;
}

// The defended title counts for the card and gains or loses value by the match; its value.
Num defend_title(Store& store, std::size_t player, const MatchLines& m, double r, CardFigures& out,
                 const std::string& show_name) {
  const auto slot = title_named(store, player, m.at(match::title));
  if (!slot) return 0;
  const Title t = store.promotion(player).title(*slot);
  ++out.title_matches;
  out.reference_level = store.promotion(player).reference_level();
  const Num title_value = t.value();
  out.title_value_sum += static_cast<double>(title_value);
  if (t.holder() != vacant) t.put(defences, to_text(add_sat(t.count(defences), 1)));
  Num value = title_value;
  if (r >= 90) value += 2;
  else if (r < 70) value -= 2;
  set_title_value(store, player, *slot, within(value, range::defended_title_value), show_cause(show_name, "title match"));
  return title_value;
}

}  // namespace

CardFigures matchstats(Store& store, const Lines& card, const CardSetting& setting, Rng& rng) {
  CardFigures out;
  const WorkerIndex index(store.wrestlers);
  const auto player = store.player_index();
  if (player) out.reference_level = store.promotion(*player).reference_level();
  // A forecast's workers who have already faced a stipulation's injury roll on the card.
  std::vector<bool> at_risk(setting.forecast ? store.wrestlers.size() : 0, false);

  for (std::size_t k = 0; k < rec::match_slots; ++k) {
    const MatchLines m(card, k);
    if (!m.booked()) continue;
    const bool royal = m.type() == match_type::battle_royal;
    std::vector<std::size_t> rows = participant_rows(index, m);
    Averages avg = match_averages(store, rows, out.reference_level, out.star_points);
    if (royal) {
      rows = entrant_rows(index, setting.battle_royal_entrants);
      std::sort(rows.begin(), rows.end());
      avg = royal_averages(store, rows, out.reference_level, out.star_points);
    }
    for (std::size_t row : rows) out.injury_risk[k] = out.injury_risk[k] || (row < at_risk.size() && at_risk[row]);
    const auto bonus = apply_stipulation(store, m, k, rows, avg, out, setting, rng);
    if (bonus && setting.forecast)
      for (std::size_t row : rows) at_risk[row] = true;
    out.feuds[k] = match_feud(store, m);
    const Num heat = out.feuds[k] ? within(feud_slot(store, *out.feuds[k]).num(feud::heat), range::percent) : 0;
    out.feud_heat[k] = heat;
    out.popularity[k] = avg.pop;
    out.star_points = std::min(out.star_points, most_star_points);
    const RatingInputs inputs{bonus ? &m.at(match::stipulation) : nullptr, bonus.value_or(0), out.feuds[k].has_value(), heat,
                              m.at(match::win_type) == match::dq_win, setting.forecast};
    out.open_draw[k] = rate_match(avg, inputs, out.terms[k], rng);
    // The terms end on a whole number; rounding only sheds the sum's last bits.
    double sum = 0;
    for (const auto& t : out.terms[k]) sum += t.value;
    const double r = std::round(sum);
    const Num title_value = player ? defend_title(store, *player, m, r, out, setting.show_name) : 0;
    const bool major = setting.major_show;
    out.crowd_points = crowd_band(major, avg.pop, static_cast<double>(out.reference_level), out.crowd_points);
    out.crowd_points = std::min(most_crowd_points, out.crowd_points + crowd_extras(major, title_value, out.stipulation_value));
    if (!royal) out.ratings[k] = to_text(static_cast<Num>(r));
    if (royal) out.terms[k].clear();
  }
  return out;
}

std::vector<std::string> rating_term_lines(const RatingTerms& terms) {
  std::vector<std::string> out;
  out.reserve(terms.size());
  for (const auto& t : terms) {
    const long long hundredths = std::llround(t.value * 100);
    const long long size = hundredths < 0 ? -hundredths : hundredths;
    const long long cents = size % 100;
    out.push_back(t.name + ": " + (hundredths < 0 ? "-" : "+") + std::to_string(size / 100) + (cents < 10 ? ".0" : ".") +
                  std::to_string(cents));
  }
  return out;
}

std::optional<std::size_t> feud_of_match(const Store& store, const Lines& card, std::size_t slot) {
  const MatchLines m(card, slot);
  return m.booked() ? match_feud(store, m) : std::nullopt;
}

std::size_t winning_place(std::size_t sides, Num gap, Rng& rng) {
  // For each number of sides and each band of the gap (under 5, 10, 15, 20 and above), the last
  // draw that each place wins, best place first; the last figure is the size of the draw.
  using Bands = std::array<std::vector<int>, 5>;
  static const Bands two = {{{1, 2}, {3, 4}, {6, 7}, {10, 11}, {25, 26}}};
  static const Bands three = {{{1, 2, 3}, {3, 5, 6}, {6, 9, 10}, {10, 15, 16}, {25, 37, 38}}};
  static const Bands four = {{{1, 2, 3, 4}, {4, 7, 9, 10}, {6, 10, 12, 13}, {10, 17, 21, 22}, {25, 43, 51, 52}}};
  static const Bands six = {{{1, 2, 3, 4, 5, 6},
                             {6, 11, 15, 18, 20, 21},
                             {12, 22, 30, 36, 39, 40},
                             {20, 37, 50, 59, 64, 65},
                             {30, 55, 75, 90, 98, 99}}};
  if (sides == 0) return 0;
  const Bands* bands = sides == 2 ? &two : sides == 3 ? &three : sides == 4 ? &four : sides == 6 ? &six : nullptr;
  if (!bands) return static_cast<std::size_t>(rng.draw(static_cast<int>(sides)) - 1);
  const std::size_t band = gap < 5 ? 0 : gap < 10 ? 1 : gap < 15 ? 2 : gap < 20 ? 3 : 4;
  const auto& last = (*bands)[band];
  const int r = rng.draw(last.back());
  for (std::size_t place = 0; place < last.size(); ++place)
    if (r <= last[place]) return place;
  return last.size() - 1;
}

namespace {

struct Side {
  std::string name;
  Num score;
};

Num worker_score(const Store& store, const WorkerIndex& index, std::optional<std::size_t> player,
                 std::optional<std::size_t> title, const std::string& name) {
  const auto row = index.first_row(name);
  if (!row) return 0;
  const WorkerView w = store.worker(*row);
  Num score = w.pop();
  if (w.ringstyle() == non_worker) score -= 10;
  if (player && title && holds_title(store, *player, *title, name)) score += 5;
  return score;
}

std::string handicap_winner(const MatchLines& m, const std::vector<Num>& scores, Rng& rng) {
  const Num d = scores[0] + scores[1] - scores[2];
  bool lone_wins;
  if (d <= 60) lone_wins = rng.draw(10) <= 7;
  else if (d <= 70) lone_wins = rng.draw(10) <= 4;
  else if (d <= 80) lone_wins = rng.draw(10) <= 2;
  else lone_wins = rng.one_in(21);
  return lone_wins ? m.worker(2) : m.at(match::first_team);
}

std::string intergender_winner(const MatchLines& m, const std::vector<Num>& scores, Rng& rng) {
  const Num d = scores[0] - scores[1];
  if (d >= 10) return m.worker(0);
  if (d >= 0) return rng.one_in(10) ? m.worker(1) : m.worker(0);
  return rng.draw(10) <= 3 ? m.worker(1) : m.worker(0);
}

}  // namespace

void choosewinner(const Store& store, Lines& card, const std::vector<std::string>& battle_royal_entrants, Rng& rng) {
  const WorkerIndex index(store.wrestlers);
  const auto player = store.player_index();
  for (std::size_t k = 0; k < rec::match_slots; ++k) {
    const MatchLines m(card, k);
    if (!m.booked()) continue;
    const std::size_t base = k * rec::match;
    if (m.at(match::win_type) == match::automatic) set_line(card, base + match::win_type, std::string(match::normal_win));
    if (m.at(match::winners) != match::automatic) continue;
    set_line(card, base + match::win_type, std::string(match::normal_win));

    const std::string& type = m.type();
    if (type == match_type::battle_royal) {
      if (battle_royal_entrants.empty()) continue;
      const auto pick = static_cast<std::size_t>(rng.draw(static_cast<int>(battle_royal_entrants.size())) - 1);
      set_line(card, base + match::winners, battle_royal_entrants[pick]);
      continue;
    }

    const auto title = player ? title_named(store, *player, m.at(match::title)) : std::nullopt;
    std::vector<std::string> names;
    std::vector<Num> scores;
    for (std::size_t i = 0; i < match::worker_lines && !m.worker(i).empty(); ++i) {
      names.push_back(m.worker(i));
      scores.push_back(worker_score(store, index, player, title, m.worker(i)));
    }
    if (type == match_type::handicap && names.size() >= 3) {
      set_line(card, base + match::winners, handicap_winner(m, scores, rng));
      continue;
    }
    if (type == "Intergender Match" && names.size() >= 2) {
      set_line(card, base + match::winners, intergender_winner(m, scores, rng));
      continue;
    }

    const MatchType* t = find_match_type(type);
    const std::size_t side_size = t && t->side_size > 0 ? t->side_size : 1;
    std::vector<Side> sides;
    for (std::size_t first = 0; first < names.size(); first += side_size) {
      const std::size_t last = std::min(names.size(), first + side_size);
      Num sum = 0;
      for (std::size_t i = first; i < last; ++i) sum = add_sat(sum, scores[i]);
      const auto members = static_cast<Num>(last - first);
      // A team's score is its members' mean, rounded down.
      const Num mean = sum >= 0 ? sum / members : -((-sum + members - 1) / members);
      std::string name = side_size == 1 ? names[first] : m.at(match::first_team + first / side_size);
      if (name.empty()) name = names[first] + "'s Team";
      sides.push_back({std::move(name), mean});
    }
    if (sides.empty()) continue;
    // Equal scores keep their card order.
    std::stable_sort(sides.begin(), sides.end(), [](const Side& a, const Side& b) { return a.score > b.score; });
    const Num gap = sides.size() > 1 ? sides[0].score - sides[1].score : 0;
    const std::size_t place = sides.size() > 1 ? winning_place(sides.size(), gap, rng) : 0;
    set_line(card, base + match::winners, sides[std::min(place, sides.size() - 1)].name);
  }
}

}  // namespace rv

#include "shows/showsteps.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "promotion/bigshow.h"
#include "promotion/production.h"
#include "shows/booking.h"
#include "state/date.h"
#include "state/inbox.h"
#include "state/ledger.h"

namespace rv {

namespace {

constexpr std::string_view front_office = "Front Office";
constexpr Range held_popularity{5, 100};

bool is_big(const ShowContext& s) { return s.show.type == ShowType::big; }
bool is_primary(const ShowContext& s) { return s.show.type == ShowType::primary; }
bool is_house(const ShowContext& s) { return s.show.type == ShowType::house; }
bool televised_tv(const ShowContext& s) { return s.show.broadcast == broadcast_tv; }
bool televised_ppv(const ShowContext& s) { return s.show.broadcast == broadcast_ppv; }

std::size_t booked_slots(const Lines& card, std::vector<std::size_t>* slots = nullptr) {
  std::size_t n = 0;
  for (std::size_t k = 0; k < rec::match_slots; ++k) {
    if (line_at(card, k * rec::match + match::slot).empty()) continue;
    ++n;
    if (slots) slots->push_back(k);
  }
  return n;
}

// A record is beaten by a higher (or lower) figure, and always taken while none is set.
// `text` is the figure as the show wrote it.
void keep_record(Store& s, std::size_t line, const std::string& text, bool higher, const std::string& holder) {
  const std::string& current = s.md(line);
  const bool unset = current.empty() || current == no_record_yet;
  const double figure = leading_number(text), held = leading_number(current);
  if (!unset && (higher ? figure <= held : figure >= held)) return;
  s.set_md(line, text);
  s.set_md(line + 1, holder);
}

// A regular show's audience figure goes to its last-show lines; pay-per-view buys are paid.
void book_regular_show_figures(Store& store, const ShowContext& show, const Takings& t, std::vector<std::string>& report) {
  if (!show.show.regular_slot || *show.show.regular_slot >= prom::regular_show_count) return;
  const auto p = store.promotion(*store.player_index());
  const std::string& name = show.show.name;
  const std::size_t k = *show.show.regular_slot;
  if (televised_tv(show)) {
    report.push_back(name + " drew a " + t.rating + " rating.");
  } else if (televised_ppv(show)) {
    add_balance(store, p, t.buy_money, "Show: " + name + ", pay-per-view buys");
    report.push_back(name + " drew " + grouped(t.buys) + " buys.");
  }
  store.set_md(md::last_show_first + 2 * k, name);
  store.set_md(md::last_show_first + 2 * k + 1, current_full_date(store));
  store.set_md(md::last_show_figures + k, t.figure_text);
}

// A big show's buys and gross, paid when the promotion has a pay-per-view deal.
void book_big_show_figures(Store& store, const ShowContext& show, const Takings& t, std::vector<std::string>& report) {
  const auto p = store.promotion(*store.player_index());
  const std::string& name = show.show.name;
  const std::string today = current_full_date(store);
  store.set_md(md::last_big_show_name, name);
  store.set_md(md::last_big_show_date, today);
  if (!p.has_ppv_deal()) {
    store.set_md(md::last_buy_rate, "0");
    store.set_md(md::last_big_show_gross, "$0");
    return;
  }
  add_balance(store, p, t.buy_money, "Show: " + name + ", pay-per-view buys");
  store.set_md(md::last_buy_rate, decimal_text(t.buy_rate));
  store.set_md(md::last_big_show_gross, money_text(t.gross));
  report.push_back(name + " drew " + grouped(t.buys) + " buys, for a buy rate of " + decimal_text(t.buy_rate) +
                   " and a company gross of " + store.md(md::last_big_show_gross) + ".");
  const std::string holder = name + " (" + today + ")";
  keep_record(store, md::record_top_buy_rate, decimal_text(t.buy_rate), true, holder);
  keep_record(store, md::record_low_buy_rate, decimal_text(t.buy_rate), false, holder);
}

}  // namespace

ShowContext show_context(const BookedShow& booked, std::size_t matches) {
  ShowContext c;
  c.show = booked.show;
  c.venue = booked.venue[venue::name];
  c.town = booked.venue[venue::town];
  c.capacity = booked.capacity;
  c.hire_cost = booked.hire_cost;
  c.matches = matches;
  return c;
}

Num pay_show_costs(Store& store, const ShowContext& show) {
  const auto player = store.player_index();
  if (!player) return 0;
  const auto p = store.promotion(*player);
  const ShowKind kind = is_big(show) ? ShowKind::big : is_primary(show) ? ShowKind::primary : ShowKind::secondary;
  // Each cost is paid and written down on its own line, so the night's statement can name it.
  const Num production = production_cost(production_level(store, kind));
  const Num promotion = is_big(show) ? big_show_promotion_cost(p.size_level(), store.md_num(md::next_big_show_level)) : 0;
  const Num hire = within(show.hire_cost, range::money_amount);
  set_balance(store, p, sub_sat(p.balance(), hire), "Show: " + show.show.name + ", venue hire");
  set_balance(store, p, sub_sat(p.balance(), production), "Show: " + show.show.name + ", production");
  set_balance(store, p, sub_sat(p.balance(), promotion), "Show: " + show.show.name + ", promotion");
  return add_sat(add_sat(production, promotion), hire);
}

double show_score(const Store& store, const ShowContext& show, const CardFigures& f) {
  const double n = show.matches > 0 ? static_cast<double>(show.matches) : 1.0;
  double pop = 0, stip = 0;
  Num heat = 0;
  for (std::size_t k = 0; k < rec::match_slots; ++k) {
    pop += f.popularity[k];
    stip += static_cast<double>(f.stipulation_values[k]);
    heat = add_sat(heat, f.feud_heat[k]);
  }
  pop /= n;
  stip /= n;
  const bool big = is_big(show), primary = is_primary(show);
  double s = pop - static_cast<double>(f.reference_level) + (big ? 34 : primary ? 39 : 49);
  s = std::clamp(s, 0.0, 29.0);
  s += std::clamp(stip - (big ? 39 : primary ? 34 : 29), 0.0, 26.0);

  if (f.title_matches == 0) {
    s += big ? 5 : primary ? 8 : 12;
  } else {
    const double average = f.title_value_sum / static_cast<double>(f.title_matches);
    s += average >= 90 ? 15 : average >= 50 ? 7 + std::floor((average - 50) / 5) : 0;
  }

  if (big) s += heat >= 700 ? 13 : heat >= 300 ? 5 + static_cast<double>((heat - 300) / 50) : 4;
  else if (primary) s += heat == 0 ? 8 : heat < 100 ? 9 + static_cast<double>(heat / 25) : 13;
  else s += heat == 0 ? 10 : heat < 50 ? 11 + static_cast<double>(heat / 25) : 13;

  s += static_cast<double>(f.crowd_points);
  if (big) {
    s *= 0.9;
    s += std::trunc(static_cast<double>(store.md_num(md::next_big_show_level)) *
                    static_cast<double>(store.md_num(md::next_big_show_counter)) / 6.3);
  }
  return s;
}

Takings take_show_money(Store& store, const ShowContext& show, double score) {
  const auto player = store.player_index();
  if (!player) return {};
  const Takings t = show_takings(store, show, score);
  const auto p = store.promotion(*player);
  const std::string today = current_full_date(store);
  const std::string& name = show.show.name;

  std::vector<std::string> report;
  if (!is_big(show)) book_regular_show_figures(store, show, t, report);
  else book_big_show_figures(store, show, t, report);
  add_balance(store, p, t.tickets, "Show: " + name + ", tickets");
  add_balance(store, p, t.merchandise, "Show: " + name + ", merchandise");

  const std::string holder = name + " (" + today + ")";
  keep_record(store, md::record_top_attendance, to_text(t.attendance), true, holder);
  keep_record(store, md::record_low_attendance, to_text(t.attendance), false, holder);
  if (televised_tv(show) && !t.rating.empty()) {
    keep_record(store, md::record_top_rating, t.rating, true, holder);
    keep_record(store, md::record_low_rating, t.rating, false, holder);
  }

  const std::string entry = name + " (" + store.md(md::player_initials) + ", " + std::string(current_date(store).weekday_name()) + ")";
  append_record(store.weeklytop10, {"Attendence", entry, to_text(t.attendance)});
  if (televised_tv(show) && !t.rating.empty()) append_record(store.weeklytop10, {"TV Rating", entry, t.rating});

  report.push_back("Ticket sales were $" + grouped(t.tickets) + ".");
  report.push_back("We made $" + grouped(t.merchandise) + " from merchandise sales at the show.");
  NewMessage m;
  m.sender = std::string(front_office);
  m.subject = name + " Info";
  m.body = report[0];
  if (report.size() > 1) m.body2 = report[1];
  if (report.size() > 2) m.body3 = report[2];
  post_message(store, today, m);
  return t;
}

TurnReaction react_to_turn(Num standing_weight, Num freshness, const std::string& worker) {
  TurnReaction r;
  r.worker = worker;
  r.score = std::min(standing_weight, freshness);
  const Num u = r.score;
  if (u < 10) r.message = "Fans didn't care about " + worker + "'s turn.";
  else if (u < 15) r.message = "Fans showed very little interest in " + worker + "'s turn.", r.points = 1;
  else if (u < 20) r.message = "Fan's response to " + worker + "'s turn has been minimal.", r.points = 2;
  else if (u < 25) r.message = "Fans showed slight interest in " + worker + "'s turn.", r.points = 3;
  else if (u < 30) r.message = "Fans showed slight interest in " + worker + "'s turn.", r.points = 4;
  else if (u < 40) r.message = worker + "'s turn has created some interest in our promotion", r.points = 4;
  else if (u < 50) r.message = "Fans have responded well to " + worker + "'s turn.", r.points = 5;
  else if (u < 60) r.message = worker + "'s turn has had a very good effect on business.", r.points = 6;
  else r.message = worker + "'s turn has had an excellent effect on business.", r.points = 8;
  return r;
}

std::vector<std::size_t> turns_on_card(const Store& store, const Lines& card, const std::vector<std::string>& also_on_card) {
  std::vector<std::string> names = also_on_card;
  std::vector<std::size_t> slots;
  booked_slots(card, &slots);
  for (std::size_t k : slots)
    for (std::size_t i = 0; i < match::worker_lines; ++i) {
      const std::string& n = line_at(card, k * rec::match + match::first_worker + i);
      if (!n.empty()) names.push_back(n);
    }
  std::vector<std::size_t> out;
  for (std::size_t at = 0; at + rec::turn <= store.turns.size(); at += rec::turn)
    if (std::find(names.begin(), names.end(), store.turns[at + turn::worker]) != names.end()) out.push_back(at);
  return out;
}

std::vector<TurnReaction> take_turns(Store& store, const ShowContext& show, const Lines& card,
                                     const std::vector<std::string>& also_on_card) {
  std::vector<TurnReaction> out;
  const auto player = store.player_index();
  const auto found = turns_on_card(store, card, also_on_card);
  if (!player || found.empty()) return out;
  const auto p = store.promotion(*player);
  for (std::size_t at : found) {
    const std::string worker = store.turns[at + turn::worker];
    const std::string& standing = store.turns[at + turn::standing];
    const Num weight = standing == "Upper" ? 60 : standing == "Mid" ? 30 : 10;
    TurnReaction r = react_to_turn(weight, store.md_num(md::turn_freshness), worker);
    r.disposition = store.turns[at + turn::disposition];
    if (auto row = store.find_worker(worker)) {
      const bool named = r.disposition == alignment::face || r.disposition == alignment::heel;
      const std::string turned = named ? r.disposition
                                       : std::string(store.worker(*row).faceheel() == alignment::face ? alignment::heel : alignment::face);
      store.worker(*row).set_faceheel(turned);
    }
    set_popularity(store, p, std::min<Num>(100, add_sat(p.popularity(), r.points)), "Turn: " + worker);
    if (show.show.regular_slot && *show.show.regular_slot < prom::regular_show_count) {
      const std::size_t k = *show.show.regular_slot;
      const Num rating = std::min<Num>(100, add_sat(leading_int(p.show(k, prom::show::rating)), r.points));
      set_show_rating(store, p, k, rating, "Turn: " + worker);
    }
    store.set_md_num(md::turn_freshness, std::max<Num>(1, sub_sat(store.md_num(md::turn_freshness), r.score)));
    post_info(store, std::string(front_office), worker + "'s Turn", r.message);
    out.push_back(std::move(r));
  }
  // The plans are carried out: they go, last first so that the earlier places still hold.
  for (auto it = found.rbegin(); it != found.rend(); ++it) remove_record(store.turns, *it, rec::turn);
  return out;
}

Num expected_production(Num size_level, ShowKind kind, bool house) {
  static constexpr std::array<std::array<Num, 4>, 6> targets = {{{3, 2, 2, 1}, {5, 3, 3, 2}, {7, 6, 5, 4},
                                                                 {12, 10, 9, 8}, {16, 12, 11, 10}, {17, 14, 12, 11}}};
  const std::size_t column = kind == ShowKind::big ? 0 : kind == ShowKind::primary ? 1 : house ? 3 : 2;
  return targets[static_cast<std::size_t>(std::clamp<Num>(size_level, 1, 6) - 1)][column];
}

OverallRating overall_rating(const Store& store, const ShowContext& show, const CardFigures& f) {
  OverallRating out;
  const auto player = store.player_index();
  double sum = 0;
  for (const auto& r : f.ratings) sum += leading_number(r);
  // Every match of the show counts, a battle royal too, though it brings no rating of its own.
  double v = show.matches > 0 ? sum / static_cast<double>(show.matches) * 0.8 : 0;

  const Num size = player ? store.promotion(*player).size_level() : 1;
  const ShowKind kind = is_big(show) ? ShowKind::big : is_primary(show) ? ShowKind::primary : ShowKind::secondary;
  const Num x = expected_production(size, kind, is_house(show));
  const Num d = production_level(store, kind) - x;
  v += d >= 3 ? 20 : d >= 0 ? static_cast<double>(17 + d) : d >= -8 ? static_cast<double>(17 + 2 * d) : 0;

  double pop = 0;
  for (double a : f.popularity) pop += a;
  const Num c = static_cast<Num>(std::lround(pop / static_cast<double>(std::max<std::size_t>(1, show.matches))));
  const Num m = is_big(show) ? 70 : 60;
  v += c >= m + 10 ? 10 : c >= m + 5 ? 9 : c >= m ? 8 : c >= m - 5 ? 7 : c >= m - 10 ? 5 : c >= m - 15 ? 3 : c >= m - 20 ? 1 : 0;
  out.before_star_power = v;
  out.shown = std::clamp(v, 0.0, 100.0);

  if ((is_big(show) || is_primary(show)) && size != 1) {
    const Num s = f.star_points;
    static constexpr std::array<std::array<int, 2>, 9> cuts = {
        {{25, 25}, {21, 23}, {18, 18}, {15, 12}, {12, 8}, {9, 6}, {6, 4}, {3, 2}, {0, 0}}};
    const std::size_t band = s <= 0 ? 0 : s > 70 ? 8 : static_cast<std::size_t>((s - 1) / 10 + 1);
    v -= cuts[band][is_big(show) ? 0 : 1];
  }
  out.value = v;
  return out;
}

void apply_overall_rating(Store& store, const ShowContext& show, double v) {
  const auto player = store.player_index();
  if (player && !is_house(show)) {
    // Popularity and show rating changes by band, from 90 and up down to under 45.
    struct Change {
      int popularity, rating;
    };
    static constexpr std::array<int, 10> floors = {90, 85, 80, 75, 70, 65, 60, 55, 50, 45};
    static constexpr std::array<Change, 11> primary = {
        {{2, 3}, {1, 2}, {1, 1}, {0, 1}, {0, 0}, {-2, -2}, {-4, -4}, {-6, -6}, {-8, -8}, {-10, -10}, {-11, -12}}};
    static constexpr std::array<Change, 11> secondary = {
        {{1, 2}, {1, 1}, {0, 1}, {0, 1}, {0, 0}, {-1, -2}, {-1, -2}, {-2, -4}, {-2, -4}, {-4, -6}, {-4, -6}}};
    static constexpr std::array<Change, 11> big = {
        {{4, 0}, {3, 0}, {2, 0}, {1, 0}, {0, 0}, {-2, 0}, {-4, 0}, {-6, 0}, {-8, 0}, {-10, 0}, {-10, 0}}};
    std::size_t band = 0;
    while (band < floors.size() && v < floors[band]) ++band;
    const Change c = (is_big(show) ? big : is_primary(show) ? primary : secondary)[band];
    const auto p = store.promotion(*player);
    p.set_popularity(add_sat(p.popularity(), c.popularity));
    if (!is_big(show) && show.show.regular_slot && *show.show.regular_slot < prom::regular_show_count) {
      const std::size_t k = *show.show.regular_slot;
      p.set_show(k, prom::show::rating, to_text(add_sat(leading_int(p.show(k, prom::show::rating)), c.rating)));
    }
  }
  for (std::size_t i = 0; i < store.promotion_count(); ++i) {
    const auto p = store.promotion(i);
    if (p.at(prom::initials).empty()) continue;
    p.set_popularity(within(p.popularity(), held_popularity));
    for (std::size_t k = 0; k < prom::regular_show_count; ++k)
      p.set_show(k, prom::show::rating, to_text(within(leading_int(p.show(k, prom::show::rating)), held_popularity)));
  }
}

std::string show_feedback_text(double v) {
  if (v >= 95) return "Fans thought it was a superb show, and couldn't have been any better.";
  if (v >= 90) return "Fans thought it was an excellent show.";
  if (v >= 85) return "Fans thought it was a very good show.";
  if (v >= 80) return "Fans thought it was a good show.";
  if (v >= 75) return "Fans thought it was an enjoyable show.";
  if (v >= 70) return "Fans thought it was not bad, though it could have been better.";
  if (v >= 65) return "Fans thought it was an average show.";
  if (v >= 60) return "Fans thought it was a below average show.";
  if (v >= 55) return "Fans thought it was a disappointing show.";
  if (v >= 50) return "Fans did not think the show was very good.";
  if (v >= 45) return "Fans thought it was a bad show.";
  return "Fans have slated the show, some claim it was the worst show they've ever been to.";
}

std::string star_power_text(Num s) {
  if (s <= 0) return "Fans were extremely disappointed with the total lack of big name wrestlers on the show.";
  if (s <= 10) return "Fans were very disappointed with how few top line stars wrestled on the show.";
  if (s <= 30) return "Fans were disappointed with how little they got to see of any top line wrestlers.";
  if (s <= 50) return "Fans were expecting to see more of the bigger name wrestlers in action.";
  return "";
}

void post_show_feedback(Store& store, const ShowContext& show, double v, Num star_points) {
  NewMessage m;
  m.sender = std::string(front_office);
  m.subject = show.show.name + " Feedback";
  m.body = show_feedback_text(v);
  const auto player = store.player_index();
  if ((is_big(show) || is_primary(show)) && player && store.promotion(*player).size_level() != 1)
    m.body2 = star_power_text(star_points);
  post_message(store, current_full_date(store), m);
}

}  // namespace rv

#include "shows/runshow.h"

#include <algorithm>
#include <array>
#include <functional>

#include "feuds/feuds.h"
#include "shows/forecast.h"
#include "shows/morale.h"
#include "state/calendar.h"
#include "state/date.h"
#include "state/history.h"
#include "state/ledger.h"
#include "state/text.h"

namespace rv {

namespace {

struct Night {
  Store& s;
  Rng& rng;
  const Booking& booking;
  const ShowLibraries& libraries;
  ShowRun& run;
};

bool is_royal(const Lines& card, std::size_t k) {
  return line_at(card, k * rec::match + match::type) == match_type::battle_royal;
}
bool booked(const Lines& card, std::size_t k) { return !line_at(card, k * rec::match + match::slot).empty(); }

// A feud fought out on the card heats up with a good match.
constexpr Num feud_heat_for(Num rating) { return rating >= 80 ? 5 : rating >= 60 ? 3 : rating >= 40 ? 1 : 0; }

void costs(Night& n) { n.run.costs = pay_show_costs(n.s, n.run.context); }

void rating(Night& n) {
  n.run.figures = matchstats(n.s, n.run.card, night_setting(n.run.context.show, n.booking, false), n.rng);
  n.run.score = show_score(n.s, n.run.context, n.run.figures);
}

void money(Night& n) { n.run.takings = take_show_money(n.s, n.run.context, n.run.score); }

void winners(Night& n) {
  choosewinner(n.s, n.run.card, n.booking.battle_royal_entrants(), n.rng);
  for (std::size_t k = 0; k < rec::match_slots; ++k) {
    if (!booked(n.run.card, k) || !is_royal(n.run.card, k)) continue;
    const std::size_t base = k * rec::match;
    const bool melee = n.run.card[base + match::stipulation] == grand_melee_stipulation;
    n.run.battle_royal = createbattleroyal(n.booking.battle_royal_entrants(), n.run.card[base + match::winners],
                                           n.booking.battle_royal_runner_up().empty() ? std::string(match::automatic)
                                                                                     : n.booking.battle_royal_runner_up(),
                                           melee, n.rng);
    n.run.card[base + match::winners] = n.run.battle_royal->winner;
  }
}

ReportShow report_show(const ShowContext& c) {
  ReportShow r;
  r.big_show = c.show.type == ShowType::big;
  r.house_show = !c.show.televised;
  r.primary_show = c.show.type == ShowType::primary;
  r.name = c.show.name;
  r.brand = c.show.brand;
  r.town = c.town;
  return r;
}

void endings(Night& n) {
  n.run.commentary.clear();
  std::vector<PlannedTurn> turns;
  for (std::size_t at : turns_on_card(n.s, n.run.card, n.booking.battle_royal_entrants()))
    turns.push_back({n.s.turns[at + turn::worker], n.s.turns[at + turn::disposition]});
  std::vector<std::size_t> slots;
  for (std::size_t k = 0; k < rec::match_slots; ++k)
    if (booked(n.run.card, k)) slots.push_back(k);
  ReportShow show = report_show(n.run.context);
  show.battle_royal_entrants = n.booking.battle_royal_entrants();
  if (n.run.battle_royal) show.battle_royal_runner_up = n.run.battle_royal->runner_up;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    createending(n.s, n.run.card, slots[i], show, turns, n.libraries, n.rng, n.run.commentary);
    if (show.primary_show && i + 1 < slots.size())
      interview(n.s, n.run.card, slots[i], show, n.libraries, n.rng, n.run.commentary);
  }
}

void turns(Night& n) { n.run.turns = take_turns(n.s, n.run.context, n.run.card, n.booking.battle_royal_entrants()); }

MoraleSetting morale_setting(const Night& n) {
  MoraleSetting m;
  m.show_name = n.run.context.show.name;
  m.primary_show = n.run.context.show.type == ShowType::primary;
  m.big_show = n.run.context.show.type == ShowType::big;
  m.brand = n.run.context.show.brand;
  m.reference_level = n.run.figures.reference_level;
  m.battle_royal_entrants = n.booking.battle_royal_entrants();
  if (n.run.battle_royal) m.battle_royal_runner_up = n.run.battle_royal->runner_up;
  return m;
}

void morale(Night& n) {
  const MoraleSetting m = morale_setting(n);
  moralewinlose(n.s, n.run.card, m);
  if (m.primary_show || m.big_show) left_off_card_morale(n.s, n.run.card, m, n.rng);
}

void feuds(Night& n) {
  for (std::size_t k = 0; k < rec::match_slots; ++k) {
    const auto slot = n.run.figures.feuds[k];
    if (!slot || !feud_running(n.s, *slot)) continue;
    Record f = feud_slot(n.s, *slot);
    const Num gain = feud_heat_for(leading_int(n.run.figures.ratings[k]));
    set_feud_heat(n.s, f, feud_heading(n.s, *slot), std::min<Num>(100, add_sat(within(f.num(feud::heat), range::percent), gain)),
                  show_cause(n.run.context.show.name, "feud fought"));
  }
}

void overall(Night& n) {
  n.run.overall = overall_rating(n.s, n.run.context, n.run.figures);
  // The rating moves every promotion's popularity within its limits; the player's change is
  // written down as one, under the rating the player is shown.
  // So are the player's regular shows' ratings, each under its show's name.
  const auto player = n.s.player_index();
  const Num before = player ? n.s.promotion(*player).popularity() : 0;
  std::array<Num, prom::regular_show_count> ratings_before{};
  if (player)
    for (std::size_t k = 0; k < prom::regular_show_count; ++k)
      ratings_before[k] = leading_int(n.s.promotion(*player).show(k, prom::show::rating));
  apply_overall_rating(n.s, n.run.context, n.run.overall.value);
  if (!player) return;
  const auto p = n.s.promotion(*player);
  const std::string cause = "Show: " + n.run.context.show.name + ", overall rating " + overall_rating_figure(n.run.overall.shown);
  record_effect(n.s, Figure::popularity, {}, p.popularity() - before, cause);
  for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
    if (p.show(k, prom::show::name).empty()) continue;  // an empty slot is held like the rest, and is no show
    const Num change = leading_int(p.show(k, prom::show::rating)) - ratings_before[k];
    record_effect(n.s, Figure::show_rating, p.show(k, prom::show::name), change, cause);
  }
}

void feedback(Night& n) { post_show_feedback(n.s, n.run.context, n.run.overall.value, n.run.figures.star_points); }

void results(Night& n) {
  n.run.title_changes = titlecheck(n.s, n.run.card);
  n.run.results = makeresultsscreen(n.run.card, n.run.figures.ratings, n.run.battle_royal ? n.run.battle_royal->result : "");
  std::size_t shown = 0;  // the results list the booked matches in their order
  for (std::size_t k = 0; k < rec::match_slots && shown < n.run.results.size(); ++k)
    if (booked(n.run.card, k)) n.run.results[shown++].rating_terms = rating_term_lines(n.run.figures.terms[k]);
  n.run.results_title = n.run.context.show.name + " Results";
  end_show_day(n.s);
}

struct Step {
  std::string_view name;
  std::function<void(Night&)> run;
};
const std::vector<Step>& steps() {
  static const std::vector<Step> list = {
      {"costs", costs},       {"rating", rating},   {"money and audience", money},
      {"winners", winners},   {"endings and interviews", endings},
      {"turns", turns},       {"morale", morale},   {"feuds", feuds},
      {"overall rating", overall}, {"feedback", feedback}, {"results", results},
  };
  return list;
}

// The archive describes a match as its type + ": " + its header, so a battle royal is known by
// the front of its description.
std::string archived_description(const std::string& type, const std::string& header) { return type + ": " + header; }
bool archived_battle_royal(const HistoryMatch& m) {
  return m.description.starts_with(archived_description(std::string(match_type::battle_royal), ""));
}

// The overall rating in hundredths exactly as the results screen writes it (two decimals always).
Num shown_hundredths(double rating) {
  std::string figure = overall_rating_figure(rating);
  std::erase(figure, '.');
  return leading_int(figure);
}

// The night as the show archive keeps it.
HistoryShow archived_show(const ShowRun& run) {
  HistoryShow h{run.date_text, run.context.show.name, static_cast<Num>(run.overall.shown), run.takings.attendance,
                sub_sat(run.balance_after, run.balance_before), {},
                shown_hundredths(run.overall.shown), run.context.capacity};
  std::size_t shown = 0;  // the results list the booked matches in their order
  for (std::size_t k = 0; k < rec::match_slots; ++k) {
    if (!booked(run.card, k)) continue;
    HistoryMatch m;
    if (shown < run.results.size()) {
      m.result = run.results[shown].result;
      m.rating_terms = run.results[shown++].rating_terms;
    }
    const std::size_t entrants = run.battle_royal ? run.battle_royal->tallies.size() : 0;
    m.description = archived_description(line_at(run.card, k * rec::match + match::type), match_header(run.card, k, entrants));
    m.rating = leading_int(run.figures.ratings[k]);
    m.winners = line_at(run.card, k * rec::match + match::winners);
    m.title = line_at(run.card, k * rec::match + match::title);
    if (m.title == none_text) m.title.clear();
    m.title_changed = std::find(run.title_changes.begin(), run.title_changes.end(), k) != run.title_changes.end();
    if (!is_royal(run.card, k)) {
      for (const CardSide& side : card_sides(run.card, k)) {
        m.workers.insert(m.workers.end(), side.members.begin(), side.members.end());
        if (side.name == m.winners) m.winning = side.members;
      }
    }
    h.matches.push_back(std::move(m));
  }
  return h;
}

// The first worker on the card who can no longer appear, if any.
std::optional<std::string> unfit_worker(const Store& s, const Lines& card, const std::vector<std::string>& entrants) {
  std::vector<std::string> names = entrants;
  for (std::size_t k = 0; k < rec::match_slots; ++k) {
    if (!booked(card, k) || is_royal(card, k)) continue;
    for (std::size_t i = 0; i < match::worker_lines; ++i) {
      const std::string& name = line_at(card, k * rec::match + match::first_worker + i);
      if (!name.empty()) names.push_back(name);
    }
  }
  for (const auto& name : names) {
    const auto row = s.find_worker(name);
    if (!row) return name;
    const auto w = s.worker(*row);
    if (w.injury() != "0" || w.retire() == retire::retired || w.text(Col::cond) == injured_condition) return name;
  }
  return std::nullopt;
}

}  // namespace

const std::vector<std::string_view>& show_step_names() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> out;
    for (const auto& s : steps()) out.push_back(s.name);
    return out;
  }();
  return names;
}

Result<ShowRun> run_show(Game& game, const BookedShow& booked_show, const Booking& booking, const ShowLibraries& libraries) {
  if (!booking.can_confirm()) return Failure{"Every match up to the number of matches must be booked before the show can run."};
  const auto player = game.store.player_index();
  if (!player) return Failure{"The player's promotion could not be found."};
  if (auto unfit = unfit_worker(game.store, booking.card(), booking.battle_royal_entrants()))
    return Failure{*unfit + " can no longer appear on this show. Please change the card."};

  // The night is played on a copy, so that one that cannot finish leaves nothing behind. The
  // archive, the ledger and the inbox, which grow all career and which a night only adds to, are
  // lent to the copy rather than copied, and cut back to where they stood if the night fails.
  const std::array<Lines Store::*, 3> lent = {&Store::history, &Store::ledger, &Store::newslist};
  std::array<std::size_t, 3> lent_rows{};
  std::array<Lines, 3> lent_lines;
  for (std::size_t i = 0; i < lent.size(); ++i) {
    lent_rows[i] = (game.store.*lent[i]).size();
    lent_lines[i] = std::move(game.store.*lent[i]);
  }
  Store store = game.store;
  for (std::size_t i = 0; i < lent.size(); ++i) store.*lent[i] = std::move(lent_lines[i]);
  ShowRun run;
  try {
    run.context = show_context(booked_show, static_cast<std::size_t>(booking.match_count()));
    run.date_text = full_date(current_date(store));
    run.card = booking.card();
    run.balance_before = store.promotion(*player).balance();
    Night night{store, game.rng, booking, libraries, run};
    for (const auto& step : steps()) step.run(night);
    run.balance_after = store.promotion(*player).balance();
    record_history_show(store, archived_show(run));
  } catch (...) {
    for (std::size_t i = 0; i < lent.size(); ++i) {
      (store.*lent[i]).resize(lent_rows[i]);
      game.store.*lent[i] = std::move(store.*lent[i]);
    }
    throw;
  }
  game.store = std::move(store);
  return run;
}

ShowPresentation archived_presentation(const HistoryShow& show) {
  ShowPresentation p;
  p.show_name = show.name;
  p.date_text = show.date;
  p.results_title = show.name + " Results";
  for (std::size_t k = 0; k < show.matches.size(); ++k) {
    const HistoryMatch& m = show.matches[k];
    ResultBlock b;
    b.heading = "- Match " + std::to_string(k + 1) + " -";
    b.match = m.description;
    b.result = !m.result.empty() ? m.result : m.winners;
    if (!archived_battle_royal(m)) b.rating = "Match Rating: " + to_text(m.rating) + "%";
    b.rating_terms = m.rating_terms;
    p.results.push_back(std::move(b));
  }
  const double overall = show.overall_hundredths >= 0 ? static_cast<double>(show.overall_hundredths) / 100.0
                                                     : static_cast<double>(show.overall);
  p.overall_text = overall_rating_text(overall);
  p.archived = true;
  return p;
}

ShowPresentation present_show(const ShowRun& run) {
  ShowPresentation p;
  p.show_name = run.context.show.name;
  p.date_text = run.date_text;
  p.venue = run.context.venue;
  p.town = run.context.town;
  p.attendance_text = run.takings.attendance_text;
  p.picture = run.context.show.picture;
  p.commentary = run.commentary;
  p.card = run.card;
  if (run.battle_royal) {
    p.battle_royal_entrants = run.battle_royal->tallies.size();
    p.battle_royal_title = run.battle_royal->window_title();
    p.battle_royal_heading = run.battle_royal->heading();
    for (const auto& line : run.battle_royal->details) p.battle_royal_details.push_back({line.text, line.highlighted});
  }
  p.results_title = run.results_title;
  p.results = run.results;
  p.overall_text = overall_rating_text(run.overall.shown);
  return p;
}

}  // namespace rv

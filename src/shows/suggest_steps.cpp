#include "shows/suggest_steps.h"

namespace rv::suggest_step {

namespace {

constexpr Num safe_danger = 30;
constexpr int stipulation_chance = 4;
constexpr int risky_stipulation_chance = 10;
constexpr int own_result_chance = 10;

}  // namespace

void take(Booking& b, std::string_view item) {
  if (b.choose(item)) return;
  const auto offered = b.choices();
  if (!offered.empty()) b.choose(offered.front());
}

void choose_title(Booking& b, const std::string& title) {
  if (!title.empty() && !b.title_booked_elsewhere(title) && b.choose(title)) return;
  take(b, none_text);
}

Num stipulation_danger(const Store& store, std::string_view type, std::string_view name) {
  for (std::size_t i = 0; i < record_count(store.stipulations, rec::stipulation); ++i) {
    const RecordView s(store.stipulations, i * rec::stipulation);
    if (s.at(stip::match_type) == type && s.at(stip::name) == name) return s.num(stip::danger);
  }
  return stored_number_limit;
}

bool affords(const BookableWorker& w, Num danger) {
  return sub_sat(w.condition, stipulation_condition_cost(w.years_left, danger)) >= worn_condition;
}

void choose_stipulation(Booking& b, const Store& store, Rng& rng, const std::string& type, bool late,
                        const std::vector<BookableWorker>& planned) {
  std::vector<std::string> stips;
  for (const auto& c : b.choices())
    if (c != none_text) stips.push_back(c);
  if (!stips.empty() && rng.one_in(stipulation_chance)) {
    if (!late || !rng.one_in(risky_stipulation_chance))
      std::erase_if(stips, [&](const std::string& n) { return stipulation_danger(store, type, n) > safe_danger; });
    std::erase_if(stips, [&](const std::string& n) {
      const Num danger = stipulation_danger(store, type, n);
      return std::any_of(planned.begin(), planned.end(), [&](const BookableWorker& w) { return !affords(w, danger); });
    });
    if (!stips.empty() && b.choose(stips[random_index(rng, stips.size())])) return;
  }
  take(b, none_text);
}

bool name_teams(Booking& b) {
  for (std::size_t guard = 0; guard <= match::team_lines && b.step() == BookingStep::team_names; ++guard) {
    std::string name = b.team_proposal();  // a proposal the booking refuses gives way to a plain one
    if (b.team_name_problem(name)) name = "Team " + std::to_string(b.team_asked());
    if (!b.name_team(name)) return false;
  }
  return b.step() != BookingStep::team_names;
}

void choose_result(Booking& b, Rng& rng, bool feud, bool first_side_wins) {
  for (auto step : {BookingStep::winners, BookingStep::win_type}) {
    if (b.step() != step) return;
    const auto offered = b.choices();
    std::string item(match::automatic);
    if (step == BookingStep::winners && first_side_wins && offered.size() > 1) item = offered[1];
    else if (!feud && offered.size() > 1 && rng.one_in(own_result_chance)) item = offered[1 + random_index(rng, offered.size() - 1)];
    take(b, item);
  }
}

}  // namespace rv::suggest_step

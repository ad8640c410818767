#include "shows/suggest_steps.h"

#include <optional>

#include "titles/titles.h"

namespace rv::suggest_step {

namespace {

constexpr Num safe_danger = 30;
constexpr int main_title_chance = 2;  // one in
constexpr int title_chance = 5;
constexpr int stipulation_chance = 4;
constexpr int risky_stipulation_chance = 10;
constexpr int own_result_chance = 10;

// Whether the title can sensibly be at stake: its holders all free (or it is vacant); in a feud
// match, held by one of the feud's workers.
bool title_free(const Booking& b, const Store& store, const std::string& title, const Sides& feud_sides) {
  const auto player = store.player_index();
  if (!player) return false;
  const auto roster = b.roster();
  for (std::size_t k = 0; k < prom::title_slots; ++k) {
    const auto t = store.promotion(*player).title(k);
    if (!t.exists() || t.name() != title) continue;
    std::vector<BookableWorker> holders;
    for (const auto& w : roster)
      if (holds_title(store, *player, k, w.name)) holders.push_back(w);
    if (!feud_sides.empty())
      return std::any_of(holders.begin(), holders.end(), [&](const BookableWorker& w) {
        return std::any_of(feud_sides.begin(), feud_sides.end(), [&](const auto& side) { return contains(side, w.name); });
      });
    if (holders.empty()) return t.holder() == vacant;
    return std::none_of(holders.begin(), holders.end(), [](const BookableWorker& w) { return w.on_card; });
  }
  return false;
}

}  // namespace

void take(Booking& b, std::string_view item) {
  if (b.choose(item)) return;
  const auto offered = b.choices();
  if (!offered.empty()) b.choose(offered.front());
}

void choose_title(Booking& b, const Store& store, Rng& rng, bool main_event, const Sides& feud_sides) {
  std::vector<std::string> titles;
  for (const auto& c : b.choices())
    if (c != none_text && title_free(b, store, c, feud_sides)) titles.push_back(c);
  const int chance = main_event || !feud_sides.empty() ? main_title_chance : title_chance;
  if (!titles.empty() && rng.one_in(chance) && b.choose(titles[random_index(rng, titles.size())])) return;
  take(b, none_text);
}

Num stipulation_danger(const Store& store, std::string_view type, std::string_view name) {
  for (std::size_t i = 0; i < record_count(store.stipulations, rec::stipulation); ++i) {
    const RecordView s(store.stipulations, i * rec::stipulation);
    if (s.at(stip::match_type) == type && s.at(stip::name) == name) return s.num(stip::danger);
  }
  return stored_number_limit;
}

void choose_stipulation(Booking& b, const Store& store, Rng& rng, const std::string& type) {
  std::vector<std::string> stips;
  for (const auto& c : b.choices())
    if (c != none_text) stips.push_back(c);
  if (!stips.empty() && rng.one_in(stipulation_chance)) {
    if (!rng.one_in(risky_stipulation_chance))
      std::erase_if(stips, [&](const std::string& n) { return stipulation_danger(store, type, n) > safe_danger; });
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

void choose_result(Booking& b, Rng& rng, bool feud) {
  for (auto step : {BookingStep::winners, BookingStep::win_type}) {
    if (b.step() != step) return;
    const auto offered = b.choices();
    std::string item(match::automatic);
    if (!feud && offered.size() > 1 && rng.one_in(own_result_chance)) item = offered[1 + random_index(rng, offered.size() - 1)];
    take(b, item);
  }
}

}  // namespace rv::suggest_step

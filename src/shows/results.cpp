#include "shows/results.h"

#include <algorithm>

#include "shows/booking.h"
#include "titles/titles.h"

namespace rv {

namespace {

const std::string& at(const Lines& card, std::size_t slot, std::size_t field) {
  return line_at(card, slot * rec::match + field);
}

bool booked(const Lines& card, std::size_t slot) { return !at(card, slot, match::slot).empty(); }

bool has_title(const Lines& card, std::size_t slot) {
  const std::string& t = at(card, slot, match::title);
  return !t.empty() && t != none_text;
}

}  // namespace

std::vector<CardSide> card_sides(const Lines& card, std::size_t slot) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < match::worker_lines && !at(card, slot, match::first_worker + i).empty(); ++i)
    names.push_back(at(card, slot, match::first_worker + i));
  std::vector<CardSide> out;
  const std::string& type = at(card, slot, match::type);
  if (type == match_type::battle_royal) return out;
  if (type == match_type::handicap) {
    CardSide pair{at(card, slot, match::first_team), {}};
    for (std::size_t i = 0; i < std::min<std::size_t>(2, names.size()); ++i) pair.members.push_back(names[i]);
    if (pair.name.empty()) pair.name = joined_names(pair.members);
    out.push_back(std::move(pair));
    if (names.size() > 2) out.push_back({names[2], {names[2]}});
    return out;
  }
  const MatchType* t = find_match_type(type);
  const std::size_t size = t && t->side_size > 0 ? t->side_size : 1;
  for (std::size_t first = 0; first < names.size(); first += size) {
    CardSide side;
    for (std::size_t i = first; i < std::min(names.size(), first + size); ++i) side.members.push_back(names[i]);
    side.name = size == 1 ? names[first] : at(card, slot, match::first_team + first / size);
    if (side.name.empty()) side.name = joined_names(side.members);
    out.push_back(std::move(side));
  }
  return out;
}

std::string joined_names(const std::vector<std::string>& names) {
  std::string out;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) out += i + 1 == names.size() ? " and " : ", ";
    out += names[i];
  }
  return out;
}

std::string match_header(const Lines& card, std::size_t slot, std::size_t battle_royal_entrants) {
  std::string out;
  const std::string& stipulation = at(card, slot, match::stipulation);
  if (!stipulation.empty() && stipulation != none_text) out = stipulation + " Match";
  if (has_title(card, slot)) out += (out.empty() ? "For The " : " For The ") + at(card, slot, match::title);
  std::string sides;
  if (at(card, slot, match::type) == match_type::battle_royal) {
    sides = "Featuring " + std::to_string(battle_royal_entrants) + " Participants";
  } else {
    for (const auto& side : card_sides(card, slot)) sides += (sides.empty() ? "" : " vs ") + side.name;
  }
  if (out.empty()) return sides;
  return sides.empty() ? out : out + ": " + sides;
}

std::vector<ResultBlock> makeresultsscreen(const Lines& card, const std::array<std::string, rec::match_slots>& ratings,
                                           const std::string& battle_royal_result) {
  std::vector<ResultBlock> out;
  for (std::size_t k = 0; k < rec::match_slots; ++k) {
    if (!booked(card, k)) continue;
    ResultBlock b;
    b.heading = "- Match " + std::to_string(k + 1) + " -";
    b.match = at(card, k, match::type);
    if (has_title(card, k)) b.match += " For The " + at(card, k, match::title) + " Match";
    const std::string& winners = at(card, k, match::winners);
    if (at(card, k, match::type) == match_type::battle_royal) {
      b.result = battle_royal_result.empty() ? winners + " won the Battle Royal" : battle_royal_result;
    } else {
      std::vector<std::string> losers;
      for (const auto& side : card_sides(card, k))
        if (side.name != winners) losers.push_back(side.name);
      b.result = winners + " defeated " + joined_names(losers);
      if (at(card, k, match::win_type) == match::dq_win) b.result += " by DQ";
      b.rating = "Match Rating: " + ratings[k] + "%";
    }
    out.push_back(std::move(b));
  }
  return out;
}

std::string overall_rating_figure(double rating) {
  return pattern_number(std::clamp(rating, 0.0, 100.0), overall_rating_pattern);
}

std::string overall_rating_text(double rating) { return "Overall Show Rating: " + overall_rating_figure(rating) + "%"; }

std::optional<std::size_t> title_at_stake(const Store& store, const Lines& card, std::size_t slot) {
  const auto player = store.player_index();
  if (!player || !booked(card, slot)) return std::nullopt;
  return title_named(store, *player, at(card, slot, match::title));
}

std::vector<std::size_t> titlecheck(Store& store, const Lines& card) {
  std::vector<std::size_t> changed;
  const auto player = store.player_index();
  for (std::size_t k = 0; k < rec::match_slots; ++k) {
    const auto title = title_at_stake(store, card, k);
    if (!title) continue;
    const std::string& winners = at(card, k, match::winners);
    if (winners.empty() || winners == match::automatic || store.promotion(*player).title(*title).holder() == winners) continue;
    std::vector<std::string> members;
    for (const auto& side : card_sides(card, k))
      if (side.name == winners) members = side.members;
    if (award_title(store, *player, *title, winners, members)) changed.push_back(k);
  }
  return changed;
}

}  // namespace rv

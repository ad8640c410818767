#include "shows/cardfile.h"

#include <algorithm>
#include <optional>

#include "shows/battleroyal.h"

namespace rv {

namespace {

constexpr std::string_view enter_all_text = "Enter All";
constexpr std::string_view enter_all_workers_text = "Enter All Workers";

bool empty_record(const Lines& lines, std::size_t first) {
  for (std::size_t i = first; i < std::min(lines.size(), first + rec::match); ++i)
    if (!lines[i].empty()) return false;
  return true;
}

// The first of `count` lines from `first` that is not empty.
std::optional<std::size_t> first_filled(const Lines& lines, std::size_t first, std::size_t count) {
  for (std::size_t i = first; i < std::min(lines.size(), first + count); ++i)
    if (!lines[i].empty()) return i;
  return std::nullopt;
}

std::string where(std::size_t match_index, std::size_t line) {
  return "Match " + std::to_string(match_index + 1) + ", line " + std::to_string(line + 1) + ": ";
}

}  // namespace

Status book_card_file(Booking& b, const Lines& records) {
  std::size_t lines = records.size();
  while (lines > 0 && records[lines - 1].empty()) --lines;
  const std::size_t count = (lines + rec::match - 1) / rec::match;
  if (count == 0) return Failure{"The card file holds no match."};
  if (count > rec::match_slots) return Failure{"The card file holds more than ten matches."};
  if (b.step() != BookingStep::count) return Failure{"The card has been booked already."};
  if (!b.choose_count(static_cast<int>(count))) {
    const auto c = b.count_choices();
    return Failure{"A card of " + std::to_string(count) + " matches is not offered for this show (" +
                   std::to_string(c.front()) + " to " + std::to_string(c.back()) + ")."};
  }
  for (std::size_t m = 0; m < count; ++m) {
    const std::size_t base = m * rec::match;
    if (empty_record(records, base)) return Failure{where(m, base) + "the match is missing."};
    auto field = [&](std::size_t f) -> const std::string& { return line_at(records, base + f); };
    auto refused = [&](std::size_t f) { return Failure{where(m, base + f) + quoted_excerpt(field(f)) + " is not offered here."}; };
    b.open_slot(m + 1);
    if (!b.choose(field(match::type))) return refused(match::type);
    if (!b.choose(field(match::title))) return refused(match::title);
    if (!b.choose(field(match::stipulation))) return refused(match::stipulation);
    if (b.awaiting_battle_royal()) {
      BattleRoyalSetup setup(b.battle_royal_pool());
      if (field(match::first_worker) == enter_all_text) setup.enter_all();
      else if (field(match::first_worker) == enter_all_workers_text) setup.enter_all_workers();
      else
        for (std::size_t i = 0; i < match::worker_lines && !field(match::first_worker + i).empty(); ++i)
          if (!setup.enter(field(match::first_worker + i))) return refused(match::first_worker + i);
      if (auto problem = setup.confirm_problem()) return Failure{where(m, base + match::first_worker) + *problem};
      if (field(match::winners) != match::automatic) {
        if (auto problem = setup.choose_winner(field(match::winners))) return Failure{where(m, base + match::winners) + *problem};
      }
      if (!b.book_battle_royal(setup.entry())) return refused(match::first_worker);
      continue;
    }
    std::size_t workers = 0;
    for (; b.step() == BookingStep::participants; ++workers) {
      if (workers >= match::worker_lines || field(match::first_worker + workers).empty())
        return Failure{where(m, base + match::first_worker + std::min(workers, match::worker_lines - 1)) + "the match needs more participants."};
      if (!b.choose_worker(field(match::first_worker + workers))) return refused(match::first_worker + workers);
    }
    if (auto extra = first_filled(records, base + match::first_worker + workers, match::worker_lines - workers))
      return Failure{where(m, *extra) + "\"" + records[*extra] + "\" is one participant too many for a " + field(match::type) + "."};
    std::size_t teams = 0;
    for (; b.step() == BookingStep::team_names; ++teams) {
      const std::size_t at = base + match::first_team + std::min(teams, match::team_lines - 1);
      if (teams >= match::team_lines) return Failure{where(m, at) + "the match has more teams than team name lines."};
      if (auto problem = b.team_name_problem(field(match::first_team + teams))) return Failure{where(m, at) + *problem};
      b.name_team(field(match::first_team + teams));
    }
    if (auto extra = first_filled(records, base + match::first_team + teams, match::team_lines - teams))
      return Failure{where(m, *extra) + "\"" + records[*extra] + "\" names a team the match does not have."};
    if (!b.choose(field(match::winners))) return refused(match::winners);
    if (!b.choose(field(match::win_type))) return refused(match::win_type);
  }
  if (!b.can_confirm()) return Failure{"The card is not complete."};
  return success();
}

}  // namespace rv

// ringvale-cli book-card: books the card of the next show from lines on standard input, with the
// same booking machine as the booking screen, and shows how the card would rate. Nothing is saved.
#include <iostream>
#include <string>

#include "app/cli_commands.h"
#include "promotion/venues.h"
#include "shows/battleroyal.h"
#include "shows/booking.h"
#include "shows/forecast.h"
#include "shows/rating.h"
#include "state/fileio.h"
#include "state/saves.h"
#include "state/text.h"

namespace rv::cli {

namespace {

constexpr std::string_view script_help =
    "Each line is one step: a number of matches, \"match K\" to open slot K, an item of the list\n"
    "(its text or its number), a team name when one is asked, \"Enter All\" or \"Enter All Workers\"\n"
    "for a battle royal, \"clear match\", \"clear show\" or \"confirm\".";

void show_step(const Booking& b, std::ostream& out) {
  if (b.step() == BookingStep::count) {
    out << "How many matches will be on this show?";
    for (int n : b.count_choices()) out << " " << n;
    out << "\n";
    return;
  }
  if (b.step() == BookingStep::team_names) {
    out << b.team_question() << " [" << b.team_proposal() << "]\n";
    return;
  }
  out << b.caption() << "\n";
  if (b.awaiting_battle_royal()) {
    out << "  Enter All\n  Enter All Workers\n";
    return;
  }
  const auto choices = b.choices();
  for (std::size_t i = 0; i < choices.size(); ++i) out << "  " << i + 1 << ". " << choices[i] << "\n";
}

// A whole number from 1 to 99 written alone on a line.
std::optional<std::size_t> small_number(const std::string& line) {
  if (line.empty() || line.size() > 2 || line.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const auto n = static_cast<std::size_t>(std::stoi(line));
  if (n == 0) return std::nullopt;
  return n;
}

// Why a line was not taken; nothing when it was.
using Refusal = std::optional<std::string>;

Refusal take_battle_royal(Booking& b, const std::string& line) {
  BattleRoyalSetup setup(b.battle_royal_pool());
  if (line == "Enter All") setup.enter_all();
  else if (line == "Enter All Workers") setup.enter_all_workers();
  else return "the battle royal takes \"Enter All\" or \"Enter All Workers\"";
  if (auto problem = setup.confirm_problem()) return *problem;
  if (!b.book_battle_royal(setup.entry())) return "the battle royal could not be booked";
  return std::nullopt;
}

Refusal take_line(Booking& b, const std::string& line) {
  if (b.step() == BookingStep::count) {
    const auto n = small_number(line);
    if (n && b.choose_count(static_cast<int>(*n))) return std::nullopt;
    return "the number of matches must be one of those listed";
  }
  if (line.rfind("match ", 0) == 0) {
    const auto k = small_number(line.substr(6));
    if (k && b.open_slot(*k)) return std::nullopt;
    return "this show has matches 1 to " + std::to_string(b.match_count());
  }
  if (line == "clear match") return b.clear_match() ? Refusal{} : Refusal{"no match is open"};
  if (line == "clear show") {
    b.clear_show();
    return std::nullopt;
  }
  if (b.step() == BookingStep::team_names) return b.name_team(line) ? Refusal{} : Refusal{"the team needs a name"};
  if (b.awaiting_battle_royal()) return take_battle_royal(b, line);
  if (b.choose(line)) return std::nullopt;
  const auto choices = b.choices();
  const auto n = small_number(line);
  if (n && *n <= choices.size() && b.choose(choices[*n - 1])) return std::nullopt;
  if (b.step() == BookingStep::choose_match) return "open a match first (\"match K\")";
  return "it is not one of the choices listed";
}

// What the card is expected to rate, match by match and overall, before the night's draws.
void show_forecast(const Store& store, const ShowFacts& show, const Booking& b, std::ostream& out) {
  BookedShow booked;
  booked.show = show;
  const CardForecast f = forecast_card(store, booked, b);
  for (std::size_t k = 0; k < static_cast<std::size_t>(b.match_count()) && k < f.ratings.size(); ++k)
    out << "Match " << k + 1 << " expected rating: " << (f.ratings[k].empty() ? "none of its own" : f.ratings[k]) << "\n";
  out << f.overall << "\n";
}

// Rates a copy of the game: the card's slots with their ratings and winners.
void show_rated_card(const Store& store, const Booking& b, bool major, Rng& rng, std::ostream& out) {
  Store copy = store.scratch();
  Lines card = b.card();
  const CardFigures figures = matchstats(copy, card, {major, b.battle_royal_entrants()}, rng);
  choosewinner(copy, card, b.battle_royal_entrants(), rng);
  for (std::size_t k = 0; k < static_cast<std::size_t>(b.match_count()); ++k) {
    const std::size_t base = k * rec::match;
    out << "Match " << k + 1 << ": " << card[base + match::type];
    if (!figures.ratings[k].empty()) out << ", rated " << figures.ratings[k];
    out << ", won by " << card[base + match::winners] << " (" << card[base + match::win_type] << ")\n";
  }
  out << "Star points " << figures.star_points << ", title matches " << figures.title_matches << ", crowd points "
      << figures.crowd_points << ", injuries " << figures.injuries.size() << "\n";
  for (const auto& injury : figures.injuries) out << "  " << injury.worker << ": " << injury.text << ", " << injury.words << "\n";
  out << "Nothing has been saved.\n";
}

}  // namespace

int cmd_book_card(const Args& args, std::istream& in, std::ostream& out, std::ostream& err) {
  const auto home_dir = args.get("home");
  const auto save = save_option(args, err);
  if (!home_dir || home_dir->empty() || !save) {
    err << "Usage: ringvale-cli book-card --home DIR --save NAME [--seed N] < STEPS\n" << script_help << "\n";
    return exit_failure;
  }
  const Home home(*home_dir);
  auto opened = open_saved_game(args, home, *save, err);
  if (!opened) return exit_failure;
  const Store* store = &opened->store;
  const auto show = next_show(*store);
  if (!show) {
    err << "There is no show of yours on the calendar to book.\n";
    return exit_failure;
  }
  const bool big = show->type == ShowType::big;
  Booking booking(*store, {show->brand, big});
  Rng& rng = opened->rng;
  out << "Booking For " << show->name << "\n";
  show_step(booking, out);
  LineReader reader(in);
  std::string line;
  for (auto got = reader.next(line); got != LineReader::Got::end; got = reader.next(line)) {
    if (got == LineReader::Got::too_much) {
      err << reader.problem() << "\n";
      break;
    }
    if (got == LineReader::Got::too_long) {
      out << "Not taken: " << reader.problem() << ".\n";
      continue;
    }
    if (line.empty()) continue;
    if (line == "confirm") {
      if (!booking.can_confirm()) {
        out << "Every match up to the number of matches must be booked first.\n";
        continue;
      }
      show_forecast(*store, *show, booking, out);
      show_rated_card(*store, booking, big, rng, out);
      return exit_ok;
    }
    if (const auto refused = take_line(booking, line)) {
      out << "Not taken: " << quoted_excerpt(line) << " (" << *refused << ").\n";
      continue;
    }
    show_step(booking, out);
  }
  err << "No card was confirmed.\n";
  return exit_failure;
}

}  // namespace rv::cli

#include "cycle/autoshow.h"

#include "cycle/showday.h"
#include "promotion/venues.h"
#include "shows/cardfile.h"
#include "shows/results.h"
#include "shows/suggest.h"

namespace rv {

Result<ShowDayOutcome> play_show_day(Game& game, const Home& home, const ShowLibraries& libraries, const ShowDayPlay& play) {
  const auto shows = todays_shows(game.store);
  if (shows.empty()) return Failure{"Today is not one of your show days."};
  // Only a cancelled show and the run itself change the game; the run replaces it in one go, so
  // a refused venue or card leaves the day as it was.
  ShowDayOutcome out;
  const ShowDayResult go = go_to_show(game);
  out.messages = go.messages;
  if (go.cancelled || !go.can_go_ahead) {
    out.cancelled = go.cancelled;
    return out;
  }
  const ShowFacts& show = shows.front();
  std::string venue = play.venue;
  if (venue.empty()) {
    auto offers = offered_venues(game.store, home, show);
    if (!offers) return Failure{offers.error()};
    venue = offers->front().name;
  }
  auto booked = book_venue(game.store, home, show, venue);
  if (!booked) return Failure{booked.error()};
  Booking booking(game.store, {show.brand, show.type == ShowType::big});
  if (play.card) {
    if (auto status = book_card_file(booking, *play.card); !status) return Failure{status.error()};
  } else {
    const auto suggested = suggest_card(booking, game.store, game.rng);
    if (!suggested.complete) return Failure{"No card could be suggested for " + show.name + "."};
  }
  auto run = run_show(game, *booked, booking, libraries);
  if (!run) return Failure{run.error()};
  out.run = std::move(*run);
  return out;
}

std::vector<std::string> show_summary(const ShowRun& run) {
  std::vector<std::string> out;
  for (std::size_t k = 0; k < rec::match_slots; ++k) {
    const std::size_t base = k * rec::match;
    if (line_at(run.card, base + match::slot).empty()) continue;
    std::string lineup;
    if (line_at(run.card, base + match::type) == match_type::battle_royal) {
      lineup = "Battle Royal of " + std::to_string(run.battle_royal ? run.battle_royal->tallies.size() : 0);
    } else {
      for (const auto& side : card_sides(run.card, k)) lineup += (lineup.empty() ? "" : " vs ") + side.name;
    }
    const std::string rating = run.figures.ratings[k].empty() ? "-" : run.figures.ratings[k];
    out.push_back("Match " + std::to_string(k + 1) + ": " + lineup + ", rated " + rating + ", won by " +
                  line_at(run.card, base + match::winners));
  }
  return out;
}

}  // namespace rv

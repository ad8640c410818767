#include "cycle/autoshow.h"

#include "cycle/showday.h"
#include "promotion/venues.h"
#include "shows/cardfile.h"
#include "shows/forecast.h"
#include "shows/results.h"
#include "shows/suggest.h"
#include "shows/takings.h"

namespace rv {

namespace {

// The hall where the card is expected to bring in the most after its hire (the first on a tie),
// as the venue list shows it.
std::string best_earning_venue(const Store& store, const ShowFacts& show, const std::vector<VenueOffer>& offers,
                               const Booking& booking) {
  const TakingsPreview preview = preview_takings(store, show, offers, &booking);
  const VenueTakings* best = nullptr;
  for (const auto& v : preview.venues)
    if (!best || v.after_hire > best->after_hire) best = &v;
  return best ? best->venue.name : offers.front().name;
}

// The staff draw up the suggested card at every length offered and book the length expected to
// rate best overall: a short card of strong matches can beat a long one that uses everyone. Each
// trial draws from a copy of the game's draws, so the card booked afterwards is the one tried.
std::optional<int> strongest_card_length(const Game& game, const ShowFacts& show, const suggest_pick::CardMemory& memory) {
  const BookingSetting setting{show.brand, show.type == ShowType::big};
  std::optional<int> best;
  double best_overall = 0;
  for (const int count : Booking(game.store, setting).count_choices()) {
    Booking trial(game.store, setting);
    Rng draws = game.rng;
    if (!trial.choose_count(count) || !suggest_card(trial, game.store, draws, memory).complete) continue;
    ShowContext context;
    context.show = show;
    context.matches = static_cast<std::size_t>(count);
    const double overall = expected_overall(game.store, context, trial);
    if (!best || overall > best_overall) {
      best = count;
      best_overall = overall;
    }
  }
  return best;
}

}  // namespace

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
  Booking booking(game.store, {show.brand, show.type == ShowType::big});
  if (play.card) {
    if (auto status = book_card_file(booking, *play.card); !status) return Failure{status.error()};
  } else {
    const auto memory = suggest_pick::card_memory(game.store);
    // A house show moves no popularity: its card keeps the suggester's own length.
    if (show.type != ShowType::house)
      if (const auto count = strongest_card_length(game, show, memory)) booking.choose_count(*count);
    const auto suggested = suggest_card(booking, game.store, game.rng, memory);
    if (!suggested.complete) return Failure{"No card could be suggested for " + show.name + "."};
  }
  std::string venue = play.venue;
  if (venue.empty()) {
    auto offers = offered_venues(game.store, home, show);
    if (!offers) return Failure{offers.error()};
    venue = best_earning_venue(game.store, show, *offers, booking);
  }
  auto booked = book_venue(game.store, home, show, venue);
  if (!booked) return Failure{booked.error()};
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

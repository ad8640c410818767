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

// The suggested card. A show that moves popularity (any but a house show) is drawn up at every
// length offered and the one expected to rate best overall is booked: a short card of strong
// matches can beat a long one that uses everyone. The draws the booked card took go on.
bool book_suggested_card(Game& game, const ShowFacts& show, Booking& booking) {
  const auto memory = suggest_pick::card_memory(game.store);
  if (show.type == ShowType::house) return suggest_card(booking, game.store, game.rng, memory).complete;
  std::optional<Booking> best;
  Rng best_draws = game.rng;
  double best_overall = 0;
  Store scratch;  // one working copy for every length tried
  for (const int count : booking.count_choices()) {
    Booking trial = booking;
    Rng draws = game.rng;
    if (!trial.choose_count(count) || !suggest_card(trial, game.store, draws, memory).complete) continue;
    ShowContext context;
    context.show = show;
    context.matches = static_cast<std::size_t>(count);
    const double overall = expected_overall(scratch, game.store, context, trial);
    if (!best || overall > best_overall) {
      best = std::move(trial);
      best_draws = draws;
      best_overall = overall;
    }
  }
  if (!best) return false;
  booking = std::move(*best);
  game.rng = best_draws;
  return true;
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
  } else if (!book_suggested_card(game, show, booking)) {
    return Failure{"No card could be suggested for " + show.name + "."};
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

#pragma once
// Running today's show once its card is confirmed: every step of the night in order, on a copy of
// the game that replaces it only when the whole show has run. What the presentation replays comes
// back with it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "promotion/venues.h"
#include "shows/booking.h"
#include "shows/presentation.h"
#include "shows/rating.h"
#include "shows/reports.h"
#include "shows/results.h"
#include "shows/royalstory.h"
#include "shows/showsteps.h"
#include "state/game.h"
#include "state/history.h"
#include "state/result.h"

namespace rv {

struct ShowRun {
  ShowContext context;
  std::string date_text;  // "Thursday 12th January 2004"
  Num costs = 0;
  double score = 0;
  Takings takings;
  Lines card;  // the decided card
  CardFigures figures;
  std::optional<BattleRoyalStory> battle_royal;
  std::vector<std::string> commentary;
  std::vector<TurnReaction> turns;
  OverallRating overall;
  std::vector<std::size_t> title_changes;  // card slots whose title changed hands
  std::vector<ResultBlock> results;
  std::string results_title;  // show name + " Results"
  Num balance_before = 0, balance_after = 0;
};

// The steps of a show, in the order they run.
const std::vector<std::string_view>& show_step_names();

// Runs the show of `booked` with the confirmed card of `booking`. Nothing changes when it cannot
// run (a card not complete, a worker on it no longer fit, no promotion of the player's).
Result<ShowRun> run_show(Game& game, const BookedShow& booked, const Booking& booking, const ShowLibraries& libraries);

// What the player is shown of the run show.
ShowPresentation present_show(const ShowRun& run);
// A past show from the archive, as its results screen showed it (no commentary, no battle royal
// details: the archive keeps neither).
ShowPresentation archived_presentation(const HistoryShow& show);

}  // namespace rv

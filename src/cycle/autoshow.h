#pragma once
// A show day played without the screens: "Go To Show", a card from a file or from the suggester,
// the venue, and the show run as "Confirm" runs it.
#include <optional>
#include <string>
#include <vector>

#include "shows/reports.h"
#include "shows/runshow.h"
#include "state/game.h"
#include "state/home.h"

namespace rv {

struct ShowDayPlay {
  std::string venue;              // the venue to book; empty for the one the card should earn most in
  std::optional<Lines> card;      // the card's match records; none for the suggester's card
};

struct ShowDayOutcome {
  bool cancelled = false;           // too few workers: the show is off
  std::vector<std::string> messages;
  std::optional<ShowRun> run;       // the show, when it ran
};

// Plays today's first show. A failure (no venue offered, a card the booking refuses) changes
// nothing and leaves the day a show day.
Result<ShowDayOutcome> play_show_day(Game& game, const Home& home, const ShowLibraries& libraries, const ShowDayPlay& play);

// "Match 1: A vs B, rated 72, won by A", one line per match of a run show.
std::vector<std::string> show_summary(const ShowRun& run);

}  // namespace rv

#pragma once
// What the screens share while the program runs: the game home, the dialogs, the clock, the
// seed, the world being chosen from and the running game.
#include <QPixmap>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "screens/shell/dialogs.h"
#include "state/clock.h"
#include "state/game.h"
#include "state/home.h"
#include "state/ledger.h"
#include "state/newgame.h"
#include "state/saves.h"

namespace rv {
struct BookedShow;  // promotion/venues.h: the show of today whose venue is booked
class Booking;      // shows/booking.h: the card being booked for it
class Signing;      // talent/signing.h: the approach to a worker from outside the roster
struct ShowPresentation;  // shows/presentation.h: the show just run, as the player sees it
}  // namespace rv

namespace rvgui {

struct Session {
  Session(rv::Home h, Dialogs& d, const rv::Clock& c, std::uint64_t s) : home(std::move(h)), dialogs(d), clock(c), seed(s) {}

  rv::Home home;
  Dialogs& dialogs;
  const rv::Clock& clock;
  std::uint64_t seed;
  std::unique_ptr<rv::NewGame> pending;  // the world of a new game while the promotion is chosen
  std::unique_ptr<rv::Game> game;        // the running game
  std::size_t history_slot = 0;          // the title whose history the history screen shows
  std::optional<rv::Figure> ledger_figure;  // the figure the ledger screen shows (every one when none)
  // The worker the profile, "Edit Info" and contract screens show (his ring name); the first of
  // the roster when empty or gone.
  std::string profile_worker;
  // The roster, the feuds or the championships were opened from show booking and return there.
  bool opened_from_booking = false;
  // The worker from outside the roster that the outside profile, the negotiation and the indy
  // booking screens show (his ring name); the world's first free agent when empty or gone.
  std::string outside_worker;
  std::shared_ptr<rv::Signing> signing;  // from "Approach To Sign" until the negotiation closes
  // Today's show from the venue choice until its card is confirmed or given up; the venue,
  // booking and battle royal screens share it. Nothing of it is in the store.
  std::shared_ptr<rv::BookedShow> booked_show;
  std::shared_ptr<rv::Booking> booking;
  // The day the card was started: a card lives until its show has run, or its day has passed.
  std::string booking_date;
  // The show just run, from "Confirm" until the player leaves its results.
  std::shared_ptr<rv::ShowPresentation> presentation;

  // Starts the running game from a store (a confirmed new game or a loaded save).
  void start_game(rv::Store store, std::string save_name) {
    game = std::make_unique<rv::Game>();
    game->store = std::move(store);
    game->rng.reseed(seed);
    game->save_name = std::move(save_name);
    history_slot = 0;
    ledger_figure.reset();
    profile_worker.clear();
    opened_from_booking = false;
    outside_worker.clear();
    signing.reset();
    booked_show.reset();
    booking.reset();
    presentation.reset();
  }

  // Opens the save described by `sav_file` as the running game; the message why not otherwise.
  // Loading is written once, here: the load list and `--load` both come this way.
  std::optional<std::string> load_save(const std::string& sav_file) {
    auto opened = rv::open_save(home, sav_file);
    if (!opened) return opened.error();
    start_game(std::move(opened->store), std::move(opened->name));
    return std::nullopt;
  }
};

}  // namespace rvgui

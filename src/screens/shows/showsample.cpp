#include "screens/shows/showsample.h"

#include <memory>

#include "promotion/venues.h"
#include "screens/shell/session.h"
#include "shows/presentation.h"
#include "shows/runshow.h"
#include "shows/suggest.h"

namespace rvgui {

void prepare_sample_show(Session& session) {
  if (!session.game || session.presentation) return;
  const auto show = rv::next_show(session.game->store);
  if (!show) return;
  rv::Game copy = *session.game;
  rv::BookedShow booked;
  booked.show = *show;
  if (auto offers = rv::offered_venues(copy.store, session.home, *show); offers && !offers->empty()) {
    if (auto b = rv::book_venue(copy.store, session.home, *show, offers->front().name)) booked = *b;
  }
  auto booking = std::make_shared<rv::Booking>(copy.store, rv::BookingSetting{show->brand, show->type == rv::ShowType::big});
  if (!rv::suggest_card(*booking, copy.store, copy.rng).complete) return;
  if (!session.booking) session.booking = booking;
  auto run = rv::run_show(copy, booked, *booking, rv::load_libraries(session.home));
  if (run) session.presentation = std::make_shared<rv::ShowPresentation>(rv::present_show(*run));
}

}  // namespace rvgui

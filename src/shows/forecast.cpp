#include "shows/forecast.h"

#include "shows/results.h"

namespace rv {

CardSetting night_setting(const ShowFacts& show, const Booking& booking, bool forecast) {
  return {show.type == ShowType::big || show.type == ShowType::primary, booking.battle_royal_entrants(), forecast, show.name};
}

CardForecast forecast_card(const Store& store, const BookedShow& booked, const Booking& booking) {
  CardForecast out;
  // The rating wears stipulations and workers down as it goes: it runs on a copy.
  Store scratch = store.scratch();
  Rng unused(1);  // a forecast draws nothing
  const ShowContext context = show_context(booked, static_cast<std::size_t>(booking.match_count()));
  const CardFigures f = matchstats(scratch, booking.card(), night_setting(booked.show, booking, true), unused);
  bool drawn = false;
  for (std::size_t k = 0; k < rec::match_slots; ++k) {
    if (f.ratings[k].empty()) continue;
    out.terms[k] = f.terms[k];
    drawn = drawn || f.open_draw[k] || f.injury_risk[k];
    if (f.open_draw[k]) out.ratings[k] = std::to_string(best_rating - 1) + " or " + std::to_string(best_rating);
    else out.ratings[k] = (f.injury_risk[k] ? "about " : "") + f.ratings[k];
  }
  const OverallRating overall = overall_rating(scratch, context, f);
  out.overall = std::string("Expected Show Rating: ") + (drawn ? "about " : "") + overall_rating_figure(overall.shown) + "%";
  return out;
}

double expected_overall(const Store& store, const ShowContext& context, const Booking& booking) {
  Store scratch;
  return expected_overall(scratch, store, context, booking);
}

double expected_overall(Store& scratch, const Store& store, const ShowContext& context, const Booking& booking) {
  scratch.rescratch(store);
  Rng unused(1);  // a forecast draws nothing
  const CardFigures f = matchstats(scratch, booking.card(), night_setting(context.show, booking, true), unused);
  return overall_rating(scratch, context, f).value;
}

}  // namespace rv

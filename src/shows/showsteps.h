#pragma once
// The money, the crowd and the verdict of a show: what it costs, how well the card draws, what it
// takes at the door and on television, how the fans take its turns, and how it is rated overall.
#include <string>
#include <vector>

#include "promotion/production.h"
#include "promotion/venues.h"
#include "shows/rating.h"
#include "state/store.h"

namespace rv {

// Today's show with its venue, as the run of the show sees it.
struct ShowContext {
  ShowFacts show;
  std::string venue, town;
  Num capacity = 0;
  Num hire_cost = 0;
  std::size_t matches = 0;  // the number of matches booked
};
ShowContext show_context(const BookedShow& booked, std::size_t matches);

// Production, the big show's promotion and the venue's hire, paid from the balance; returns the sum.
Num pay_show_costs(Store& store, const ShowContext& show);

// How well the card draws: the card's popularity and stipulations against the promotion's
// standing, its titles, its feuds and the crowd of the last match.
double show_score(const Store& store, const ShowContext& show, const CardFigures& figures);

struct Takings {
  Num attendance = 0;
  bool sold_out = false;
  std::string attendance_text;  // "12,000" or "8,000 (Sell-Out)"
  std::string rating;           // a televised show's rating, "4.4"
  std::string figure_text;      // a regular show's audience figure as its last-show line keeps it
  Num buys = 0;
  double buy_rate = 0;  // a big show's, with a pay-per-view deal
  Num buy_money = 0;    // what the buys bring: $5 each on a regular show, the gross of a big show
  Num tickets = 0;
  Num merchandise = 0;
  Num gross = 0;  // a big show's pay-per-view gross
};
// What the show takes with this score, in this hall; nothing is changed. The run of the show
// books exactly these figures.
Takings show_takings(const Store& store, const ShowContext& show, double score);
// The attendance, the show's figures and records, the money it makes and the "Info" message.
Takings take_show_money(Store& store, const ShowContext& show, double score);

// A planned turn of a worker on this card, with the fans' response to it.
struct TurnReaction {
  std::string worker, disposition;
  Num score = 0;   // the standing's weight, no more than the fans' appetite for turns
  Num points = 0;  // popularity the promotion gains
  std::string message;
};
TurnReaction react_to_turn(Num standing_weight, Num freshness, const std::string& worker);
// The turns planned for workers on the card; `also_on_card` adds the battle royal's entrants.
std::vector<std::size_t> turns_on_card(const Store& store, const Lines& card, const std::vector<std::string>& also_on_card);
// The turns take effect: dispositions change, popularity and the show's rating rise, the appetite
// for turns falls, the turn plans go and the player is told.
std::vector<TurnReaction> take_turns(Store& store, const ShowContext& show, const Lines& card,
                                     const std::vector<std::string>& also_on_card);

struct OverallRating {
  double before_star_power = 0;
  double shown = 0;  // the rating before star power, held between 0 and 100: what the player sees
  double value = 0;  // after star power: what moves the promotion and the fans' verdict
};
OverallRating overall_rating(const Store& store, const ShowContext& show, const CardFigures& figures);
// The production level the fans expect of a show of this kind from a promotion of this size (a
// booked house show, produced at the secondary level, expects less): below it the overall rating
// loses two points a level, above it gains one a level, up to three.
Num expected_production(Num size_level, ShowKind kind, bool house = false);
// The overall rating moves the promotion's popularity and today's show's rating; every
// promotion's popularity and show ratings are then held between 5 and 100.
void apply_overall_rating(Store& store, const ShowContext& show, double rating);
// The fans' verdict in the inbox: the show's feedback and, where stars matter, the star power.
void post_show_feedback(Store& store, const ShowContext& show, double rating, Num star_points);
std::string show_feedback_text(double rating);
std::string star_power_text(Num star_points);  // empty above 50

}  // namespace rv

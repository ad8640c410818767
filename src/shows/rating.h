#pragma once
// Rating the matches of a confirmed card and deciding the winners the player left to the game.
// Rating wears the stipulations down, moves the value of the defended titles, costs the workers
// condition and may injure them; it also leaves the figures of the whole card that running the
// show needs.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "shows/injury.h"
#include "state/random.h"
#include "state/store.h"

namespace rv {

struct CardSetting {
  // A big show or the primary show: the crowd wants more before it gets behind a match.
  bool major_show = false;
  // The entrants of the card's battle royal, if it has one.
  std::vector<std::string> battle_royal_entrants;
  // Looking ahead while booking: nobody is hurt, and a match that goes over the top is held at
  // the top with its draw left open (see CardFigures::open_draw).
  bool forecast = false;
  // The show's name, for the causes the ledger writes down.
  std::string show_name = {};
};

// One term of a match's rating, named as the player reads it, and what it adds.
struct RatingTerm {
  std::string name;
  double value = 0;
};
// The terms of a match's rating in the order they count; they add up to the rating.
using RatingTerms = std::vector<RatingTerm>;

struct CardFigures {
  Num star_points = 0;      // 0 to 100, over the whole card
  Num reference_level = 0;  // the popularity the workers are measured against
  Num title_matches = 0;
  double title_value_sum = 0;
  Num crowd_points = 0;       // 0 to 17, of the last match rated
  Num stipulation_value = 0;  // the crowd value of the last stipulation used
  std::array<std::string, rec::match_slots> ratings;  // "1" to "100"; empty for an unrated slot
  // Per slot: the popularity average the crowd saw, the stipulation's crowd value (0 without
  // one) and the heat of the feud fought out (0 for none).
  std::array<double, rec::match_slots> popularity{};
  std::array<Num, rec::match_slots> stipulation_values{};
  std::array<Num, rec::match_slots> feud_heat{};
  std::array<std::optional<std::size_t>, rec::match_slots> feuds;  // the feud slot fought out
  std::vector<Injury> injuries;
  std::array<RatingTerms, rec::match_slots> terms;  // empty for an unrated slot
  // A forecast only: the slot's rating still rests on a draw of the night (99 or 100 at the top),
  // or one of its workers risks an injury earlier on the card.
  std::array<bool, rec::match_slots> open_draw{};
  std::array<bool, rec::match_slots> injury_risk{};
};

// The condition a stipulation of this danger takes from a worker with `years_left` in the ring.
Num stipulation_condition_cost(Num years_left, Num danger);
// Below this condition a worker counts against the rating of his match.
inline constexpr Num worn_condition = 50;

inline constexpr Num best_rating = 100;
inline constexpr Num worst_rating = 1;
inline constexpr Num most_crowd_points = 17;
inline constexpr Num most_star_points = 100;

// Rates every booked match of `card` in card order (a battle royal is rated but has no rating of
// its own). Injured workers are marked out in the wrestler table and told of in the inbox.
CardFigures matchstats(Store& store, const Lines& card, const CardSetting& setting, Rng& rng);

// The terms one a line, as the player reads them: "Feud heat: +3.50".
std::vector<std::string> rating_term_lines(const RatingTerms& terms);

// Decides the winner of every booked match of `card` whose winners line is "Auto", and turns an
// "Auto" win type into "Normal".
void choosewinner(const Store& store, Lines& card, const std::vector<std::string>& battle_royal_entrants, Rng& rng);

// The player's feud fought out in card slot `slot` (0-based): a singles feud between the two
// workers of a singles match, a tag feud between the two pairs of a tag match.
std::optional<std::size_t> feud_of_match(const Store& store, const Lines& card, std::size_t slot);

// The place (0 = the best side) that a draw gives among `sides` sides ordered by score when the
// best two are `gap` apart.
std::size_t winning_place(std::size_t sides, Num gap, Rng& rng);

}  // namespace rv

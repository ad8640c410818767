#pragma once
// What a decided card reads like: the playback's match headers, the results screen's blocks and
// the title changes the results bring.
#include <optional>
#include <string>
#include <vector>

#include "state/store.h"

namespace rv {

// The sides of a booked match: each a name (a worker, or a team's name) and its members.
struct CardSide {
  std::string name;
  std::vector<std::string> members;
};
std::vector<CardSide> card_sides(const Lines& card, std::size_t slot);

// The playback's header of card slot `slot` (0-based): "Steel Cage Match For The Gold Title: A vs
// B"; a battle royal is "Featuring 12 Participants".
std::string match_header(const Lines& card, std::size_t slot, std::size_t battle_royal_entrants);

struct ResultBlock {
  std::string heading;  // "- Match 1 -"
  std::string match;    // "Singles", "Singles For The Gold Title Match"
  std::string result;   // "A defeated B", "... by DQ", "A won the Battle Royal"
  std::string rating;   // "Match Rating: 72%", empty for a battle royal
  std::vector<std::string> rating_terms;  // how the rating came about, a term a line
};
// `battle_royal_result` is the told battle royal's own line ("A won the Grand Melee after last
// eliminating B."); without one the battle royal reads winner + " won the Battle Royal".
std::vector<ResultBlock> makeresultsscreen(const Lines& card, const std::array<std::string, rec::match_slots>& ratings,
                                           const std::string& battle_royal_result);
// "Overall Show Rating: 83.20%", ".80%" below 1, held between 0 and 100.
std::string overall_rating_text(double rating);
// The figure alone: "83.20", ".80", "100.00".
std::string overall_rating_figure(double rating);
// "A", "A and B", "A, B and C".
std::string joined_names(const std::vector<std::string>& names);

// The title of the player's promotion at stake in card slot `slot`, if any.
std::optional<std::size_t> title_at_stake(const Store& store, const Lines& card, std::size_t slot);
// Hands every title that changed hands on the card to its winners; returns the slots it did.
std::vector<std::size_t> titlecheck(Store& store, const Lines& card);

}  // namespace rv

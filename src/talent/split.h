#pragma once
// The roster split of the player's promotion: dividing the roster at random between two named
// brands, and ending the split, which puts every brand field of the promotion back to "All".
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/game.h"

namespace rv {

// Full time workers a promotion needs before its roster can be split.
inline constexpr std::size_t split_minimum = 40;

inline constexpr std::string_view split_too_few_message =
    "You must have at least 40 full time wrestlers before you can create a roster split.";
inline constexpr std::string_view brand1_name_prompt = "Please enter a name for Brand 1.";
inline constexpr std::string_view brand2_name_prompt = "Please enter a name for Brand 2.";
inline constexpr std::string_view split_cancelled_message = "Roster Split Cancelled.";
inline constexpr std::string_view end_split_question =
    "Are you sure you want to end the roster split? All information regarding the current roster split will be "
    "lost.";
inline constexpr std::string_view split_continues_message = "The roster split will continue.";

inline constexpr std::string_view create_split_caption = "Create Roster Split";
inline constexpr std::string_view end_split_caption = "End Roster Split";

// True when the player's promotion has its roster split.
bool roster_split(const Store& store);
// The caption of the button that creates or ends the split.
std::string split_button_caption(const Store& store);
// The rows of the player's workers, in table order; empty without a player promotion.
std::vector<std::size_t> player_workers(const Store& store);
// Why the roster cannot be split now; nothing when it can.
std::optional<std::string> split_refusal(const Store& store);

struct SplitResult {
  bool created = false;
  std::string message;
};
// Names the two brands and deals the player's workers out between them at random, half each
// (an odd worker out lands on either). A refusal leaves the store as it was.
SplitResult create_split(Game& game, const std::string& brand1, const std::string& brand2);

// Ends the split: every worker, show, title and big show of either brand belongs to all again.
void end_split(Store& store);

}  // namespace rv

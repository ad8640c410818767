#pragma once
// Telling the card's battle royal: who enters, who throws whom out, who wins, and the figures of
// the match. Two styles: the plain battle royal, where everyone starts in the ring together, and
// the grand melee, where the entrants come in one after another by number.
#include <string>
#include <string_view>
#include <vector>

#include "state/numbers.h"
#include "state/random.h"

namespace rv {

inline constexpr std::string_view grand_melee_stipulation = "Grand Melee";

struct StoryLine {
  std::string text;
  bool highlighted = false;
};

// What the telling keeps of each entrant row.
struct EntrantTally {
  bool entered = false;
  bool eliminated = false;
  Num stay = 0;  // grand melee only
  Num eliminations = 0;
};

struct BattleRoyalStory {
  std::string winner, runner_up;
  bool grand_melee = false;
  std::vector<StoryLine> details;   // the details list, in order
  std::string result;               // the match's line on the results
  std::vector<EntrantTally> tallies;  // by entrant row
  std::string window_title() const;
  std::string heading() const;
};

// Tells the battle royal of `entrants` (in row order). `winner` and `runner_up` are an entrant's
// name or "Auto" for one drawn here; a name that is no entrant's is drawn as well, and so is a
// runner-up named like the winner. With fewer than two entrants only what can be told is told.
BattleRoyalStory createbattleroyal(const std::vector<std::string>& entrants, const std::string& winner,
                                   const std::string& runner_up, bool grand_melee, Rng& rng);

}  // namespace rv

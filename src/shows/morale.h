#pragma once
// Morale after a show: who beat whom lifts or hurts the workers' morale (an upset loser may
// complain to the road agent and lose popularity), and after a primary or big show the workers
// left off the card feel it while the lesser names who were on it feel better.
#include <string>
#include <vector>

#include "state/random.h"
#include "state/store.h"

namespace rv {

struct MoraleSetting {
  std::string show_name;
  bool primary_show = false;
  bool big_show = false;
  std::string brand = std::string(brand_all);  // the show's brand
  Num reference_level = 0;                     // the player's promotion's reference level
  std::vector<std::string> battle_royal_entrants;
  std::string battle_royal_runner_up;  // the decided runner-up
};

inline constexpr std::string_view road_agent = "Road Agent";
inline constexpr std::string_view complaint_subject = "Wrestler Complaint";

// Changes morale (and for the largest upsets popularity) by the results of `card`, the show's
// match records with their winners decided. A match won by disqualification changes nothing.
void moralewinlose(Store& store, const Lines& card, const MoraleSetting& setting);

// After a primary or a big show: the available workers of the player's promotion who were left off
// `card` lose morale by their standing, those on it below the reference level gain some. Draws
// from `rng` for the least popular workers left off. Any other show changes nothing.
void left_off_card_morale(Store& store, const Lines& card, const MoraleSetting& setting, Rng& rng);

}  // namespace rv

#pragma once
// The growth of every promotion: the player's growth ladder, axed shows and the rivals' growth.
#include <string_view>

#include "state/game.h"

namespace rv {

// Daily: the counters, the player's growth ladder, axed shows, and the rivals' growth.
void growandend(Game& game);
inline constexpr Num growth_popularity = 80;
inline constexpr Num growth_streak_days = 60;
inline constexpr Num audience_gate_days = 28;
inline constexpr Num axe_audience = 60;
// A new national show has no audience figure yet: it is neither drifted nor axed until its
// first broadcast measures one.
inline constexpr std::string_view unmeasured_audience = "0";
inline constexpr Num rival_growth_cycle = 135;
inline constexpr Num rival_growth_from = 120;

}  // namespace rv

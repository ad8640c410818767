#pragma once
// Audiences and money: the twice-monthly drift of every promotion's audiences with its
// popularity, the caps on them, and the player's monthly income and running costs.
#include "state/store.h"

namespace rv {

struct PopularityStep {
  int tv;            // TV and big-show audience points
  int ppv;           // pay-per-view buys
  int attendance_pm; // attendance, per mille
};
// The step of every audience for a promotion of popularity P.
PopularityStep popularity_step(Num popularity);

inline constexpr Num tv_audience_floor = 30;
inline constexpr Num ppv_buys_floor = 100;
inline constexpr Num attendance_floor = 25;
inline constexpr Num big_show_attendance_floor = 50;
inline constexpr Num tv_audience_cap = 800;
inline constexpr Num ppv_buys_cap = 300000;
inline constexpr Num big_show_audience_cap = 260;

// Acts on the 15th (big-show audiences) and on Saturdays (show audiences and attendances).
void effectratings(Store& store);
// The caps on national TV audiences, pay-per-view buys and the big-show audience.
void cap_audiences(Store& store);

// The change of the player's balance on the 1st of a month; applies it and returns it.
Num monthly_money_change(const PromotionView& p);
Num monthly_money(Store& store);

}  // namespace rv

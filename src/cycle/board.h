#pragma once
// The board of directors: the weekly review with its six-week probation, and the money check on
// the 1st and the 15th.
#include <string>

#include "state/store.h"

namespace rv {

struct ReviewScore {
  int shows = 0, money = 0, popularity = 0, morale = 0, championships = 0;
  int total() const { return shows + money + popularity + morale + championships; }
};

// The five measures of a review (each up to 20 points).
int shows_points(double average_rating);
int money_points(Num balance, Num baseline);
int popularity_points(double popularity);
int morale_points(double average);  // also the championships' bands
ReviewScore review_score(const Store& store);
// The review as the ledger gives it: "Weekly review: shows 15, money 17, popularity 0, morale 14,
// championships 10 (each out of 20)".
std::string review_cause(const ReviewScore& score);

// Workers counted for the board's roster check (on the roster, not retired).
int board_roster_size(const Store& store);
inline constexpr int board_minimum_roster = 10;
inline constexpr int probation_weeks = 6;

// Saturdays (when the player has not been dismissed).
void weeklyreview(Store& store);

struct DebtLimits {
  Num warning, dismissal;
};
DebtLimits debt_limits(Num size_level);
// The 1st and the 15th.
void money_check(Store& store);

}  // namespace rv

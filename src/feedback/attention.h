#pragma once
// What needs the player's eye this week, for the main screen's side panel: his workers whose
// contracts run out soon (a worker whose deal ends walks out on the 1st of that month unless he is
// re-signed) and the workers out injured.
#include <string>
#include <vector>

#include "state/game.h"

namespace rv {

// How far ahead the main screen looks for contracts to renew.
inline constexpr int contracts_due_weeks = 9;

struct DueContract {
  std::string worker;
  std::string expires;  // "March 2004"
  int weeks_left = 0;   // whole weeks to the 1st of that month, at least 1
  Num wages = 0;        // his weekly wages now
};

struct InjuredWorker {
  std::string worker;
  Num days = 0;  // days still out
};

// The player's workers whose contracts run out within `weeks` weeks, the soonest first (then by name).
std::vector<DueContract> contracts_due(const Store& store, int weeks);
// The player's workers out injured, the longest out first (then by name).
std::vector<InjuredWorker> injured_workers(const Store& store);

}  // namespace rv

#pragma once
// The roster's part of the feedback: the locker room, the top of the card, the roster's size and
// its most valuable player, for the whole roster or for each brand of a split one.
#include <string>
#include <vector>

#include "state/store.h"

namespace rv {

// Appends the messages of the "Roster" area (`split` false) or the "Roster Split" area.
void roster_feedback(const Store& store, PromotionView player, bool split, std::vector<std::string>& out);

}  // namespace rv

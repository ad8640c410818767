#pragma once
// Contracts running out: the warnings on the 7th and 14th (with the other promotions' renewals),
// the expiry on the 1st, and the delivery of the answers to the player's own offers.
#include <string>

#include "state/game.h"

namespace rv {

// Renewal of a rival's worker whose contract runs out: the chance in 20 and the new length.
int renewal_chance_in_20(Num pop, Num size_level);
int max_renewal_years(Num size_level);

// The 7th and 14th.
void contractwarning(Game& game);
// The 1st.
void contractexpire(Store& store);

// Daily: each pending offer waits one day more and its answer may arrive.
void deliver_offer_replies(Game& game);
// The chance of delivery on the given day of waiting: 1 in 5, 1 in 3, 1 in 2, then certain.
int reply_odds(Num day);

}  // namespace rv

#pragma once
// A worker's place in a promotion: which promotion holds his contract and where he stands on its
// card.
#include <cstddef>
#include <string_view>

#include "state/store.h"

namespace rv {

// A worker within this many points below the reference level is mid card; further below, lower.
inline constexpr Num mid_card_margin = 10;
// Rivals sort their own rosters each month a little more kindly to the middle of the card.
inline constexpr Num rival_ranking_mid_margin = 12;

// The role ("3" upper, "2" mid, "1" lower card) a worker of this popularity takes against the
// promotion's reference level.
std::string_view role_for_popularity(Num pop, Num level, Num mid_margin = mid_card_margin);

// Popularity a promotion gains by signing a worker: 15 upper card, 8 mid card, 2 lower card.
int signing_popularity_gain(Num pop, Num level);

// Moves the worker into the promotion: he leaves his old employer (when that is another
// promotion) with every effect of a departure, his titles' vacancies announced in the inbox,
// then works for the new one on the whole roster.
// The caller sets the contract.
void join_promotion(Store& store, std::size_t row, std::size_t promotion);

}  // namespace rv

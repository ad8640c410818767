#pragma once
// Workers leaving a promotion: the release of one of the player's workers and the effects every
// departure shares (contract expiry, a move to another promotion).
#include <cstddef>
#include <string>
#include <vector>

#include "state/game.h"
#include "titles/titles.h"

namespace rv {

// Whole weeks from today to the 1st of the month the worker's contract expires; never below 1.
// An expiry that is not a month and a year, or lies in the past, counts as 1.
int weeks_left(const Store& store, std::size_t row);
// Weeks left x the worker's weekly wages.
Num release_cost(const Store& store, std::size_t row);
// "Release X?" for a worker whose morale is below 40, else the question naming the cost.
std::string release_question(const Store& store, std::size_t row);

// Popularity a promotion loses when a worker of this popularity leaves, judged against its
// reference level: the release table (w above L: 15; within 5 at or below: 10; within 10: 5;
// within 15: 2) and the expiry table (w at least V: 15; within 5 below: 10; within 10: 5;
// within 15: 2). The expiry table also gives what a buy-out adds.
int release_popularity_loss(Num pop, Num level);
int standing_popularity_change(Num pop, Num level);
// What the player's promotion loses when a worker accepts a rival's offer (pop at least V: 10;
// within 5 below: 6; within 10: 3; within 15: 1): the rival pays for the contract.
int offer_popularity_loss(Num pop, Num level);

// Closes every answerable offer in the inbox for this worker: the "no longer works for your
// promotion" note, kind "INFO", days left "0".
void close_offers_for(Store& store, const std::string& worker);
std::string no_longer_works_text(const std::string& worker);

// What every departure from a promotion does: answerable offers closed, pending negotiations
// removed, workers he managed lose their manager, his team, stable and manager become "no", the
// promotion's titles he holds are vacated (announced in the inbox or not, by `notice`), his feuds
// end (the player's promotion) and his staff slots are emptied. The caller sets the new employer
// and contract.
void leave_promotion(Store& store, std::size_t row, std::size_t promotion, VacateNotice notice);

struct ReleaseResult {
  bool released = false;
  Num cost = 0;  // taken from the bank balance
  std::vector<std::string> messages;
};
// Releases one of the player's workers (after the player said Yes): the cost when morale is 30
// or more, every release effect and the popularity loss.
ReleaseResult releasewrestler(Store& store, std::size_t row);

}  // namespace rv

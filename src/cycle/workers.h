#pragma once
// The workers' lives, day by day: injuries heal, condition returns, wages are paid, popularity
// drifts with morale, workers retire, the training camp finds prospects, new free agents appear,
// unhappy workers talk to the press or ask for their release.
#include <string>

#include "state/game.h"

namespace rv {

// True for a worker who counts on the promotion's roster: under contract to it, or working for
// it as well (its initials in `multiproms`).
bool on_roster(const WorkerView& w, const std::string& initials);

// Daily: injured workers come one day closer to fitness; returns and upcoming returns of the
// player's workers are reported.
void injurychange(Store& store);
// Daily: every fit worker regains condition by the years left in the ring, up to 100.
void recover_condition(Store& store);
int condition_gain(const WorkerView& w);
// Fridays: the player's weekly wage bill leaves the bank.
Num paywages(Store& store);
// The 17th: popularity drifts with morale.
void changedrawvalues(Store& store);
// The popularity a worker has after the monthly drift.
Num drifted_pop(const WorkerView& w);
// The 1st of January: every numeric `retire` above 0 counts down a year.
void count_down_careers(Store& store);
// The 1st: announced retirements take effect; workers with no years left may announce.
void retirements(Game& game);
inline constexpr int retirement_announcement_odds = 20;

struct NewTalent {
  std::string gender, name, style, weight, finisher, finishertype;
  int ent = 0, mic = 0, charisma = 0, hardcore = 0, pop = 0, wages = 0;
  std::string country;
  std::string faceheel;
};
// The draws of a new worker (shared by the training camp and new free agents).
NewTalent draw_new_talent(Rng& rng);
// Wednesdays, one day in three: the training camp's latest prospect in maindata 11 to 19.
void newprospect(Game& game);
// The 10th and 20th: a new free agent joins the world. False when no unused name was drawn.
bool generatewrestler(Game& game);
inline constexpr int name_draw_attempts = 25;

// The 9th: an unhappy star of the player speaks to the press (promotions of size 3 and up).
void bad_publicity(Game& game);
// Thursdays: every worker of the player with morale below 30 asks for his release.
void release_requests(Store& store);
inline constexpr Num release_request_morale = 30;
inline constexpr int release_request_days = 6;

// Turn freshness: the daily loss of popularity while it is low, its slow recovery.
void stale_turns(Store& store);
void refresh_turns(Store& store);

}  // namespace rv

#pragma once
// The other promotions: rival shows and the weekly top ten, the ranking of rival rosters,
// signings and bids.
#include <string>
#include <optional>
#include <vector>

#include "state/game.h"

namespace rv {

// ---- rival shows ----
struct RosterFigures {
  int size = 0, top = 0, next = 0;
  int ability = 0, morale = 0;  // rounded means
};
// The show score Q (0 to 100) from the roster's figures.
int rival_show_score(const RosterFigures& r);
// The popularity a promotion gains or loses from a show of score Q (show 0 to 3).
int rival_show_popularity(int q, std::size_t show);
// The morale change of a worker appearing on a rival show of the given score: -3 to +3.
int rival_show_morale_change(Rng& rng, int q);
// Daily: every other promotion with a regular show on today's weekday runs it.
void otherfedsshows(Game& game);

// Sunday: the first Sunday of a game only empties the list; later Sundays fill the top ten.
void weekly_top10(Store& store);
// The week's results into maindata (the ten best TV ratings and attendances), then the list is
// emptied.
void filltop10(Store& store);

// The 6th: every other promotion's workers get their card position from their popularity.
void rank_rival_rosters(Store& store);

// ---- signings and bids ----
enum class Band { upper, mid, lower };
Band band_of(Num pop, Num level);
// The band a rival needs most, from its roster's counts: the one furthest below a believable
// card of one upper for every two mid and three lower workers (the upper first on a tie).
Band needed_band(int upper, int mid, int lower);
Num bid_amount(Band band, Num rival_size);
// Half the days: a rival signs a free agent of the band it needs, or bids for one of the
// player's workers.
void otherfedssign(Game& game);

}  // namespace rv

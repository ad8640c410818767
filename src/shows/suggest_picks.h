#pragma once
// What a suggested card remembers of past shows (who met whom lately, who has worked, which title
// waits longest for a defence) and the picks made from it: the title matches a card owes and the
// worker taken at each participant step.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "shows/booking.h"
#include "state/random.h"

namespace rv::suggest_pick {

// Two workers on opposite sides count as having met; a pairing may not come back within this
// many days unless a feud or a title asks for it.
inline constexpr long long repeat_window_days = 28;

// How far back a card looks: someone not seen on a show for this long counts as a fresh face, and
// a title not defended in it waits as long as one never defended.
inline constexpr std::size_t memory_days = 120;

struct CardMemory {
  std::vector<std::array<std::string, 2>> recent;  // opponents within the window, each pair sorted
  std::vector<std::string> worked;                 // everyone who has worked a show, sorted
  bool has_past = false;                           // any show archived at all
  // Title slots of the player's promotion, the one whose last defence is oldest first; a title
  // never defended in the archive counts as the oldest, slot order breaking ties.
  std::vector<std::size_t> title_rota;

  bool met_recently(const std::string& a, const std::string& b) const;
  // Not yet seen on any show although shows have been run: a new signing, or someone overlooked.
  bool fresh(const std::string& name) const;
};
// Built from the last `memory_days` of the show archive (the store's `history` lines) against today's date.
CardMemory card_memory(const Store& store);

// A match wanted in a slot: its type, the title at stake ("" for none) and, for a feud or a
// title match, the sides it must have.
struct Plan {
  std::size_t slot = 0;
  std::string type;
  std::vector<std::vector<std::string>> sides;
  bool main_event = false;
  std::string title;
  std::size_t title_slot = 0;  // which title block `title` is
};

// The match of running feud `k` when every worker of it is free, wrestles and is not in `taken`
// (to which they are added): a singles feud as Singles / Women's Match / Intergender Match, a tag
// feud as Tag Team / Women's Tag Team / Intergender Tag Team with its pairs on either side.
std::optional<Plan> feud_plan(const Store& store, const Booking& b, std::size_t k, std::vector<std::string>& taken);

// How many titles a card defends: one for every three matches of a regular show (at least one),
// one for every two on a big show.
std::size_t titles_owed(int match_count, bool big_show);

// The title match of title slot `k`: its holders against one of the most popular free wrestlers of
// the same kind (gender, and weight class when the title has one; a tag title's challengers a
// real team when one is free), the best of the first three who has not met the holders lately;
// or the two best contenders for a vacant title. Nothing when the title
// cannot be defended today (a holder missing from the show, a holder who does not wrestle, no
// challenger). The workers booked are added to `taken`.
std::optional<Plan> title_plan(const Store& store, const Booking& b, const CardMemory& memory, std::size_t k,
                               std::vector<std::string>& taken);

// Whether title slot `k` can go on this plan's match: its kind and gender fit the type and one of
// the plan's workers holds it.
bool title_fits_plan(const Store& store, std::size_t k, const Plan& plan);
// A main title's holders keep it when no challenger is a big enough name to be given it.
bool holders_keep_title(const Store& store, const Plan& plan);

// The worker to take at a participant step of an open match (one not planned side by side): a
// champion when the title at stake is his, a wrestler never a non-wrestler, no one who met a worker
// already on the other side lately when anyone else is left, a fresh face before others, the tag
// partner of the side's first member when offered, then a name whose morale is within ten of
// sending him to the press; then the most popular in the main event and one of the three best
// (popularity and ability together) elsewhere. "" when no wrestler is offered.
struct PickSituation {
  const Booking& booking;
  const Store& store;
  const CardMemory& memory;
  const Plan& plan;
  const std::vector<std::string>& picked;  // the match's participants so far
  std::size_t pick;                         // 0-based place of this pick
};
std::string open_participant(const std::vector<std::string>& offered, const PickSituation& at, Rng& rng);

bool wrestles(const BookableWorker& w);

}  // namespace rv::suggest_pick

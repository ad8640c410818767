#pragma once
// Championships as the daily cycle and the talent moves see them: vacating a title without the
// question, counting reigns, and the weekly drift of title levels.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/game.h"

namespace rv {

// True when the worker holds the title in slot `slot` of the promotion (as holder or, for a tag
// title, as one of the co-holders).
bool holds_title(const Store& store, std::size_t promotion, std::size_t slot, const std::string& worker);

// The slot of the promotion's title called `name` ("None" and empty name no title).
std::optional<std::size_t> title_named(const Store& store, std::size_t promotion, std::string_view name);

// Whether a vacancy is also announced in the inbox: a holder who leaves when his contract runs
// out or who accepts another promotion's offer is news; the player's own vacate or release is not.
enum class VacateNotice { quiet, inbox };
inline constexpr std::string_view title_vacated_subject = "Title Vacated";

// Vacates a title (no question asked). A reign longer than the record becomes the record (with a
// "New Record" message for the player's titles); the holder becomes "Vacant", the reign and the
// defences "0". For the player's promotion a "Title Vacated" history entry is added, and with
// VacateNotice::inbox a "Title Vacated" INFO message too. Returns false when the title was
// already vacant or the slot is empty.
bool vacate_title(Store& store, std::size_t promotion, std::size_t slot, VacateNotice notice);
// Vacates every title of the promotion the worker holds; returns how many.
int vacate_titles_of(Store& store, std::size_t promotion, const std::string& worker, VacateNotice notice);

// A title won from its holder (or won while vacant) by `winners` (a worker, or a team's name with
// its members for a tag title). A short reign cheapens the title, a reign past the record becomes
// the record, the new reign starts and the history records it. A new holder of one of the two
// main titles who is not a big enough name costs the promotion popularity and the title value,
// and the press says so. Returns false for an empty slot.
bool award_title(Store& store, std::size_t promotion, std::size_t slot, const std::string& winners,
                 const std::vector<std::string>& members);
// The two main titles (slots 0 and 1) are the ones whose new holder must be a big enough name:
// popularity within five of the title's level.
inline constexpr std::size_t main_title_slots = 2;
bool big_enough_to_hold(Num popularity, Num title_level);
inline constexpr std::string_view title_reaction_subject = "Reaction To Title Change";

// Daily: every held title of the player's promotion counts one more day of its reign; a reign
// past the record becomes the record and is reported in a "New Record" message on the day it
// takes the record (not again on each day it extends it).
void recordreignupdate(Store& store);

// How far a title level moves toward its holder's popularity in one week.
int title_level_step(int gap);
// The weekly level change of one title (including the holder's corrections), before clamping.
int title_level_change(const Store& store, std::size_t promotion, std::size_t slot);

// Defences per thirty days outside this range draw a warning, once the reign is long enough.
inline constexpr int defence_check_min_reign = 28;
inline constexpr double defences_per_month_too_many = 6.0;
inline constexpr double defences_per_month_too_few = 0.5;
inline constexpr int defence_warning_level_loss = 2;
enum class DefencePace { fine, too_often, too_rarely };
DefencePace defence_pace(const Store& store, std::size_t promotion, std::size_t slot);

// Fridays: every held title of every promotion moves its level toward the holder; the player is
// warned (on the first Friday of a month) about titles defended too often or too rarely.
void beltvalues(Store& store);

}  // namespace rv

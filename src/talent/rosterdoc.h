#pragma once
// The printed roster: a plain text file in the home folder listing the promotion, the date, the
// next big show, the title holders and the roster by card position (each brand's with a split).
#include <string>
#include <string_view>

#include "state/home.h"
#include "state/result.h"
#include "state/store.h"

namespace rv {

inline constexpr std::string_view roster_file = "Roster.doc";
inline constexpr std::string_view no_big_show_planned = "No Big Show planned.";
inline constexpr std::string_view roster_printed_message =
    "Your roster has been printed to the file 'Roster.doc' in your Ringvale folder.";
inline constexpr std::string_view rosters_printed_message =
    "Your rosters have been printed to the file 'Roster.doc' in your Ringvale folder.";

// The lines of the printed roster; `real_date` is the day on the player's own calendar.
Lines roster_document(const Store& store, const std::string& real_date);

// Writes the printed roster to the home folder, replacing the last one whole or not at all.
// Gives the message for the player.
Result<std::string> print_roster(const Home& home, const Store& store, const std::string& real_date);

}  // namespace rv

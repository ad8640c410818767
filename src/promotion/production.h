#pragma once
// The shows screen's rules: production levels and their cost, the two interviewers, renaming a
// regular show and its image, the regular show list and the week's top lists.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/home.h"
#include "state/result.h"
#include "state/store.h"

namespace rv {

enum class ShowKind { primary, secondary, big };  // the three production levels
inline constexpr Num production_level_min = 1;
inline constexpr Num production_level_max = 20;

// What one show costs to produce at this level (levels outside 1 to 20 cost as level 1).
Num production_cost(Num level);
// "Level 3 - $2,500 Per Show".
std::string production_caption(Num level);
Num production_level(const Store& store, ShowKind kind);
// One level down (1 wraps to 20) or up (20 wraps to 1); returns the new caption.
std::string step_production(Store& store, ShowKind kind, bool up);

// "None" when the role is empty.
std::string interviewer(const Store& store, int role);
// The workers who may take the role (1 or 2): the player's, of the role's brand when split.
std::vector<std::string> interviewer_choices(const Store& store, int role);
// "None" empties the role; the other role's person is refused.
Status set_interviewer(Store& store, int role, const std::string& worker);
// The note under the interviewers when the roster is split; empty otherwise.
std::string interviewer_note(const Store& store);
inline constexpr std::string_view same_interviewer_message =
    "You can't have the same person as Interviewer 1 and Interviewer 2.";

struct RegularShowRow {
  std::size_t slot;
  std::string name, day, kind, brand, image;
  // The last time the show ran ("None" before its first show) and its figure, named by the
  // show's kind: "TV Rating", "Attendence" or "No. of Buys".
  std::string last_show, figure_name, figure;
};
std::vector<RegularShowRow> regular_shows(const Store& store);
// Renames a regular show and the calendar days of its weekday that hold it; an empty name
// changes nothing. "House Show" and the name of another regular show are refused.
Status rename_regular_show(Store& store, std::size_t slot, const std::string& name);
// Gives a regular show one of the show pictures of Images (a .jpg, .jpeg, .bmp or .gif file
// there), or "NA" for no image; any other file is refused and nothing changes.
Status set_show_image(Store& store, const Home& home, std::size_t slot, const std::string& file);
inline constexpr std::string_view no_image = "NA";

struct TopRow {
  std::string rank, show, figure;
};
// The week's top indy attendances ("Attendence") or national TV ratings ("TV Rating"), best first.
std::vector<TopRow> weekly_top(const Store& store, bool tv_ratings);
inline constexpr std::string_view no_top_information = "No information available at this time.";
// "1st", "2nd", "3rd", "4th" ...
std::string rank_text(std::size_t place);

}  // namespace rv

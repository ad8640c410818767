// How a booked match reads: its sides, their names, and the lines the card shows for it.
#include <algorithm>

#include "shows/booking.h"

namespace rv {

namespace {
constexpr std::string_view vs_line = "- vs -";
}  // namespace

// The sides of a match as lists of names, in the order picked.
std::vector<std::vector<std::string>> Booking::sides(std::size_t slot) const {
  std::vector<std::vector<std::string>> out;
  const auto* t = find_match_type(line(slot, match::type));
  if (!t || t->side_size == 0) return out;
  std::vector<std::string> names;
  for (std::size_t i = 0; i < match::worker_lines && !line(slot, match::first_worker + i).empty(); ++i)
    names.push_back(line(slot, match::first_worker + i));
  if (t->name == match_type::handicap) {  // the pair on the first two lines, the lone worker after them
    const std::size_t pair = std::min<std::size_t>(names.size(), 2);
    if (pair > 0) out.emplace_back(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(pair));
    if (names.size() > 2) out.emplace_back(names.begin() + 2, names.end());
    return out;
  }
  for (std::size_t i = 0; i < names.size(); i += t->side_size)
    out.emplace_back(names.begin() + static_cast<std::ptrdiff_t>(i),
                     names.begin() + static_cast<std::ptrdiff_t>(std::min(names.size(), i + t->side_size)));
  return out;
}

std::vector<std::string> Booking::side_names(std::size_t slot) const {
  std::vector<std::string> out;
  std::size_t team = 0;
  for (const auto& side : sides(slot)) {
    if (side.size() == 1) {
      out.push_back(side.front());
    } else {
      out.push_back(line(slot, match::first_team + std::min(team, match::team_lines - 1)));
      ++team;
    }
  }
  return out;
}

std::vector<std::string> Booking::slot_display(std::size_t slot) const {
  std::vector<std::string> out;
  const std::string& type = line(slot, match::type);
  if (type.empty()) return out;
  out.push_back(type);
  if (!line(slot, match::title).empty() && line(slot, match::title) != none_text) out.push_back(line(slot, match::title));
  if (!line(slot, match::stipulation).empty() && line(slot, match::stipulation) != none_text)
    out.push_back(line(slot, match::stipulation));
  if (type == match_type::battle_royal) {
    for (std::size_t i = 0; i < 2; ++i)
      if (!line(slot, match::first_worker + i).empty()) out.push_back(line(slot, match::first_worker + i));
  } else {
    const auto s = sides(slot);
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (i > 0) out.emplace_back(vs_line);
      for (const auto& name : s[i]) out.push_back(name);
    }
  }
  if (!line(slot, match::winners).empty()) out.push_back("Winner(s): " + line(slot, match::winners));
  if (!line(slot, match::win_type).empty()) out.push_back("Win Type: " + line(slot, match::win_type));
  return out;
}

}  // namespace rv

#pragma once
// "Make New Signing": the search of the whole world for workers outside the roster, and what a
// worker's outside profile says about him.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "state/store.h"

namespace rv {

inline constexpr std::string_view any_choice = "Any";
inline constexpr std::string_view no_match_message = "No workers matched your criteria.";

// The choice lists of the search, each starting with "Any".
enum class SearchList : int { gender, disposition, ring_style, weight, indy, based_in, promotion };
inline constexpr std::size_t search_list_count = 7;
std::vector<std::string> search_choices(const Store& store, SearchList list);
std::string_view search_list_caption(SearchList list);

// The figures the search bounds, each from 0 to 100.
enum class SearchFigure : int { draw, ability, mic, charisma, hardcore };
inline constexpr std::size_t search_figure_count = 5;
std::string_view search_figure_caption(SearchFigure figure);

struct SearchFilters {
  std::string name;  // part of the ring name, any case; empty for all
  std::array<std::string, search_list_count> lists;  // "Any" or one listed value
  std::array<Num, search_figure_count> low{};
  std::array<Num, search_figure_count> high{100, 100, 100, 100, 100};
  SearchFilters() { lists.fill(std::string(any_choice)); }
};

struct SearchRow {
  std::size_t row;
  std::string name;
  Num draw;
  Num ability;
  std::string promotion;  // the promotion's initials, or "Free Agent"
};
// Every worker outside the player's roster who passes the filters, in table order.
std::vector<SearchRow> search_workers(const Store& store, const SearchFilters& filters);

// What the outside profile shows.
struct OutsideProfile {
  std::string contract;  // "Currently a free agent, ..." or "Currently under contract with ..."
  std::string morale;    // a word
  std::string career;
  std::string status;    // "Available To Work" or the worker's status
  std::string role, weight, gender;
};
OutsideProfile outside_profile(const Store& store, std::size_t row);

}  // namespace rv

#pragma once
// The one test every name passes before the store takes it, whoever typed or wrote it: ring and
// short names, teams, stables, titles, brands, shows, talk show segments and the teams of a
// match. The tables use a few words of their own ("Vacant", "None", "no", ...) to mean that
// nothing is there, and they find things by name, so a name may be none of those words and may
// not be the name of another thing of its kind.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

// The longest name any prompt or file may give: what the screens can still show whole.
inline constexpr std::size_t name_length_max = 60;

// The words the tables and the choice lists use for themselves.
inline constexpr std::array<std::string_view, 14> reserved_names = {
    "None",       "Vacant",        "Free Agent", "All",       "NA",                "no",          "Auto",
    "Cancel",     "Make No Changes", "Both Brands", "No Record Yet", "Create New", "Enter All", "Enter All Workers"};

enum class NameKind { ring_name, short_name, tag_team, stable, title, holder_style, brand, show, segment, match_team };

// The name with the blanks at both ends cut off.
std::string_view trimmed_name(std::string_view name);
// The same name to the player: equal once trimmed, whatever the case of its letters.
bool same_name(std::string_view a, std::string_view b);
// One of the reserved words, trimmed and in any case.
bool reserved_name(std::string_view name);

// Why `name` cannot be given to a thing of this kind; nothing when it can. It is refused when it
// is blank, starts or ends with a blank, is longer than name_length_max, holds a character the
// tables cannot store, is a reserved word, ends in the champion's mark, or is the same name as
// one of `taken` (the names the other things of its kind already use).
std::optional<std::string> name_problem(std::string_view name, NameKind kind, const std::vector<std::string>& taken = {});

}  // namespace rv

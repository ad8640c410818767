#pragma once
// The promotion's tag teams and stables. A team lives in its members' tagteam (or stable) column:
// it exists while one of the promotion's workers carries its name, and "no", "None" or an empty
// line mean no team.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "state/result.h"
#include "state/store.h"

namespace rv {

enum class TeamKind { tag_team, stable };

inline constexpr std::string_view tag_teams_choice = "Tag Teams";
inline constexpr std::string_view stables_choice = "Stables";
inline constexpr std::string_view create_team_entry = "Create New";
inline constexpr std::string_view cancel_choice = "Cancel";
inline constexpr std::string_view no_team_selected_message = "No Tag Team/Stable selected.";
inline constexpr std::string_view no_member_selected_message = "You haven't selected a member to remove.";
inline constexpr std::string_view team_sure_question = "Are you sure?";

// "tag team" or "stable", as the messages name the kind.
std::string_view team_kind_word(TeamKind kind);
// "Please enter the name for this new tag team." (or stable).
std::string new_team_prompt(TeamKind kind);
// The question over the list of workers who may join the team.
std::string add_member_question(TeamKind kind, const std::string& name);

// Whether a tagteam/stable line names a team at all.
bool names_a_team(std::string_view text);

// The promotion's teams of this kind, each once, in the order their first member appears in the
// worker table.
std::vector<std::string> team_names(const Store& store, std::size_t promotion, TeamKind kind);
// The rows of the promotion's workers in the team, in worker table order.
std::vector<std::size_t> team_members(const Store& store, std::size_t promotion, TeamKind kind, const std::string& name);

// Whether `name` may be given to a new team of the promotion: refused when it is empty, holds a
// character the tables cannot store, is one of the words that mean "no team", or is already the
// name of one of the promotion's teams of this kind. On success, the message that tells the
// player how to fill the team.
Result<std::string> check_new_team(const Store& store, std::size_t promotion, TeamKind kind, const std::string& name);

// A worker the player may add to a team: one of the promotion's workers not already in it. The
// caption names the team he would leave, if any.
struct MemberCandidate {
  std::size_t row;
  std::string caption;
};
std::vector<MemberCandidate> member_candidates(const Store& store, std::size_t promotion, TeamKind kind,
                                               const std::string& name);

// Puts the worker in the team (the first member of a new team founds it); a worker of another
// team leaves it. Refused for a worker outside the promotion, one already in the team, or a name
// no team can have.
Status add_member(Store& store, std::size_t promotion, TeamKind kind, const std::string& name, std::size_t row);
// Takes the worker out of the team. Refused for an unknown team or a worker who is not in it.
Status remove_member(Store& store, std::size_t promotion, TeamKind kind, const std::string& name, std::size_t row);
// Takes every member out of the team, which then no longer exists. Refused for an unknown team.
Status delete_team(Store& store, std::size_t promotion, TeamKind kind, const std::string& name);

}  // namespace rv

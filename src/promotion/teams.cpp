#include "promotion/teams.h"

#include <algorithm>

#include "state/naming.h"

namespace rv {

namespace {

Col team_column(TeamKind kind) { return kind == TeamKind::tag_team ? Col::tagteam : Col::stable; }

// The promotion's initials; empty for a promotion that does not exist, so that no worker (not
// even one with an empty promotion line) counts as one of its workers.
std::string initials_of(const Store& store, std::size_t promotion) {
  if (promotion >= store.promotion_count()) return {};
  return store.promotion(promotion).initials();
}

bool works_for(const Store& store, const std::string& initials, std::size_t row) {
  if (initials.empty() || row >= store.worker_count()) return false;
  const auto w = store.worker(row);
  return w.promotion() == initials && !w.name().empty();
}

NameKind name_kind(TeamKind kind) { return kind == TeamKind::tag_team ? NameKind::tag_team : NameKind::stable; }

// The refusals every team name shares, whether the team is new or not.
Status check_team_name(const std::string& name, TeamKind kind) {
  if (auto problem = name_problem(name, name_kind(kind))) return Failure{*problem};
  return success();
}

// The team's members, or why there is no such team.
Result<std::vector<std::size_t>> existing_members(const Store& store, std::size_t promotion, TeamKind kind,
                                                  const std::string& name) {
  auto members = team_members(store, promotion, kind, name);
  if (members.empty()) {
    return Failure{"There is no " + std::string(team_kind_word(kind)) + " called " + name + " in your promotion."};
  }
  return members;
}

}  // namespace

std::string_view team_kind_word(TeamKind kind) { return kind == TeamKind::tag_team ? "tag team" : "stable"; }

std::string new_team_prompt(TeamKind kind) {
  return "Please enter the name for this new " + std::string(team_kind_word(kind)) + ".";
}

std::string add_member_question(TeamKind kind, const std::string& name) {
  return "Who will join the " + std::string(team_kind_word(kind)) + " " + name + "?";
}

bool names_a_team(std::string_view text) { return !text.empty() && text != cleared && text != none_text; }

std::vector<std::string> team_names(const Store& store, std::size_t promotion, TeamKind kind) {
  std::vector<std::string> names;
  const std::string initials = initials_of(store, promotion);
  for (std::size_t r = 0; r < store.worker_count(); ++r) {
    if (!works_for(store, initials, r)) continue;
    const std::string& team = store.worker(r).text(team_column(kind));
    if (names_a_team(team) && std::find(names.begin(), names.end(), team) == names.end()) names.push_back(team);
  }
  return names;
}

std::vector<std::size_t> team_members(const Store& store, std::size_t promotion, TeamKind kind, const std::string& name) {
  std::vector<std::size_t> rows;
  if (!names_a_team(name)) return rows;
  const std::string initials = initials_of(store, promotion);
  for (std::size_t r = 0; r < store.worker_count(); ++r) {
    if (works_for(store, initials, r) && store.worker(r).text(team_column(kind)) == name) rows.push_back(r);
  }
  return rows;
}

Result<std::string> check_new_team(const Store& store, std::size_t promotion, TeamKind kind, const std::string& name) {
  if (auto problem = name_problem(name, name_kind(kind), team_names(store, promotion, kind))) return Failure{*problem};
  return std::string(kind == TeamKind::tag_team ? "Click Add New Member to add wrestlers to this tag team."
                                                : "Click on Add New Member to add wrestlers to this stable.");
}

std::vector<MemberCandidate> member_candidates(const Store& store, std::size_t promotion, TeamKind kind,
                                               const std::string& name) {
  std::vector<MemberCandidate> out;
  const std::string initials = initials_of(store, promotion);
  for (std::size_t r = 0; r < store.worker_count(); ++r) {
    if (!works_for(store, initials, r)) continue;
    const auto w = store.worker(r);
    const std::string& team = w.text(team_column(kind));
    if (team == name) continue;
    out.push_back({r, names_a_team(team) ? w.name() + " (leaves " + team + ")" : w.name()});
  }
  return out;
}

Status add_member(Store& store, std::size_t promotion, TeamKind kind, const std::string& name, std::size_t row) {
  if (const auto status = check_team_name(name, kind); !status) return status;
  if (!works_for(store, initials_of(store, promotion), row)) {
    return Failure{"That worker does not work for your promotion."};
  }
  const auto w = store.worker(row);
  if (w.text(team_column(kind)) == name) return Failure{w.name() + " is already in " + name + "."};
  w.set(team_column(kind), name);
  return success();
}

Status remove_member(Store& store, std::size_t promotion, TeamKind kind, const std::string& name, std::size_t row) {
  const auto members = existing_members(store, promotion, kind, name);
  if (!members) return Failure{members.error()};
  if (std::find(members->begin(), members->end(), row) == members->end()) {
    return Failure{"That worker is not a member of " + name + "."};
  }
  store.worker(row).set(team_column(kind), std::string(cleared));
  return success();
}

Status delete_team(Store& store, std::size_t promotion, TeamKind kind, const std::string& name) {
  const auto members = existing_members(store, promotion, kind, name);
  if (!members) return Failure{members.error()};
  for (const std::size_t row : *members) store.worker(row).set(team_column(kind), std::string(cleared));
  return success();
}

}  // namespace rv

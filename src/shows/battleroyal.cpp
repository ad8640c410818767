#include "shows/battleroyal.h"

#include <algorithm>

namespace rv {

BattleRoyalSetup::BattleRoyalSetup(std::vector<BookableWorker> pool) : pool_(std::move(pool)) {}

bool BattleRoyalSetup::is_entered(std::string_view name) const {
  return std::find(entered_.begin(), entered_.end(), name) != entered_.end();
}

std::vector<std::string> BattleRoyalSetup::available() const {
  std::vector<std::string> out;
  for (const auto& w : pool_)
    if (!is_entered(w.name)) out.push_back(w.name);
  return out;
}

std::string BattleRoyalSetup::count_caption() const {
  return "Number Of Participants Chosen: " + std::to_string(entered_.size());
}

void BattleRoyalSetup::enter_all() {
  for (const auto& w : pool_)
    if (w.gender == "Male" && !is_entered(w.name)) entered_.push_back(w.name);
}

void BattleRoyalSetup::enter_all_workers() {
  for (const auto& w : pool_)
    if (w.ringstyle != non_worker && !is_entered(w.name)) entered_.push_back(w.name);
}

bool BattleRoyalSetup::enter(std::string_view name) {
  if (is_entered(name)) return false;
  for (const auto& w : pool_)
    if (w.name == name) {
      entered_.push_back(w.name);
      return true;
    }
  return false;
}

bool BattleRoyalSetup::withdraw(std::string_view name) {
  const auto it = std::find(entered_.begin(), entered_.end(), name);
  if (it == entered_.end()) return false;
  if (winner_ == name) winner_ = std::string(match::automatic);
  if (runner_up_ == name) runner_up_ = std::string(match::automatic);
  entered_.erase(it);
  return true;
}

std::optional<std::string> BattleRoyalSetup::confirm_problem() const {
  if (entered_.size() < battle_royal_min_entrants) return "You must have at least 3 participants in a Battle Royal.";
  return std::nullopt;
}

std::optional<std::string> BattleRoyalSetup::choose_winner(std::string_view name) {
  if (!is_entered(name)) return "Please choose one of the participants.";
  winner_ = std::string(name);
  if (runner_up_ == name) runner_up_ = std::string(match::automatic);
  return std::nullopt;
}

std::optional<std::string> BattleRoyalSetup::choose_runner_up(std::string_view name) {
  if (!is_entered(name)) return "Please choose one of the participants.";
  if (winner_ == name)
    return "This wrestler is already chosen as the winner. Please choose a different wrestler for the runner up.";
  runner_up_ = std::string(name);
  return std::nullopt;
}

BattleRoyalEntry BattleRoyalSetup::entry_with(const std::vector<std::string>& entrants) const {
  return {entrants, winner_, runner_up_};
}

std::string BattleRoyalSetup::winner_question() { return "Do you want to manually pick the winner?"; }
std::string BattleRoyalSetup::winner_instruction() { return "Choose the wrestler you want to win this Battle Royal."; }
std::string BattleRoyalSetup::runner_up_question() { return "Do you want to manually choose the runner up?"; }
std::string BattleRoyalSetup::runner_up_instruction() {
  return "Click on the name of the wrestler you want to be the runner up.";
}
std::string BattleRoyalSetup::cancel_question() {
  return "Are you sure you want to undo all changes made to this Battle Royal so far?";
}

}  // namespace rv

#pragma once
// Setting up a battle royal: the entrants moved between the available and the entered list (all
// men, all workers who wrestle, or one by one), then the winner and the runner-up.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shows/booking.h"

namespace rv {

inline constexpr std::size_t battle_royal_min_entrants = 3;

// What the booking takes from a confirmed setup.
struct BattleRoyalEntry {
  std::vector<std::string> entrants;
  std::string winner = std::string(match::automatic);
  std::string runner_up = std::string(match::automatic);
};

class BattleRoyalSetup {
 public:
  explicit BattleRoyalSetup(std::vector<BookableWorker> pool);

  std::vector<std::string> available() const;
  const std::vector<std::string>& entered() const { return entered_; }
  std::string count_caption() const;

  // "Enter All": every available man. "Enter All Workers": every available worker who wrestles.
  void enter_all();
  void enter_all_workers();
  // "Choose Manually": one worker from one list to the other; false for a name not there.
  bool enter(std::string_view name);
  bool withdraw(std::string_view name);

  // The message that stops "Confirm Participants", if any.
  std::optional<std::string> confirm_problem() const;
  // Naming the winner and the runner-up (an entrant each); the message when refused.
  std::optional<std::string> choose_winner(std::string_view name);
  std::optional<std::string> choose_runner_up(std::string_view name);
  BattleRoyalEntry entry() const { return entry_with(entered_); }

  static std::string winner_question();
  static std::string winner_instruction();
  static std::string runner_up_question();
  static std::string runner_up_instruction();
  static std::string cancel_question();

 private:
  BattleRoyalEntry entry_with(const std::vector<std::string>& entrants) const;
  bool is_entered(std::string_view name) const;
  std::vector<BookableWorker> pool_;
  std::vector<std::string> entered_;
  std::string winner_ = std::string(match::automatic);
  std::string runner_up_ = std::string(match::automatic);
};

}  // namespace rv

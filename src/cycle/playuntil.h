#pragma once
// "Play Until Next Show": ends day after day for the player until a day that needs him. Each day
// is exactly one "Next Day", so a run gives the same game as the same number of single presses.
#include <optional>
#include <string_view>

#include "cycle/assistant.h"
#include "cycle/nextday.h"

namespace rv {

// The most days one run plays.
inline constexpr int play_until_day_limit = 60;

enum class PlayStop {
  show_day,        // one of the player's shows is today
  answer_needed,   // a message that waits for his answer arrived
  dismissed,       // the board has dismissed him
  day_limit,       // play_until_day_limit days have passed
};

// Why the day that has just been played needs the player, if it does.
std::optional<PlayStop> day_needs_player(const Store& store, const DayReport& report);
std::string_view play_stop_text(PlayStop stop);

// A run of days, one day per step, so that a caller can show progress and stop between days.
// With `staff` given and the booking handed over, the staff put on the shows the run reaches and
// the run goes on past them.
class PlayUntil {
 public:
  explicit PlayUntil(Game& game, const StaffBooking* staff = nullptr) : game_(game), staff_(staff) {}
  // False when today already needs the player (a show day the staff do not book): nothing to skip.
  bool can_start() const;
  // What the staff's shows of the run printed, in order (the CLI prints them).
  const std::vector<std::string>& staff_lines() const { return staff_lines_; }
  // Plays one day; the report of that day. Does nothing once finished.
  DayReport step();
  bool finished() const { return stop_.has_value(); }
  std::optional<PlayStop> stop() const { return stop_; }
  int days_played() const { return days_; }

 private:
  bool staff_books() const;
  Game& game_;
  const StaffBooking* staff_;
  std::vector<std::string> staff_lines_;
  int days_ = 0;
  std::optional<PlayStop> stop_;
};

}  // namespace rv

#pragma once
// Replaying a show that has been run: the commentary line by line at the chosen speed, each
// match under its number and header.
#include <array>
#include <string>
#include <vector>

#include "state/text.h"

namespace rv {

// The step interval of each speed level, 0 (stopped) to 10, in milliseconds.
inline constexpr std::array<int, 11> playback_intervals = {0, 4500, 4000, 3500, 3000, 2500, 2000, 1500, 1000, 500, 100};
inline constexpr int playback_start_speed = 5;
inline constexpr std::string_view skip_highlights_question = "Skip all of this show's highlights?";
inline constexpr std::string_view match_marker = "-MATCH-";
inline constexpr std::string_view segment_marker = "-SEGMENT-";
inline constexpr std::string_view opening_marker = "-OPENING-";

class Playback {
 public:
  // `card`: the decided card; `battle_royal_entrants` for its header.
  Playback(std::vector<std::string> commentary, Lines card, std::size_t battle_royal_entrants);

  int speed() const { return speed_; }
  int interval_ms() const { return playback_intervals[static_cast<std::size_t>(speed_)]; }
  bool stopped() const { return speed_ == 0; }
  // One level up or down; false at the end of the scale.
  bool faster();
  bool slower();

  // Takes the next line of the commentary; false when none is left (the show is over).
  bool step();
  bool finished() const { return next_ >= commentary_.size(); }

  const std::string& match_caption() const { return caption_; }  // "MATCH 1"
  const std::string& header() const { return header_; }
  const std::string& details() const { return details_; }
  const std::string& text() const { return text_; }
  bool in_segment() const { return segment_; }

 private:
  std::vector<std::string> commentary_;
  Lines card_;
  std::size_t royal_entrants_;
  std::size_t next_ = 0;
  std::size_t matches_seen_ = 0;
  int speed_ = playback_start_speed;
  bool expect_details_ = false;
  bool segment_ = false;
  std::string caption_, header_, details_, text_;
};

}  // namespace rv

#include "shows/playback.h"

#include "shows/results.h"
#include "state/layout.h"

namespace rv {

Playback::Playback(std::vector<std::string> commentary, Lines card, std::size_t battle_royal_entrants)
    : commentary_(std::move(commentary)), card_(std::move(card)), royal_entrants_(battle_royal_entrants) {}

bool Playback::faster() {
  if (speed_ >= static_cast<int>(playback_intervals.size()) - 1) return false;
  ++speed_;
  return true;
}

bool Playback::slower() {
  if (speed_ <= 0) return false;
  --speed_;
  return true;
}

bool Playback::step() {
  if (finished()) return false;
  const std::string& line = commentary_[next_++];
  if (line == match_marker) {
    // The n-th match told is the n-th booked slot of the card.
    std::size_t seen = 0;
    for (std::size_t k = 0; k < rec::match_slots; ++k) {
      if (line_at(card_, k * rec::match + match::slot).empty()) continue;
      if (seen++ == matches_seen_) {
        caption_ = "MATCH " + std::to_string(k + 1);
        header_ = match_header(card_, k, royal_entrants_);
        break;
      }
    }
    ++matches_seen_;
    segment_ = false;
    expect_details_ = true;
    details_.clear();
    text_.clear();
  } else if (line == segment_marker || line == opening_marker) {
    segment_ = true;
    expect_details_ = false;
    caption_.clear();
    header_ = line == opening_marker ? "Opening" : "Backstage";
    details_.clear();
    text_.clear();
  } else if (expect_details_) {
    details_ = line;
    expect_details_ = false;
  } else {
    text_ = line;
  }
  return true;
}

}  // namespace rv

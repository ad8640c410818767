#include "cycle/playuntil.h"

#include "state/calendar.h"
#include "state/date.h"

namespace rv {

namespace {

// A message dated today that waits for an answer.
bool answer_waiting_from_today(const Store& store) {
  const std::string today = current_full_date(store);
  const std::size_t n = store.message_count();
  for (std::size_t i = 0; i < n; ++i) {
    const auto m = store.message(i);
    if (m.at(msg::date) != today || m.at(msg::status) != msg::unread) continue;
    if (m.at(msg::kind) == msg::offer || m.at(msg::kind) == msg::release) return true;
  }
  return false;
}

}  // namespace

std::optional<PlayStop> day_needs_player(const Store& store, const DayReport& report) {
  if (report.dismissed) return PlayStop::dismissed;
  if (main_action(store) != MainAction::next_day) return PlayStop::show_day;
  if (answer_waiting_from_today(store)) return PlayStop::answer_needed;
  return std::nullopt;
}

std::string_view play_stop_text(PlayStop stop) {
  switch (stop) {
    case PlayStop::show_day: return "Show day: your card is waiting to be booked.";
    case PlayStop::answer_needed: return "A message in your inbox is waiting for your answer.";
    case PlayStop::dismissed: return "The board has dismissed you.";
    case PlayStop::day_limit: break;
  }
  return "Two months have passed without a show or a question for you.";
}

bool PlayUntil::staff_books() const { return staff_ && staff_books_today(game_.store); }

bool PlayUntil::can_start() const {
  return !stop_ && (main_action(game_.store) == MainAction::next_day || staff_books());
}

DayReport PlayUntil::step() {
  if (stop_ || days_ >= play_until_day_limit) return {};
  if (!can_start()) {
    stop_ = PlayStop::show_day;
    return {};
  }
  if (staff_books()) {
    for (auto& line : staff_show_day(game_, *staff_)) staff_lines_.push_back(std::move(line));
  }
  DayReport report = next_day(game_);
  ++days_;
  stop_ = day_needs_player(game_.store, report);
  if (stop_ == PlayStop::show_day && staff_books()) stop_.reset();
  if (!stop_ && days_ >= play_until_day_limit) stop_ = PlayStop::day_limit;
  return report;
}

}  // namespace rv

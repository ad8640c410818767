#pragma once
// Helpers for tests of the daily cycle: setting the date, finding workers and messages.
#include <algorithm>
#include <string>
#include <vector>

#include "state/date.h"
#include "state/store.h"

namespace rvtest {

// Sets the current date (the weekday is given, as the game never derives it).
inline void set_date(rv::Store& s, const std::string& weekday, int day, const std::string& month, int year) {
  s.set_md(rv::md::weekday, weekday);
  s.set_md(rv::md::day_number, std::to_string(day));
  s.set_md(rv::md::month, month);
  s.set_md(rv::md::year, std::to_string(year));
}

inline rv::Worker worker(rv::Store& s, const std::string& name) { return s.worker(*s.find_worker(name)); }

// Subjects of the inbox messages, oldest first.
inline std::vector<std::string> subjects(const rv::Store& s) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < s.message_count(); ++i) out.push_back(s.message(i).at(rv::msg::subject));
  return out;
}

// The first message with this subject, or nothing.
inline std::optional<rv::RecordView> message_with(const rv::Store& s, const std::string& subject) {
  for (std::size_t i = 0; i < s.message_count(); ++i) {
    if (s.message(i).at(rv::msg::subject) == subject) return s.message(i);
  }
  return std::nullopt;
}

inline int count_of(const std::vector<std::string>& list, const std::string& item) {
  return static_cast<int>(std::count(list.begin(), list.end(), item));
}

inline std::ptrdiff_t index_of(const std::vector<std::string>& list, const std::string& item) {
  const auto it = std::find(list.begin(), list.end(), item);
  return it == list.end() ? -1 : it - list.begin();
}

}  // namespace rvtest

#include "state/store.h"

#include <algorithm>
#include <array>

namespace rv {

const std::string& line_at(const Lines& lines, std::size_t index) {
  static const std::string empty;
  return index < lines.size() ? lines[index] : empty;
}

void set_line(Lines& lines, std::size_t index, std::string value) {
  if (index >= lines.size()) lines.resize(index + 1);
  lines[index] = std::move(value);
}

std::size_t record_count(const Lines& lines, std::size_t size) { return size == 0 ? 0 : lines.size() / size; }

void append_record(Lines& lines, const std::vector<std::string>& record) {
  // A record keeps one field a line: a line break inside a field would shift every record after it.
  for (std::string field : record) {
    std::replace(field.begin(), field.end(), '\n', ' ');
    std::replace(field.begin(), field.end(), '\r', ' ');
    lines.push_back(std::move(field));
  }
}

void remove_record(Lines& lines, std::size_t first_line, std::size_t size) {
  if (first_line >= lines.size()) return;
  const std::size_t last = std::min(lines.size(), first_line + size);
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(first_line), lines.begin() + static_cast<std::ptrdiff_t>(last));
}

std::size_t WrestlerTable::add(const std::array<std::string, column_count>& values) {
  const std::size_t row = size();
  for (std::size_t c = 0; c < column_count; ++c) columns_[c].push_back(values[c]);
  return row;
}

void WrestlerTable::clear() {
  for (auto& c : columns_) c.clear();
}

Lines WrestlerTable::to_lines() const {
  Lines out;
  const std::size_t rows = size();
  out.reserve(rows * column_count);
  for (std::size_t r = 0; r < rows; ++r) {
    for (std::size_t c = 0; c < column_count; ++c) out.push_back(line_at(columns_[c], r));
  }
  return out;
}

void WrestlerTable::from_lines(const Lines& lines) {
  clear();
  const std::size_t rows = lines.size() / column_count;
  for (auto& c : columns_) c.reserve(rows);
  for (std::size_t r = 0; r < rows; ++r) {
    for (std::size_t c = 0; c < column_count; ++c) columns_[c].push_back(lines[r * column_count + c]);
  }
}

bool WrestlerTable::columns_even() const {
  for (const auto& c : columns_) {
    if (c.size() != columns_[0].size()) return false;
  }
  return true;
}

std::optional<std::size_t> Store::find_promotion(std::string_view initials) const {
  const std::size_t n = promotion_count();
  for (std::size_t i = 0; i < n; ++i) {
    if (promotions[i * rec::promotion + prom::initials] == initials) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> Store::find_promotion_by_name(std::string_view full_name) const {
  const std::size_t n = promotion_count();
  for (std::size_t i = 0; i < n; ++i) {
    if (promotions[i * rec::promotion + prom::full_name] == full_name) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> Store::find_worker(std::string_view ring_name) const {
  const Lines& names = wrestlers.column(Col::names);
  for (std::size_t r = 0; r < names.size(); ++r) {
    if (names[r] == ring_name) return r;
  }
  return std::nullopt;
}

Store Store::scratch() const {
  Store copy;
  copy.rescratch(*this);
  return copy;
}

void Store::rescratch(const Store& from) {
  static constexpr std::array<Lines Store::*, 11> kept = {
      &Store::maindata,    &Store::promotions, &Store::stipulations, &Store::calendar,     &Store::turns,  &Store::indydates,
      &Store::indydates2, &Store::weeklytop10, &Store::negotiations, &Store::titlehistory, &Store::matches};
  for (const auto table : kept) this->*table = from.*table;
  wrestlers = from.wrestlers;
  assistant = from.assistant;
  newslist.clear();
  history.clear();
  ledger.clear();
  load_notice.clear();
}

void Store::reset_matches() { matches.assign(200, std::string()); }

}  // namespace rv

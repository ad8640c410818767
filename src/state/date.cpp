#include "state/date.h"

#include "state/dates.h"
#include "state/store.h"

namespace rv {

std::optional<int> weekday_index(std::string_view name) {
  for (std::size_t i = 0; i < weekday_names.size(); ++i) {
    if (weekday_names[i] == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> month_index(std::string_view name) {
  for (std::size_t i = 0; i < month_names.size(); ++i) {
    if (month_names[i] == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::string_view ordinal_suffix(long long n) {
  const long long last_two = (n < 0 ? -n : n) % 100;
  if (last_two >= 11 && last_two <= 13) return "th";
  switch (last_two % 10) {
    case 1: return "st";
    case 2: return "nd";
    case 3: return "rd";
    default: return "th";
  }
}

void append_full_date(std::string& out, const Date& date) {
  out += date.weekday_name();
  out += ' ';
  out += std::to_string(date.day);
  out += ordinal_suffix(date.day);
  out += ' ';
  out += date.month_name();
  out += ' ';
  out += std::to_string(date.year);
}

std::string full_date(const Date& date) {
  std::string out;
  out.reserve(32);
  append_full_date(out, date);
  return out;
}

namespace {

// Digits only, without a leading zero.
std::optional<int> plain_number(std::string_view text) {
  if (text.empty() || text.size() > 9 || (text[0] == '0' && text.size() > 1)) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

std::optional<Date> parse_full_date(std::string_view text) {
  // weekday, day+suffix, month, year separated by single blanks
  std::array<std::string_view, 4> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    const std::size_t end = i == 3 ? text.size() : text.find(' ', start);
    if (end == std::string_view::npos) return std::nullopt;
    parts[i] = text.substr(start, end - start);
    start = end + 1;
  }
  const auto wd = weekday_index(parts[0]);
  const auto mo = month_index(parts[2]);
  const auto yr = plain_number(parts[3]);
  if (!wd || !mo || !yr || parts[1].size() < 3) return std::nullopt;
  const auto dn = plain_number(parts[1].substr(0, parts[1].size() - 2));
  if (!dn || *dn < 1 || *dn > 31 || parts[1].substr(parts[1].size() - 2) != ordinal_suffix(*dn)) {
    return std::nullopt;
  }
  const Date d{*wd, *dn, *mo, *yr};
  if (!date_exists(d)) return std::nullopt;
  return d;
}

std::string month_year(const Date& date, int years_later) {
  return std::string(date.month_name()) + " " + std::to_string(date.year + years_later);
}

namespace {

// The date the four texts name, or what is wrong with them.
struct ReadDate {
  std::optional<Date> date;
  std::string problem;
};

ReadDate read_date_texts(std::string_view weekday, std::string_view number, std::string_view month,
                         std::string_view year) {
  const auto quoted = [](std::string_view text, std::string_view what) {
    return "\"" + std::string(text) + "\" is not " + std::string(what);
  };
  const auto wd = weekday_index(weekday);
  if (!wd) return {std::nullopt, quoted(weekday, "a weekday")};
  const auto dn = plain_number(number);
  if (!dn) return {std::nullopt, quoted(number, "a day number")};
  const auto mo = month_index(month);
  if (!mo) return {std::nullopt, quoted(month, "a month")};
  const auto yr = plain_number(year);
  if (!yr) return {std::nullopt, quoted(year, "a year")};
  const Date d{*wd, *dn, *mo, *yr};
  if (auto problem = date_problem(d)) return {std::nullopt, std::move(*problem)};
  return {d, {}};
}

}  // namespace

std::optional<Date> date_from_texts(std::string_view weekday, std::string_view number,
                                    std::string_view month, std::string_view year) {
  return read_date_texts(weekday, number, month, year).date;
}

std::optional<std::string> date_texts_problem(std::string_view weekday, std::string_view number,
                                              std::string_view month, std::string_view year) {
  ReadDate read = read_date_texts(weekday, number, month, year);
  if (read.date) return std::nullopt;
  return std::move(read.problem);
}

Date current_date(const Store& store) {
  if (auto d = date_from_texts(store.md(md::weekday), store.md(md::day_number), store.md(md::month),
                               store.md(md::year))) {
    return *d;
  }
  Date d;
  d.weekday = weekday_index(store.md(md::weekday)).value_or(0);
  d.month = month_index(store.md(md::month)).value_or(0);
  d.day = static_cast<int>(clamp_int(store.md_num(md::day_number), 1, 31));
  d.year = static_cast<int>(within(store.md_num(md::year), range::year));
  return d;
}

void set_current_date(Store& store, const Date& date) {
  store.set_md(md::weekday, std::string(date.weekday_name()));
  store.set_md(md::day_number, std::to_string(date.day));
  store.set_md(md::month, std::string(date.month_name()));
  store.set_md(md::year, std::to_string(date.year));
}

std::string current_full_date(const Store& store) { return full_date(current_date(store)); }

std::string ending_this_month(const Store& store) { return ending_months_ahead(store, 0); }

std::string ending_months_ahead(const Store& store, int ahead) {
  Date d = current_date(store);
  const int month = d.month + 1 + ahead;
  d.year += month / 12;
  d.month = month % 12;
  return month_year(d);
}

}  // namespace rv

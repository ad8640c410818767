#include "state/dates.h"

#include "state/ranges.h"
#include "state/text.h"

namespace rv {

int days_in_month(int month, int year) {
  static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 1) return year % 4 == 0 ? 29 : 28;
  return lengths[month < 0 || month > 11 ? 0 : month];
}

long long day_index(const Date& d) {
  const long long y = d.year - 1;
  long long n = y * 365 + y / 4;
  for (int m = 0; m < d.month && m < 12; ++m) n += days_in_month(m, d.year);
  return n + d.day - 1;
}

int weekday_in_world(const Date& today, const Date& other) {
  const long long offset = day_index(other) - day_index(today);
  return static_cast<int>(((today.weekday + offset) % 7 + 7) % 7);
}

bool date_exists(const Date& d) { return !date_problem(d); }

std::optional<std::string> date_problem(const Date& d) {
  if (d.weekday < 0 || d.weekday >= static_cast<int>(weekday_names.size())) return "the weekday is not one of the seven";
  if (d.month < 0 || d.month > 11) return "the month is not one of the twelve";
  if (!range::year.holds(d.year)) {
    return "the year " + std::to_string(d.year) + " is outside " + to_text(range::year.lo) + " to " + to_text(range::year.hi);
  }
  if (d.day < 1) return "there is no day " + std::to_string(d.day) + " in a month";
  if (d.day <= days_in_month(d.month, d.year)) return std::nullopt;
  std::string out = "there is no " + std::to_string(d.day) + std::string(ordinal_suffix(d.day)) + " of " +
                    std::string(d.month_name());
  // The 29th of February is the one day that exists in some years only.
  if (d.month == 1 && d.day == 29) out += " in " + std::to_string(d.year) + ", a year not divisible by four";
  return out;
}

void datechange(Date& date) {
  if (date.year >= range::year.hi && date.month == 11 && date.day == 31) return;
  date.weekday = (date.weekday + 1) % 7;
  if (++date.day <= days_in_month(date.month, date.year)) return;
  date.day = 1;
  if (++date.month == 12) {
    date.month = 0;
    ++date.year;
  }
}

}  // namespace rv

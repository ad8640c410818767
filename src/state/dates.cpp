#include "state/dates.h"

#include "state/ranges.h"

namespace rv {

int days_in_month(int month, int year) {
  static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 1) return year % 4 == 0 ? 29 : 28;
  return lengths[month < 0 || month > 11 ? 0 : month];
}

namespace {

// Days from the 1st of January of the year 1.
long long day_count(int day, int month, int year) {
  const long long y = year - 1;
  long long n = y * 365 + y / 4;
  for (int m = 0; m < month && m < 12; ++m) n += days_in_month(m, year);
  return n + day - 1;
}

}  // namespace

int weekday_of(int day, int month, int year) {
  // Monday 1st January 2007.
  const long long offset = day_count(day, month, year) - day_count(1, 0, 2007);
  return static_cast<int>((offset % 7 + 7) % 7);
}

bool date_exists(const Date& d) {
  if (d.year < range::year.lo || d.year > range::year.hi || d.month < 0 || d.month > 11) return false;
  if (d.day < 1 || d.day > days_in_month(d.month, d.year)) return false;
  return d.weekday == weekday_of(d.day, d.month, d.year);
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

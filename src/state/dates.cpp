#include "state/dates.h"

namespace rv {

int days_in_month(int month, int year) {
  static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 1) return year % 4 == 0 ? 29 : 28;
  return lengths[month < 0 || month > 11 ? 0 : month];
}

void datechange(Date& date) {
  date.weekday = (date.weekday + 1) % 7;
  if (++date.day <= days_in_month(date.month, date.year)) return;
  date.day = 1;
  if (++date.month == 12) {
    date.month = 0;
    ++date.year;
  }
}

}  // namespace rv

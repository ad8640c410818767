#pragma once
// Moving the calendar forward by one day.
#include "state/date.h"

namespace rv {

// Days in a month; every year divisible by four is a leap year.
int days_in_month(int month, int year);

// The weekday (0 Monday) of a day in the game's calendar: the real one from 1901 to 2099, and
// every fourth year a leap year throughout.
int weekday_of(int day, int month, int year);

// True for a day of the game's calendar with its own weekday, in the years 1 to 9999.
bool date_exists(const Date& date);

// Advances the date by one day: the weekday cycles, month ends roll over, the year turns after
// the 31st of December. The calendar ends on the 31st of December 9999, which stays.
void datechange(Date& date);

}  // namespace rv

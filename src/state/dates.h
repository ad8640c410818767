#pragma once
// Moving the calendar forward by one day.
#include "state/date.h"

namespace rv {

// Days in a month; every year divisible by four is a leap year.
int days_in_month(int month, int year);

// Advances the date by one day: the weekday cycles, month ends roll over, the year turns after
// the 31st of December.
void datechange(Date& date);

}  // namespace rv

#pragma once
// Moving the calendar forward by one day.
#include <optional>
#include <string>

#include "state/date.h"

namespace rv {

// Days in a month; every year divisible by four is a leap year.
int days_in_month(int month, int year);

// True for a day of the game's calendar in the years 1 to 9999. The weekday is any of the seven:
// a world names its own first weekday and cycles it from there, whatever the real calendar says.
bool date_exists(const Date& date);

// Days from the 1st of January of the year 1 to the date, in the game's calendar.
long long day_index(const Date& date);
// The weekday `other` has in a world whose current date is `today`: the weekdays cycle from today's.
int weekday_in_world(const Date& today, const Date& other);

// Why a date does not exist ("there is no 31st of February"), or nothing when it does.
std::optional<std::string> date_problem(const Date& date);

// Advances the date by one day: the weekday cycles, month ends roll over, the year turns after
// the 31st of December. The calendar ends on the 31st of December 9999, which stays.
void datechange(Date& date);

}  // namespace rv

#pragma once
// The in-game date and its text forms. The full date text ("Tuesday 2nd March 2004") is the
// key every table uses for a day and is compared by plain equality.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace rv {

struct Store;

inline constexpr std::array<std::string_view, 7> weekday_names = {
    "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
inline constexpr std::array<std::string_view, 12> month_names = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

struct Date {
  int weekday = 0;  // 0 Monday .. 6 Sunday
  int day = 1;      // 1 .. 31
  int month = 0;    // 0 January .. 11 December
  int year = 2000;

  std::string_view weekday_name() const { return weekday_names[static_cast<std::size_t>(weekday)]; }
  std::string_view month_name() const { return month_names[static_cast<std::size_t>(month)]; }
  friend bool operator==(const Date&, const Date&) = default;
};

std::optional<int> weekday_index(std::string_view name);
std::optional<int> month_index(std::string_view name);

// The English ordinal ending of a whole number: "st" for 1, 21, 101; "nd" for 2, 22; "rd" for 3,
// 23; "th" for 11, 12, 13, 111 and the rest. A day of the month takes its ending from here too.
std::string_view ordinal_suffix(long long n);

// "Tuesday 2nd March 2004".
std::string full_date(const Date& date);
// Appends the full date to `out` (no allocation when `out` has room).
void append_full_date(std::string& out, const Date& date);
// Reads a full date text back; nothing when it is not one, or names a day that does not exist
// (the 31st of February). Any weekday goes with any day: the weekday only cycles.
std::optional<Date> parse_full_date(std::string_view text);

// "March 2004": the form contract expiry months are written in.
std::string month_year(const Date& date, int years_later = 0);

// The four date values as maindata holds them (weekday, day number, month, year); nothing when
// they do not name a day that exists.
std::optional<Date> date_from_texts(std::string_view weekday, std::string_view number,
                                    std::string_view month, std::string_view year);
// What is wrong with the four date values ("\"Funday\" is not a weekday", "there is no 31st of
// February"), or nothing when they name a day that exists.
std::optional<std::string> date_texts_problem(std::string_view weekday, std::string_view number,
                                              std::string_view month, std::string_view year);
// The current date of a game; unreadable lines fall back to Monday, January.
Date current_date(const Store& store);
void set_current_date(Store& store, const Date& date);
std::string current_full_date(const Store& store);
// "February 2006" on any day of January 2006: the expiry of contracts that end this month.
std::string ending_this_month(const Store& store);
// The same for contracts that end `ahead` months after this one's ("March 2006" for 1).
std::string ending_months_ahead(const Store& store, int ahead);

}  // namespace rv

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "state/dates.h"
#include "state/date.h"

namespace {

rv::Date date(const char* text) { return *rv::parse_full_date(text); }

std::string after(const char* text, int days = 1) {
  rv::Date d = date(text);
  for (int i = 0; i < days; ++i) rv::datechange(d);
  return rv::full_date(d);
}

TEST(FullDate, SuffixesAndParsing) {
  EXPECT_EQ(rv::full_date({1, 2, 2, 2004}), "Tuesday 2nd March 2004");
  for (int d : {11, 12, 13, 4, 20, 24, 30}) EXPECT_EQ(rv::ordinal_suffix(d), "th") << d;
  EXPECT_EQ(rv::ordinal_suffix(21), "st");
  EXPECT_EQ(rv::ordinal_suffix(22), "nd");
  EXPECT_EQ(rv::ordinal_suffix(23), "rd");
  EXPECT_EQ(rv::ordinal_suffix(31), "st");
  EXPECT_EQ(rv::full_date(date("Monday 22nd January 2007")), "Monday 22nd January 2007");
  EXPECT_FALSE(rv::parse_full_date("Monday 22th January 2007"));
  EXPECT_FALSE(rv::parse_full_date("Funday 1st January 2007"));
  EXPECT_FALSE(rv::parse_full_date("Monday 1st January"));
  EXPECT_FALSE(rv::parse_full_date("Monday 29th February 2003"));  // a day that does not exist
  EXPECT_EQ(rv::full_date(date("Tuesday 1st January 2007")), "Tuesday 1st January 2007");  // any weekday reads
  EXPECT_FALSE(rv::parse_full_date(""));
  EXPECT_EQ(rv::month_year(date("Monday 1st January 2007"), 2), "January 2009");
}

// Month ends, leap years (every fourth year) and whole years of days. A world may start on any
// weekday; from there the weekday only cycles, across month and year ends alike.
TEST(Datechange, MonthEndsLeapYearsAndAWeekdayOfItsOwn) {
  struct Case {
    const char* start;
    int days;
    const char* expected;
  };
  const Case cases[] = {
      {"Monday 1st January 2005", 30, "Wednesday 31st January 2005"},
      {"Monday 1st January 2005", 31, "Thursday 1st February 2005"},
      {"Monday 1st January 2005", 58, "Wednesday 28th February 2005"},
      {"Monday 1st January 2005", 59, "Thursday 1st March 2005"},
      {"Monday 1st January 2005", 365, "Tuesday 1st January 2006"},
      {"Tuesday 28th February 2100", 1, "Wednesday 29th February 2100"},
      {"Tuesday 28th February 2100", 2, "Thursday 1st March 2100"},
      {"Sunday 31st December 2005", 1, "Monday 1st January 2006"},
      {"Monday 29th February 2008", 1, "Tuesday 1st March 2008"},
      {"Friday 28th February 2003", 1, "Saturday 1st March 2003"},
      {"Saturday 28th February 2004", 1, "Sunday 29th February 2004"},
      {"Sunday 29th February 2004", 1, "Monday 1st March 2004"},
      {"Monday 30th April 2007", 1, "Tuesday 1st May 2007"},
      {"Monday 30th July 2007", 1, "Tuesday 31st July 2007"},
      {"Tuesday 1st January 2008", 366, "Thursday 1st January 2009"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(rv::parse_full_date(c.start)) << c.start;
    EXPECT_EQ(after(c.start, c.days), c.expected) << c.start << " + " << c.days;
  }
}

// Whatever weekday the world starts on, a later or an earlier date's weekday follows from it.
TEST(Datechange, AnyDateTakesItsWeekdayFromTheWorldsToday) {
  struct Case {
    const char* today;
    const char* other;  // its weekday is the one expected
  };
  const Case cases[] = {
      {"Monday 1st January 2005", "Thursday 1st March 2005"},
      {"Monday 1st January 2005", "Tuesday 1st January 2006"},
      {"Monday 1st January 2005", "Sunday 31st December 2004"},
      {"Tuesday 28th February 2100", "Thursday 1st March 2100"},
      {"Tuesday 28th February 2100", "Thursday 28th February 2101"},  // 366 days on, across the 29th
      {"Tuesday 28th February 2100", "Monday 28th February 2099"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rv::weekday_in_world(date(c.today), date(c.other)), date(c.other).weekday) << c.today << " / " << c.other;
  }
}

TEST(DateTexts, DaysThatDoNotExistAreNamed) {
  struct Case {
    const char* weekday;
    const char* number;
    const char* month;
    const char* year;
    std::optional<std::string> problem;
  };
  const Case cases[] = {
      {"Tuesday", "28", "February", "2100", std::nullopt},
      {"Sunday", "29", "February", "2100", std::nullopt},
      {"Sunday", "29", "February", "2004", std::nullopt},
      {"Friday", "30", "April", "2005", std::nullopt},
      {"Friday", "31", "December", "9999", std::nullopt},
      {"Monday", "31", "February", "2005", "there is no 31st of February"},
      {"Monday", "30", "February", "2004", "there is no 30th of February"},
      {"Monday", "29", "February", "2003", "there is no 29th of February in 2003, a year not divisible by four"},
      {"Monday", "29", "February", "2101", "there is no 29th of February in 2101, a year not divisible by four"},
      {"Monday", "0", "March", "2005", "there is no day 0 in a month"},
      {"Monday", "31", "April", "2005", "there is no 31st of April"},
      {"Monday", "32", "January", "2005", "there is no 32nd of January"},
      {"Monday", "1", "May", "0", "the year 0 is outside 1 to 9999"},
      {"Monday", "1", "May", "10000", "the year 10000 is outside 1 to 9999"},
      {"Funday", "1", "May", "2005", "\"Funday\" is not a weekday"},
      {"Monday", "01", "May", "2005", "\"01\" is not a day number"},
      {"Monday", "-1", "May", "2005", "\"-1\" is not a day number"},
      {"Monday", "1", "Smarch", "2005", "\"Smarch\" is not a month"},
      {"Monday", "1", "May", "", "\"\" is not a year"},
  };
  for (const Case& c : cases) {
    const std::string what = std::string(c.weekday) + " " + c.number + " " + c.month + " " + c.year;
    EXPECT_EQ(rv::date_texts_problem(c.weekday, c.number, c.month, c.year), c.problem) << what;
    EXPECT_EQ(rv::date_from_texts(c.weekday, c.number, c.month, c.year).has_value(), !c.problem) << what;
  }
}

}  // namespace

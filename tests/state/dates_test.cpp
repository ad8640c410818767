#include <gtest/gtest.h>

#include "state/dates.h"
#include "state/date.h"

namespace {

rv::Date date(const char* text) { return *rv::parse_full_date(text); }

std::string after(const char* text, int days = 1) {
  rv::Date d = date(text);
  for (int i = 0; i < days; ++i) rv::datechange(d);
  return rv::full_date(d);
}

TEST(Datechange, MonthEndsAndLeapYears) {
  EXPECT_EQ(after("Friday 28th February 2003"), "Saturday 1st March 2003");
  EXPECT_EQ(after("Saturday 28th February 2004"), "Sunday 29th February 2004");
  EXPECT_EQ(after("Sunday 29th February 2004"), "Monday 1st March 2004");
  EXPECT_EQ(after("Sunday 28th February 2100"), "Monday 29th February 2100");  // every fourth year
  EXPECT_EQ(after("Friday 31st December 2004"), "Saturday 1st January 2005");
  EXPECT_EQ(after("Wednesday 31st January 2007"), "Thursday 1st February 2007");
  EXPECT_EQ(after("Monday 30th April 2007"), "Tuesday 1st May 2007");
  EXPECT_EQ(after("Tuesday 30th September 2008"), "Wednesday 1st October 2008");
  EXPECT_EQ(after("Monday 30th November 2009"), "Tuesday 1st December 2009");
  EXPECT_EQ(after("Monday 30th July 2007"), "Tuesday 31st July 2007");
}

TEST(Datechange, AYearOfDaysComesBackToTheSameDate) {
  EXPECT_EQ(after("Monday 1st January 2007", 365), "Tuesday 1st January 2008");
  EXPECT_EQ(after("Tuesday 1st January 2008", 366), "Thursday 1st January 2009");
  EXPECT_EQ(after("Monday 1st January 2007", 7), "Monday 8th January 2007");
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
  EXPECT_FALSE(rv::parse_full_date(""));
  EXPECT_EQ(rv::month_year(date("Monday 1st January 2007"), 2), "January 2009");
}

}  // namespace

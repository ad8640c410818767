// The ledger summed up: weeks from Sunday to Saturday across month and year ends, months with
// their folded totals, and a period's money statement, income and costs apart. The dates follow
// the real calendar of 2006 to 2008 (the 1st of January 2007 was a Monday).
#include <gtest/gtest.h>

#include "state/ledgertotals.h"

namespace {

using rv::Figure;
using rv::LedgerEntry;
using rv::Period;

LedgerEntry entry(const char* date, Figure f, rv::Num change, const char* cause) { return {date, f, "", change, cause, false}; }
LedgerEntry folded(const char* date, rv::Num change, const char* cause) { return {date, Figure::balance, "", change, cause, true}; }

// The place of the period labelled `label`, as the totals give it.
long long place_of(const std::vector<LedgerEntry>& entries, Period period, const std::string& label) {
  for (const auto& t : rv::period_totals(entries, Figure::balance, period))
    if (t.label == label) return t.place;
  ADD_FAILURE() << "no period " << label;
  return -1;
}

TEST(LedgerTotals, AWeekRunsFromSundayToSaturday) {
  struct Case {
    const char* date;
    const char* week;
  };
  const Case cases[] = {
      {"Sunday 7th January 2007", "Sunday 7th January 2007"},     // a Sunday starts its own week
      {"Saturday 13th January 2007", "Sunday 7th January 2007"},  // a Saturday ends it
      {"Monday 1st January 2007", "Sunday 31st December 2006"},   // back over the year's end
      {"Thursday 1st March 2007", "Sunday 25th February 2007"},   // a February of 28 days
      {"Saturday 1st March 2008", "Sunday 24th February 2008"},   // and of 29
  };
  for (const Case& c : cases) {
    const auto weeks = rv::period_totals({entry(c.date, Figure::balance, -5, "Wages for the week")}, Figure::balance, Period::week);
    ASSERT_EQ(weeks.size(), 1u) << c.date;
    EXPECT_EQ(weeks[0].label, c.week) << c.date;
    EXPECT_EQ(weeks[0].change, -5) << c.date;
  }
}

TEST(LedgerTotals, WeeksAndMonthsSumOneFigureLatestFirst) {
  const std::vector<LedgerEntry> entries = {
      folded("Sunday 1st October 2006", -700, "Wages for the week (month)"),
      entry("Saturday 6th January 2007", Figure::balance, -100, "Wages for the week"),
      entry("Sunday 7th January 2007", Figure::balance, 50, "Show: Alpha, tickets"),
      entry("Wednesday 10th January 2007", Figure::popularity, 2, "Show: Alpha, overall rating 70"),
      entry("Friday 12th January 2007", Figure::balance, -30, "Wages for the week"),
      entry("Thursday 1st February 2007", Figure::balance, 400, "Monthly income and running costs"),
  };
  struct Expected {
    std::string label;
    rv::Num change;
    std::size_t entries;
  };
  struct Case {
    Figure figure;
    Period period;
    std::vector<Expected> totals;
  };
  const Case cases[] = {
      // The folded October has no week.
      {Figure::balance, Period::week,
       {{"Sunday 28th January 2007", 400, 1}, {"Sunday 7th January 2007", 20, 2}, {"Sunday 31st December 2006", -100, 1}}},
      {Figure::balance, Period::month, {{"February 2007", 400, 1}, {"January 2007", -80, 3}, {"October 2006", -700, 1}}},
      {Figure::popularity, Period::month, {{"January 2007", 2, 1}}},
      {Figure::board, Period::week, {}},
  };
  for (const Case& c : cases) {
    const auto totals = rv::period_totals(entries, c.figure, c.period);
    ASSERT_EQ(totals.size(), c.totals.size()) << rv::figure_name(c.figure);
    for (std::size_t i = 0; i < totals.size(); ++i) {
      EXPECT_EQ(totals[i].label, c.totals[i].label);
      EXPECT_EQ(totals[i].change, c.totals[i].change) << totals[i].label;
      EXPECT_EQ(totals[i].entries, c.totals[i].entries) << totals[i].label;
    }
  }
}

TEST(LedgerTotals, AStatementGroupsTheMoneyByKindOfCause) {
  const std::vector<LedgerEntry> entries = {
      folded("Sunday 1st October 2006", -700, "Wages for the week (month)"),
      folded("Wednesday 4th October 2006", 1200, "Show (month)"),
      folded("Sunday 1st October 2006", 300, "Monthly income and running costs (month)"),
      entry("Monday 1st January 2007", Figure::balance, 3000, "Monthly income and running costs"),
      entry("Friday 5th January 2007", Figure::balance, -1500, "Wages for the week"),
      entry("Sunday 7th January 2007", Figure::balance, 5000, "Show: Alpha, tickets"),
      entry("Sunday 7th January 2007", Figure::balance, 800, "Show: Alpha, merchandise"),
      entry("Sunday 7th January 2007", Figure::balance, -2000, "Show: Alpha, production, promotion and venue"),
      entry("Sunday 7th January 2007", Figure::popularity, 3, "Show: Alpha, overall rating 80"),
      entry("Friday 12th January 2007", Figure::balance, -1500, "Wages for the week"),
      entry("Saturday 13th January 2007", Figure::balance, -4000, "Release: Bob"),
      entry("Thursday 1st February 2007", Figure::balance, 999, "Monthly income and running costs"),
  };
  struct Case {
    Period period;
    std::string label;
    std::vector<rv::StatementLine> lines;
    rv::Num income, costs, net;
  };
  const Case cases[] = {
      {Period::month,
       "January 2007",
       {{"Show", 5800, -2000}, {"Release", 0, -4000}, {"Monthly income and running costs", 3000, 0}, {"Wages for the week", 0, -3000}},
       8800,
       -9000,
       -200},
      {Period::week, "Sunday 7th January 2007", {{"Show", 5800, -2000}, {"Release", 0, -4000}, {"Wages for the week", 0, -1500}}, 5800, -7500, -1700},
      // Folded months count by their sign.
      {Period::month,
       "October 2006",
       {{"Show", 1200, 0}, {"Wages for the week", 0, -700}, {"Monthly income and running costs", 300, 0}},
       1500,
       -700,
       800},
  };
  for (const Case& c : cases) {
    const auto s = rv::money_statement(entries, c.period, place_of(entries, c.period, c.label));
    ASSERT_EQ(s.lines.size(), c.lines.size()) << c.label;
    for (std::size_t i = 0; i < s.lines.size(); ++i) {
      EXPECT_EQ(s.lines[i].kind, c.lines[i].kind) << c.label;
      EXPECT_EQ(s.lines[i].income, c.lines[i].income) << c.label << " " << c.lines[i].kind;
      EXPECT_EQ(s.lines[i].costs, c.lines[i].costs) << c.label << " " << c.lines[i].kind;
    }
    EXPECT_EQ(s.income, c.income) << c.label;
    EXPECT_EQ(s.costs, c.costs) << c.label;
    EXPECT_EQ(s.net, c.net) << c.label;
  }
}

}  // namespace

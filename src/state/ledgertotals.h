#pragma once
// The ledger summed up: how far one figure moved week by week and month by month, and where the
// money of a week or a month came from and went, cause by cause.
//
// A week runs from Sunday to Saturday, so that a week's wages (Friday) and the board's review
// (Saturday) fall in the week they close. A month's total (an old month folded into one entry per
// kind of cause) counts in its month; it has no week, so the weekly sums leave it out.
#include <cstddef>
#include <string>
#include <vector>

#include "state/ledger.h"

namespace rv {

enum class Period { week, month };

// One week or month of one figure.
struct PeriodTotal {
  long long place = 0;  // orders the periods: the later, the larger
  std::string label;    // the week's Sunday as a full date ("Sunday 4th March 2007"), or "March 2007"
  Num change = 0;
  std::size_t entries = 0;  // a month's total counts as one
};

// The sums of the changes of `figure` (every whom), one per period that has an entry, the latest
// first.
std::vector<PeriodTotal> period_totals(const std::vector<LedgerEntry>& entries, Figure figure, Period period);

// The bank balance moved by one kind of cause (`cause_kind`, a month's total under the kind it
// folded) in a period: what came in and what went out (a negative sum), apart.
struct StatementLine {
  std::string kind;
  Num income = 0;
  Num costs = 0;
};

struct MoneyStatement {
  std::vector<StatementLine> lines;  // the kind that moved the most money first
  Num income = 0;
  Num costs = 0;
  Num net = 0;
};

// The money statement of the period at `place` (a PeriodTotal's). A month's total is one sum of
// its kind's money, so it counts as income or as costs by its sign.
MoneyStatement money_statement(const std::vector<LedgerEntry>& entries, Period period, long long place);

}  // namespace rv

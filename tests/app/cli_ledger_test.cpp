// ringvale-cli ledger on a save with known entries: the aligned table, the filters, CSV, and the
// options it refuses.
#include <gtest/gtest.h>

#include "app/cli_run.h"
#include "state/saves.h"
#include "support/world.h"

namespace {

struct CliLedger : rvtest::CliHome {
  void SetUp() override {
    CliHome::SetUp();
    rv::Store s = rvtest::small_store();
    s.ledger = {
        "entry\tMonday 1st January 2007\tbalance\t\t-1500\tWages for the week",
        "entry\tTuesday 2nd January 2007\tpopularity\t\t3\tShow: Alpha, overall rating 81",
        "entry\tWednesday 3rd January 2007\tbalance\t\t250\t=cmd",
    };
    ASSERT_TRUE(rv::save_game(s, home, "Career", {2026, 1, 2, 3, 4, 5, 0}).ok());
  }
  rvtest::CliRun ledger(const std::string& options) { return on_career("ledger", options); }
};

std::string gap(std::size_t n) { return std::string(n, ' '); }

TEST_F(CliLedger, PrintsAnAlignedTableFilteredByFigureAndDate) {
  // Widths: date 26, figure 10, whom 4 (its heading), change 7 ("-$1,500"); two blanks between.
  const std::string header = "Date" + gap(22 + 2) + "Figure" + gap(4 + 2) + "Whom" + gap(2 + 1) + "Change" + gap(2) + "Cause\n";
  const std::string wages = "Monday 1st January 2007" + gap(3 + 2) + "balance" + gap(3 + 2 + 4 + 2) + "-$1,500" + gap(2) +
                            "Wages for the week\n";
  const std::string show = "Tuesday 2nd January 2007" + gap(2 + 2) + "popularity" + gap(2 + 4 + 2 + 5) + "+3" + gap(2) +
                           "Show: Alpha, overall rating 81\n";
  const std::string third = "Wednesday 3rd January 2007" + gap(2) + "balance" + gap(3 + 2 + 4 + 2 + 2) + "+$250" + gap(2) + "=cmd\n";
  const auto all = ledger("");
  EXPECT_EQ(all.exit_code, 0) << all.output;
  EXPECT_EQ(all.output, header + wages + show + third);

  const struct {
    std::string options;
    std::vector<std::string> csv;
  } cases[] = {
      {"--csv --since 'Tuesday 2nd January 2007'",
       {"Date,Figure,Whom,Change,Cause", "Tuesday 2nd January 2007,popularity,,3,\"Show: Alpha, overall rating 81\"",
        "Wednesday 3rd January 2007,balance,,250,\"'=cmd\""}},
  };
  for (const auto& c : cases) {
    const auto run = ledger(c.options);
    EXPECT_EQ(run.exit_code, 0) << c.options << ": " << run.output;
    std::string expected;
    for (const auto& line : c.csv) expected += line + "\r\n";
    EXPECT_EQ(run.output, expected) << c.options;
  }
}

TEST_F(CliLedger, RefusesWhatItCannotRead) {
  const struct {
    std::string options, said;
    int exit_code;
  } cases[] = {
      {"--figure mood", "Not a figure the ledger keeps: \"mood\"", 1},
      {"--since 'March 2007'", "--since takes a full date", 1},
      {"--since 'Monday 30th February 2007'", "--since takes a full date", 1},
      {"--figure", "\"--figure\" of ledger needs a value", 2},
  };
  for (const auto& c : cases) {
    const auto run = ledger(c.options);
    EXPECT_EQ(run.exit_code, c.exit_code) << c.options << ": " << run.output;
    EXPECT_NE(run.output.find(c.said), std::string::npos) << c.options << ": " << run.output;
  }
}

}  // namespace

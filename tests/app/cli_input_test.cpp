// ringvale-cli against input it must not trust: options a command does not take, steps that are
// refused or too long, and tables too large to read.
#include <gtest/gtest.h>


#include "app/cli_run.h"
#include "state/fileio.h"
#include "state/saves.h"

namespace {

namespace fs = std::filesystem;

std::size_t count_of(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
  return n;
}

struct CliInput : rvtest::CliHome {
  void SetUp() override {
    CliHome::SetUp();
    const auto started = new_game(" --seed 2");
    ASSERT_EQ(started.exit_code, 0) << started.output;
  }
  std::string save_bytes() { return rvtest::file_bytes(home.sav_file("Career")) + table_bytes(); }
  rvtest::CliRun book_card(const std::string& steps) { return typed("book-card", "", steps); }
};

TEST_F(CliInput, OptionsACommandDoesNotTakeAreRefusedByName) {
  const std::string before = save_bytes();
  const struct {
    std::string command, options;
    std::vector<std::string> said;
    int exit_code;
  } cases[] = {
      {"next-day", "--csv", {"next-day does not take the option \"--csv\""}, 1},
      {"next-day", "--stop-at-show=no", {"\"--stop-at-show\" of next-day", "takes no value"}, 1},
      {"history", "--csv=no", {"\"--csv\" of history", "takes no value"}, 1},
      {"next-day", "--days 1 --days=2", {"\"--days\" of next-day is given twice"}, 1},
      {"show", "--card ''", {"\"--card\" of show needs a value; an empty one"}, 1},
      {"show", "--card=", {"\"--card\" of show needs a value; an empty one"}, 1},
      {"info", "stray", {"info does not take the argument \"stray\""}, 1},
      {"roster", "--view", {"\"--view\" of roster needs a value"}, 2},
  };
  for (const auto& c : cases) {
    const auto run = on_career(c.command, c.options);
    EXPECT_EQ(run.exit_code, c.exit_code) << c.options << ": " << run.output;
    for (const auto& part : c.said) EXPECT_NE(run.output.find(part), std::string::npos) << c.options << ": " << run.output;
  }
  EXPECT_EQ(save_bytes(), before);
  // The same flags where they belong.
  EXPECT_EQ(on_career("history", "--csv").exit_code, 0);
  EXPECT_EQ(on_career("teams", "--stables").exit_code, 0);
  const auto first = rvtest::run_cli(home_arg + " info");
  EXPECT_EQ(first.exit_code, 2);
  EXPECT_NE(first.output.find("the command comes first"), std::string::npos) << first.output;
}

TEST_F(CliInput, RefusedStepsSayWhyOnceAndNoCardMeansFailure) {
  const auto run = book_card("5\nmatch 1\nnobody\n7\nmatch 9\n\x1b[2J\n");
  EXPECT_EQ(run.exit_code, 1) << run.output;
  EXPECT_EQ(count_of(run.output, "  1. Singles\n"), 1u) << run.output;  // the type list, shown once
  EXPECT_NE(run.output.find("Not taken: \"nobody\" (it is not one of the choices listed).\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Not taken: \"match 9\" (this show has matches 1 to 5).\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Not taken: \"?[2J\""), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find('\x1b'), std::string::npos);
  EXPECT_NE(run.output.find("No card was confirmed."), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Match 1: Choose Title"), std::string::npos) << run.output;  // "7" is a choice's number
}

TEST_F(CliInput, AnOverLongStepIsRefusedWithoutBeingEchoed) {
  const std::string longest(rv::max_line_bytes, 'x');
  const auto run = book_card("5\n" + longest + "x\n" + longest + "\nmatch 1\r");
  EXPECT_EQ(run.exit_code, 1) << run.output.substr(0, 2000);
  EXPECT_NE(run.output.find("Not taken: the line is longer than 1,048,576 bytes.\n"), std::string::npos);
  EXPECT_NE(run.output.find("Not taken: \"" + std::string(60, 'x') + "...\" ("), std::string::npos);
  EXPECT_NE(run.output.find("Match 1: Choose Match Type"), std::string::npos);  // read on after both
  EXPECT_LT(run.output.size(), 5000u);
}

// Steps ended by CR alone, a card confirmed too early and then whole: its forecast comes before
// its ratings, and nothing is saved.
TEST_F(CliInput, AConfirmedCardShowsItsForecastBeforeItIsRated) {
  const std::string before = save_bytes();
  std::string steps = "5\r";
  for (int k = 1; k <= 5; ++k) {
    steps += "match " + std::to_string(k) + (k <= 3 ? "\rSingles" : "\rWomen's Match") + "\rNone\rNone\r1\r1\rAuto\rAuto\r";
    if (k == 4) steps += "confirm\r";
  }
  const auto run = book_card(steps + "confirm\r");
  ASSERT_EQ(run.exit_code, 0) << run.output;
  EXPECT_NE(run.output.find("Every match up to the number of matches must be booked first."), std::string::npos) << run.output;
  std::size_t at = 0;
  for (int k = 1; k <= 5; ++k) {
    const std::string line = "Match " + std::to_string(k) + " expected rating: ";
    const auto found = run.output.find(line, at);
    ASSERT_NE(found, std::string::npos) << run.output;
    const char first = run.output[found + line.size()];
    EXPECT_TRUE((first >= '1' && first <= '9') || run.output.compare(found + line.size(), 5, "about") == 0) << run.output;
    at = found;
  }
  const auto overall = run.output.find("Expected Show Rating: ", at);
  ASSERT_NE(overall, std::string::npos) << run.output;
  EXPECT_LT(run.output.find('%', overall), run.output.find('\n', overall)) << run.output;
  EXPECT_LT(overall, run.output.find("Match 1: Singles, rated ")) << run.output;
  EXPECT_NE(run.output.find("Match 5: Women's Match, rated "), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("won by Auto"), std::string::npos) << run.output;
  EXPECT_EQ(save_bytes(), before);
}

// A table too large to read is refused by name before a byte of it is read (the file is sparse).
TEST_F(CliInput, ATableThatCannotBeReadIsNamedWithItsReason) {
  const fs::path table = home.save_folder("Career") / "turns.rv1";
  fs::resize_file(table, rv::max_file_bytes + 1);
  for (const std::string command : {"check-save", "resave"}) {
    const auto run = on_career(command);
    EXPECT_EQ(run.exit_code, 1) << run.output;
    EXPECT_NE(run.output.find("The file turns.rv1 is larger than 33,554,432 bytes"), std::string::npos) << command << ": " << run.output;
    EXPECT_EQ(run.output.find("missing or unreadable"), std::string::npos) << run.output;
  }
  EXPECT_EQ(fs::file_size(table), rv::max_file_bytes + 1);
}

}  // namespace

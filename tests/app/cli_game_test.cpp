// ringvale-cli new-game and next-day: starting a game, playing days, playing to the show, and
// every way a bad command leaves the save alone.
#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

#include "app/cli_run.h"
#include "state/calendar.h"
#include "state/fileio.h"
#include "state/saves.h"
#include "state/text.h"

namespace {

namespace fs = std::filesystem;

// The amount of a money text: "-$50,608" is -50608, "+$1,200" 1200.
long long money_value(std::string_view text) {
  const bool negative = text.starts_with('-');
  long long v = 0;
  for (char c : text)
    if (std::isdigit(static_cast<unsigned char>(c))) v = v * 10 + (c - '0');
  return negative ? -v : v;
}

using CliGame = rvtest::CliHome;

TEST_F(CliGame, ANewGameIsSavedAndItsDaysArePlayed) {
  const auto started = new_game(" --player Tester --seed 3");
  ASSERT_EQ(started.exit_code, 0) << started.output;
  ASSERT_TRUE(fs::exists(home.sav_file("Career")));
  auto store = rv::load_game(home, "Career.sav");
  ASSERT_TRUE(store.ok());
  EXPECT_EQ(store->md(rv::md::player_initials), "RVA");
  EXPECT_EQ(store->md(rv::md::player_name), "Tester");

  const auto run = on_career("next-day", "--days 5 --seed 9");
  EXPECT_EQ(run.exit_code, 0) << run.output;
  EXPECT_NE(run.output.find("Tuesday 2nd January 2007\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Saturday 6th January 2007\n  Weekly Review\n"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("Nobody booked a card for Ringvale Alpha Weekly, so it has been cancelled."), std::string::npos) << run.output;
  store = rv::load_game(home, "Career.sav");
  ASSERT_TRUE(store.ok());
  EXPECT_EQ(store->md(rv::md::day_number), "6");
  EXPECT_EQ(rv::main_action(*store), rv::MainAction::next_day);
}

TEST_F(CliGame, PlayingUntilTheShowGivesTheBytesOfAsManySingleDays) {
  ASSERT_EQ(new_game(" --seed 1").exit_code, 0);
  rvtest::TempDir other;
  rv::copy_tree(home.root(), other.path());
  const std::string other_arg = "--home " + rvtest::quoted(other.path().string());
  const auto until = on_career("next-day", "--until-show --seed 5");
  ASSERT_EQ(until.exit_code, 0) << until.output;
  long long dated = 0;  // the date of each day played heads its lines
  std::istringstream lines(until.output);
  for (std::string line; std::getline(lines, line);)
    dated += line.size() > 4 && line[0] != ' ' && std::isdigit(static_cast<unsigned char>(line.back())) ? 1 : 0;
  ASSERT_GT(dated, 0) << until.output;
  const auto single = rvtest::run_cli("next-day " + other_arg + " --save Career --days " + std::to_string(dated) + " --seed 5 --stop-at-show");
  ASSERT_EQ(single.exit_code, 0) << single.output;
  EXPECT_EQ(table_bytes(), table_bytes(other.path() / "Career")) << until.output;
}

TEST_F(CliGame, BadCommandsChangeNothing) {
  ASSERT_EQ(new_game().exit_code, 0);
  const std::string before = table_bytes() + rvtest::file_bytes(home.sav_file("Career"));
  for (const std::string args : {"--save Career --days abc", "--save Career --days 0", "--save Career --seed -4",
                                 "--save Missing", "--days 2", "--save Career --book everything"}) {
    const auto run = rvtest::run_cli("next-day " + home_arg + " " + args);
    EXPECT_EQ(run.exit_code, 1) << args << ": " << run.output;
    EXPECT_FALSE(run.output.empty()) << args;
  }
  EXPECT_EQ(table_bytes() + rvtest::file_bytes(home.sav_file("Career")), before);
  EXPECT_EQ(rvtest::run_cli("new-game " + home_arg + " --promotion ZZZ --save Other").exit_code, 1);
  EXPECT_FALSE(fs::exists(home.sav_file("Other")));
  EXPECT_EQ(rvtest::run_cli("new-game " + home_arg + " --promotion RVA --save 'Bad Name'").exit_code, 1);
  EXPECT_EQ(rvtest::run_cli("new-game " + home_arg + " --save Other").exit_code, 1);
}

TEST_F(CliGame, ADataSetTheCheckRejectsStartsNoGame) {
  const fs::path wrestlers = home.data() / "wrestlers.rv1";
  auto lines = *rv::read_lines(wrestlers);
  const rv::Lines first(lines.begin(), lines.begin() + rv::column_count);
  lines.insert(lines.end(), first.begin(), first.end());  // the first worker twice
  rv::write_lines(wrestlers, lines);
  const auto run = new_game();
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.output.find("is used twice"), std::string::npos) << run.output;
  EXPECT_FALSE(fs::exists(home.sav_file("Career")));
}

TEST_F(CliGame, ANewGameReplacesASaveOnlyWhenAskedTo) {
  ASSERT_EQ(new_game(" --seed 1").exit_code, 0);
  ASSERT_EQ(on_career("next-day", "--seed 1").exit_code, 0);
  const std::string played = table_bytes();
  const auto refused = new_game(" --seed 1");
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_NE(refused.output.find("--replace"), std::string::npos) << refused.output;
  EXPECT_EQ(table_bytes(), played);
  EXPECT_EQ(new_game(" --seed 1 --replace").exit_code, 0);
  EXPECT_NE(table_bytes(), played);
}

TEST_F(CliGame, ADismissalEndsTheRunWithCodeThree) {
  ASSERT_EQ(new_game().exit_code, 0);
  auto store = rv::load_game(home, "Career.sav");
  ASSERT_TRUE(store.ok());
  store->set_md(rv::md::board_state, "x");
  ASSERT_TRUE(rv::save_game(*store, home, "Career", {2026, 1, 1, 0, 0, 0, 0}).ok());
  const auto run = on_career("next-day", "--days 10");
  EXPECT_EQ(run.exit_code, 3) << run.output;
  EXPECT_NE(run.output.find("You're now out of a job."), std::string::npos);
  EXPECT_EQ(run.output.find("Wednesday 3rd January 2007"), std::string::npos);  // stopped on the first day
  store = rv::load_game(home, "Career.sav");
  EXPECT_EQ(store->md(rv::md::day_number), "2");
}

TEST_F(CliGame, AShowDayIsStoppedAtAndItsShowRun) {
  ASSERT_EQ(new_game(" --seed 2").exit_code, 0);
  const auto stopped = on_career("next-day", "--days 9 --stop-at-show --seed 3");
  ASSERT_EQ(stopped.exit_code, 0) << stopped.output;
  EXPECT_NE(stopped.output.find("Thursday 4th January 2007\nStopped at Ringvale Alpha Weekly (Primary Show)\n"), std::string::npos)
      << stopped.output;

  const fs::path card = dir.path() / "card.txt";
  rvtest::write_bytes(card, "1\nSingles\nNone\nNone\nAuto\nAuto\nAlpha Worker 1\nNobody At All\n");
  const std::string before = table_bytes();
  const auto refused = on_career("show", "--card " + rvtest::quoted(card.string()));
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_NE(refused.output.find("is not offered"), std::string::npos) << refused.output;
  EXPECT_EQ(table_bytes(), before);

  const auto run = on_career("show", "--suggest --seed 5");
  ASSERT_EQ(run.exit_code, 0) << run.output;
  // The night's money reads as money does everywhere.
  const auto at = run.output.find("Money made: ");
  ASSERT_NE(at, std::string::npos);
  std::string money = run.output.substr(at + 12, run.output.find('\n', at) - at - 12);
  if (!money.empty() && money.back() == '\r') money.pop_back();
  EXPECT_EQ(money, rv::money_text(money_value(money)));
  // The night's money statement: every income and cost line, which add up to the money made.
  const auto statement_at = run.output.find("\nMoney:\n");
  ASSERT_NE(statement_at, std::string::npos) << run.output;
  std::istringstream report(run.output.substr(statement_at + 8));
  std::string line;
  std::getline(report, line);
  long long statement = 0;
  int items = 0;
  for (; line.starts_with("  "); std::getline(report, line), ++items) statement += money_value(line.substr(2, line.find("  ", 2) - 2));
  EXPECT_GE(items, 2) << run.output;  // at least the tickets and the production
  EXPECT_EQ(statement, money_value(money)) << run.output;
  const auto again = on_career("show", "--suggest");
  EXPECT_EQ(again.exit_code, 1);
  EXPECT_NE(again.output.find("not one of your show days"), std::string::npos) << again.output;

}

TEST_F(CliGame, SuggestSeasonRunsAndSavesNothing) {
  ASSERT_EQ(new_game(" --seed 3").exit_code, 0);
  const std::string before = table_bytes();
  const auto run = on_career("suggest-season", "--days 28 --samples 5 --seed 4");
  EXPECT_EQ(run.exit_code, 0) << run.output;
  EXPECT_EQ(table_bytes(), before);
  EXPECT_EQ(on_career("suggest-season", "--samples 0").exit_code, 1);
}

}  // namespace

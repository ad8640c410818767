#include <gtest/gtest.h>


#include "app/cli_run.h"
#include "state/fileio.h"
#include "state/saves.h"
#include "support/world.h"

namespace {

namespace fs = std::filesystem;

struct CliSaves : rvtest::CliHome {
  void SetUp() override {
    CliHome::SetUp();
    ASSERT_TRUE(rv::save_game(rvtest::small_store(), home, "Career", {2026, 1, 2, 3, 4, 5, 0}).ok());
  }
};

TEST_F(CliSaves, ResaveOfABrokenSaveFailsAndTouchesNothing) {
  const fs::path cal = home.save_folder("Career") / "calendar.rv1";
  fs::remove(cal);
  const std::string sav = rvtest::file_bytes(home.sav_file("Career")) + table_bytes();
  for (const std::string command : {"resave", "next-day"}) {
    const auto run = on_career(command);
    EXPECT_EQ(run.exit_code, 1) << command;
    EXPECT_NE(run.output.find("calendar.rv1"), std::string::npos) << command << ": " << run.output;
  }
  EXPECT_FALSE(fs::exists(cal));
  EXPECT_EQ(rvtest::file_bytes(home.sav_file("Career")) + table_bytes(), sav);

  EXPECT_EQ(rvtest::run_cli("resave " + home_arg + " --save Nobody").exit_code, 1);
  EXPECT_EQ(rvtest::run_cli("resave --save Career").exit_code, 2);
  EXPECT_EQ(rvtest::run_cli("resave " + home_arg + " --save").exit_code, 2);
  EXPECT_EQ(rvtest::run_cli("fly " + home_arg).exit_code, 2);
}

// Rows of the history that cannot be read are left out by any command that saves: each says so
// once, and the next run finds nothing more to say.
TEST_F(CliSaves, CommandsThatSaveSayOnceThatHistoryRowsWereLeftOut) {
  const std::string notice = "2 rows of the promotion's history could not be read and were left out.";
  const fs::path history = home.save_folder("Career") / "history.rv1";
  for (const std::string command : {"resave", "next-day --days 1"}) {
    rvtest::write_bytes(history, "day\tMonday 1st January 2007\t100\t40\t50\t2.5\r\nnonsense\r\nday\tbroken\r\n");
    const auto run = on_career(command);
    EXPECT_EQ(run.exit_code, 0) << command << ": " << run.output;
    const auto first = run.output.find(notice);
    EXPECT_NE(first, std::string::npos) << command << ": " << run.output;
    EXPECT_EQ(run.output.find(notice, first + 1), std::string::npos) << command << ": " << run.output;
    const auto again = on_career("resave");
    EXPECT_EQ(again.output.find("could not be read"), std::string::npos) << command << ": " << again.output;
  }
}

TEST_F(CliSaves, ResaveRefusesWhatTheCheckRejects) {
  const fs::path stips = home.save_folder("Career") / "stipulations.rv1";
  rvtest::write_bytes(stips, "Singles\r\nCut Short\r\n");
  EXPECT_EQ(on_career("check-save").exit_code, 1);
  EXPECT_EQ(on_career("resave").exit_code, 1);
  EXPECT_EQ(rvtest::file_bytes(stips), "Singles\r\nCut Short\r\n");
}

TEST_F(CliSaves, EveryCommandTakesOnlyASaveName) {
  rv::Home other(dir.path() / "other");
  ASSERT_TRUE(rv::save_game(rvtest::small_store(), other, "Career", {2026, 1, 2, 3, 4, 5, 0}).ok());
  const std::string path = rvtest::quoted((dir.path() / "other" / "Career").string());
  for (const std::string command : {"check-save", "resave", "next-day"}) {
    const auto run = rvtest::run_cli(command + " " + home_arg + " --save " + path);
    EXPECT_NE(run.exit_code, 0) << command << ": " << run.output;
    EXPECT_NE(run.output.find(rv::bad_save_name_message), std::string::npos) << command << ": " << run.output;
  }
}

}  // namespace

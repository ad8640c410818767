// ringvale-cli next-day --assistant: the staff's choices from a file or the defaults, a refused
// file that plays nothing, and a seeded career with the staff that repeats byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/cli_run.h"
#include "state/fileio.h"
#include "state/saves.h"
#include "state/tables.h"
#include "support/world.h"

namespace {

namespace fs = std::filesystem;

struct CliAssistant : rvtest::CliHome {
  void SetUp() override {
    CliHome::SetUp();
    ASSERT_EQ(new_game(" --seed 1").exit_code, 0);
  }
  // Every file of the save folder, named, one after the other.
  std::string folder_bytes(const fs::path& folder) {
    std::string all = table_bytes(folder);
    for (const char* f : {"history.rv1", "ledger.rv1", "assistant.rv1"})
      if (fs::exists(folder / f)) all += std::string(f) + "\n" + rvtest::file_bytes(folder / f);
    return all;
  }
  fs::path write_choices(const std::string& text) {
    const fs::path file = dir.path() / "staff.txt";
    rvtest::write_bytes(file, text);
    return file;
  }
};

TEST_F(CliAssistant, ABadFileIsRefusedWithItsLineAndNothingIsPlayed) {
  const struct {
    const char* text;
    const char* said;
  } cases[] = {
      {"renewals on\nholidays on\n", "staff.txt: Line 2: unknown key \"holidays\"."},
  };
  const std::string before = folder_bytes(home.save_folder("Career"));
  for (const auto& c : cases) {
    const fs::path file = write_choices(c.text);
    const auto run = on_career("next-day", "--days 5 --assistant " + rvtest::quoted(file.string()));
    EXPECT_EQ(run.exit_code, 1) << run.output;
    EXPECT_NE(run.output.find(c.said), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("January 2007"), std::string::npos) << run.output;  // no day was played
    EXPECT_EQ(folder_bytes(home.save_folder("Career")), before);
  }
}

TEST_F(CliAssistant, TheFilesChoicesAreKeptInTheSave) {
  const fs::path file = write_choices("rival_offers decline\nbooking on\n");
  const auto run = on_career("next-day", "--days 1 --seed 2 --assistant " + rvtest::quoted(file.string()));
  ASSERT_EQ(run.exit_code, 0) << run.output;
  const auto store = rv::load_game(home, "Career.sav");
  ASSERT_TRUE(store.ok()) << store.error();
  EXPECT_TRUE(store->assistant.booking);
  EXPECT_EQ(store->assistant.offers, rv::OfferPolicy::decline_all);
  EXPECT_FALSE(store->assistant.renewals);
}

// Ten years of the small world with the staff in charge, twice from the same save and seed.
TEST_F(CliAssistant, ATenYearCareerWithTheStaffRepeatsByteForByte) {
  rvtest::TempDir other;
  rv::copy_tree(home.root(), other.path());
  const std::string other_arg = "--home " + rvtest::quoted(other.path().string());
  setenv("SOURCE_DATE_EPOCH", "1767225600", 1);
  const std::string args = " --save Career --days 3650 --seed 11 --assistant default";
  const auto a = rvtest::run_cli("next-day " + home_arg + args);
  const auto b = rvtest::run_cli("next-day " + other_arg + args);
  unsetenv("SOURCE_DATE_EPOCH");
  ASSERT_NE(a.exit_code, 1) << a.output.substr(0, 2000);
  EXPECT_EQ(a.exit_code, b.exit_code);
  EXPECT_TRUE(a.output == b.output);
  EXPECT_TRUE(folder_bytes(home.save_folder("Career")) == folder_bytes(other.path() / "Career"));
  EXPECT_NE(rvtest::file_bytes(home.sav_file("Career")).find("01/01/2026"), std::string::npos);  // the time fixed
  // The staff were at work: shows booked and contracts offered, each told by its sender.
  const auto store = rv::load_game(home, "Career.sav");
  ASSERT_TRUE(store.ok()) << store.error();
  int booker = 0, talent = 0;
  for (std::size_t i = 0; i < store->message_count(); ++i) {
    booker += store->message(i).at(rv::msg::sender) == "Assistant Booker";
    talent += store->message(i).at(rv::msg::sender) == "Head Of Talent Relations";
  }
  EXPECT_GT(booker + talent, 0);
}

}  // namespace

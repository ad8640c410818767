#include <gtest/gtest.h>

#include <algorithm>

#include "state/calendar.h"
#include "state/fileio.h"
#include "state/newgame.h"
#include "state/startup.h"
#include "support/world.h"

namespace {

namespace fs = std::filesystem;

struct NewGameFixture : ::testing::Test {
  rvtest::TempDir dir;
  rv::Home home{dir.path()};
  void SetUp() override { rvtest::write_small_world(home); }
  rv::NewGame start() {
    auto g = rv::start_new_game(home, "Tester");
    EXPECT_TRUE(g.ok()) << (g.ok() ? "" : g.error());
    return std::move(*g);
  }
};

TEST_F(NewGameFixture, ChoiceOffersTheFirstTenPromotionsAndANewIndy) {
  rv::NewGame g = start();
  EXPECT_EQ(g.store.md(rv::md::player_name), "Tester");
  std::vector<std::string> captions = {"RVA", "RVB"};
  captions.resize(11, "Create New Indy");  // the other nine buttons
  EXPECT_EQ(rv::choice_captions(g), captions);
  const auto info = rv::promotion_info(g, 1);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->type, "Basic Indy");
  EXPECT_EQ(info->funds, "$1,500,000");
  EXPECT_FALSE(rv::promotion_info(g, 2));
  EXPECT_EQ(rv::new_indy_info().funds, "$600,000");
}

TEST_F(NewGameFixture, MoreThanTenPromotionsAreAllLoadedButOnlyTenOffered) {
  for (int i = 0; i < 10; ++i) {
    rv::write_lines(home.data() / ("Z" + std::to_string(i) + ".fed"),
                    rvtest::promotion_record("Z" + std::to_string(i), "Zed " + std::to_string(i), 2));
  }
  rv::NewGame g = start();
  EXPECT_EQ(g.store.promotion_count(), 12u);
  const auto captions = rv::choice_captions(g);
  EXPECT_EQ(captions[9], "Z7");
  EXPECT_EQ(captions[10], "Create New Indy");
}

TEST_F(NewGameFixture, ConfirmingTakesOverThePromotion) {
  rv::NewGame g = start();
  auto beta_worker = g.store.find_worker("Beta Worker 3");
  g.store.worker(*beta_worker).set_multiproms("RVA, RVC");
  auto p = g.store.promotion(0);
  p.set(rv::prom::next_big_show_name, "Spring Siege");
  p.set(rv::prom::next_big_show_date, "Saturday 10th February 2007");
  p.set(rv::prom::next_big_show_level, "2");
  p.set(rv::prom::next_big_show_value, "0");
  p.set(rv::prom::monthly_big_shows + 1 * rv::prom::monthly_big_show_size, "Spring Siege");
  p.set(rv::prom::monthly_big_shows + 1 * rv::prom::monthly_big_show_size + 1, "Brand 2");
  p.set(rv::prom::monthly_big_shows + 1 * rv::prom::monthly_big_show_size + 2, "siege.jpg");
  ASSERT_TRUE(rv::confirm_promotion(g, "RVA", false).ok());
  EXPECT_EQ(g.store.md(rv::md::player_initials), "RVA");
  EXPECT_EQ(g.store.worker(*beta_worker).promotion(), "RVA");  // joins through multiproms
  EXPECT_EQ(g.store.md(rv::md::next_big_show_name), "Spring Siege");
  EXPECT_EQ(g.store.md(rv::md::next_big_show_level), "2");
  EXPECT_EQ(g.store.md(rv::md::next_big_show_brand), "Brand 2");
  EXPECT_EQ(g.store.md(rv::md::next_big_show_logo), "siege.jpg");
  EXPECT_EQ(g.store.titlehistory,
            (rv::Lines{"Ringvale Alpha Title", "Title history line one", "Title history line two"}));
  EXPECT_EQ(g.store.calendar.size(), 42u * 3);
  auto day = rv::find_calendar_day(g.store, "Saturday 10th February 2007");
  EXPECT_EQ(g.store.calendar[*day * 3 + 2], "Spring Siege");
  EXPECT_EQ(g.store.md(rv::md::day_heading), "No Shows Today");
  EXPECT_FALSE(rv::confirm_promotion(g, "XXX", false).ok());
}

TEST_F(NewGameFixture, InitialsAreTextNotAPattern) {
  rv::NewGame g = start();
  g.store.promotion(1).set(rv::prom::initials, "?");
  g.store.worker(*g.store.find_worker("Alpha Worker 4")).set_multiproms("RVA, ?");
  ASSERT_TRUE(rv::confirm_promotion(g, "?", false).ok());
  const auto& promotions = g.store.wrestlers.column(rv::Col::promotion);
  EXPECT_EQ(std::count(promotions.begin(), promotions.end(), "?"), 1);
}

TEST_F(NewGameFixture, ANewIndyNeedsFreshInitialsAndName) {
  rv::NewGame g = start();
  g.store.worker(0).set_promotion("GHO");  // a contract holder not in the world
  EXPECT_TRUE(rv::indy_initials_problem(g.store, "RVA"));
  EXPECT_TRUE(rv::indy_initials_problem(g.store, "GHO"));
  EXPECT_FALSE(rv::indy_initials_problem(g.store, "NEW"));
  EXPECT_TRUE(rv::indy_name_problem(g.store, "Ringvale Beta"));
  const std::size_t before = g.store.promotions.size();
  EXPECT_FALSE(rv::create_new_indy(home, g, {"RVA", "Fresh", "Belt", "Champ"}).ok());
  EXPECT_EQ(g.store.promotions.size(), before);

  ASSERT_TRUE(rv::create_new_indy(home, g, {"NEW", "Newcomers", "Top Belt", "Top Champ"}).ok());
  ASSERT_EQ(g.store.promotion_count(), 3u);
  auto indy = g.store.promotion(2);
  EXPECT_EQ(indy.initials(), "NEW");
  EXPECT_EQ(indy.title(0).name(), "Top Belt");
  EXPECT_EQ(indy.balance(), 600000);
  ASSERT_TRUE(rv::confirm_promotion(g, "NEW", true).ok());
  ASSERT_EQ(g.store.titlehistory.size(), 6u);
  EXPECT_EQ(g.store.titlehistory[4], "Monday 1st January 2007");
  EXPECT_EQ(g.store.titlehistory[5], "Top Belt Created");
}

TEST_F(NewGameFixture, BrokenDataSetsAreRefusedWithAMessage) {
  rvtest::write_bytes(home.data() / "wrestlers.rv1", "one\r\ntwo\r\n");
  auto g = rv::start_new_game(home, "Tester");
  ASSERT_FALSE(g.ok());
  EXPECT_NE(g.error().find("wrestlers.rv1"), std::string::npos);
  rvtest::write_small_world(home);
  rvtest::write_bytes(home.data() / "RVB.fed", "short\r\n");
  EXPECT_FALSE(rv::start_new_game(home, "Tester").ok());
  fs::remove(home.data() / "RVB.fed");
  fs::remove(home.data() / "maindata.rv1");
  EXPECT_FALSE(rv::start_new_game(home, "Tester").ok());
}

TEST_F(NewGameFixture, ScenariosUseTheirOwnFilesAndVenues) {
  const fs::path sc = home.scenario("Winter");
  fs::create_directories(sc);
  for (const auto& f : {"maindata.rv1", "RVA.fed"}) fs::copy_file(home.data() / f, sc / f);
  auto workers = *rv::read_lines(home.data() / "wrestlers.rv1");
  std::replace(workers.begin(), workers.end(), std::string("RVB"), std::string(rv::free_agent));  // one promotion here
  rv::write_lines(sc / "wrestlers.rv1", workers);
  rvtest::write_bytes(sc / "scenario.txt", "Winter Of Discontent\r\nThe champion is gone.\r\nThe Team\r\n");
  rvtest::write_bytes(sc / "cover.jpg", "picture");
  rvtest::write_bytes(home.images() / "cover.jpg", "older picture");
  EXPECT_EQ(rv::list_scenarios(home), (std::vector<std::string>{"Winter"}));
  EXPECT_EQ(rv::scenario_info(home, "Winter"), "Winter Of Discontent\n\nThe champion is gone.\n\nBy The Team");

  auto g = rv::start_new_game(home, "Tester", "Winter");
  ASSERT_TRUE(g.ok()) << g.error();
  EXPECT_EQ(g->store.promotion_count(), 1u);
  EXPECT_EQ(g->store.md(rv::md::venue_file), "Scenarios\\Winter\\venues.txt");
  EXPECT_EQ(home.resolve(g->store.md(rv::md::venue_file)), home.root() / "Scenarios" / "Winter" / "venues.txt");
  EXPECT_EQ(g->store.stipulations.size(), rv::rec::stipulation);  // from Data, the scenario has none

  EXPECT_EQ(rv::scenario_pictures(home, "Winter"), (std::vector<std::string>{"cover.jpg"}));
  EXPECT_TRUE(rv::picture_name_taken(home, "cover.jpg"));
  ASSERT_TRUE(rv::move_scenario_picture(home, "Winter", "cover.jpg", false).ok());  // "No": both stay
  EXPECT_EQ(rvtest::file_bytes(home.images() / "cover.jpg"), "older picture");
  EXPECT_TRUE(fs::exists(sc / "cover.jpg"));
  ASSERT_TRUE(rv::move_scenario_picture(home, "Winter", "cover.jpg", true).ok());
  EXPECT_EQ(rvtest::file_bytes(home.images() / "cover.jpg"), "picture");
  EXPECT_FALSE(fs::exists(sc / "cover.jpg"));
}

TEST(Startup, FolderChecks) {
  rvtest::TempDir dir;
  rv::Home home(dir.path());
  fs::create_directories(home.data());
  fs::create_directories(home.images());
  EXPECT_FALSE(rv::check_folders(home));  // only Scenarios is created, silently
  EXPECT_TRUE(fs::is_directory(home.scenarios()));

  rvtest::TempDir old_dir;
  rv::Home old(old_dir.path());
  rvtest::write_bytes(old.root() / "ABC.fed", "x");
  rvtest::write_bytes(old.root() / "maindata.rv1", "x");
  rvtest::write_bytes(old.root() / "logo.JPG", "x");
  rvtest::write_bytes(old.root() / "venues.txt", "x");
  rvtest::write_bytes(old.root() / "notes.txt", "x");
  const auto message = rv::check_folders(old);
  ASSERT_TRUE(message);
  EXPECT_EQ(message->rfind("RV has automatically created 2 new folders", 0), 0u);
  for (const fs::path& kept : {old.data() / "ABC.fed", old.data() / "maindata.rv1", old.data() / "venues.txt",
                               old.images() / "logo.JPG", old.root() / "notes.txt"})
    EXPECT_TRUE(fs::exists(kept)) << kept;
  EXPECT_FALSE(fs::exists(old.root() / "ABC.fed"));
  EXPECT_FALSE(rv::check_folders(old));  // once only
}

TEST(Startup, FirstStartCopiesTheBundledWorld) {
  rvtest::TempDir bundled;
  rv::Home source(bundled.path());
  rvtest::write_small_world(source);
  rvtest::TempDir dir;
  rv::Home home(dir.path() / "new-home");
  ASSERT_TRUE(rv::prepare_home(home, bundled.path()).ok());
  EXPECT_TRUE(fs::exists(home.data() / "RVA.fed"));
  // An existing home is never overwritten.
  rvtest::write_bytes(home.data() / "RVA.fed", "mine");
  ASSERT_TRUE(rv::prepare_home(home, bundled.path()).ok());
  EXPECT_EQ(rvtest::file_bytes(home.data() / "RVA.fed"), "mine");
  EXPECT_FALSE(rv::prepare_home(rv::Home(dir.path() / "other"), dir.path() / "missing").ok());
}

TEST(Startup, AnInstalledWorldIsFoundBeforeTheBuildTreeOne) {
  rvtest::TempDir dir;
  const fs::path bin = dir.path() / "usr" / "bin";
  const fs::path installed = dir.path() / "usr" / "share" / "ringvale" / "data";
  const fs::path built_in = dir.path() / "source" / "data";
  fs::create_directories(built_in / "Data");
  EXPECT_EQ(rv::find_bundled_world(bin, built_in), built_in);
  // A world with no Data folder is no world; with none at all the installed place is named.
  fs::create_directories(installed);
  EXPECT_EQ(rv::find_bundled_world(bin, built_in), built_in);
  EXPECT_EQ(rv::find_bundled_world(bin, dir.path() / "gone"), installed);
  fs::create_directories(installed / "Data");
  EXPECT_EQ(rv::find_bundled_world(bin, built_in), installed);
}

}  // namespace

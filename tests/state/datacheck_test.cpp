#include <gtest/gtest.h>

#include <functional>

#include "state/datacheck.h"
#include "state/fileio.h"
#include "support/world.h"

namespace {

namespace fs = std::filesystem;

struct DataCheck : ::testing::Test {
  rvtest::TempDir dir;
  rv::Home home{dir.path()};
  void SetUp() override { rvtest::write_small_world(home); }

  std::vector<std::string> problems() { return rv::check_data_set(home.data()).problems; }
  bool reports(const std::string& text) {
    for (const auto& p : problems()) {
      if (p.find(text) != std::string::npos) return true;
    }
    return false;
  }
  void edit(const char* file, const std::function<void(rv::Lines&)>& change) {
    auto lines = *rv::read_lines(home.data() / file);
    change(lines);
    rv::write_lines(home.data() / file, lines);
  }
};

TEST_F(DataCheck, ACompleteDataSetIsClean) {
  const auto check = rv::check_data_set(home.data());
  EXPECT_TRUE(check.problems.empty()) << check.problems.front();
  EXPECT_EQ(rv::summary_line(check.summary),
            "2 promotions, 24 workers (4 free agents), 1 stipulations, 2 venues, 5 library records");
}

// One table spoiled on a fresh world: every report it must give, each naming file and line. A
// case without reports leaves its file clean.
TEST_F(DataCheck, EachFaultIsReportedWhereItStands) {
  struct Case {
    const char* file;
    std::function<void(rv::Lines&)> edit;
    std::vector<std::string> reports;
  };
  const Case cases[] = {
      {"wrestlers.rv1", [](rv::Lines& l) { l.pop_back(); }, {"wrestlers.rv1:714: the last worker has 30 lines instead of 31"}},
      // Title holders must exist and work for the promotion.
      {"RVA.fed", [](rv::Lines& l) { l[rv::prom::short_titles + 8] = "Nobody Atall"; },
       {"RVA.fed:94: title holder Nobody Atall does not exist"}},
      {"RVA.fed", [](rv::Lines& l) { l[rv::prom::short_titles + 8] = "Beta Worker 2"; },
       {"RVA.fed:94: title holder Beta Worker 2 does not work for RVA"}},
      {"venues.txt", [](rv::Lines& l) { l[9] = ""; }, {"venues.txt:10: Old Mill Arena: the capacity must be a whole number above 0"}},
      {"venues.txt", [](rv::Lines& l) { l.pop_back(); }, {"venues.txt:7: the last venue has 5 lines instead of 6"}},
      // Libraries carry only known placeholders and markers; a talk show may have segments.
      {"normreports.rv1", [](rv::Lines& l) { l[24] = "<att1fullname> beats <loser>."; }, {"normreports.rv1:25: unknown placeholder <loser>"}},
      {"normreports.rv1", [](rv::Lines& l) { l[25] = "-SEGMENT-"; }, {"normreports.rv1:26: unknown marker -SEGMENT-"}},
      {"talkshow.rv1", [](rv::Lines& l) { l[8] = "-SEGMENT-"; }, {}},
      {"wrestlers.rv1",
       [](rv::Lines& l) {
         l[2] = "XYZ";                // a promotion that does not exist
         l[31 + 5] = "very popular";  // pop
         l[62 + 12] = "Somebody";     // multiproms naming nobody
         l[93 + 17] = "Twin Terror";  // tag team across promotions
         l[10 * 31 + 17] = "Twin Terror";
       },
       {"wrestlers.rv1:3: Alpha Worker 0: works for XYZ, which is not a promotion of this data set",
        "wrestlers.rv1:37: Alpha Worker 1: pop should be a whole number", "wrestlers.rv1:75: Alpha Worker 2: multiproms names no promotion",
        "wrestlers.rv1:328: Beta Worker 0: Twin Terror has members in RVA and RVB"}},
      // Ring names pass the one name check: no word the tables keep, no champion's mark, 60 at most.
      {"wrestlers.rv1",
       [](rv::Lines& l) {
         l[4 * 31] = "Vacant";
         l[5 * 31] = "Alpha Worker 1 (CHAMPION)";
         l[6 * 31] = std::string(61, 'L');
       },
       {"wrestlers.rv1:125: \"Vacant\" is a word the game keeps for itself; it cannot be a ring name.",
        "wrestlers.rv1:156: A ring name cannot end in \"(CHAMPION)\".", "wrestlers.rv1:187: A ring name can be 60 characters long at the most."}},
  };
  for (const Case& c : cases) {
    rvtest::write_small_world(home);
    edit(c.file, c.edit);
    for (const auto& r : c.reports) EXPECT_TRUE(reports(r)) << r;
    if (c.reports.empty()) {
      EXPECT_FALSE(reports(c.file)) << c.file;
    }
  }
}

TEST_F(DataCheck, DatesMustExistAndNumbersStayInRange) {
  edit("maindata.rv1", [](rv::Lines& l) {
    l[rv::md::day_number] = "31";
    l[rv::md::month] = "February";
    l[rv::md::board_rating] = "250";
  });
  edit("RVA.fed", [](rv::Lines& l) {
    l[rv::prom::next_big_show_name] = "Winter Rumble";
    l[rv::prom::next_big_show_date] = "Wednesday 31st February 2007";
    l[rv::prom::balance] = "9223372036854775807";
  });
  EXPECT_TRUE(reports("maindata.rv1:3: lines 2 to 5 must hold a weekday, a day number, a month and a year: there is no 31st of February"));
  EXPECT_TRUE(reports("maindata.rv1:7: board rating \"250\" is outside 0 to 100"));
  EXPECT_TRUE(reports("RVA.fed:237: the next big show needs a full date"));
  EXPECT_TRUE(reports("RVA.fed:5: bank balance"));
}

TEST_F(DataCheck, AWorldStartsOnAWeekdayOfItsOwn) {
  // The 1st of January 2005 was a Saturday; the world says Monday, and that is its own affair.
  edit("maindata.rv1", [](rv::Lines& l) { l[rv::md::year] = "2005"; });
  edit("RVA.fed", [](rv::Lines& l) {
    l[rv::prom::next_big_show_name] = "Winter Rumble";
    l[rv::prom::next_big_show_date] = "Monday 29th January 2005";
  });
  EXPECT_EQ(problems(), std::vector<std::string>{});
  // The real Saturday: in this world the 29th is a Monday, and the big show would never come.
  edit("RVA.fed", [](rv::Lines& l) { l[rv::prom::next_big_show_date] = "Saturday 29th January 2005"; });
  EXPECT_TRUE(reports("RVA.fed:237: the next big show's date says Saturday, but in this world that day is a Monday"));
  edit("maindata.rv1", [](rv::Lines& l) { l[rv::md::day_number] = "0"; });
  EXPECT_TRUE(reports("maindata.rv1:3: lines 2 to 5 must hold a weekday, a day number, a month and a year: there is no day 0 in a month"));
}

TEST_F(DataCheck, MissingFilesAndGarbageGiveMessagesNotCrashes) {
  fs::remove(home.data() / "venues.txt");
  EXPECT_TRUE(reports("venues.txt:0: missing"));
  rvtest::write_bytes(home.data() / "maindata.rv1", std::string("\x00\x01\x02\xff\r\n\x7f", 7));
  EXPECT_TRUE(reports("maindata.rv1:1: holds binary data"));
  EXPECT_TRUE(reports("maindata.rv1:2: 2 lines instead of 252"));
  rvtest::write_bytes(home.data() / "RVB.fed", "");
  EXPECT_TRUE(reports("RVB.fed:0: 0 lines instead of 238"));
  EXPECT_TRUE(reports("wrestlers.rv1:"));  // its RVB workers now work for nobody
  EXPECT_FALSE(rv::check_data_set(home.root() / "nowhere").problems.empty());
}

TEST(ShippedWorld, TheDefaultWorldAndItsScenariosPassTheChecker) {
  const fs::path data = fs::path(RINGVALE_SOURCE_DIR) / "data";
  if (!fs::exists(data / "Data" / "maindata.rv1")) GTEST_SKIP() << "the default world is not in this tree";
  const auto world = rv::check_data_set(data / "Data");
  EXPECT_TRUE(world.problems.empty()) << world.problems.size() << " problems, first: " << world.problems.front();
  EXPECT_EQ(world.summary.promotions, 10u);
  EXPECT_GE(world.summary.workers, 450u);
  EXPECT_GE(world.summary.free_agents, 60u);
  EXPECT_GE(world.summary.stipulations, 30u);
  EXPECT_GE(world.summary.venues, 60u);
  for (const auto& scenario : rv::list_folders(data / "Scenarios")) {
    const auto check = rv::check_data_set(data / "Scenarios" / scenario);
    EXPECT_TRUE(check.problems.empty()) << scenario << ": " << check.problems.front();
  }
}

}  // namespace

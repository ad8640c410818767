// The promotion's history beside a save: kept through saving and loading, started by a save that
// has none, damaged rows left out with one message, and what is read back from it.
#include <gtest/gtest.h>

#include "cycle/nextday.h"
#include "state/fileio.h"
#include "state/history.h"
#include "state/saves.h"
#include "support/world.h"

namespace {

namespace fs = std::filesystem;
const rv::WallTime noon{2026, 12, 7, 12, 0, 0, 1};

rv::HistoryShow sample_show() {
  rv::HistoryShow s{"Monday 1st January 2007", "Alpha, \"Live\"", 64, 380, -1200, {}};
  s.matches.push_back({"Singles: A vs B", 70, "A", {"A", "B"}, {"A"}, "Gold Title", true, "A defeated B",
                       {"Skill (hardcore + ability) x 0.65: +58.50", "Condition: +12.00", "Rounded down: -0.50"}});
  s.matches.push_back({"Tag Team: A & C vs B & D", 55, "The Pair", {"A", "C", "B", "D"}, {"B", "D"}, "", false, "The Pair defeated A & C", {}});
  s.matches.push_back({"Battle Royal: Featuring 12 Participants", 40, "E", {}, {}, "", false, "E won the Battle Royal", {}});
  return s;
}

TEST(History, ASaveKeepsItsHistoryAndAnOlderSaveStartsOne) {
  rvtest::TempDir dir;
  const rv::Home home{dir.path()};
  rvtest::write_small_world(home);
  rv::Game game{rvtest::small_store(), rv::Rng(2), "test"};
  rv::next_day(game);
  rv::record_history_show(game.store, sample_show());
  rv::next_day(game);
  ASSERT_EQ(game.store.history.size(), 6u);  // two days, a show and its three matches
  ASSERT_TRUE(rv::save_game(game.store, home, "Kept", noon).ok());
  const auto loaded = rv::load_game(home, "Kept.sav");
  ASSERT_TRUE(loaded.ok()) << loaded.error();
  EXPECT_EQ(loaded->history, game.store.history);
  EXPECT_EQ(loaded->load_notice, "");
  const rv::History h = rv::read_history(loaded->history);
  ASSERT_EQ(h.days.size(), 2u);
  EXPECT_EQ(h.days[0].date, "Monday 1st January 2007");  // a day's row closes that day
  EXPECT_EQ(h.days[1].date, "Tuesday 2nd January 2007");
  EXPECT_EQ(h.shows.size(), 1u);

  // Damaged rows are left out with one message.
  const fs::path file = home.save_folder("Kept") / std::string(rv::history_file);
  rv::Lines rows = game.store.history;
  rows.insert(rows.begin() + 1, "day\tSomeday 40th Nowhere\t1\t2\t3\t4");  // no such date
  rows.push_back("show\tMonday 1st January 2007\tCut Short\t60");          // cut short
  rows.push_back("match\tSingles: X vs Y\t50\tX\t\t0\t2\tX\tY\t1\tX");     // its show was lost
  rows.push_back("rubbish");
  ASSERT_TRUE(rv::write_lines(file, rows).ok());
  const auto hurt = rv::load_game(home, "Kept.sav");
  ASSERT_TRUE(hurt.ok()) << hurt.error();
  EXPECT_EQ(hurt->history, game.store.history);
  EXPECT_EQ(hurt->load_notice, "4 rows of the promotion's history could not be read and were left out.");

  // Without the history file the save still loads.
  fs::remove(file);
  auto older = rv::load_game(home, "Kept.sav");
  ASSERT_TRUE(older.ok()) << older.error();
  EXPECT_TRUE(older->history.empty());
  rv::Game resumed{std::move(*older), rv::Rng(2), "Kept"};
  rv::next_day(resumed);
  EXPECT_EQ(resumed.store.history.size(), 1u);
}

// A show row may carry its overall rating in hundredths and its hall's capacity after its six fields;
// older rows have neither.
TEST(History, AShowRowsRatingToTheHundredth) {
  const struct {
    const char* row;
    rv::Num hundredths;  // -1: none kept; -2: the row cannot be read
  } rows[] = {{"show\tMonday 1st January 2007\tAlpha Weekly\t58\t300\t1000", -1},
              {"show\tMonday 1st January 2007\tAlpha Weekly\t58\t300\t1000\t5876", 5876},
              {"show\tMonday 1st January 2007\tAlpha Weekly\t0\t300\t1000\t0", 0},
              {"show\tMonday 1st January 2007\tAlpha Weekly\t100\t300\t1000\t10000", 10000},
              {"show\tMonday 1st January 2007\tAlpha Weekly\t100\t300\t1000\t10001", -2},
              {"show\tMonday 1st January 2007\tAlpha Weekly\t58\t300\t1000\t-1", -2},
              {"show\tMonday 1st January 2007\tAlpha Weekly\t58\t300\t1000\t5876\t-1", -2},  // a hall of no size
              {"show\tMonday 1st January 2007\tAlpha Weekly\t58\t300\t1000\t5876\t900\t1", -2}};
  for (const auto& r : rows) {
    const rv::History h = rv::read_history({r.row});
    if (r.hundredths == -2) {
      EXPECT_EQ(h.unreadable, 1u) << r.row;
      continue;
    }
    ASSERT_EQ(h.shows.size(), 1u) << r.row;
    EXPECT_EQ(h.shows[0].overall_hundredths, r.hundredths) << r.row;
    // Written again, the row reads the same.
    rv::Store s = rvtest::small_store();
    s.history.clear();
    rv::record_history_show(s, h.shows[0]);
    EXPECT_EQ(s.history, rv::Lines{r.row});
  }
}

TEST(History, AMatchRowKeepsItsRatingTermsAndOlderRowsStillRead) {
  struct Case {
    const char* row;
    bool readable;
    std::size_t terms;
    const char* result;
  };
  const Case cases[] = {
      {"match\tS: X vs Y\t50\tX\t\t0\t2\tX\tY\t1\tX", true, 0, ""},                            // before results were kept
      {"match\tS: X vs Y\t50\tX\t\t0\t2\tX\tY\t1\tX\tX defeated Y", true, 0, "X defeated Y"},  // before terms were kept
      {"match\tS: X vs Y\t50\tX\t\t0\t2\tX\tY\t1\tX\tX defeated Y\t2\tMorale: +5.00\tCharisma: +7.00", true, 2, "X defeated Y"},
      {"match\tS: X vs Y\t50\tX\t\t0\t2\tX\tY\t1\tX\tX defeated Y\t3\tMorale: +5.00", false, 0, ""},  // terms cut short
      {"match\tS: X vs Y\t50\tX\t\t0\t2\tX\tY\t1\tX\tX defeated Y\tMorale", false, 0, ""},  // no count
  };
  for (const auto& c : cases) {
    const rv::History h = rv::read_history({"show\tMonday 1st January 2007\tS\t60\t100\t0", c.row});
    ASSERT_EQ(h.shows.size(), 1u);
    ASSERT_EQ(h.shows[0].matches.size(), c.readable ? 1u : 0u) << c.row;
    EXPECT_EQ(h.unreadable, c.readable ? 0u : 1u) << c.row;
    if (!c.readable) continue;
    EXPECT_EQ(h.shows[0].matches[0].rating_terms.size(), c.terms) << c.row;
    EXPECT_EQ(h.shows[0].matches[0].result, c.result) << c.row;
  }
  // Written and read back, a match keeps its terms line for line.
  rv::Store s = rvtest::small_store();
  rv::record_history_show(s, sample_show());
  const rv::History back = rv::read_history(s.history);
  ASSERT_EQ(back.shows.size(), 1u);
  EXPECT_EQ(back.shows[0].matches[0].rating_terms, sample_show().matches[0].rating_terms);
  EXPECT_TRUE(back.shows[0].matches[1].rating_terms.empty());
}

TEST(History, AWorkersRecordAndTheSpreadsheetExport) {
  rv::Store s = rvtest::small_store();
  s.history = {"day\tSunday 31st December 2006\t5000\t40\t50\t2.5", "day\tMonday 1st January 2007\t3800\t41\t52\t2.6"};
  rv::record_history_show(s, sample_show());
  const rv::History h = rv::read_history(s.history);
  const rv::WorkerRecord a = rv::worker_record(h, "A"), b = rv::worker_record(h, "B"), e = rv::worker_record(h, "E");
  EXPECT_EQ(b.wins, 1);
  EXPECT_EQ(b.title_wins, 0);
  EXPECT_EQ(e.matches, 0);  // a battle royal keeps only its winner's name
  EXPECT_EQ(rv::worker_record_text(a), "Record: 2 matches, 1 win, 1 loss, 1 title reign");
  EXPECT_EQ(rv::history_csv(h), (std::vector<std::string>{
                                    "Date,Balance,Popularity,Board,Audience,Show,Overall Rating,Attendance,Money Made",
                                    "Sunday 31st December 2006,5000,40,50,2.5,,,,",
                                    "Monday 1st January 2007,3800,41,52,2.6,\"Alpha, \"\"Live\"\"\",64,380,-1200"}));
}

TEST(History, AChartsSpanEndsAtTheLastDayKept) {
  rv::History h;
  for (const char* date : {"Sunday 1st January 2006", "Friday 30th June 2006", "Tuesday 2nd January 2007",
                           "Monday 2nd April 2007", "Tuesday 3rd April 2007", "Monday 2nd July 2007"})
    h.days.push_back({date, 0, 0, 0, ""});
  h.shows.push_back({"Friday 30th June 2006", "Old Show", 50, 100, 0, {}});
  h.shows.push_back({"Monday 2nd July 2007", "New Show", 60, 100, 0, {}});
  const auto dates = [](const rv::History& w) {
    std::vector<std::string> out;
    for (const auto& d : w.days) out.push_back(d.date);
    return out;
  };
  const auto quarter = rv::history_span(h, rv::HistorySpan::last_3_months);
  EXPECT_EQ(dates(quarter), (std::vector<std::string>{"Tuesday 3rd April 2007", "Monday 2nd July 2007"}));
  EXPECT_EQ(quarter.shows.size(), 1u);
  const auto year = rv::history_span(h, rv::HistorySpan::last_year);
  EXPECT_EQ(dates(year).front(), "Tuesday 2nd January 2007");  // the year before July 2007 starts after 2nd July 2006
  EXPECT_EQ(year.shows.size(), 1u);
  EXPECT_EQ(rv::history_span(h, rv::HistorySpan::whole_game).days.size(), 6u);
  EXPECT_TRUE(rv::history_span(rv::History{}, rv::HistorySpan::last_year).days.empty());
}

// Texts a spreadsheet would run are quoted behind a ', line breaks and commas stay inside one
// quoted cell, and the game's own numbers stay numbers, negative ones included.
TEST(History, TheSpreadsheetExportQuotesWhatASpreadsheetWouldMisread) {
  struct Case {
    const char* show;
    const char* audience;
    const char* cells;  // the audience and show cells as the line holds them
  };
  const Case cases[] = {
      {"Plain Show", "2.5", "2.5,Plain Show"},
      {"=HYPERLINK(\"x\")", "2.5", "2.5,\"'=HYPERLINK(\"\"x\"\")\""},
      {"+1", "2.5", "2.5,\"'+1\""},
      {"@SUM(A1)", "2.5", "2.5,\"'@SUM(A1)\""},
      {"Mid=dle +Show", "2.5", "2.5,Mid=dle +Show"},
      {"Line\nBreak", "2.5", "2.5,\"Line\nBreak\""},
      {"Fire, Fury", "2.5", "2.5,\"Fire, Fury\""},
      {"Say \"Hi\"", "2.5", "2.5,\"Say \"\"Hi\"\"\""},
      {"Plain Show", "=1+2", "\"'=1+2\",Plain Show"},
      {"Plain Show", "-3", "\"'-3\",Plain Show"},
  };
  for (const Case& c : cases) {
    rv::History h;
    h.days.push_back({"Monday 1st January 2007", -5000, 40, 50, c.audience});
    h.shows.push_back({"Monday 1st January 2007", c.show, 64, 380, -1200, {}});
    const auto lines = rv::history_csv(h);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], std::string("Monday 1st January 2007,-5000,40,50,") + c.cells + ",64,380,-1200") << c.show;
  }
}

// A long career's history is larger than any table file may be, and still loads whole.
TEST(History, AHistoryLargerThanATableFileLoads) {
  rvtest::TempDir dir;
  const rv::Home home{dir.path()};
  rvtest::write_small_world(home);
  rv::Store s = rvtest::small_store();
  const std::string long_audience(256 * 1024, '7');  // well inside the longest line a file may hold
  const std::size_t rows = rv::max_file_bytes / long_audience.size() + 2;
  for (std::size_t i = 0; i < rows; ++i) s.history.push_back("day\tMonday 1st January 2007\t100\t40\t50\t" + long_audience);
  ASSERT_TRUE(rv::save_game(s, home, "Long", noon).ok());
  ASSERT_GT(fs::file_size(home.save_folder("Long") / std::string(rv::history_file)), rv::max_file_bytes);
  const auto loaded = rv::load_game(home, "Long.sav");
  ASSERT_TRUE(loaded.ok()) << loaded.error();
  EXPECT_EQ(loaded->history.size(), rows);
  EXPECT_EQ(loaded->load_notice, "");
}

}  // namespace

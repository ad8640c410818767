// The effect ledger: each change written as the figure took it, kept beside a save, damaged
// entries left out with one message, old entries folded into months with their totals, and the
// entries read back, filtered and exported.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "state/date.h"
#include "state/fileio.h"
#include "state/ledger.h"
#include "state/saves.h"
#include "support/world.h"

namespace {

namespace fs = std::filesystem;
const rv::WallTime noon{2026, 12, 7, 12, 0, 0, 1};

// The figure's value before, the value a rule asks for, and what the record and the ledger hold.
struct HelperCase {
  rv::Figure figure;
  rv::Num before, asked, stored, written;  // written 0: no entry
};

rv::Num figure_now(const rv::Store& s, rv::Figure f) {
  const auto p = s.promotion(0);
  if (f == rv::Figure::balance) return p.balance();
  if (f == rv::Figure::popularity) return p.popularity();
  return s.md_num(rv::md::board_rating);
}

TEST(Ledger, EachChangeIsWrittenAsTheFigureTookIt) {
  using rv::Figure;
  const HelperCase cases[] = {
      {Figure::popularity, 98, 105, 100, 2},  // held at the top: only 2 were gained
      {Figure::popularity, 4, -3, 0, -4},     // held at the bottom
      {Figure::popularity, 50, 50, 50, 0},    // no change, no entry
      {Figure::popularity, 0, 100, 100, 100},
      {Figure::balance, 1000, -500, -500, -1500},  // a balance may go into debt
      {Figure::balance, -20, 0, 0, 20},
      {Figure::board, 95, 103, 100, 5},
      {Figure::board, 9, 1, 1, -8},
  };
  for (const HelperCase& c : cases) {
    rv::Store s = rvtest::small_store();
    const auto p = s.promotion(0);
    p.set_balance(c.figure == Figure::balance ? c.before : 0);
    p.set_popularity(c.figure == Figure::popularity ? c.before : 0);
    s.set_md_num(rv::md::board_rating, c.figure == Figure::board ? c.before : 0);
    if (c.figure == Figure::balance) rv::set_balance(s, p, c.asked, "Cause");
    else if (c.figure == Figure::popularity) rv::set_popularity(s, p, c.asked, "Cause");
    else rv::set_board_rating(s, c.asked, "Cause");
    const std::string what = std::string(rv::figure_name(c.figure)) + " " + std::to_string(c.before) + " to " + std::to_string(c.asked);
    EXPECT_EQ(figure_now(s, c.figure), c.stored) << what;
    const std::string row = "entry\tMonday 1st January 2007\t" + std::string(rv::figure_name(c.figure)) + "\t\t" +
                            std::to_string(c.written) + "\tCause";
    EXPECT_EQ(s.ledger, c.written == 0 ? rv::Lines{} : rv::Lines{row}) << what;
  }
}

// The figures of the player's workers, titles and shows are written under their names as the
// record took them; a rival's, and its promotion's, are changed alike and not written. An
// injury's days are written as weeks, a part week counted whole.
TEST(Ledger, ThePlayersWorkersTitlesAndShowsAreWrittenUnderTheirNames) {
  using rv::Figure;
  rv::Store s = rvtest::small_store();
  const auto mine = s.promotion(0), rival = s.promotion(1);
  const std::size_t alpha0 = 0, alpha1 = 1, beta0 = 10;
  s.worker(alpha0).set_morale(97);
  rv::set_worker_morale(s, alpha0, 104, "Cause");  // held at 100
  s.worker(alpha0).set_pop(60);
  rv::set_worker_popularity(s, alpha0, 58, "Cause");
  rv::set_worker_morale(s, beta0, 60, "Cause");
  for (rv::Num days : {1, 7, 8, 30}) rv::set_worker_injury(s, alpha1, days, "Cause");
  rv::set_worker_injury(s, beta0, 14, "Cause");
  mine.title(0).put(rv::TitleField::value, "98");
  rv::set_title_value(s, 0, 0, 105, "Cause");  // the title reads its value up to 100
  rv::set_title_value(s, 1, 0, 37, "Cause");
  mine.set_show(0, rv::prom::show::rating, "65");
  rv::set_show_rating(s, mine, 0, 60, "Cause");
  rv::set_show_rating(s, rival, 0, 60, "Cause");
  rival.set_popularity(30);
  rv::set_popularity(s, rival, 40, "Promotion growth");
  rv::add_balance(s, rival, 5000, "Buy-out: Somebody");

  EXPECT_EQ(s.worker(alpha0).morale(), 100);
  EXPECT_EQ(s.worker(beta0).morale(), 60);
  EXPECT_EQ(s.worker(beta0).injury(), "14");
  EXPECT_EQ(rival.title(0).value(), 37);
  EXPECT_EQ(rival.show(0, rv::prom::show::rating), "60");
  EXPECT_EQ(rival.popularity(), 40);
  const std::vector<std::tuple<Figure, std::string, rv::Num>> expected = {
      {Figure::morale, "Alpha Worker 0", 3},           {Figure::worker_popularity, "Alpha Worker 0", -2},
      {Figure::injury, "Alpha Worker 1", 1},           {Figure::injury, "Alpha Worker 1", 1},
      {Figure::injury, "Alpha Worker 1", 2},           {Figure::injury, "Alpha Worker 1", 5},
      {Figure::title_value, "Ringvale Alpha Title", 2}, {Figure::show_rating, "Ringvale Alpha Weekly", -5}};
  std::vector<std::tuple<Figure, std::string, rv::Num>> written;
  for (const rv::LedgerEntry& e : rv::read_ledger(s.ledger).entries) written.emplace_back(e.figure, e.whom, e.change);
  EXPECT_EQ(written, expected);
}

rv::Store store_with_entries() {
  rv::Store s = rvtest::small_store();
  const auto p = s.promotion(0);
  p.set_balance(10000);
  rv::add_balance(s, p, -2500, "Wages for the week");
  rv::set_popularity(s, p, p.popularity() + 3, "Show: Alpha, \"Live\", overall rating 81");
  return s;
}

TEST(Ledger, ASaveKeepsItsLedgerLeavesDamagedEntriesOutAndLoadsWithoutOne) {
  rvtest::TempDir dir;
  const rv::Home home{dir.path()};
  rvtest::write_small_world(home);
  const rv::Store s = store_with_entries();
  ASSERT_EQ(s.ledger.size(), 2u);
  ASSERT_TRUE(rv::save_game(s, home, "Kept", noon).ok());
  const auto loaded = rv::load_game(home, "Kept.sav");
  ASSERT_TRUE(loaded.ok()) << loaded.error();
  EXPECT_EQ(loaded->ledger, s.ledger);
  EXPECT_EQ(loaded->load_notice, "");

  const fs::path file = home.save_folder("Kept") / std::string(rv::ledger_file);
  rv::Lines rows = s.ledger;
  rows.insert(rows.begin() + 1, "entry\tSomeday 40th Nowhere\tbalance\t\t5\tWages");  // no such date
  rows.push_back("entry\tMonday 1st January 2007\tmood\t\t5\tWages");                 // no such figure
  rows.push_back("entry\tMonday 1st January 2007\tbalance\t\tlots\tWages");           // not a number
  rows.push_back("entry\tMonday 1st January 2007\tbalance\t\t5");                      // cut short
  rows.push_back("entry\tMonday 1st January 2007\tbalance\t\t5\t");                    // no cause
  rows.push_back("total\tMonday 1st January 2007\tbalance\t\t5\tWages");              // no such row
  ASSERT_TRUE(rv::write_lines(file, rows).ok());
  const auto hurt = rv::load_game(home, "Kept.sav");
  ASSERT_TRUE(hurt.ok()) << hurt.error();
  EXPECT_EQ(hurt->ledger, s.ledger);
  EXPECT_EQ(hurt->load_notice, "6 entries of the promotion's ledger could not be read and were left out.");
  rows = s.ledger;
  rows.push_back("rubbish");
  ASSERT_TRUE(rv::write_lines(file, rows).ok());
  EXPECT_EQ(rv::load_game(home, "Kept.sav")->load_notice,
            "One entry of the promotion's ledger could not be read and was left out.");

  fs::remove(file);
  const auto older = rv::load_game(home, "Kept.sav");
  ASSERT_TRUE(older.ok()) << older.error();
  EXPECT_TRUE(older->ledger.empty());
  EXPECT_EQ(older->load_notice, "");
}

// On the 1st of March 2028 every month up to February 2027 has ended more than a year before.
TEST(Ledger, OldEntriesFoldIntoMonthsAndKeepTheirTotals) {
  rv::Lines rows = {
      "month\tSunday 1st January 2026\tbalance\t\t-700\tWages for the week (month)",
      "entry\tFriday 5th January 2027\tbalance\t\t-100\tWages for the week",
      "entry\tSaturday 6th January 2027\tbalance\t\t50\tShow: Alpha, tickets",
      "entry\tSaturday 6th January 2027\tpopularity\t\t2\tShow: Alpha, overall rating 80",
      "entry\tFriday 12th January 2027\tbalance\t\t-200\tWages for the week",
      "entry\tSaturday 13th January 2027\tbalance\t\t-20\tShow: Beta, production, promotion and venue",
      "entry\tMonday 1st February 2027\tpopularity\t\t-1\tStale turns",
      "entry\tSunday 28th February 2027\tboard\t\t3\tWeekly review",
      "entry\tMonday 1st March 2027\tbalance\t\t-300\tWages for the week",
  };
  const rv::Lines folded = {
      "month\tSunday 1st January 2026\tbalance\t\t-700\tWages for the week (month)",
      "month\tFriday 5th January 2027\tbalance\t\t-300\tWages for the week (month)",
      "month\tSaturday 6th January 2027\tbalance\t\t30\tShow (month)",
      "month\tSaturday 6th January 2027\tpopularity\t\t2\tShow (month)",
      "month\tMonday 1st February 2027\tpopularity\t\t-1\tStale turns (month)",
      "month\tSunday 28th February 2027\tboard\t\t3\tWeekly review (month)",
      "entry\tMonday 1st March 2027\tbalance\t\t-300\tWages for the week",
  };
  const rv::Date today{2, 1, 2, 2028};
  rv::fold_old_entries(rows, today);
  EXPECT_EQ(rows, folded);
  const rv::Ledger l = rv::read_ledger(rows);
  EXPECT_EQ(rv::ledger_total(l, rv::Figure::balance), -1270);
  EXPECT_EQ(rv::ledger_total(l, rv::Figure::popularity), 1);
  EXPECT_EQ(rv::ledger_total(l, rv::Figure::board), 3);
  rv::fold_old_entries(rows, today);  // folding again changes nothing
  EXPECT_EQ(rows, folded);
  rv::Lines young = {"entry\tMonday 1st March 2027\tbalance\t\t-300\tWages for the week"};
  rv::fold_old_entries(young, rv::Date{3, 31, 2, 2028});  // March 2027 has not ended a year ago
  EXPECT_EQ(young.size(), 1u);
}

TEST(Ledger, EntriesAreFilteredAndExported) {
  rv::Ledger l;
  l.entries = {
      {"Monday 1st January 2007", rv::Figure::balance, "", -1500, "Release: Smith, \"The Hammer\"", false},
      {"Tuesday 2nd January 2007", rv::Figure::popularity, "", 3, "=SUM(A1)", false},
      {"Wednesday 3rd January 2007", rv::Figure::balance, "", 12000, "Monthly income and running costs", false},
      {"Wednesday 3rd January 2007", rv::Figure::board, "", -2, "Weekly review", false},
  };
  struct Filter {
    std::optional<rv::Figure> figure;
    std::optional<rv::Date> since;
    std::vector<rv::Num> changes;
  };
  const rv::Date second{1, 2, 0, 2007};
  const Filter filters[] = {
      {std::nullopt, std::nullopt, {-1500, 3, 12000, -2}},
      {rv::Figure::balance, std::nullopt, {-1500, 12000}},
      {std::nullopt, second, {3, 12000, -2}},
      {rv::Figure::board, second, {-2}},
      {rv::Figure::popularity, rv::Date{2, 3, 0, 2007}, {}},
  };
  for (const Filter& f : filters) {
    std::vector<rv::Num> changes;
    for (const auto& e : rv::ledger_entries(l, f.figure, f.since)) changes.push_back(e.change);
    EXPECT_EQ(changes, f.changes);
  }
  const std::vector<std::string> csv = {
      "Date,Figure,Whom,Change,Cause",
      "Monday 1st January 2007,balance,,-1500,\"Release: Smith, \"\"The Hammer\"\"\"",
      "Tuesday 2nd January 2007,popularity,,3,\"'=SUM(A1)\"",
      "Wednesday 3rd January 2007,balance,,12000,Monthly income and running costs",
      "Wednesday 3rd January 2007,board,,-2,Weekly review",
  };
  EXPECT_EQ(rv::ledger_csv(l.entries), csv);
  const auto rows = rv::ledger_rows(l.entries);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[1][3], "-$1,500");
  EXPECT_EQ(rows[2][3], "+3");
  EXPECT_EQ(rows[3][3], "+$12,000");
  EXPECT_EQ(rows[4][3], "-2");
}

}  // namespace

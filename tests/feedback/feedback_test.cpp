// The staff's feedback: band edges, the roster and its brands, the shows, the money and the
// championships, on the small world with a few workers changed. Feedback never changes the store.
#include <gtest/gtest.h>

#include "feedback/feedback.h"
#include "state/tables.h"
#include "support/world.h"

namespace {

struct Feedback : ::testing::Test {
  rv::Store s = rvtest::small_store();
  rv::Promotion p = s.promotion(0);  // the player's, size 4; ten workers of pop 50, title 1 at level 50
  void all_player_workers(rv::Col c, const std::string& value) {
    for (std::size_t r = 0; r < 10; ++r) s.worker(r).set(c, value);
  }
  std::string message(std::string_view area, std::size_t i) {
    const auto m = rv::feedback(s, area);
    return i < m.size() ? m[i] : "(none)";
  }
};

TEST_F(Feedback, TheRosterAreaReadsMoraleTopLinersSizeAndTheMvp) {
  all_player_workers(rv::Col::morale, "80");
  EXPECT_EQ(message("Roster", 0), "Locker Room morale is very good.");
  s.worker(3).set_morale(79);  // a mean of 79.9
  EXPECT_EQ(message("Roster", 0), "Locker Room morale is good.");
  all_player_workers(rv::Col::morale, "29");
  s.worker(4).set_morale(38);
  s.worker(9).set_retire("R");  // the other nine make 30 exactly: a retired worker does not count
  s.worker(9).set_morale(0);
  EXPECT_EQ(message("Roster", 0), "Locker Room morale is very low.");

  EXPECT_EQ(message("Roster", 1), "We have plenty of top line faces on the roster.");
  EXPECT_EQ(message("Roster", 2), "We don't have any top line heels - we should have at least two on the roster.");
  for (std::size_t r = 4; r < 9; ++r) s.worker(r).set_pop(49);  // just under title 1's level
  EXPECT_EQ(message("Roster", 1), "We have plenty of top line faces on the roster.");
  s.worker(3).set_pop(49);
  EXPECT_EQ(message("Roster", 1), "We have a good number of top line faces on the roster.");
  s.worker(0).set_faceheel("Heel");
  EXPECT_EQ(message("Roster", 2), "We only have one heel top liner, we need at least a couple more.");

  EXPECT_EQ(message("Roster", 3), "We have a small roster and should hire some new talent.");
  for (int i = 10; i < 70; ++i) s.wrestlers.add(rvtest::worker_row("Extra " + std::to_string(i), "RVA", "Male", 10));
  EXPECT_EQ(message("Roster", 3),
            "Our roster is very full. You should consider releasing some wrestlers, or creating a roster split.");

  // Equal best scores: the earlier row keeps it, an injured or retired worker is never chosen.
  s.worker(9).set_pop(90);
  s.worker(2).set_ent(61);
  s.worker(5).set_pop(50);
  s.worker(5).set_micskills(56);
  EXPECT_EQ(message("Roster", 4), "Our M.V.P is Alpha Worker 2.");
  s.worker(2).set_injury("3");
  EXPECT_EQ(message("Roster", 4), "Our M.V.P is Alpha Worker 5.");
}

TEST_F(Feedback, ABrandOfAllCountsTowardsBothBrandSizesOnly) {
  p.set(rv::prom::roster_split, "Yes");
  p.set(rv::prom::brand1_name, "Northside");
  p.set(rv::prom::brand2_name, "Southside");
  for (std::size_t r = 0; r < 4; ++r) s.worker(r).set_brand("Brand 1");  // 4 to 9 stay "All"
  s.worker(9).set_pop(99);
  EXPECT_EQ(rv::feedback_areas(s), (std::vector<std::string>{"Roster Split", "Shows", "Championships", "Other"}));
  EXPECT_EQ(rv::feedback(s, "Roster Split"),
            (std::vector<std::string>{
                "Locker Room morale is good.", "We have plenty of top line faces on the Northside roster.",
                "We don't have any top line heels on the Northside roster - we should have at least two.",
                "We don't have any top line faces on the Southside roster - we should have at least two.",
                "We don't have any top line heels on the Southside roster - we should have at least two.",
                "We have a small roster for the Northside brand and should hire some new talent or bring some "
                "wrestlers over from the Southside brand.",
                "We don't have enough full time wrestlers on the Southside roster to put on a brand exclusive show.",
                "The M.V.P of Northside is Alpha Worker 0."}));
}

TEST_F(Feedback, ShowsMoneyProductAndChampionships) {
  p.set_show(2, rv::prom::show::name, "Harbour Nights");
  p.set_show(2, rv::prom::show::weekday, "Friday");
  p.set_show(2, rv::prom::show::kind, "House");
  p.set_show(2, rv::prom::show::rating, "90");
  p.set(rv::prom::ppv_deal, "Yes");
  s.set_md(rv::md::last_big_show_name, "Winter Clash");
  s.set_md(rv::md::last_buy_rate, "0.05");
  EXPECT_EQ(rv::feedback(s, "Shows"),
            (std::vector<std::string>{
                "The fan's general opinion of Ringvale Alpha Weekly is that the quality is below average.",
                "The general opinion of fans who go to Friday's Harbour Nights is that the quality is superb.",
                "The buy rate for Winter Clash was very low."}));
  p.set_num(rv::prom::size_level, 3);
  EXPECT_EQ(rv::feedback(s, "Shows").size(), 2u);

  p.set_num(rv::prom::size_level, 4);
  p.set_balance(1'000'000);  // the size's baseline exactly
  EXPECT_EQ(message("Other", 0), "We are satisfied with the current bank balance.");
  p.set_balance(900'000);
  EXPECT_EQ(message("Other", 0), "We are concerned about the current bank balance.");
  p.set_balance(-5'000'000);
  EXPECT_EQ(message("Other", 0), "We are in serious financial trouble.");
  p.set_balance(2'000'000);
  EXPECT_EQ(message("Other", 0), "The current bank balance is excellent.");
  s.set_md(rv::md::money_baseline_base + 4, "none");  // no baseline: no division
  EXPECT_EQ(message("Other", 0), "We are satisfied with the current bank balance.");
  EXPECT_EQ(message("Other", 1), "The quality of our product is poor at the minute.");

  auto belt = p.title(5);
  belt.put(rv::TitleField::name, "Tag Belts");
  belt.put(rv::TitleField::value, "35");
  EXPECT_EQ(rv::feedback_text(s, "Championships"),
            "We estimate the value of the championships to be as follows:\n\nRingvale Alpha Title\n80%\nTag Belts\n35%\n");
}

TEST_F(Feedback, NoAreaChangesTheStoreAndBadRequestsAreAnswered) {
  p.set(rv::prom::roster_split, "Yes");
  s.set_md(rv::md::last_buy_rate, "0.7");
  s.worker(2).set(rv::Col::pop, "lots");
  const rv::Store before = s;
  for (const auto area : {"Roster", "Roster Split", "Shows", "Championships", "Other", "Elsewhere"}) {
    EXPECT_FALSE(rv::feedback_text(s, area).empty()) << area;
    for (const auto& t : rv::saved_tables) {
      if (t.lines) {
        EXPECT_EQ(s.*t.lines, before.*t.lines) << t.name << " after " << area;
      }
    }
    EXPECT_EQ(s.wrestlers.to_lines(), before.wrestlers.to_lines()) << area;
  }
  EXPECT_EQ(message("Elsewhere", 0), "There is no area of feedback called \"Elsewhere\".");
  s.set_md(rv::md::player_initials, "ZZZ");
  EXPECT_EQ(rv::feedback(s, "Roster").size(), 1u);
}

}  // namespace

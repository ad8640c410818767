// The staff at work: re-signings within the budget, free agents who fill the card's gaps, rival
// offers answered by the player's choice, and the money they never spend.
#include <gtest/gtest.h>

#include <tuple>

#include "cycle/assistant.h"
#include "feuds/feuds.h"
#include "promotion/production.h"
#include "state/inbox.h"
#include "support/days.h"
#include "support/world.h"

namespace {

using rvtest::worker;

// Ringvale Alpha (reference level 50) on Saturday 7th July 2007 at 80% popularity: eight workers
// on $100 a week, and two whose contracts end this month on $200 with morale 80: Alpha Worker 1
// (pop 60, upper card) and Alpha Worker 2 (pop 58, mid card). Both ask $300 (the wage a worker
// of 56 to 60 expects, which morale 80 takes for certain), the upper card (the only role a
// worker above the reference level takes) and five years (80% popularity takes any length).
// The wage bill is 8 x 100 + 2 x 200 = 1,200.
rv::Game renewal_game() {
  rv::Game g{rvtest::small_store(), rv::Rng(3), "t"};
  rv::Store& s = g.store;
  rvtest::set_date(s, "Saturday", 7, "July", 2007);
  s.promotion(0).set_popularity(80);
  for (int i = 0; i < 10; ++i) worker(s, "Alpha Worker " + std::to_string(i)).set_wages(100);
  const struct {
    const char* name;
    int pop;
    const char* role;
  } due[] = {{"Alpha Worker 1", 60, "3"}, {"Alpha Worker 2", 58, "2"}};
  for (const auto& d : due) {
    const auto w = worker(s, d.name);
    w.set_pop(d.pop);
    w.set_morale(80);
    w.set_wages(200);
    w.set_roles(d.role);
    w.set_expires("August 2007");
  }
  s.assistant.renewals = true;
  return g;
}

std::vector<std::string> pending(const rv::Store& s) {
  std::vector<std::string> names;
  for (std::size_t b = 0; b + rv::rec::negotiation <= s.negotiations.size(); b += rv::rec::negotiation)
    names.push_back(s.negotiations[b + rv::neg::name]);
  return names;
}

TEST(StaffRenewals, OfferWhatIsAskedWhileTheBillStaysWithinTheBudget) {
  struct Case {
    rv::Num budget;
    int renew_from;
    std::vector<std::string> offered;
  };
  const Case cases[] = {
      {1299, 1, {}},  // 1,200 - 200 + 300 = 1,300 is over
      {1300, 1, {"Alpha Worker 1"}},  // the stronger first; then 1,400 is over
      {1400, 1, {"Alpha Worker 1", "Alpha Worker 2"}},
      {1400, 2, {"Alpha Worker 1", "Alpha Worker 2"}},
      {1400, 3, {"Alpha Worker 1"}},  // the mid card worker is below the chosen position
  };
  for (const Case& c : cases) {
    rv::Game g = renewal_game();
    g.store.assistant.wage_budget = c.budget;
    g.store.assistant.renew_from = c.renew_from;
    rv::StaffDay day;
    rv::renew_contracts(g, day);
    EXPECT_EQ(day.renewed, c.offered) << c.budget << " " << c.renew_from;
    EXPECT_EQ(pending(g.store), c.offered) << c.budget << " " << c.renew_from;
  }
}

TEST(StaffRenewals, AStarIsKeptPastTheBudgetWhenThePlayerChoosesSo) {
  // Alpha Worker 1 is on $50 and asks $100 (popularity 50 or less), which takes the bill of
  // 8 x 100 + 50 + 200 = 1,050 to 1,100, past a budget of 1,050. His leaving would cost 10
  // popularity at 45 (five below the reference level of 50) but only 5 at 44.
  const struct {
    int pop;
    bool keep_stars, offered;
  } cases[] = {{45, true, true}, {44, true, false}, {45, false, false}};
  for (const auto& c : cases) {
    rv::Game g = renewal_game();
    const auto w = worker(g.store, "Alpha Worker 1");
    w.set_pop(c.pop);
    w.set_wages(50);
    g.store.assistant.wage_budget = 1050;
    g.store.assistant.renew_from = 3;  // the mid card worker is left out
    g.store.assistant.keep_stars = c.keep_stars;
    rv::StaffDay day;
    rv::renew_contracts(g, day);
    EXPECT_EQ(day.renewed.size(), c.offered ? 1u : 0u) << c.pop << " " << c.keep_stars;
  }
}

TEST(StaffRenewals, TheOfferIsTheOneTheContractScreenWouldMake) {
  rv::Game g = renewal_game();
  g.store.assistant.wage_budget = 1300;
  rv::StaffDay day;
  rv::renew_contracts(g, day);
  // Three weeks are left, so the answer waits in the negotiations list.
  const rv::Lines expected = {"Alpha Worker 1", "RVA", "300", "3", "July 2012", "No", "4", "0", "0",
                              "Alpha Worker 1 has accepted your offer of a new contract."};
  EXPECT_EQ(g.store.negotiations, expected);
  const auto told = rvtest::message_with(g.store, "Contract Offered To Alpha Worker 1");
  ASSERT_TRUE(told);
  EXPECT_EQ(told->at(rv::msg::body),
            "I have offered Alpha Worker 1 a new contract: $300 Per Week as an Upper Card Worker for 5 Years.");
  // A second pass the same week offers nothing more: the offer is pending.
  rv::StaffDay again;
  rv::renew_contracts(g, again);
  EXPECT_TRUE(again.renewed.empty());
}

TEST(StaffRenewals, OnTheTwentyEighthTheAnswerComesAtOnceAndTheRestAreLetGo) {
  rv::Game g = renewal_game();
  rvtest::set_date(g.store, "Saturday", 28, "July", 2007);
  g.store.assistant.wage_budget = 1300;
  rv::StaffDay day;
  rv::renew_contracts(g, day);
  EXPECT_TRUE(g.store.negotiations.empty());
  EXPECT_EQ(worker(g.store, "Alpha Worker 1").expires(), "July 2012");
  EXPECT_EQ(worker(g.store, "Alpha Worker 1").wages(), 300);
  EXPECT_EQ(day.let_go, std::vector<std::string>{"Alpha Worker 2"});
  const auto m = rvtest::message_with(g.store, "Contracts Left To Run Out");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->at(rv::msg::body2),
            "Alpha Worker 2 asks $300 Per Week, which would take the wages past your budget of $1,300 a week.");
}

TEST(StaffRenewals, OnlyOnTheSeventhFourteenthTwentyFirstAndTwentyEighth) {
  for (const int d : {6, 7, 8, 13, 14, 21, 27, 28}) {
    rv::Game g = renewal_game();
    rvtest::set_date(g.store, "Friday", d, "July", 2007);
    g.store.assistant.wage_budget = 5000;
    rv::StaffDay day;
    rv::renew_contracts(g, day);
    EXPECT_EQ(!day.renewed.empty(), d % 7 == 0) << d;
  }
}

TEST(StaffMoney, NothingIsTakenOnThatAMonthOfWagesWouldPutPastTheDismissalLine) {
  // A size 4 promotion is dismissed below -5,000,000; after the renewal the bill is 1,300, so
  // four weeks cost 5,200.
  const struct {
    rv::Num balance;
    bool offered;
  } cases[] = {{-4'994'800, true}, {-4'994'801, false}, {-6'000'000, false}, {0, true}};
  for (const auto& c : cases) {
    rv::Game g = renewal_game();
    g.store.assistant.wage_budget = 1300;
    g.store.promotion(0).set_balance(c.balance);
    rv::StaffDay day;
    rv::renew_contracts(g, day);
    EXPECT_EQ(!day.renewed.empty(), c.offered) << c.balance;
  }
}

void set_production(rv::Store& s, rv::ShowKind kind, rv::Num level) {
  for (int guard = 0; guard < 40 && rv::production_level(s, kind) != level; ++guard)
    rv::step_production(s, kind, rv::production_level(s, kind) < level);
}

// The small world in July 2007 with `balance` in the bank and the primary shows at level `primary`.
rv::Game production_game(int day, bool booking, rv::Num balance, rv::Num primary) {
  rv::Game g{rvtest::small_store(), rv::Rng(1), "t"};
  rvtest::set_date(g.store, day == 1 ? "Sunday" : "Monday", day, "July", 2007);
  g.store.assistant.booking = booking;
  g.store.promotion(0).set_balance(balance);
  set_production(g.store, rv::ShowKind::primary, primary);
  return g;
}

TEST(StaffProduction, RaisedToWhatTheFansExpectWhenTheBankCanPayAYearOfIt) {
  // Ringvale Alpha is a size 4 promotion: the fans expect level 10 of its primary shows, 9 of its
  // secondary ones and 12 of its big shows. Level 10 costs $75,000 a show, 3,900,000 for a year of
  // weekly shows, and the board dismisses below -5,000,000.
  const struct {
    int day;
    bool booking;
    rv::Num balance;
    rv::Num primary;
  } cases[] = {
      {1, true, -1'100'000, 10},  // the year leaves exactly -5,000,000
      {1, true, -1'100'001, 7},   // a dollar short
      {2, true, 50'000'000, 7},   // only on the first of the month
      {1, false, 50'000'000, 7},  // the booking is the player's
  };
  for (const auto& c : cases) {
    rv::Game g = production_game(c.day, c.booking, c.balance, 7);
    rv::Store& s = g.store;
    set_production(s, rv::ShowKind::secondary, 9);
    set_production(s, rv::ShowKind::big, 12);
    rv::keep_production(s);
    EXPECT_EQ(rv::production_level(s, rv::ShowKind::primary), c.primary) << c.balance << " " << c.day;
    EXPECT_EQ(rv::production_level(s, rv::ShowKind::secondary), 9);
    EXPECT_EQ(rv::production_level(s, rv::ShowKind::big), 12);
    EXPECT_EQ(rvtest::message_with(s, "Production Raised").has_value(), c.primary == 10);
  }
}

TEST(StaffProduction, ExtrasFollowTheBank) {
  // Ringvale Alpha (size 4) is expected to produce its primary shows at level 10; the board's money
  // baseline for size 4 is $1,000,000 in this world, and it dismisses below -5,000,000. Level 11
  // costs $100,000 a show ($5,200,000 a year), level 12 $150,000 ($7,800,000 a year).
  const struct {
    rv::Num from, balance, to;
  } cases[] = {
      {10, 7'200'000, 11},    // a year of level 11 leaves exactly twice the baseline
      {10, 7'199'999, 10},    // a dollar short
      {13, 500'000'000, 13},  // three above what is expected: the fans give no more
      {12, 2'800'000, 12},    // a year of level 12 leaves exactly the dismissal line
      {12, 2'799'999, 11},    // past it: one level back
      {10, -4'000'000, 10},   // never below what the fans expect
  };
  for (const auto& c : cases) {
    rv::Game g = production_game(1, true, c.balance, c.from);
    rv::Store& s = g.store;
    rv::keep_production(s);
    EXPECT_EQ(rv::production_level(s, rv::ShowKind::primary), c.to) << c.from << " " << c.balance;
    std::vector<std::string> told;  // what the booker said about the primary shows
    for (std::size_t i = 0; i < s.message_count(); ++i) {
      const std::string body = s.message(i).at(rv::msg::body);
      if (body.find("our primary shows") != std::string::npos) told.push_back(body);
    }
    EXPECT_EQ(told.size(), c.to != c.from ? 1u : 0u) << c.from << " " << c.balance;
  }
  rv::Game g = production_game(1, true, 7'200'000, 10);
  rv::keep_production(g.store);
  EXPECT_EQ(rvtest::message_with(g.store, "Production Raised")->at(rv::msg::body),
            "We have money to spare and the fans reward a better show, so I raised the production of our primary "
            "shows from level 10 to level 11 ($100,000 Per Show).");
}

// Ringvale Alpha with ten workers of pop 50, four of them women, and four free agents who differ:
// a woman of 50 (upper card against the level of 50), men of 30 (lower), 45 (mid) and 60
// (upper). Every one of them asks $100 a week but the man of 60, who asks $300.
rv::Game signing_game() {
  rv::Game g{rvtest::small_store(), rv::Rng(5), "t"};
  rv::Store& s = g.store;
  s.promotion(0).set_popularity(60);  // no chance of being turned down below 60%
  const struct {
    const char* gender;
    int pop;
  } agents[] = {{"Female", 50}, {"Male", 30}, {"Male", 45}, {"Male", 60}};
  for (int i = 0; i < 4; ++i) {
    const auto w = worker(s, "Free Worker " + std::to_string(i));
    w.set_gender(agents[i].gender);
    w.set_pop(agents[i].pop);
  }
  return g;
}

TEST(StaffSignings, TheFreeAgentWhoFillsTheGapIsOfferedWhatHeAsks) {
  // For a roster of 11: a sixth are women (four at least), a fifth upper card (two at least),
  // three tenths mid card (three at least), the rest lower. With four women the card is short of
  // men (+2) and of mid and lower card workers (+1 each): the men of 45 and 30 tie, the more
  // popular goes first. With two women, the woman is the only one who fills the gender gap.
  const struct {
    int women;
    const char* signed_up;
    const char* role;  // the lowest he takes: mid card within 10 below the level, else upper
  } cases[] = {{4, "Free Worker 2", "2"}, {2, "Free Worker 0", "3"}};
  for (const auto& c : cases) {
    rv::Game g = signing_game();
    for (int i : {0, 3, 6, 9}) worker(g.store, "Alpha Worker " + std::to_string(i)).set_gender(i < 3 * c.women ? "Female" : "Male");
    g.store.assistant.signings = true;
    g.store.assistant.roster_size = 11;
    g.store.assistant.wage_budget = 1'000'000;
    rv::StaffDay day;
    rv::sign_free_agents(g, day);
    ASSERT_EQ(day.signed_up, std::vector<std::string>{c.signed_up});
    const rv::Lines expected = {c.signed_up, "Free Agent", "100", c.role, "January 2012", "Face", "4", "0", "",
                                std::string(c.signed_up) + " has signed your contract, and is now a part of Ringvale Alpha."};
    EXPECT_EQ(g.store.negotiations, expected);
  }
}

TEST(StaffSignings, TheRosterSizeTheBudgetAndTheShowsSetHowManyAreSigned) {
  const rv::Num bill = 10 * 2000;  // the small world's wages
  const struct {
    bool signings, booking;
    int roster_size;
    rv::Num budget;
    int injured;
    std::size_t offers;
  } cases[] = {
      {true, false, 10, bill + 1000, 0, 0},   // at its size already
      {true, false, 12, bill + 1000, 0, 2},   // two short
      {true, false, 20, bill + 1000, 0, 3},   // three a day at most
      {true, false, 12, bill + 99, 0, 0},     // no room for $100
      {true, false, 12, bill + 100, 0, 1},    // room for one
      {false, true, 10, 0, 0, 2},             // booking: twelve fit workers whatever the budget
      {false, true, 10, 0, 2, 3},             // two injured: four short, three today
      {false, false, 20, bill + 1000, 0, 0},  // nothing handed over
  };
  for (const auto& c : cases) {
    rv::Game g = signing_game();
    for (int i = 0; i < c.injured; ++i) worker(g.store, "Alpha Worker " + std::to_string(i)).set_injury("14");
    g.store.assistant.signings = c.signings;
    g.store.assistant.booking = c.booking;
    g.store.assistant.roster_size = c.roster_size;
    g.store.assistant.wage_budget = c.budget;
    rv::StaffDay day;
    rv::sign_free_agents(g, day);
    EXPECT_EQ(day.signed_up.size(), c.offers) << c.roster_size << " " << c.budget << " " << c.injured;
    EXPECT_EQ(rv::roster_with_pending(g.store), 10 + static_cast<int>(c.offers));
  }
}

TEST(StaffOffers, RivalOffersAreAnsweredByTheChoice) {
  const struct {
    rv::OfferPolicy policy;
    rv::Num above;
    int morale;
    const char* promotion;  // where the worker ends up
    rv::Num balance;
    const char* told;       // the staff's report, after the bid
  } cases[] = {
      {rv::OfferPolicy::decline_all, 0, 50, "RVA", 1'500'000, "I declined it."},
      {rv::OfferPolicy::accept_above, 300'000, 50, "RVA", 1'500'000, "I declined it."},
      {rv::OfferPolicy::accept_above, 299'999, 50, "RVB", 1'800'000,
       "I accepted it. Alpha Worker 1 has accepted the contract offer and has signed with Ringvale Beta."},
      // A happy worker does not step down to a smaller promotion.
      {rv::OfferPolicy::accept_above, 0, 80, "RVA", 1'500'000,
       "I accepted it. Alpha Worker 1 has rejected the move and remains on your roster."},
  };
  for (const auto& c : cases) {
    rv::Game g{rvtest::small_store(), rv::Rng(2), "t"};
    worker(g.store, "Alpha Worker 1").set_morale(c.morale);
    rv::post_message(g.store, rv::current_full_date(g.store), rvtest::rival_offer("Alpha Worker 1"));
    g.store.assistant.offers = c.policy;
    g.store.assistant.accept_above = c.above;
    rv::StaffDay day;
    rv::answer_rival_offers(g, day);
    EXPECT_EQ(worker(g.store, "Alpha Worker 1").promotion(), c.promotion) << c.above;
    EXPECT_EQ(g.store.promotion(0).balance(), c.balance) << c.above;
    EXPECT_FALSE(rvtest::message_with(g.store, "Offer For Alpha Worker 1"));
    const auto told = rvtest::message_with(g.store, "Offer For Alpha Worker 1 Answered");
    ASSERT_TRUE(told);
    EXPECT_EQ(told->at(rv::msg::body),
              std::string("Ringvale Beta offered $300,000 to buy out Alpha Worker 1's contract. ") + c.told);
  }
  rv::Game kept{rvtest::small_store(), rv::Rng(2), "t"};
  rv::post_message(kept.store, rv::current_full_date(kept.store), rvtest::rival_offer("Alpha Worker 1"));
  rv::StaffDay day;
  rv::answer_rival_offers(kept, day);  // left with the player
  EXPECT_TRUE(rvtest::message_with(kept.store, "Offer For Alpha Worker 1"));
}

TEST(StaffDefaults, EveryAreaHandedOverWithABudgetAQuarterAboveTheBill) {
  rv::Store s = rvtest::small_store();
  const auto c = rv::default_choices(s);
  EXPECT_EQ(c.wage_budget, 25'000);  // ten workers on $2,000
  for (int i = 0; i < 10; ++i) worker(s, "Alpha Worker " + std::to_string(i)).set_wages(100);
  EXPECT_EQ(rv::default_choices(s).wage_budget, 2'000);  // at least $1,000 above the bill
}

TEST(StaffDefaults, TheBudgetGrowsWithTheBankBeyondItsStart) {
  const struct {
    rv::Num balance, budget;
  } cases[] = {
      {-500'000, 25'000},     // in debt: the starting budget stands
      {6'500'000, 25'000},    // 6,500,000 / 260 = 25,000 exactly
      {6'500'260, 25'001},    // the first dollar of a week's wages past it
      {28'000'000, 107'692},  // 28,000,000 / 260, rounded down
  };
  for (const auto& c : cases) {
    rv::Store s = rvtest::small_store();
    s.promotion(0).set_balance(c.balance);
    EXPECT_EQ(rv::default_budget(s, 25'000), c.budget) << c.balance;
  }
}

TEST(StaffSignings, NewcomersLeaveRoomForTheRaisesOfNextMonthsRenewals) {
  // Alpha Worker 1 (pop 60, morale 80) is paid $100 and his contract ends next month: he will ask
  // $300, so $200 of the budget is kept for him. The bill is 9 x 2,000 + 100 = 18,100 and every
  // free agent asks $100.
  const struct {
    rv::Num budget;
    std::size_t offers;
  } cases[] = {{18'100 + 299, 0}, {18'100 + 300, 1}};
  for (const auto& c : cases) {
    rv::Game g = signing_game();
    rvtest::set_date(g.store, "Saturday", 7, "July", 2007);
    const auto w = worker(g.store, "Alpha Worker 1");
    w.set_pop(60);
    w.set_morale(80);
    w.set_wages(100);
    w.set_expires("September 2007");
    g.store.assistant.signings = true;
    g.store.assistant.renewals = true;
    g.store.assistant.roster_size = 12;
    g.store.assistant.wage_budget = c.budget;
    rv::StaffDay day;
    rv::sign_free_agents(g, day);
    EXPECT_EQ(day.signed_up.size(), c.offers) << c.budget;
  }
}

}  // namespace

// Ringvale Alpha's men at reference level 80: Alpha Worker 1 (80, Face), 2 (70, Heel), 4 (75, Face),
// 5 (65, Heel), 7 and 8 (below); the women 0, 3, 6, 9 all faces. The date is January 2007, so a
// contract ending "March 2007" is in its last two months.
TEST(StaffFeuds, AColdFeudEndsAndTheTopFaceMeetsTheTopHeelWhenNoHotFeudCanBeBooked) {
  using S = rv::Store&;
  const struct {
    const char* why;
    void (*setup)(S);
    const char *slot0, *slot1;
  } cases[] = {
      {"no feud", [](S) {}, "Alpha Worker 1 vs Alpha Worker 2", ""},
      {"top face hurt", [](S s) { worker(s, "Alpha Worker 1").set_injury("12"); }, "Alpha Worker 4 vs Alpha Worker 2", ""},
      {"top heel leaving", [](S s) { worker(s, "Alpha Worker 2").set_expires("March 2007"); }, "Alpha Worker 1 vs Alpha Worker 5", ""},
      {"top heel staying", [](S s) { worker(s, "Alpha Worker 2").set_expires("April 2007"); }, "Alpha Worker 1 vs Alpha Worker 2", ""},
      {"a hot feud to book", [](S s) { rvtest::start_feud(s, "Alpha Worker 7", "Alpha Worker 8", "Hot"); }, "Alpha Worker 7 vs Alpha Worker 8", ""},
      {"a hot feud with one side hurt",
       [](S s) {
         rvtest::start_feud(s, "Alpha Worker 7", "Alpha Worker 8", "Hot");
         worker(s, "Alpha Worker 8").set_injury("3");
       },
       "Alpha Worker 7 vs Alpha Worker 8", "Alpha Worker 1 vs Alpha Worker 2"},
      {"the top pair gone cold", [](S s) { rvtest::start_feud(s, "Alpha Worker 1", "Alpha Worker 2", "Cold"); },
       "Alpha Worker 4 vs Alpha Worker 5", ""},
      {"one man fit: the women",
       [](S s) {
         for (const char* n : {"Alpha Worker 1", "Alpha Worker 2", "Alpha Worker 4", "Alpha Worker 5", "Alpha Worker 7"})
           worker(s, n).set_injury("5");
       },
       "Alpha Worker 0 vs Alpha Worker 3", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    rv::Store s = rvtest::small_store();
    s.promotion(0).set_num(rv::prom::reference_level, 80);
    const std::tuple<const char*, int, const char*> men[] = {
        {"Alpha Worker 1", 80, "Face"}, {"Alpha Worker 2", 70, "Heel"}, {"Alpha Worker 4", 75, "Face"},
        {"Alpha Worker 5", 65, "Heel"}, {"Alpha Worker 7", 60, "Face"}, {"Alpha Worker 8", 55, "Heel"}};
    for (const auto& [name, pop, side] : men) {
      worker(s, name).set_pop(pop);
      worker(s, name).set_faceheel(side);
    }
    c.setup(s);
    rv::staff_keep_feud(s);
    EXPECT_EQ(rv::feud_running(s, 0) ? rv::feud_heading(s, 0) : "", c.slot0);
    EXPECT_EQ(rv::feud_running(s, 1) ? rv::feud_heading(s, 1) : "", c.slot1);
  }
}

// Indy bookings: the costs, the checks a date goes through, the worker on that day's panel.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "shows/booking.h"
#include "state/date.h"
#include "support/world.h"
#include "talent/indy.h"

namespace {

struct Indy : ::testing::Test {
  rv::Game game{rvtest::small_store(), rv::Rng(7), ""};
  rv::Store& s = game.store;
  rv::Promotion player = s.promotion(0);
  const std::size_t free_row = *s.find_worker("Free Worker 0");
  std::vector<std::string> dates = rv::bookable_dates(s);

  // Whether asking was refused, over many seeds.
  std::set<bool> refusals(const std::string& date) {
    std::set<bool> seen;
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
      game.rng.reseed(seed);
      seen.insert(!rv::check_indy_booking(game, free_row, date).ok());
    }
    return seen;
  }
  void make_willing() { player.set_popularity(90); }  // nobody refuses by popularity
};

TEST_F(Indy, FlightsCostTheSameBothWaysAndNothingAtHome) {
  for (const std::string a : {"USA", "UK", "Japan", "Other"}) {
    for (const std::string b : {"USA", "UK", "Japan", "Other"}) {
      EXPECT_EQ(rv::flight_cost(a, b).has_value(), a != b) << a << b;
      EXPECT_EQ(rv::flight_cost(a, b), rv::flight_cost(b, a)) << a << b;
    }
  }
  EXPECT_EQ(rv::indy_offer(s, free_row).flight_text, "N/A");  // a UK worker for a UK promotion
  // A USA promotion books a worker from Japan whose fee is 500.
  make_willing();
  player.set(rv::prom::country, "USA");
  s.worker(free_row).set_basecountry("Japan");
  EXPECT_EQ(rv::indy_offer(s, free_row).flight_text, "$690");
  const auto quote = rv::check_indy_booking(game, free_row, dates[3]);
  ASSERT_TRUE(quote) << quote.error();
  EXPECT_EQ(quote->total, 1190);
  EXPECT_NE(quote->question.find("This will cost a total of $1,190.\nConfirm Booking?"), std::string::npos);
}

TEST_F(Indy, ADateIsBookedOnceAndPaidFor) {
  make_willing();
  EXPECT_EQ(rv::other_bookings(s), std::vector<std::string>{std::string(rv::no_indy_bookings)});
  const rv::Num before = player.balance();
  const auto quote = rv::check_indy_booking(game, free_row, dates[0]);
  ASSERT_TRUE(quote) << quote.error();
  ASSERT_TRUE(rv::confirm_indy_booking(s, free_row, dates[0], *quote));
  EXPECT_EQ(player.balance(), before - 500);
  EXPECT_EQ(rv::check_indy_booking(game, free_row, dates[0]).error(),
            "Free Worker 0 is already booked to work for your promotion on this date.");
  EXPECT_FALSE(rv::confirm_indy_booking(s, free_row, dates[0], *quote));
  EXPECT_EQ(player.balance(), before - 500);
  EXPECT_TRUE(rv::check_indy_booking(game, free_row, dates[1]));  // another date is free
  EXPECT_FALSE(rv::check_indy_booking(game, free_row, "Someday"));
}

// A booking beyond the balance is warned about, not refused; Yes books it and leaves the debt.
TEST_F(Indy, ABookingBeyondTheBalanceIsWarnedAboutButAllowed) {
  make_willing();  // the fee is 500, no flight
  struct Case {
    rv::Num balance;
    bool warned;
  };
  const Case cases[] = {{501, false}, {500, false}, {499, true}, {0, true}, {-2000, true}};
  for (const Case& c : cases) {
    player.set_balance(c.balance);
    const auto quote = rv::check_indy_booking(game, free_row, dates[2]);
    ASSERT_TRUE(quote) << quote.error();
    EXPECT_EQ(quote->warning.has_value(), c.warned) << c.balance;
  }
  player.set_balance(100);
  const auto quote = rv::check_indy_booking(game, free_row, dates[2]);
  ASSERT_TRUE(quote && quote->warning);
  EXPECT_EQ(*quote->warning,
            "Booking Free Worker 0 costs $500, more than your balance of $100: it will leave the promotion in debt.\n"
            "Book anyway?");
  ASSERT_TRUE(rv::confirm_indy_booking(s, free_row, dates[2], *quote));
  EXPECT_EQ(player.balance(), -400);
  EXPECT_TRUE(rv::indy_booked(s, "Free Worker 0", dates[2]));
}

TEST_F(Indy, AnInjuryKeepsTheDateFromBeingAskedAgain) {
  make_willing();
  s.worker(free_row).set_injury("3");  // fit again three days from now
  EXPECT_EQ(rv::check_indy_booking(game, free_row, dates[1]).error(),
            "Free Worker 0 will be unavailable on the date you have chosen.");
  ASSERT_EQ(s.indydates2.size(), rv::rec::indy_booking);
  EXPECT_EQ(s.indydates2[rv::indy::date], dates[1]);
  EXPECT_EQ(rv::check_indy_booking(game, free_row, dates[1]).error(),
            "Free Worker 0 is unavailable to work that date. Please choose another date.");
  EXPECT_TRUE(rv::check_indy_booking(game, free_row, dates[2]));
  rv::append_record(s.indydates2, {"Free Worker 0", dates[5], "touring Japan"});
  EXPECT_EQ(rv::check_indy_booking(game, free_row, dates[5]).error(), "Free Worker 0 is touring Japan on this date.");
}

TEST_F(Indy, WillingnessFollowsTheSizeAndPopularityOfThePromotion) {
  s.worker(free_row).set_basecountry("USA");
  player.set_popularity(85);
  EXPECT_EQ(refusals(dates[0]), std::set<bool>{false});
  player.set_popularity(55);
  EXPECT_EQ(refusals(dates[0]), std::set<bool>{true});
  // Too big for a size 1 promotion, however popular it is.
  player.set_popularity(90);
  player.set_num(rv::prom::size_level, 1);
  s.worker(free_row).set_pop(76);
  EXPECT_EQ(rv::check_indy_booking(game, free_row, dates[0]).error(),
            "Free Worker 0 is not interested in working for your promotion.");
}

TEST_F(Indy, ContractsDecideWhoCanBeApproached) {
  const auto beta = s.worker(*s.find_worker("Beta Worker 0"));
  beta.set_indybookings("No");
  EXPECT_EQ(rv::indy_approach_refusal(s, beta.row()), "Beta Worker 0 does not accept indy bookings.");
  s.worker(free_row).set_indybookings("No");  // a free agent has no contract to forbid it
  EXPECT_FALSE(rv::indy_approach_refusal(s, free_row));
  EXPECT_TRUE(rv::indy_approach_refusal(s, *s.find_worker("Alpha Worker 0")));
  EXPECT_TRUE(rv::indy_approach_refusal(s, s.worker_count()));
  make_willing();
  const auto rival = s.promotion(1);
  rival.set_num(rv::prom::size_level, 6);
  rival.set(rv::prom::extra_value, "Exclusive");
  beta.set_indybookings("Yes");
  EXPECT_EQ(rv::check_indy_booking(game, beta.row(), dates[0]).error(),
            "Beta Worker 0 has a Exclusive contract, and RVB does not allow Exclusive workers to do indy bookings "
            "for other National promotions.");
}

TEST_F(Indy, TheBookedWorkerIsOnHisOwnDaysCardOnly) {
  const auto on_panel = [&](const std::string& brand) {
    const auto roster = rv::Booking(s, {brand, false}).roster();
    return std::any_of(roster.begin(), roster.end(), [](const rv::BookableWorker& w) { return w.name == "Free Worker 0"; });
  };
  rv::append_record(s.indydates, {"Free Worker 0", dates[0], "RVA"});
  EXPECT_FALSE(on_panel(std::string(rv::brand_all)));
  rv::set_current_date(s, *rv::parse_full_date(dates[0]));
  EXPECT_TRUE(on_panel(std::string(rv::brand_one)));
  s.worker(free_row).set_injury("2");
  EXPECT_FALSE(on_panel(std::string(rv::brand_all)));
}

}  // namespace

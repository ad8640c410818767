#pragma once
// The staff who run the areas the player hands them (state/assistant.h holds his choices). They
// act only as the player could: a re-signing through ContractOffer, a signing through Signing, an
// answer to a rival's offer through the inbox's answers and a show through the booking machine
// with the suggested card. Each action is told in the inbox by the one who took it.
#include <string>
#include <string_view>
#include <vector>

#include "state/assistant.h"
#include "state/game.h"
#include "state/home.h"

namespace rv {

struct ShowLibraries;

inline constexpr std::string_view booker_name = "Assistant Booker";
inline constexpr std::string_view talent_head_name = "Head Of Talent Relations";

// Choices that keep a promotion going as it stands: every area handed over, contracts renewed
// from the lower card within a budget a quarter above today's wage bill, the roster kept at its
// size, rival offers declined.
AssistantChoices default_choices(const Store& store);
// The budget the defaults keep as the months go by: the one they started with, or a 260th of the
// bank balance (the bank spread over five years of wages, the longest contract) when the promotion
// has grown richer than that, so that the stars it has made can be kept without signing away more
// than the bank holds.
Num default_budget(const Store& store, Num starting_budget);

// The player's wage bill once the pending offers are answered: the roster's weekly wages, a
// pending re-signing counted at its new wage and a pending signing's wage added.
Num committed_wages(const Store& store);
// Workers on the roster (not retired) and those with a signing offer pending.
int roster_with_pending(const Store& store);
// Whether the bank carries four weeks of this weekly wage bill and stays at or above the balance
// the board dismisses for.
bool bank_carries(const Store& store, Num weekly_bill);
// The fit workers a show needs, with two to spare for the injuries of the days before it.
inline constexpr int staff_show_floor = 12;

// What the staff did today, in the order they did it (the subjects they posted).
struct StaffDay {
  std::vector<std::string> renewed, let_go, signed_up, answered;
};
// The popularity a worker's leaving costs the promotion at which, with `keep_stars`, he is re-signed
// even past the budget.
inline constexpr int star_departure_cost = 10;
// The re-signings (on the 7th, 14th, 21st and 28th): workers from the chosen card position whose
// contracts end this month are offered what they ask, strongest first, while the wage bill stays
// within the budget (with `keep_stars`, past it for a worker whose leaving would cost the promotion
// `star_departure_cost` popularity or more), and the bank carries it; on the 28th the others are
// named as left to run out, each with the reason.
void renew_contracts(Game& game, StaffDay& day);
// What the renewals of the chosen card position due this month and next are expected to add to
// the wage bill: each worker's asking wage over his present one.
Num renewal_reserve(const Store& s);
// Free agents offered what they ask while the roster is below its size (within the budget, less
// the renewal reserve), or,
// with booking handed over, while fewer than staff_show_floor fit workers are left (whatever the
// budget), at most three a day.
void sign_free_agents(Game& game, StaffDay& day);
// Every rival offer waiting in the inbox, answered by the choice.
void answer_rival_offers(Game& game, StaffDay& day);
// The day's work of the areas handed over, run at the end of each day the player is in charge.
StaffDay assistant_day(Game& game);

// What the booking staff need to put a show on without the screens.
struct StaffBooking {
  const Home& home;
  const ShowLibraries& libraries;
};
// With the booking handed over, on the first of the month, each production level moves as the shows
// screen would move it: below what the fans expect of the promotion's size, up to it when a year of
// weekly shows at that level leaves the bank above the board's dismissal line; from there one level
// a month towards the fans' whole bonus, three above, while a year at the next level leaves twice the
// board's money baseline; and one level back, never below what is expected, while a year at the
// present level would take the bank past the dismissal line.
void keep_production(Store& store);
// Before a show the staff book: every feud gone cold is ended, and when no hot feud has all its
// workers fit to wrestle, the feud the booker proposes (shows/suggest_feud.h) is started, leaving
// out the workers of a feud just ended while two others are left. Each is told in the inbox;
// gives the lines to print.
std::vector<std::string> staff_keep_feud(Store& store);
// True when today is a show day and the booking is handed over.
bool staff_books_today(const Store& store);
// Books today's show with the suggested card and runs it, as "Go To Show" and "Confirm" would;
// tells the player in the inbox and gives the lines to print. The day is a show day no more.
std::vector<std::string> staff_show_day(Game& game, const StaffBooking& booking);

}  // namespace rv

#pragma once
// Booking a worker from outside the roster for one show date: who may be approached, what he
// costs (his booking fee and, from abroad, the flight), the checks a chosen date goes through
// and the booking itself, which puts him on the roster panel of that day's show.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/game.h"
#include "state/result.h"

namespace rv {

inline constexpr std::string_view booking_confirmed = "Booking Confirmed.";
inline constexpr std::string_view booking_cancelled = "Booking Cancelled.";
inline constexpr std::string_view no_indy_bookings = "You have no wrestlers booked for upcoming dates.";

// Why this worker cannot be approached for an indy booking at all, or nothing when he can.
std::optional<std::string> indy_approach_refusal(const Store& store, std::size_t row);

// The flight between two base countries ("USA", "UK", "Japan", "Other"), the same either way;
// nothing when there is no flight (the same country, or a country the table does not know).
std::optional<Num> flight_cost(std::string_view from, std::string_view to);

// What the booking screen shows for a worker.
struct IndyOffer {
  std::string question;     // "What date would you like to book ... for?"
  std::string fee_text;     // "$500"
  std::string flight_text;  // "$1000", or "N/A" at home
  Num balance = 0;          // the player's
  std::vector<std::string> dates;  // the dates he can be booked for, tomorrow first, as full dates
};
IndyOffer indy_offer(const Store& store, std::size_t row);
// The full dates from tomorrow to indy::weeks_ahead weeks ahead.
std::vector<std::string> bookable_dates(const Store& store);

// The player's indy bookings, one line each ("Name: date"); the single line no_indy_bookings
// when there are none.
std::vector<std::string> other_bookings(const Store& store);

// A worker who has agreed to a date: what it costs and the question that confirms it.
struct IndyQuote {
  Num total = 0;
  std::string question;
  // When the total is more than the balance: a Yes/No warning to put before the question.
  std::optional<std::string> warning;
};
// Puts a date to the worker. Refusals come back as failures; an injury that keeps him out past
// the date is remembered (indydates2) so he is not asked again. The worker's willingness may take
// a draw from the game's generator.
Result<IndyQuote> check_indy_booking(Game& game, std::size_t row, const std::string& date);
// Books the worker for the date at the quoted cost, paid from the player's balance.
Status confirm_indy_booking(Store& store, std::size_t row, const std::string& date, const IndyQuote& quote);

// True when the worker has an indy booking with the player on this date.
bool indy_booked(const Store& store, std::string_view name, std::string_view date);
// The workers booked for this date, in booking order.
std::vector<std::string> indy_workers_on(const Store& store, std::string_view date);

}  // namespace rv

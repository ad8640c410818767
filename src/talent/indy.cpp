#include "talent/indy.h"

#include <algorithm>
#include <array>
#include <utility>

#include "state/date.h"
#include "state/dates.h"
#include "state/ledger.h"

namespace rv {

namespace {

std::string already_booked(const std::string& name) {
  return name + " is already booked to work for your promotion on this date.";
}

struct Flight {
  std::string_view a, b;
  Num cost;
};
constexpr std::array<Flight, 6> flights = {{{"UK", "USA", 1000},
                                            {"UK", "Japan", 1130},
                                            {"UK", "Other", 1200},
                                            {"USA", "Japan", 690},
                                            {"USA", "Other", 1200},
                                            {"Japan", "Other", 880}}};

std::string dollars(Num amount) { return money_text(amount); }

// The flight a worker takes to work for the player: nothing when he lives in the player's country.
std::optional<Num> worker_flight(const Store& store, std::size_t row) {
  const auto player = store.player_index();
  if (!player) return std::nullopt;
  return flight_cost(store.worker(row).basecountry(), store.promotion(*player).country());
}

Num booking_total(const Store& store, std::size_t row) {
  return store.worker(row).bookingfee() + worker_flight(store, row).value_or(0);
}

// Days from today to the date among the bookable ones (tomorrow is 1); nothing for another date.
std::optional<Num> days_ahead(const Store& store, std::string_view date) {
  const auto dates = bookable_dates(store);
  const auto it = std::find(dates.begin(), dates.end(), date);
  if (it == dates.end()) return std::nullopt;
  return static_cast<Num>(it - dates.begin()) + 1;
}

// The reason indydates2 keeps the worker from this date, if it does.
std::optional<std::string> held_reason(const Store& store, std::string_view name, std::string_view date) {
  const Lines& held = store.indydates2;
  for (std::size_t i = 0; i + rec::indy_booking <= held.size(); i += rec::indy_booking) {
    if (held[i + indy::worker] == name && held[i + indy::date] == date) return held[i + indy::reason];
  }
  return std::nullopt;
}

// A top worker turns a small promotion down outright.
bool too_big_for(Num size_level, Num pop) {
  struct Limit {
    Num size_level, pop;
  };
  static constexpr Limit limits[] = {{1, 75}, {2, 80}, {3, 85}, {4, 95}};
  for (const auto& l : limits) {
    if (size_level == l.size_level) return pop > l.pop;
  }
  return false;
}

// The chance that the worker turns down a promotion of this popularity: 0 never, 1 always, k a
// chance of 1 in k.
int refusal_odds(Num popularity, Num pop, bool home) {
  if (popularity >= 80) return 0;
  if (popularity >= 70) return home ? 0 : 2;
  if (popularity >= 60) return home ? 2 : 3;
  if (!home) return 1;
  if (popularity >= 50) return pop > 80 ? 1 : pop > 70 ? 2 : 0;
  return pop > 75 ? 1 : 2;
}

bool refuses(int odds, Rng& rng) {
  if (odds <= 1) return odds == 1;
  return rng.one_in(odds);
}

// The rule of a national promotion that keeps its workers from other promotions' shows.
std::optional<std::string> owner_refusal(const Store& store, const WorkerView& w) {
  const auto owner = store.find_promotion(w.promotion());
  if (!owner || store.promotion(*owner).size_level() != indy::national_size_level) return std::nullopt;
  const auto p = store.promotion(*owner);
  const std::string& kind = p.at(prom::extra_value);
  return w.name() + " has a " + kind + " contract, and " + p.initials() + " does not allow " + kind +
         " workers to do indy bookings for other National promotions.";
}

// Whether the worker wants to work for the player at all (steps of size, then popularity).
bool willing(Game& game, const WorkerView& w) {
  const auto p = game.store.promotion(*game.store.player_index());
  if (too_big_for(p.size_level(), w.pop())) return false;
  const bool home = w.basecountry() == p.country();
  return !refuses(refusal_odds(p.popularity(), w.pop(), home), game.rng);
}

// A booking the balance cannot cover may still be made (the board judges the debt): the warning
// to put to the player first, or nothing when he can pay.
std::optional<std::string> debt_warning(const Store& store, std::size_t row, Num total) {
  const Num balance = store.promotion(*store.player_index()).balance();
  if (total <= balance) return std::nullopt;
  return "Booking " + store.worker(row).name() + " costs " + dollars(total) + ", more than your balance of " +
         money_text(balance) + ": it will leave the promotion in debt.\nBook anyway?";
}

}  // namespace

std::optional<std::string> indy_approach_refusal(const Store& store, std::size_t row) {
  if (row >= store.worker_count() || store.worker(row).name().empty()) return "That worker is not in the game.";
  if (!store.player_index()) return "You have no promotion to book for.";
  const auto w = store.worker(row);
  const std::string& player = store.md(md::player_initials);
  if (w.promotion() == player || contains(w.multiproms(), player)) {
    return w.name() + " already works for your promotion: put him on the card from your roster.";
  }
  if (w.indybookings() == indy::refused && w.promotion() != free_agent) {
    return w.name() + " does not accept indy bookings.";
  }
  return std::nullopt;
}

std::optional<Num> flight_cost(std::string_view from, std::string_view to) {
  for (const auto& f : flights) {
    if ((f.a == from && f.b == to) || (f.a == to && f.b == from)) return f.cost;
  }
  return std::nullopt;
}

std::vector<std::string> bookable_dates(const Store& store) {
  std::vector<std::string> out;
  Date d = current_date(store);
  for (int i = 0; i < indy::weeks_ahead * 7; ++i) {
    const Date before = d;
    datechange(d);
    if (d == before) break;  // the calendar's last day
    out.push_back(full_date(d));
  }
  return out;
}

IndyOffer indy_offer(const Store& store, std::size_t row) {
  IndyOffer offer;
  if (row >= store.worker_count()) return offer;
  const auto w = store.worker(row);
  offer.question = "What date would you like to book " + w.name() + " for?";
  offer.fee_text = dollars(w.bookingfee());
  const auto flight = worker_flight(store, row);
  offer.flight_text = flight ? dollars(*flight) : std::string(not_applicable);
  if (const auto player = store.player_index()) offer.balance = store.promotion(*player).balance();
  offer.dates = bookable_dates(store);
  return offer;
}

std::vector<std::string> other_bookings(const Store& store) {
  std::vector<std::string> out;
  const Lines& booked = store.indydates;
  for (std::size_t i = 0; i + rec::indy_booking <= booked.size(); i += rec::indy_booking) {
    if (!booked[i + indy::worker].empty()) out.push_back(booked[i + indy::worker] + ": " + booked[i + indy::date]);
  }
  if (out.empty()) out.emplace_back(no_indy_bookings);
  return out;
}

bool indy_booked(const Store& store, std::string_view name, std::string_view date) {
  const Lines& booked = store.indydates;
  for (std::size_t i = 0; i + rec::indy_booking <= booked.size(); i += rec::indy_booking) {
    if (booked[i + indy::worker] == name && booked[i + indy::date] == date) return true;
  }
  return false;
}

std::vector<std::string> indy_workers_on(const Store& store, std::string_view date) {
  std::vector<std::string> out;
  const Lines& booked = store.indydates;
  for (std::size_t i = 0; i + rec::indy_booking <= booked.size(); i += rec::indy_booking) {
    if (!booked[i + indy::worker].empty() && booked[i + indy::date] == date) out.push_back(booked[i + indy::worker]);
  }
  return out;
}

Result<IndyQuote> check_indy_booking(Game& game, std::size_t row, const std::string& date) {
  Store& s = game.store;
  if (const auto why = indy_approach_refusal(s, row)) return Failure{*why};
  const auto days = days_ahead(s, date);
  if (!days) return Failure{"Please choose one of the dates offered."};
  const WorkerView w = std::as_const(s).worker(row);
  const std::string name = w.name();
  if (indy_booked(s, name, date)) return Failure{already_booked(name)};
  if (const auto reason = held_reason(s, name, date)) {
    if (*reason == indy::unavailable) return Failure{name + " is unavailable to work that date. Please choose another date."};
    return Failure{name + " is " + *reason + " on this date."};
  }
  // The injury counts down a day at a time: he is fit on the day it reaches nought.
  if (leading_int(w.injury()) > *days) {
    append_record(s.indydates2, {name, date, std::string(indy::unavailable)});
    return Failure{name + " will be unavailable on the date you have chosen."};
  }
  if (const auto why = owner_refusal(s, w)) return Failure{*why};
  if (!willing(game, w)) return Failure{name + " is not interested in working for your promotion."};
  IndyQuote quote;
  quote.total = booking_total(s, row);
  quote.warning = debt_warning(s, row, quote.total);
  quote.question = name + " has agreed to work a show for you on " + date + ". This will cost a total of " +
                   dollars(quote.total) + ".\nConfirm Booking?";
  return quote;
}

Status confirm_indy_booking(Store& store, std::size_t row, const std::string& date, const IndyQuote& quote) {
  if (const auto why = indy_approach_refusal(store, row)) return Failure{*why};
  if (!days_ahead(store, date)) return Failure{"Please choose one of the dates offered."};
  const std::string name = store.worker(row).name();
  if (indy_booked(store, name, date)) return Failure{already_booked(name)};
  const auto p = store.promotion(*store.player_index());
  if (quote.total < 0) return Failure{"That booking has no cost to pay."};
  append_record(store.indydates, {name, date, p.initials()});
  set_balance(store, p, sub_sat(p.balance(), quote.total), "Indy booking: " + name + ", " + date);
  return success();
}

}  // namespace rv

#pragma once
// Years of a promotion's ledger for benchmarks: the entries a busy week writes (wages, three
// shows with their takings, costs and ratings, the board's review, a monthly payment), folded into
// months as the days run, as a career's would be. The same arguments always give the same ledger.
#include <random>
#include <string>

#include "state/date.h"
#include "state/dates.h"
#include "state/ledger.h"
#include "state/store.h"

namespace rvtest {

inline void add_generated_ledger(rv::Store& s, int years, unsigned seed = 7) {
  std::mt19937 gen(seed);
  const auto step = [&gen](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
  const rv::Date start = rv::current_date(s);
  rv::Date d = start;
  const int days = years * 365 + years / 4;
  const auto write = [&s](rv::Figure f, rv::Num change, const std::string& cause) { rv::record_effect(s, f, {}, change, cause); };
  for (int i = 0; i < days; ++i) {
    rv::set_current_date(s, d);
    if (d.day == 1) {
      rv::fold_old_entries(s.ledger, d);
      write(rv::Figure::balance, step(20000, 90000), "Monthly income and running costs");
    }
    if (d.weekday == 4) write(rv::Figure::balance, -step(30000, 60000), "Wages for the week");
    if (d.weekday == 5) write(rv::Figure::board, step(-3, 3), "Weekly review");
    if (d.weekday == 0 || d.weekday == 3 || d.weekday == 6) {
      const std::string show = "Show: Night " + std::to_string(d.weekday) + ", ";
      write(rv::Figure::balance, -step(5000, 20000), show + "production, promotion and venue");
      write(rv::Figure::balance, step(8000, 30000), show + "tickets");
      write(rv::Figure::balance, step(1000, 5000), show + "merchandise");
      write(rv::Figure::popularity, step(-2, 2), show + "overall rating " + std::to_string(step(40, 95)));
    }
    rv::datechange(d);
  }
  rv::set_current_date(s, start);
}

}  // namespace rvtest

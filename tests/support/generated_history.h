#pragma once
// Years of a promotion's history for benchmarks and pictures: a day row for every day played and
// a show of six matches every week, with figures that wander as a career's would. The same
// arguments always give the same history.
#include <algorithm>
#include <random>
#include <string>

#include "state/date.h"
#include "state/dates.h"
#include "state/history.h"
#include "state/store.h"

namespace rvtest {

inline void add_generated_history(rv::Store& s, int years, unsigned seed = 11) {
  const auto player = s.player_index();
  if (!player) return;
  std::mt19937 gen(seed);
  const auto step = [&gen](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
  const rv::Date start = rv::current_date(s);
  rv::Date d = start;
  rv::Num balance = 250000, popularity = 40, board = 60;
  const int days = years * 365 + years / 4;
  for (int i = 0; i < days; ++i) {
    balance = std::max<rv::Num>(-50000, balance + step(-9000, 9500));
    popularity = std::clamp<rv::Num>(popularity + step(-1, 1) * (i % 5 == 0), 1, 100);
    board = std::clamp<rv::Num>(board + step(-2, 2) * (i % 3 == 0), 0, 100);
    rv::set_current_date(s, d);
    s.promotion(*player).set_balance(balance);
    s.promotion(*player).set_popularity(popularity);
    s.set_md_num(rv::md::board_rating, board);
    if (d.weekday == 3) {
      rv::HistoryShow show{rv::full_date(d), "Weekly Show", step(35, 90), step(200, 900), step(-3000, 6000), {}};
      for (int m = 0; m < 6; ++m) {
        const std::string a = "Worker " + std::to_string(step(0, 40)), b = "Worker " + std::to_string(step(0, 40));
        show.matches.push_back({"Singles: " + a + " vs " + b, step(30, 90), a, {a, b}, {a}, "", m == 5 && step(0, 9) == 0,
                                a + " defeated " + b, {}});
      }
      rv::record_history_show(s, show);
    }
    rv::record_history_day(s);
    rv::datechange(d);
  }
  rv::set_current_date(s, start);
}

}  // namespace rvtest

#pragma once
// A generated world of any size for soak tests and benchmarks: promotions of every size with
// regular shows and held titles, workers under contract and free agents. Built from the small
// hand-made world's pieces; the same arguments always give the same world.
#include <random>
#include <string>

#include "state/calendar.h"
#include "state/date.h"
#include "support/world.h"

namespace rvtest {

inline rv::Store generated_store(int promotions, int workers, unsigned seed = 7) {
  std::mt19937 gen(seed);
  auto between = [&gen](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
  rv::Store s;
  s.maindata = small_maindata();
  auto initials = [](int i) { return "G" + std::to_string(100 + i); };
  s.maindata[rv::md::player_initials] = initials(0);
  for (int i = 0; i < promotions; ++i) {
    const int size = i == 0 ? 3 : 1 + i % 6;
    rv::Lines r = promotion_record(initials(i), "Generated Promotion " + std::to_string(i), size);
    using namespace rv::prom;
    r[tv_status] = size == 1 ? "None" : size == 2 ? "Local" : size == 3 ? "Regional" : "National";
    r[popularity] = std::to_string(between(45, 90));
    r[regular_shows + show::weekday] = std::string(rv::weekday_names[static_cast<std::size_t>(i % 7)]);
    r[regular_shows + show::audience] = std::to_string(between(250, 600));
    if (size >= 4) {
      const std::size_t second = regular_shows + regular_show_size;
      r[second + show::name] = "Generated Show " + std::to_string(i) + "B";
      r[second + show::weekday] = std::string(rv::weekday_names[static_cast<std::size_t>((i + 3) % 7)]);
      r[second + show::brand] = "All";
      r[second + show::kind] = "TV";
      r[second + show::rating] = "60";
      r[second + show::audience] = std::to_string(between(250, 600));
      r[ppv_deal] = "Yes";
      r[ppv_rating] = "150";
    }
    r[short_titles + 6] = std::to_string(40 + size * 8);
    s.promotions.insert(s.promotions.end(), r.begin(), r.end());
  }
  const rv::Date today = rv::current_date(s);
  for (int w = 0; w < workers; ++w) {
    const bool free_agent = w % 7 == 6;
    const std::string employer = free_agent ? "Free Agent" : initials((w * 13) % promotions);
    auto row = worker_row("Generated Worker " + std::to_string(w), employer, between(1, 5) == 1 ? "Female" : "Male",
                          between(20, 95));
    row[static_cast<std::size_t>(rv::Col::expires)] =
        free_agent ? "Free Agent" : std::string(rv::month_names[static_cast<std::size_t>(between(0, 11))]) + " " +
                                        std::to_string(today.year + between(0, 3));
    row[static_cast<std::size_t>(rv::Col::morale)] = std::to_string(between(35, 95));
    row[static_cast<std::size_t>(rv::Col::retire)] = std::to_string(between(0, 20));
    row[static_cast<std::size_t>(rv::Col::wages)] = std::to_string(between(200, 3000));
    row[static_cast<std::size_t>(rv::Col::tagteam)] = "no";
    row[static_cast<std::size_t>(rv::Col::stable)] = "no";
    row[static_cast<std::size_t>(rv::Col::manager)] = "no";
    s.wrestlers.add(row);
    // The first worker of each promotion holds its title.
    if (!free_agent && w < promotions * 13) {
      const auto p = s.find_promotion(employer);
      if (p && s.promotion(*p).title(0).holder() == "Vacant") {
        s.promotion(*p).title(0).set_holder(row[0]);
      }
    }
  }
  rv::create_calendar(s);
  rv::set_todays_shows(s);
  s.reset_matches();
  return s;
}

}  // namespace rvtest

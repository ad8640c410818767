#pragma once
// Helpers for tests of a show's night: a show's context without a venue file, and the weekly
// show of the small world booked into Harbour Hall with a card of its ten workers.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "shows/cardfile.h"
#include "shows/runshow.h"
#include "shows/showsteps.h"
#include "support/world.h"

namespace rvtest {

// The first regular show of "RVA", five matches booked.
inline rv::ShowContext night(rv::ShowType type, const std::string& broadcast = "House", rv::Num capacity = 5000,
                             rv::Num hire_cost = 0) {
  rv::ShowContext c;
  c.show.name = "Alpha Weekly";
  c.show.type = type;
  c.show.broadcast = broadcast;
  c.show.televised = broadcast != "House";
  c.show.regular_slot = 0;
  c.capacity = capacity;
  c.hire_cost = hire_cost;
  c.matches = 5;
  return c;
}

// One match record of a card file: two workers (or a battle royal's entry line), no title,
// winners and finish left to the night.
inline rv::Lines match_record(const std::string& type, const std::string& stipulation, const std::string& first,
                              const std::string& second) {
  rv::Lines r(rv::rec::match, "");
  r[rv::match::slot] = "1";
  r[rv::match::type] = type;
  r[rv::match::stipulation] = stipulation;
  r[rv::match::title] = "None";
  r[rv::match::winners] = r[rv::match::win_type] = "Auto";
  r[rv::match::first_worker] = first;
  r[rv::match::first_worker + 1] = second;
  return r;
}

// The small world written to a home, its weekly televised show booked into a hall of 400 at $8 a
// seat.
struct BookedNight : ::testing::Test {
  TempDir dir;
  rv::Home home{dir.path()};
  rv::Game game{small_store(), rv::Rng(4), "test"};
  rv::BookedShow booked;
  void SetUp() override {
    write_small_world(home);
    booked.show.name = "Ringvale Alpha Weekly";
    booked.show.type = rv::ShowType::primary;
    booked.show.broadcast = "TV";
    booked.show.televised = true;
    booked.show.regular_slot = 0;
    booked.venue = {"Harbour Hall", "Harbour Hall, Dockside", "Portsmouth", "400", "UK", "123"};
    booked.capacity = 400;
    booked.hire_cost = 3200;
  }
  // Singles and women's matches of "Alpha Worker" pairs, the first `caged` in a steel cage,
  // booked as the screen would.
  rv::Booking booking(const std::vector<std::pair<int, int>>& pairs = {{1, 2}, {0, 3}, {4, 5}, {6, 9}, {7, 8}},
                      std::size_t caged = 0) {
    rv::Booking b(game.store, {});
    rv::Lines file;
    for (const auto& [x, y] : pairs) {
      const bool cage = file.size() < caged * rv::rec::match;
      const auto r = match_record(x % 3 ? "Singles" : "Women's Match", cage ? "Steel Cage" : "None",
                                  "Alpha Worker " + std::to_string(x), "Alpha Worker " + std::to_string(y));
      file.insert(file.end(), r.begin(), r.end());
    }
    EXPECT_TRUE(rv::book_card_file(b, file).ok());
    return b;
  }
};

}  // namespace rvtest

// Replaying a show: the speed scale, and matches and segments in show order.
#include <gtest/gtest.h>

#include "shows/playback.h"
#include "state/layout.h"

namespace {

TEST(Playback, SpeedAndTheOrderOfMatchesAndSegments) {
  rv::Lines card(rv::rec::match * rv::rec::match_slots, "");
  for (std::size_t k : {0u, 2u}) {  // slots 1 and 3 booked
    card[k * rv::rec::match + rv::match::slot] = std::to_string(k + 1);
    card[k * rv::rec::match + rv::match::type] = "Singles";
    card[k * rv::rec::match + rv::match::stipulation] = "None";
    card[k * rv::rec::match + rv::match::first_worker] = "A" + std::to_string(k);
    card[k * rv::rec::match + rv::match::first_worker + 1] = "B" + std::to_string(k);
  }
  rv::Playback p({"-MATCH-", "Singles", "First line", "-SEGMENT-", "Talk", "-MATCH-", "Singles", "Last line"}, card, 0);
  while (p.slower()) {
  }
  EXPECT_TRUE(p.stopped());
  EXPECT_EQ(p.interval_ms(), 0);
  for (int i = 0; i < 12; ++i) p.faster();
  EXPECT_EQ(p.speed(), 10);
  EXPECT_FALSE(p.faster());

  std::vector<std::string> seen;
  while (p.step()) seen.push_back(p.match_caption() + "|" + p.header() + "|" + p.details() + "|" + p.text());
  EXPECT_EQ(seen[2], "MATCH 1|A0 vs B0|Singles|First line");
  EXPECT_EQ(seen[4], "|Backstage||Talk");
  EXPECT_EQ(seen[7], "MATCH 3|A2 vs B2|Singles|Last line");
  EXPECT_TRUE(p.finished());
}

}  // namespace

// Telling a battle royal: who is thrown out by whom, the order of entry in a grand melee, the
// stays it counts and stories from too few entrants.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "shows/royalstory.h"

namespace {

const std::string by = " is eliminated by ";
const std::string enters = " enters as #";

std::vector<std::string> entrants(int n) {
  std::vector<std::string> out;
  for (int i = 0; i < n; ++i) out.push_back("Entrant " + std::to_string(i));
  return out;
}

// The index of the final elimination line: the last one before the winner's line.
std::size_t final_line(const rv::BattleRoyalStory& s) {
  std::size_t last = 0;
  for (std::size_t i = 0; i < s.details.size(); ++i)
    if (s.details[i].text.find(by) != std::string::npos) last = i;
  return last;
}

TEST(BattleRoyalStory, EveryoneButTheLastTwoGoesAndTheWinnerThrowsOutTheRunnerUp) {
  for (int n : {3, 8}) {
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
      rv::Rng rng(seed);
      const auto s = rv::createbattleroyal(entrants(n), "Auto", "Auto", seed % 2 == 0, rng);
      ASSERT_NE(s.winner, s.runner_up);
      const std::size_t last = final_line(s);
      EXPECT_EQ(s.details[last].text, s.runner_up + by + s.winner);
      std::multiset<std::string> out;
      for (std::size_t i = 0; i < last; ++i) {
        const auto& t = s.details[i].text;
        if (const auto at = t.find(by); at != std::string::npos) out.insert(t.substr(0, at));
      }
      // Each other entrant is thrown out once, the winner and the runner-up never before the end.
      EXPECT_EQ(out.size(), static_cast<std::size_t>(n - 2));
      EXPECT_EQ(std::set<std::string>(out.begin(), out.end()).size(), out.size());
      EXPECT_EQ(out.count(s.winner) + out.count(s.runner_up), 0u);
      EXPECT_EQ(s.details[last + 2].text, s.winner + (s.grand_melee ? " wins the Grand Melee" : " wins the Battle Royal"));
    }
  }
  rv::Rng rng(7);
  const auto named = rv::createbattleroyal(entrants(5), "Entrant 4", "Entrant 4", false, rng);
  EXPECT_EQ(named.winner, "Entrant 4");
  EXPECT_NE(named.runner_up, "Entrant 4");  // a runner-up named like the winner is drawn again
  EXPECT_EQ(named.result, "Entrant 4 won the Battle Royal after last eliminating " + named.runner_up + ".");
  EXPECT_EQ(rv::createbattleroyal(entrants(5), "Entrant 2", "Entrant 0", true, rng).result,
            "Entrant 2 won the Grand Melee after last eliminating Entrant 0.");
}

TEST(BattleRoyalStory, GrandMeleeEntryOrderAndStays) {
  const int n = 9;
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    rv::Rng rng(seed);
    const auto s = rv::createbattleroyal(entrants(n), "Auto", "Auto", true, rng);
    std::vector<std::string> order;
    std::set<std::string> ring;
    std::map<std::string, rv::Num> stay, kills;
    bool all_in = false, open = false;
    std::size_t eliminable_at_start = 0, in_step = 0;
    const auto start = [&] {
      if (open) return;
      open = true;
      in_step = 0;
      eliminable_at_start = ring.size() - ring.count(s.winner) - ring.count(s.runner_up);
    };
    // Survivors of a step gain 3 stay; 4 when nobody in the ring could be thrown out.
    const auto close = [&] {
      if (!all_in) {
        EXPECT_LE(in_step, std::max<std::size_t>(eliminable_at_start, 1) - 1);
      }
      for (const auto& name : ring) stay[name] += eliminable_at_start == 0 ? 4 : 3;
      open = false;
    };
    const std::size_t last = final_line(s);
    for (std::size_t i = 0; i < last; ++i) {
      const auto& line = s.details[i];
      if (const auto at = line.text.find(enters); at != std::string::npos) {
        EXPECT_FALSE(all_in);
        EXPECT_EQ(line.text.substr(at + enters.size()), std::to_string(order.size() + 1));
        if (order.size() >= 2) start(), close();
        order.push_back(line.text.substr(0, at));
        ring.insert(order.back());
      } else if (const auto cut = line.text.find(by); cut != std::string::npos) {
        start();
        const std::string loser = line.text.substr(0, cut);
        stay[loser] += static_cast<rv::Num>(in_step++);
        ++kills[line.text.substr(cut + by.size())];
        ring.erase(loser);
        if (all_in) close();  // once everyone is in, every step throws out exactly one
      } else if (line.text == "All participants have now entered") {
        EXPECT_TRUE(line.highlighted);
        all_in = true;
      }
    }
    ASSERT_EQ(order.size(), static_cast<std::size_t>(n));
    EXPECT_TRUE(all_in);
    EXPECT_EQ(order.back(), "Entrant 8");  // the last row enters last
    EXPECT_EQ(ring, (std::set<std::string>{s.winner, s.runner_up}));
    stay[s.runner_up] += 1;
    stay[s.winner] += 2;
    ++kills[s.winner];
    for (int r = 0; r < n; ++r) {
      EXPECT_EQ(s.tallies[r].stay, stay["Entrant " + std::to_string(r)]) << seed;
      EXPECT_EQ(s.tallies[r].eliminations, kills["Entrant " + std::to_string(r)]) << seed;
    }
  }
}

TEST(BattleRoyalStory, TooFewEntrantsStillEnd) {
  rv::Rng rng(3);
  for (bool melee : {false, true}) {
    EXPECT_TRUE(rv::createbattleroyal({}, "Auto", "Auto", melee, rng).details.empty());
    const auto alone = rv::createbattleroyal(entrants(1), "Auto", "Auto", melee, rng);
    EXPECT_EQ(alone.winner, "Entrant 0");
    EXPECT_TRUE(alone.runner_up.empty());
    const auto pair = rv::createbattleroyal(entrants(2), "Nobody", "Auto", melee, rng);
    EXPECT_EQ(pair.details[final_line(pair)].text, pair.runner_up + by + pair.winner);
    const auto twins = rv::createbattleroyal({"Twin", "Twin", "Twin"}, "Auto", "Auto", melee, rng);
    EXPECT_EQ(twins.winner, "Twin");
  }
}

}  // namespace

// Suggested cards: complete, every worker once and from the roster, feuds booked, booked slots kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "shows/suggest.h"
#include "support/generated_world.h"
#include "support/world.h"

namespace {

std::vector<std::string> match_workers(const rv::Booking& b, std::size_t slot) {
  if (b.line(slot, rv::match::type) == rv::match_type::battle_royal) return b.battle_royal_entrants();
  std::vector<std::string> out;
  for (const auto& side : b.sides(slot)) out.insert(out.end(), side.begin(), side.end());
  return out;
}

// Checks the card a suggestion left: every slot booked, each worker once, all from the roster.
void expect_sound_card(const rv::Booking& b, const rv::SuggestResult& r, std::uint64_t seed) {
  EXPECT_TRUE(r.complete) << "seed " << seed;
  EXPECT_TRUE(b.can_confirm()) << "seed " << seed;
  std::set<std::string> roster, seen;
  for (const auto& w : b.roster()) roster.insert(w.name);
  for (std::size_t k = 1; k <= static_cast<std::size_t>(b.match_count()); ++k) {
    const auto names = match_workers(b, k);
    EXPECT_GE(names.size(), 2u) << "seed " << seed << " slot " << k;
    for (const auto& n : names) {
      EXPECT_TRUE(roster.count(n)) << n << " seed " << seed;
      EXPECT_TRUE(seen.insert(n).second) << n << " twice, seed " << seed;
    }
  }
}

bool meet(const rv::Booking& b, const std::vector<std::string>& one, const std::vector<std::string>& other) {
  auto same = [](std::vector<std::string> a, std::vector<std::string> c) {
    std::sort(a.begin(), a.end());
    std::sort(c.begin(), c.end());
    return a == c;
  };
  for (std::size_t k = 1; k <= static_cast<std::size_t>(b.match_count()); ++k) {
    const auto s = b.sides(k);
    if (s.size() == 2 && ((same(s[0], one) && same(s[1], other)) || (same(s[0], other) && same(s[1], one)))) return true;
  }
  return false;
}

TEST(SuggestCard, CardsAreCompleteWithEveryWorkerOnceFromTheRoster) {
  for (std::uint64_t seed = 1; seed <= 150; ++seed) {
    rv::Store s = rvtest::small_store();
    rv::Booking b(s, {});
    rv::Rng rng(seed);
    const auto r = suggest_card(b, s, rng);
    expect_sound_card(b, r, seed);
    EXPECT_EQ(b.match_count(), 5);  // ten workers fill five matches at most
  }
  rv::Store world = rvtest::generated_store(11, 460);
  const auto player = *world.player_index();
  std::string injured, holder = world.promotion(player).title(0).holder();
  for (std::size_t r = 0; r < world.worker_count(); ++r) {
    auto w = world.worker(r);
    if (w.promotion() != world.md(rv::md::player_initials) || w.name() == holder) continue;
    injured = w.name();
    w.set_injury("30");
    world.wrestlers.set(r, rv::Col::cond, std::string(rv::injured_condition));
    break;
  }
  ASSERT_FALSE(injured.empty());
  ASSERT_TRUE(world.find_worker(holder));
  world.promotion(player).title(0).put(rv::TitleField::gender_limit, world.worker(*world.find_worker(holder)).gender());
  world.promotion(player).title(0).put(rv::TitleField::brand, std::string(rv::brand_all));
  int defended = 0;
  for (std::uint64_t seed = 1; seed <= 120; ++seed) {
    rv::Booking b(world, {std::string(rv::brand_all), seed % 2 == 0});
    rv::Rng rng(seed);
    const auto r = suggest_card(b, world, rng);
    expect_sound_card(b, r, seed);
    EXPECT_FALSE(b.on_card(injured));
    for (std::size_t k = 1; k <= static_cast<std::size_t>(b.match_count()); ++k) {
      if (b.line(k, rv::match::title) != world.promotion(player).title(0).name()) continue;
      const auto names = match_workers(b, k);
      EXPECT_NE(std::find(names.begin(), names.end(), holder), names.end()) << "seed " << seed;
      ++defended;
    }
  }
  EXPECT_GT(defended, 0);  // the title is put on the line now and then
  EXPECT_LT(defended, 120);

  rv::Store big = rvtest::generated_store(30, 3000);
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    rv::Booking b(big, {std::string(rv::brand_all), true});
    rv::Rng rng(seed);
    expect_sound_card(b, suggest_card(b, big, rng), seed);
    EXPECT_EQ(b.match_count(), 10);
  }
}

TEST(SuggestCard, RunningFeudsMeetAndBookedSlotsStay) {
  for (std::uint64_t seed = 1; seed <= 80; ++seed) {
    rv::Store s = rvtest::small_store();
    for (std::size_t r = 10; r < 14; ++r) s.wrestlers.set(r, rv::Col::promotion, "RVA");  // room for both feuds
    rvtest::start_feud(s, "Alpha Worker 1", "Alpha Worker 2");
    const std::size_t tag = rv::md::feuds_first + rv::md::feud_size;
    s.set_md(tag + rv::feud::type, std::string(rv::feud::tag_team));
    const char* pairs[] = {"Alpha Worker 4", "Alpha Worker 5", "Alpha Worker 7", "Alpha Worker 8"};
    for (std::size_t i = 0; i < 4; ++i) s.set_md(tag + rv::feud::worker1 + i, pairs[i]);
    rv::Booking b(s, {});
    rv::Rng rng(seed);
    expect_sound_card(b, suggest_card(b, s, rng), seed);
    EXPECT_TRUE(meet(b, {"Alpha Worker 1"}, {"Alpha Worker 2"})) << "seed " << seed;
    EXPECT_TRUE(meet(b, {pairs[0], pairs[1]}, {pairs[2], pairs[3]})) << "seed " << seed;
  }

  // A card with its third match booked by hand keeps it; the rest is filled around it.
  for (std::uint64_t seed = 1; seed <= 60; ++seed) {
    rv::Store s = rvtest::small_store();
    rvtest::start_feud(s, "Alpha Worker 1", "Alpha Worker 2");
    rv::Booking b(s, {});
    ASSERT_TRUE(b.choose_count(5));
    ASSERT_TRUE(b.open_slot(3));
    for (const char* item : {"Singles", "None", "None", "Alpha Worker 1", "Alpha Worker 4", "Auto", "DQ"})
      ASSERT_TRUE(b.choose(item)) << item;
    const rv::Lines before = b.card();
    ASSERT_TRUE(b.open_slot(1));
    ASSERT_TRUE(b.choose("Women's Match"));  // left half booked
    rv::Rng rng(seed);
    expect_sound_card(b, suggest_card(b, s, rng), seed);
    for (std::size_t f = 0; f < rv::rec::match; ++f)
      EXPECT_EQ(b.line(3, f), before[2 * rv::rec::match + f]) << "seed " << seed;
  }

  // Too few workers or none at all: the suggestion stops with a note and a card still sound.
  rv::Store s = rvtest::small_store();
  s.wrestlers.set(5, rv::Col::injury, "30");
  s.wrestlers.set(5, rv::Col::cond, std::string(rv::injured_condition));
  rv::Booking short_roster(s, {});
  rv::Rng rng(3);
  const auto r = suggest_card(short_roster, s, rng);
  EXPECT_FALSE(r.complete);
  EXPECT_FALSE(r.notes.empty());
  EXPECT_FALSE(short_roster.on_card("Alpha Worker 5"));
  s.set_md(rv::md::player_initials, "ZZZ");
  rv::Booking nobody(s, {});
  EXPECT_FALSE(suggest_card(nobody, s, rng).complete);
}

}  // namespace

// Injuries from a match: the table's rolls and lengths, the words, the return date and the message.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "shows/injury.h"
#include "state/date.h"
#include "support/world.h"

namespace {

TEST(Injury, EveryRollGivesAnInjuryAndEveryLengthItsWords) {
  for (int r = 1; r <= rv::injury_roll_faces; ++r) {
    const auto& kind = rv::injury_for_roll(r);
    for (int face = 1; face <= kind.die; ++face) {
      const int days = rv::injury_days(kind, face);
      EXPECT_GT(days, 0) << kind.text << " face " << face;
      EXPECT_EQ(rv::injury_length_words(days).find("days"), std::string::npos) << days;
    }
  }
  EXPECT_EQ(rv::injury_length_words(168), "6 months");
  EXPECT_EQ(rv::injury_days(rv::injury_for_roll(38), 3), 60);  // a face without its own length
}

TEST(Injury, EveryRowAtItsFirstAndLastRollWithItsLengths) {
  // The length die's faces: with a die of 10, faces 1-5 give the first length, 6-9 the second
  // and 10 the third; otherwise face q gives length q. 0 marks a face without a length of its own.
  const struct {
    int first, last;
    const char* text;
    int die;
    std::array<int, 3> days;
  } rows[] = {
      {1, 7, "a mild concussion", 3, {7, 14, 21}},
      {8, 8, "a serious concussion", 3, {84, 140, 182}},
      {9, 13, "a broken nose", 2, {21, 30, 0}},
      {14, 14, "a broken jaw", 3, {30, 42, 60}},
      {15, 17, "a broken upper arm", 3, {30, 42, 0}},
      {18, 23, "a broken finger", 3, {7, 14, 0}},
      {24, 24, "a broken wrist", 3, {21, 30, 35}},
      {25, 27, "a broken forearm", 3, {14, 30, 0}},
      {28, 28, "a dislocated wrist", 3, {60, 84, 126}},
      {29, 31, "a dislocated elbow", 3, {60, 84, 0}},
      {32, 37, "a dislocated shoulder", 3, {60, 84, 0}},
      {38, 40, "a torn bicep", 3, {60, 0, 0}},
      {41, 43, "a torn tricep", 3, {60, 0, 0}},
      {44, 46, "a torn rotator cuff", 10, {60, 168, 224}},
      {47, 52, "a separated shoulder", 10, {60, 126, 182}},
      {53, 53, "a torn pectorialias", 10, {126, 140, 168}},
      {54, 54, "a broken sturnam", 3, {14, 21, 30}},
      {55, 57, "broken ribs", 3, {14, 21, 0}},
      {58, 65, "bruised ribs", 3, {14, 0, 0}},
      {66, 72, "a broken collarbone", 3, {14, 0, 0}},
      {73, 75, "bruised kidneys", 2, {14, 0, 0}},
      {76, 76, "torn abdominal muscles", 3, {60, 84, 112}},
      {77, 77, "a torn quad", 3, {112, 168, 224}},
      {78, 80, "a pulled quad", 3, {14, 30, 42}},
      {81, 86, "a torn hamstring", 3, {60, 84, 0}},
      {87, 94, "a pulled hamstring", 3, {14, 21, 0}},
      {95, 95, "a dislocated kneecap", 10, {112, 210, 280}},
      {96, 101, "a hyperextended knee", 3, {7, 14, 0}},
      {102, 107, "a torn MCL", 3, {112, 140, 0}},
      {108, 113, "a torn ACL", 10, {112, 140, 0}},
      {114, 116, "a torn PCL", 10, {112, 140, 168}},
      {117, 119, "a torn calf", 3, {60, 84, 0}},
      {120, 125, "a pulled calf", 2, {14, 21, 0}},
      {126, 133, "a strained calf", 2, {7, 14, 0}},
      {134, 139, "a broken foot", 3, {30, 42, 60}},
      {140, 145, "a broken toe", 3, {14, 21, 30}},
      {146, 151, "a broken ankle", 3, {30, 60, 84}},
  };
  for (const auto& r : rows) {
    for (int roll : {r.first, r.last}) {
      const auto& kind = rv::injury_for_roll(roll);
      EXPECT_EQ(kind.text, r.text) << roll;
      EXPECT_EQ(kind.die, r.die) << roll;
    }
    const auto& kind = rv::injury_for_roll(r.first);
    const std::vector<std::pair<int, int>> faces =
        r.die == 10 ? std::vector<std::pair<int, int>>{{1, 0}, {5, 0}, {6, 1}, {9, 1}, {10, 2}}
                    : std::vector<std::pair<int, int>>{{1, 0}, {2, 1}, {3, 2}};
    for (const auto& [face, length] : faces) {
      if (face > r.die || r.days[static_cast<std::size_t>(length)] == 0) continue;
      EXPECT_EQ(rv::injury_days(kind, face), r.days[static_cast<std::size_t>(length)]) << r.text << " face " << face;
    }
  }
}

TEST(Injury, TheReturnDateRunsOverMonthAndYearEnds) {
  EXPECT_EQ(rv::injury_return_text({0, 25, 11, 2006}, 14), "early January");
  EXPECT_EQ(rv::injury_return_text({0, 28, 1, 2008}, 7), "early March");  // 2008 has a 29th
  EXPECT_EQ(rv::injury_return_text({0, 5, 5, 2007}, 10), "mid-June");
  EXPECT_EQ(rv::injury_return_text({0, 20, 2, 2007}, 280), "late December");

  rv::Store s = rvtest::small_store();
  rv::Rng rng(9);
  const auto before = s.message_count();
  const auto injury = rv::createinjury(s, "Alpha Worker 2", rng);
  ASSERT_EQ(s.message_count(), before + 1);
  const auto m = s.message(before);
  EXPECT_EQ(m.at(rv::msg::subject), "Alpha Worker 2 Injured");
  EXPECT_EQ(m.at(rv::msg::body), "Alpha Worker 2 was injured at the last show and will be out of action for " +
                                     injury.words + " with " + injury.text + ".");
}

}  // namespace

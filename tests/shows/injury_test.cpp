// Injuries from a match: the table's rolls and lengths, the words, the return date and the message.
#include <gtest/gtest.h>

#include <set>

#include "shows/injury.h"
#include "state/date.h"
#include "support/world.h"

namespace {

TEST(Injury, EveryRollGivesAnInjuryAndEveryLengthItsWords) {
  std::set<std::string> texts;
  int serious = 0;
  for (int r = 1; r <= rv::injury_roll_faces; ++r) {
    const auto& kind = rv::injury_for_roll(r);
    texts.insert(std::string(kind.text));
    if (kind.text == "a serious concussion") ++serious;
    for (int face = 1; face <= kind.die; ++face) {
      const int days = rv::injury_days(kind, face);
      EXPECT_GT(days, 0) << kind.text << " face " << face;
      EXPECT_EQ(rv::injury_length_words(days).find("days"), std::string::npos) << days;
    }
  }
  EXPECT_EQ(texts.size(), 37u);
  EXPECT_EQ(serious, 1);
  EXPECT_EQ(rv::injury_for_roll(151).text, "a broken ankle");
  const auto& pec = rv::injury_for_roll(53);
  EXPECT_EQ(rv::injury_days(pec, 10), 168);
  EXPECT_EQ(rv::injury_length_words(168), "6 months");
  EXPECT_EQ(rv::injury_days(pec, 6), 140);
  EXPECT_EQ(rv::injury_days(pec, 9), 140);
  EXPECT_EQ(rv::injury_days(rv::injury_for_roll(38), 3), 60);  // a face without its own length
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

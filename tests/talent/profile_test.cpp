// A worker's profile: role changes and their morale, planned turns, edited names and details,
// and the lines about the worker's career and mood.
#include <gtest/gtest.h>

#include <cctype>

#include "support/days.h"
#include "support/world.h"
#include "talent/profile.h"

namespace {

using rvtest::worker;

struct Profile : ::testing::Test {
  rv::Store s = rvtest::small_store();
  static constexpr rv::Num level = 70;
  void SetUp() override { s.promotion(0).set(rv::prom::reference_level, std::to_string(level)); }
  rv::Worker at(const std::string& name, rv::Num pop, rv::Num morale, const std::string& role) {
    auto w = worker(s, name);
    w.set_pop(pop); w.set_morale(morale); w.set_roles(role);
    return w;
  }
};

TEST_F(Profile, RoleChangesMoveMorale) {
  // The morale after a move from role `from` to role `to`.
  const auto after = [&](rv::Num pop, rv::Num morale, const char* from, int to) {
    auto w = at("Alpha Worker 7", pop, morale, from);
    rv::change_role(s, w.row(), to);
    EXPECT_EQ(w.roles(), std::to_string(to));
    return w.morale();
  };
  EXPECT_EQ(after(level, 50, "2", 1), 25);
  ASSERT_EQ(s.message_count(), 1u);
  EXPECT_EQ(s.message(0).at(rv::msg::body), "Alpha Worker 7 is unhappy at being relegated to lower card status.");
  EXPECT_EQ(after(level + 1, 50, "3", 1), 15);
  ASSERT_EQ(s.message_count(), 2u);
  EXPECT_EQ(s.message(1).at(rv::msg::body), "Alpha Worker 7 is very unhappy at being relegated to lower card status.");
  EXPECT_EQ(after(level - 16, 50, "2", 1), 45);
  EXPECT_EQ(s.message_count(), 2u);
  EXPECT_EQ(after(level - 40, 50, "1", 2), 85);
  EXPECT_EQ(after(level - 40, 30, "1", 3), 90);
  EXPECT_EQ(after(level + 1, 50, "1", 2), 40);
  EXPECT_EQ(after(level - 40, 90, "1", 3), 100);
  EXPECT_EQ(after(level + 10, 10, "3", 1), 0);

  const std::size_t complaints = s.message_count();
  worker(s, "Alpha Worker 7").set_ringstyle("Non-Worker");
  EXPECT_EQ(after(level + 20, 50, "3", 1), 50);
  EXPECT_EQ(s.message_count(), complaints);
}

TEST_F(Profile, PlanningAndScrappingATurn) {
  auto w = at("Alpha Worker 1", level, 50, "2");
  EXPECT_EQ(rv::turn_question(s, w.row()), "Turn Alpha Worker 1 Heel?");
  EXPECT_EQ(rv::disposition_text(s, w.row()), "Face");
  rv::answer_turn_question(s, w.row());
  ASSERT_EQ(s.turns.size(), 6u);
  EXPECT_EQ(s.turns[rv::turn::disposition], "Heel");
  EXPECT_EQ(s.turns[rv::turn::standing], "Upper");
  EXPECT_EQ(rv::disposition_text(s, w.row()), "Turning Heel");
  EXPECT_NE(rv::turn_question(s, w.row()).find("scrap"), std::string::npos);

  // Standing by popularity against the level: 60 is still mid card, 59 lower.
  at("Alpha Worker 2", level - 10, 50, "2");
  auto heel = at("Alpha Worker 4", level - 11, 50, "2");
  heel.set_faceheel("Heel");
  EXPECT_EQ(rv::turn_question(s, heel.row()), "Turn Alpha Worker 4 Face?");
  rv::answer_turn_question(s, worker(s, "Alpha Worker 2").row());
  rv::answer_turn_question(s, heel.row());
  ASSERT_EQ(s.turns.size(), 18u);
  EXPECT_EQ(s.turns[6 + rv::turn::standing], "Mid");
  EXPECT_EQ(s.turns[12 + rv::turn::disposition], "Face");
  EXPECT_EQ(s.turns[12 + rv::turn::standing], "Lower");

  EXPECT_EQ(rv::answer_turn_question(s, w.row()), "Plans to turn Alpha Worker 1 have now been scrapped.");
  EXPECT_EQ(s.turns.size(), 12u);
  EXPECT_FALSE(rv::planned_turn(s, "Alpha Worker 1"));
  EXPECT_EQ(rv::planned_turn(s, "Alpha Worker 4"), "Face");
  EXPECT_EQ(rv::turn_question(s, w.row()), "Turn Alpha Worker 1 Heel?");
}

TEST_F(Profile, RenameReachesEveryPlaceThatNamesTheWorker) {
  const std::size_t row = worker(s, "Alpha Worker 1").row();
  s.promotion(0).title(0).set_holder("Alpha Worker 1");
  worker(s, "Alpha Worker 5").set_manager("Alpha Worker 1");
  rvtest::start_feud(s, "Alpha Worker 2", "Alpha Worker 1");
  rv::answer_turn_question(s, row);
  rv::append_record(s.negotiations, {"Alpha Worker 1", "RVA", "900", "2", "January 2009", "No", "4", "0", "0", "-"});

  const rv::Store before = s;
  for (const std::string bad : {"", "Alpha Worker 2", "Beta Worker 3", "New\nName"}) {
    EXPECT_FALSE(rv::rename_worker(s, row, bad).ok()) << bad;
  }
  EXPECT_EQ(s.wrestlers.to_lines(), before.wrestlers.to_lines());
  EXPECT_EQ(s.maindata, before.maindata);

  ASSERT_TRUE(rv::rename_worker(s, row, "Night Hawk").ok());
  EXPECT_EQ(s.worker(row).name(), "Night Hawk");
  EXPECT_FALSE(s.find_worker("Alpha Worker 1"));
  EXPECT_EQ(s.promotion(0).title(0).holder(), "Night Hawk");
  EXPECT_EQ(worker(s, "Alpha Worker 5").manager(), "Night Hawk");
  EXPECT_EQ(s.md(rv::md::feuds_first + rv::feud::worker1), "Alpha Worker 2");
  EXPECT_EQ(s.md(rv::md::feuds_first + rv::feud::worker2), "Night Hawk");
  EXPECT_EQ(rv::planned_turn(s, "Night Hawk"), "Heel");
  EXPECT_EQ(s.negotiations[rv::neg::name], "Night Hawk");
}

// "Vacant" holds a free title and "no" a worker without a manager: a rename must neither write a
// name into those places nor, from a worker wrongly called so, pull them along with him.
TEST_F(Profile, ARenameNeverTradesInTheTablesOwnWords) {
  const std::size_t row = worker(s, "Alpha Worker 1").row();
  worker(s, "Alpha Worker 5").set_manager("no");
  ASSERT_EQ(s.promotion(0).title(0).holder(), "Vacant");
  const rv::Store before = s;
  for (const std::string& name : std::vector<std::string>{"Vacant", "no", "NONE", "Alpha Worker 2 (CHAMPION)", "alpha worker 2",
                                                          std::string(61, 'k')})
    EXPECT_FALSE(rv::rename_worker(s, row, name).ok()) << name;
  EXPECT_EQ(s.wrestlers.to_lines(), before.wrestlers.to_lines());
  EXPECT_EQ(s.promotions, before.promotions);

  // A worker a damaged file called "Vacant" is renamed alone.
  s.worker(row).set_names("Vacant");
  ASSERT_TRUE(rv::rename_worker(s, row, "Night Hawk").ok());
  EXPECT_EQ(s.worker(row).name(), "Night Hawk");
  EXPECT_EQ(s.promotion(0).title(0).holder(), "Vacant");
  EXPECT_EQ(s.promotion(1).title(0).holder(), "Vacant");
  s.worker(row).set_names("no");
  ASSERT_TRUE(rv::rename_worker(s, row, "Night Owl").ok());
  EXPECT_EQ(worker(s, "Alpha Worker 5").manager(), "no");
}

TEST_F(Profile, EditedNamesAndFinisherAreChecked) {
  const std::size_t row = worker(s, "Alpha Worker 1").row();
  worker(s, "Alpha Worker 0").set_shortname("Ace");
  const rv::Lines before = s.wrestlers.to_lines();
  const auto refused = [&](const rv::Status& r, const std::string& message) {
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error(), message);
    EXPECT_EQ(s.wrestlers.to_lines(), before);
  };
  refused(rv::set_short_name(s, row, "Ace"), "That short name is already in use in this game.");
  refused(rv::set_finisher(s, row, "The Hammer"), "Do not start the finisher name with 'The'!");
  for (const std::string type : {"x", "", "ps"}) {
    refused(rv::set_finisher_type(s, row, type), "Finisher Type must be either p, t or s.");
  }

  ASSERT_TRUE(rv::set_short_name(s, row, "Hawk").ok());
  EXPECT_EQ(s.worker(row).shortname(), "Hawk");
  ASSERT_TRUE(rv::set_finisher(s, row, "Theory Drop").ok());
  EXPECT_EQ(s.worker(row).finisher(), "Theory Drop");
  for (const std::string type : {"p", "t", "s"}) {
    ASSERT_TRUE(rv::set_finisher_type(s, row, type).ok());
    EXPECT_EQ(s.worker(row).finishertype(), type);
  }
}

TEST_F(Profile, NamesUsedBefore) {
  const rv::Lines records = {"Alpha Worker 1", "Old One", "Old Two", "-",  //
                             "Someone", "-", "Else", "-"};
  EXPECT_EQ(rv::alter_ego_note(records, "Alpha Worker 1"), "Names this worker has used before: Old One, Old Two.");
  EXPECT_EQ(rv::alter_ego_note(records, "Old Two"), "Names this worker has used before: Alpha Worker 1, Old One.");
  EXPECT_EQ(rv::alter_ego_note(records, "Else"), "Names this worker has used before: Someone.");
  EXPECT_EQ(rv::alter_ego_note(records, "Nobody"), "");
  EXPECT_EQ(rv::alter_ego_note({}, "Alpha Worker 1"), "");
}

TEST_F(Profile, CareerAndMoodOfAWomanSpeakOfHer) {
  auto w = worker(s, "Alpha Worker 3");
  ASSERT_TRUE(w.is_female());
  const auto male_word = [](std::string text) {  // "he", "his" or "him" as a word of its own
    for (char& c : text) c = std::isalpha(static_cast<unsigned char>(c)) ? static_cast<char>(std::tolower(c)) : ' ';
    text = " " + text + " ";
    return text.find(" he ") != std::string::npos || text.find(" his ") != std::string::npos ||
           text.find(" him ") != std::string::npos;
  };
  w.set_retire("D");
  EXPECT_EQ(rv::career_line(s, w.row()), "Alpha Worker 3 has announced her retirement as an active worker.");
  w.set_morale(55);
  EXPECT_NE(rv::morale_line(s, w.row()).find("She is not happy with the way she's been used here."), std::string::npos);
  for (rv::Num m = 0; m <= 100; m += 5) {
    w.set_morale(m);
    EXPECT_FALSE(male_word(rv::morale_line(s, w.row()))) << m;
    EXPECT_NE(rv::morale_line(s, w.row()).find("She "), std::string::npos) << m;
  }
}

}  // namespace

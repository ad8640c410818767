// The workers' lives: healing, condition, wages, popularity drift, retirements, new talent.
#include <gtest/gtest.h>

#include <set>

#include "state/names.h"
#include "cycle/workers.h"
#include "state/invariants.h"
#include "support/days.h"
#include "support/world.h"

namespace {

using rvtest::worker;

struct Workers : ::testing::Test {
  rv::Store s = rvtest::small_store();
  rv::Game game{rvtest::small_store(), rv::Rng(3), "t"};
};

TEST_F(Workers, InjuriesHealAndReturnsAreReported) {
  worker(s, "Alpha Worker 1").set_injury("1");
  worker(s, "Alpha Worker 1").set(rv::Col::cond, "Inj");
  worker(s, "Alpha Worker 1").set_status("Broken Arm");
  worker(s, "Beta Worker 1").set_injury("1");
  worker(s, "Beta Worker 1").set_cond(60);
  worker(s, "Alpha Worker 2").set_injury("4");
  rv::injurychange(s);
  EXPECT_EQ(worker(s, "Alpha Worker 1").injury(), "0");
  EXPECT_EQ(worker(s, "Alpha Worker 1").text(rv::Col::cond), "85");
  EXPECT_EQ(worker(s, "Alpha Worker 1").status(), "");
  EXPECT_EQ(worker(s, "Beta Worker 1").text(rv::Col::cond), "60");
  const auto back = rvtest::message_with(s, "Alpha Worker 1 Returns");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->at(rv::msg::body), "Alpha Worker 1 is now available again.");
  EXPECT_FALSE(rvtest::message_with(s, "Beta Worker 1 Returns"));
  const auto soon = rvtest::message_with(s, "Upcoming Returns");
  ASSERT_TRUE(soon);
  EXPECT_EQ(soon->at(rv::msg::body), "Alpha Worker 2 will return to action in a few days.");

  // Several are listed in one message; another promotion's worker is not the player's news.
  rv::Store t = rvtest::small_store();
  for (const char* name : {"Alpha Worker 2", "Alpha Worker 5", "Beta Worker 5"}) worker(t, name).set_injury("4");
  rv::injurychange(t);
  const auto several = rvtest::message_with(t, "Upcoming Returns");
  ASSERT_TRUE(several);
  EXPECT_EQ(several->at(rv::msg::body2), "Alpha Worker 2, Alpha Worker 5.");
}

TEST_F(Workers, ConditionReturnsByYearsLeftInTheRing) {
  const std::vector<std::pair<std::string, int>> cases = {{"5", 1}, {"6", 2}, {"10", 2}, {"11", 3}, {"20", 3}, {"21", 4}, {"D", 1}};
  for (std::size_t i = 0; i < cases.size(); ++i) {
    auto w = worker(s, "Alpha Worker " + std::to_string(i));
    w.set_retire(cases[i].first);
    w.set_cond(50);
  }
  worker(s, "Beta Worker 0").set_cond(99);
  worker(s, "Beta Worker 0").set_retire("30");
  worker(s, "Beta Worker 1").set_injury("2");
  worker(s, "Beta Worker 1").set(rv::Col::cond, "Inj");
  rv::recover_condition(s);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(worker(s, "Alpha Worker " + std::to_string(i)).cond(), 50 + cases[i].second) << cases[i].first;
  }
  EXPECT_EQ(worker(s, "Beta Worker 0").cond(), 100);
  EXPECT_EQ(worker(s, "Beta Worker 1").text(rv::Col::cond), "Inj");
}

TEST_F(Workers, TheWeeklyWageBill) {
  worker(s, "Alpha Worker 0").set_wages(12345);
  worker(s, "Beta Worker 2").set_multiproms("RVA");  // works for the player too, but is paid by RVB
  const rv::Num before = s.promotion(0).balance();
  EXPECT_EQ(rv::paywages(s), 12345 + 9 * 2000);
  EXPECT_EQ(s.promotion(0).balance(), before - 30345);
  const auto m = rvtest::message_with(s, "Wages");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->at(rv::msg::body), "The total amount of wages paid this week was $30,345.");
}

rv::Num drift(rv::Store& s, const std::string& gender, int pop, int morale, int charisma = 50, int mic = 50) {
  auto w = worker(s, "Free Worker 0");
  w.set_gender(gender);
  w.set_pop(pop);
  w.set_morale(morale);
  w.set_charisma(charisma);
  w.set_micskills(mic);
  return rv::drifted_pop(std::as_const(s).worker(w.row()));
}

TEST_F(Workers, DriftAtEveryEdgeOfMoraleAndPopularity) {
  const struct {
    const char* gender;
    int pop, morale, charisma, mic, after;
  } rows[] = {
      {"Male", 50, 39, 50, 50, 47},   {"Male", 50, 40, 50, 50, 50},   {"Male", 50, 79, 50, 50, 50},
      {"Male", 50, 80, 50, 50, 51},   {"Male", 50, 89, 50, 50, 51},   {"Male", 50, 90, 50, 50, 55},
      {"Male", 60, 90, 50, 50, 63},   {"Male", 69, 90, 50, 50, 72},   {"Male", 70, 90, 50, 50, 72},
      {"Male", 79, 90, 50, 50, 81},   {"Male", 80, 90, 50, 50, 81},   {"Male", 89, 90, 50, 50, 90},
      {"Male", 90, 90, 50, 50, 90},   {"Male", 90, 90, 80, 80, 91},   {"Male", 96, 99, 80, 79, 96},
      {"Male", 96, 99, 79, 80, 96},   {"Male", 96, 85, 50, 50, 97},   {"Male", 97, 85, 50, 50, 97},
      {"Male", 97, 30, 50, 50, 97},   {"Male", 96, 30, 50, 50, 93},   {"Female", 79, 90, 50, 50, 81},
      {"Female", 80, 90, 50, 50, 81}, {"Female", 83, 90, 99, 99, 84}, {"Female", 84, 90, 99, 99, 84},
      {"Female", 84, 30, 50, 50, 84}, {"Female", 83, 30, 50, 50, 80}, {"Female", 83, 85, 50, 50, 84},
      {"Male", 59, 90, 50, 50, 64},   {"Male", 96, 95, 80, 80, 97},   {"Male", 97, 95, 90, 90, 97},
      {"Male", 21, 10, 50, 50, 18},   {"Male", 20, 10, 50, 50, 20},   {"Male", 5, 50, 50, 50, 10},
  };
  for (const auto& r : rows)
    EXPECT_EQ(drift(s, r.gender, r.pop, r.morale, r.charisma, r.mic), r.after)
        << r.gender << " pop " << r.pop << " morale " << r.morale;
}

TEST_F(Workers, TheRetiredAndNonWorkersDoNotDrift) {
  worker(s, "Alpha Worker 0").set_morale(95);
  worker(s, "Alpha Worker 0").set_retire("R");
  worker(s, "Alpha Worker 1").set_morale(95);
  worker(s, "Alpha Worker 1").set_ringstyle("Non-Worker");
  worker(s, "Alpha Worker 2").set_morale(95);
  rv::changedrawvalues(s);
  EXPECT_EQ(worker(s, "Alpha Worker 0").pop(), 50);
  EXPECT_EQ(worker(s, "Alpha Worker 1").pop(), 50);
  EXPECT_EQ(worker(s, "Alpha Worker 2").pop(), 55);
}

TEST_F(Workers, RetirementsAnnouncedAndTaken) {
  rv::Store& g = game.store;
  worker(g, "Alpha Worker 0").set_retire("D");
  worker(g, "Alpha Worker 1").set_retire("R");
  for (std::size_t r = 0; r < g.worker_count(); ++r) {
    if (g.worker(r).retire() != "D" && g.worker(r).retire() != "R") g.worker(r).set_retire("0");
  }
  for (int month = 0; month < 30; ++month) rv::retirements(game);
  EXPECT_EQ(worker(g, "Alpha Worker 0").retire(), "R");
  const auto gone = rvtest::message_with(g, "Alpha Worker 0 Retires");
  ASSERT_TRUE(gone);
  EXPECT_EQ(gone->at(rv::msg::body), "Alpha Worker 0 has now retired as an in-ring performer.");
  int announced = 0;
  for (std::size_t i = 0; i < g.message_count(); ++i) {
    const auto m = g.message(i);
    const std::string& subject = m.at(rv::msg::subject);
    if (subject.find(" Announces Retirement") == std::string::npos) continue;
    ++announced;
    const std::string name = subject.substr(0, subject.find(" Announces"));
    const bool players = worker(g, name).promotion() == "RVA";
    EXPECT_EQ(m.at(rv::msg::sender), players ? "Road Agents" : "Talent Scout");
    const std::string form = worker(g, name).is_male() ? " he will" : " she will";
    EXPECT_EQ(m.at(rv::msg::body), name + " has announced" + form + " retire as an in-ring performer at the end of the month.");
  }
  // 22 workers drawing 1 in 20 for up to 30 months: most, but hardly all, announce.
  EXPECT_GT(announced, 5);
  EXPECT_FALSE(rvtest::message_with(g, "Alpha Worker 1 Retires"));
}

TEST_F(Workers, CareersCountDownInJanuary) {
  worker(s, "Alpha Worker 0").set_retire("3");
  worker(s, "Alpha Worker 1").set_retire("0");
  worker(s, "Alpha Worker 2").set_retire("D");
  rv::count_down_careers(s);
  EXPECT_EQ(worker(s, "Alpha Worker 0").retire(), "2");
  EXPECT_EQ(worker(s, "Alpha Worker 1").retire(), "0");
  EXPECT_EQ(worker(s, "Alpha Worker 2").retire(), "D");
}

TEST_F(Workers, GeneratedWorkersJoinTheWorldAsFreeAgents) {
  rv::Store& g = game.store;
  const std::size_t before = g.worker_count();
  for (int i = 0; i < 300; ++i) ASSERT_TRUE(rv::generatewrestler(game));
  EXPECT_EQ(g.worker_count(), before + 300);
  EXPECT_TRUE(rv::check_store(g).empty());  // every column the same length, every name unique
  int women = 0;
  for (std::size_t r = before; r < g.worker_count(); ++r) {
    const auto w = std::as_const(g).worker(r);
    EXPECT_EQ(w.promotion(), "Free Agent");
    EXPECT_EQ(w.expires(), "January 2008");
    EXPECT_EQ(w.desc(), "Debuted on the indy circuit in 2007.");
    EXPECT_GE(w.pop(), 25);
    EXPECT_LE(w.pop(), 50);
    EXPECT_GE(w.wages(), 200);
    EXPECT_LE(w.wages(), 400);
    EXPECT_EQ(w.retire(), "25");
    EXPECT_EQ(w.morale(), 75);
    EXPECT_EQ(w.shortname(), w.name().substr(0, 1) + ". " + w.name().substr(w.name().find(' ') + 1));
    bool style_found = false;
    for (const auto& st : rv::ring_styles) {
      const bool female = w.is_female();
      if ((female ? st.female_style : st.style) != w.ringstyle()) continue;
      if (w.ent() < st.ent_low || w.ent() > st.ent_high) continue;
      style_found = true;
    }
    EXPECT_TRUE(style_found) << w.ringstyle() << " " << w.ent();
    const bool light_style = w.ringstyle() == "High Flyer" || w.ringstyle() == "Cruiserweight";
    EXPECT_EQ(w.weight(), light_style || w.is_female() ? "Light" : "Heavy");
    EXPECT_TRUE(w.ringstyle() != "Hardcore" || w.hardcore() >= 70);
    EXPECT_FALSE(w.finisher().empty());
    women += w.is_female();
  }
  EXPECT_GT(women, 30);
  EXPECT_LT(women, 100);
}

TEST_F(Workers, AProspectWithATakenNameLeavesTheCampEmpty) {
  rv::newprospect(game);
  rv::Store& g = game.store;
  EXPECT_FALSE(g.md(rv::md::prospect_name).empty());
  EXPECT_TRUE(g.md(rv::md::prospect_gender) == "Male" || g.md(rv::md::prospect_gender) == "Female");
  EXPECT_FALSE(g.find_worker(g.md(rv::md::prospect_name)));
  // Every name the camp can draw is taken.
  for (const auto& first : rv::male_first_names) {
    for (const auto& last : rv::surnames) g.wrestlers.add(rvtest::worker_row(std::string(first) + " " + std::string(last), "Free Agent"));
  }
  for (const auto& first : rv::female_first_names) {
    for (const auto& last : rv::surnames) g.wrestlers.add(rvtest::worker_row(std::string(first) + " " + std::string(last), "Free Agent"));
  }
  rv::newprospect(game);
  for (std::size_t line = rv::md::prospect_first; line <= rv::md::prospect_last; ++line) EXPECT_EQ(g.md(line), "") << line;
  EXPECT_FALSE(rv::generatewrestler(game));
}

TEST_F(Workers, BadPublicityFromAnUnhappyStar) {
  rv::Store& g = game.store;
  worker(g, "Alpha Worker 1").set_morale(39);  // pop 50 >= level 50 - 5
  worker(g, "Alpha Worker 2").set_morale(39);
  worker(g, "Alpha Worker 2").set_pop(44);     // too small a name
  g.promotion(0).set_popularity(50);
  rv::bad_publicity(game);
  const auto m = rvtest::message_with(g, "Bad Publicity");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->at(rv::msg::body).rfind("Alpha Worker 1 has given an interview with an internet news site", 0), 0u);
  EXPECT_EQ(g.promotion(0).popularity(), 44);
  g.promotion(0).set(rv::prom::size_level, "2");
  rv::bad_publicity(game);
  EXPECT_EQ(g.promotion(0).popularity(), 44);
}

TEST_F(Workers, StaleTurnsCostPopularity) {
  s.set_md(rv::md::turn_freshness, "0");
  s.promotion(0).set_popularity(1);
  rv::stale_turns(s);
  EXPECT_EQ(s.promotion(0).popularity(), 1);
  EXPECT_TRUE(rvtest::message_with(s, "Turns"));
  s.set_md(rv::md::turn_freshness, "5");
  s.promotion(0).set_popularity(40);
  rv::stale_turns(s);
  EXPECT_EQ(s.promotion(0).popularity(), 39);
  EXPECT_EQ(rvtest::count_of(rvtest::subjects(s), "Turns"), 1);
  rvtest::set_date(s, "Wednesday", 3, "January", 2007);
  s.set_md(rv::md::turn_freshness, "100");
  rv::refresh_turns(s);
  EXPECT_EQ(s.md(rv::md::turn_freshness), "100");
}

}  // namespace

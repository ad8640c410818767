#include <gtest/gtest.h>

#include "state/inbox.h"
#include "support/world.h"

namespace {

TEST(Inbox, PostingListingAndTheUnreadCounter) {
  rv::Store s = rvtest::small_store();
  rv::post_info(s, "Board Of Directors", "Weekly Review", "Keep it up.");
  rv::post_message(s, "Tuesday 2nd January 2007", rvtest::rival_offer("Alpha Worker 1", "RVB", 3));
  s.newslist.insert(s.newslist.end(), rv::rec::message, "");  // a record without a sender is ignored
  ASSERT_EQ(s.newslist.size(), 36u);
  const auto rows = rv::inbox_rows(s);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1].first_line, 12u);
  EXPECT_EQ(rows[1].received, "Tuesday 2nd January 2007");
  EXPECT_TRUE(rows[0].unread);
  EXPECT_EQ(rv::inbox_caption(s), "Inbox (2)");

  auto opened = rv::open_message(s, 0);
  ASSERT_TRUE(opened);
  EXPECT_EQ(opened->text, "Keep it up.");
  EXPECT_EQ(opened->answers, rv::Answers::delete_only);
  EXPECT_EQ(rv::inbox_caption(s), "Inbox (1)");
  EXPECT_FALSE(rv::inbox_rows(s)[0].unread);
  EXPECT_FALSE(rv::open_message(s, 24));  // the empty record
  EXPECT_FALSE(rv::open_message(s, 5));   // not the start of a record
}

TEST(Inbox, MessageTextAndAnswersByKind) {
  rv::Store s = rvtest::small_store();
  rv::NewMessage m;
  m.sender = "Road Agent";
  m.subject = "Release Request";
  m.body = "Beta Worker 1 is unhappy.";
  m.body3 = "Third paragraph.";
  m.kind = "RELEASE";
  m.days_left = 6;
  rv::post_message(s, "Monday 1st January 2007", m);
  rv::post_message(s, "Monday 1st January 2007", rvtest::rival_offer("Alpha Worker 2", "RVB", 2));
  rv::post_message(s, "Monday 1st January 2007", rvtest::rival_offer("Alpha Worker 3", "RVB", 0));
  EXPECT_EQ(rv::open_message(s, 0)->text, "Beta Worker 1 is unhappy.\n\nThird paragraph.");
  EXPECT_EQ(rv::open_message(s, 0)->answers, rv::Answers::yes_no);
  EXPECT_EQ(rv::open_message(s, 12)->answers, rv::Answers::accept_decline);
  EXPECT_EQ(rv::open_message(s, 24)->answers, rv::Answers::delete_only);  // lapsed
}

TEST(Inbox, CountdownLapsesOffers) {
  rv::Store s = rvtest::small_store();
  rv::post_message(s, "Monday 1st January 2007", rvtest::rival_offer("Alpha Worker 1", "RVB", 2));
  rv::post_info(s, "Front Office", "Note", "Hello");
  rv::count_down_messages(s);
  EXPECT_EQ(s.newslist[rv::msg::days_left], "1");
  EXPECT_EQ(s.newslist[rv::msg::body2], "");
  rv::count_down_messages(s);
  EXPECT_EQ(s.newslist[rv::msg::days_left], "0");
  EXPECT_EQ(s.newslist[rv::msg::body2], rv::offer_withdrawn_text);
  EXPECT_EQ(rv::answers_for(s, 0), rv::Answers::delete_only);
  rv::count_down_messages(s);
  EXPECT_EQ(s.newslist[rv::msg::days_left], "0");
  EXPECT_EQ(s.newslist[12 + rv::msg::days_left], "0");
}

TEST(Inbox, DeleteAllKeepsUnreadAndWaitingMessages) {
  rv::Store s = rvtest::small_store();
  EXPECT_TRUE(rv::inbox_empty(s));
  rv::post_info(s, "Front Office", "Unread note", "a");
  rv::post_info(s, "Front Office", "Read note", "b");
  rv::post_message(s, "Monday 1st January 2007", rvtest::rival_offer("Alpha Worker 1", "RVB", 3));
  rv::post_message(s, "Monday 1st January 2007", rvtest::rival_offer("Alpha Worker 2", "RVB", 0));
  rv::open_message(s, 12);
  rv::open_message(s, 24);
  rv::open_message(s, 36);
  EXPECT_EQ(rv::delete_all_messages(s), 2u);
  const auto rows = rv::inbox_rows(s);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].subject, "Unread note");
  EXPECT_EQ(rows[1].subject, "Offer For Alpha Worker 1");

  EXPECT_TRUE(rv::delete_message(s, 12));
  EXPECT_EQ(rv::inbox_rows(s).size(), 1u);
  EXPECT_FALSE(rv::delete_message(s, 7));
  EXPECT_FALSE(rv::delete_message(s, 120));
}

}  // namespace

TEST(Inbox, WorkersNamedInAMessageStandAloneAndTheLongestNameWins) {
  rv::Store s = rvtest::small_store();  // "Alpha Worker 0" to "Alpha Worker 9" among others
  s.wrestlers.set(2, rv::Col::names, "Alpha Worker 1 Junior");
  struct Case {
    std::string text;
    std::vector<std::pair<std::size_t, std::string>> named;
  };
  const std::vector<Case> cases = {
      {"Alpha Worker 1 Junior beat Alpha Worker 1.", {{0, "Alpha Worker 1 Junior"}, {27, "Alpha Worker 1"}}},
      {"Alpha Worker 12 is nobody; XAlpha Worker 2 neither.", {}},
      {"(Alpha Worker 3)", {{1, "Alpha Worker 3"}}},
      {"", {}},
  };
  for (const Case& c : cases) {
    std::vector<std::pair<std::size_t, std::string>> named;
    for (const auto& m : rv::worker_mentions(s, c.text)) named.emplace_back(m.at, m.worker);
    EXPECT_EQ(named, c.named) << c.text;
  }
}

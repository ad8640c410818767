// The inbox screen: the grid, opening, answers by kind, Delete and Delete All.
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>

#include <QUrl>

#include "fixture.h"
#include "screens/cycle/inboxscreen.h"
#include "screens/cycle/mainscreen.h"
#include "state/inbox.h"

using rvscreens::Fixture;

namespace {

void post(rv::Store& s, const std::string& subject, const std::string& kind, int days, const std::string& body2 = {},
          const std::string& body3 = {}) {
  rv::NewMessage m;
  m.sender = "Road Agent";
  m.subject = subject;
  m.body = subject + " body.";
  m.body2 = body2;
  m.body3 = body3;
  m.kind = kind;
  m.days_left = days;
  m.ref1 = "Alpha Worker 1";
  rv::post_message(s, "Monday 1st January 2007", m);
}

int row_of(QTableView* grid, const QString& subject) { return rvscreens::row_of(grid, subject, 1); }
void click_row(QTableView* grid, int row) { rvscreens::click_row(grid, row, 1); }

}  // namespace

class InboxTest : public QObject {
  Q_OBJECT

 private slots:
  void opening_an_unread_message_lowers_the_counter() {
    Fixture f;
    QVERIFY(f.start_new_game());
    f.game()->store.newslist.clear();  // without the welcome
    post(f.game()->store, "Wages", "INFO", 0, "", "Paid on Friday.");
    post(f.game()->store, "Injury", "INFO", 0);
    f.main_screen()->refresh();
    QCOMPARE(f.text_of(QStringLiteral("inboxButton")), QStringLiteral("Inbox (2)"));

    QVERIFY(f.click(QStringLiteral("inboxButton")));
    auto* grid = f.find<QTableView>(QStringLiteral("inboxGrid"));
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(grid->model()->index(0, 1).data().toString(), QStringLiteral("Injury"));  // the newest first
    const int row = row_of(grid, QStringLiteral("Wages"));
    click_row(grid, row);
    QCOMPARE(f.text_of(QStringLiteral("messageSubjectLabel")), QStringLiteral("Wages"));
    QCOMPARE(f.find<QTextBrowser>(QStringLiteral("messageText"))->toPlainText(),
             QStringLiteral("Wages body.\n\nPaid on Friday."));

    QVERIFY(f.click(QStringLiteral("closeButton")));
    QCOMPARE(f.window().current_screen(), static_cast<rvgui::Screen*>(f.main_screen()));
    QCOMPARE(f.text_of(QStringLiteral("inboxButton")), QStringLiteral("Inbox (1)"));
  }

  void a_workers_name_in_a_message_opens_his_profile() {
    Fixture f;
    QVERIFY(f.start_new_game());
    f.game()->store.newslist.clear();  // without the welcome
    post(f.game()->store, "News", "INFO", 0, "Alpha Worker 2 and Beta Worker 1 spoke.");
    QVERIFY(f.click(QStringLiteral("inboxButton")));
    auto* grid = f.find<QTableView>(QStringLiteral("inboxGrid"));
    click_row(grid, row_of(grid, QStringLiteral("News")));
    auto* text = f.find<QTextBrowser>(QStringLiteral("messageText"));
    QCOMPARE(text->toPlainText(), QStringLiteral("News body.\n\nAlpha Worker 2 and Beta Worker 1 spoke."));
    emit text->anchorClicked(QUrl(QStringLiteral("worker:0")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::profile);
    QCOMPARE(f.window().session().profile_worker, std::string("Alpha Worker 2"));
    f.window().back();
    emit text->anchorClicked(QUrl(QStringLiteral("worker:1")));  // not on the roster: his outside profile
    QCOMPARE(f.window().current_name(), rvgui::screen_name::outside_profile);
    QCOMPARE(f.window().session().outside_worker, std::string("Beta Worker 1"));
  }

  void release_requests_and_offers_are_answered() {
    Fixture f;
    QVERIFY(f.start_new_game());
    f.game()->store.newslist.clear();  // without the welcome
    rv::Store& s = f.game()->store;
    post(s, "Release One", "RELEASE", 6, "Release Alpha Worker 1?");
    auto offer = [&](const std::string& subject, const std::string& worker) {
      rv::NewMessage m = rvtest::rival_offer(worker, "RVB", 4, "1000");
      m.subject = subject;
      rv::post_message(s, "Monday 1st January 2007", m);
    };
    offer("Offer Three", "Alpha Worker 3");
    offer("Offer Gone", "Beta Worker 1");  // not one of the player's workers
    post(s, "Old Offer", "OFFER", 0);
    QVERIFY(f.click(QStringLiteral("inboxButton")));
    auto* grid = f.find<QTableView>(QStringLiteral("inboxGrid"));
    const auto worker = [&](const char* name) { return s.worker(*s.find_worker(name)); };

    // An offer whose days ran out can only be deleted, and Delete removes the open message only.
    click_row(grid, row_of(grid, QStringLiteral("Old Offer")));
    QVERIFY(f.click(QStringLiteral("action1Button")));
    QCOMPARE(row_of(grid, QStringLiteral("Old Offer")), -1);
    QCOMPARE(grid->model()->rowCount(), 3);

    click_row(grid, row_of(grid, QStringLiteral("Release One")));
    QVERIFY(f.click(QStringLiteral("action2Button")));
    QCOMPARE(worker("Alpha Worker 1").promotion(), std::string("Free Agent"));
    QCOMPARE(row_of(grid, QStringLiteral("Release One")), -1);

    click_row(grid, row_of(grid, QStringLiteral("Offer Three")));
    QVERIFY(f.click(QStringLiteral("action3Button")));
    QCOMPARE(row_of(grid, QStringLiteral("Offer Three")), -1);

    // An offer for a worker who is not the player's only gets a note, and stays open.
    click_row(grid, row_of(grid, QStringLiteral("Offer Gone")));
    QVERIFY(f.click(QStringLiteral("action2Button")));
    QVERIFY(row_of(grid, QStringLiteral("Offer Gone")) >= 0);
    QVERIFY(f.find<QTextBrowser>(QStringLiteral("messageText"))
                ->toPlainText()
                .endsWith(QStringLiteral("(Beta Worker 1 no longer works for your promotion, so this offer was declined.)")));
  }

  void delete_all_asks_and_keeps_what_waits_for_an_answer() {
    Fixture f;
    QVERIFY(f.start_new_game());
    f.game()->store.newslist.clear();  // without the welcome
    QVERIFY(f.click(QStringLiteral("inboxButton")));
    QVERIFY(f.click(QStringLiteral("deleteAllButton")));

    post(f.game()->store, "Read Info", "INFO", 0);
    post(f.game()->store, "Unread Info", "INFO", 0);
    post(f.game()->store, "Waiting Offer", "OFFER", 2);
    f.window().open(rvgui::screen_name::inbox);
    auto* grid = f.find<QTableView>(QStringLiteral("inboxGrid"));
    click_row(grid, row_of(grid, QStringLiteral("Read Info")));
    click_row(grid, row_of(grid, QStringLiteral("Waiting Offer")));

    f.dialogs().queue_no();
    QVERIFY(f.click(QStringLiteral("deleteAllButton")));
    QCOMPARE(grid->model()->rowCount(), 3);
    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("deleteAllButton")));
    QCOMPARE(grid->model()->rowCount(), 2);  // the grid shows what the inbox kept
  }
};

QTEST_MAIN(InboxTest)
#include "inbox_test.moc"

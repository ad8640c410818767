// The main screen: the main action and its keys, the calendar grid, the logo.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTableView>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>

#include "cycle/nextday.h"
#include "fixture.h"
#include "screens/cycle/mainscreen.h"
#include "state/inbox.h"

using rvscreens::Fixture;

class MainScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void return_and_space_press_next_day() {
    Fixture f;
    QVERIFY(f.start_new_game());
    auto* screen = f.main_screen();
    rv::post_info(f.game()->store, "Front Office", "Note", "Hello.");
    QTest::keyClick(screen, Qt::Key_Return);
    QCOMPARE(f.text_of(QStringLiteral("fullDateLabel")), QStringLiteral("Tuesday 2nd January 2007"));
    QCOMPARE(f.text_of(QStringLiteral("inboxButton")), QStringLiteral("Inbox (2)"));  // the day refreshed it
    QTest::keyClick(screen, Qt::Key_Space);
    QCOMPARE(f.text_of(QStringLiteral("dayLabel")), QStringLiteral("Wednesday"));

    // Thursday holds the weekly show: the main action turns into "Go To Show".
    QTest::keyClick(screen, Qt::Key_Enter);
    QCOMPARE(f.text_of(QStringLiteral("mainActionButton")), QStringLiteral("Go To Show"));

    // Return on another focused button presses that button instead.
    auto* inbox = f.find<QPushButton>(QStringLiteral("inboxButton"));
    inbox->setFocus();
    QTest::keyClick(inbox, Qt::Key_Return);
    QCOMPARE(f.window().current_screen(), static_cast<rvgui::Screen*>(f.inbox_screen()));
    QVERIFY(f.click(QStringLiteral("closeButton")));
    QCOMPARE(f.text_of(QStringLiteral("fullDateLabel")), QStringLiteral("Thursday 4th January 2007"));
    QCOMPARE(QApplication::focusWidget(), f.find<QWidget>(QStringLiteral("mainActionButton")));

    // The keys do nothing while another view covers the main action.
    QVERIFY(f.click(QStringLiteral("viewDatesButton")));
    QTest::keyClick(screen, Qt::Key_Return);
    QCOMPARE(f.text_of(QStringLiteral("fullDateLabel")), QStringLiteral("Thursday 4th January 2007"));
  }

  void clicking_a_free_day_books_a_house_show() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("viewDatesButton")));
    auto* grid = f.find<QTableView>(QStringLiteral("calendarGrid"));

    // No leaves the day free; Yes books it.
    f.dialogs().queue_no();
    rvscreens::click_row(grid, 0, 1);
    QCOMPARE(f.dialogs().shown().back().text, QStringLiteral("Book a house show for Tuesday 2nd January 2007?"));
    QCOMPARE(f.game()->store.calendar[1], std::string());
    f.dialogs().queue_yes();
    rvscreens::click_row(grid, 0, 0);
    QCOMPARE(f.game()->store.calendar[1], std::string("House Show"));
    QCOMPARE(grid->model()->index(0, 1).data().toString(), QStringLiteral("House Show"));

    // A booked day describes itself; nothing is asked.
    f.dialogs().clear_shown();
    rvscreens::click_row(grid, 0, 1);
    QCOMPARE(f.dialogs().shown().size(), std::size_t{1});
    QCOMPARE(f.dialogs().shown()[0].kind, rvgui::Dialogs::Kind::info);

    // Hide Dates, or Escape, brings the day back.
    QTest::keyClick(grid, Qt::Key_Escape);
    QVERIFY(f.find<QPushButton>(QStringLiteral("mainActionButton"))->isVisible());
  }

  void the_logo_is_chosen_from_the_images_folder() {
    Fixture f;
    rvscreens::write_picture(f.home(), QStringLiteral("hawk.jpg"), 200, 100);
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("logoButton")));
    auto* list = f.find<QListWidget>(QStringLiteral("logoList"));
    const auto found = list->findItems(QStringLiteral("hawk.jpg"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
    QCOMPARE(f.game()->store.promotion(0).logo(), std::string("hawk.jpg"));
    QVERIFY(!f.find<QPushButton>(QStringLiteral("logoButton"))->icon().isNull());
  }

  void main_menu_asks_first_and_escape_asks_too() {
    Fixture f;
    QVERIFY(f.start_new_game());
    f.dialogs().queue_no();
    QVERIFY(f.click(QStringLiteral("menuButton")));
    QCOMPARE(f.window().current_screen(), static_cast<rvgui::Screen*>(f.main_screen()));
    QVERIFY(f.game() != nullptr);
    f.dialogs().queue_yes();
    QTest::keyClick(f.main_screen(), Qt::Key_Escape);
    QCOMPARE(f.window().current_screen(), static_cast<rvgui::Screen*>(f.front_menu()));
    QVERIFY(f.game() == nullptr);
  }

  void dismissal_ends_the_program_with_its_message() {
    Fixture f;
    QVERIFY(f.start_new_game());
    f.game()->store.set_md(rv::md::board_state, "x");
    QSignalSpy end(&f.window(), &rvgui::MainWindow::program_end_requested);
    QVERIFY(f.click(QStringLiteral("mainActionButton")));
    QCOMPARE(end.count(), 1);
    QCOMPARE(f.dialogs().count(QString::fromLatin1(rv::dismissal_message.data(),
                                                   static_cast<qsizetype>(rv::dismissal_message.size()))),
             1);
    QVERIFY(f.game() == nullptr);
  }

  void play_until_next_show_stops_on_the_show_day() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("playUntilButton")));
    // Monday to Thursday, the day of the weekly show, in one press.
    QCOMPARE(f.text_of(QStringLiteral("fullDateLabel")), QStringLiteral("Thursday 4th January 2007"));
    QCOMPARE(f.text_of(QStringLiteral("mainActionButton")), QStringLiteral("Go To Show"));
  }
  void a_stopped_run_ends_at_the_close_of_a_day() {
    Fixture f;
    QVERIFY(f.start_new_game());
    // "Stop After This Day" pressed while the first day is played: the run ends with that day.
    QTimer::singleShot(0, &f.window(), [&f] {
      if (auto* progress = f.window().findChild<QProgressDialog*>(QStringLiteral("playUntilProgress"))) progress->cancel();
    });
    QVERIFY(f.click(QStringLiteral("playUntilButton")));
    QCOMPARE(f.text_of(QStringLiteral("fullDateLabel")), QStringLiteral("Tuesday 2nd January 2007"));
    QCOMPARE(f.text_of(QStringLiteral("mainActionButton")), QStringLiteral("Next Day"));
    QCOMPARE(f.game()->store.history.size(), std::size_t{1});  // one whole day, kept once
  }
};

QTEST_MAIN(MainScreenTest)
#include "mainscreen_test.moc"

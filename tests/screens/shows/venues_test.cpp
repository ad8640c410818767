// The venue list of today's show (its grid, No changing nothing, Yes booking the show) and the
// booking of its card that follows.
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "fixture.h"
#include "promotion/venues.h"
#include "screens/shell/mainwindow.h"
#include "screens/shell/navigator.h"
#include "screens/shows/bookingscreen.h"
#include "shows/booking.h"

using rvscreens::Fixture;

class VenuesTest : public QObject {
  Q_OBJECT

 private slots:
  void choosing_a_venue() {
    Fixture f;
    QVERIFY(f.start_new_game());
    for (int i = 0; i < 4; ++i) QVERIFY(f.click(QStringLiteral("mainActionButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::venues);
    auto* grid = f.find<QTableView>(QStringLiteral("venuesGrid"));
    QVERIFY(grid && grid->model()->rowCount() > 0);
    // Each hall's expected money reads as money.
    QVERIFY(grid->model()->index(0, 4).data().toString().startsWith(QStringLiteral("$")));
    grid->setCurrentIndex(grid->model()->index(0, 0));

    const rv::Store before = f.game()->store;
    f.dialogs().queue_no();
    QVERIFY(f.click(QStringLiteral("bookVenueButton")));
    QCOMPARE(f.game()->store.maindata, before.maindata);
    QCOMPARE(f.game()->store.promotions, before.promotions);
    auto& session = f.window().session();
    QVERIFY(!session.booked_show);

    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("bookVenueButton")));
    QVERIFY(session.booked_show);
    QVERIFY(session.booked_show->hire_cost > 0);
    QCOMPARE(f.game()->store.maindata, before.maindata);

    // The card: five matches, a singles match booked by clicks on the booking list, then cleared.
    QCOMPARE(f.window().current_name(), rvgui::screen_name::booking);
    auto* booking = f.find<rvgui::BookingScreen>(QStringLiteral("bookingScreen"));
    QVERIFY(f.click(QStringLiteral("matchCount1")));
    QVERIFY(f.click(QStringLiteral("matchSlot1")));
    auto* list = f.find<QTableView>(QStringLiteral("bookingList"));
    QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("Singles"));
    for (int pick = 0; pick < 7; ++pick) booking->pick(0);  // type, title, stipulation, two workers, winner, win type
    QVERIFY(session.booking->slot_booked(1));
    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("clearMatchButton")));
    QVERIFY(!session.booking->slot_booked(1));
    QCOMPARE(f.game()->store.maindata, before.maindata);
  }

  // A title already at stake in another match is asked about first; No leaves the title step.
  void a_title_booked_twice_is_asked_about() {
    Fixture f;
    QVERIFY(f.start_new_game() && f.to_first_booking());
    auto& store = f.game()->store;
    const auto title = store.promotion(*store.player_index()).title(0);
    title.put(rv::TitleField::gender_limit, std::string(rv::brand_all));
    title.put(rv::TitleField::brand, std::string(rv::brand_all));
    auto& session = f.window().session();
    session.booking.reset();  // booked afresh with the title open to any singles match
    auto* booking = f.find<rvgui::BookingScreen>(QStringLiteral("bookingScreen"));
    QVERIFY(f.click(QStringLiteral("matchCount1")));
    QVERIFY(f.click(QStringLiteral("matchSlot1")));
    booking->pick(0);  // Singles
    booking->pick(1);  // the title
    for (int pick = 0; pick < 5; ++pick) booking->pick(0);
    QCOMPARE(session.booking->line(1, rv::match::title), title.name());
    QVERIFY(f.click(QStringLiteral("matchSlot2")));
    booking->pick(0);
    const QString question = QStringLiteral("This title is already at stake in Match 1. Book it again?");
    f.dialogs().queue_no();
    booking->pick(1);
    QCOMPARE(f.dialogs().count(question), 1);
    QVERIFY(session.booking->step() == rv::BookingStep::title);
    f.dialogs().queue_yes();
    booking->pick(1);
    QVERIFY(session.booking->step() == rv::BookingStep::stipulation);
    QCOMPARE(session.booking->line(2, rv::match::title), title.name());
  }
};

QTEST_MAIN(VenuesTest)
#include "venues_test.moc"

// The indy booking screen: a date chosen, confirmed or not, reaches the core.
#include <QListWidget>
#include <QTest>

#include "fixture.h"
#include "talent/indy.h"

using rvscreens::Fixture;

class IndyTest : public QObject {
  Q_OBJECT

 private slots:
  void a_date_is_booked_and_paid_for() {
    Fixture f;
    f.start();
    QVERIFY(f.new_game());
    rv::Store& s = f.game()->store;
    const auto player = s.promotion(*s.player_index());
    player.set_popularity(90);  // nobody turns a promotion this popular down
    f.window().session().outside_worker = "Free Worker 1";
    f.window().open(rvgui::screen_name::indy_booking);
    QCOMPARE(f.text_of(QStringLiteral("indyQuestionLabel")), QStringLiteral("What date would you like to book Free Worker 1 for?"));

    auto* dates = f.find<QListWidget>(QStringLiteral("indyDateList"));
    QVERIFY(dates->count() > 2);
    dates->setCurrentRow(2);
    const std::string date = dates->currentItem()->text().toStdString();
    const rv::Num before = player.balance();
    f.dialogs().queue_no();
    QVERIFY(f.click(QStringLiteral("indyConfirmButton")));
    QCOMPARE(f.dialogs().shown().back().text, QStringLiteral("Booking Cancelled."));
    QVERIFY(s.indydates.empty());
    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("indyConfirmButton")));
    QCOMPARE(f.dialogs().shown().back().text, QStringLiteral("Booking Confirmed."));
    QVERIFY(rv::indy_booked(s, "Free Worker 1", date));
    QVERIFY(player.balance() < before);
    auto* others = f.find<QListWidget>(QStringLiteral("indyOtherBookingsList"));
    QVERIFY(!others->isVisible());
    QVERIFY(f.click(QStringLiteral("indyOtherBookingsButton")));
    QVERIFY(others->isVisible() && others->count() == 1);
    QVERIFY(others->item(0)->text().startsWith(QStringLiteral("Free Worker 1")));

  }
};

QTEST_MAIN(IndyTest)
#include "indy_test.moc"

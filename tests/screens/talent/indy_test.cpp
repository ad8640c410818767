// The indy booking screen: a date chosen, confirmed or not, reaches the core; a booking the
// balance cannot pay for is warned about first.
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
    QVERIFY(f.start_new_game());
    rv::Store& s = f.game()->store;
    const auto player = s.promotion(*s.player_index());
    player.set_popularity(90);  // nobody turns a promotion this popular down
    player.set_balance(0);
    f.window().session().outside_worker = "Free Worker 1";
    f.window().open(rvgui::screen_name::indy_booking);
    QCOMPARE(f.text_of(QStringLiteral("indyQuestionLabel")), QStringLiteral("What date would you like to book Free Worker 1 for?"));
    auto* dates = f.find<QListWidget>(QStringLiteral("indyDateList"));
    QVERIFY(dates->count() > 2);
    dates->setCurrentRow(2);
    const std::string date = dates->currentItem()->text().toStdString();

    // No to the warning: nothing is booked or paid, and the booking question is never put.
    f.dialogs().queue_no();
    QVERIFY(f.click(QStringLiteral("indyConfirmButton")));
    QCOMPARE(f.dialogs().shown().back().kind, rvgui::Dialogs::Kind::question);
    QVERIFY(f.dialogs().shown().back().text.startsWith(QStringLiteral("Booking Free Worker 1 costs $")));
    QVERIFY(s.indydates.empty());
    QCOMPARE(player.balance(), rv::Num{0});
    // Yes to the warning, No to the booking.
    f.dialogs().queue_yes();
    f.dialogs().queue_no();
    QVERIFY(f.click(QStringLiteral("indyConfirmButton")));
    QVERIFY(s.indydates.empty());
    // Yes to both: he is booked and the balance goes below nought.
    f.dialogs().queue_yes();
    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("indyConfirmButton")));
    QVERIFY(rv::indy_booked(s, "Free Worker 1", date));
    QVERIFY(player.balance() < 0);
    QCOMPARE(f.dialogs().pending_answers(), std::size_t{0});

    auto* others = f.find<QListWidget>(QStringLiteral("indyOtherBookingsList"));
    QVERIFY(f.click(QStringLiteral("indyOtherBookingsButton")));
    QVERIFY(others->isVisible() && others->count() == 1);
    QVERIFY(others->item(0)->text().startsWith(QStringLiteral("Free Worker 1")));
  }
};

QTEST_MAIN(IndyTest)
#include "indy_test.moc"

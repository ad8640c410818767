// No silent control and nothing lost by a slip: controls that cannot act say why, leaving a
// negotiation or an offer asks first, Reset clears every filter.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include "fixture.h"

using rvscreens::Fixture;

namespace {

QPushButton* button(Fixture& f, const char* name) { return f.find<QPushButton>(QString::fromLatin1(name)); }

}  // namespace

class SlipsTest : public QObject {
  Q_OBJECT

 private slots:
  void confirm_says_what_the_card_lacks() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.to_first_booking());
    auto* confirm = button(f, "confirmCardButton");
    QVERIFY(!confirm->isEnabled());
    QVERIFY(f.click(QStringLiteral("matchCount1")));
    QCOMPARE(confirm->toolTip(), QStringLiteral("Match 1 has not been booked yet."));
    QVERIFY(f.click(QStringLiteral("matchSlot1")));
    QCOMPARE(confirm->toolTip(), QStringLiteral("Match 1 has no match type yet."));
    f.dialogs().queue_no();  // the feud the booker proposes
    QVERIFY(f.click(QStringLiteral("suggestCardButton")));
    QVERIFY(confirm->isEnabled());
  }

  // Return presses the venue screen's default button wherever the focus is, but not while a list
  // has it (the list takes Return for its row) and not while the button cannot act.
  void book_venue_waits_for_a_venue() {
    Fixture f;
    QVERIFY(f.start_new_game());
    for (int i = 0; i < 4; ++i) QVERIFY(f.click(QStringLiteral("mainActionButton")));
    auto* venues = f.find<QTableView>(QStringLiteral("venuesGrid"));
    QVERIFY(venues && venues->model()->rowCount() > 0);
    venues->setCurrentIndex(QModelIndex());
    QVERIFY(!button(f, "bookVenueButton")->isEnabled());
    auto* screen = f.window().screen(rvgui::screen_name::venues);
    screen->setFocus();
    QTest::keyClick(screen, Qt::Key_Return);
    QCOMPARE(f.window().current_name(), rvgui::screen_name::venues);
    venues->setCurrentIndex(venues->model()->index(0, 0));
    QVERIFY(button(f, "bookVenueButton")->isEnabled());
    f.dialogs().queue_yes();  // "Confirm Booking?"
    screen->setFocus();
    QTest::keyClick(screen, Qt::Key_Return);
    QCOMPARE(f.window().current_name(), rvgui::screen_name::booking);
  }

  void reset_clears_every_filter() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("newSigningButton")));
    auto* grid = f.find<QTableView>(QStringLiteral("signingGrid"));
    const int everyone = grid->model()->rowCount();
    f.find<QLineEdit>(QStringLiteral("searchNameEdit"))->setText(QStringLiteral("nobody at all"));
    f.find<QComboBox>(QStringLiteral("searchList6"))->setCurrentIndex(1);  // a promotion
    f.find<QComboBox>(QStringLiteral("searchList0"))->setCurrentIndex(2);
    f.find<QSpinBox>(QStringLiteral("searchMin0"))->setValue(90);
    QVERIFY(f.click(QStringLiteral("searchResetButton")));
    QCOMPARE(f.find<QLineEdit>(QStringLiteral("searchNameEdit"))->text(), QString());
    for (int i = 0; i < 7; ++i) QCOMPARE(f.find<QComboBox>(QStringLiteral("searchList%1").arg(i))->currentText(), QStringLiteral("Any"));
    QCOMPARE(f.find<QSpinBox>(QStringLiteral("searchMin0"))->value(), 0);
    QCOMPARE(grid->model()->rowCount(), everyone);
  }

  void leaving_a_changed_offer_asks_first() {
    Fixture f;
    QVERIFY(f.start_new_game());
    f.window().session().outside_worker = "Free Worker 1";
    f.window().open(rvgui::screen_name::outside_profile);
    // An untouched offer is left without a question (an unanswered one would fail the test).
    QVERIFY(f.click(QStringLiteral("approachToSignButton")));
    QVERIFY(f.click(QStringLiteral("negotiationCancelButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::outside_profile);

    QVERIFY(f.click(QStringLiteral("approachToSignButton")));
    QVERIFY(f.click(QStringLiteral("amountUp100Button")));
    f.dialogs().queue_no();
    QVERIFY(f.click(QStringLiteral("negotiationCancelButton")));
    QCOMPARE(f.dialogs().shown().back().text,
             QStringLiteral("Leave the negotiations with Free Worker 1? The offer you have put together will be lost."));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::negotiation);
    f.dialogs().queue_yes();
    QTest::keyClick(f.window().current_screen(), Qt::Key_Escape);
    QCOMPARE(f.window().current_name(), rvgui::screen_name::outside_profile);
    QVERIFY(f.game()->store.negotiations.empty());
  }

  void a_changed_contract_offer_is_not_dropped_by_a_slip() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("rosterButton")));
    auto* grid = f.find<QTableView>(QStringLiteral("rosterGrid"));
    const QString name = grid->model()->index(0, 0).data().toString();
    rvscreens::click_row(grid, 0);
    QVERIFY(f.click(QStringLiteral("contractButton")));
    QVERIFY(f.click(QStringLiteral("offerNewContractButton")));
    // The length and indy bookings start where the contract rules put them, whatever his deal.
    QCOMPARE(f.text_of(QStringLiteral("offerLengthLabel")), QStringLiteral("3 Years"));
    QCOMPARE(f.text_of(QStringLiteral("offerIndyLabel")), QStringLiteral("No"));

    // A changed offer is not dropped by Escape without a Yes.
    auto* contract = f.window().current_screen();
    QVERIFY(f.click(QStringLiteral("roleUpButton")));
    f.dialogs().queue_no();
    QTest::keyClick(contract, Qt::Key_Escape);
    QCOMPARE(f.dialogs().shown().back().text, QStringLiteral("Drop the contract offer you have put together for %1?").arg(name));
    QVERIFY(f.find(QStringLiteral("offerPanel"))->isVisible());
    f.dialogs().queue_yes();
    QTest::keyClick(contract, Qt::Key_Escape);
    QVERIFY(!f.find(QStringLiteral("offerPanel"))->isVisible());
  }
};

QTEST_MAIN(SlipsTest)
#include "slips_test.moc"

// No silent control and nothing lost by a slip: controls that cannot act say why, saving over a
// save and leaving a negotiation ask first, Reset clears every filter.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include "fixture.h"
#include "state/saves.h"
#include "talent/camp.h"

using rvscreens::Fixture;

namespace {

QPushButton* button(Fixture& f, const char* name) { return f.find<QPushButton>(QString::fromLatin1(name)); }

}  // namespace

class SlipsTest : public QObject {
  Q_OBJECT

 private slots:
  void confirm_says_what_the_card_lacks() {
    Fixture f;
    f.start();
    QVERIFY(f.new_game());
    QVERIFY(f.to_first_booking());
    auto* confirm = button(f, "confirmCardButton");
    QVERIFY(!confirm->isEnabled());
    QCOMPARE(confirm->toolTip(), QStringLiteral("Choose how many matches the show will have first."));
    QVERIFY(!button(f, "clearMatchButton")->isEnabled());
    QVERIFY(!button(f, "clearMatchButton")->toolTip().isEmpty());
    QVERIFY(f.click(QStringLiteral("matchCount1")));
    QCOMPARE(confirm->toolTip(), QStringLiteral("Match 1 has not been booked yet."));
    QVERIFY(f.click(QStringLiteral("matchSlot1")));
    QCOMPARE(confirm->toolTip(), QStringLiteral("Match 1 has no match type yet."));
    QVERIFY(f.click(QStringLiteral("suggestCardButton")));
    QVERIFY(confirm->isEnabled());
  }

  void book_venue_waits_for_a_venue() {
    Fixture f;
    f.start();
    QVERIFY(f.new_game());
    for (int i = 0; i < 4; ++i) QVERIFY(f.click(QStringLiteral("mainActionButton")));
    auto* venues = f.find<QTableView>(QStringLiteral("venuesGrid"));
    QVERIFY(venues && venues->model()->rowCount() > 0);
    venues->setCurrentIndex(QModelIndex());
    QVERIFY(!button(f, "bookVenueButton")->isEnabled());
    QCOMPARE(button(f, "bookVenueButton")->toolTip(), QStringLiteral("Choose a venue in the list first."));
    venues->setCurrentIndex(venues->model()->index(0, 0));
    QVERIFY(button(f, "bookVenueButton")->isEnabled());
  }

  void an_empty_camp_says_why_it_cannot_sign() {
    Fixture f;
    f.start();
    QVERIFY(f.new_game());
    f.game()->store.set_md(rv::md::prospect_first, "");
    QVERIFY(f.click(QStringLiteral("trainingCampButton")));
    QVERIFY(!button(f, "signProspectButton")->isEnabled());
    QCOMPARE(button(f, "signProspectButton")->toolTip(), QString::fromLatin1(rv::no_trainees_text.data(),
                                                                             static_cast<qsizetype>(rv::no_trainees_text.size())));
  }

};

QTEST_MAIN(SlipsTest)
#include "slips_test.moc"

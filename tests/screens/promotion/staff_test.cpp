// The staff screen: opened from the main screen, its controls kept in the game, the suggested
// choices, and the staff's reports after "Play Until Next Show" has run a show through them.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include "cycle/assistant.h"
#include "fixture.h"

using rvscreens::Fixture;

class StaffTest : public QObject {
  Q_OBJECT

 private slots:
  void the_choices_are_kept_in_the_game() {
    Fixture f;
    f.start();
    QVERIFY(f.new_game());
    QVERIFY(f.click(QStringLiteral("staffButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::staff);
    auto* renewals = f.find<QCheckBox>(QStringLiteral("staffRenewalsCheck"));
    auto* budget = f.find<QSpinBox>(QStringLiteral("staffBudgetBox"));
    auto* offers = f.find<QComboBox>(QStringLiteral("staffOffersCombo"));
    auto* above = f.find<QSpinBox>(QStringLiteral("staffAcceptAboveBox"));
    // A new game hands nothing over.
    QVERIFY(!renewals->isChecked());
    renewals->setChecked(true);
    budget->setValue(30000);
    offers->setCurrentIndex(2);
    above->setValue(450000);
    const rv::AssistantChoices& c = f.game()->store.assistant;
    QVERIFY(c.renewals && !c.signings && !c.booking);
    QCOMPARE(c.wage_budget, rv::Num{30000});
    QVERIFY(c.offers == rv::OfferPolicy::accept_above);
    QCOMPARE(c.accept_above, rv::Num{450000});

    QVERIFY(f.click(QStringLiteral("staffSuggestedButton")));
    QVERIFY(f.game()->store.assistant == rv::default_choices(f.game()->store));
    QVERIFY(f.find<QCheckBox>(QStringLiteral("staffBookingCheck"))->isChecked());
  }

  void play_until_next_show_lets_the_booker_run_the_show() {
    Fixture f;
    f.start();
    QVERIFY(f.new_game());
    QVERIFY(f.click(QStringLiteral("staffButton")));
    auto* reports = f.find<QListWidget>(QStringLiteral("staffReportsList"));
    f.find<QCheckBox>(QStringLiteral("staffBookingCheck"))->setChecked(true);
    QVERIFY(f.click(QStringLiteral("staffBackButton")));
    QVERIFY(f.click(QStringLiteral("playUntilButton")));
    // The weekly show on Thursday 4th January is passed: the run goes on past it.
    QVERIFY(f.text_of(QStringLiteral("fullDateLabel")) != QStringLiteral("Thursday 4th January 2007"));
    QVERIFY(f.click(QStringLiteral("staffButton")));
    bool booked = false;
    for (int i = 0; i < reports->count(); ++i)
      booked = booked || reports->item(i)->text().startsWith(QStringLiteral("Thursday 4th January 2007 - Assistant Booker: "));
    QVERIFY(booked);
  }
};

QTEST_MAIN(StaffTest)
#include "staff_test.moc"

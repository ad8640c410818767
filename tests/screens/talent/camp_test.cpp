// The training camp: opened from the main screen, the prospect signed through the form, and the
// empty camp after.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "fixture.h"
#include "screens/talent/trainingcampscreen.h"
#include "state/layout.h"

using rvscreens::Fixture;

class CampTest : public QObject {
  Q_OBJECT

 private slots:
  void a_prospect_is_signed_and_the_camp_is_empty_after() {
    Fixture f;
    QVERIFY(f.start_new_game());
    rv::Store& s = f.game()->store;
    const std::string prospect[] = {"Dale Rigby", "35", "Male", "Big Man", "Heavy", "44", "58", "39", "66"};
    for (std::size_t i = 0; i < std::size(prospect); ++i) s.set_md(rv::md::prospect_first + i, prospect[i]);
    const std::string taken = s.worker(0).name();

    QVERIFY(f.click(QStringLiteral("trainingCampButton")));
    auto* camp = f.window().screen_as<rvgui::TrainingCampScreen>(rvgui::screen_name::training_camp);
    QCOMPARE(f.text_of(QStringLiteral("prospectNameLabel")), QStringLiteral("Dale Rigby"));

    QVERIFY(f.click(QStringLiteral("signProspectButton")));
    QVERIFY(camp->signing());
    auto* finisher = f.find<QLineEdit>(QStringLiteral("campFinisherEdit"));
    QCOMPARE(finisher->text(), QStringLiteral("Chokeslam"));
    auto* warning = f.find<QLabel>(QStringLiteral("campFinisherWarningLabel"));
    QVERIFY(warning->isHidden());
    finisher->setText(QStringLiteral("The Mountain Drop"));
    QVERIFY(!warning->isHidden());

    // A name somebody has is refused and nobody is signed; a new one signs him.
    f.find<QLineEdit>(QStringLiteral("campRingNameEdit"))->setText(QString::fromStdString(taken));
    f.find<QLineEdit>(QStringLiteral("campShortNameEdit"))->setText(QStringLiteral("Rigby"));
    const std::size_t workers = s.worker_count();
    QVERIFY(f.click(QStringLiteral("campConfirmButton")));
    QVERIFY(f.dialogs().shown().back().text.startsWith(QStringLiteral("The Front Office staff have refused")));
    QCOMPARE(s.worker_count(), workers);
    f.find<QLineEdit>(QStringLiteral("campRingNameEdit"))->setText(QStringLiteral("Dale \u201CMountain\u201D Rigby"));
    f.find<QComboBox>(QStringLiteral("campFinisherTypeChoice"))->setCurrentText(QStringLiteral("Top Rope"));
    QVERIFY(f.click(QStringLiteral("campConfirmButton")));

    const auto row = s.find_worker("Dale \x93Mountain\x94 Rigby");  // the quotes as Windows-1252 stores them
    QVERIFY(row.has_value());
    QCOMPARE(s.worker(*row).promotion(), s.md(rv::md::player_initials));
    QCOMPARE(s.worker(*row).finishertype(), std::string("t"));
    QCOMPARE(s.worker(*row).finisher(), std::string("The Mountain Drop"));
    QVERIFY(!camp->signing());
    QVERIFY(!f.find(QStringLiteral("campEmptyLabel"))->isHidden());
  }
};

QTEST_MAIN(CampTest)
#include "camp_test.moc"

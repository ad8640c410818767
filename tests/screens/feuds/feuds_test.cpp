// The feuds screen: opened from the main screen, a singles feud started through the choice list,
// then ended from its row; opened from show booking, it goes back there.
#include <QListWidget>
#include <QTableView>
#include <QTest>

#include "fixture.h"

using rvscreens::Fixture;

namespace {

// Clicks the list entry with that text; false when the list is hidden or has none.
bool pick(QListWidget* list, const QString& text) {
  const auto items = list->findItems(text, Qt::MatchExactly);
  if (items.isEmpty() || !list->isVisible()) return false;
  list->scrollToItem(items[0]);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
  return true;
}

}  // namespace

class FeudsTest : public QObject {
  Q_OBJECT

 private slots:
  void a_singles_feud_is_started_and_ended() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("feudsButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::feuds);
    QCOMPARE(f.text_of(QStringLiteral("feudsPageHeading")), QStringLiteral("- Page 1 of 2 -"));
    auto* list = f.find<QListWidget>(QStringLiteral("feudsChoiceList"));
    const rv::Lines before = f.game()->store.maindata;
    QVERIFY(f.click(QStringLiteral("feudRow2")));
    QVERIFY(pick(list, QStringLiteral("Singles")) && pick(list, QStringLiteral("Cancel")));
    QVERIFY(!list->isVisible());
    QCOMPARE(f.game()->store.maindata, before);

    QVERIFY(f.click(QStringLiteral("feudRow2")));
    QVERIFY(pick(list, QStringLiteral("Singles")) && pick(list, QStringLiteral("Male")));
    const QString first = list->item(0)->text();
    const QString second = list->item(1)->text();
    QVERIFY(pick(list, first));
    QVERIFY(list->findItems(first, Qt::MatchExactly).isEmpty());
    QVERIFY(pick(list, second));
    QVERIFY(!list->isVisible());
    // The feud takes the first free slot, whichever free row was clicked.
    const QString heading = first + QStringLiteral(" vs ") + second;
    QCOMPARE(f.text_of(QStringLiteral("feudRow0")), heading);
    QCOMPARE(f.text_of(QStringLiteral("feudRow2")), QStringLiteral("Click Here To Start A Feud"));

    QVERIFY(f.click(QStringLiteral("feudsNextPageButton")));
    QCOMPARE(f.text_of(QStringLiteral("feudsPageHeading")), QStringLiteral("- Page 2 of 2 -"));
    QVERIFY(f.click(QStringLiteral("feudsNextPageButton")));
    f.dialogs().queue_no();
    QVERIFY(f.click(QStringLiteral("feudRow0")));
    QVERIFY(f.dialogs().shown().back().text.startsWith(heading + QStringLiteral(" Feud\n\nFeud Started: ")));
    QCOMPARE(f.text_of(QStringLiteral("feudRow0")), heading);
    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("feudRow0")));
    QCOMPARE(f.text_of(QStringLiteral("feudRow0")), QStringLiteral("Click Here To Start A Feud"));
  }

  void booking_opens_feuds_and_champions_and_gets_them_back() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.to_first_booking());
    const std::pair<const char*, const char*> sides[] = {{"bookingFeudsButton", "feudsBackButton"},
                                                         {"bookingChampionsButton", "championshipsBackButton"}};
    for (const auto& [open, back] : sides) {
      QVERIFY(f.click(QLatin1String(open)));
      QVERIFY(f.click(QLatin1String(back)));
      QCOMPARE(f.window().current_name(), rvgui::screen_name::booking);
    }
  }
};

QTEST_MAIN(FeudsTest)
#include "feuds_test.moc"

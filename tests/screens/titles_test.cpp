// The championships screen and a title's history: the clicks reach the core and the screens show
// what it answers.
#include <QTableView>
#include <QTest>

#include "fixture.h"
#include "screens/championshipsscreen.h"

using rvscreens::Fixture;

namespace {

void click_row(QTableView* grid, int row) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 1)).center());
}

QString cell(QTableView* grid, int row, int column) { return grid->model()->index(row, column).data().toString(); }

}  // namespace

class TitlesTest : public QObject {
  Q_OBJECT

 private slots:
  void a_title_is_created_vacated_and_its_history_read() {
    Fixture f;
    f.start();
    QVERIFY(f.new_game());
    QVERIFY(f.click(QStringLiteral("championshipsButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::championships);
    auto* grid = f.find<QTableView>(QStringLiteral("championshipsGrid"));
    QCOMPARE(grid->model()->rowCount(), 8);
    QVERIFY(f.click(QStringLiteral("championshipsModeButton")));
    QCOMPARE(cell(grid, 4, 1), QStringLiteral("Unused (Click To Add)"));

    // Singles, mid card, male, any weight, not hardcore; a blank name is asked again.
    for (int choice : {0, 0, 0, 2, 1}) f.dialogs().queue_choice(choice);
    f.dialogs().queue_text(QStringLiteral(" "));
    f.dialogs().queue_text(QStringLiteral("Alpha Openweight Title"));
    f.dialogs().queue_text(QStringLiteral("Openweight Champion"));
    click_row(grid, 4);
    QCOMPARE(f.dialogs().count(QStringLiteral("Title name is blank.")), 1);
    QCOMPARE(cell(grid, 4, 1), QStringLiteral("Alpha Openweight Title (Click To Edit)"));
    QCOMPARE(cell(grid, 4, 2), QStringLiteral("Vacant"));

    // Vacating a vacant title is refused with its message.
    f.dialogs().queue_choice(2);
    f.dialogs().queue_yes();
    click_row(grid, 4);
    QCOMPARE(f.dialogs().shown().back().text, QStringLiteral("This belt is already vacant."));

    // Normal mode: the click opens the history; Escape comes back.
    QVERIFY(f.click(QStringLiteral("championshipsModeButton")));
    click_row(grid, 4);
    QCOMPARE(f.window().current_name(), rvgui::screen_name::title_history);
    QCOMPARE(f.text_of(QStringLiteral("titleHistoryHeading")), QStringLiteral("History of Alpha Openweight Title"));
    auto* history = f.find<QTableView>(QStringLiteral("titleHistoryGrid"));
    QCOMPARE(cell(history, history->model()->rowCount() - 1, 1), QStringLiteral("Alpha Openweight Title Created"));
    QTest::keyClick(history, Qt::Key_Escape);
    QCOMPARE(f.window().current_name(), rvgui::screen_name::championships);
  }

  void cancelling_the_creation_stores_nothing() {
    Fixture f;
    f.start();
    QVERIFY(f.new_game());
    const rv::Lines before = f.game()->store.promotions;
    QVERIFY(f.click(QStringLiteral("championshipsButton")));
    QVERIFY(f.click(QStringLiteral("championshipsModeButton")));
    f.dialogs().queue_choice(1);
    f.dialogs().queue_cancel();
    click_row(f.find<QTableView>(QStringLiteral("championshipsGrid")), 5);
    QCOMPARE(f.game()->store.promotions, before);
  }
};

QTEST_MAIN(TitlesTest)
#include "titles_test.moc"

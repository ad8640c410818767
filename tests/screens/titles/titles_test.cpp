// The championships screen and a title's history: the clicks reach the core and the screens show
// what it answers.
#include <QTableView>
#include <QTest>

#include "fixture.h"
#include "screens/titles/championshipsscreen.h"

using rvscreens::Fixture;

using rvscreens::cell;

namespace {

void click_row(QTableView* grid, int row) { rvscreens::click_row(grid, row, 1); }

}  // namespace

class TitlesTest : public QObject {
  Q_OBJECT

 private slots:
  void a_title_is_created_vacated_and_its_history_read() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("championshipsButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::championships);
    auto* grid = f.find<QTableView>(QStringLiteral("championshipsGrid"));
    QCOMPARE(grid->model()->rowCount(), 8);
    QVERIFY(f.click(QStringLiteral("championshipsModeButton")));
    QCOMPARE(cell(grid, 4, 1), QStringLiteral("Unused (Click To Add)"));
    // Given up at the first question, nothing is stored.
    const rv::Lines before = f.game()->store.promotions;
    f.dialogs().queue_choice(1);
    f.dialogs().queue_cancel();
    click_row(grid, 5);
    QCOMPARE(f.game()->store.promotions, before);

    // Singles, mid card, male, any weight, not hardcore; a blank name is asked again.
    for (int choice : {0, 0, 0, 2, 1}) f.dialogs().queue_choice(choice);
    f.dialogs().queue_text(QStringLiteral(" "));
    f.dialogs().queue_text(QStringLiteral("Alpha Openweight Title"));
    f.dialogs().queue_text(QStringLiteral("Openweight Champion"));
    click_row(grid, 4);
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

  void a_manual_vacate_asks_first_and_posts_only_what_it_should() {
    Fixture f;
    QVERIFY(f.start_new_game());
    rv::Store& s = f.game()->store;
    auto title = s.promotion(*s.player_index()).title(0);
    title.set_holder("Alpha Worker 1");
    title.put(rv::current_reign, "12");
    title.put(rv::TitleField::record_holder, "Someone Else");
    title.put(rv::TitleField::record_length, "11");
    QVERIFY(f.click(QStringLiteral("championshipsButton")));
    QVERIFY(f.click(QStringLiteral("championshipsModeButton")));
    auto* grid = f.find<QTableView>(QStringLiteral("championshipsGrid"));
    const rv::Lines promotions = s.promotions, history = s.titlehistory, inbox = s.newslist;

    f.dialogs().queue_choice(2);  // Vacate
    f.dialogs().queue_no();
    click_row(grid, 0);
    QCOMPARE(s.promotions, promotions);
    QCOMPARE(s.titlehistory, history);
    QCOMPARE(s.newslist, inbox);

    f.dialogs().queue_choice(2);
    f.dialogs().queue_yes();
    click_row(grid, 0);
    QCOMPARE(title.holder(), std::string("Vacant"));
    QCOMPARE(s.titlehistory.size(), history.size() + rv::rec::title_history);
    QCOMPARE(s.titlehistory[history.size() + rv::hist::event], std::string("Title Vacated"));
    // The twelve-day reign beat the record of eleven: that is the one message.
    QCOMPARE(s.message_count() * rv::rec::message, inbox.size() + rv::rec::message);
    QCOMPARE(s.message(s.message_count() - 1).at(rv::msg::subject), std::string("New Record"));
    QCOMPARE(f.dialogs().pending_answers(), std::size_t{0});
  }
};

QTEST_MAIN(TitlesTest)
#include "titles_test.moc"

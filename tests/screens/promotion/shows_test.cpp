// The shows screen and the big show screen: the buttons reach the core, the labels follow it, and
// an announcement given up before the last Yes leaves the game as it was.
#include <QLabel>
#include <QTableView>
#include <QTest>

#include "fixture.h"
#include "state/pictures.h"

using rvscreens::Fixture;

class ShowsTest : public QObject {
  Q_OBJECT

 private slots:
  void production_levels_step_and_wrap() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("showsButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::shows);
    QVERIFY(f.click(QStringLiteral("primaryDownButton")));
    QCOMPARE(f.text_of(QStringLiteral("primaryLevelLabel")), QStringLiteral("Level 1 - $500 Per Show"));
    QVERIFY(f.click(QStringLiteral("primaryUpButton")));
    QCOMPARE(f.text_of(QStringLiteral("primaryLevelLabel")), QStringLiteral("Level 2 - $1,000 Per Show"));
    QVERIFY(f.click(QStringLiteral("primaryDownButton")));
    QVERIFY(f.click(QStringLiteral("primaryDownButton")));
    QCOMPARE(f.text_of(QStringLiteral("primaryLevelLabel")), QStringLiteral("Level 20 - $1,250,000 Per Show"));
    QCOMPARE(f.text_of(QStringLiteral("secondaryLevelLabel")), QStringLiteral("Level 1 - $500 Per Show"));

  }

  void a_show_picture_is_picked_from_the_picture_files_only() {
    Fixture f;
    QVERIFY(f.start_new_game());
    // Named to sort after every bundled picture; the .png would come last if it were offered.
    rvscreens::write_picture(f.home(), QStringLiteral("zz_poster.bmp"));
    rvscreens::write_picture(f.home(), QStringLiteral("zzz_poster.png"));
    QVERIFY(f.click(QStringLiteral("showsButton")));
    auto* grid = f.find<QTableView>(QStringLiteral("regularShowsGrid"));
    const auto offered = static_cast<int>(rv::show_picture_choices(f.home()).size());
    f.dialogs().queue_choice(1);        // "Choose Image"
    f.dialogs().queue_choice(offered);  // the last entry, after "No Image"
    rvscreens::click_row(grid, 0);
    const rv::Store& s = f.game()->store;
    QCOMPARE(s.promotion(*s.player_index()).show(0, rv::prom::show::image), std::string("zz_poster.bmp"));
    QCOMPARE(grid->model()->index(0, 4).data().toString(), QStringLiteral("zz_poster.bmp"));
  }

  void a_refused_rename_is_told_and_changes_nothing() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("showsButton")));
    auto* grid = f.find<QTableView>(QStringLiteral("regularShowsGrid"));
    QVERIFY(grid && grid->model()->rowCount() > 0);
    const rv::Lines promotions = f.game()->store.promotions, calendar = f.game()->store.calendar;
    f.dialogs().queue_choice(0);  // "Rename"
    f.dialogs().queue_text(QStringLiteral("House Show"));
    rvscreens::click_row(grid, 0);
    QCOMPARE(f.game()->store.promotions, promotions);
    QCOMPARE(f.game()->store.calendar, calendar);
    QCOMPARE(f.dialogs().pending_answers(), std::size_t{0});
  }

  void a_big_show_is_announced_only_on_the_last_yes() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("bigShowButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::big_show);
    const rv::Lines md = f.game()->store.maindata, calendar = f.game()->store.calendar;

    f.dialogs().queue_choice(0);
    f.dialogs().queue_cancel();  // the name
    QVERIFY(f.click(QStringLiteral("announceButton")));
    f.dialogs().queue_choice(0);
    f.dialogs().queue_text(QStringLiteral("Harbour Havoc"));
    f.dialogs().queue_choice(1);
    f.dialogs().queue_choice(0);
    f.dialogs().queue_no();
    QVERIFY(f.click(QStringLiteral("announceButton")));
    QCOMPARE(f.game()->store.maindata, md);
    QCOMPARE(f.game()->store.calendar, calendar);

    f.dialogs().queue_choice(0);
    f.dialogs().queue_text(QStringLiteral("Harbour Havoc"));
    f.dialogs().queue_choice(1);
    f.dialogs().queue_choice(0);
    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("announceButton")));
    QVERIFY(f.text_of(QStringLiteral("bigShowText")).contains(QStringLiteral("Harbour Havoc")));
    QCOMPARE(f.dialogs().pending_answers(), std::size_t{0});
  }
};

QTEST_MAIN(ShowsTest)
#include "shows_test.moc"

// General Info: opened from the main screen, a power figure chosen through the questions, and the
// records and rankings opened from it.
#include <QFont>
#include <QTableView>
#include <QTest>

#include "fixture.h"
#include "promotion/info.h"

using rvscreens::Fixture;

using rvscreens::cell;

class GeneralInfoTest : public QObject {
  Q_OBJECT

 private slots:
  void a_power_figure_is_chosen_and_records_and_rankings_open() {
    Fixture f;
    QVERIFY(f.start_new_game());
    const rv::Store& s = f.game()->store;
    const std::string worker = rv::staff_candidates(s, *s.player_index()).at(1);
    QVERIFY(f.click(QStringLiteral("generalInfoButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::general_info);
    auto* grid = f.find<QTableView>(QStringLiteral("generalInfoGrid"));
    QCOMPARE(cell(grid, 4, 0), QStringLiteral("Power Figure 1"));

    // An empty job title is refused and the slot stays empty; then the worker is named.
    f.dialogs().queue_yes();
    f.dialogs().queue_choice(1);
    f.dialogs().queue_text(QString());
    const auto click_row = [grid](int row) { rvscreens::click_row(grid, row, 1); };
    click_row(4);
    QCOMPARE(cell(grid, 4, 1), QStringLiteral("None"));
    f.dialogs().queue_yes();
    f.dialogs().queue_choice(1);
    f.dialogs().queue_text(QStringLiteral("Head Booker"));
    click_row(4);
    QCOMPARE(cell(grid, 4, 1), QString::fromStdString(worker) + QStringLiteral(" (Head Booker)"));
    QCOMPARE(f.dialogs().pending_answers(), std::size_t{0});

    QVERIFY(f.click(QStringLiteral("recordsButton")));
    auto* records = f.find<QTableView>(QStringLiteral("recordsGrid"));
    QCOMPARE(records->model()->rowCount(), 7);
    QVERIFY(f.click(QStringLiteral("recordsBackButton")));
    QVERIFY(f.click(QStringLiteral("rankingsButton")));
    auto* rankings = f.find<QTableView>(QStringLiteral("rankingsGrid"));
    QCOMPARE(rankings->model()->rowCount(), static_cast<int>(s.promotion_count()));
    QCOMPARE(cell(rankings, 0, 0), QStringLiteral("1st"));
    int bold_rows = 0;
    for (int r = 0; r < rankings->model()->rowCount(); ++r) {
      const bool bold = rankings->model()->index(r, 1).data(Qt::FontRole).value<QFont>().bold();
      if (bold) QCOMPARE(cell(rankings, r, 1), QString::fromStdString(s.promotion(*s.player_index()).full_name()));
      bold_rows += bold ? 1 : 0;
    }
    QCOMPARE(bold_rows, 1);
  }
};

QTEST_MAIN(GeneralInfoTest)
#include "generalinfo_test.moc"

// The history screen: the charts' spans, the past shows latest first, a past show's results opened
// and left again, and a worker's record on his profile.
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>

#include "fixture.h"
#include "screens/widgets/historycharts.h"
#include "state/history.h"

using rvscreens::Fixture;

class HistoryTest : public QObject {
  Q_OBJECT

 private slots:
  void past_shows_open_their_results_again() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("historyButton")));
    QVERIFY(f.click(QStringLiteral("historyBackButton")));

    rv::Store& s = f.game()->store;
    s.history = {"day\tMonday 1st January 2007\t5000\t40\t50\t2.5"};
    rv::HistoryShow first{"Monday 1st January 2007", "Opening Night", 61, 300, 900, {}};
    first.matches.push_back({"Singles: Alpha Worker 1 vs Alpha Worker 2", 70, "Alpha Worker 1", {"Alpha Worker 1", "Alpha Worker 2"},
                             {"Alpha Worker 1"}, "", false, "Alpha Worker 1 defeated Alpha Worker 2",
                             {"Skill (hardcore + ability) x 0.65: +60.00", "Morale: +10.00"}});
    rv::record_history_show(s, first);
    s.history.push_back("day\tThursday 5th April 2007\t5200\t42\t51\t2.6");
    rv::record_history_show(s, {"Thursday 5th April 2007", "Spring Show", 48, 280, 400, {}});

    QVERIFY(f.click(QStringLiteral("historyButton")));
    QCOMPARE(f.text_of(QStringLiteral("historySummary")), QStringLiteral("2 days and 2 shows shown, of 2 days kept."));
    QVERIFY(f.click(QStringLiteral("historyThreeMonthsButton")));
    QCOMPARE(f.text_of(QStringLiteral("historySummary")), QStringLiteral("1 day and 1 show shown, of 2 days kept."));
    // Hovering names the nearest day, or the show whose point it is.
    auto* charts = f.find<rvgui::HistoryCharts>(QStringLiteral("historyCharts"));
    const qint64 april = rvgui::chart_time("Thursday 5th April 2007");
    QCOMPARE(charts->day_tip(april + 3600000, true), QStringLiteral("Thursday 5th April 2007\nBalance: $5,200"));
    QCOMPARE(charts->show_tip(april, 48), QStringLiteral("Spring Show\nThursday 5th April 2007\nOverall Rating: 48%"));
    auto* grid = f.find<QTableView>(QStringLiteral("pastShowsGrid"));
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(grid->model()->index(0, 1).data().toString(), QStringLiteral("Spring Show"));  // the latest first
    grid->selectRow(1);
    QVERIFY(f.click(QStringLiteral("viewResultsButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::results);
    QCOMPARE(f.text_of(QStringLiteral("resultsTitle")), QStringLiteral("Opening Night Results"));
    // The archived match still tells how its rating came about.
    const QString tip = f.find<QTableView>(QStringLiteral("resultsGrid"))->model()->index(1, 2).data(Qt::ToolTipRole).toString();
    QCOMPARE(tip, QStringLiteral("Match Rating: 70%\nSkill (hardcore + ability) x 0.65: +60.00\nMorale: +10.00"));
    QVERIFY(f.click(QStringLiteral("resultsContinueButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::history);  // the game's day is untouched
    QVERIFY(f.window().session().presentation == nullptr);

    f.window().session().profile_worker = "Alpha Worker 1";
    f.window().open(rvgui::screen_name::profile);
    QCOMPARE(f.text_of(QStringLiteral("profileRecord")), QStringLiteral("Record: 1 match, 1 win, 0 losses, 0 title reigns"));
  }
};

QTEST_MAIN(HistoryTest)
#include "history_test.moc"

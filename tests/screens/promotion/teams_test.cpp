// Tag teams: a team created on the screen, filled through the member list, thinned out and
// broken up again.
#include <QListWidget>
#include <QTableView>
#include <QTest>

#include "fixture.h"
#include "screens/promotion/teamsscreen.h"
#include "state/layout.h"

using rvscreens::Fixture;

class TeamsTest : public QObject {
  Q_OBJECT

 private slots:
  void a_tag_team_is_made_thinned_and_broken_up() {
    Fixture f;
    QVERIFY(f.start_new_game());
    rv::Store& s = f.game()->store;
    QVERIFY(f.click(QStringLiteral("teamsButton")));
    auto* list = f.find<QListWidget>(QStringLiteral("teamsList"));
    auto* members = f.find<QTableView>(QStringLiteral("teamsMembersView"));
    QVERIFY(f.click(QStringLiteral("addMemberButton")));

    f.dialogs().queue_text(QStringLiteral("Iron Pair"));
    list->setCurrentRow(0);
    QTRY_COMPARE(list->count(), 2);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Iron Pair"));

    // The first worker of the list joins, then the first of those left; the last entry cancels.
    for (int i = 0; i < 2; ++i) {
      f.dialogs().queue_choice(0);
      QVERIFY(f.click(QStringLiteral("addMemberButton")));
    }
    const auto left = rv::member_candidates(s, *s.player_index(), rv::TeamKind::tag_team, "Iron Pair");
    f.dialogs().queue_choice(static_cast<int>(left.size()));  // "Cancel"
    QVERIFY(f.click(QStringLiteral("addMemberButton")));
    QCOMPARE(members->model()->rowCount(), 2);
    const QString first = members->model()->index(0, 0).data().toString();
    const auto row = s.find_worker(first.toStdString());
    QVERIFY(row.has_value());
    QCOMPARE(s.worker(*row).tagteam(), std::string("Iron Pair"));

    members->selectRow(0);
    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("removeMemberButton")));
    QCOMPARE(members->model()->rowCount(), 1);
    QCOMPARE(s.worker(*row).tagteam(), std::string(rv::cleared));

    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("deleteTeamButton")));
    QCOMPARE(list->count(), 1);
    QCOMPARE(members->model()->rowCount(), 0);
    for (std::size_t r = 0; r < s.worker_count(); ++r) QVERIFY(s.worker(r).tagteam() != "Iron Pair");
    QCOMPARE(f.dialogs().pending_answers(), std::size_t{0});
  }
};

QTEST_MAIN(TeamsTest)
#include "teams_test.moc"

// The ledger screen's wiring: each "Why?" of the main screen opens it on its figure, the filter
// changes the rows, the balance shows its money statement, and Escape returns.
#include <QComboBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "fixture.h"
#include "state/ledger.h"

using rvscreens::Fixture;

namespace {

// Writes two changes of the balance and one of popularity into a new game's ledger.
rv::Store& with_changes(Fixture& f) {
  rv::Store& s = f.game()->store;
  const auto p = s.promotion(*s.player_index());
  rv::add_balance(s, p, -2500, "Wages for the week");
  rv::add_balance(s, p, 4000, "Show: Opener, tickets");
  rv::set_popularity(s, p, p.popularity() + 2, "Show: Opener, overall rating 77");
  return s;
}

}  // namespace

class LedgerTest : public QObject {
  Q_OBJECT

 private slots:
  void why_opens_the_ledger_on_its_figure() {
    Fixture f;
    QVERIFY(f.start_new_game());
    rv::Store& s = with_changes(f);
    rv::set_board_rating(s, s.md_num(rv::md::board_rating) + 5, "Weekly review");
    rv::record_effect(s, rv::Figure::morale, "Alpha Worker 1", -4, "Lost: Singles");

    struct Case {
      const char* button;
      const char* filter;
      int rows;
    };
    const Case cases[] = {{"balanceWhyButton", "Bank balance", 2}, {"popularityWhyButton", "Popularity", 1}, {"boardWhyButton", "Board rating", 1}};
    for (const Case& c : cases) {
      QVERIFY(f.click(QString::fromLatin1(c.button)));
      QCOMPARE(f.window().current_name(), rvgui::screen_name::ledger);
      auto* filter = f.find<QComboBox>(QStringLiteral("ledgerFilter"));
      QCOMPARE(filter->currentText(), QString::fromLatin1(c.filter));
      QCOMPARE(f.find<QTableView>(QStringLiteral("ledgerChangesGrid"))->model()->rowCount(), c.rows);
      QTest::keyClick(f.find<QWidget>(QStringLiteral("ledgerScreen")), Qt::Key_Escape);
      QCOMPARE(f.window().current_name(), rvgui::screen_name::main);
    }
  }

  void the_filter_changes_the_rows() {
    Fixture f;
    QVERIFY(f.start_new_game());
    with_changes(f);
    QVERIFY(f.click(QStringLiteral("popularityWhyButton")));
    auto* filter = f.find<QComboBox>(QStringLiteral("ledgerFilter"));
    auto* changes = f.find<QTableView>(QStringLiteral("ledgerChangesGrid"));
    auto* statement = f.find<QTableView>(QStringLiteral("ledgerStatementGrid"));
    QCOMPARE(changes->model()->rowCount(), 1);

    QTest::keyClick(filter, Qt::Key_Up);  // to the bank balance
    QCOMPARE(filter->currentText(), QStringLiteral("Bank balance"));
    QCOMPARE(changes->model()->rowCount(), 2);
    QCOMPARE(changes->model()->index(0, 4).data().toString(), QStringLiteral("Show: Opener, tickets"));  // the latest first
    QCOMPARE(changes->model()->index(0, 3).data().toString(), QStringLiteral("+$4,000"));
    QCOMPARE(statement->model()->rowCount(), 2);  // the week's show and wages
    QCOMPARE(f.text_of(QStringLiteral("ledgerNetLabel")), QStringLiteral("Income $4,000   Costs -$2,500   Net +$1,500"));

    QTest::keyClick(filter, Qt::Key_Home);  // every figure
    QCOMPARE(changes->model()->rowCount(), 3);
  }
};

QTEST_MAIN(LedgerTest)
#include "ledger_test.moc"

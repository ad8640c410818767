// The booking screen at the smallest window the game supports: the bundled world's longest names
// stand whole in every list, and the figures a rating reads stay in view beside them.
#include <QHeaderView>
#include <QTableView>
#include <QTest>
#include <algorithm>

#include "fixture.h"
#include "feuds/feuds.h"
#include "screens/shell/mainwindow.h"
#include "screens/shell/session.h"
#include "screens/shows/bookingscreen.h"
#include "shows/booking.h"
#include "shows/suggest_feud.h"
#include "state/newgame.h"
#include "talent/profile.h"
#include "talent/split.h"

using rvscreens::Fixture;

namespace {

// The bundled world's longest names, as wide as the grids' font draws them.
QStringList longest_world_names(int count) {
  const auto world = rv::start_new_game(rv::Home(RINGVALE_SOURCE_DATA), "Probe");
  if (!world.ok()) return {};
  const rv::Store& store = world.value().store;
  QTableView probe;
  probe.ensurePolished();
  const QFontMetrics metrics(probe.font());
  QStringList names;
  for (std::size_t r = 0; r < store.worker_count(); ++r) names << QString::fromStdString(store.worker(r).name());
  std::sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
    return metrics.horizontalAdvance(a) > metrics.horizontalAdvance(b);
  });
  return names.mid(0, count);
}

// True when the grid's first column is as wide as its widest text needs.
bool holds_its_text(QTableView* grid) {
  return grid->columnWidth(0) >= static_cast<QAbstractItemView*>(grid)->sizeHintForColumn(0);
}

}  // namespace

class BookingTest : public QObject {
  Q_OBJECT

 private slots:
  void the_longest_names_stand_whole_at_1024() {
    const QStringList longest = longest_world_names(6);
    QCOMPARE(longest.size(), 6);
    Fixture f;
    QVERIFY(f.start_new_game());
    rv::Store& store = f.game()->store;
    const auto rows = rv::player_workers(store);
    QVERIFY(rows.size() >= 6);
    for (int k = 0; k < 6; ++k) QVERIFY(rv::rename_worker(store, rows[static_cast<std::size_t>(k)], longest[k].toStdString()).ok());
    QVERIFY(f.to_first_booking());
    QCOMPARE(f.window().size(), QSize(1024, 768));

    // The worker grid: every name whole, and pop to condition in view without scrolling.
    auto* roster = f.find<QTableView>(QStringLiteral("bookingRoster"));
    QVERIFY(holds_its_text(roster));
    int figures = 0;
    for (int c = 0; c <= 6; ++c) figures += roster->columnWidth(c);
    QVERIFY2(figures <= roster->viewport()->width(),
             qPrintable(QStringLiteral("%1 px of names and figures in %2 px").arg(figures).arg(roster->viewport()->width())));

    // The Choose list while it offers workers, and the card once two of them are booked.
    auto* booking = f.find<rvgui::BookingScreen>(QStringLiteral("bookingScreen"));
    QVERIFY(f.click(QStringLiteral("matchCount1")));
    QVERIFY(f.click(QStringLiteral("matchSlot1")));
    auto* list = f.find<QTableView>(QStringLiteral("bookingList"));
    int booked = 0;
    for (int step = 0; step < 10 && booked < 2 && list->model()->rowCount() > 0; ++step) {
      const QStringList offered = rvscreens::column_texts(list);
      const auto it = std::find_if(longest.begin(), longest.end(), [&](const QString& n) { return offered.contains(n); });
      if (it == longest.end()) {
        booking->pick(0);
        continue;
      }
      QVERIFY(holds_its_text(list));
      booking->pick(static_cast<int>(offered.indexOf(*it)));
      ++booked;
    }
    QCOMPARE(booked, 2);
    QVERIFY(holds_its_text(f.find<QTableView>(QStringLiteral("bookingCard"))));
  }

  // A new game has no feud: Suggest Card proposes one first. No books the card without it; Yes
  // starts it and books its two workers against each other.
  void suggest_card_proposes_a_feud_when_none_is_worth_watching() {
    for (const bool yes : {false, true}) {
      Fixture f;
      QVERIFY(f.start_new_game() && f.to_first_booking());
      const auto proposal = rv::propose_feud(f.game()->store);
      QVERIFY(proposal.has_value());
      yes ? f.dialogs().queue_yes() : f.dialogs().queue_no();
      QVERIFY(f.click(QStringLiteral("suggestCardButton")));
      QCOMPARE(rv::feud_running(f.game()->store, 0), yes);
      const auto& booking = *f.window().session().booking;
      QVERIFY(booking.can_confirm());
      const std::vector<std::vector<std::string>> feud{{proposal->first}, {proposal->second}};
      bool met = false;
      for (int k = 1; k <= booking.match_count(); ++k) met = met || booking.sides(static_cast<std::size_t>(k)) == feud;
      QCOMPARE(met, yes);
    }
  }
};

QTEST_MAIN(BookingTest)
#include "booking_test.moc"

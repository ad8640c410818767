// The battle royal setup reached from the booking screen: the entry buttons and the count, moving
// workers by hand, too few entrants, naming the winner and the runner-up, and giving it up.
#include <QLabel>
#include <QTableView>
#include <QtTest>

#include "fixture.h"
#include "screens/shell/mainwindow.h"
#include "screens/shell/navigator.h"
#include "screens/shows/battleroyalscreen.h"
#include "screens/shows/bookingscreen.h"
#include "screens/widgets/gridmodel.h"
#include "shows/battleroyal.h"
#include "shows/booking.h"

using rvscreens::Fixture;

namespace {

// A new game's first show booked at a venue, five matches, and a Battle Royal chosen for match 1
// on the booking list (title and stipulation: the first offered); the battle royal screen.
rvgui::BattleRoyalScreen* open_battle_royal(Fixture& f) {
  if (!f.start_new_game() || !f.to_first_booking()) return nullptr;
  auto* booking = f.find<rvgui::BookingScreen>(QStringLiteral("bookingScreen"));
  f.click(QStringLiteral("matchCount1"));
  f.click(QStringLiteral("matchSlot1"));
  auto* list = f.find<QTableView>(QStringLiteral("bookingList"));
  for (int r = 0; r < list->model()->rowCount(); ++r)
    if (list->model()->index(r, 0).data().toString() == QStringLiteral("Battle Royal")) booking->pick(r);
  for (int step = 0; step < 3 && f.window().current_name() == rvgui::screen_name::booking; ++step) booking->pick(0);
  if (f.window().current_name() != rvgui::screen_name::battle_royal) return nullptr;
  return f.find<rvgui::BattleRoyalScreen>(QStringLiteral("battleRoyalScreen"));
}

QStringList names(QTableView* grid) { return rvscreens::column_texts(grid); }

// The grid row showing `name`, and the model row behind it.
int view_row_of(QTableView* grid, const QString& name) { return rvscreens::row_of(grid, name); }
int row_of(QTableView* grid, const QString& name) { return rvgui::model_row(grid, view_row_of(grid, name)); }

}  // namespace

class BattleRoyalTest : public QObject {
  Q_OBJECT

 private slots:
  void enter_all_books_the_entrants_and_returns() {
    Fixture f;
    auto* screen = open_battle_royal(f);
    QVERIFY(screen);
    auto& session = f.window().session();
    auto* entered = f.find<QTableView>(QStringLiteral("enteredList"));
    auto* available = f.find<QTableView>(QStringLiteral("availableList"));
    const int everyone = available->model()->rowCount();

    QVERIFY(f.click(QStringLiteral("enterAllButton")));
    const QStringList men = names(entered);
    QVERIFY(men.size() >= 3);
    QCOMPARE(available->model()->rowCount() + men.size(), everyone);
    for (int r = 0; r < entered->model()->rowCount(); ++r)
      QCOMPARE(entered->model()->index(r, 1).data().toString(), QStringLiteral("Male"));
    QCOMPARE(f.text_of(QStringLiteral("participantCount")),
             QStringLiteral("Number Of Participants Chosen: %1").arg(men.size()));

    f.dialogs().queue_no();  // the winner
    f.dialogs().queue_no();  // the runner-up
    QVERIFY(f.click(QStringLiteral("confirmParticipantsButton")));
    QCOMPARE(f.dialogs().pending_answers(), std::size_t{0});
    QCOMPARE(f.window().current_name(), rvgui::screen_name::booking);
    QVERIFY(!session.booking->awaiting_battle_royal());
    QStringList booked;
    for (const auto& n : session.booking->battle_royal_entrants()) booked << QString::fromStdString(n);
    QCOMPARE(booked, men);
    QVERIFY(!names(f.find<QTableView>(QStringLiteral("bookingList"))).contains(QStringLiteral("Enter All")));
  }

  void choosing_by_hand_and_too_few() {
    Fixture f;
    auto* screen = open_battle_royal(f);
    QVERIFY(screen);
    auto* available = f.find<QTableView>(QStringLiteral("availableList"));
    auto* entered = f.find<QTableView>(QStringLiteral("enteredList"));
    const QString count = QStringLiteral("Number Of Participants Chosen: %1");

    // Before "Choose Manually" a row does not move.
    screen->take_available(0);
    QCOMPARE(f.text_of(QStringLiteral("participantCount")), count.arg(0));

    QVERIFY(f.click(QStringLiteral("chooseManuallyButton")));
    const QString first = available->model()->index(0, 0).data().toString();
    // Enter on the current row moves that worker.
    available->setCurrentIndex(available->model()->index(0, 0));
    QTest::keyClick(available, Qt::Key_Return);
    QCOMPARE(names(entered), QStringList{first});
    QVERIFY(!names(available).contains(first));
    screen->take_available(0);
    QCOMPARE(f.text_of(QStringLiteral("participantCount")), count.arg(2));
    screen->take_entered(row_of(entered, first));
    QCOMPARE(f.text_of(QStringLiteral("participantCount")), count.arg(1));
    QVERIFY(names(available).contains(first));

    QVERIFY(f.click(QStringLiteral("confirmParticipantsButton")));  // no question: too few
    QCOMPARE(f.window().current_name(), rvgui::screen_name::battle_royal);
    QVERIFY(f.window().session().booking->awaiting_battle_royal());
    QVERIFY(f.window().session().booking->battle_royal_entrants().empty());
  }

  void naming_the_winner_and_the_runner_up() {
    Fixture f;
    auto* screen = open_battle_royal(f);
    QVERIFY(screen);
    auto* entered = f.find<QTableView>(QStringLiteral("enteredList"));
    QVERIFY(f.click(QStringLiteral("enterAllWorkersButton")));
    const QStringList all = names(entered);
    QVERIFY(all.size() >= 3);
    const QString winner = all.at(1), runner_up = all.at(2);

    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("confirmParticipantsButton")));
    QCOMPARE(screen->mode(), rvgui::BattleRoyalScreen::Mode::picking_winner);
    QCOMPARE(f.dialogs().count(QString::fromStdString(rv::BattleRoyalSetup::winner_instruction())), 1);

    f.dialogs().queue_yes();  // the runner-up too
    screen->take_entered(row_of(entered, winner));
    QCOMPARE(screen->mode(), rvgui::BattleRoyalScreen::Mode::picking_runner_up);
    QCOMPARE(entered->model()->index(view_row_of(entered, winner), 3).data().toString(), QStringLiteral("Winner"));
    screen->take_entered(row_of(entered, winner));  // refused: the player clicks again
    QCOMPARE(f.window().current_name(), rvgui::screen_name::battle_royal);
    // A single click on the grid names the runner-up.
    const QModelIndex at = entered->model()->index(view_row_of(entered, runner_up), 0);
    entered->scrollTo(at);
    QTest::mouseClick(entered->viewport(), Qt::LeftButton, {}, entered->visualRect(at).center());
    QCOMPARE(f.window().current_name(), rvgui::screen_name::booking);
    auto& booking = *f.window().session().booking;
    QCOMPARE(QString::fromStdString(booking.battle_royal_runner_up()), runner_up);
    QCOMPARE(booking.battle_royal_entrants().size(), static_cast<std::size_t>(all.size()));
  }

  void cancelling_empties_the_slot() {
    Fixture f;
    auto* screen = open_battle_royal(f);
    QVERIFY(screen);
    auto& session = f.window().session();
    QVERIFY(f.click(QStringLiteral("enterAllButton")));
    f.dialogs().queue_no();
    QVERIFY(f.click(QStringLiteral("cancelBattleRoyalButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::battle_royal);
    QVERIFY(session.booking->awaiting_battle_royal());

    f.dialogs().queue_yes();
    QTest::keyClick(screen, Qt::Key_Escape);  // Escape is Cancel
    QCOMPARE(f.window().current_name(), rvgui::screen_name::booking);
    QVERIFY(!session.booking->awaiting_battle_royal());
    QVERIFY(!session.booking->slot_booked(1));
    QVERIFY(session.booking->slot_display(1).empty());
  }
};

QTEST_MAIN(BattleRoyalTest)
#include "battleroyal_test.moc"

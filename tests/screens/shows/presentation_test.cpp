// A show day from "Confirm" to the results: the intro, the playback's speed and skip, the results
// and back to the main screen; and the line-up during booking.
#include <QLabel>
#include <QTableView>
#include <QtTest>

#include "fixture.h"
#include "screens/shell/mainwindow.h"
#include "screens/shell/navigator.h"
#include "screens/shell/session.h"
#include "screens/shows/bookingscreen.h"
#include "screens/shows/playbackscreen.h"
#include "shows/booking.h"

using rvscreens::Fixture;

namespace {

// A new game's first show with its venue booked and the suggester's card: the booking screen.
bool open_booked_card(Fixture& f) {
  if (!f.start_new_game() || !f.to_first_booking()) return false;
  f.dialogs().queue_no();  // no feud for now
  if (!f.click(QStringLiteral("suggestCardButton"))) return false;
  const auto& session = f.window().session();
  return session.booking && session.booking->can_confirm();
}

}  // namespace

class PresentationTest : public QObject {
  Q_OBJECT

 private slots:
  void a_confirmed_card_runs_and_is_watched_to_the_end() {
    Fixture f;
    QVERIFY(open_booked_card(f));
    const auto balance = f.game()->store.promotion(*f.game()->store.player_index()).balance();
    QVERIFY(f.click(QStringLiteral("confirmCardButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::show_intro);
    QVERIFY(f.game()->store.promotion(*f.game()->store.player_index()).balance() != balance);

    QVERIFY(f.click(QStringLiteral("seeHighlightsButton")));
    auto* playback = f.find<rvgui::PlaybackScreen>(QStringLiteral("playbackScreen"));
    QVERIFY(!f.text_of(QStringLiteral("playbackText")).isEmpty());
    for (int i = 0; i < 6; ++i) f.click(QStringLiteral("slowerButton"));
    QCOMPARE(f.text_of(QStringLiteral("speedLabel")), QStringLiteral("0"));
    QVERIFY(!playback->step_timer().isActive());  // stopped until Faster
    f.click(QStringLiteral("fasterButton"));
    QVERIFY(playback->step_timer().isActive());
    for (int i = 0; i < 12; ++i) f.click(QStringLiteral("fasterButton"));
    QCOMPARE(f.text_of(QStringLiteral("speedLabel")), QStringLiteral("10"));

    f.dialogs().queue_no();
    f.click(QStringLiteral("skipToResultsButton"));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::playback);
    // At speed 10 the rest of the show plays out and the results follow.
    QTRY_COMPARE_WITH_TIMEOUT(f.window().current_name(), rvgui::screen_name::results, 20000);
    QVERIFY(f.text_of(QStringLiteral("overallRating")).startsWith(QStringLiteral("Overall Show Rating: ")));

    QVERIFY(f.click(QStringLiteral("resultsContinueButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::main);
    QVERIFY(!f.window().session().presentation);
    QCOMPARE(QString::fromStdString(f.game()->store.md(rv::md::main_caption)), QStringLiteral("Next Day"));
  }

  void the_card_lives_until_the_show_has_run() {
    Fixture f;
    QVERIFY(open_booked_card(f));
    const rv::Lines card = f.window().session().booking->card();
    // Back to the venues, back to the main screen, and to the show again: the same card.
    QVERIFY(f.click(QStringLiteral("bookingBackButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::venues);
    QTest::keyClick(f.window().current_screen(), Qt::Key_Escape);
    QCOMPARE(f.window().current_name(), rvgui::screen_name::main);
    QVERIFY(f.click(QStringLiteral("mainActionButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::booking);
    QCOMPARE(f.window().session().booking->card(), card);
  }

  void skipping_the_highlights_and_the_line_up() {
    Fixture f;
    QVERIFY(open_booked_card(f));
    // The booked card shows what each match and the show are expected to rate, with the terms.
    const QAbstractItemModel* card = f.find<QTableView>(QStringLiteral("bookingCard"))->model();
    QVERIFY(card->index(0, 0).data().toString().startsWith(QStringLiteral("Match 1 (expected rating: ")));
    QVERIFY(card->index(0, 0).data(Qt::ToolTipRole).toString().startsWith(QStringLiteral("Skill (hardcore + ability) x 0.65: ")));
    QVERIFY(card->index(card->rowCount() - 1, 0).data().toString().startsWith(QStringLiteral("Expected Show Rating: ")));
    QVERIFY(f.click(QStringLiteral("cardButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::line_up);
    QVERIFY(f.find<QTableView>(QStringLiteral("lineUpGrid"))->model()->rowCount() > 5);
    QVERIFY(f.click(QStringLiteral("backToBookingButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::booking);

    QVERIFY(f.click(QStringLiteral("confirmCardButton")));
    QVERIFY(f.click(QStringLiteral("seeHighlightsButton")));
    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("skipToResultsButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::results);

    // A match's rows tell how its rating came about: as a tooltip, and in a message when clicked.
    auto* grid = f.find<QTableView>(QStringLiteral("resultsGrid"));
    const QModelIndex result_row = grid->model()->index(1, 1);
    const QString tip = result_row.data(Qt::ToolTipRole).toString();
    QVERIFY(tip.startsWith(QStringLiteral("Match Rating: ")));
    QVERIFY(tip.contains(QStringLiteral("\nSkill (hardcore + ability) x 0.65: ")));
    f.dialogs().clear_shown();
    emit grid->clicked(result_row);
    QCOMPARE(f.dialogs().shown().size(), std::size_t{1});
    QCOMPARE(f.dialogs().shown().front().text, tip);
    QCOMPARE(f.dialogs().shown().front().heading, QStringLiteral("- Match 1 -"));

    // The night's report opens from the results and leads back to them.
    QVERIFY(f.click(QStringLiteral("nightReportButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::report);
    QVERIFY(f.find<QTableView>(QStringLiteral("reportMovesGrid"))->model()->index(0, 0).data().toString().startsWith(
        QStringLiteral("Popularity: ")));
    QVERIFY(f.click(QStringLiteral("reportBackButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::results);
  }
};

QTEST_MAIN(PresentationTest)
#include "presentation_test.moc"

// A new game: the name prompt, the promotion choice and the new indy.
#include <QLabel>
#include <QTest>

#include "fixture.h"
#include "screens/cycle/mainscreen.h"
#include "screens/start/promotionchoicescreen.h"
#include "screens/widgets/cp1252.h"
#include "state/fileio.h"

using rvscreens::Fixture;

class NewGameTest : public QObject {
  Q_OBJECT

 private slots:
  void new_game_reaches_the_main_screen() {
    Fixture f;
    f.start();
    f.dialogs().queue_text(QStringLiteral("Ada Strand"));
    QVERIFY(f.click(QStringLiteral("newGameButton")));
    QCOMPARE(f.window().current_screen(), static_cast<rvgui::Screen*>(f.choice_screen()));

    // Two promotions in the world: the other nine buttons create a new indy.
    QCOMPARE(f.text_of(QStringLiteral("promotionButton1")), QStringLiteral("RVA"));
    QCOMPARE(f.text_of(QStringLiteral("fedNameLabel")), QStringLiteral("Ringvale Alpha"));
    QVERIFY(f.click(QStringLiteral("promotionButton2")));
    QCOMPARE(f.text_of(QStringLiteral("typeLabel")), QStringLiteral("Basic Indy"));
    QCOMPARE(f.choice_screen()->chosen(), QStringLiteral("RVB"));
    QVERIFY(f.click(QStringLiteral("promotionButton1")));
    QVERIFY(f.click(QStringLiteral("startButton")));

    QCOMPARE(f.window().current_screen(), static_cast<rvgui::Screen*>(f.main_screen()));
    const rv::Store& s = f.game()->store;
    QCOMPARE(s.md(rv::md::player_initials), std::string("RVA"));
    QCOMPARE(s.md(rv::md::player_name), std::string("Ada Strand"));
    QCOMPARE(f.text_of(QStringLiteral("balanceLabel")), QStringLiteral("$1,500,000"));
    QCOMPARE(f.text_of(QStringLiteral("boardLabel")), QStringLiteral("50%"));
    QCOMPARE(f.text_of(QStringLiteral("inboxButton")), QStringLiteral("Inbox (1)"));  // the Front Office's welcome
  }

  void new_indy_with_taken_initials_is_asked_again() {
    Fixture f;
    f.start();
    f.dialogs().queue_text(QStringLiteral("Player 1"));
    QVERIFY(f.click(QStringLiteral("newGameButton")));
    QVERIFY(f.click(QStringLiteral("promotionButton11")));
    f.dialogs().clear_shown();
    for (const char* answer : {"RVB", "NEW", "Ringvale Alpha", "Harbour Wrestling", "Harbour Title", "Harbour Champion"}) {
      f.dialogs().queue_text(QString::fromLatin1(answer));
    }
    QVERIFY(f.click(QStringLiteral("startButton")));
    const auto texts = f.dialogs().texts();
    QCOMPARE(texts.size(), std::size_t{8});
    QVERIFY(texts[1].startsWith(QStringLiteral("There is already a promotion involved in this game with those initials")));
    QCOMPARE(texts[2], texts[0]);
    QCOMPARE(f.window().current_screen(), static_cast<rvgui::Screen*>(f.main_screen()));
    QCOMPARE(f.text_of(QStringLiteral("promotionNameLabel")), QStringLiteral("Harbour Wrestling"));
  }

  void cancelling_the_indy_at_the_title_prompt_changes_nothing() {
    Fixture f;
    f.start();
    f.dialogs().queue_text(QStringLiteral("Player 1"));
    QVERIFY(f.click(QStringLiteral("newGameButton")));
    const rv::Lines before = f.window().session().pending->store.promotions;
    QVERIFY(f.click(QStringLiteral("promotionButton4")));
    f.dialogs().queue_text(QStringLiteral("NEW"));
    f.dialogs().queue_text(QStringLiteral("Harbour Wrestling"));
    f.dialogs().queue_cancel();  // cancel at the title
    QVERIFY(f.click(QStringLiteral("startButton")));
    QCOMPARE(f.window().current_screen(), static_cast<rvgui::Screen*>(f.choice_screen()));
    QCOMPARE(f.window().session().pending->store.promotions, before);
    QCOMPARE(f.choice_screen()->chosen(), QStringLiteral("Create New Indy"));
    QVERIFY(f.game() == nullptr);
  }

  void names_that_cannot_be_stored_are_refused() {
    Fixture f;
    f.start();
    f.dialogs().queue_text(QStringLiteral("Zo\u00eb \u4e2d"));  // the second word has no Windows-1252 form
    f.dialogs().queue_text(QStringLiteral("Zo\u00eb"));
    QVERIFY(f.click(QStringLiteral("newGameButton")));
    QCOMPARE(f.dialogs().shown().size(), std::size_t{3});
    QCOMPARE(f.dialogs().shown()[1].kind, rvgui::Dialogs::Kind::info);
    QVERIFY(f.click(QStringLiteral("startButton")));
    QCOMPARE(f.game()->store.md(rv::md::player_name), std::string("Zo\xeb"));
    QCOMPARE(f.text_of(QStringLiteral("playerLabel")), QStringLiteral("Zo\u00eb (RVA)"));
  }

  void windows_1252_texts_are_converted_both_ways() {
    using rvgui::from_cp1252;
    using rvgui::to_cp1252;
    QCOMPARE(from_cp1252("Caf\xe9 \x80\x96 \x9f"), QStringLiteral("Caf\u00e9 \u20ac\u2013 \u0178"));
    QCOMPARE(from_cp1252("\x81"), QStringLiteral("\ufffd"));  // a byte with no character
    QCOMPARE(*to_cp1252(QStringLiteral("Caf\u00e9 \u20ac\u2013 \u0178")), std::string("Caf\xe9 \x80\x96 \x9f"));
    QVERIFY(!to_cp1252(QStringLiteral("\u0142")).has_value());     // a Polish l with stroke
    QVERIFY(!to_cp1252(QStringLiteral("\U0001F600")).has_value()); // outside the basic plane
    QCOMPARE(rvgui::to_cp1252_lossy(QStringLiteral("a\u0142b")), std::string("a?b"));

    // A promotion named in Windows-1252 shows its accents on the choice screen.
    Fixture f;
    auto record = rvtest::promotion_record("RVA", "Caf\xe9 Lucha \x80", 4);
    rv::write_lines(f.home().data() / "RVA.fed", record);
    QVERIFY(f.start_new_game());
    QCOMPARE(f.text_of(QStringLiteral("promotionNameLabel")), QStringLiteral("Caf\u00e9 Lucha \u20ac"));
  }

  void cancelling_the_name_or_going_back_stays_on_the_menu() {
    Fixture f;
    f.start();
    f.dialogs().queue_cancel();
    QVERIFY(f.click(QStringLiteral("newGameButton")));
    QCOMPARE(f.window().current_screen(), static_cast<rvgui::Screen*>(f.front_menu()));
    f.dialogs().queue_text(QStringLiteral("Player 1"));
    QVERIFY(f.click(QStringLiteral("newGameButton")));
    QTest::keyClick(f.choice_screen(), Qt::Key_Escape);
    QCOMPARE(f.window().current_screen(), static_cast<rvgui::Screen*>(f.front_menu()));
    QVERIFY(f.window().session().pending == nullptr);
  }
};

QTEST_MAIN(NewGameTest)
#include "newgame_test.moc"

// Moving between screens through the back stack, and the typed dialogs that tests answer.
#include <QLabel>
#include <QTest>

#include "fixture.h"
#include "screens/shell/registry.h"

using rvscreens::Fixture;

class NavigationTest : public QObject {
  Q_OBJECT

 private slots:
  void escape_and_the_back_buttons_follow_the_back_stack() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.window().back_stack().empty());  // a new game starts afresh at the main screen
    QVERIFY(f.click(QStringLiteral("inboxButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::inbox);
    QCOMPARE(f.window().back_stack(), std::vector<QString>{rvgui::screen_name::main});
    QTest::keyClick(f.inbox_screen(), Qt::Key_Escape);
    QCOMPARE(f.window().current_name(), rvgui::screen_name::main);
    QVERIFY(f.window().back_stack().empty());
    f.window().back();  // nothing below the main screen
    QCOMPARE(f.window().current_name(), rvgui::screen_name::main);
  }

  void typed_answers_of_the_wrong_kind_are_reported() {
    rvgui::Dialogs d;
    d.set_scripted(true);
    QStringList reported;
    d.set_unanswered_handler([&](const QString& q) { reported << q; });
    d.queue_text(QStringLiteral("Yes"));  // a text where a Yes/No is asked
    QVERIFY(!d.ask(QStringLiteral("Delete it?")));
    d.queue_choice(2);
    QCOMPARE(d.choose(QStringLiteral("Which?"), {QStringLiteral("a"), QStringLiteral("b")}), std::nullopt);
    d.queue_number(500);
    QCOMPARE(d.whole_number(QStringLiteral("How much?"), 10, 0, 100), std::nullopt);
    QCOMPARE(d.prompt(QStringLiteral("Name?")), std::nullopt);  // nothing queued
    QCOMPARE(reported.size(), 4);
    QVERIFY(reported.last().contains(QStringLiteral("Name?")));

    d.queue_choice(1);
    d.queue_number(100);
    d.queue_cancel();
    d.queue_yes();
    QCOMPARE(d.choose(QStringLiteral("Which?"), {QStringLiteral("a"), QStringLiteral("b")}), std::optional<int>(1));
    QCOMPARE(d.whole_number(QStringLiteral("How much?"), 10, 0, 100), std::optional<long long>(100));
    QCOMPARE(d.prompt(QStringLiteral("Name?"), QStringLiteral("x")), std::nullopt);
    QVERIFY(d.ask(QStringLiteral("Sure?")));
    QCOMPARE(reported.size(), 4);
    QCOMPARE(d.pending_answers(), std::size_t{0});
  }
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"

// The save mode of the main screen, and loading a save again from the front menu.
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "fixture.h"
#include "screens/cycle/mainscreen.h"
#include "state/saves.h"

using rvscreens::Fixture;

namespace {

QStringList main_screen_texts(Fixture& f) {
  QStringList out;
  for (const char* name : {"promotionNameLabel", "playerLabel", "dayLabel", "numberLabel", "monthLabel", "yearLabel",
                           "fullDateLabel", "balanceLabel", "boardLabel", "dayHeadingLabel", "dayEventsLabel",
                           "mainActionButton", "inboxButton"}) {
    out << f.text_of(QString::fromLatin1(name));
  }
  return out;
}

}  // namespace

class SavesTest : public QObject {
  Q_OBJECT

 private slots:
  void a_bad_name_gives_one_message_per_character_and_writes_nothing() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("saveGameButton")));
    f.dialogs().clear_shown();
    f.dialogs().queue_text(QStringLiteral("my save!"));
    QVERIFY(f.click(QStringLiteral("newSaveButton")));
    QCOMPARE(f.dialogs().count(QStringLiteral("The name for your saved game cannot contain symbols or spaces.")), 2);
    QVERIFY(rv::list_saves(f.home()).empty());
    QVERIFY(f.main_screen()->save_mode());
  }

  void save_quit_and_load_gives_the_same_main_screen() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("mainActionButton")));
    QVERIFY(f.click(QStringLiteral("mainActionButton")));
    const QStringList before = main_screen_texts(f);

    QVERIFY(f.click(QStringLiteral("saveGameButton")));
    f.dialogs().clear_shown();
    f.dialogs().queue_text(QStringLiteral("Career1"));
    QVERIFY(f.click(QStringLiteral("newSaveButton")));
    QVERIFY(!f.main_screen()->save_mode());
    QCOMPARE(f.game()->save_name, std::string("Career1"));
    QVERIFY(std::filesystem::exists(f.home().sav_file("Career1")));

    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("menuButton")));
    QVERIFY(f.click(QStringLiteral("loadGameButton")));
    f.find<QListWidget>(QStringLiteral("loadList"))->setCurrentRow(0);
    QVERIFY(f.click(QStringLiteral("actionButton")));
    QCOMPARE(f.window().current_screen(), static_cast<rvgui::Screen*>(f.main_screen()));
    QCOMPARE(main_screen_texts(f), before);
    QCOMPARE(f.game()->save_name, std::string("Career1"));

    // Saving into the selected slot after another day rewrites it.
    QVERIFY(f.click(QStringLiteral("mainActionButton")));
    QVERIFY(f.click(QStringLiteral("saveGameButton")));
    auto* list = f.find<QListWidget>(QStringLiteral("saveList"));
    QCOMPARE(list->count(), 1);
    list->setCurrentRow(0);
    QCOMPARE(f.text_of(QStringLiteral("saveInfoLabel")),
             QStringLiteral("Player 1 (RVA) Wednesday 3rd January 2007\nSaved on 05/12/2026 at 14:30:00."));
    f.dialogs().queue_no();
    QVERIFY(f.click(QStringLiteral("saveButton")));
    QCOMPARE(f.dialogs().shown().back().text,
             QStringLiteral("Do you want to save over the saved game 'Career1'? What it holds now will be lost."));
    QVERIFY(f.main_screen()->save_mode());
    QCOMPARE(rv::read_save_info(f.home(), "Career1.sav")->game_info, std::string("Player 1 (RVA) Wednesday 3rd January 2007"));
    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("saveButton")));
    const auto info = rv::read_save_info(f.home(), "Career1.sav");
    QVERIFY(info.ok());
    QCOMPARE(info->game_info, std::string("Player 1 (RVA) Thursday 4th January 2007"));
  }

  void replacing_and_deleting_a_save_ask_first() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(rv::save_game(f.game()->store, f.home(), "Slot", rv::WallTime{}).ok());
    const std::string old_maindata = rvtest::file_bytes(f.home().save_folder("Slot") / "maindata.rv1");
    QVERIFY(f.click(QStringLiteral("mainActionButton")));

    QVERIFY(f.click(QStringLiteral("saveGameButton")));
    f.dialogs().queue_text(QStringLiteral("Slot"));
    f.dialogs().queue_no();
    QVERIFY(f.click(QStringLiteral("newSaveButton")));
    QCOMPARE(rvtest::file_bytes(f.home().save_folder("Slot") / "maindata.rv1"), old_maindata);

    auto* list = f.find<QListWidget>(QStringLiteral("saveList"));
    list->setCurrentRow(0);
    f.dialogs().queue_no();
    QVERIFY(f.click(QStringLiteral("deleteSaveButton")));
    QCOMPARE(f.dialogs().shown().back().text, QStringLiteral("Are you sure you want to delete the saved game 'Slot'?"));
    QVERIFY(std::filesystem::exists(f.home().sav_file("Slot")));
    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("deleteSaveButton")));
    QCOMPARE(list->count(), 0);
  }
};

QTEST_MAIN(SavesTest)
#include "saves_test.moc"

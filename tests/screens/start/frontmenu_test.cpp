// The front menu: a broken save in the load list, and the scenario list.
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "fixture.h"
#include "screens/cycle/mainscreen.h"
#include "screens/start/frontmenu.h"
#include "state/fileio.h"
#include "state/saves.h"

using rvscreens::Fixture;

class FrontMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void broken_save_names_the_missing_file_and_changes_nothing() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(rv::save_game(f.game()->store, f.home(), "Broken", rv::WallTime{}).ok());
    std::filesystem::remove(f.home().save_folder("Broken") / "calendar.rv1");
    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("menuButton")));
    f.dialogs().clear_shown();

    QVERIFY(f.click(QStringLiteral("loadGameButton")));
    f.find<QListWidget>(QStringLiteral("loadList"))->setCurrentRow(0);
    QVERIFY(f.click(QStringLiteral("actionButton")));
    QCOMPARE(f.dialogs().shown().size(), std::size_t{1});
    QVERIFY(f.dialogs().shown()[0].text.contains(QStringLiteral("calendar.rv1")));
    QCOMPARE(f.window().current_screen(), static_cast<rvgui::Screen*>(f.front_menu()));
    QCOMPARE(f.front_menu()->mode(), rvgui::FrontMenu::Mode::menu);
    QVERIFY(f.game() == nullptr);
  }

  void scenarios_list_moves_pictures_and_start_with_their_own_venues() {
    Fixture f;
    f.start();
    QVERIFY(f.click(QStringLiteral("playScenarioButton")));
    QCOMPARE(f.dialogs().shown().size(), std::size_t{1});
    QVERIFY(f.dialogs().shown()[0].text.startsWith(QStringLiteral("You don't have any scenarios")));
    f.dialogs().clear_shown();

    // A scenario: the small world plus its own pictures, one of which is already in Images.
    const rv::Home scenario_home(f.home().scenario("Uprising"));
    rvtest::write_small_world(scenario_home);
    for (const char* file : {"maindata.rv1", "stipulations.rv1", "wrestlers.rv1", "RVA.fed", "RVB.fed", "New Indy.rv1"}) {
      std::filesystem::rename(scenario_home.data() / file, scenario_home.root() / file);
    }
    rv::write_lines(scenario_home.root() / "scenario.txt", {"The Uprising", "Take on the big two.", "Nell Avery"});
    rvtest::write_bytes(scenario_home.root() / "poster.jpg", "new");
    rvtest::write_bytes(scenario_home.root() / "default.jpg", "scenario's own");
    const std::string old_default = rvtest::file_bytes(f.home().images() / "default.jpg");

    QVERIFY(f.click(QStringLiteral("playScenarioButton")));
    auto* list = f.find<QListWidget>(QStringLiteral("scenarioList"));
    QCOMPARE(list->count(), 1);
    f.dialogs().queue_no();  // keep the Images folder's default.jpg
    list->setCurrentRow(0);
    QCOMPARE(f.text_of(QStringLiteral("infoLabel")), QStringLiteral("The Uprising\n\nTake on the big two.\n\nBy Nell Avery"));
    const auto& shown = f.dialogs().shown();
    QCOMPARE(shown.size(), std::size_t{3});
    QCOMPARE(shown[0].heading, QStringLiteral("Images Found!"));
    QCOMPARE(shown[1].heading, QStringLiteral("Image Name Already In Use"));
    QVERIFY(shown[1].text.contains(QStringLiteral("default.jpg")));
    QCOMPARE(shown[2].text, QStringLiteral("Images moved OK."));
    QCOMPARE(rvtest::file_bytes(f.home().images() / "default.jpg"), old_default);  // the No was heard

    f.dialogs().queue_text(QStringLiteral("Player 1"));
    QVERIFY(f.click(QStringLiteral("actionButton")));
    QCOMPARE(f.window().current_screen(), static_cast<rvgui::Screen*>(f.choice_screen()));
    QVERIFY(f.click(QStringLiteral("startButton")));
    QCOMPARE(f.window().current_screen(), static_cast<rvgui::Screen*>(f.main_screen()));
    QCOMPARE(f.game()->store.md(rv::md::venue_file), std::string("Scenarios\\Uprising\\venues.txt"));
  }
};

QTEST_MAIN(FrontMenuTest)
#include "frontmenu_test.moc"

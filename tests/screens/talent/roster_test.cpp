// The roster, a worker's profile, "Edit Info" and the contract screen: the clicks reach the core
// and each screen shows what it answers.
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include "fixture.h"
#include "screens/talent/contractscreen.h"
#include "screens/widgets/gridmodel.h"
#include "talent/contract.h"

using rvscreens::Fixture;

namespace {

using rvscreens::cell;
using rvscreens::click_row;

// Opens the profile of the roster's first worker; his name.
QString open_first_profile(Fixture& f) {
  auto* grid = f.find<QTableView>(QStringLiteral("rosterGrid"));
  const QString name = cell(grid, 0, 0);
  click_row(grid, 0);
  return name;
}

}  // namespace

class RosterTest : public QObject {
  Q_OBJECT

 private slots:
  void the_choice_list_filters_and_sorts_the_grid() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("rosterButton")));
    auto* grid = f.find<QTableView>(QStringLiteral("rosterGrid"));
    const int everybody = grid->model()->rowCount();
    QVERIFY(everybody > 0);
    QVERIFY(grid->isColumnHidden(3));

    auto* choice = f.find<QComboBox>(QStringLiteral("rosterChoice"));
    choice->setCurrentText(QStringLiteral("Sort by Wages"));
    QVERIFY(!grid->isColumnHidden(3));
    QCOMPARE(grid->model()->rowCount(), everybody);
    for (int r = 1; r < everybody; ++r) {
      QVERIFY(grid->model()->index(r - 1, 3).data(rvgui::GridModel::key_role).toLongLong() >=
              grid->model()->index(r, 3).data(rvgui::GridModel::key_role).toLongLong());
    }
    choice->setCurrentText(QStringLiteral("View Females Only"));
    QVERIFY(grid->model()->rowCount() < everybody);

    // The printed roster lands in the game home.
    QVERIFY(f.click(QStringLiteral("printRosterButton")));
    QVERIFY(std::filesystem::exists(f.home().root() / "Roster.doc"));
  }

  void the_profile_changes_reach_the_worker() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("rosterButton")));
    auto* grid = f.find<QTableView>(QStringLiteral("rosterGrid"));
    const QString other = cell(grid, 1, 0);
    const QString name = open_first_profile(f);
    QCOMPARE(f.text_of(QStringLiteral("profileHeading")), name);
    const auto row = *f.game()->store.find_worker(name.toStdString());

    f.dialogs().queue_choice(1);  // Mid Card Worker
    QVERIFY(f.click(QStringLiteral("profileRoleButton")));
    QCOMPARE(f.game()->store.worker(row).roles(), std::string("2"));

    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("profileTurnButton")));
    QVERIFY(f.text_of(QStringLiteral("profileFact1")).startsWith(QStringLiteral("Turning ")));

    // Edit Info: a name another worker has is refused and nothing changes; a new one is kept.
    QVERIFY(f.click(QStringLiteral("editInfoButton")));
    f.find<QLineEdit>(QStringLiteral("fullNameEdit"))->setText(other);
    f.find<QLineEdit>(QStringLiteral("finisherEdit"))->setText(QStringLiteral("Thunder Drop"));
    QVERIFY(f.click(QStringLiteral("saveInfoButton")));
    QCOMPARE(QString::fromStdString(f.game()->store.worker(row).name()), name);
    QVERIFY(f.game()->store.worker(row).finisher() != "Thunder Drop");
    f.find<QLineEdit>(QStringLiteral("fullNameEdit"))->setText(QStringLiteral("Brand New Name"));
    QVERIFY(f.click(QStringLiteral("saveInfoButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::profile);
    QCOMPARE(f.text_of(QStringLiteral("profileHeading")), QStringLiteral("Brand New Name"));
    QCOMPARE(f.game()->store.worker(row).finisher(), std::string("Thunder Drop"));
    QCOMPARE(f.game()->store.turns.front(), std::string("Brand New Name"));  // his planned turn follows him
  }

  // Two brands that read alike (as a damaged save may hold them) are still two brands: the
  // second entry of the list is the second brand.
  void a_brand_is_chosen_by_its_place_in_the_list() {
    Fixture f;
    QVERIFY(f.start_new_game());
    rv::Store& s = f.game()->store;
    const auto p = s.promotion(*s.player_index());
    p.set(rv::prom::roster_split, "Yes");
    p.set(rv::prom::brand1_name, "Red");
    p.set(rv::prom::brand2_name, "Red");
    QVERIFY(f.click(QStringLiteral("rosterButton")));
    const auto row = *s.find_worker(open_first_profile(f).toStdString());
    s.worker(row).set_brand("All");
    const std::vector<std::pair<int, std::string>> picks = {{1, "Brand 2"}, {3, "Brand 2"}, {0, "Brand 1"}, {2, "All"}};
    for (const auto& [index, brand] : picks) {
      f.dialogs().queue_choice(index);
      QVERIFY(f.click(QStringLiteral("profileBrandButton")));
      QCOMPARE(s.worker(row).brand(), brand);
    }
  }

  void an_offer_is_made_and_a_worker_released() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("rosterButton")));
    const int before = f.find<QTableView>(QStringLiteral("rosterGrid"))->model()->rowCount();
    const QString name = open_first_profile(f);
    QVERIFY(f.click(QStringLiteral("contractButton")));
    auto* contract = f.window().screen_as<rvgui::ContractScreen>(rvgui::screen_name::contract);
    QVERIFY(!contract->offering());
    QVERIFY(f.click(QStringLiteral("offerNewContractButton")));
    QVERIFY(contract->offering());
    auto* wages = f.find<QLineEdit>(QStringLiteral("offerWagesEdit"));
    const long long start = wages->text().toLongLong();
    QVERIFY(f.click(QStringLiteral("wageUp1000Button")));
    QVERIFY(f.click(QStringLiteral("wageDown100Button")));
    QCOMPARE(wages->text().toLongLong(), start + 900);
    // The asking terms are the core's, and "Meet Asking Terms" puts them in the offer.
    const auto asked = rv::asking_terms(rv::offer_context(f.game()->store, *f.game()->store.find_worker(name.toStdString())));
    QVERIFY(f.text_of(QStringLiteral("askingTermsLabel")).startsWith(QString::fromStdString(rv::weekly_wage_text(asked.wages))));
    QVERIFY(f.click(QStringLiteral("meetAskingButton")));
    QCOMPARE(wages->text().toLongLong(), asked.wages);
    wages->setText(QStringLiteral("12.5"));
    QVERIFY(f.click(QStringLiteral("makeOfferButton")));
    QVERIFY(f.game()->store.negotiations.empty());
    wages->setText(QStringLiteral("5000"));
    const std::size_t messages = f.game()->store.message_count();
    QVERIFY(f.click(QStringLiteral("makeOfferButton")));
    QCOMPARE(f.dialogs().shown().back().text, name + QStringLiteral(" will consider your offer and come back to you shortly."));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::profile);
    QVERIFY(!f.game()->store.negotiations.empty() || f.game()->store.message_count() == messages + 1);

    // The release asks first; "Yes" lets him go and the roster is one shorter.
    QVERIFY(f.click(QStringLiteral("contractButton")));
    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("giveReleaseButton")));
    QCOMPARE(f.dialogs().shown().back().text, name + QStringLiteral(" has now been released."));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::roster);
    QCOMPARE(f.find<QTableView>(QStringLiteral("rosterGrid"))->model()->rowCount(), before - 1);
  }

  void a_free_agent_is_found_and_offered_a_contract() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.click(QStringLiteral("newSigningButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::signing);
    auto* grid = f.find<QTableView>(QStringLiteral("signingGrid"));
    QVERIFY(grid->model()->rowCount() > 1);
    f.find<QLineEdit>(QStringLiteral("searchNameEdit"))->setText(QStringLiteral("free worker 1"));
    QCOMPARE(grid->model()->rowCount(), 1);
    click_row(grid, 0);
    QVERIFY(f.click(QStringLiteral("viewProfileButton")));
    QCOMPARE(f.text_of(QStringLiteral("outsideProfileHeading")), QStringLiteral("Free Worker 1"));

    QVERIFY(f.click(QStringLiteral("approachToSignButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::negotiation);
    QCOMPARE(f.text_of(QStringLiteral("negotiationActionButton")), QStringLiteral("Offer Contract"));
    f.find<QLineEdit>(QStringLiteral("negotiationAmountEdit"))->setText(QStringLiteral("4000"));
    QVERIFY(f.click(QStringLiteral("negotiationActionButton")));
    QCOMPARE(f.dialogs().shown().back().text,
             QStringLiteral("Free Worker 1 will consider your offer of a contract and will let you know his decision shortly."));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::outside_profile);
    QCOMPARE(f.game()->store.negotiations[rv::neg::wages], std::string("4000"));
    QVERIFY(f.click(QStringLiteral("approachToSignButton")));
    QCOMPARE(f.dialogs().shown().back().text, QStringLiteral("You are already waiting on a reply from Free Worker 1."));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::outside_profile);
  }
  void a_profile_from_the_booking_roster_goes_back_to_booking() {
    Fixture f;
    QVERIFY(f.start_new_game());
    QVERIFY(f.to_first_booking());
    QVERIFY(f.click(QStringLiteral("bookingRosterButton")));
    open_first_profile(f);
    QCOMPARE(f.window().current_name(), rvgui::screen_name::profile);
    QVERIFY(f.click(QStringLiteral("profileBackButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::booking);
  }

  void a_buy_out_beyond_the_balance_is_asked_about_first() {
    Fixture f;
    QVERIFY(f.start_new_game());
    rv::Store& s = f.game()->store;
    s.promotion(*s.player_index()).set_balance(1000);
    f.window().session().outside_worker = "Beta Worker 1";
    f.window().open(rvgui::screen_name::outside_profile);
    QVERIFY(f.click(QStringLiteral("approachToSignButton")));
    QCOMPARE(f.window().current_name(), rvgui::screen_name::negotiation);
    QCOMPARE(f.text_of(QStringLiteral("negotiationActionButton")), QStringLiteral("Confirm Offer"));
    f.find<QLineEdit>(QStringLiteral("negotiationAmountEdit"))->setText(QStringLiteral("900000"));
    const rv::Lines promotions = s.promotions, negotiations = s.negotiations;
    f.dialogs().queue_no();
    QVERIFY(f.click(QStringLiteral("negotiationActionButton")));
    QCOMPARE(f.dialogs().shown().back().kind, rvgui::Dialogs::Kind::question);
    QVERIFY(f.dialogs().shown().back().text.startsWith(QStringLiteral("Offering $900,000 is more than your balance")));
    QCOMPARE(f.text_of(QStringLiteral("negotiationActionButton")), QStringLiteral("Confirm Offer"));
    QCOMPARE(s.promotions, promotions);
    QCOMPARE(s.negotiations, negotiations);
    f.dialogs().queue_yes();
    QVERIFY(f.click(QStringLiteral("negotiationActionButton")));
    QVERIFY(f.text_of(QStringLiteral("negotiationActionButton")) != QStringLiteral("Confirm Offer"));  // the owner answered
    QCOMPARE(s.promotions, promotions);  // nothing is paid before he signs
    QCOMPARE(f.dialogs().pending_answers(), std::size_t{0});
  }
};

QTEST_MAIN(RosterTest)
#include "roster_test.moc"

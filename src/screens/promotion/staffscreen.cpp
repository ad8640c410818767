#include "screens/promotion/staffscreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "cycle/assistant.h"
#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"

namespace rvgui {

namespace {

// The newest of the staff's reports the screen lists.
constexpr std::size_t shown_reports = 200;

QSpinBox* money_box(const QString& object_name, rv::Range range, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(object_name);
  box->setRange(static_cast<int>(range.lo), static_cast<int>(std::min<rv::Num>(range.hi, INT_MAX)));
  box->setPrefix(QStringLiteral("$"));
  box->setSingleStep(1000);
  box->setGroupSeparatorShown(true);
  return box;
}

}  // namespace

StaffScreen::StaffScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("staffScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(14);
  auto* heading = make_label(QStringLiteral("staffHeading"), QStringLiteral("Staff"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  outer->addWidget(heading);

  auto* panels = new QHBoxLayout;
  panels->setSpacing(16);
  panels->addWidget(build_talent_panel(), 1);
  panels->addWidget(build_booker_panel(), 1);
  outer->addLayout(panels);

  auto* done = make_panel(QStringLiteral("staffReportsPanel"), this);
  auto* dl = new QVBoxLayout(done);
  dl->setContentsMargins(14, 14, 14, 14);
  dl->addWidget(caption(QStringLiteral("staffReportsCaption"), QStringLiteral("What Your Staff Did"), done));
  reports_ = new QListWidget(done);
  reports_->setObjectName(QStringLiteral("staffReportsList"));
  reports_->setWordWrap(true);
  reports_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  dl->addWidget(reports_);
  outer->addWidget(done, 1);

  auto* footer = new QHBoxLayout;
  suggested_ = make_button(QStringLiteral("staffSuggestedButton"), QStringLiteral("Use Suggested Choices"), this);
  suggested_->setToolTip(QStringLiteral("Hand every area over, with a budget and roster size that suit the promotion as it stands"));
  back_ = make_button(QStringLiteral("staffBackButton"), QStringLiteral("Back To Main Menu"), this);
  footer->addWidget(suggested_);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);

  for (QCheckBox* box : {renewals_, keep_stars_, signings_, booking_}) connect(box, &QCheckBox::toggled, this, &StaffScreen::store_choices);
  for (QSpinBox* box : {budget_, roster_size_, accept_above_})
    connect(box, &QSpinBox::valueChanged, this, &StaffScreen::store_choices);
  for (QComboBox* box : {renew_from_, offers_})
    connect(box, &QComboBox::currentIndexChanged, this, &StaffScreen::store_choices);
  connect(suggested_, &QPushButton::clicked, this, &StaffScreen::use_suggested);
  connect(back_, &QPushButton::clicked, this, &StaffScreen::go_back);
}

QWidget* StaffScreen::build_talent_panel() {
  auto* panel = make_panel(QStringLiteral("staffTalentPanel"), this);
  auto* form = new QFormLayout(panel);
  form->setContentsMargins(14, 14, 14, 14);
  form->addRow(caption(QStringLiteral("staffTalentCaption"), qs(rv::talent_head_name), panel));
  renewals_ = new QCheckBox(QStringLiteral("Re-sign contracts that end this month"), panel);
  renewals_->setObjectName(QStringLiteral("staffRenewalsCheck"));
  form->addRow(renewals_);
  renew_from_ = new QComboBox(panel);
  renew_from_->setObjectName(QStringLiteral("staffRenewFromCombo"));
  for (int position = 1; position <= 3; ++position)
    renew_from_->addItem(qs(rv::card_position_name(position)) + (position < 3 ? QStringLiteral(" and above") : QString()));
  form->addRow(QStringLiteral("Re-sign:"), renew_from_);
  budget_ = money_box(QStringLiteral("staffBudgetBox"), rv::wage_budget_range, panel);
  form->addRow(QStringLiteral("Weekly wage budget:"), budget_);
  keep_stars_ = new QCheckBox(QStringLiteral("Keep the stars even past the budget"), panel);
  keep_stars_->setObjectName(QStringLiteral("staffKeepStarsCheck"));
  form->addRow(keep_stars_);
  signings_ = new QCheckBox(QStringLiteral("Sign free agents to keep the roster at its size"), panel);
  signings_->setObjectName(QStringLiteral("staffSigningsCheck"));
  form->addRow(signings_);
  roster_size_ = new QSpinBox(panel);
  roster_size_->setObjectName(QStringLiteral("staffRosterSizeBox"));
  roster_size_->setRange(static_cast<int>(rv::roster_size_range.lo), static_cast<int>(rv::roster_size_range.hi));
  form->addRow(QStringLiteral("Roster size:"), roster_size_);
  offers_ = new QComboBox(panel);
  offers_->setObjectName(QStringLiteral("staffOffersCombo"));
  offers_->addItems({QStringLiteral("I answer them"), QStringLiteral("Decline them all"), QStringLiteral("Accept those above")});
  form->addRow(QStringLiteral("Rival offers:"), offers_);
  accept_above_ = money_box(QStringLiteral("staffAcceptAboveBox"), rv::accept_above_range, panel);
  accept_above_->setSingleStep(50000);
  form->addRow(QStringLiteral("Accept offers above:"), accept_above_);
  return panel;
}

QWidget* StaffScreen::build_booker_panel() {
  auto* panel = make_panel(QStringLiteral("staffBookerPanel"), this);
  auto* pl = new QVBoxLayout(panel);
  pl->setContentsMargins(14, 14, 14, 14);
  pl->addWidget(caption(QStringLiteral("staffBookerCaption"), qs(rv::booker_name), panel));
  booking_ = new QCheckBox(QStringLiteral("Book and run the shows \"Play Until Next Show\" reaches"), panel);
  booking_->setObjectName(QStringLiteral("staffBookingCheck"));
  pl->addWidget(booking_);
  auto* note = make_label(QStringLiteral("staffBookerNote"),
                          QStringLiteral("The suggested card is booked at the length expected to rate best, in the "
                                         "hall expected to earn most. A feud gone cold is ended, and when no hot feud "
                                         "can be on the card, one is started between the top face and the top heel. "
                                         "With the booking handed over, free agents are "
                                         "signed whenever fewer than %1 fit workers are left for the shows, and each "
                                         "production level is raised to what the fans expect of the promotion's size "
                                         "when the bank can pay a year of it, and up to three levels above it while "
                                         "money is to spare.")
                              .arg(rv::staff_show_floor),
                          panel);
  note->setWordWrap(true);
  note->setProperty("role", "small");
  pl->addWidget(note);
  pl->addStretch(1);
  return panel;
}

void StaffScreen::enter() { refresh(); }

void StaffScreen::refresh() {
  reports_->clear();
  if (!session_.game) return;
  const rv::Store& s = session_.game->store;
  const rv::AssistantChoices& c = s.assistant;
  filling_ = true;
  renewals_->setChecked(c.renewals);
  renew_from_->setCurrentIndex(std::clamp(c.renew_from, 1, 3) - 1);
  budget_->setValue(static_cast<int>(std::min<rv::Num>(c.wage_budget, budget_->maximum())));
  keep_stars_->setChecked(c.keep_stars);
  signings_->setChecked(c.signings);
  roster_size_->setValue(c.roster_size);
  offers_->setCurrentIndex(static_cast<int>(c.offers));
  accept_above_->setValue(static_cast<int>(std::min<rv::Num>(c.accept_above, accept_above_->maximum())));
  booking_->setChecked(c.booking);
  filling_ = false;
  update_usable();
  for (std::size_t i = s.message_count(); i-- > 0 && static_cast<std::size_t>(reports_->count()) < shown_reports;) {
    const auto m = s.message(i);
    const std::string& from = m.at(rv::msg::sender);
    if (from != rv::booker_name && from != rv::talent_head_name) continue;
    reports_->addItem(qs(m.at(rv::msg::date) + " - " + from + ": " + m.at(rv::msg::body)));
  }
  if (reports_->count() == 0) reports_->addItem(QStringLiteral("Your staff have nothing to report yet."));
}

void StaffScreen::store_choices() {
  if (filling_ || !session_.game) return;
  rv::AssistantChoices& c = session_.game->store.assistant;
  c.renewals = renewals_->isChecked();
  c.renew_from = renew_from_->currentIndex() + 1;
  c.wage_budget = budget_->value();
  c.keep_stars = keep_stars_->isChecked();
  c.signings = signings_->isChecked();
  c.roster_size = roster_size_->value();
  c.offers = static_cast<rv::OfferPolicy>(std::clamp(offers_->currentIndex(), 0, 2));
  c.accept_above = accept_above_->value();
  c.booking = booking_->isChecked();
  update_usable();
}

void StaffScreen::use_suggested() {
  if (!session_.game) return;
  session_.game->store.assistant = rv::default_choices(session_.game->store);
  refresh();
}

void StaffScreen::update_usable() {
  const bool contracts = renewals_->isChecked() || signings_->isChecked();
  const QString renew_off = QStringLiteral("Hand the renewals over first");
  set_usable(renew_from_, renewals_->isChecked() ? QString() : renew_off, QStringLiteral("The lowest card position re-signed"));
  set_usable(keep_stars_, renewals_->isChecked() ? QString() : renew_off,
             QStringLiteral("A worker whose leaving would cost the promotion %1 popularity or more (one within five of "
                            "its reference level, or above it) is re-signed even when his raise takes the wages past "
                            "the budget, while the bank can carry it")
                 .arg(rv::star_departure_cost));
  set_usable(budget_, contracts ? QString() : QStringLiteral("Hand the renewals or the signings over first"),
             QStringLiteral("The most the roster's wages may come to each week"));
  set_usable(roster_size_, signings_->isChecked() ? QString() : QStringLiteral("Hand the signings over first"),
             QStringLiteral("The workers the signings keep on the roster"));
  set_usable(accept_above_,
             offers_->currentIndex() == static_cast<int>(rv::OfferPolicy::accept_above)
                 ? QString()
                 : QStringLiteral("Choose to accept the offers above an amount first"),
             QStringLiteral("Offers of more than this are accepted; the others are declined"));
}

}  // namespace rvgui

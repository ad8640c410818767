#include "screens/talent/contractscreen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "talent/contract.h"
#include "talent/profile.h"
#include "talent/release.h"
#include "talent/roster.h"

namespace rvgui {

ContractScreen::ContractScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("contractScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  heading_ = make_label(QStringLiteral("contractHeading"), QStringLiteral("Contract Negotiations"), this);
  heading_->setProperty("role", "heading");
  add_shadow(heading_);
  outer->addWidget(heading_);

  auto* current = make_panel(QStringLiteral("currentContractPanel"), this);
  auto* cl = new QGridLayout(current);
  cl->setContentsMargins(20, 16, 20, 16);
  wages_ = value_label(QStringLiteral("currentWagesLabel"), current,
                     QStringLiteral("His weekly wages now, paid every Friday"));
  role_ = value_label(QStringLiteral("currentRoleLabel"), current, QStringLiteral("His place on the card now"));
  expires_ = value_label(QStringLiteral("contractExpiresLabel"), current,
                     QStringLiteral("The month his contract ends: he leaves on the 1st of it unless he is re-signed"));
  indy_ = value_label(QStringLiteral("allowIndyLabel"), current,
                     QStringLiteral("Whether he may work other promotions' shows between yours"));
  const std::pair<QString, QLabel*> rows[] = {{QStringLiteral("Current Wages"), wages_},
                                              {QStringLiteral("Current Role"), role_},
                                              {QStringLiteral("Contract Expires"), expires_},
                                              {QStringLiteral("Allow Indy Bookings?"), indy_}};
  auto* details = make_label(QStringLiteral("contractDetailsLabel"), QStringLiteral("Contract Details"), current);
  details->setProperty("role", "subheading");
  cl->addWidget(details, 0, 0, 1, 2);
  int at = 0;
  for (const auto& [text, label] : rows) {
    // Two by two under the title: wages and role above, expiry and indy bookings below.
    const int line = 1 + (at / 2) * 2, column = at % 2;
    cl->addWidget(caption(label->objectName() + QStringLiteral("Caption"), text.toUpper(), current), line, column);
    cl->addWidget(label, line + 1, column);
    ++at;
  }
  career_ = make_label(QStringLiteral("careerLabel"), QString(), current);
  career_->setWordWrap(true);
  cl->addWidget(career_, 5, 0, 1, 2);
  cl->setVerticalSpacing(6);
  outer->addWidget(current);

  offer_panel_ = build_offer_panel();
  outer->addWidget(offer_panel_);
  outer->addStretch(1);

  auto* footer = new QHBoxLayout;
  offer_button_ = make_button(QStringLiteral("offerNewContractButton"), QStringLiteral("Offer New Contract"), this);
  release_ = make_button(QStringLiteral("giveReleaseButton"), QStringLiteral("Give Release"), this);
  back_ = make_button(QStringLiteral("contractBackButton"), QStringLiteral("Back to Profile"), this);
  footer->addWidget(offer_button_);
  footer->addWidget(release_);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);
  connect(offer_button_, &QPushButton::clicked, this, &ContractScreen::offer_new_contract);
  connect(release_, &QPushButton::clicked, this, &ContractScreen::give_release);
  connect(back_, &QPushButton::clicked, this, &ContractScreen::go_back);
}

ContractScreen::~ContractScreen() = default;

void ContractScreen::add_step(QLayout* layout, const QString& name, const QString& text, void (rv::ContractOffer::*step)()) {
  auto* b = make_button(name, text, offer_panel_);
  layout->addWidget(b);
  connect(b, &QPushButton::clicked, this, [this, step] {
    if (!offer_) return;
    ((*offer_).*step)();
    show_offer();
  });
}

// The asking terms' line and the button that puts them in the offer.
QPushButton* ContractScreen::build_asking() {
  asking_ = make_label(QStringLiteral("askingTermsLabel"), QString(), offer_panel_);
  asking_->setWordWrap(true);
  asking_->setToolTip(QStringLiteral(
      "The lowest wage and role the worker takes without a chance of refusal, and the contract lengths signed for. "
      "Popularity sets the wage expected and higher morale accepts less; a role below the worker's standing "
      "against the promotion's top title level may be refused; the promotion's popularity decides how long a "
      "contract is agreed."));
  auto* meet = make_button(QStringLiteral("meetAskingButton"), QStringLiteral("Meet Asking Terms"), offer_panel_);
  meet->setToolTip(QStringLiteral("Sets the offer to the asking wage and role, for the longest length accepted"));
  connect(meet, &QPushButton::clicked, this, &ContractScreen::meet_asking_terms);
  return meet;
}

QWidget* ContractScreen::build_offer_panel() {
  offer_panel_ = make_panel(QStringLiteral("offerPanel"), this);
  // The terms in a grid, the actions beneath it (a row spanning the grid would widen its captions).
  auto* panel = new QVBoxLayout(offer_panel_);
  panel->setContentsMargins(20, 16, 20, 16);
  panel->setSpacing(10);
  auto* grid = new QGridLayout;
  panel->addLayout(grid);
  grid->setVerticalSpacing(10);
  grid->setColumnStretch(1, 1);
  offer_wages_ = new QLineEdit(offer_panel_);
  offer_wages_->setObjectName(QStringLiteral("offerWagesEdit"));
  offer_wages_->setMaximumWidth(160);
  const auto term = [this](const char* name, const char* tip) {
    return value_label(QString::fromLatin1(name), offer_panel_, QString::fromLatin1(tip));
  };
  offer_role_ = term("offerRoleLabel", "The place on the card you offer him");
  offer_length_ = term("offerLengthLabel", "How many years the new contract runs");
  offer_indy_ = term("offerIndyLabel", "Whether the new contract lets him work indy shows");

  auto* wage_buttons = new QHBoxLayout;
  for (const auto& [name, text, step] : {std::tuple{"wageDown1000Button", "-1000", -1000}, std::tuple{"wageDown100Button", "-100", -100},
                                         std::tuple{"wageUp100Button", "+100", 100}, std::tuple{"wageUp1000Button", "+1000", 1000}}) {
    auto* b = make_button(QString::fromLatin1(name), QString::fromLatin1(text), offer_panel_);
    wage_buttons->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, step = step] {
      if (!offer_) return;
      if (const auto typed = to_cp1252(offer_wages_->text().trimmed()); typed) (void)offer_->set_wages(*typed);
      if (step < 0) offer_->wage_down(-step);
      else offer_->wage_up(step);
      show_offer();
    });
  }
  auto* role_buttons = new QHBoxLayout;
  add_step(role_buttons, QStringLiteral("roleDownButton"), QStringLiteral("Role Down"), &rv::ContractOffer::role_down);
  add_step(role_buttons, QStringLiteral("roleUpButton"), QStringLiteral("Role Up"), &rv::ContractOffer::role_up);
  auto* length_buttons = new QHBoxLayout;
  add_step(length_buttons, QStringLiteral("lengthDownButton"), QStringLiteral("Shorter"), &rv::ContractOffer::length_down);
  add_step(length_buttons, QStringLiteral("lengthUpButton"), QStringLiteral("Longer"), &rv::ContractOffer::length_up);
  auto* indy_buttons = new QHBoxLayout;
  for (const bool allowed : {true, false}) {
    auto* b = make_button(allowed ? QStringLiteral("indyYesButton") : QStringLiteral("indyNoButton"),
                          allowed ? QStringLiteral("Yes") : QStringLiteral("No"), offer_panel_);
    indy_buttons->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, allowed] {
      if (!offer_) return;
      offer_->set_indy(allowed);
      show_offer();
    });
  }
  auto* meet = build_asking();
  const std::tuple<QString, QWidget*, QLayout*> rows[] = {
      {QStringLiteral("WAGES PER WEEK ($)"), offer_wages_, wage_buttons},
      {QStringLiteral("ROLE"), offer_role_, role_buttons},
      {QStringLiteral("LENGTH"), offer_length_, length_buttons},
      {QStringLiteral("INDY BOOKINGS"), offer_indy_, indy_buttons}};
  int r = 0;
  for (const auto& [text, value, buttons] : rows) {
    grid->addWidget(caption(QStringLiteral("offerCaption%1").arg(r), text, offer_panel_), r, 0);
    grid->addWidget(value, r, 1);
    grid->addLayout(buttons, r++, 2);
  }
  grid->addWidget(caption(QStringLiteral("askingCaption"), QStringLiteral("ASKING"), offer_panel_), r, 0);
  grid->addWidget(asking_, r, 1, 1, 2);
  auto* actions = new QHBoxLayout;
  make_offer_ = make_button(QStringLiteral("makeOfferButton"), QStringLiteral("Make Offer"), offer_panel_);
  make_offer_->setProperty("role", "main");
  cancel_ = make_button(QStringLiteral("cancelNegotiationsButton"), QStringLiteral("Cancel Negotiations"), offer_panel_);
  actions->addWidget(make_offer_);
  actions->addWidget(cancel_);
  actions->addStretch(1);
  actions->addWidget(meet);
  panel->addLayout(actions);
  connect(make_offer_, &QPushButton::clicked, this, &ContractScreen::make_offer);
  connect(cancel_, &QPushButton::clicked, this, &ContractScreen::cancel_negotiations);
  set_default_button(make_offer_);
  offer_panel_->hide();
  return offer_panel_;
}

std::optional<std::size_t> ContractScreen::row() const {
  if (!session_.game) return std::nullopt;
  return rv::roster_worker(session_.game->store, session_.profile_worker);
}

void ContractScreen::enter() {
  offer_.reset();
  fill();
}

void ContractScreen::fill() {
  const auto r = row();
  offer_button_->setEnabled(r.has_value());
  release_->setEnabled(r.has_value());
  offer_panel_->setVisible(offer_ != nullptr);
  offer_button_->setVisible(offer_ == nullptr);
  release_->setVisible(offer_ == nullptr);
  if (!r) return;
  const rv::Store& s = session_.game->store;
  heading_->setText(QStringLiteral("Contract Negotiations: %1").arg(qs(s.worker(*r).name())));
  const auto d = rv::contract_details(s, *r);
  wages_->setText(qs(d.wages));
  role_->setText(qs(d.role));
  expires_->setText(qs(d.expires));
  indy_->setText(qs(d.indy));
  career_->setText(qs(d.career + d.mood));
  if (offer_) show_offer();
}

void ContractScreen::show_offer() {
  const auto& t = offer_->terms();
  offer_wages_->setText(QString::number(t.wages));
  offer_role_->setText(qs(rv::role_names[static_cast<std::size_t>(t.role - 1)]));
  offer_length_->setText(qs(rv::length_name(t.years)));
  offer_indy_->setText(t.indy ? QStringLiteral("Yes") : QStringLiteral("No"));
}

void ContractScreen::show_asking() {
  const auto r = row();
  if (!r || !offer_) return;
  const rv::Store& s = session_.game->store;
  const auto asked = rv::asking_terms(rv::offer_context(s, *r));
  QString text = QStringLiteral("%1, %2, ").arg(qs(rv::weekly_wage_text(asked.wages)),
                                               qs(rv::role_names[static_cast<std::size_t>(asked.role - 1)]));
  if (asked.shortest_years > asked.longest_years) text += QStringLiteral("no length accepted");
  else if (asked.shortest_years == asked.longest_years) text += qs(rv::length_name(asked.longest_years));
  else text += QStringLiteral("%1 to %2").arg(qs(rv::length_name(asked.shortest_years)), qs(rv::length_name(asked.longest_years)));
  if (asked.may_refuse_company) text += QStringLiteral(" (may still refuse the company in its present state)");
  asking_->setText(text);
}

void ContractScreen::meet_asking_terms() {
  const auto r = row();
  if (!r || !offer_) return;
  offer_->meet(rv::asking_terms(rv::offer_context(session_.game->store, *r)));
  show_offer();
}

void ContractScreen::offer_new_contract() {
  const auto r = row();
  if (!r) return;
  if (const auto why = rv::offer_refusal(session_.game->store, *r)) {
    session_.dialogs.info(qs(*why));
    return;
  }
  offer_ = std::make_unique<rv::ContractOffer>(session_.game->store, *r);
  fill();
  show_asking();
  started_ = offer_state();
}

QString ContractScreen::offer_state() const {
  return QStringList{offer_wages_->text().trimmed(), offer_role_->text(), offer_length_->text(), offer_indy_->text()}.join(
      QLatin1Char('|'));
}

bool ContractScreen::may_drop_offer() {
  if (!offer_ || offer_state() == started_) return true;
  const auto r = row();
  const QString name = r ? qs(session_.game->store.worker(*r).name()) : QString();
  return session_.dialogs.ask(QStringLiteral("Drop the contract offer you have put together for %1?").arg(name));
}

void ContractScreen::go_back() {
  if (!may_drop_offer()) return;
  offer_.reset();
  Screen::go_back();
}

void ContractScreen::cancel_negotiations() {
  offer_.reset();
  fill();
}

bool ContractScreen::escape_inner() {
  if (!offer_) return false;
  if (may_drop_offer()) cancel_negotiations();
  return true;
}

void ContractScreen::make_offer() {
  const auto r = row();
  if (!r || !offer_) return;
  const auto typed = to_cp1252(offer_wages_->text().trimmed());
  if (const auto status = offer_->set_wages(typed.value_or(std::string("?"))); !status) {
    session_.dialogs.info(qs(status.error()));
    return;
  }
  const auto outcome = rv::make_offer(*session_.game, *r, offer_->terms());
  session_.dialogs.info(outcome ? qs(outcome->message) : qs(outcome.error()));
  offer_.reset();
  if (outcome) go_back();
  else fill();
}

void ContractScreen::give_release() {
  const auto r = row();
  if (!r) return;
  rv::Store& s = session_.game->store;
  // The card being booked holds the names of tonight's workers: nobody leaves before the show.
  if (session_.booking) {
    session_.dialogs.info(QStringLiteral("Releases must wait until tonight's show is over."));
    return;
  }
  if (!session_.dialogs.ask(qs(rv::release_question(s, *r)))) return;
  const auto result = rv::releasewrestler(s, *r);
  for (const auto& m : result.messages) session_.dialogs.info(qs(m));
  if (!result.released) return;
  session_.profile_worker.clear();
  // Back past the profile of a worker who is no longer on the roster.
  navigator_.back();
  navigator_.back();
}

}  // namespace rvgui

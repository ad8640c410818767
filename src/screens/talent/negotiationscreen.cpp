#include "screens/talent/negotiationscreen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "talent/roster.h"
#include "talent/signing.h"

namespace rvgui {

NegotiationScreen::NegotiationScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("negotiationScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  heading_ = make_label(QStringLiteral("negotiationHeading"), QString(), this);
  heading_->setProperty("role", "heading");
  add_shadow(heading_);
  outer->addWidget(heading_);

  auto* facts = make_panel(QStringLiteral("negotiationFactsPanel"), this);
  auto* fl = new QGridLayout(facts);
  fl->setContentsMargins(20, 14, 20, 14);
  description_ = make_label(QStringLiteral("negotiationDescription"), QString(), facts);
  description_->setWordWrap(true);
  wages_ = value_label(QStringLiteral("negotiationCurrentWages"), facts,
                     QStringLiteral("His weekly wages where he works now"));
  balance_ = value_label(QStringLiteral("negotiationBalance"), facts, QStringLiteral("Your bank balance now"));
  fl->addWidget(description_, 0, 0, 1, 2);
  fl->addWidget(caption(QStringLiteral("negotiationWagesCaption"), QStringLiteral("CURRENT WAGES"), facts), 1, 0);
  fl->addWidget(caption(QStringLiteral("negotiationBalanceCaption"), QStringLiteral("YOUR BALANCE"), facts), 1, 1);
  fl->addWidget(wages_, 2, 0);
  fl->addWidget(balance_, 2, 1);
  outer->addWidget(facts);

  note_ = make_label(QStringLiteral("negotiationNote"), QString(), this);
  note_->setWordWrap(true);
  note_->setProperty("role", "subheading");
  add_shadow(note_);
  outer->addWidget(note_);

  outer->addWidget(build_offer_panel());
  outer->addStretch(1);

  auto* footer = new QHBoxLayout;
  action_ = make_button(QStringLiteral("negotiationActionButton"), QString(), this);
  action_->setProperty("role", "main");
  cancel_ = make_button(QStringLiteral("negotiationCancelButton"), QString(), this);
  footer->addWidget(action_);
  footer->addStretch(1);
  footer->addWidget(cancel_);
  outer->addLayout(footer);
  connect(action_, &QPushButton::clicked, this, &NegotiationScreen::main_action);
  connect(cancel_, &QPushButton::clicked, this, &NegotiationScreen::go_back);
}

QWidget* NegotiationScreen::build_offer_panel() {
  auto* offer = make_panel(QStringLiteral("negotiationOfferPanel"), this);
  auto* ol = new QGridLayout(offer);
  ol->setContentsMargins(20, 14, 20, 14);
  ol->setVerticalSpacing(10);
  amount_caption_ = caption(QStringLiteral("negotiationAmountCaption"), QString(), offer);
  amount_ = new QLineEdit(offer);
  amount_->setObjectName(QStringLiteral("negotiationAmountEdit"));
  amount_->setMaximumWidth(180);
  auto* steps = new QHBoxLayout;
  for (const auto& [name, text, step] : {std::tuple{"amountDown1000Button", "-1000", -1000}, std::tuple{"amountDown100Button", "-100", -100},
                                         std::tuple{"amountUp100Button", "+100", 100}, std::tuple{"amountUp1000Button", "+1000", 1000}}) {
    auto* b = make_button(QString::fromLatin1(name), QString::fromLatin1(text), offer);
    steps->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, step = step] {
      if (!session_.signing) return;
      take_typed_amount();
      if (step < 0) session_.signing->amount_down(-step);
      else session_.signing->amount_up(step);
      fill();
    });
  }
  ol->addWidget(amount_caption_, 0, 0);
  ol->addWidget(amount_, 0, 1);
  ol->addLayout(steps, 0, 2);

  terms_ = new QWidget(offer);
  terms_->setObjectName(QStringLiteral("negotiationTerms"));
  auto* tl = new QGridLayout(terms_);
  tl->setContentsMargins(0, 0, 0, 0);
  role_ = value_label(QStringLiteral("negotiationRole"), terms_,
                     QStringLiteral("The place on the card you offer him"));
  length_ = value_label(QStringLiteral("negotiationLength"), terms_,
                     QStringLiteral("How many years the contract runs"));
  disposition_ = value_label(QStringLiteral("negotiationDisposition"), terms_,
                     QStringLiteral("Whether he joins you as a Face or a Heel"));
  const std::tuple<QString, QLabel*, QString, void (*)(rv::Signing&), QString, void (*)(rv::Signing&)> rows[] = {
      {QStringLiteral("ROLE"), role_, QStringLiteral("negotiationRoleDown"), [](rv::Signing& s) { s.role_down(); },
       QStringLiteral("negotiationRoleUp"), [](rv::Signing& s) { s.role_up(); }},
      {QStringLiteral("LENGTH"), length_, QStringLiteral("negotiationLengthDown"), [](rv::Signing& s) { s.length_down(); },
       QStringLiteral("negotiationLengthUp"), [](rv::Signing& s) { s.length_up(); }},
      {QStringLiteral("FACE/HEEL"), disposition_, QStringLiteral("negotiationFace"),
       [](rv::Signing& s) { s.set_disposition(rv::alignment::face); }, QStringLiteral("negotiationHeel"),
       [](rv::Signing& s) { s.set_disposition(rv::alignment::heel); }}};
  int r = 0;
  for (const auto& [text, value, down_name, down, up_name, up] : rows) {
    tl->addWidget(caption(QStringLiteral("negotiationTermCaption%1").arg(r), text, terms_), r, 0);
    tl->addWidget(value, r, 1);
    auto* buttons = new QHBoxLayout;
    add_step_button(buttons, down_name, r == 2 ? QStringLiteral("Face") : QStringLiteral("Down"), down);
    add_step_button(buttons, up_name, r == 2 ? QStringLiteral("Heel") : QStringLiteral("Up"), up);
    tl->addLayout(buttons, r, 2);
    ++r;
  }
  asking_ = make_label(QStringLiteral("negotiationAsking"), QString(), terms_);
  asking_->setWordWrap(true);
  asking_->setToolTip(QStringLiteral(
      "The lowest wage and role the worker signs for, and the longest contract. Popularity and morale set the wage, "
      "against the size of the worker's promotion and yours; standing against your top title level sets the role; "
      "coming from a bigger or equal promotion shortens the contract."));
  tl->addWidget(caption(QStringLiteral("negotiationAskingCaption"), QStringLiteral("ASKING"), terms_), r, 0);
  tl->addWidget(asking_, r, 1, 1, 2);
  tl->setColumnStretch(1, 1);
  ol->addWidget(terms_, 1, 0, 1, 3);
  ol->setColumnStretch(1, 1);
  return offer;
}

void NegotiationScreen::add_step_button(QLayout* row, const QString& name, const QString& text, void (*step)(rv::Signing&)) {
  auto* b = make_button(name, text, terms_);
  row->addWidget(b);
  connect(b, &QPushButton::clicked, this, [this, step] {
    if (!session_.signing) return;
    take_typed_amount();
    step(*session_.signing);
    fill();
  });
}

void NegotiationScreen::enter() {
  if (!session_.signing && session_.game) {
    // Opened by name (a picture of the screen): the approach to the outside profile's worker.
    if (const auto r = rv::outside_worker(session_.game->store, session_.outside_worker)) {
      auto approach = rv::Signing::approach(session_.game->store, *r);
      if (approach) session_.signing = std::make_shared<rv::Signing>(std::move(*approach));
    }
  }
  fill();
  started_ = offer_state();
}

// The offer as it stands on the screen: its mode, the amount typed and the terms.
QString NegotiationScreen::offer_state() const {
  const auto* s = session_.signing.get();
  if (!s) return {};
  return QStringLiteral("%1|%2|%3|%4|%5")
      .arg(static_cast<int>(s->mode()))
      .arg(amount_->text().trimmed())
      .arg(s->terms().role)
      .arg(s->terms().years)
      .arg(qs(s->terms().disposition));
}

void NegotiationScreen::fill() {
  const auto* s = session_.signing.get();
  action_->setEnabled(s != nullptr);
  if (!s || !session_.game) {
    heading_->setText(QStringLiteral("No negotiation in progress"));
    return;
  }
  using Mode = rv::Signing::Mode;
  const Mode mode = s->mode();
  heading_->setText(QStringLiteral("Negotiations: %1").arg(qs(s->worker())));
  description_->setText(qs(s->description()));
  wages_->setText(qs(s->current_wages()));
  if (const auto p = session_.game->store.player_index()) {
    balance_->setText(qs(rv::money_text(session_.game->store.promotion(*p).balance())));
  }
  note_->setText(qs(s->note()));
  const bool contract = mode == Mode::contract || mode == Mode::offered;
  amount_caption_->setText(contract ? QStringLiteral("WAGES PER WEEK ($)") : QStringLiteral("YOUR OFFER ($)"));
  amount_->setText(QString::number(s->amount()));
  amount_->setEnabled(mode == Mode::contract || mode == Mode::buy_out);
  terms_->setVisible(contract);
  role_->setText(qs(rv::role_names[static_cast<std::size_t>(s->terms().role - 1)]));
  length_->setText(qs(rv::length_name(s->terms().years)));
  disposition_->setText(qs(s->terms().disposition));
  asking_->clear();
  if (const auto r = rv::outside_worker(session_.game->store, s->worker()); r && contract) {
    const auto a = rv::signing_asks(rv::signing_context(session_.game->store, *r));
    QString text = a.interested ? QStringLiteral("%1, %2, up to %3")
                                      .arg(qs(rv::weekly_wage_text(a.wages)),
                                           qs(rv::role_names[static_cast<std::size_t>(a.role - 1)]),
                                           qs(rv::length_name(a.longest_years)))
                                : QStringLiteral("Not interested in a promotion of your size");
    if (a.interested && a.may_turn_down) text += QStringLiteral(" (may still turn down a promotion below 60% popularity)");
    asking_->setText(text);
  }
  const QString captions[] = {QStringLiteral("Confirm Offer"), QStringLiteral("Begin Talks"), QStringLiteral("Negotiate"),
                              QStringLiteral("Offer Contract"), QStringLiteral("Offer Contract")};
  action_->setText(captions[static_cast<int>(mode)]);
  action_->setEnabled(mode != Mode::offered);
  cancel_->setText(mode == Mode::offered ? QStringLiteral("Back")
                   : contract            ? QStringLiteral("Cancel Negotiations")
                                         : QStringLiteral("Cancel Interest"));
}

bool NegotiationScreen::take_typed_amount() {
  auto* s = session_.signing.get();
  if (!s || !amount_->isEnabled()) return true;
  const auto typed = to_cp1252(amount_->text().trimmed());
  const auto status = s->set_amount(typed.value_or(std::string("?")));
  if (!status) session_.dialogs.info(qs(status.error()));
  return status.ok();
}

void NegotiationScreen::main_action() {
  auto* s = session_.signing.get();
  if (!s || !session_.game) return;
  using Mode = rv::Signing::Mode;
  switch (s->mode()) {
    case Mode::buy_out:
      if (!take_typed_amount()) return;
      if (const auto warning = s->buy_out_warning(session_.game->store); warning && !session_.dialogs.ask(qs(*warning))) {
        return;
      }
      if (const auto status = s->confirm_offer(session_.game->store); !status) session_.dialogs.info(qs(status.error()));
      break;
    case Mode::agreed: s->begin_talks(); break;
    case Mode::refused: s->negotiate(); break;
    case Mode::contract: {
      if (!take_typed_amount()) return;
      const auto offered = s->offer_contract(*session_.game);
      session_.dialogs.info(offered ? qs(*offered) : qs(offered.error()));
      if (offered) {
        leave();
        return;
      }
      break;
    }
    case Mode::offered: break;
  }
  fill();
}

void NegotiationScreen::go_back() {
  // An offer the player has worked on (or an owner's agreement won) is not dropped by a slip.
  const auto* s = session_.signing.get();
  if (s && s->mode() != rv::Signing::Mode::offered && offer_state() != started_ &&
      !session_.dialogs.ask(QStringLiteral("Leave the negotiations with %1? The offer you have put together will be lost.")
                                .arg(qs(s->worker())))) {
    return;
  }
  leave();
}

void NegotiationScreen::leave() {
  session_.signing.reset();
  Screen::go_back();
}

}  // namespace rvgui

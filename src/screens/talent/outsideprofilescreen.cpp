#include "screens/talent/outsideprofilescreen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/figuretips.h"
#include "talent/indy.h"
#include "talent/roster.h"
#include "talent/search.h"
#include "talent/signing.h"

namespace rvgui {

namespace {
const char* const figure_captions[] = {"DRAW VALUE", "IN RING ABILITY", "MIC SKILLS", "CHARISMA", "HARDCORE", "CONDITION"};
const char* const fact_captions[] = {"PROMOTION", "CONTRACT", "CAREER", "STATUS", "MORALE",
                                     "ROLE",      "FACE/HEEL", "RING STYLE", "GENDER / WEIGHT", "BASED IN"};
}  // namespace

OutsideProfileScreen::OutsideProfileScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("outsideProfileScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  heading_ = make_label(QStringLiteral("outsideProfileHeading"), QString(), this);
  heading_->setProperty("role", "heading");
  add_shadow(heading_);
  outer->addWidget(heading_);

  auto* panels = new QHBoxLayout;
  auto* figures = make_panel(QStringLiteral("outsideFiguresPanel"), this);
  auto* fl = new QGridLayout(figures);
  fl->setContentsMargins(18, 16, 18, 16);
  for (int i = 0; i < figure_count; ++i) {
    auto* bar = new QProgressBar(figures);
    bar->setObjectName(QStringLiteral("outsideFigure%1").arg(i));
    bar->setRange(0, 100);
    bar->setFormat(QStringLiteral("%v"));
    bar->setToolTip(worker_caption_tip(QString::fromLatin1(figure_captions[i])));
    figures_[static_cast<std::size_t>(i)] = bar;
    fl->addWidget(caption(QStringLiteral("outsideFigureCaption%1").arg(i), QString::fromLatin1(figure_captions[i]), figures), i, 0);
    fl->addWidget(bar, i, 1);
  }
  fl->setColumnStretch(1, 1);
  auto* facts = make_panel(QStringLiteral("outsideFactsPanel"), this);
  auto* al = new QGridLayout(facts);
  al->setContentsMargins(18, 16, 18, 16);
  for (int i = 0; i < fact_count; ++i) {
    auto* value = make_label(QStringLiteral("outsideFact%1").arg(i), QString(), facts);
    value->setWordWrap(true);
    facts_[static_cast<std::size_t>(i)] = value;
    al->addWidget(caption(QStringLiteral("outsideFactCaption%1").arg(i), QString::fromLatin1(fact_captions[i]), facts), i, 0);
    al->addWidget(value, i, 1);
  }
  al->setColumnStretch(1, 1);
  panels->addWidget(figures, 1);
  panels->addWidget(facts, 1);
  outer->addLayout(panels, 1);

  auto* footer = new QHBoxLayout;
  sign_ = make_button(QStringLiteral("approachToSignButton"), QStringLiteral("Approach To Sign"), this);
  book_ = make_button(QStringLiteral("approachToBookButton"), QStringLiteral("Approach To Book"), this);
  back_ = make_button(QStringLiteral("outsideProfileBackButton"), QStringLiteral("Back"), this);
  footer->addWidget(sign_);
  footer->addWidget(book_);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);
  connect(sign_, &QPushButton::clicked, this, &OutsideProfileScreen::approach_to_sign);
  connect(book_, &QPushButton::clicked, this, &OutsideProfileScreen::approach_to_book);
  connect(back_, &QPushButton::clicked, this, &OutsideProfileScreen::go_back);
}

std::optional<std::size_t> OutsideProfileScreen::row() const {
  if (!session_.game) return std::nullopt;
  return rv::outside_worker(session_.game->store, session_.outside_worker);
}

void OutsideProfileScreen::enter() {
  const auto r = row();
  const QString nobody = r ? QString() : QStringLiteral("There is no worker shown.");
  set_usable(sign_, nobody);
  set_usable(book_, nobody);
  if (!r) {
    heading_->setText(QStringLiteral("Nobody to show"));
    return;
  }
  const rv::Store& s = session_.game->store;
  const auto w = s.worker(*r);
  session_.outside_worker = w.name();
  heading_->setText(qs(w.name()));
  const rv::Num values[] = {w.pop(), w.ent(), w.micskills(), w.charisma(), w.hardcore(), w.cond()};
  for (std::size_t i = 0; i < figures_.size(); ++i) figures_[i]->setValue(static_cast<int>(values[i]));
  const auto p = rv::outside_profile(s, *r);
  const std::string texts[] = {w.promotion(), p.contract + ".", p.career, p.status,   p.morale,
                               p.role,        w.faceheel(),     w.ringstyle(), w.gender() + " / " + w.weight(), w.basecountry()};
  for (std::size_t i = 0; i < facts_.size(); ++i) facts_[i]->setText(qs(texts[i]));
}

void OutsideProfileScreen::approach_to_sign() {
  const auto r = row();
  if (!r) return;
  auto approach = rv::Signing::approach(session_.game->store, *r);
  if (!approach) {
    session_.dialogs.info(qs(approach.error()));
    return;
  }
  session_.signing = std::make_shared<rv::Signing>(std::move(*approach));
  navigator_.open(screen_name::negotiation);
}

void OutsideProfileScreen::approach_to_book() {
  const auto r = row();
  if (!r) return;
  if (const auto why = rv::indy_approach_refusal(session_.game->store, *r)) {
    session_.dialogs.info(qs(*why));
    return;
  }
  navigator_.open(screen_name::indy_booking);
}

}  // namespace rvgui

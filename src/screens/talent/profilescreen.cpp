#include "screens/talent/profilescreen.h"

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
#include "state/history.h"
#include "talent/contract.h"
#include "talent/profile.h"
#include "talent/roster.h"
#include "talent/split.h"

namespace rvgui {

ProfileScreen::ProfileScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("profileScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  heading_ = make_label(QStringLiteral("profileHeading"), QString(), this);
  heading_->setProperty("role", "heading");
  add_shadow(heading_);
  subheading_ = make_label(QStringLiteral("profileSubheading"), QString(), this);
  subheading_->setProperty("role", "subheading");
  add_shadow(subheading_);
  outer->addWidget(heading_);
  outer->addWidget(subheading_);

  auto* panels = new QHBoxLayout;
  auto* figures = make_panel(QStringLiteral("profileFiguresPanel"), this);
  auto* fl = new QGridLayout(figures);
  fl->setContentsMargins(18, 16, 18, 16);
  fl->setVerticalSpacing(10);
  for (int i = 0; i < figure_count; ++i) {
    figure_captions_[static_cast<std::size_t>(i)] = caption(QStringLiteral("profileFigureCaption%1").arg(i), QString(), figures);
    auto* bar = new QProgressBar(figures);
    bar->setObjectName(QStringLiteral("profileFigure%1").arg(i));
    bar->setRange(0, 100);
    bar->setFormat(QStringLiteral("%v"));
    bar->setMinimumWidth(180);
    figures_[static_cast<std::size_t>(i)] = bar;
    fl->addWidget(figure_captions_[static_cast<std::size_t>(i)], i, 0);
    fl->addWidget(bar, i, 1);
  }
  fl->setColumnStretch(1, 1);
  auto* facts = make_panel(QStringLiteral("profileFactsPanel"), this);
  auto* al = new QGridLayout(facts);
  al->setContentsMargins(18, 16, 18, 16);
  al->setVerticalSpacing(6);
  for (int i = 0; i < fact_count; ++i) {
    fact_captions_[static_cast<std::size_t>(i)] = caption(QStringLiteral("profileFactCaption%1").arg(i), QString(), facts);
    facts_[static_cast<std::size_t>(i)] = make_label(QStringLiteral("profileFact%1").arg(i), QString(), facts);
    facts_[static_cast<std::size_t>(i)]->setWordWrap(true);
    al->addWidget(fact_captions_[static_cast<std::size_t>(i)], i, 0);
    al->addWidget(facts_[static_cast<std::size_t>(i)], i, 1);
  }
  al->setColumnStretch(1, 1);
  panels->addWidget(figures, 1);
  panels->addWidget(facts, 1);
  outer->addLayout(panels, 1);

  auto* about = make_panel(QStringLiteral("profileAboutPanel"), this);
  auto* bl = new QVBoxLayout(about);
  bl->setContentsMargins(18, 12, 18, 12);
  description_ = make_label(QStringLiteral("profileDescription"), QString(), about);
  description_->setWordWrap(true);
  finisher_ = make_label(QStringLiteral("profileFinisher"), QString(), about);
  record_ = make_label(QStringLiteral("profileRecord"), QString(), about);
  bl->addWidget(description_);
  bl->addWidget(finisher_);
  bl->addWidget(record_);
  outer->addWidget(about);

  auto* footer = new QHBoxLayout;
  role_ = make_button(QStringLiteral("profileRoleButton"), QStringLiteral("Change Role"), this);
  turn_ = make_button(QStringLiteral("profileTurnButton"), QStringLiteral("Face/Heel Turn"), this);
  valet_ = make_button(QStringLiteral("profileValetButton"), QStringLiteral("Valet"), this);
  brand_ = make_button(QStringLiteral("profileBrandButton"), QStringLiteral("Brand"), this);
  edit_ = make_button(QStringLiteral("editInfoButton"), QStringLiteral("Edit Info"), this);
  contract_ = make_button(QStringLiteral("contractButton"), QStringLiteral("Contract"), this);
  back_ = make_button(QStringLiteral("profileBackButton"), QStringLiteral("Back to Roster"), this);
  for (auto* b : {role_, turn_, valet_, brand_, edit_, contract_}) footer->addWidget(b);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);

  connect(role_, &QPushButton::clicked, this, &ProfileScreen::change_role);
  connect(turn_, &QPushButton::clicked, this, &ProfileScreen::turn);
  connect(valet_, &QPushButton::clicked, this, &ProfileScreen::choose_valet);
  connect(brand_, &QPushButton::clicked, this, &ProfileScreen::choose_brand);
  connect(edit_, &QPushButton::clicked, this, [this] { navigator_.open(screen_name::edit_info); });
  connect(contract_, &QPushButton::clicked, this, [this] { navigator_.open(screen_name::contract); });
  connect(back_, &QPushButton::clicked, this, &ProfileScreen::go_back);
}

std::optional<std::size_t> ProfileScreen::row() const {
  if (!session_.game) return std::nullopt;
  return rv::roster_worker(session_.game->store, session_.profile_worker);
}

void ProfileScreen::enter() {
  back_->setText(session_.opened_from_booking ? QStringLiteral("Back To Booking") : QStringLiteral("Back to Roster"));
  if (const auto r = row()) session_.profile_worker = session_.game->store.worker(*r).name();
  fill();
  // The archive does not change while the profile is open: his record is read once, here.
  const auto r = row();
  record_->setText(r ? qs(rv::worker_record_text(rv::worker_record(rv::read_history(session_.game->store.history),
                                                                   session_.profile_worker)))
                     : QString());
}

void ProfileScreen::go_back() {
  if (session_.opened_from_booking) navigator_.back_to(screen_name::booking);
  else Screen::go_back();
}

void ProfileScreen::fill() {
  const auto r = row();
  for (auto* b : {role_, turn_, valet_, brand_, edit_, contract_})
    set_usable(b, r ? QString() : QStringLiteral("There is no worker to change."));
  if (!r) {
    heading_->setText(QStringLiteral("No workers on the roster"));
    return;
  }
  const rv::Store& s = session_.game->store;
  const auto w = s.worker(*r);
  heading_->setText(qs(w.name()));
  subheading_->setText(qs(w.shortname().empty() ? w.name() : "\"" + w.shortname() + "\""));
  const auto facts = rv::profile_facts(s, *r);
  std::size_t f = 0, a = 0;
  for (const auto& fact : facts) {
    if (fact.figure && f < figures_.size()) {
      figure_captions_[f]->setText(qs(fact.caption).toUpper());
      figures_[f]->setToolTip(worker_caption_tip(qs(fact.caption)));
      figures_[f]->setValue(static_cast<int>(*fact.figure));
      figures_[f]->setFormat(QStringLiteral("%v"));
      ++f;
    } else if (!fact.figure && fact.caption == "Condition" && f < figures_.size()) {
      figure_captions_[f]->setText(qs(fact.caption).toUpper());
      figures_[f]->setToolTip(worker_caption_tip(qs(fact.caption)));
      figures_[f]->setValue(0);
      figures_[f]->setFormat(qs(fact.value));
      ++f;
    } else if (a < facts_.size()) {
      fact_captions_[a]->setText(qs(fact.caption).toUpper());
      facts_[a]->setText(qs(fact.value));
      facts_[a]->setToolTip(worker_caption_tip(qs(fact.caption)));
      ++a;
    }
  }
  description_->setText(w.desc().empty() ? QStringLiteral("No description.") : qs(w.desc()));
  finisher_->setText(QStringLiteral("Finisher: %1").arg(qs(w.finisher().empty() ? std::string("-") : w.finisher())));
  set_usable(brand_, rv::roster_split(s) ? QString() : QStringLiteral("The roster is not split into brands."));
}

void ProfileScreen::change_role() {
  const auto r = row();
  if (!r) return;
  std::vector<std::string> roles(rv::role_names.begin(), rv::role_names.end());
  const auto name = qs(session_.game->store.worker(*r).name());
  const auto choice = ask_game_choice(session_.dialogs, QStringLiteral("Choose a new role for %1.").arg(name), roles);
  if (!choice) return;
  const auto at = std::find(roles.begin(), roles.end(), *choice);
  rv::change_role(session_.game->store, *r, static_cast<int>(at - roles.begin()) + 1);
  fill();
}

void ProfileScreen::turn() {
  const auto r = row();
  if (!r) return;
  if (!session_.dialogs.ask(qs(rv::turn_question(session_.game->store, *r)))) return;
  if (const auto message = rv::answer_turn_question(session_.game->store, *r)) session_.dialogs.info(qs(*message));
  fill();
}

void ProfileScreen::choose_valet() {
  const auto r = row();
  if (!r) return;
  rv::Store& s = session_.game->store;
  const auto choice = ask_game_choice(session_.dialogs, QStringLiteral("Choose a valet for %1.").arg(qs(s.worker(*r).name())),
                                      rv::manager_choices(s, *r));
  if (!choice) return;
  if (const auto status = rv::set_manager(s, *r, *choice); !status) session_.dialogs.info(qs(status.error()));
  fill();
}

void ProfileScreen::choose_brand() {
  const auto r = row();
  if (!r) return;
  rv::Store& s = session_.game->store;
  const auto choices = rv::worker_brand_choices(s);
  const auto choice =
      ask_game_choice_at(session_.dialogs, QStringLiteral("Which brand will %1 work for?").arg(qs(s.worker(*r).name())), choices);
  if (!choice) return;
  rv::set_worker_brand(s, *r, *choice);
  fill();
}

}  // namespace rvgui

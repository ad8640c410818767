#include "screens/start/promotionchoicescreen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <functional>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "state/newgame.h"
#include "state/pictures.h"

namespace rvgui {

PromotionChoiceScreen::PromotionChoiceScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("promotionChoiceScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(40, 30, 40, 30);
  auto* heading = make_label(QStringLiteral("choiceHeading"), QStringLiteral("Choose Your Promotion  "), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  auto* welcome = make_label(QStringLiteral("choiceWelcome"),
                             QStringLiteral("Welcome to Ringvale. Please select which promotion you wish to take control of."),
                             this);
  welcome->setWordWrap(true);
  add_shadow(welcome);
  outer->addWidget(heading);
  outer->addWidget(welcome);
  outer->addSpacing(16);

  auto* body = new QHBoxLayout;
  outer->addLayout(body, 1);

  auto* button_panel = new QFrame(this);
  button_panel->setObjectName(QStringLiteral("choiceButtons"));
  button_panel->setProperty("role", "panel");
  auto* grid = new QGridLayout(button_panel);
  grid->setContentsMargins(18, 18, 18, 18);
  grid->setSpacing(10);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    auto* b = make_button(QStringLiteral("promotionButton%1").arg(i + 1), QString(), button_panel);
    b->setProperty("role", "choice");
    buttons_[i] = b;
    const int row = static_cast<int>(i / 2);
    const int col = static_cast<int>(i % 2);
    if (i + 1 == buttons_.size()) {
      grid->addWidget(b, row, 0, 1, 2);
    } else {
      grid->addWidget(b, row, col);
    }
    connect(b, &QPushButton::clicked, this, [this, i] { choose(static_cast<int>(i)); });
  }
  grid->setRowStretch(static_cast<int>(buttons_.size() / 2) + 1, 1);
  body->addWidget(button_panel, 2);
  body->addSpacing(20);

  body->addWidget(build_info_panel(), 3);

  auto* footer = new QHBoxLayout;
  back_ = make_button(QStringLiteral("backButton"), QStringLiteral("Back"), this);
  start_ = make_button(QStringLiteral("startButton"), QStringLiteral("Start Game"), this);
  set_default_button(start_);
  start_->setProperty("role", "main");
  footer->addWidget(back_);
  footer->addStretch(1);
  footer->addWidget(start_);
  outer->addSpacing(12);
  outer->addLayout(footer);

  QWidget* previous = buttons_[0];
  for (std::size_t i = 1; i < buttons_.size(); ++i) {
    setTabOrder(previous, buttons_[i]);
    previous = buttons_[i];
  }
  setTabOrder(previous, start_);
  setTabOrder(start_, back_);
  connect(start_, &QPushButton::clicked, this, &PromotionChoiceScreen::start);
  connect(back_, &QPushButton::clicked, this, &PromotionChoiceScreen::go_back);
}

// The chosen promotion: logo, name, type, funds, web site and slogan.
QWidget* PromotionChoiceScreen::build_info_panel() {
  auto* info = new QFrame(this);
  info->setObjectName(QStringLiteral("choiceInfo"));
  info->setProperty("role", "panel");
  auto* il = new QVBoxLayout(info);
  il->setContentsMargins(24, 20, 24, 20);
  logo_ = make_label(QStringLiteral("choiceLogo"), QString(), info);
  logo_->setAlignment(Qt::AlignCenter);
  logo_->setMinimumHeight(180);
  il->addWidget(logo_, 2);
  il->addWidget(caption(QStringLiteral("fedNameCaption"), QStringLiteral("Fed Name"), info));
  name_ = make_label(QStringLiteral("fedNameLabel"), QString(), info);
  name_->setProperty("role", "subheading");
  name_->setWordWrap(true);
  il->addWidget(name_);
  auto* facts = new QGridLayout;
  facts->setHorizontalSpacing(24);
  type_ = make_label(QStringLiteral("typeLabel"), QString(), info);
  funds_ = make_label(QStringLiteral("fundsLabel"), QString(), info);
  website_ = make_label(QStringLiteral("webSiteLabel"), QString(), info);
  facts->addWidget(caption(QStringLiteral("typeCaption"), QStringLiteral("Type"), info), 0, 0);
  facts->addWidget(caption(QStringLiteral("fundsCaption"), QStringLiteral("Funds"), info), 0, 1);
  facts->addWidget(type_, 1, 0);
  facts->addWidget(funds_, 1, 1);
  facts->addWidget(caption(QStringLiteral("webSiteCaption"), QStringLiteral("Web Site"), info), 2, 0, 1, 2);
  facts->addWidget(website_, 3, 0, 1, 2);
  il->addLayout(facts);
  slogan_ = make_label(QStringLiteral("sloganLabel"), QString(), info);
  slogan_->setWordWrap(true);
  slogan_->setStyleSheet(QStringLiteral("font-style: italic; color: #f5c542;"));
  il->addSpacing(8);
  il->addWidget(slogan_);
  il->addStretch(1);
  return info;
}

void PromotionChoiceScreen::go_back() {
  session_.pending.reset();  // the world is chosen again from the front menu
  navigator_.back();
}

void PromotionChoiceScreen::load() {
  if (!session_.pending) return;
  const auto captions = rv::choice_captions(*session_.pending);
  for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->setText(i < captions.size() ? qs(captions[i]) : QString());
  choose(0);
  start_->setFocus();
}

void PromotionChoiceScreen::choose(int index) {
  if (!session_.pending || index < 0 || index >= static_cast<int>(buttons_.size())) return;
  for (auto* b : buttons_) {
    b->setProperty("selected", false);
    b->style()->unpolish(b);
    b->style()->polish(b);
  }
  auto* button = buttons_[static_cast<std::size_t>(index)];
  button->setProperty("selected", true);
  button->style()->unpolish(button);
  button->style()->polish(button);
  chosen_ = button->text();
  chosen_index_ = index;
  const auto found = chosen_ == qs(rv::create_new_indy_caption)
                         ? std::optional<rv::PromotionInfo>(rv::new_indy_info())
                         : rv::promotion_info(*session_.pending, static_cast<std::size_t>(index));
  const rv::PromotionInfo info = found.value_or(rv::new_indy_info());
  name_->setText(qs(info.name));
  type_->setText(qs(info.type));
  funds_->setText(qs(info.funds));
  website_->setText(qs(info.website));
  slogan_->setText(qs(info.slogan));
  const QPixmap logo(QString::fromStdString(rv::picture_or_default(session_.home, info.logo).string()));
  logo_->setPixmap(logo.isNull() ? QPixmap() : logo.scaled(360, 220, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  if (logo.isNull()) logo_->setText(qs(info.initials));
}

std::optional<std::string> PromotionChoiceScreen::ask_until_valid(
    const QString& question, const QString& default_answer,
    const std::function<std::optional<std::string>(const std::string&)>& problem) {
  for (;;) {
    const auto answer = session_.dialogs.prompt(question, default_answer);
    if (!answer) return std::nullopt;
    const auto bytes = to_cp1252(*answer);
    if (!bytes) {
      session_.dialogs.info(not_cp1252_message(*answer));
      continue;
    }
    if (const auto why = problem ? problem(*bytes) : std::nullopt) {
      session_.dialogs.info(qs(*why));
      continue;
    }
    return bytes;
  }
}

bool PromotionChoiceScreen::create_indy(std::string& initials) {
  rv::NewGame& world = *session_.pending;
  rv::IndyDetails d;
  const auto init = ask_until_valid(qs(rv::indy_initials_prompt), qs(rv::indy_initials_default),
                                    [&](const std::string& a) { return rv::indy_initials_problem(world.store, a); });
  if (!init) return false;
  const auto name = ask_until_valid(qs(rv::indy_name_prompt), qs(rv::indy_name_default),
                                    [&](const std::string& a) { return rv::indy_name_problem(world.store, a); });
  if (!name) return false;
  const auto title = ask_until_valid(qs(rv::indy_title_prompt), qs(rv::indy_title_default), {});
  if (!title) return false;
  const auto champion = ask_until_valid(qs(rv::indy_champion_prompt), qs(rv::indy_champion_default), {});
  if (!champion) return false;
  d.initials = *init;
  d.full_name = *name;
  d.title_name = *title;
  d.champion_name = *champion;
  const auto created = rv::create_new_indy(session_.home, world, d);
  if (!created) {
    session_.dialogs.info(qs(created.error()));
    return false;
  }
  initials = d.initials;
  return true;
}

void PromotionChoiceScreen::start() {
  if (!session_.pending) return;
  const bool new_indy = chosen_ == qs(rv::create_new_indy_caption);
  std::string initials = to_cp1252_lossy(chosen_);
  if (new_indy && !create_indy(initials)) {
    choose(chosen_index_);  // the choice screen stays as it was
    return;
  }
  const auto confirmed = rv::confirm_promotion(*session_.pending, initials, new_indy);
  if (!confirmed) {
    session_.dialogs.info(qs(confirmed.error()));
    return;
  }
  session_.start_game(std::move(session_.pending->store), std::string());
  session_.pending.reset();
  navigator_.restart_at(screen_name::main);
}

}  // namespace rvgui

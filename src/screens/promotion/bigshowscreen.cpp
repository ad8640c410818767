#include "screens/promotion/bigshowscreen.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "promotion/bigshow.h"
#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "state/pictures.h"

namespace rvgui {

BigShowScreen::BigShowScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("bigShowScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(14);
  auto* heading = make_label(QStringLiteral("bigShowHeading"), QStringLiteral("Big Show"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  outer->addWidget(heading);
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("bigShowPanel"));
  panel->setProperty("role", "panel");
  auto* pl = new QVBoxLayout(panel);
  pl->setContentsMargins(30, 24, 30, 24);
  logo_ = make_label(QStringLiteral("bigShowLogo"), QString(), panel);
  logo_->setAlignment(Qt::AlignCenter);
  logo_->setMinimumHeight(200);
  text_ = make_label(QStringLiteral("bigShowText"), QString(), panel);
  text_->setAlignment(Qt::AlignCenter);
  text_->setWordWrap(true);
  text_->setStyleSheet(QStringLiteral("font-size: 20px;"));
  pl->addWidget(logo_, 3);
  pl->addWidget(text_, 2);
  outer->addWidget(panel, 1);
  auto* footer = new QHBoxLayout;
  auto* announce = make_button(QStringLiteral("announceButton"), QStringLiteral("Announce a Show"), this);
  announce->setProperty("role", "main");
  auto* back = make_button(QStringLiteral("bigShowBackButton"), QStringLiteral("Back"), this);
  footer->addWidget(announce);
  footer->addStretch(1);
  footer->addWidget(back);
  outer->addLayout(footer);
  connect(announce, &QPushButton::clicked, this, &BigShowScreen::announce);
  connect(back, &QPushButton::clicked, this, &BigShowScreen::go_back);
}

void BigShowScreen::enter() {
  const auto info = session_.game ? rv::big_show_info(session_.game->store) : std::nullopt;
  if (!info) {
    text_->setText(qs(rv::no_big_show_message));
    logo_->clear();
    return;
  }
  text_->setText(qs(info->presents + "\n\n" + info->name + "\n" + info->live + "\n\n" + info->featuring + "\n" +
                    info->promotion));
  const QString file = QString::fromStdString(
      rv::picture_or_default(session_.home, info->logo == "NA" ? std::string("default2.jpg") : info->logo).string());
  const QPixmap picture(file);
  logo_->setPixmap(picture.isNull() ? QPixmap() : picture.scaled(420, 240, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void BigShowScreen::announce() {
  if (!session_.game) return;
  rv::BigShowAnnouncement a(session_.game->store, rv::logo_choices(session_.home));
  while (!a.done()) {
    const auto q = a.question();
    std::optional<std::string> answer;
    if (q.choices.empty()) {
      answer = ask_game_text(session_.dialogs, qs(q.prompt));
    } else {
      QStringList options;
      for (const auto& c : q.choices) options << qs(c);
      const auto index = session_.dialogs.choose(qs(q.prompt), options, static_cast<int>(q.preselected));
      if (index) answer = q.choices[static_cast<std::size_t>(*index)];
    }
    if (!answer) return;  // nothing is stored before the last Yes
    if (const auto why = a.answer(*answer)) session_.dialogs.info(qs(*why));
  }
  if (!session_.dialogs.ask(qs(a.summary() + "\n\n" + std::string(rv::confirm_show_question)))) return;
  if (const auto status = a.confirm(session_.game->store); !status) session_.dialogs.info(qs(status.error()));
  enter();
}

}  // namespace rvgui

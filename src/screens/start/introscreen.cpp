#include "screens/start/introscreen.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "screens/widgets/cp1252.h"
#include "state/newgame.h"

namespace rvgui {

IntroScreen::IntroScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("introScreen"));
  setFocusPolicy(Qt::StrongFocus);
  auto* layout = new QVBoxLayout(this);
  layout->addStretch(2);
  title_ = make_label(QStringLiteral("introTitle"), QStringLiteral("RINGVALE"), this);
  title_->setProperty("role", "heading");
  title_->setStyleSheet(QStringLiteral("font-size: 64px; letter-spacing: 8px;"));
  title_->setAlignment(Qt::AlignCenter);
  add_shadow(title_);
  text_ = make_label(QStringLiteral("introText"), QString(), this);
  text_->setAlignment(Qt::AlignCenter);
  text_->setWordWrap(true);
  text_->setProperty("role", "subheading");
  add_shadow(text_);
  layout->addWidget(title_);
  layout->addSpacing(24);
  layout->addWidget(text_);
  layout->addStretch(3);

  first_.setObjectName(QStringLiteral("introTimer1"));
  first_.setInterval(3000);
  second_.setObjectName(QStringLiteral("introTimer2"));
  second_.setInterval(5000);
  connect(&first_, &QTimer::timeout, this, [this] {
    first_.stop();
    show_credits();
    second_.start();
  });
  connect(&second_, &QTimer::timeout, this, [this] {
    second_.stop();
    finish();
  });
}

void IntroScreen::start() {
  done_ = false;
  text_->setText(QStringLiteral("Run the promotion. Book the shows. Keep the board happy."));
  first_.start();
  setFocus();
}

void IntroScreen::show_credits() {
  text_->setText(QStringLiteral("%1\n\nWorld and rosters by the Ringvale roster team:\nMara Quillfeather, "
                                "Tobias Wrenhall and Idris Calloway")
                     .arg(qs(rv::product_web_address)));
}

void IntroScreen::finish() {
  if (done_) return;
  done_ = true;
  first_.stop();
  second_.stop();
  navigator_.restart_at(screen_name::front_menu);
}

void IntroScreen::mousePressEvent(QMouseEvent*) { finish(); }

void IntroScreen::keyPressEvent(QKeyEvent* event) {
  event->accept();
  finish();
}

}  // namespace rvgui

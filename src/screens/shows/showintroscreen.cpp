#include "screens/shows/showintroscreen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "screens/shell/session.h"
#include "screens/shell/style.h"
#include "screens/widgets/cp1252.h"
#include "shows/presentation.h"
#include "state/pictures.h"

namespace rvgui {

ShowIntroScreen::ShowIntroScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("showIntroScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  name_ = make_label(QStringLiteral("introShowName"), QString(), this);
  name_->setProperty("role", "heading");
  name_->setAlignment(Qt::AlignCenter);
  add_shadow(name_);
  date_ = make_label(QStringLiteral("introShowDate"), QString(), this);
  live_ = make_label(QStringLiteral("introShowVenue"), QString(), this);
  attendance_ = make_label(QStringLiteral("introAttendance"), QString(), this);
  for (QLabel* l : {date_, live_, attendance_}) {
    l->setAlignment(Qt::AlignCenter);
    l->setProperty("role", "subheading");
  }
  picture_ = make_label(QStringLiteral("introShowPicture"), QString(), this);
  picture_->setAlignment(Qt::AlignCenter);
  picture_->setMinimumHeight(240);
  outer->addWidget(name_);
  outer->addWidget(date_);
  outer->addWidget(live_);
  outer->addWidget(picture_, 1);
  outer->addWidget(attendance_);
  auto* buttons = new QHBoxLayout;
  auto* highlights = make_button(QStringLiteral("seeHighlightsButton"), QStringLiteral("See Highlights"), this);
  set_default_button(highlights);
  highlights->setProperty("role", "main");
  auto* results = make_button(QStringLiteral("straightToResultsButton"), QStringLiteral("Straight To Results"), this);
  buttons->addStretch(1);
  buttons->addWidget(highlights);
  buttons->addWidget(results);
  buttons->addStretch(1);
  outer->addLayout(buttons);
  connect(highlights, &QPushButton::clicked, this, [this] { navigator_.open(screen_name::playback); });
  connect(results, &QPushButton::clicked, this, [this] { navigator_.open(screen_name::results); });
}

void ShowIntroScreen::enter() {
  const rv::ShowPresentation* p = session_.presentation.get();
  if (!p) {
    name_->setText(QStringLiteral("No show has been run."));
    return;
  }
  name_->setText(qs(p->show_name));
  date_->setText(qs(p->date_text));
  live_->setText(QStringLiteral("Live from ") + qs(p->venue) + QStringLiteral(", ") + qs(p->town));
  attendance_->setText(QStringLiteral("Attendence: ") + qs(p->attendance_text));
  const QPixmap picture(QString::fromStdString(rv::picture_or_default(session_.home, p->picture).string()));
  picture_->setPixmap(picture.isNull() ? QPixmap() : picture.scaled(520, 300, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace rvgui

#include "screens/shows/playbackscreen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "screens/shell/dialogs.h"
#include "screens/shell/session.h"
#include "screens/shell/style.h"
#include "screens/widgets/cp1252.h"
#include "shows/playback.h"
#include "shows/presentation.h"

namespace rvgui {

PlaybackScreen::PlaybackScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("playbackScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(32, 24, 32, 24);
  outer->setSpacing(14);
  caption_ = make_label(QStringLiteral("playbackMatchNumber"), QString(), this);
  caption_->setProperty("role", "subheading");
  header_ = make_label(QStringLiteral("playbackHeader"), QString(), this);
  header_->setProperty("role", "heading");
  header_->setWordWrap(true);
  add_shadow(header_);
  details_ = make_label(QStringLiteral("playbackDetails"), QString(), this);
  details_->setProperty("role", "subheading");
  text_ = make_label(QStringLiteral("playbackText"), QString(), this);
  text_->setWordWrap(true);
  text_->setAlignment(Qt::AlignCenter);
  text_->setStyleSheet(QStringLiteral("font-size: 20pt;"));
  outer->addWidget(caption_);
  outer->addWidget(header_);
  outer->addWidget(details_);
  outer->addWidget(text_, 1);
  auto* controls = new QHBoxLayout;
  controls->addWidget(caption(QStringLiteral("speedCaption"), QStringLiteral("Speed"), this));
  speed_ = make_label(QStringLiteral("speedLabel"), QString(), this);
  speed_->setProperty("role", "subheading");
  controls->addWidget(speed_);
  auto* slower_button = make_button(QStringLiteral("slowerButton"), QStringLiteral("Slower"), this);
  auto* faster_button = make_button(QStringLiteral("fasterButton"), QStringLiteral("Faster"), this);
  auto* skip = make_button(QStringLiteral("skipToResultsButton"), QStringLiteral("Skip To Results"), this);
  controls->addWidget(slower_button);
  controls->addWidget(faster_button);
  controls->addStretch(1);
  controls->addWidget(skip);
  outer->addLayout(controls);
  connect(slower_button, &QPushButton::clicked, this, &PlaybackScreen::slower);
  connect(faster_button, &QPushButton::clicked, this, &PlaybackScreen::faster);
  connect(skip, &QPushButton::clicked, this, &PlaybackScreen::skip_to_results);
  connect(&step_timer_, &QTimer::timeout, this, &PlaybackScreen::step);
  end_timer_.setSingleShot(true);
  connect(&end_timer_, &QTimer::timeout, this, &PlaybackScreen::finish);
}

PlaybackScreen::~PlaybackScreen() = default;

void PlaybackScreen::enter() {
  end_timer_.stop();
  step_timer_.stop();
  const rv::ShowPresentation* p = session_.presentation.get();
  if (!p) {
    playback_.reset();
    header_->setText(QStringLiteral("No show has been run."));
    return;
  }
  playback_ = std::make_unique<rv::Playback>(p->commentary, p->card, p->battle_royal_entrants);
  show_speed();
  step();
}

void PlaybackScreen::step() {
  if (!playback_) return;
  // A match's opening lines (its marker and its line) come with its first line of commentary.
  bool more = playback_->step();
  while (more && playback_->text().empty() && !playback_->finished()) more = playback_->step();
  if (!more) {
    step_timer_.stop();
    end_timer_.start(playback_->interval_ms() > 0 ? playback_->interval_ms() : 1000);
    return;
  }
  caption_->setText(qs(playback_->match_caption()));
  header_->setText(qs(playback_->header()));
  details_->setText(qs(playback_->details()));
  text_->setText(qs(playback_->text()));
  if (playback_->finished()) {
    step_timer_.stop();
    end_timer_.start(playback_->interval_ms() > 0 ? playback_->interval_ms() : 1000);
  }
}

void PlaybackScreen::faster() {
  if (playback_ && playback_->faster()) show_speed();
}

void PlaybackScreen::slower() {
  if (playback_ && playback_->slower()) show_speed();
}

void PlaybackScreen::show_speed() {
  speed_->setText(QString::number(playback_->speed()));
  if (playback_->finished()) return;
  if (playback_->stopped()) step_timer_.stop();
  else step_timer_.start(playback_->interval_ms());
}

void PlaybackScreen::skip_to_results() {
  const bool was_running = step_timer_.isActive();
  step_timer_.stop();
  if (!session_.dialogs.ask(qs(rv::skip_highlights_question))) {
    if (was_running) step_timer_.start();
    return;
  }
  finish();
}

void PlaybackScreen::go_back() {
  step_timer_.stop();
  end_timer_.stop();
  Screen::go_back();
}

void PlaybackScreen::finish() {
  step_timer_.stop();
  end_timer_.stop();
  navigator_.open(screen_name::results);
}

}  // namespace rvgui

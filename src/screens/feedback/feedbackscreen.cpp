#include "screens/feedback/feedbackscreen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "feedback/feedback.h"
#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"

namespace rvgui {

FeedbackScreen::FeedbackScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("feedbackScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(14);
  auto* heading = make_label(QStringLiteral("feedbackHeading"), QStringLiteral("Feedback"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  outer->addWidget(heading);

  auto* body = new QHBoxLayout;
  body->setSpacing(16);
  auto* panel = make_panel(QStringLiteral("feedbackAreaPanel"), this);
  auto* pl = new QVBoxLayout(panel);
  pl->setContentsMargins(14, 14, 14, 14);
  pl->addWidget(caption(QStringLiteral("feedbackAreaCaption"), qs(rv::feedback_caption), panel));
  areas_ = new QListWidget(panel);
  areas_->setObjectName(QStringLiteral("feedbackAreaList"));
  pl->addWidget(areas_);
  pl->addStretch(1);
  panel->setFixedWidth(260);
  body->addWidget(panel);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName(QStringLiteral("feedbackText"));
  text_->setReadOnly(true);
  body->addWidget(text_, 1);
  outer->addLayout(body, 1);

  auto* footer = new QHBoxLayout;
  back_ = make_button(QStringLiteral("feedbackBackButton"), QStringLiteral("Back To Main Menu"), this);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);

  connect(areas_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { show_area(item->text()); });
  connect(areas_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { show_area(item->text()); });
  connect(back_, &QPushButton::clicked, this, &FeedbackScreen::go_back);
}

void FeedbackScreen::enter() {
  text_->clear();
  areas_->clear();
  if (!session_.game) return;
  for (const auto& area : rv::feedback_areas(session_.game->store)) areas_->addItem(qs(area));
  // The list as tall as its few areas, the panel's space below it left empty.
  areas_->setFixedHeight(areas_->sizeHintForRow(0) * areas_->count() + 2 * areas_->frameWidth() + 8);
}

void FeedbackScreen::show_area(const QString& area) {
  text_->clear();
  if (!session_.game) return;
  text_->setPlainText(qs(rv::feedback_text(session_.game->store, to_cp1252_lossy(area))));
}

}  // namespace rvgui

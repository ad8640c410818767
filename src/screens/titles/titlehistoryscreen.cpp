#include "screens/titles/titlehistoryscreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"
#include "titles/championships.h"

namespace rvgui {

TitleHistoryScreen::TitleHistoryScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("titleHistoryScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(10);
  heading_ = make_label(QStringLiteral("titleHistoryHeading"), QString(), this);
  heading_->setProperty("role", "heading");
  add_shadow(heading_);
  description_ = make_label(QStringLiteral("titleDescriptionLabel"), QString(), this);
  description_->setWordWrap(true);
  add_shadow(description_);
  record_ = make_label(QStringLiteral("titleRecordLabel"), QString(), this);
  record_->setProperty("role", "subheading");
  add_shadow(record_);
  outer->addWidget(heading_);
  outer->addWidget(description_);
  outer->addWidget(caption(QStringLiteral("titleRecordCaption"), QStringLiteral("LONGEST REIGN"), this));
  outer->addWidget(record_);
  outer->addSpacing(6);

  model_ = new GridModel({QStringLiteral("Date"), QStringLiteral("Champion(s)")}, this);
  grid_ = make_grid(QStringLiteral("titleHistoryGrid"), model_, this, true);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setStretchLastSection(true);
  outer->addWidget(grid_, 1);

  auto* footer = new QHBoxLayout;
  auto* back = make_button(QStringLiteral("titleHistoryBackButton"), QStringLiteral("Back"), this);
  set_default_button(back);
  footer->addStretch(1);
  footer->addWidget(back);
  outer->addLayout(footer);
  connect(back, &QPushButton::clicked, this, &TitleHistoryScreen::go_back);
}

void TitleHistoryScreen::enter() {
  std::vector<GridModel::Row> rows;
  std::optional<rv::TitleHistory> h;
  if (session_.game) {
    if (const auto player = session_.game->store.player_index()) {
      h = rv::title_history(session_.game->store, *player, session_.history_slot);
    }
  }
  heading_->setText(h ? qs(h->heading) : QStringLiteral("No Title"));
  description_->setText(h ? qs(h->description) : QString());
  record_->setText(h ? qs(h->record) : QString());
  if (h) {
    qlonglong order = 0;
    for (const auto& e : h->entries) rows.push_back({{{qs(e.date), order}, {qs(e.event)}}, order++});
  }
  model_->set_rows(std::move(rows));
  grid_->sortByColumn(-1, Qt::AscendingOrder);
}

}  // namespace rvgui

#include "screens/feedback/rankingsscreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "promotion/info.h"
#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"

namespace rvgui {

RankingsScreen::RankingsScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("rankingsScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(14);
  auto* heading = make_label(QStringLiteral("rankingsHeading"), QStringLiteral("Promotion Rankings"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  outer->addWidget(heading);

  model_ = new GridModel({QStringLiteral("Place"), QStringLiteral("Promotion"), QStringLiteral("Type"),
                          QStringLiteral("Popularity")},
                         this);
  grid_ = make_grid(QStringLiteral("rankingsGrid"), model_, this, false);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  grid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setSectionResizeMode(3, QHeaderView::ResizeToContents);
  grid_->verticalHeader()->setDefaultSectionSize(34);
  outer->addWidget(grid_, 1);

  auto* footer = new QHBoxLayout;
  back_ = make_button(QStringLiteral("rankingsBackButton"), QStringLiteral("Back"), this);
  set_default_button(back_);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);
  connect(back_, &QPushButton::clicked, this, &RankingsScreen::go_back);
}

void RankingsScreen::enter() {
  std::vector<GridModel::Row> rows;
  if (session_.game) {
    int i = 0;
    for (const auto& r : rv::promotion_rankings(session_.game->store)) {
      const bool own = r.is_player;
      rows.push_back({{{qs(r.place), {}, own, own},
                       {qs(r.name), {}, own, own},
                       {qs(r.type), {}, own, own},
                       {QString::number(r.popularity) + QStringLiteral("%"), static_cast<qlonglong>(r.popularity), own, own}},
                      i++});
    }
  }
  model_->set_rows(std::move(rows));
}

}  // namespace rvgui

#include "screens/feedback/recordsscreen.h"

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

RecordsScreen::RecordsScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("recordsScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(14);
  auto* heading = make_label(QStringLiteral("recordsHeading"), QStringLiteral("Records"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  outer->addWidget(heading);

  model_ = new GridModel({QStringLiteral("Record"), QStringLiteral("Figure"), QStringLiteral("Set By")}, this);
  grid_ = make_grid(QStringLiteral("recordsGrid"), model_, this, false);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
  grid_->verticalHeader()->setDefaultSectionSize(40);
  outer->addWidget(grid_, 1);

  auto* footer = new QHBoxLayout;
  back_ = make_button(QStringLiteral("recordsBackButton"), QStringLiteral("Back"), this);
  set_default_button(back_);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);
  connect(back_, &QPushButton::clicked, this, &RecordsScreen::go_back);
}

void RecordsScreen::enter() {
  std::vector<GridModel::Row> rows;
  if (session_.game) {
    int i = 0;
    for (const auto& r : rv::promotion_records(session_.game->store)) {
      const bool set = r.holder != rv::no_record_yet;
      rows.push_back({{{qs(r.heading), {}, true}, {qs(r.value), {}, false, set}, {qs(r.holder)}}, i++});
    }
  }
  model_->set_rows(std::move(rows));
}

}  // namespace rvgui

#include "screens/shows/royaldetailsscreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "screens/shell/session.h"
#include "screens/shell/style.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"
#include "shows/presentation.h"

namespace rvgui {

RoyalDetailsScreen::RoyalDetailsScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("royalDetailsScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  heading_ = make_label(QStringLiteral("royalDetailsHeading"), QString(), this);
  heading_->setProperty("role", "heading");
  add_shadow(heading_);
  outer->addWidget(heading_);
  model_ = new GridModel({QStringLiteral("Details")}, this);
  grid_ = make_grid(QStringLiteral("royalDetailsList"), model_, this, false);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  outer->addWidget(grid_, 1);
  auto* footer = new QHBoxLayout;
  auto* ok = make_button(QStringLiteral("royalDetailsOkButton"), QStringLiteral("OK"), this);
  set_default_button(ok);
  ok->setProperty("role", "main");
  footer->addStretch(1);
  footer->addWidget(ok);
  outer->addLayout(footer);
  connect(ok, &QPushButton::clicked, this, &RoyalDetailsScreen::go_back);
}

void RoyalDetailsScreen::enter() {
  const rv::ShowPresentation* p = session_.presentation.get();
  std::vector<GridModel::Row> rows;
  if (p) {
    window()->setWindowTitle(qs(p->battle_royal_title));
    heading_->setText(qs(p->battle_royal_heading));
    for (const auto& line : p->battle_royal_details) rows.push_back({{{qs(line.text), {}, line.highlighted, line.highlighted}}, {}});
  }
  model_->set_rows(std::move(rows));
}

}  // namespace rvgui

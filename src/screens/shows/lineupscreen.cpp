#include "screens/shows/lineupscreen.h"

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
#include "shows/booking.h"

namespace rvgui {

LineUpScreen::LineUpScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("lineUpScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  auto* title = make_label(QStringLiteral("lineUpTitle"), QStringLiteral("Match Line Up"), this);
  title->setProperty("role", "heading");
  add_shadow(title);
  outer->addWidget(title);
  model_ = new GridModel({QStringLiteral("Match"), QStringLiteral("Line Up")}, this);
  grid_ = make_grid(QStringLiteral("lineUpGrid"), model_, this, false);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  outer->addWidget(grid_, 1);
  auto* footer = new QHBoxLayout;
  auto* back = make_button(QStringLiteral("backToBookingButton"), QStringLiteral("Back To Booking"), this);
  set_default_button(back);
  footer->addStretch(1);
  footer->addWidget(back);
  outer->addLayout(footer);
  connect(back, &QPushButton::clicked, this, &LineUpScreen::go_back);
}

void LineUpScreen::enter() {
  std::vector<GridModel::Row> rows;
  if (const rv::Booking* b = session_.booking.get()) {
    for (std::size_t k = 1; k <= rv::rec::match_slots; ++k) {
      if (!b->slot_usable(k)) continue;
      const auto lines = b->slot_display(k);
      rows.push_back({{{QStringLiteral("Match %1").arg(k), {}, true}, {lines.empty() ? QStringLiteral("(not booked)") : QString()}}, {}});
      for (const auto& line : lines) rows.push_back({{{}, {qs(line)}}, {}});
    }
  }
  model_->set_rows(std::move(rows));
}

}  // namespace rvgui

#include "screens/resultsscreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "screens/cp1252.h"
#include "screens/gridmodel.h"
#include "screens/session.h"
#include "screens/style.h"
#include "shows/booking.h"
#include "shows/presentation.h"
#include "promotion/venues.h"

namespace rvgui {

ResultsScreen::ResultsScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("resultsScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  title_ = make_label(QStringLiteral("resultsTitle"), QString(), this);
  title_->setProperty("role", "heading");
  add_shadow(title_);
  outer->addWidget(title_);
  model_ = new GridModel({QStringLiteral("Match"), QStringLiteral("Result"), QStringLiteral("Rating")}, this);
  grid_ = make_grid(QStringLiteral("resultsGrid"), model_, this, false);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  grid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  grid_->setWordWrap(true);
  outer->addWidget(grid_, 1);
  overall_ = make_label(QStringLiteral("overallRating"), QString(), this);
  overall_->setProperty("role", "subheading");
  outer->addWidget(overall_);
  auto* footer = new QHBoxLayout;
  royal_ = make_button(QStringLiteral("royalDetailsButton"), QStringLiteral("Battle Royal Details"), this);
  auto* done = make_button(QStringLiteral("resultsContinueButton"), QStringLiteral("Continue"), this);
  done->setProperty("role", "main");
  footer->addWidget(royal_);
  footer->addStretch(1);
  footer->addWidget(done);
  outer->addLayout(footer);
  connect(royal_, &QPushButton::clicked, this, [this] { navigator_.open(screen_name::royal_details); });
  connect(done, &QPushButton::clicked, this, &ResultsScreen::finish);
}

void ResultsScreen::enter() {
  const rv::ShowPresentation* p = session_.presentation.get();
  std::vector<GridModel::Row> rows;
  if (p) {
    title_->setText(qs(p->results_title));
    for (const auto& b : p->results) {
      rows.push_back({{{qs(b.heading), {}, true}, {qs(b.match), {}, true}, {}}, {}});
      rows.push_back({{{}, {qs(b.result)}, {qs(b.rating)}}, {}});
    }
    overall_->setText(qs(p->overall_text));
  } else {
    title_->setText(QStringLiteral("Results"));
    overall_->clear();
  }
  model_->set_rows(std::move(rows));
  royal_->setVisible(p && !p->battle_royal_details.empty());
}

void ResultsScreen::finish() {
  if (session_.presentation && session_.presentation->archived) {  // a past show, opened from the history
    session_.presentation.reset();
    navigator_.back();
    return;
  }
  session_.presentation.reset();
  session_.booking.reset();
  session_.booked_show.reset();
  navigator_.restart_at(screen_name::main);
}

}  // namespace rvgui

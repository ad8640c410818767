#include "screens/venuesscreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <memory>

#include "screens/cp1252.h"
#include "screens/gridmodel.h"
#include "screens/navigator.h"
#include "screens/session.h"

namespace rvgui {

VenuesScreen::VenuesScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("venuesScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(14);
  heading_ = make_label(QStringLiteral("venuesHeading"), QString(), this);
  heading_->setProperty("role", "heading");
  add_shadow(heading_);
  outer->addWidget(heading_);
  note_ = make_label(QStringLiteral("venuesNote"), QString(), this);
  note_->setWordWrap(true);
  outer->addWidget(note_);
  model_ = new GridModel({QStringLiteral("Venue"), QStringLiteral("Capacity"), QStringLiteral("Hire Cost")}, this);
  grid_ = make_grid(QStringLiteral("venuesGrid"), model_, this, true);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  outer->addWidget(grid_, 1);
  auto* footer = new QHBoxLayout;
  auto* book = make_button(QStringLiteral("bookVenueButton"), QStringLiteral("Book Venue"), this);
  book->setProperty("role", "main");
  auto* back = make_button(QStringLiteral("venuesBackButton"), QStringLiteral("Back"), this);
  footer->addWidget(book);
  footer->addStretch(1);
  footer->addWidget(back);
  outer->addLayout(footer);
  connect(grid_, &QTableView::activated, this, [this](const QModelIndex& index) { choose(model_row(grid_, index.row())); });
  connect(book, &QPushButton::clicked, this, [this] {
    const QModelIndex current = grid_->currentIndex();
    if (current.isValid()) choose(model_row(grid_, current.row()));
  });
  connect(back, &QPushButton::clicked, this, &VenuesScreen::go_back);
}

void VenuesScreen::enter() {
  model_->set_rows({});
  show_ = session_.game ? rv::next_show(session_.game->store) : std::nullopt;
  if (!show_) {
    heading_->setText(QStringLiteral("Choose Venue"));
    note_->setText(QStringLiteral("There is no show coming up."));
    return;
  }
  heading_->setText(qs(rv::choose_venue_heading(*show_)));
  const auto offers = rv::offered_venues(session_.game->store, session_.home, *show_);
  if (!offers) {
    note_->setText(qs(offers.error()));
    return;
  }
  note_->clear();
  std::vector<GridModel::Row> rows;
  for (const auto& v : *offers) {
    rows.push_back({{{qs(v.name)},
                     {QString::number(v.capacity), QVariant::fromValue(v.capacity)},
                     {qs(v.hire_cost_text), QVariant::fromValue(v.hire_cost)}},
                    qs(v.name)});
  }
  model_->set_rows(std::move(rows));
  grid_->setFocus();
}

void VenuesScreen::choose(int row) {
  const GridModel::Row* r = model_->row_at(row);
  if (!r || !show_ || !session_.game) return;
  if (!session_.dialogs.ask(qs(rv::confirm_booking_question))) return;
  auto booked = rv::book_venue(session_.game->store, session_.home, *show_, to_cp1252_lossy(r->ref.toString()));
  if (!booked) {
    session_.dialogs.info(qs(booked.error()));
    return;
  }
  session_.booked_show = std::make_shared<rv::BookedShow>(std::move(*booked));
  navigator_.open(screen_name::booking);
}

}  // namespace rvgui

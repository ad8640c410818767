#include "screens/shows/venuesscreen.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <memory>

#include "screens/shell/navigator.h"
#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"
#include "shows/booking.h"
#include "shows/takings.h"
#include "state/text.h"

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
  model_ = new GridModel({QStringLiteral("Venue"), QStringLiteral("Capacity"), QStringLiteral("Hire Cost"),
                          QStringLiteral("Expected Crowd"), QStringLiteral("Tickets"), QStringLiteral("Merchandise"),
                          QStringLiteral("After Hire")},
                         this);
  grid_ = make_grid(QStringLiteral("venuesGrid"), model_, this, true);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  outer->addWidget(grid_, 1);
  auto* footer = new QHBoxLayout;
  book_ = make_button(QStringLiteral("bookVenueButton"), QStringLiteral("Book Venue"), this);
  set_default_button(book_);
  book_->setProperty("role", "main");
  auto* book = book_;
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
  connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, &VenuesScreen::update_book);
  connect(model_, &QAbstractItemModel::modelReset, this, &VenuesScreen::update_book);
  update_book();
}

void VenuesScreen::update_book() {
  const QString why_not = !show_                             ? QStringLiteral("There is no show coming up.")
                          : model_->rowCount() == 0          ? QStringLiteral("No venue can be hired for this show.")
                          : !grid_->currentIndex().isValid() ? QStringLiteral("Choose a venue in the list first.")
                                                             : QString();
  set_usable(book_, why_not, QStringLiteral("Hires the chosen venue and opens the card"));
}

void VenuesScreen::enter() {
  model_->set_rows({});
  show_ = session_.game ? rv::next_show(session_.game->store) : std::nullopt;
  if (!show_) {
    heading_->setText(QStringLiteral("Choose Venue"));
    note_->setText(QStringLiteral("There is no show coming up."));
    update_book();
    return;
  }
  heading_->setText(qs(rv::choose_venue_heading(*show_)));
  const auto offers = rv::offered_venues(session_.game->store, session_.home, *show_);
  if (!offers) {
    note_->setText(qs(offers.error()));
    update_book();
    return;
  }
  const rv::Booking* card = session_.booking && session_.booked_show && session_.booked_show->show.name == show_->name
                                ? session_.booking.get()
                                : nullptr;
  const auto preview = rv::preview_takings(session_.game->store, *show_, *offers, card);
  const QString basis = preview.from_booked_card ? QStringLiteral("the card as booked")
                                                 : QStringLiteral("the card Suggest Card would book today");
  note_->setText(QStringLiteral("Expected crowd and takings in each hall, from %1 on today's figures.").arg(basis));
  note_->setToolTip(QStringLiteral("The night's own card decides the real figures: the popularity of its workers, its "
                                   "stipulations, titles and feuds, and the crowd's reaction to its main event."));
  model_->set_header_tips(
      {QStringLiteral("The hall"), QStringLiteral("Seats in the hall: a crowd this size or larger is a sell-out"),
       QStringLiteral("The hall's hire, $8 a seat, paid when the show runs"),
       QStringLiteral("The crowd expected: the promotion's attendance for this kind of show times the card's expected "
                      "score, no more than the hall holds. Estimated from %1; a stronger card, a more popular "
                      "promotion or a larger hall raise it.")
           .arg(basis),
       QStringLiteral("Expected ticket sales: the crowd times the ticket price, which rises with the promotion's size "
                      "and is highest for a big show"),
       QStringLiteral("Expected merchandise sales: they grow with the crowd, the promotion's popularity and its size"),
       QStringLiteral("Tickets and merchandise less the hire cost. Production, promotion and television or "
                      "pay-per-view money are the same in every hall.")});
  std::vector<GridModel::Row> rows;
  std::vector<QString> tips;
  for (const auto& [v, t, after_hire] : preview.venues) {
    rows.push_back({{{qs(v.name)},
                     {qs(rv::grouped(v.capacity)), QVariant::fromValue(v.capacity)},
                     {qs(rv::money_text(v.hire_cost)), QVariant::fromValue(v.hire_cost)},
                     {qs(t.attendance_text), QVariant::fromValue(t.attendance)},
                     {qs(rv::money_text(t.tickets)), QVariant::fromValue(t.tickets)},
                     {qs(rv::money_text(t.merchandise)), QVariant::fromValue(t.merchandise)},
                     {qs(rv::money_text(after_hire)), QVariant::fromValue(after_hire)}},
                    qs(v.name)});
    tips.push_back(QStringLiteral("%1: %2 expected of %3 seats; tickets %4, merchandise %5, less the hire of %6")
                       .arg(qs(v.name), qs(t.attendance_text), qs(rv::grouped(v.capacity)), qs(rv::money_text(t.tickets)),
                            qs(rv::money_text(t.merchandise)), qs(rv::money_text(v.hire_cost))));
  }
  model_->set_rows(std::move(rows));
  model_->set_tips(std::move(tips));
  grid_->setFocus();
  update_book();
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

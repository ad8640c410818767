#include "screens/talent/indybookingscreen.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "state/text.h"
#include "talent/indy.h"
#include "talent/roster.h"

namespace rvgui {

namespace {

const QString show_others = QStringLiteral("See Your Other Indy Bookings");
const QString hide_others = QStringLiteral("Hide Your Other Indy Bookings");

}  // namespace

IndyBookingScreen::IndyBookingScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("indyBookingScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  heading_ = make_label(QStringLiteral("indyHeading"), QStringLiteral("Booking Wrestlers for Certain Dates"), this);
  heading_->setProperty("role", "heading");
  add_shadow(heading_);
  outer->addWidget(heading_);

  auto* panel = make_panel(QStringLiteral("indyOfferPanel"), this);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(20, 16, 20, 16);
  grid->setVerticalSpacing(6);
  question_ = make_label(QStringLiteral("indyQuestionLabel"), QString(), panel);
  question_->setWordWrap(true);
  grid->addWidget(question_, 0, 0, 1, 3);
  fee_ = value_label(QStringLiteral("indyFeeLabel"), panel, QStringLiteral("His fee for working one of your shows"));
  flight_ = value_label(QStringLiteral("indyFlightLabel"), panel,
                     QStringLiteral("The flight to bring him in, paid with his fee"));
  balance_ = value_label(QStringLiteral("indyBalanceLabel"), panel, QStringLiteral("Your bank balance now"));
  const std::pair<QString, QLabel*> values[] = {{QStringLiteral("BOOKING FEE"), fee_},
                                                {QStringLiteral("FLIGHT COST"), flight_},
                                                {QStringLiteral("YOUR BALANCE"), balance_}};
  int column = 0;
  for (const auto& [text, label] : values) {
    grid->addWidget(caption(label->objectName() + QStringLiteral("Caption"), text, panel), 1, column);
    grid->addWidget(label, 2, column);
    ++column;
  }
  outer->addWidget(panel);

  // The dates to choose from and, beside them while asked for, the bookings already made.
  auto* lists = new QHBoxLayout;
  lists->setSpacing(16);
  auto* dates_panel = make_panel(QStringLiteral("indyDatesPanel"), this);
  dates_panel->setMaximumWidth(460);
  auto* dl = new QVBoxLayout(dates_panel);
  dl->setContentsMargins(16, 12, 16, 12);
  dl->addWidget(caption(QStringLiteral("indyDatesCaption"), QStringLiteral("CHOOSE A DATE"), dates_panel));
  dates_ = new QListWidget(dates_panel);
  dates_->setObjectName(QStringLiteral("indyDateList"));
  dl->addWidget(dates_, 1);
  others_panel_ = make_panel(QStringLiteral("indyOtherBookingsPanel"), this);
  others_panel_->setMaximumWidth(560);
  auto* ol = new QVBoxLayout(others_panel_);
  ol->setContentsMargins(16, 12, 16, 12);
  ol->addWidget(caption(QStringLiteral("indyOtherBookingsCaption"), QStringLiteral("YOUR OTHER INDY BOOKINGS"), others_panel_));
  others_ = new QListWidget(others_panel_);
  others_->setObjectName(QStringLiteral("indyOtherBookingsList"));
  others_->setSelectionMode(QAbstractItemView::NoSelection);
  ol->addWidget(others_, 1);
  lists->addWidget(dates_panel, 1);
  lists->addWidget(others_panel_, 1);
  lists->addStretch(1);
  outer->addLayout(lists, 1);

  auto* footer = new QHBoxLayout;
  confirm_ = make_button(QStringLiteral("indyConfirmButton"), QStringLiteral("Confirm"), this);
  set_default_button(confirm_);
  confirm_->setProperty("role", "main");
  others_button_ = make_button(QStringLiteral("indyOtherBookingsButton"), show_others, this);
  cancel_ = make_button(QStringLiteral("indyCancelButton"), QStringLiteral("Cancel"), this);
  footer->addWidget(confirm_);
  footer->addWidget(others_button_);
  footer->addStretch(1);
  footer->addWidget(cancel_);
  outer->addLayout(footer);
  connect(confirm_, &QPushButton::clicked, this, &IndyBookingScreen::confirm);
  connect(others_button_, &QPushButton::clicked, this, &IndyBookingScreen::toggle_other_bookings);
  connect(cancel_, &QPushButton::clicked, this, &IndyBookingScreen::go_back);
  connect(dates_, &QListWidget::itemActivated, this, &IndyBookingScreen::confirm);
}

std::optional<std::size_t> IndyBookingScreen::row() const {
  if (!session_.game) return std::nullopt;
  return rv::outside_worker(session_.game->store, session_.outside_worker);
}

void IndyBookingScreen::enter() {
  set_others_shown(false);
  fill();
}

void IndyBookingScreen::fill() {
  const auto r = row();
  set_usable(confirm_, r ? QString() : QStringLiteral("There is no worker to book."));
  dates_->clear();
  if (!r) {
    question_->setText(QStringLiteral("There is nobody to book."));
    return;
  }
  const rv::Store& s = session_.game->store;
  heading_->setText(QStringLiteral("Booking Wrestlers for Certain Dates: %1").arg(qs(s.worker(*r).name())));
  const auto offer = rv::indy_offer(s, *r);
  question_->setText(qs(offer.question));
  fee_->setText(qs(offer.fee_text));
  flight_->setText(qs(offer.flight_text));
  balance_->setText(qs(rv::money_text(offer.balance)));
  for (const auto& d : offer.dates) dates_->addItem(qs(d));
  if (dates_->count() > 0) dates_->setCurrentRow(0);
  fill_other_bookings();
}

void IndyBookingScreen::fill_other_bookings() {
  others_->clear();
  if (!session_.game) return;
  for (const auto& line : rv::other_bookings(session_.game->store)) others_->addItem(qs(line));
}

void IndyBookingScreen::set_others_shown(bool shown) {
  others_panel_->setVisible(shown);
  others_button_->setText(shown ? hide_others : show_others);
}

void IndyBookingScreen::toggle_other_bookings() {
  fill_other_bookings();
  set_others_shown(others_panel_->isHidden());
}

bool IndyBookingScreen::escape_inner() {
  if (others_panel_->isHidden()) return false;
  set_others_shown(false);
  return true;
}

void IndyBookingScreen::confirm() {
  const auto r = row();
  auto* item = dates_->currentItem();
  if (!r || !item) {
    session_.dialogs.info(QStringLiteral("Please choose a date first."));
    return;
  }
  const auto date = to_cp1252(item->text());
  const auto quote = rv::check_indy_booking(*session_.game, *r, date.value_or(std::string()));
  if (!quote) {
    session_.dialogs.info(qs(quote.error()));
    return;
  }
  if (quote->warning && !session_.dialogs.ask(qs(*quote->warning))) return;
  if (!session_.dialogs.ask(qs(quote->question))) {
    session_.dialogs.info(qs(rv::booking_cancelled));
    return;
  }
  const auto done = rv::confirm_indy_booking(session_.game->store, *r, *date, *quote);
  session_.dialogs.info(done ? qs(rv::booking_confirmed) : qs(done.error()));
  fill();
}

}  // namespace rvgui

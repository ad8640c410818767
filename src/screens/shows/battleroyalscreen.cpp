#include "screens/shows/battleroyalscreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "promotion/venues.h"
#include "screens/shell/navigator.h"
#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"
#include "shows/booking.h"

namespace rvgui {

namespace {
const QString choose_prompt = QStringLiteral("Choose the participants of this Battle Royal.");
const QString manual_prompt = QStringLiteral("Double-click a worker (or press Enter) to move them to the other list.");

QTableView* entrant_grid(const QString& name, GridModel* model, QWidget* parent) {
  auto* grid = make_grid(name, model, parent, true);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  return grid;
}
}  // namespace

BattleRoyalScreen::BattleRoyalScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("battleRoyalScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(10);
  heading_ = make_label(QStringLiteral("battleRoyalHeading"), QStringLiteral("Battle Royal Setup"), this);
  heading_->setProperty("role", "heading");
  add_shadow(heading_);
  outer->addWidget(heading_);
  note_ = make_label(QStringLiteral("battleRoyalNote"), QString(), this);
  note_->setProperty("role", "subheading");
  note_->setWordWrap(true);
  outer->addWidget(note_);

  auto* ways = new QHBoxLayout;
  enter_all_ = make_button(QStringLiteral("enterAllButton"), QStringLiteral("Enter All"), this);
  enter_all_workers_ = make_button(QStringLiteral("enterAllWorkersButton"), QStringLiteral("Enter All Workers"), this);
  manual_button_ = make_button(QStringLiteral("chooseManuallyButton"), QStringLiteral("Choose Manually"), this);
  manual_button_->setCheckable(true);
  ways->addWidget(enter_all_);
  ways->addWidget(enter_all_workers_);
  ways->addWidget(manual_button_);
  ways->addStretch(1);
  outer->addLayout(ways);

  auto* lists = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(caption(QStringLiteral("availableCaption"), QStringLiteral("Available"), this));
  available_model_ = new GridModel({QStringLiteral("Worker"), QStringLiteral("Gender"), QStringLiteral("Style"),
                                    QStringLiteral("Pop")},
                                   this);
  available_ = entrant_grid(QStringLiteral("availableList"), available_model_, this);
  left->addWidget(available_, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(caption(QStringLiteral("enteredCaption"), QStringLiteral("Entered"), this));
  entered_model_ = new GridModel({QStringLiteral("Worker"), QStringLiteral("Gender"), QStringLiteral("Pop"),
                                  QStringLiteral("Finish")},
                                 this);
  entered_ = entrant_grid(QStringLiteral("enteredList"), entered_model_, this);
  right->addWidget(entered_, 1);
  lists->addLayout(left, 1);
  lists->addLayout(right, 1);
  outer->addLayout(lists, 1);

  auto* footer = new QHBoxLayout;
  count_ = make_label(QStringLiteral("participantCount"), QString(), this);
  count_->setProperty("role", "subheading");
  add_shadow(count_);
  footer->addWidget(count_);
  footer->addStretch(1);
  confirm_ = make_button(QStringLiteral("confirmParticipantsButton"), QStringLiteral("Confirm Participants"), this);
  set_default_button(confirm_);
  confirm_->setProperty("role", "main");
  cancel_ = make_button(QStringLiteral("cancelBattleRoyalButton"), QStringLiteral("Cancel"), this);
  footer->addWidget(confirm_);
  footer->addWidget(cancel_);
  outer->addLayout(footer);

  connect(enter_all_, &QPushButton::clicked, this, &BattleRoyalScreen::enter_all);
  connect(enter_all_workers_, &QPushButton::clicked, this, &BattleRoyalScreen::enter_all_workers);
  connect(manual_button_, &QPushButton::clicked, this, &BattleRoyalScreen::choose_manually);
  connect(confirm_, &QPushButton::clicked, this, &BattleRoyalScreen::confirm);
  connect(cancel_, &QPushButton::clicked, this, &BattleRoyalScreen::cancel);
  // Moving is a double-click or Enter (activation); naming the winner or runner-up is the next
  // single click. Keeping them apart stops a double-click from moving two workers.
  for (auto [grid, take] : {std::pair{available_, &BattleRoyalScreen::take_available},
                            std::pair{entered_, &BattleRoyalScreen::take_entered}}) {
    connect(grid, &QTableView::activated, this, [this, grid, take](const QModelIndex& i) {
      if (mode_ == Mode::choosing) (this->*take)(model_row(grid, i.row()));
    });
    connect(grid, &QTableView::clicked, this, [this, grid, take](const QModelIndex& i) {
      if (mode_ != Mode::choosing) (this->*take)(model_row(grid, i.row()));
    });
  }
}

void BattleRoyalScreen::enter() {
  mode_ = Mode::choosing;
  manual_ = false;
  setup_.reset();
  pool_.clear();
  if (session_.booking && session_.booking->awaiting_battle_royal()) {
    pool_ = session_.booking->battle_royal_pool();
    setup_.emplace(pool_);
  }
  refresh();
  if (setup_) enter_all_->setFocus();
}

void BattleRoyalScreen::refresh() {
  const bool choosing = setup_ && mode_ == Mode::choosing;
  if (!setup_) note_->setText(QStringLiteral("There is no Battle Royal being booked."));
  else if (mode_ == Mode::picking_winner) note_->setText(qs(rv::BattleRoyalSetup::winner_instruction()));
  else if (mode_ == Mode::picking_runner_up) note_->setText(qs(rv::BattleRoyalSetup::runner_up_instruction()));
  else note_->setText(manual_ ? manual_prompt : choose_prompt);
  count_->setText(setup_ ? qs(setup_->count_caption()) : QString());
  const QString not_choosing = !setup_     ? QStringLiteral("There is no Battle Royal being booked.")
                               : !choosing ? QStringLiteral("Pick the winner and the runner-up in the list first.")
                                           : QString();
  for (auto* b : {enter_all_, enter_all_workers_, manual_button_, confirm_}) set_usable(b, not_choosing);
  set_usable(cancel_, setup_ ? QString() : QStringLiteral("There is no Battle Royal being booked."));
  manual_button_->setChecked(manual_);

  const auto figures = [this](const std::string& name) -> const rv::BookableWorker* {
    const auto it = std::find_if(pool_.begin(), pool_.end(), [&](const auto& w) { return w.name == name; });
    return it == pool_.end() ? nullptr : &*it;
  };
  std::vector<GridModel::Row> available, entered;
  if (setup_) {
    for (const auto& name : setup_->available()) {
      const rv::BookableWorker* w = figures(name);
      if (!w) continue;
      available.push_back({{{qs(w->name)}, {qs(w->gender)}, {qs(w->ringstyle)}, {QString::number(w->pop), QVariant::fromValue(w->pop)}},
                           qs(w->name)});
    }
    const rv::BattleRoyalEntry entry = setup_->entry();
    for (const auto& name : setup_->entered()) {
      const rv::BookableWorker* w = figures(name);
      if (!w) continue;
      QString finish;
      if (name == entry.winner) finish = QStringLiteral("Winner");
      else if (name == entry.runner_up) finish = QStringLiteral("Runner Up");
      entered.push_back({{{qs(w->name)}, {qs(w->gender)}, {QString::number(w->pop), QVariant::fromValue(w->pop)},
                          {finish, {}, !finish.isEmpty()}},
                         qs(w->name)});
    }
  }
  available_model_->set_rows(std::move(available));
  entered_model_->set_rows(std::move(entered));
}

void BattleRoyalScreen::enter_all() {
  if (!setup_ || mode_ != Mode::choosing) return;
  setup_->enter_all();
  refresh();
}

void BattleRoyalScreen::enter_all_workers() {
  if (!setup_ || mode_ != Mode::choosing) return;
  setup_->enter_all_workers();
  refresh();
}

void BattleRoyalScreen::choose_manually() {
  if (setup_ && mode_ == Mode::choosing) {
    manual_ = true;
    available_->setFocus();
  }
  refresh();
}

void BattleRoyalScreen::take_available(int model_row) {
  const GridModel::Row* row = available_model_->row_at(model_row);
  if (!setup_ || !row) return;
  if (mode_ != Mode::choosing) {
    name_pick(row->ref.toString());  // not an entrant: the setup says so
    return;
  }
  if (!manual_) return;
  setup_->enter(to_cp1252_lossy(row->ref.toString()));
  refresh();
}

void BattleRoyalScreen::take_entered(int model_row) {
  const GridModel::Row* row = entered_model_->row_at(model_row);
  if (!setup_ || !row) return;
  if (mode_ != Mode::choosing) {
    name_pick(row->ref.toString());
    return;
  }
  if (!manual_) return;
  setup_->withdraw(to_cp1252_lossy(row->ref.toString()));
  refresh();
}

void BattleRoyalScreen::confirm() {
  if (!setup_ || mode_ != Mode::choosing || !session_.booking) return;
  if (auto problem = setup_->confirm_problem()) {
    session_.dialogs.info(qs(*problem));
    return;
  }
  if (session_.dialogs.ask(qs(rv::BattleRoyalSetup::winner_question()))) {
    session_.dialogs.info(qs(rv::BattleRoyalSetup::winner_instruction()));
    mode_ = Mode::picking_winner;
    refresh();
    entered_->setFocus();
    return;
  }
  ask_runner_up();
}

void BattleRoyalScreen::name_pick(const QString& name) {
  const std::string picked = to_cp1252_lossy(name);
  const auto refused =
      mode_ == Mode::picking_winner ? setup_->choose_winner(picked) : setup_->choose_runner_up(picked);
  if (refused) {
    session_.dialogs.info(qs(*refused));  // the player clicks again
    return;
  }
  if (mode_ == Mode::picking_winner) ask_runner_up();
  else finish();
}

void BattleRoyalScreen::ask_runner_up() {
  if (session_.dialogs.ask(qs(rv::BattleRoyalSetup::runner_up_question()))) {
    session_.dialogs.info(qs(rv::BattleRoyalSetup::runner_up_instruction()));
    mode_ = Mode::picking_runner_up;
    refresh();
    entered_->setFocus();
    return;
  }
  finish();
}

void BattleRoyalScreen::finish() {
  mode_ = Mode::choosing;
  if (!session_.booking || !session_.booking->book_battle_royal(setup_->entry())) {
    refresh();
    return;
  }
  setup_.reset();
  navigator_.back();  // to the booking screen, which opened this one
}

void BattleRoyalScreen::cancel() {
  if (!setup_) {
    navigator_.back();
    return;
  }
  if (!session_.dialogs.ask(qs(rv::BattleRoyalSetup::cancel_question()))) return;
  if (session_.booking) session_.booking->cancel_battle_royal();
  setup_.reset();
  navigator_.back();
}

bool BattleRoyalScreen::escape_inner() {
  // While a winner or a runner-up is being named, Escape keeps the screen as it is: the name is
  // picked with a click, or the whole setup is given up with Cancel.
  return mode_ != Mode::choosing;
}

bool prepare_battle_royal(Session& session) {
  if (!session.game) return false;
  if (session.booking && session.booking->awaiting_battle_royal()) return true;
  if (!session.booking) {
    rv::BookingSetting setting;
    if (session.booked_show) {
      setting.brand = session.booked_show->show.brand;
      setting.big_show = session.booked_show->show.type == rv::ShowType::big;
    } else if (auto show = rv::next_show(session.game->store)) {
      setting.brand = show->brand;
      setting.big_show = show->type == rv::ShowType::big;
    }
    session.booking = std::make_shared<rv::Booking>(session.game->store, setting);
  }
  rv::Booking& b = *session.booking;
  if (b.step() == rv::BookingStep::count) {
    const auto counts = b.count_choices();
    if (counts.empty() || !b.choose_count(counts.front())) return false;
  }
  std::size_t slot = 1;
  while (slot <= rv::rec::match_slots && b.slot_usable(slot) && b.slot_booked(slot)) ++slot;
  if (!b.slot_usable(slot) || !b.open_slot(slot) || !b.choose(rv::match_type::battle_royal)) return false;
  // The title and the stipulation: the first offer of each ("None").
  for (int step = 0; step < 4 && !b.awaiting_battle_royal(); ++step) {
    const auto offered = b.choices();
    if (offered.empty() || !b.choose(offered.front())) return false;
  }
  return b.awaiting_battle_royal();
}

}  // namespace rvgui

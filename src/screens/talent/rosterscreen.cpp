#include "screens/talent/rosterscreen.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/figuretips.h"
#include "screens/widgets/gridmodel.h"
#include "talent/roster.h"
#include "talent/rosterdoc.h"
#include "talent/split.h"

namespace rvgui {

namespace {
constexpr int extra_column = 3;
constexpr int figure_width = 96;  // the starting width of a column, and the figures' for good
}

RosterScreen::RosterScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("rosterScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  auto* top = new QHBoxLayout;
  heading_ = make_label(QStringLiteral("rosterHeading"), QStringLiteral("Roster"), this);
  heading_->setProperty("role", "heading");
  add_shadow(heading_);
  count_ = make_label(QStringLiteral("rosterCountLabel"), QString(), this);
  count_->setProperty("role", "subheading");
  add_shadow(count_);
  top->addWidget(heading_);
  top->addStretch(1);
  top->addWidget(count_);
  outer->addLayout(top);

  auto* choose = new QHBoxLayout;
  choice_ = new QComboBox(this);
  choice_->setObjectName(QStringLiteral("rosterChoice"));
  choice_->setMinimumWidth(320);
  choose->addWidget(caption(QStringLiteral("rosterChoiceCaption"), QStringLiteral("SHOW"), this));
  choose->addWidget(choice_);
  choose->addStretch(1);
  outer->addLayout(choose);

  model_ = new GridModel({QStringLiteral("Wrestler"), QStringLiteral("Draw"), QStringLiteral("Ability"), QString()}, this);
  model_->set_header_tips({worker_figure_tip(WorkerFigure::name), worker_figure_tip(WorkerFigure::pop),
                           worker_figure_tip(WorkerFigure::ability), QString()});
  grid_ = make_grid(QStringLiteral("rosterGrid"), model_, this, true);
  // Fixed widths: measuring thousands of rows on every change would cost more than the change. The
  // names' column is as wide as the longest names (see show_choice); what is left goes to the
  // choice's column when it has one.
  for (int column : {0, 1, 2}) {
    grid_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
    grid_->setColumnWidth(column, figure_width);
  }
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  outer->addWidget(grid_, 1);

  auto* footer = new QHBoxLayout;
  split_ = make_button(QStringLiteral("rosterSplitButton"), QStringLiteral("Create Roster Split"), this);
  print_ = make_button(QStringLiteral("printRosterButton"), QStringLiteral("Print Roster"), this);
  back_ = make_button(QStringLiteral("rosterBackButton"), QStringLiteral("Back To Main Screen"), this);
  footer->addWidget(split_);
  footer->addWidget(print_);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);

  connect(choice_, &QComboBox::currentTextChanged, this, &RosterScreen::show_choice);
  connect(grid_, &QTableView::clicked, this, [this](const QModelIndex& index) { open_worker(index.row()); });
  connect(grid_, &QTableView::activated, this, [this](const QModelIndex& index) { open_worker(index.row()); });
  connect(split_, &QPushButton::clicked, this, &RosterScreen::toggle_split);
  connect(print_, &QPushButton::clicked, this, &RosterScreen::print_roster);
  connect(back_, &QPushButton::clicked, this, &RosterScreen::go_back);
}

void RosterScreen::enter() {
  back_->setText(session_.opened_from_booking ? QStringLiteral("Back To Booking") : QStringLiteral("Back To Main Screen"));
  fill_choices();
}

void RosterScreen::fill_choices() {
  const QString current = choice_->currentText();
  QStringList choices;
  if (session_.game) {
    for (const auto& c : rv::roster_choices(session_.game->store)) choices << qs(c);
    split_->setText(qs(rv::split_button_caption(session_.game->store)));
  }
  {
    const QSignalBlocker quiet(choice_);
    choice_->clear();
    choice_->addItems(choices);
    const int keep = choice_->findText(current);
    choice_->setCurrentIndex(keep >= 0 ? keep : 0);
  }
  show_choice(choice_->currentText());
}

void RosterScreen::show_choice(const QString& choice) {
  std::vector<GridModel::Row> rows;
  QString extra;
  if (session_.game) {
    const auto grid = rv::roster_grid(session_.game->store, to_cp1252_lossy(choice));
    extra = qs(grid.extra_caption);
    rows.reserve(grid.rows.size());
    for (const auto& r : grid.rows) {
      rows.push_back({{{qs(r.name)},
                       {QString::number(r.draw), static_cast<qlonglong>(r.draw)},
                       {QString::number(r.ability), static_cast<qlonglong>(r.ability)},
                       {qs(r.extra), static_cast<qlonglong>(r.extra_key)}},
                      qs(r.name)});
    }
    count_->setText(QStringLiteral("%1 of %2 workers").arg(grid.rows.size()).arg(grid.roster_size));
  }
  model_->set_header(extra_column, extra);
  grid_->setColumnHidden(extra_column, extra.isEmpty());
  // The choice's own column takes what is left; without one, the figures keep their width.
  grid_->horizontalHeader()->setStretchLastSection(!extra.isEmpty());
  for (int column : {1, 2}) grid_->setColumnWidth(column, figure_width);
  grid_proxy(grid_)->sort(-1);  // the choice's own order until a header is clicked
  model_->set_rows(std::move(rows));
  grid_->setColumnWidth(0, fitted_width(grid_, *model_, 0));  // the longest names, measured alone
}

void RosterScreen::open_worker(int view_row) {
  const int row = model_row(grid_, view_row);
  const auto* r = model_->row_at(row);
  if (!r) return;
  session_.profile_worker = to_cp1252_lossy(r->ref.toString());
  navigator_.open(screen_name::profile);
}

void RosterScreen::toggle_split() {
  if (!session_.game) return;
  if (rv::roster_split(session_.game->store)) end_split();
  else create_split();
  fill_choices();
}

void RosterScreen::create_split() {
  if (const auto why = rv::split_refusal(session_.game->store)) {
    session_.dialogs.info(qs(*why));
    return;
  }
  std::string names[2];
  const std::string_view questions[] = {rv::brand1_name_prompt, rv::brand2_name_prompt};
  const QString defaults[] = {qs(rv::brand_one), qs(rv::brand_two)};
  for (int i = 0; i < 2; ++i) {
    const auto name = ask_game_text(session_.dialogs, qs(questions[i]), defaults[i]);
    if (!name || name->empty()) {
      session_.dialogs.info(qs(rv::split_cancelled_message));
      return;
    }
    names[i] = *name;
  }
  const auto result = rv::create_split(*session_.game, names[0], names[1]);
  session_.dialogs.info(qs(result.message));
}

void RosterScreen::end_split() {
  if (!session_.dialogs.ask(qs(rv::end_split_question))) {
    session_.dialogs.info(qs(rv::split_continues_message));
    return;
  }
  rv::end_split(session_.game->store);
}

void RosterScreen::print_roster() {
  if (!session_.game) return;
  const auto printed = rv::print_roster(session_.home, session_.game->store, rv::wall_date_text(session_.clock.now()));
  session_.dialogs.info(printed ? qs(*printed) : qs(printed.error()));
}

}  // namespace rvgui

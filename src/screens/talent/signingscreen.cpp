#include "screens/talent/signingscreen.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/figuretips.h"
#include "screens/widgets/gridmodel.h"

namespace rvgui {

SigningScreen::SigningScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("signingScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  auto* heading = make_label(QStringLiteral("signingHeading"), QStringLiteral("Make New Signing"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  outer->addWidget(heading);

  auto* body = new QHBoxLayout;
  body->addWidget(build_filters());
  auto* right = new QVBoxLayout;
  model_ = new GridModel({QStringLiteral("Wrestler"), QStringLiteral("Draw"), QStringLiteral("Ability"),
                          QStringLiteral("Promotion")},
                         this);
  model_->set_header_tips({worker_figure_tip(WorkerFigure::name), worker_figure_tip(WorkerFigure::pop),
                           worker_figure_tip(WorkerFigure::ability), QStringLiteral("The promotion he works for now; a free agent needs no buy-out")});
  grid_ = make_grid(QStringLiteral("signingGrid"), model_, this, true);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  for (int column : {1, 2, 3}) {
    grid_->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
    grid_->setColumnWidth(column, column == 3 ? 120 : 80);
  }
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  empty_ = make_label(QStringLiteral("signingEmptyLabel"), qs(rv::no_match_message), this);
  empty_->setProperty("role", "subheading");
  empty_->setAlignment(Qt::AlignCenter);
  details_ = make_label(QStringLiteral("signingDetailsLabel"), QString(), this);
  details_->setWordWrap(true);
  details_->setMinimumHeight(64);
  add_shadow(details_);
  right->addWidget(grid_, 1);
  right->addWidget(empty_, 1);
  right->addWidget(details_);
  body->addLayout(right, 1);
  outer->addLayout(body, 1);

  auto* footer = new QHBoxLayout;
  profile_ = make_button(QStringLiteral("viewProfileButton"), QStringLiteral("View Profile"), this);
  set_default_button(profile_);
  back_ = make_button(QStringLiteral("signingBackButton"), QStringLiteral("Back To Main Screen"), this);
  footer->addWidget(profile_);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);
  connect(grid_, &QTableView::clicked, this, [this](const QModelIndex& i) { show_details(i.row()); });
  connect(grid_, &QTableView::activated, this, [this](const QModelIndex& i) {
    show_details(i.row());
    open_profile();
  });
  connect(profile_, &QPushButton::clicked, this, &SigningScreen::open_profile);
  connect(back_, &QPushButton::clicked, this, &SigningScreen::go_back);
}

QWidget* SigningScreen::build_filters() {
  auto* panel = make_panel(QStringLiteral("signingFilters"), this);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(16, 14, 16, 14);
  grid->setVerticalSpacing(6);
  name_ = new QLineEdit(panel);
  name_->setObjectName(QStringLiteral("searchNameEdit"));
  name_->setPlaceholderText(QStringLiteral("Any name"));
  auto* title = make_label(QStringLiteral("advancedSearchLabel"), QStringLiteral("Advanced Search"), panel);
  title->setProperty("role", "subheading");
  grid->addWidget(title, 0, 0, 1, 3);
  grid->addWidget(caption(QStringLiteral("searchNameCaption"), QStringLiteral("NAME"), panel), 1, 0);
  grid->addWidget(name_, 1, 1, 1, 2);
  connect(name_, &QLineEdit::textChanged, this, &SigningScreen::search);
  int r = 2;
  for (std::size_t i = 0; i < rv::search_list_count; ++i, ++r) {
    const auto list = static_cast<rv::SearchList>(i);
    auto* box = new QComboBox(panel);
    box->setObjectName(QStringLiteral("searchList%1").arg(i));
    lists_[i] = box;
    grid->addWidget(caption(QStringLiteral("searchListCaption%1").arg(i), qs(rv::search_list_caption(list)).toUpper(), panel), r, 0);
    grid->addWidget(box, r, 1, 1, 2);
    connect(box, &QComboBox::currentIndexChanged, this, &SigningScreen::search);
  }
  grid->addWidget(caption(QStringLiteral("searchMinCaption"), QStringLiteral("MIN"), panel), r, 1);
  grid->addWidget(caption(QStringLiteral("searchMaxCaption"), QStringLiteral("MAX"), panel), r++, 2);
  for (std::size_t i = 0; i < rv::search_figure_count; ++i, ++r) {
    const auto figure = static_cast<rv::SearchFigure>(i);
    grid->addWidget(caption(QStringLiteral("searchFigureCaption%1").arg(i), qs(rv::search_figure_caption(figure)).toUpper(), panel), r, 0);
    for (auto* bounds : {&low_, &high_}) {
      auto* spin = new QSpinBox(panel);
      spin->setRange(0, 100);
      spin->setObjectName(QStringLiteral("search%1%2").arg(bounds == &low_ ? QStringLiteral("Min") : QStringLiteral("Max")).arg(i));
      spin->setValue(bounds == &low_ ? 0 : 100);
      (*bounds)[i] = spin;
      grid->addWidget(spin, r, bounds == &low_ ? 1 : 2);
      connect(spin, &QSpinBox::valueChanged, this, &SigningScreen::search);
    }
  }
  auto* reset = make_button(QStringLiteral("searchResetButton"), QStringLiteral("Reset"), panel);
  grid->addWidget(reset, r, 0, 1, 3);
  reset->setToolTip(QStringLiteral("Clears every filter: the name, every list back to Any and every range to 0-100"));
  connect(reset, &QPushButton::clicked, this, &SigningScreen::reset_filters);
  panel->setMaximumWidth(400);
  return panel;
}

void SigningScreen::enter() {
  if (session_.game) {
    for (std::size_t i = 0; i < rv::search_list_count; ++i) {
      const QSignalBlocker quiet(lists_[i]);
      const QString current = lists_[i]->currentText();
      lists_[i]->clear();
      for (const auto& c : rv::search_choices(session_.game->store, static_cast<rv::SearchList>(i))) lists_[i]->addItem(qs(c));
      lists_[i]->setCurrentIndex(std::max(0, lists_[i]->findText(current)));
    }
  }
  search();
}

void SigningScreen::reset_filters() {
  {
    const QSignalBlocker quiet(name_);
    name_->clear();
  }
  for (auto* list : lists_) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(0);  // every list starts with "Any"
  }
  for (std::size_t i = 0; i < rv::search_figure_count; ++i) {
    const QSignalBlocker a(low_[i]), b(high_[i]);
    low_[i]->setValue(0);
    high_[i]->setValue(100);
  }
  search();
}

rv::SearchFilters SigningScreen::filters() const {
  rv::SearchFilters f;
  f.name = to_cp1252_lossy(name_->text().trimmed());
  for (std::size_t i = 0; i < rv::search_list_count; ++i) {
    if (lists_[i]->currentIndex() >= 0) f.lists[i] = to_cp1252_lossy(lists_[i]->currentText());
  }
  for (std::size_t i = 0; i < rv::search_figure_count; ++i) {
    f.low[i] = low_[i]->value();
    f.high[i] = high_[i]->value();
  }
  return f;
}

void SigningScreen::search() {
  std::vector<GridModel::Row> rows;
  if (session_.game) {
    for (const auto& r : rv::search_workers(session_.game->store, filters())) {
      rows.push_back({{{qs(r.name)},
                       {QString::number(r.draw), static_cast<qlonglong>(r.draw)},
                       {QString::number(r.ability), static_cast<qlonglong>(r.ability)},
                       {qs(r.promotion)}},
                      qs(r.name)});
    }
  }
  const bool none = rows.empty();
  model_->set_rows(std::move(rows));
  grid_->setVisible(!none);
  empty_->setVisible(none);
  details_->clear();
  set_usable(profile_, QStringLiteral("Choose a worker in the list first."));
}

void SigningScreen::show_details(int view_row) {
  const auto* r = model_->row_at(model_row(grid_, view_row));
  if (!r || !session_.game) return;
  const auto row = session_.game->store.find_worker(to_cp1252_lossy(r->ref.toString()));
  if (!row) return;
  session_.outside_worker = session_.game->store.worker(*row).name();
  const auto p = rv::outside_profile(session_.game->store, *row);
  details_->setText(QStringLiteral("<b>%1</b><br>%2.<br>Morale: %3 &middot; %4 &middot; %5<br>%6 &middot; %7 &middot; %8")
                        .arg(r->ref.toString().toHtmlEscaped(), qs(p.contract).toHtmlEscaped(), qs(p.morale),
                             qs(p.career).toHtmlEscaped(), qs(p.status).toHtmlEscaped(), qs(p.role), qs(p.weight),
                             qs(p.gender)));
  set_usable(profile_, QString(), QStringLiteral("Opens the chosen worker's profile, where you can approach him or her"));
}

void SigningScreen::open_profile() {
  if (!profile_->isEnabled()) return;
  navigator_.open(screen_name::outside_profile);
}

}  // namespace rvgui

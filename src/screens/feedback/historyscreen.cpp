#include "screens/feedback/historyscreen.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDateTime>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <array>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"
#include "screens/widgets/historycharts.h"
#include "shows/runshow.h"
#include "state/text.h"

namespace rvgui {

namespace {

struct SpanButton {
  const char* object_name;
  const char* caption;
  rv::HistorySpan span;
};
constexpr std::array<SpanButton, 3> span_buttons = {{
    {"historyThreeMonthsButton", "Last 3 Months", rv::HistorySpan::last_3_months},
    {"historyYearButton", "Last Year", rv::HistorySpan::last_year},
    {"historyWholeGameButton", "Whole Game", rv::HistorySpan::whole_game},
}};

}  // namespace

HistoryScreen::HistoryScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("historyScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  auto* top = new QHBoxLayout;
  auto* heading = make_label(QStringLiteral("historyHeading"), QStringLiteral("History"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  top->addWidget(heading);
  top->addStretch(1);
  spans_ = new QButtonGroup(this);
  for (std::size_t i = 0; i < span_buttons.size(); ++i) {
    auto* b = make_button(QString::fromLatin1(span_buttons[i].object_name), QString::fromLatin1(span_buttons[i].caption), this);
    b->setCheckable(true);
    spans_->addButton(b, static_cast<int>(i));
    top->addWidget(b);
  }
  outer->addLayout(top);

  auto* body = new QHBoxLayout;
  body->setSpacing(14);
  charts_ = new HistoryCharts(this);
  body->addWidget(charts_, 3);
  auto* list = make_panel(QStringLiteral("pastShowsPanel"), this);
  auto* ll = new QVBoxLayout(list);
  ll->setContentsMargins(14, 12, 14, 12);
  auto* title = make_label(QStringLiteral("pastShowsHeading"), QStringLiteral("Past Shows"), list);
  title->setProperty("role", "subheading");
  ll->addWidget(title);
  model_ = new GridModel({QStringLiteral("Date"), QStringLiteral("Show"), QStringLiteral("Rating")}, this);
  grid_ = make_grid(QStringLiteral("pastShowsGrid"), model_, list, true);
  grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  grid_->setToolTip(QStringLiteral("Double-click a show to see its results again"));
  grid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  ll->addWidget(grid_, 1);
  open_ = make_button(QStringLiteral("viewResultsButton"), QStringLiteral("View Results"), list);
  ll->addWidget(open_);
  body->addWidget(list, 2);
  outer->addLayout(body, 1);

  auto* footer = new QHBoxLayout;
  summary_ = make_label(QStringLiteral("historySummary"), QString(), this);
  add_shadow(summary_);
  auto* back = make_button(QStringLiteral("historyBackButton"), QStringLiteral("Back"), this);
  footer->addWidget(summary_, 1);
  footer->addWidget(back);
  outer->addLayout(footer);

  connect(spans_, &QButtonGroup::idClicked, this,
          [this](int id) { choose_span(span_buttons[static_cast<std::size_t>(id)].span); });
  connect(open_, &QPushButton::clicked, this, &HistoryScreen::open_show);
  connect(grid_, &QTableView::doubleClicked, this, &HistoryScreen::open_show);
  connect(back, &QPushButton::clicked, this, &HistoryScreen::go_back);
}

void HistoryScreen::enter() {
  whole_ = session_.game ? rv::read_history(session_.game->store.history) : rv::History{};
  fill_shows();
  choose_span(span_);
}

void HistoryScreen::choose_span(rv::HistorySpan span) {
  span_ = span;
  for (std::size_t i = 0; i < span_buttons.size(); ++i) {
    if (span_buttons[i].span == span) spans_->button(static_cast<int>(i))->setChecked(true);
  }
  rv::History window = rv::history_span(whole_, span);
  const std::size_t days = window.days.size(), shows = window.shows.size();
  charts_->show_history(std::move(window));
  if (whole_.days.empty() && whole_.shows.empty()) {
    summary_->setText(QStringLiteral("The history starts with the next day played."));
    return;
  }
  const auto count = [](std::size_t n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromLatin1(n == 1 ? one : many));
  };
  summary_->setText(QStringLiteral("%1 and %2 shown, of %3 kept.")
                        .arg(count(days, "day", "days"), count(shows, "show", "shows"),
                             count(whole_.days.size(), "day", "days")));
}

void HistoryScreen::fill_shows() {
  std::vector<GridModel::Row> rows;
  rows.reserve(whole_.shows.size());
  for (std::size_t i = whole_.shows.size(); i-- > 0;) {  // the latest first
    const auto& s = whole_.shows[i];
    const auto order = static_cast<qlonglong>(i);
    rows.push_back({{{short_date(s.date), order}, {qs(s.name)}, {QStringLiteral("%1%").arg(s.overall), static_cast<qlonglong>(s.overall)}},
                    order});
  }
  model_->set_rows(std::move(rows));
  grid_proxy(grid_)->sort(-1);
  if (!whole_.shows.empty()) grid_->selectRow(0);
  set_usable(open_, whole_.shows.empty() ? QStringLiteral("No show has been run yet.") : QString());
}

void HistoryScreen::open_show() {
  const auto current = grid_->currentIndex();
  const int row = current.isValid() ? model_row(grid_, current.row()) : -1;
  const GridModel::Row* r = row >= 0 ? model_->row_at(row) : nullptr;
  if (!r) return;
  const auto i = static_cast<std::size_t>(r->ref.toLongLong());
  if (i >= whole_.shows.size()) return;
  session_.presentation = std::make_shared<rv::ShowPresentation>(rv::archived_presentation(whole_.shows[i]));
  navigator_.open(screen_name::results);
}

}  // namespace rvgui

#include "screens/feedback/ledgerscreen.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"
#include "screens/widgets/historycharts.h"
#include "state/date.h"
#include "state/ledgertotals.h"
#include "state/text.h"

namespace rvgui {

namespace {

// What each figure is and what moves it, for the tooltips.
constexpr std::array<const char*, rv::figure_count> figure_tips = {
    "The bank balance: shows, wages, the monthly income and costs, signings, buy-outs and releases move it",
    "The promotion's popularity (0 to 100): shows, turns, signings, releases, title changes and growth move it",
    "The board's rating of you (0 to 100%), set by the weekly review",
    "A regular show's rating, moved by the shows it puts on",
    "A worker's popularity, moved by matches, morale and turns",
    "A worker's morale, moved by wins, losses and how he is used",
    "A championship's value, moved by its matches and its holders",
    "The heat of a feud, moved by its matches",
    "The weeks an injury keeps a worker out",
};

QString tip_of(rv::Figure f) { return QString::fromLatin1(figure_tips[static_cast<std::size_t>(f)]); }

// "Bank balance" for the filter and the grid, from the ledger's own name of the figure.
QString figure_caption(rv::Figure f) {
  QString name = qs(rv::figure_name(f));
  if (f == rv::Figure::balance) name = QStringLiteral("bank balance");
  else if (f == rv::Figure::board) name = QStringLiteral("board rating");
  name[0] = name[0].toUpper();
  return name;
}

QString money_or_dash(rv::Num amount) { return amount == 0 ? QStringLiteral("-") : qs(rv::money_text(amount)); }

// The figures' grids: columns as wide as the widest text they hold (an empty text: whatever is
// left, shared by every such column).
void size_columns(QTableView* grid, const std::vector<QString>& widest) {
  auto* header = grid->horizontalHeader();
  grid->ensurePolished();  // the style sheet's font, not the default one
  const QFontMetrics metrics = grid->fontMetrics();
  for (std::size_t i = 0; i < widest.size(); ++i) {
    const int column = static_cast<int>(i);
    if (widest[i].isEmpty()) header->setSectionResizeMode(column, QHeaderView::Stretch);
    else header->resizeSection(column, metrics.horizontalAdvance(widest[i]) + 30);
  }
}

rv::Period period_of_tab(int tab) { return tab == 1 ? rv::Period::month : rv::Period::week; }

}  // namespace

LedgerScreen::LedgerScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("ledgerScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  outer->addLayout(build_top());
  outer->addWidget(build_changes(), 3);
  outer->addWidget(build_totals(), 2);

  auto* footer = new QHBoxLayout;
  footer->addStretch(1);
  auto* back = make_button(QStringLiteral("ledgerBackButton"), QStringLiteral("Back"), this);
  set_default_button(back);
  footer->addWidget(back);
  outer->addLayout(footer);

  setTabOrder(filter_, changes_);
  setTabOrder(changes_, periods_);
  setTabOrder(periods_, weeks_);
  setTabOrder(weeks_, months_);
  setTabOrder(months_, statement_);
  setTabOrder(statement_, back);

  connect(filter_, &QComboBox::activated, this, [this](int index) {
    const int f = filter_->itemData(index).toInt();
    show_figure(f < 0 ? std::nullopt : std::optional<rv::Figure>(static_cast<rv::Figure>(f)));
  });
  connect(periods_, &QTabWidget::currentChanged, this, [this] { show_statement(); });
  for (auto* grid : {weeks_, months_})
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { show_statement(); });
  connect(back, &QPushButton::clicked, this, &LedgerScreen::go_back);
}

// The heading and the figure filter.
QHBoxLayout* LedgerScreen::build_top() {
  auto* top = new QHBoxLayout;
  auto* heading = make_label(QStringLiteral("ledgerHeading"), QStringLiteral("Ledger"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  top->addWidget(heading);
  top->addStretch(1);
  auto* filter_caption = make_label(QStringLiteral("ledgerFilterCaption"), QStringLiteral("&Figure:"), this);
  add_shadow(filter_caption);
  filter_ = new QComboBox(this);
  filter_->setObjectName(QStringLiteral("ledgerFilter"));
  filter_->setToolTip(QStringLiteral("Show the changes of one figure, or of all of them"));
  filter_->addItem(QStringLiteral("All Figures"), -1);
  for (std::size_t i = 0; i < rv::figure_count; ++i) {
    const auto f = static_cast<rv::Figure>(i);
    filter_->addItem(figure_caption(f), static_cast<int>(i));
    filter_->setItemData(static_cast<int>(i) + 1, tip_of(f), Qt::ToolTipRole);
  }
  filter_caption->setBuddy(filter_);
  top->addWidget(filter_caption);
  top->addWidget(filter_);
  return top;
}

// Every change, the latest first.
QWidget* LedgerScreen::build_changes() {
  auto* changes_panel = make_panel(QStringLiteral("ledgerChangesPanel"), this);
  auto* cl = new QVBoxLayout(changes_panel);
  cl->setContentsMargins(14, 10, 14, 12);
  cl->addWidget(caption(QStringLiteral("ledgerChangesCaption"), QStringLiteral("RECENT CHANGES"), changes_panel));
  changes_model_ = new GridModel({QStringLiteral("Date"), QStringLiteral("Figure"), QStringLiteral("Whom"), QStringLiteral("Change"),
                                  QStringLiteral("Cause")},
                                 this);
  changes_ = make_grid(QStringLiteral("ledgerChangesGrid"), changes_model_, changes_panel, true);
  size_columns(changes_, {QStringLiteral("30 Sep 2000"), QStringLiteral("Worker popularity"),
                          QStringLiteral("A Worker's Name"), QStringLiteral("-$10,000,000"), QString()});
  changes_->setToolTip(QStringLiteral("Each change as the figure took it, with its cause; a month's total stands for a month over a year ago"));
  cl->addWidget(changes_, 1);
  changes_note_ = make_label(QStringLiteral("ledgerChangesNote"), QString(), changes_panel);
  changes_note_->setProperty("role", "small");
  changes_note_->setWordWrap(true);
  cl->addWidget(changes_note_);
  return changes_panel;
}

// One figure's totals, and the money statement of the week or month chosen.
QWidget* LedgerScreen::build_totals() {
  lower_ = new QWidget(this);
  lower_->setObjectName(QStringLiteral("ledgerTotalsArea"));
  auto* lower = new QHBoxLayout(lower_);
  lower->setContentsMargins(0, 0, 0, 0);
  lower->setSpacing(14);
  periods_ = new QTabWidget(lower_);
  periods_->setObjectName(QStringLiteral("ledgerPeriodTabs"));
  week_model_ = new GridModel({QStringLiteral("Week From"), QStringLiteral("Change"), QStringLiteral("Entries")}, this);
  weeks_ = make_grid(QStringLiteral("ledgerWeekGrid"), week_model_, periods_, false);
  month_model_ = new GridModel({QStringLiteral("Month"), QStringLiteral("Change"), QStringLiteral("Entries")}, this);
  months_ = make_grid(QStringLiteral("ledgerMonthGrid"), month_model_, periods_, false);
  for (auto* grid : {weeks_, months_})
    size_columns(grid, {QString(), QStringLiteral("-$10,000,000"), QStringLiteral("Entries")});
  periods_->addTab(weeks_, QStringLiteral("By &Week"));
  periods_->addTab(months_, QStringLiteral("By &Month"));
  lower->addWidget(periods_, 1);

  statement_panel_ = make_panel(QStringLiteral("ledgerStatementPanel"), lower_);
  auto* sl = new QVBoxLayout(statement_panel_);
  sl->setContentsMargins(14, 10, 14, 12);
  statement_heading_ = caption(QStringLiteral("ledgerStatementHeading"), QString(), statement_panel_);
  sl->addWidget(statement_heading_);
  statement_model_ = new GridModel({QStringLiteral("Cause"), QStringLiteral("Income"), QStringLiteral("Costs")}, this);
  statement_ = make_grid(QStringLiteral("ledgerStatementGrid"), statement_model_, statement_panel_, false);
  size_columns(statement_, {QString(), QStringLiteral("$10,000,000"), QStringLiteral("-$10,000,000")});
  statement_->setToolTip(QStringLiteral("The money that came in and went out in the chosen week or month, by kind of cause"));
  sl->addWidget(statement_, 1);
  net_ = make_label(QStringLiteral("ledgerNetLabel"), QString(), statement_panel_);
  net_->setToolTip(QStringLiteral("What came in, what went out and the difference: the bank balance's change over the period"));
  sl->addWidget(net_);
  lower->addWidget(statement_panel_, 1);
  return lower_;
}

void LedgerScreen::enter() {
  ledger_ = session_.game ? rv::read_ledger(session_.game->store.ledger) : rv::Ledger{};
  show_figure(session_.ledger_figure);
  filter_->setFocus();
}

void LedgerScreen::show_figure(std::optional<rv::Figure> figure) {
  figure_ = figure;
  session_.ledger_figure = figure;
  filter_->setCurrentIndex(figure ? static_cast<int>(*figure) + 1 : 0);
  fill_changes();
  fill_totals();
}

void LedgerScreen::fill_changes() {
  const auto entries = rv::ledger_entries(ledger_, figure_, std::nullopt);
  std::vector<GridModel::Row> rows;
  std::vector<QString> tips;
  rows.reserve(entries.size());
  tips.reserve(entries.size());
  for (std::size_t i = entries.size(); i-- > 0;) {  // the latest first
    const rv::LedgerEntry& e = entries[i];
    const QString change = qs(rv::change_text(e.figure, e.change));
    const auto order = static_cast<qlonglong>(i);
    rows.push_back({{{short_date(e.date), order}, {figure_caption(e.figure)}, {qs(e.whom)}, {change, static_cast<qlonglong>(e.change)}, {qs(e.cause)}},
                    order});
    tips.push_back(qs(e.date) + QStringLiteral("\n") + tip_of(e.figure) + QStringLiteral("\n") + change + QStringLiteral(": ") + qs(e.cause));
  }
  changes_model_->set_rows(std::move(rows));
  changes_model_->set_tips(std::move(tips));
  grid_proxy(changes_)->sort(-1);
  if (!entries.empty()) changes_->selectRow(0);
  // One figure needs no column naming it; the promotion's own figures concern nobody in particular.
  const bool anyone = std::any_of(entries.begin(), entries.end(), [](const rv::LedgerEntry& e) { return !e.whom.empty(); });
  changes_->setColumnHidden(1, figure_.has_value());
  changes_->setColumnHidden(2, !anyone);
  QString note = QStringLiteral("%1 %2").arg(entries.size()).arg(entries.size() == 1 ? QStringLiteral("change") : QStringLiteral("changes"));
  if (!figure_) note += QStringLiteral(". Choose one figure to see its totals by week and by month, and for the bank balance where the money came from and went.");
  if (ledger_.entries.empty()) note = QStringLiteral("Nothing has been written down yet: the ledger starts with the next day played.");
  changes_note_->setText(note);
}

void LedgerScreen::fill_totals() {
  lower_->setVisible(figure_.has_value());
  if (figure_) periods_->setToolTip(tip_of(*figure_) + QStringLiteral(": its change over each week (from Sunday) and each month"));
  for (auto [period, model] : {std::pair{rv::Period::week, week_model_}, std::pair{rv::Period::month, month_model_}}) {
    std::vector<GridModel::Row> rows;
    std::vector<QString> tips;
    if (figure_) {
      const auto entries = rv::ledger_entries(ledger_, figure_, std::nullopt);
      for (const rv::PeriodTotal& t : rv::period_totals(entries, *figure_, period)) {
        const QString change = qs(rv::change_text(*figure_, t.change));
        rows.push_back({{{qs(t.label)}, {change}, {QString::number(t.entries)}}, static_cast<qlonglong>(t.place)});
        tips.push_back(QStringLiteral("%1 moved %2 %3 %4, in %5 %6")
                           .arg(figure_caption(*figure_), change, period == rv::Period::week ? QStringLiteral("in the week from") : QStringLiteral("in"),
                                qs(t.label))
                           .arg(t.entries)
                           .arg(t.entries == 1 ? QStringLiteral("entry") : QStringLiteral("entries")));
      }
    }
    model->set_rows(std::move(rows));
    model->set_tips(std::move(tips));
  }
  for (auto* grid : {weeks_, months_})
    if (grid->model()->rowCount() > 0) grid->selectRow(0);
  show_statement();
}

void LedgerScreen::show_statement() {
  const bool money = figure_ == rv::Figure::balance;
  statement_panel_->setVisible(money);
  statement_model_->set_rows({});
  net_->clear();
  if (!money) return;
  auto* grid = periods_->currentIndex() == 1 ? months_ : weeks_;
  const GridModel* model = grid == months_ ? month_model_ : week_model_;
  const auto current = grid->currentIndex();
  const GridModel::Row* period = current.isValid() ? model->row_at(model_row(grid, current.row())) : nullptr;
  if (!period) {
    statement_heading_->setText(QStringLiteral("MONEY STATEMENT"));
    return;
  }
  statement_heading_->setText(QStringLiteral("MONEY STATEMENT: ") + period->cells[0].text.toUpper());
  const auto entries = rv::ledger_entries(ledger_, rv::Figure::balance, std::nullopt);
  const rv::MoneyStatement s = rv::money_statement(entries, period_of_tab(periods_->currentIndex()), period->ref.toLongLong());
  std::vector<GridModel::Row> rows;
  std::vector<QString> tips;
  for (const rv::StatementLine& l : s.lines) {
    rows.push_back({{{qs(l.kind)}, {money_or_dash(l.income)}, {money_or_dash(l.costs)}}, {}});
    tips.push_back(QStringLiteral("%1: %2 came in, %3 went out").arg(qs(l.kind), qs(rv::money_text(l.income)), qs(rv::money_text(-l.costs))));
  }
  statement_model_->set_rows(std::move(rows));
  statement_model_->set_tips(std::move(tips));
  net_->setText(QStringLiteral("Income %1   Costs %2   Net %3")
                    .arg(qs(rv::money_text(s.income)), qs(rv::money_text(s.costs)), qs(rv::change_text(rv::Figure::balance, s.net))));
}

}  // namespace rvgui

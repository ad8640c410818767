#include "screens/shows/reportscreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "feedback/nightreport.h"
#include "screens/shell/session.h"
#include "screens/shell/style.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"
#include "shows/presentation.h"
#include "state/text.h"

namespace rvgui {

namespace {

QString signed_figure(rv::Num n) { return n > 0 ? QStringLiteral("+%1").arg(n) : QString::number(n); }

GridModel::Row heading_row(const QString& text, const QString& figure = {}) {
  return {{{text, {}, true}, {figure, {}, true}}, {}};
}
GridModel::Row item_row(const QString& text, const QString& figure) { return {{{QStringLiteral("   ") + text}, {figure}}, {}}; }

QString move_caption(const QString& name, const rv::NightMove& m) {
  return m.known ? QStringLiteral("%1: %2 to %3").arg(name).arg(m.before).arg(m.after) : name;
}

void add_move(std::vector<GridModel::Row>& rows, std::vector<QString>& tips, const QString& name, const rv::NightMove& m,
              const QString& tip) {
  rows.push_back(heading_row(move_caption(name, m), m.known ? signed_figure(m.after - m.before) : QString()));
  tips.push_back(tip);
  if (m.causes.empty()) {
    rows.push_back(item_row(QStringLiteral("No change on the night"), {}));
    tips.push_back(tip);
  }
  for (const auto& c : m.causes) {
    rows.push_back(item_row(qs(c.label), signed_figure(c.amount)));
    tips.push_back(tip);
  }
}

void add_list(std::vector<GridModel::Row>& rows, std::vector<QString>& tips, const QString& name,
              const std::vector<rv::ReportItem>& items, const QString& tip, const QString& unit = {}) {
  if (items.empty()) return;
  rows.push_back(heading_row(name));
  tips.push_back(tip);
  for (const auto& i : items) {
    rows.push_back(item_row(qs(i.label), unit.isEmpty() ? signed_figure(i.amount) : QStringLiteral("%1 %2").arg(i.amount).arg(unit)));
    tips.push_back(tip);
  }
}

}  // namespace

ReportScreen::ReportScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("reportScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  title_ = make_label(QStringLiteral("reportTitle"), QString(), this);
  title_->setProperty("role", "heading");
  add_shadow(title_);
  outer->addWidget(title_);
  attendance_ = make_label(QStringLiteral("reportAttendance"), QString(), this);
  attendance_->setProperty("role", "subheading");
  attendance_->setToolTip(QStringLiteral("The crowd in the hall against its capacity. The promotion's popularity and the "
                                         "draw of the workers on the card fill a hall."));
  outer->addWidget(attendance_);
  auto* columns = new QHBoxLayout;
  money_ = new GridModel({QStringLiteral("Money"), QStringLiteral("Amount")}, this);
  money_grid_ = make_grid(QStringLiteral("reportMoneyGrid"), money_, this, false);
  money_grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  money_grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  moves_ = new GridModel({QStringLiteral("What moved"), QStringLiteral("Change")}, this);
  moves_grid_ = make_grid(QStringLiteral("reportMovesGrid"), moves_, this, false);
  moves_grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  moves_grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  columns->addWidget(money_grid_, 2);
  columns->addWidget(moves_grid_, 3);
  outer->addLayout(columns, 1);
  auto* footer = new QHBoxLayout;
  auto* back = make_button(QStringLiteral("reportBackButton"), QStringLiteral("Back"), this);
  set_default_button(back);
  back->setProperty("role", "main");
  footer->addStretch(1);
  footer->addWidget(back);
  outer->addLayout(footer);
  connect(back, &QPushButton::clicked, this, &ReportScreen::go_back);
}

void ReportScreen::enter() {
  std::optional<rv::NightReport> report;
  if (session_.game) {
    const rv::ShowPresentation* p = session_.presentation.get();
    report = p ? rv::night_report_of(session_.game->store, p->date_text, p->show_name) : rv::last_night_report(session_.game->store);
  }
  std::vector<GridModel::Row> money, moves;
  std::vector<QString> money_tips, move_tips;
  if (!report) {
    title_->setText(QStringLiteral("The Night's Report"));
    attendance_->setText(QStringLiteral("No show has been run yet: the report of a night follows its results."));
    money_->set_rows({});
    moves_->set_rows({});
    return;
  }
  title_->setText(QStringLiteral("The Night's Report: %1").arg(qs(report->show)));
  QString crowd = QStringLiteral("%1.   Attendance: %2").arg(qs(report->date), qs(rv::grouped(report->attendance)));
  if (report->capacity > 0) crowd += QStringLiteral(" of %1").arg(qs(rv::grouped(report->capacity)));
  attendance_->setText(crowd);

  const QString income_tip = QStringLiteral("What the night brought in: tickets (the crowd times the price), merchandise, "
                                            "television and pay-per-view money.");
  const QString cost_tip = QStringLiteral("What the night cost: the hall's hire, the production level and, for a big show, "
                                          "its promotion.");
  money.push_back(heading_row(QStringLiteral("Income")));
  money_tips.push_back(income_tip);
  for (const auto& i : report->income) {
    money.push_back(item_row(qs(i.label), qs(rv::money_text(i.amount))));
    money_tips.push_back(income_tip);
  }
  money.push_back(heading_row(QStringLiteral("Costs")));
  money_tips.push_back(cost_tip);
  for (const auto& c : report->costs) {
    money.push_back(item_row(qs(c.label), qs(rv::money_text(c.amount))));
    money_tips.push_back(cost_tip);
  }
  money.push_back(heading_row(QStringLiteral("Money made"), qs(rv::money_text(report->net))));
  money_tips.push_back(QStringLiteral("The night's income less its costs: what the show added to the bank balance."));

  add_move(moves, move_tips, QStringLiteral("Popularity"), report->popularity,
           QStringLiteral("The promotion's popularity. The overall rating moves it, by how good the show was and how big; "
                          "title changes to small names and the fans' response to turns move it too."));
  if (report->show_rating)
    add_move(moves, move_tips, QStringLiteral("Show rating"), *report->show_rating,
             QStringLiteral("This regular show's rating: the overall rating of the night moves it by its band."));
  if (!report->title_changes.empty()) {
    moves.push_back(heading_row(QStringLiteral("Title changes")));
    move_tips.push_back(QStringLiteral("Titles that changed hands tonight."));
    for (const auto& t : report->title_changes) {
      moves.push_back(item_row(qs(t), {}));
      move_tips.push_back(QStringLiteral("Titles that changed hands tonight."));
    }
  }
  add_list(moves, move_tips, QStringLiteral("Title values"), report->reactions,
           QStringLiteral("A title's value falls when it goes to a worker below its level."));
  add_list(moves, move_tips, QStringLiteral("Injuries"), report->injuries,
           QStringLiteral("Workers hurt in their matches tonight, and the weeks they will be out."), QStringLiteral("weeks"));
  add_list(moves, move_tips, QStringLiteral("Largest morale swings"), report->morale,
           QStringLiteral("A worker's morale: wins and losses against what they expect, and being left off a big card."));
  money_->set_rows(std::move(money));
  money_->set_tips(std::move(money_tips));
  moves_->set_rows(std::move(moves));
  moves_->set_tips(std::move(move_tips));
}

}  // namespace rvgui

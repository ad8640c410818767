#include "screens/widgets/attentionpanel.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "feedback/attention.h"
#include "screens/shell/screen.h"
#include "screens/widgets/cp1252.h"
#include "screens/widgets/gridmodel.h"
#include "state/text.h"

namespace rvgui {

AttentionPanel::AttentionPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("attentionPanel"));
  setProperty("role", "panel");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 10, 16, 12);
  contracts_model_ = new GridModel({QStringLiteral("Worker"), QStringLiteral("Expires"), QStringLiteral("Wages")}, this);
  contracts_model_->set_header_tips(
      {QStringLiteral("Your worker; double-click or press Return to open his profile and offer a new deal"),
       QStringLiteral("The month his contract ends: he leaves on the 1st of it unless re-signed"),
       QStringLiteral("His weekly wages now; a new contract is negotiated from his profile")});
  contracts_ = add_grid(QStringLiteral("contractsDueGrid"), QStringLiteral("CONTRACTS RUNNING OUT"), contracts_model_);
  injured_model_ = new GridModel({QStringLiteral("Worker"), QStringLiteral("Days Out")}, this);
  injured_model_->set_header_tips(
      {QStringLiteral("Your worker, out injured; he cannot be booked until he is fit"),
       QStringLiteral("Days until he is fit again; one fewer each day")});
  injured_ = add_grid(QStringLiteral("injuredGrid"), QStringLiteral("OUT INJURED"), injured_model_);
  layout->addStretch(0);
}

QTableView* AttentionPanel::add_grid(const QString& object_name, const QString& title, GridModel* model) {
  auto* layout = static_cast<QVBoxLayout*>(this->layout());
  layout->addWidget(caption(object_name + QStringLiteral("Caption"), title, this));
  QTableView* grid = make_grid(object_name, model, this, false);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  layout->addWidget(grid, 1);
  const auto choose = [this, model, grid](const QModelIndex& index) {
    const int row = model_row(grid, index.row());
    if (const auto* r = model->row_at(row); r && !r->ref.toString().isEmpty()) emit worker_chosen(r->ref.toString());
  };
  connect(grid, &QTableView::activated, this, choose);
  connect(grid, &QTableView::doubleClicked, this, choose);
  return grid;
}

void AttentionPanel::refresh(const rv::Store& store) {
  std::vector<GridModel::Row> rows;
  for (const auto& due : rv::contracts_due(store, rv::contracts_due_weeks)) {
    const QString name = qs(due.worker);
    rows.push_back({{GridModel::Cell(name), GridModel::Cell(qs(due.expires), due.weeks_left),
                     GridModel::Cell(qs(rv::money_text(due.wages)), static_cast<qlonglong>(due.wages))},
                    name});
  }
  if (rows.empty()) rows.push_back({{GridModel::Cell(QStringLiteral("No contract ends in the next two months"))}, {}});
  contracts_model_->set_rows(std::move(rows));
  rows.clear();
  for (const auto& hurt : rv::injured_workers(store)) {
    const QString name = qs(hurt.worker);
    rows.push_back({{GridModel::Cell(name), GridModel::Cell(QString::number(hurt.days), static_cast<qlonglong>(hurt.days))}, name});
  }
  if (rows.empty()) rows.push_back({{GridModel::Cell(QStringLiteral("Nobody is injured"))}, {}});
  injured_model_->set_rows(std::move(rows));
}

}  // namespace rvgui

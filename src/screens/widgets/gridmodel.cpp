#include "screens/widgets/gridmodel.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <algorithm>

namespace rvgui {

namespace {
const QColor highlight_colour(0xf5, 0xc5, 0x42);
}  // namespace

GridModel::GridModel(QStringList headers, QObject* parent) : QAbstractTableModel(parent), headers_(std::move(headers)) {}

void GridModel::set_rows(std::vector<Row> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  tips_.clear();
  endResetModel();
}

void GridModel::set_tips(std::vector<QString> tips) {
  tips_ = std::move(tips);
  if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::ToolTipRole});
}

void GridModel::set_row(int row, Row value) {
  if (row < 0 || row >= rowCount()) return;
  rows_[static_cast<std::size_t>(row)] = std::move(value);
  emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

const GridModel::Row* GridModel::row_at(int row) const {
  return row < 0 || row >= rowCount() ? nullptr : &rows_[static_cast<std::size_t>(row)];
}

int GridModel::find_ref(const QVariant& ref) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].ref == ref) return static_cast<int>(i);
  }
  return -1;
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(headers_.size()); }

QVariant GridModel::data(const QModelIndex& index, int role) const {
  const Row* row = row_at(index.row());
  if (!row || index.column() < 0) return {};
  if (role == ref_role) return row->ref;
  if (role == Qt::ToolTipRole) {
    const auto r = static_cast<std::size_t>(index.row());
    return r < tips_.size() && !tips_[r].isEmpty() ? QVariant(tips_[r]) : QVariant();
  }
  if (static_cast<std::size_t>(index.column()) >= row->cells.size()) return {};
  const Cell& cell = row->cells[static_cast<std::size_t>(index.column())];
  switch (role) {
    case Qt::DisplayRole: return cell.text;
    case key_role: return cell.key.isValid() ? cell.key : QVariant(cell.text);
    case Qt::FontRole:
      if (cell.bold) {
        QFont f;
        f.setBold(true);
        return f;
      }
      return {};
    case Qt::ForegroundRole: return cell.highlight ? QVariant(highlight_colour) : QVariant();
    default: return {};
  }
}

void GridModel::set_header(int section, const QString& text) {
  if (section < 0 || section >= headers_.size() || headers_[section] == text) return;
  headers_[section] = text;
  emit headerDataChanged(Qt::Horizontal, section, section);
}

void GridModel::set_header_tips(QStringList tips) {
  header_tips_ = std::move(tips);
  if (!headers_.isEmpty()) emit headerDataChanged(Qt::Horizontal, 0, static_cast<int>(headers_.size()) - 1);
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= headers_.size()) return {};
  if (role == Qt::ToolTipRole) return section < header_tips_.size() ? QVariant(header_tips_[section]) : QVariant();
  if (role != Qt::DisplayRole) return {};
  return headers_[section];
}

QTableView* make_grid(const QString& object_name, GridModel* model, QWidget* parent, bool sortable) {
  auto* view = new QTableView(parent);
  view->setObjectName(object_name);
  auto* proxy = new QSortFilterProxyModel(view);
  proxy->setObjectName(object_name + QStringLiteral("Proxy"));
  proxy->setSourceModel(model);
  proxy->setSortRole(GridModel::key_role);
  view->setModel(proxy);
  view->verticalHeader()->hide();
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setAlternatingRowColors(true);
  view->setWordWrap(false);
  view->setSortingEnabled(sortable);
  if (sortable) view->sortByColumn(-1, Qt::AscendingOrder);  // the model's own order until a header is clicked
  return view;
}

int fitted_width(const QTableView* grid, const GridModel& model, int column, std::size_t sample) {
  // The cells' padding and the header's, with room for the sort arrow.
  constexpr int cell_room = 24, header_room = 34;
  QFont bold = grid->horizontalHeader()->font();
  bold.setBold(true);
  std::vector<const QString*> texts;
  for (int r = 0; r < model.rowCount(); ++r)
    if (const auto* row = model.row_at(r); row && static_cast<std::size_t>(column) < row->cells.size())
      texts.push_back(&row->cells[static_cast<std::size_t>(column)].text);
  const auto longest = texts.begin() + static_cast<std::ptrdiff_t>(std::min(sample, texts.size()));
  std::partial_sort(texts.begin(), longest, texts.end(), [](const auto* a, const auto* b) { return a->size() > b->size(); });
  const QFontMetrics cells(grid->font());
  int width = QFontMetrics(bold).horizontalAdvance(model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString()) + header_room;
  for (auto it = texts.begin(); it != longest; ++it) width = std::max(width, cells.horizontalAdvance(**it) + cell_room);
  return width;
}

void fit_columns(QTableView* grid, const GridModel& model, std::size_t sample) {
  for (int c = 0; c < model.columnCount(); ++c) grid->setColumnWidth(c, fitted_width(grid, model, c, sample));
}

QSortFilterProxyModel* grid_proxy(QTableView* grid) { return qobject_cast<QSortFilterProxyModel*>(grid->model()); }

int model_row(QTableView* grid, int view_row) {
  auto* proxy = grid_proxy(grid);
  if (!proxy || view_row < 0 || view_row >= proxy->rowCount()) return -1;
  return proxy->mapToSource(proxy->index(view_row, 0)).row();
}

int view_row(QTableView* grid, int row) {
  auto* proxy = grid_proxy(grid);
  if (!proxy || !proxy->sourceModel() || row < 0 || row >= proxy->sourceModel()->rowCount()) return -1;
  return proxy->mapFromSource(proxy->sourceModel()->index(row, 0)).row();
}

}  // namespace rvgui

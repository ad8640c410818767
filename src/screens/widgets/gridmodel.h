#pragma once
// The grids of the screens: the rows a screen takes from the core, as a table model shown by a
// QTableView through a sort proxy. A cell may carry a sort key (a number, a date's place), be
// bold (unread) or highlighted (an event on the calendar); every cell may carry the row's
// reference back into the core (a message's first line, a worker's name).
#include <QAbstractTableModel>
#include <QStringList>
#include <QVariant>
#include <vector>

class QSortFilterProxyModel;
class QTableView;

namespace rvgui {

class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  struct Cell {
    Cell(QString t = {}, QVariant k = {}, bool b = false, bool h = false)
        : text(std::move(t)), key(std::move(k)), bold(b), highlight(h) {}
    QString text;
    QVariant key;  // sorts the column; the text when empty
    bool bold;
    bool highlight;
  };
  struct Row {
    std::vector<Cell> cells;
    QVariant ref;  // what the row stands for in the core
  };
  static constexpr int key_role = Qt::UserRole;
  static constexpr int ref_role = Qt::UserRole + 1;

  GridModel(QStringList headers, QObject* parent);
  // Replaces every row (the grid is filled afresh from the core).
  void set_rows(std::vector<Row> rows);
  // Tooltips of the rows, by row (rows without one show none); set_rows clears them.
  void set_tips(std::vector<QString> tips);
  // Tooltips of the column headers, by column: what each figure is and what moves it.
  void set_header_tips(QStringList tips);
  // Renames a column (a grid whose last column follows a choice).
  void set_header(int section, const QString& text);
  // Changes one row in place (a message read).
  void set_row(int row, Row value);
  const Row* row_at(int row) const;
  // The model row whose reference is `ref`, or -1.
  int find_ref(const QVariant& ref) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QStringList headers_;
  QStringList header_tips_;
  std::vector<Row> rows_;
  std::vector<QString> tips_;
};

// A read-only grid of whole rows, one selected at a time, over `model` through a sort proxy
// (sorting by a header click when `sortable`).
QTableView* make_grid(const QString& object_name, GridModel* model, QWidget* parent, bool sortable);
QSortFilterProxyModel* grid_proxy(QTableView* grid);
// Sizes every column of the grid to its header and its longest texts (the `sample` longest by
// letters in each column): close to sizing to the contents, at a fraction of the cost on
// thousands of rows.
void fit_columns(QTableView* grid, const GridModel& model, std::size_t sample = 24);
// The width fit_columns gives one column.
int fitted_width(const QTableView* grid, const GridModel& model, int column, std::size_t sample = 24);
// The model row shown at `view_row` of the grid, or -1.
int model_row(QTableView* grid, int view_row);
// The grid row showing model row `row`, or -1.
int view_row(QTableView* grid, int row);

}  // namespace rvgui

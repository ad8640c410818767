#pragma once
// "Ledger": why the figures moved. Every change written down, the latest first, one figure or
// all; one figure's totals week by week and month by month; and for the bank balance, where a
// week's or a month's money came from and went.
#include <optional>

#include "screens/shell/screen.h"
#include "state/ledger.h"

class QComboBox;
class QHBoxLayout;
class QLabel;
class QTabWidget;
class QTableView;

namespace rvgui {

class GridModel;

class LedgerScreen : public Screen {
  Q_OBJECT

 public:
  LedgerScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  // Reads the ledger afresh and shows the figure the session asks for (all when none).
  void enter() override;
  std::optional<rv::Figure> figure() const { return figure_; }

 public slots:
  // Shows one figure, or every figure (nothing).
  void show_figure(std::optional<rv::Figure> figure);

 private:
  QHBoxLayout* build_top();
  QWidget* build_changes();
  QWidget* build_totals();
  void fill_changes();
  void fill_totals();
  // The money statement of the week or month selected in the totals.
  void show_statement();

  rv::Ledger ledger_;
  std::optional<rv::Figure> figure_;
  QComboBox* filter_;
  GridModel* changes_model_;
  QTableView* changes_;
  QLabel* changes_note_;
  QWidget* lower_;  // the totals and the statement, for one figure only
  QTabWidget* periods_;
  GridModel* week_model_;
  QTableView* weeks_;
  GridModel* month_model_;
  QTableView* months_;
  QWidget* statement_panel_;
  QLabel* statement_heading_;
  GridModel* statement_model_;
  QTableView* statement_;
  QLabel* net_;
};

}  // namespace rvgui

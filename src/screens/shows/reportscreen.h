#pragma once
// The night's report: where the money of a show went, the crowd against the hall, and why the
// promotion's popularity, the show's rating, the titles and the workers moved that night.
#include "screens/shell/screen.h"

class QLabel;
class QTableView;

namespace rvgui {

class GridModel;

class ReportScreen : public Screen {
  Q_OBJECT

 public:
  ReportScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  // The report of the show on the results screen, or of the last show run.
  void enter() override;

 private:
  QLabel* title_;
  QLabel* attendance_;
  GridModel* money_;
  GridModel* moves_;
  QTableView* money_grid_;
  QTableView* moves_grid_;
};

}  // namespace rvgui

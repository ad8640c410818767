#pragma once
// "History": the promotion's past in charts over the last three months, the last year or the
// whole game, and the list of past shows, each opening its results again.
#include "screens/shell/screen.h"
#include "state/history.h"

class QButtonGroup;
class QLabel;
class QTableView;

namespace rvgui {

class GridModel;
class HistoryCharts;

class HistoryScreen : public Screen {
  Q_OBJECT

 public:
  HistoryScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 public slots:
  // Draws the chosen stretch of the past.
  void choose_span(rv::HistorySpan span);
  // Opens the results of the show selected in the list.
  void open_show();

 private:
  void fill_shows();

  rv::History whole_;  // the whole history, read when the screen is shown
  rv::HistorySpan span_ = rv::HistorySpan::last_year;
  HistoryCharts* charts_;
  QButtonGroup* spans_;
  QLabel* summary_;
  GridModel* model_;
  QTableView* grid_;
  QPushButton* open_;
};

}  // namespace rvgui

#pragma once
// The results of the show just run: every match's result and rating, and the show's rating.
#include "screens/shell/screen.h"

class QLabel;
class QPushButton;
class QTableView;

namespace rvgui {

class GridModel;

class ResultsScreen : public Screen {
  Q_OBJECT

 public:
  ResultsScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 public slots:
  // Back to the main screen with the day ended.
  void finish();
  void go_back() override { finish(); }
  // How the rating of the match on grid row `row` came about, in a message.
  void show_rating_terms(int row);

 private:
  QLabel* title_;
  QLabel* overall_;
  GridModel* model_;
  QTableView* grid_;
  QPushButton* royal_;
};

}  // namespace rvgui

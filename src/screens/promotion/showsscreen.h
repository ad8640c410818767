#pragma once
// "General Shows Info": the regular shows (renamed or given a picture from a click), the three
// production levels, the two interviewers and the week's top attendances and TV ratings.
#include <array>

#include "screens/shell/screen.h"

class QTableView;

namespace rvgui {

class GridModel;

class ShowsScreen : public Screen {
  Q_OBJECT

 public:
  ShowsScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 public slots:
  void step_level(int kind, bool up);
  void choose_interviewer(int role);
  void show_clicked(int row);

 private:
  QWidget* build_production();
  void fill();

  GridModel* shows_model_;
  QTableView* shows_;
  GridModel* top_model_;
  QTableView* top_;
  std::array<QLabel*, 3> levels_{};
  std::array<QLabel*, 2> interviewers_{};
  QLabel* note_;
  bool tv_top_ = false;
  QPushButton* top_toggle_;
};

}  // namespace rvgui

#pragma once
// "Make New Signing": the whole world outside the roster, searched by name, by the choice lists
// and by the bounds of five figures. A click shows a worker's contract and career; "View Profile"
// (or a double click) opens his outside profile.
#include <array>

#include "screens/shell/screen.h"
#include "talent/search.h"

class QComboBox;
class QLineEdit;
class QSpinBox;
class QTableView;

namespace rvgui {

class GridModel;

class SigningScreen : public Screen {
  Q_OBJECT

 public:
  SigningScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 public slots:
  // Runs the search with the filters as they stand.
  void search();
  void reset_filters();
  void show_details(int view_row);
  void open_profile();

 private:
  QWidget* build_filters();
  rv::SearchFilters filters() const;

  QLineEdit* name_;
  std::array<QComboBox*, rv::search_list_count> lists_{};
  std::array<QSpinBox*, rv::search_figure_count> low_{};
  std::array<QSpinBox*, rv::search_figure_count> high_{};
  GridModel* model_;
  QTableView* grid_;
  QLabel* empty_;
  QLabel* details_;
  QPushButton* profile_;
  QPushButton* back_;
};

}  // namespace rvgui

#pragma once
// How the show's battle royal went: every entry and elimination, and its figures.
#include "screens/shell/screen.h"

class QLabel;
class QTableView;

namespace rvgui {

class GridModel;

class RoyalDetailsScreen : public Screen {
  Q_OBJECT

 public:
  RoyalDetailsScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 private:
  QLabel* heading_;
  GridModel* model_;
  QTableView* grid_;
};

}  // namespace rvgui

#pragma once
// "Promotion Rankings": every promotion of the world, the largest and most popular first, with
// the player's own promotion in bold.
#include "screens/shell/screen.h"

class QTableView;

namespace rvgui {

class GridModel;

class RankingsScreen : public Screen {
  Q_OBJECT

 public:
  RankingsScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 private:
  GridModel* model_;
  QTableView* grid_;
  QPushButton* back_;
};

}  // namespace rvgui

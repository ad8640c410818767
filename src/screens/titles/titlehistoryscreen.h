#pragma once
// A title's history: what the title is, its record reign, and every event of its life with the
// date it happened.
#include "screens/shell/screen.h"

class QTableView;

namespace rvgui {

class GridModel;

class TitleHistoryScreen : public Screen {
  Q_OBJECT

 public:
  TitleHistoryScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 private:
  QLabel* heading_;
  QLabel* description_;
  QLabel* record_;
  GridModel* model_;
  QTableView* grid_;
};

}  // namespace rvgui

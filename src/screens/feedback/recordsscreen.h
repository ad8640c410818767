#pragma once
// "Records": the promotion's best and worst TV ratings, buy rates and attendances, with the show
// and date that set each, and the longest feud.
#include "screens/shell/screen.h"

class QTableView;

namespace rvgui {

class GridModel;

class RecordsScreen : public Screen {
  Q_OBJECT

 public:
  RecordsScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 private:
  GridModel* model_;
  QTableView* grid_;
  QPushButton* back_;
};

}  // namespace rvgui

#pragma once
// The card being booked, match by match, as it stands.
#include "screens/shell/screen.h"

class QTableView;

namespace rvgui {

class GridModel;

class LineUpScreen : public Screen {
  Q_OBJECT

 public:
  LineUpScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 private:
  GridModel* model_;
  QTableView* grid_;
};

}  // namespace rvgui

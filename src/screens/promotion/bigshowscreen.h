#pragma once
// The big show: the planned one's presentation with its logo, and "Announce a Show".
#include "screens/shell/screen.h"

namespace rvgui {

class BigShowScreen : public Screen {
  Q_OBJECT

 public:
  BigShowScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 public slots:
  void announce();

 private:
  QLabel* logo_;
  QLabel* text_;
};

}  // namespace rvgui

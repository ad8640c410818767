#pragma once
// The show just run: its name, date, venue, attendance and picture, and the way in.
#include "screens/shell/screen.h"

class QLabel;

namespace rvgui {

class ShowIntroScreen : public Screen {
  Q_OBJECT

 public:
  ShowIntroScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  void enter() override;

 private:
  QLabel* name_;
  QLabel* date_;
  QLabel* live_;
  QLabel* attendance_;
  QLabel* picture_;
};

}  // namespace rvgui

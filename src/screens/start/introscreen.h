#pragma once
// The intro: the title, then after three seconds a credits text, then after five more the front
// menu. A click or a key skips straight to the front menu.
#include <QTimer>

#include "screens/shell/screen.h"

namespace rvgui {

class IntroScreen : public Screen {
  Q_OBJECT

 public:
  IntroScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  // Starts the two timers from the title text.
  void start();
  void enter() override { start(); }
  QTimer* first_timer() { return &first_; }
  QTimer* second_timer() { return &second_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void finish();
  void show_credits();

  QLabel* title_;
  QLabel* text_;
  QTimer first_;
  QTimer second_;
  bool done_ = false;
};

}  // namespace rvgui

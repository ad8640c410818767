#pragma once
// The highlights of the show just run, line by line on a timer whose speed the player sets.
#include <QTimer>
#include <memory>

#include "screens/shell/screen.h"

class QLabel;

namespace rv {
class Playback;
}

namespace rvgui {

class PlaybackScreen : public Screen {
  Q_OBJECT

 public:
  PlaybackScreen(Session& session, Navigator& navigator, QWidget* parent = nullptr);
  ~PlaybackScreen() override;
  void enter() override;
  const QTimer& step_timer() const { return step_timer_; }

 public slots:
  void step();
  void faster();
  void slower();
  void skip_to_results();
  // Leaving the highlights stops them.
  void go_back() override;

 private:
  void show_speed();
  void finish();
  std::unique_ptr<rv::Playback> playback_;
  QTimer step_timer_;
  QTimer end_timer_;
  QLabel* caption_;
  QLabel* header_;
  QLabel* details_;
  QLabel* text_;
  QLabel* speed_;
};

}  // namespace rvgui

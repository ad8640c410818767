#pragma once
// "Play Until Next Show" on screen: the days pass under a progress dialog that can be cancelled
// at the end of any day.
#include <string>
#include <vector>

class QWidget;

namespace rv {
struct Game;
}

namespace rvgui {

struct PlayedDays {
  int days = 0;
  std::vector<std::string> messages;  // every day's message boxes, in order, then why the run stopped
  bool dismissed = false;
};

PlayedDays play_until_next_show(rv::Game& game, QWidget* parent);

}  // namespace rvgui

#pragma once
// "Play Until Next Show" on screen: the days pass under a progress dialog that can be cancelled
// at the end of any day.
#include <string>
#include <vector>

class QWidget;

namespace rv {
struct Game;
class Home;
}

namespace rvgui {

struct PlayedDays {
  int days = 0;
  std::vector<std::string> messages;  // every day's message boxes, in order, then why the run stopped
  bool dismissed = false;
};

// With the booking handed to the staff, they put on the shows the run reaches.
PlayedDays play_until_next_show(rv::Game& game, const rv::Home& home, QWidget* parent);

}  // namespace rvgui

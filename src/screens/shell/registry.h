#pragma once
// Every screen of the game, by name: the main window builds them from here and `--screen NAME`
// and `--list-screens` read the same list. A new screen is one file and one line in registry.cpp.
#include <QString>
#include <vector>

namespace rvgui {

class Screen;
class Navigator;
struct Session;

// What a screen shows: nothing in particular, the world a new game is chosen from, or a running
// game (a screenshot of it needs --load SAVE).
enum class Needs { nothing, world, game };

struct ScreenEntry {
  QString name;
  Needs needs;
  Screen* (*make)(Session& session, Navigator& navigator);
};

const std::vector<ScreenEntry>& screen_registry();
const ScreenEntry* find_screen_entry(const QString& name);

template <class T>
Screen* make_screen(Session& session, Navigator& navigator) {
  return new T(session, navigator);
}

}  // namespace rvgui

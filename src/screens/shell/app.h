#pragma once
// The command line of the desktop program and where its world comes from.
#include <QSize>
#include <QStringList>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace rvgui {

struct AppOptions {
  std::filesystem::path home;          // --home DIR, else the per-user home
  std::optional<std::uint64_t> seed;   // --seed N, else from the clock
  std::filesystem::path screenshot;    // --screenshot FILE: write a PNG of the window and exit
  std::string load;                    // --load SAVE (with --screenshot): open that save's main screen
  QString screen;                      // --screen NAME (with --screenshot): picture that screen
  bool list_screens = false;           // --list-screens: print the screen names and exit
  QSize size{1280, 800};               // --size WxH: the window's size
  bool skip_intro = false;             // --no-intro (implied by --screenshot)
};

struct ParsedOptions {
  std::optional<AppOptions> options;
  QString error;  // why the command line was refused
  bool help = false;
};

ParsedOptions parse_options(const QStringList& arguments);
QString usage_text();

// The bundled default world: the installed one beside the program, else the source tree's data
// folder when the program runs from its build tree.
std::filesystem::path bundled_world(const std::filesystem::path& program_folder);

}  // namespace rvgui

namespace rvgui {

class MainWindow;

// Opens the screen `name` for a screenshot: a screen of the world a new game is chosen from gets
// that world first ("Player 1" choosing from the home's data set). False with the message shown
// when it cannot be opened.
bool open_for_screenshot(MainWindow& window, const QString& name);

}  // namespace rvgui

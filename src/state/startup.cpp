#include "state/startup.h"

#include <system_error>

#include "state/fileio.h"
#include "state/newgame.h"

namespace rv {

namespace {

void move_file(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::remove(from, ec);
}

}  // namespace

std::optional<std::string> check_folders(const Home& home) {
  std::error_code ec;
  const fs::path root = home.root();
  fs::create_directories(home.images(), ec);
  std::optional<std::string> message;
  if (!fs::exists(home.data(), ec)) {
    fs::create_directories(home.data(), ec);
    for (const auto& f : list_files(root, "*.fed;*.rv1")) move_file(root / f, home.data() / f);
    for (const auto& f : list_files(root, picture_patterns)) move_file(root / f, home.images() / f);
    for (const char* f : {"venues.txt", "RV 1.3 Wrestler Editor.exe", "RV 1.3 Promotion Editor.exe",
                          "RV 1.3 Matches Editor.exe"}) {
      if (fs::exists(root / f, ec)) move_file(root / f, home.data() / f);
    }
    message = "RV has automatically created 2 new folders and moved the relevant files into them (editors have been "
              "moved into the Data folder, if you have them).\n\nThe filenames you use for logos will not be affected, "
              "as the game will automatically look in the Images folder.";
  }
  fs::create_directories(home.scenarios(), ec);
  return message;
}

}  // namespace rv

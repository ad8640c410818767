#pragma once
// The game home: the folder holding Data/, Images/, Scenarios/, the saves and Roster.doc.
#include <filesystem>
#include <string>
#include <string_view>

#include "state/result.h"

namespace rv {

namespace fs = std::filesystem;

class Home {
 public:
  Home() = default;
  explicit Home(fs::path root) : root_(std::move(root)) {}
  const fs::path& root() const { return root_; }
  fs::path data() const { return root_ / "Data"; }
  fs::path images() const { return root_ / "Images"; }
  fs::path scenarios() const { return root_ / "Scenarios"; }
  fs::path scenario(std::string_view name) const { return scenarios() / std::string(name); }
  fs::path save_folder(std::string_view name) const { return root_ / std::string(name); }
  fs::path sav_file(std::string_view name) const { return root_ / (std::string(name) + ".sav"); }
  // A path stored in the data relative to the home, with backslashes ("Scenarios\x\venues.txt").
  fs::path resolve(std::string_view data_relative) const;

 private:
  fs::path root_;
};

// The per-user home: $XDG_DATA_HOME/ringvale, else ~/.local/share/ringvale, else ./ringvale-home.
fs::path default_home_path();

// The world a new home is filled from: the installed one, <program folder>/../share/ringvale/data,
// when it has a Data folder; else `built_in`, the source tree's data folder of a program run from
// its build tree. With neither, the installed place, so that a message can name where it looked.
fs::path find_bundled_world(const fs::path& program_folder, const fs::path& built_in);

// Fills a new home with a copy of the bundled world (its Data, Images and Scenarios folders).
// A home that already has a Data folder is left as it is.
Status prepare_home(const Home& home, const fs::path& bundled_world);

// Copies a folder tree; existing files are overwritten.
Status copy_tree(const fs::path& from, const fs::path& to);

}  // namespace rv

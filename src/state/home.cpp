#include "state/home.h"

#include <cstdlib>
#include <system_error>

#include "state/fileio.h"

namespace rv {

fs::path Home::resolve(std::string_view data_relative) const { return root_ / data_path(data_relative); }

fs::path default_home_path() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "ringvale";
  if (const char* home = std::getenv("HOME"); home && *home) {
    return fs::path(home) / ".local" / "share" / "ringvale";
  }
  return fs::current_path() / "ringvale-home";
}

fs::path find_bundled_world(const fs::path& program_folder, const fs::path& built_in) {
  const fs::path installed = (program_folder / ".." / "share" / "ringvale" / "data").lexically_normal();
  std::error_code ec;
  if (fs::is_directory(installed / "Data", ec)) return installed;
  if (!built_in.empty() && fs::is_directory(built_in / "Data", ec)) return built_in;
  return installed;
}

Status copy_tree(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  fs::create_directories(to, ec);
  if (ec) return Failure{"The folder " + to.string() + " could not be created: " + ec.message() + "."};
  fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
  if (ec) return Failure{"Copying " + from.string() + " failed: " + ec.message() + "."};
  return success();
}

Status prepare_home(const Home& home, const fs::path& bundled_world) {
  std::error_code ec;
  fs::create_directories(home.root(), ec);
  if (ec) {
    return Failure{"The game folder " + home.root().string() + " could not be created: " + ec.message() + "."};
  }
  if (fs::exists(home.data(), ec)) return success();
  if (!fs::is_directory(bundled_world / "Data", ec)) {
    return Failure{"The game's own world was not found at " + bundled_world.string() + "."};
  }
  for (const char* sub : {"Data", "Images", "Scenarios"}) {
    const fs::path from = bundled_world / sub;
    if (!fs::is_directory(from, ec)) continue;
    if (auto s = copy_tree(from, home.root() / sub); !s) return s;
  }
  return success();
}

}  // namespace rv

#include "state/pictures.h"

#include <algorithm>
#include <system_error>

#include "state/fileio.h"

namespace rv {

fs::path picture_or_default(const Home& home, std::string_view file) {
  std::error_code ec;
  const bool plain_name = !file.empty() && file != "NA" && file.find('/') == std::string_view::npos &&
                          file.find('\\') == std::string_view::npos;
  if (plain_name) {
    const fs::path p = home.images() / std::string(file);
    if (fs::is_regular_file(p, ec)) return p;
  }
  return home.images() / std::string(default_picture);
}

std::vector<std::string> logo_choices(const Home& home) { return list_files(home.images(), "*"); }

std::vector<std::string> show_picture_choices(const Home& home) { return list_files(home.images(), show_picture_patterns); }

bool is_show_picture(const Home& home, std::string_view file) {
  const auto choices = show_picture_choices(home);
  return std::find(choices.begin(), choices.end(), file) != choices.end();
}

std::string player_logo(const Store& store) {
  const auto player = store.player_index();
  return player ? store.promotion(*player).logo() : std::string();
}

bool choose_player_logo(Store& store, const Home& home, std::string_view file) {
  const auto player = store.player_index();
  if (!player) return false;
  const auto choices = logo_choices(home);
  if (std::find(choices.begin(), choices.end(), file) == choices.end()) return false;
  store.promotion(*player).set(prom::logo, std::string(file));
  return true;
}

}  // namespace rv

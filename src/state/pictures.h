#pragma once
// Pictures of the game home: promotion logos, show logos and the screen backgrounds, all in Images.
#include <string>
#include <string_view>
#include <vector>

#include "state/home.h"
#include "state/store.h"

namespace rv {

inline constexpr std::string_view default_picture = "default.jpg";
inline constexpr std::string_view front_menu_background = "titlebg.jpg";
inline constexpr std::string_view screen_background = "normalbg.jpg";

// The picture of this file name in Images; Images/default.jpg when the name is "NA", empty or
// not found there.
fs::path picture_or_default(const Home& home, std::string_view file);

// Every file of Images, sorted: what the player may choose as the promotion's logo.
std::vector<std::string> logo_choices(const Home& home);

// The pictures a regular show may use: files of Images of these kinds only.
inline constexpr std::string_view show_picture_patterns = "*.jpg;*.jpeg;*.bmp;*.gif";
// Those files of Images, sorted.
std::vector<std::string> show_picture_choices(const Home& home);
// True when `file` is one of them.
bool is_show_picture(const Home& home, std::string_view file);

// The player's logo file name as stored in the player's record ("NA" or empty when none).
std::string player_logo(const Store& store);
// Stores a chosen logo in the player's record; false when the name is not a file of Images or
// the player has no record (nothing changes then).
bool choose_player_logo(Store& store, const Home& home, std::string_view file);

}  // namespace rv

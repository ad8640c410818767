#pragma once
// The folder checks made when the game starts.
#include <optional>
#include <string>

#include "state/home.h"

namespace rv {

// Creates Images and Scenarios when missing. A home without a Data folder has the old flat
// layout: its promotion and table files move into Data, its pictures into Images, and the
// message to show is returned.
std::optional<std::string> check_folders(const Home& home);

inline constexpr std::string_view folders_created_title = "Folders Created!";
inline constexpr std::string_view version_text = "Version 1.3";
inline constexpr std::string_view release_text = "November 2005";

}  // namespace rv

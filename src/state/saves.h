#pragma once
// Saved games: a folder of twelve table files and a four-line ".sav" description beside it.
// A save is written into a new folder and swapped in only when every file is written; a load
// reads into a fresh store, so a failure on either side leaves everything as it was.
#include <string>
#include <string_view>
#include <vector>

#include "state/clock.h"
#include "state/fileio.h"
#include "state/home.h"
#include "state/result.h"
#include "state/store.h"

namespace rv {

struct SaveInfo {
  std::string folder;     // line 1: the save's name and folder
  std::string game_info;  // line 2: player (INITIALS) date
  std::string saved_on;   // line 3
  std::string saved_at;   // line 4
};

// The ".sav" files of the home, sorted.
std::vector<std::string> list_saves(const Home& home);
// Refused when its first line is not the save's own name (the file's name without ".sav").
Result<SaveInfo> read_save_info(const Home& home, std::string_view sav_file);
// "Game Info:\n<line 2>\nSaved on: <line 3> at <line 4>." as the load screen shows it.
std::string load_screen_info(const SaveInfo& info);
// "<line 2>\nSaved on <line 3> at <line 4>." as the save screen shows it.
std::string save_screen_info(const SaveInfo& info);

// Line 2 of a description: "Player 1 (ABC) Monday 1st January 2007".
std::string game_info_line(const Store& store);

// One message per character of the name that is not a digit or an ASCII letter; a name that
// would clash with the game's own folders gets a message of its own. Empty = acceptable.
std::vector<std::string> save_name_problems(std::string_view name);
inline constexpr std::string_view bad_save_name_message =
    "The name for your saved game cannot contain symbols or spaces.";

// Reads the save folder `folder` of the home into a fresh store, sound or not (for the check).
Result<Store> read_game_folder(const Home& home, std::string_view folder);
// Loads the save folder `folder`; a save that breaks the store's invariants is refused with
// the problems found.
Result<Store> load_game_folder(const Home& home, std::string_view folder);
// Loads the save described by `sav_file`, whose first line must name its own save.
Result<Store> load_game(const Home& home, std::string_view sav_file);
// A loaded save and the name it is played under.
struct OpenedSave {
  Store store;
  std::string name;
};
// Reads the description `sav_file` and loads the save it names: the one way a save is opened.
Result<OpenedSave> open_save(const Home& home, std::string_view sav_file);
// Whether a save of this name exists in the home (its description or its folder).
bool save_exists(const Home& home, std::string_view name);

// Writes the game as the save `name`: the folder `name` and the description `name`.sav. Every
// file reaches the disk before the new folder is swapped in. A plain file named like the save
// folder is never replaced.
Status save_game(const Store& store, const Home& home, std::string_view name, const WallTime& now,
                 const DiskSync& disk = system_disk());

// Deletes the save described by `sav_file`: the description, the twelve files and the folder.
Status delete_save(const Home& home, std::string_view sav_file);
inline constexpr std::string_view save_successful_message = "Save successful.";
inline constexpr std::string_view save_erased_message = "All data in this save slot has now been erased.";

// Applies the older-layout upgrade to a freshly loaded maindata (249 lines become 252).
void upgrade_maindata(Store& store);
// Adds the data set's stipulations that a save does not have yet.
void merge_stipulations(Lines& saved, const Lines& data_set);

}  // namespace rv

#pragma once
// Starting a game from a data set (the standard world or a scenario): loading it, the promotion
// choice, creating a new indy and taking over the chosen promotion.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/home.h"
#include "state/result.h"
#include "state/store.h"

namespace rv {

struct NewGame {
  Store store;
  fs::path folder;                       // the data set folder the world came from
  std::string scenario;                  // the scenario's folder name; empty for the standard world
  std::vector<std::string> fed_files;    // the promotion files, in listing order
};

inline constexpr std::string_view create_new_indy_caption = "Create New Indy";
inline constexpr std::size_t choice_buttons_count = 11;

// Loads the data set of the standard world (empty scenario) or of a scenario, and sets the
// player's name.
Result<NewGame> start_new_game(const Home& home, std::string_view player_name, std::string_view scenario = {});

// The eleven captions of the promotion choice: the first ten promotions' initials, then
// "Create New Indy" for every spare button and always for the last.
std::vector<std::string> choice_captions(const NewGame& game);

// "Basic Indy" .. "Large National" for size levels "1" .. "6"; empty otherwise.
std::string_view size_level_name(std::string_view level);

struct PromotionInfo {
  std::string initials, name, logo, type, funds, website, slogan;
};
inline constexpr std::string_view product_web_address = "www.ringvale-game.example";
inline constexpr std::string_view product_forum_address = "forum.ringvale-game.example";
// What the choice screen shows for the promotion of button `index` (0 to 9).
std::optional<PromotionInfo> promotion_info(const NewGame& game, std::size_t index);
PromotionInfo new_indy_info();

struct IndyDetails {
  std::string initials, full_name, title_name, champion_name;
};
inline constexpr std::string_view indy_initials_prompt = "Please enter the initials of your new Indy (eg. KGA)";
inline constexpr std::string_view indy_initials_default = "RVF";
inline constexpr std::string_view indy_name_prompt =
    "Please enter the full name of your new Indy (eg. Kestrel Grappling Alliance)";
inline constexpr std::string_view indy_name_default = "Ringvale Federation";
inline constexpr std::string_view indy_title_prompt =
    "Please enter the name of your primary singles title belt (eg. World Heavyweight Title)";
inline constexpr std::string_view indy_title_default = "World Heavyweight Title";
inline constexpr std::string_view indy_champion_prompt =
    "Please enter what the holder of your primary singles title belt will be known as (eg. World Heavyweight Champion)";
inline constexpr std::string_view indy_champion_default = "World Heavyweight Champion";
// The message when the answer cannot be used (and the question is asked again); nothing when it can.
std::optional<std::string> indy_initials_problem(const Store& store, std::string_view initials);
std::optional<std::string> indy_name_problem(const Store& store, std::string_view full_name);

// Adds the new indy's record (from the data set's template) as the last promotion.
Status create_new_indy(const Home& home, NewGame& game, const IndyDetails& details);

// Takes over the promotion with these initials: joiners from other promotions, the next big
// show, the title history, the first calendar and today's shows. `new_indy` adds the creation
// of the primary title to the history.
Status confirm_promotion(NewGame& game, std::string_view initials, bool new_indy);
// The Front Office's welcome, the first message of a new game: how a week runs.
inline constexpr std::string_view welcome_sender = "Front Office";
inline constexpr std::string_view welcome_subject = "Welcome";
std::string welcome_text(const std::string& promotion, const std::string& show, const std::string& weekday);

// Scenarios.
std::vector<std::string> list_scenarios(const Home& home);
std::string no_scenarios_message();
// The information shown for a scenario (from its scenario.txt).
std::string scenario_info(const Home& home, std::string_view scenario);
// Picture files of a scenario folder, waiting to be moved into Images.
std::vector<std::string> scenario_pictures(const Home& home, std::string_view scenario);
inline constexpr std::string_view picture_patterns = "*.jpg;*.bmp;*.gif;*.bmp;*.JPG;*.jpeg;*.BMP";
bool picture_name_taken(const Home& home, std::string_view file);
std::string picture_overwrite_question(std::string_view file);
// Moves one picture into Images (replacing a namesake when `overwrite`).
Status move_scenario_picture(const Home& home, std::string_view scenario, std::string_view file, bool overwrite);

}  // namespace rv

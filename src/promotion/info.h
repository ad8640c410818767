#pragma once
// The promotion at a glance: its name, type, country and popularity, the power figures and talk
// show segments of each brand (and how they are changed), the promotion's records and where it
// stands among every promotion of the world.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "state/result.h"
#include "state/store.h"

namespace rv {

// The questions of the General Info screen, in the order they are asked.
inline constexpr std::string_view power_figure_question = "Do you want a Power Figure here?";
inline constexpr std::string_view power_figure_choice_question = "Choose the person to fill this job.";
inline constexpr std::string_view job_title_question = "Please enter the job title of this Power Figure.";
inline constexpr std::string_view default_job_title = "Commissioner";
inline constexpr std::string_view talk_show_question = "Do you want a Talk Show segment here?";
inline constexpr std::string_view talk_show_host_question = "Choose the host of this Talk Show segment.";
inline constexpr std::string_view talk_show_name_question = "What will the name of this Talk Show segment be?";
inline constexpr std::string_view talk_show_show_question = "Choose which show this Talk Show segment is used on.";

// "Basic Indy" ... "Large National" for size levels 1 to 6; empty for any other level.
std::string_view promotion_type(Num size_level);

// What clicking a row of the General Info screen changes: nothing, a brand's name (slot 0 or 1),
// a power figure (slot 0 to 3) or a talk show segment (slot 0 or 1).
enum class InfoAction { none, brand, power_figure, talk_show };

struct InfoRow {
  std::string heading;
  std::string value;
  InfoAction action = InfoAction::none;
  std::size_t slot = 0;
};

// The player's promotion as the General Info screen lists it; a split roster gets a block of
// rows per brand. Empty when there is no player's promotion.
std::vector<InfoRow> general_info(const Store& store);

// The prompt for a new name of brand slot 0 or 1 ("Enter the name of Brand 1.").
std::string brand_name_question(std::size_t brand);
// The current name of brand slot 0 or 1.
const std::string& brand_name(const Store& store, std::size_t promotion, std::size_t brand);
Status set_brand_name(Store& store, std::size_t promotion, std::size_t brand, const std::string& name);

// The workers who can fill a power figure slot or host a talk show: the promotion's own workers.
std::vector<std::string> staff_candidates(const Store& store, std::size_t promotion);
// The promotion's regular shows that have a name, which a talk show segment can be part of.
std::vector<std::string> talk_show_shows(const Store& store, std::size_t promotion);

// Fills power figure slot k (0 to 3) with one of the promotion's workers and a job title.
Status set_power_figure(Store& store, std::size_t promotion, std::size_t k, const std::string& worker,
                        const std::string& title);
Status clear_power_figure(Store& store, std::size_t promotion, std::size_t k);
// Sets talk show segment k (0 or 1): its name, a host from the promotion and one of its shows.
Status set_talk_show(Store& store, std::size_t promotion, std::size_t k, const std::string& name,
                     const std::string& host, const std::string& show);
Status clear_talk_show(Store& store, std::size_t promotion, std::size_t k);

struct RecordRow {
  std::string heading;
  std::string value;   // the figure, "N/A" when the record is not set yet
  std::string holder;  // the show and date that set it, "No Record Yet" when not set
};
// The seven records of maindata: ratings, buy rates, attendances and the longest feud.
std::vector<RecordRow> promotion_records(const Store& store);

struct RankingRow {
  std::string place;  // "1st", "2nd", ...
  std::string name;
  std::string type;
  Num popularity = 0;
  bool is_player = false;
};
// Every promotion, the largest first and, within one size, the most popular first.
std::vector<RankingRow> promotion_rankings(const Store& store);

// "1st", "2nd", "3rd", "4th", "11th", "12th", "13th", "21st", ...
std::string ordinal(std::size_t n);

}  // namespace rv

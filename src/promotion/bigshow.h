#pragma once
// The big show: what the planned one looks like, and announcing one a question at a time. The
// store is written only when "Confirm Show?" is answered Yes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/result.h"
#include "state/store.h"

namespace rv {

inline constexpr std::string_view no_big_show_message = "You have no big shows currently planned.";
inline constexpr std::string_view no_logo_choice = "No Logo";

// The planned big show as the big show screen presents it; nothing when none is planned.
struct BigShowInfo {
  std::string presents, name, live, featuring, promotion, logo;  // logo "NA" for none
};
std::optional<BigShowInfo> big_show_info(const Store& store);

// The three levels of promotion and their prices for a promotion's size ("Basic ($80,000)").
std::vector<std::string> promotion_choices(Num size_level);
// What the promotion of a big show costs: by the size level and the level chosen (1 to 3).
Num big_show_promotion_cost(Num size_level, Num promotion_level);

class BigShowAnnouncement {
 public:
  struct Question {
    std::string prompt;
    std::vector<std::string> choices;  // empty: a text answer
    std::size_t preselected = 0;
  };
  // `logos`: the pictures of the images folder the show may use.
  BigShowAnnouncement(const Store& store, std::vector<std::string> logos);
  bool done() const { return step_ >= steps_.size(); }
  Question question() const;
  // Takes the answer to the current question; the message why it was refused otherwise.
  std::optional<std::string> answer(const std::string& text);
  // The summary shown with "Confirm Show?", one line each.
  std::string summary() const;
  // Writes the big show (the answer to "Confirm Show?" was Yes).
  Status confirm(Store& store) const;

 private:
  enum class Step { date, name, brand, promotion, logo };
  std::vector<Step> steps_;
  std::size_t step_ = 0;
  std::vector<std::string> dates_, logos_, promotions_;
  std::string brand1_, brand2_;
  std::string date_, name_, brand_ = "All", logo_ = "NA";
  std::vector<std::string> show_names_;  // the regular shows, whose names a big show cannot take
  std::size_t level_ = 1;
};
inline constexpr std::string_view confirm_show_question = "Confirm Show?";

}  // namespace rv

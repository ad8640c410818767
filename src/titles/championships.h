#pragma once
// The championships screen's rules: the eight slots, creating a title (a question at a time),
// renaming, changing its brand, retiring, and a title's history.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/game.h"
#include "state/result.h"

namespace rv {


// "Primary Singles Title 1" ... "Custom Title 4".
std::string_view slot_name(std::size_t slot);
// "Unused (Click To Add)" for a free slot, else the title's name + " (Click To Edit)".
std::string slot_caption(const Store& store, std::size_t promotion, std::size_t slot);
// Holder shown beside a title: the holder (with the co-holders of a tag team) or "Vacant".
std::string holder_text(const Store& store, std::size_t promotion, std::size_t slot);

// The level a new title starts with: a singles title by the promotion's size and card position,
// a custom one below the first title's level.
Num new_title_level(const Store& store, std::size_t promotion, std::size_t slot, std::string_view position);

// The creation of a title in a free slot, one question at a time. The store is written only by
// finish(), as one whole block and one history record.
class TitleCreation {
 public:
  struct Question {
    std::string prompt;
    std::vector<std::string> choices;  // empty: a text answer
  };
  TitleCreation(const Store& store, std::size_t promotion, std::size_t slot);
  bool done() const { return step_ >= steps_.size(); }
  Question question() const;
  // Takes the answer to the current question; the message why it was refused otherwise.
  std::optional<std::string> answer(const std::string& text);
  // Writes the title (only once every question is answered).
  Status finish(Store& store) const;

 private:
  enum class Step { type, brand, level, gender, weight, hardcore, name, called };
  std::size_t promotion_, slot_;
  std::vector<Step> steps_;
  std::size_t step_ = 0;
  Num size_ = 1, first_level_ = 0;
  std::string type_ = "Singles", brand_ = "All", position_, gender_, weight_, hardcore_, name_, called_;
  std::vector<std::string> taken_names_;
};

// Renames a title (belt and holder's style); every history line of the old name follows.
Status rename_title(Store& store, std::size_t promotion, std::size_t slot, const std::string& name,
                    const std::string& called);
// "Both Brands" is stored as "All".
Status set_title_brand(Store& store, std::size_t promotion, std::size_t slot, const std::string& brand);
// The brands a title may be given: only a split roster offers a choice.
std::vector<std::string> brand_choices(const Store& store, std::size_t promotion);
// Empties the title's block (not the first title) and records "Title Retired".
Status retire_title(Store& store, std::size_t promotion, std::size_t slot);

inline constexpr std::string_view vacate_question = "Are you sure you want to vacate this Title?";
inline constexpr std::string_view already_vacant_message = "This belt is already vacant.";
inline constexpr std::string_view retire_question = "Are you sure you want to retire this title?";
inline constexpr std::string_view retired_message = "This title has now been retired.";

struct TitleHistory {
  std::string heading;      // "History of " + name
  std::string description;  // kind, gender, weight, hardcore, brand
  std::string record;       // "<holder> - <days> day(s)" or "No Record Yet"
  struct Entry {
    std::string date, event;
  };
  std::vector<Entry> entries;  // in the order they were added
};
std::optional<TitleHistory> title_history(const Store& store, std::size_t promotion, std::size_t slot);

}  // namespace rv

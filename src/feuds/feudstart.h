#pragma once
// Starting a feud: the type, the gender, then the wrestlers picked one by one from the player's
// workers who are in no feud yet; the feud goes into the first free slot with its starting heat.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/result.h"
#include "state/store.h"

namespace rv {

inline constexpr std::string_view feud_type_prompt = "Choose Feud Type";
inline constexpr std::string_view feud_gender_prompt = "Choose Feud Gender";
inline constexpr std::string_view feud_wrestlers_prompt = "Choose Feud Wrestlers";
inline constexpr std::string_view feud_cancel_choice = "Cancel";  // ends every list of choices
inline constexpr std::string_view too_few_feud_workers_text = "You don't have enough workers for this type of feud.";
inline constexpr std::string_view no_free_feud_slot_text = "All ten feud slots are in use: end a feud to start another.";

// What a new feud's heat is made of.
struct FeudOpening {
  std::string_view type;               // "Singles" or "Tag Team"
  std::string_view gender;             // "Male" or "Female"
  Num first_pop = 0;                   // the first worker's popularity
  Num reference_level = 0;             // the level of the promotion's first title
  std::string_view first_alignment;    // the faceheel of the first worker of each side
  std::string_view second_alignment;
};
Num starting_heat(const FeudOpening& opening);

// The first slot without a feud; nothing when all ten run.
std::optional<std::size_t> first_free_feud_slot(const Store& store);
// The player's workers of that gender who are in no running feud, in roster order.
std::vector<std::string> feud_candidates(const Store& store, std::string_view gender);

class FeudStart {
 public:
  enum class Step { type, gender, wrestlers, done, cancelled };

  // Refused when every slot runs a feud.
  static Result<FeudStart> begin(const Store& store);

  Step step() const { return step_; }
  bool open() const { return step_ == Step::type || step_ == Step::gender || step_ == Step::wrestlers; }
  bool finished() const { return step_ == Step::done; }
  std::string prompt() const;
  // The choices of the step, without "Cancel".
  std::vector<std::string> choices() const;
  // Takes one choice by its text ("Cancel" cancels). A text that is not a choice is refused and
  // the step stays; too few workers for the feud refuses and ends the start. The last wrestler
  // writes the feud; `slot()` then tells where.
  Status choose(Store& store, std::string_view text);
  void cancel() { step_ = Step::cancelled; }
  std::size_t slot() const { return slot_; }

 private:
  Status pick(Store& store, std::string_view name);
  void write(Store& store) const;
  std::size_t wanted() const;

  Step step_ = Step::type;
  std::string type_;
  std::string gender_;
  std::vector<std::string> candidates_;
  std::vector<std::string> picked_;
  std::size_t slot_ = 0;
};

}  // namespace rv

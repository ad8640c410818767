#include "feuds/feudstart.h"

#include <algorithm>

#include "feuds/feuds.h"
#include "state/date.h"
#include "state/ledger.h"
#include "state/ranges.h"

namespace rv {

namespace {

// The heat a feud opens with: singles bring more than tags, and the men's division more than
// the women's.
constexpr Num singles_heat = 10;
constexpr Num tag_heat = 0;
constexpr Num male_heat = 15;
constexpr Num female_heat = 5;
// A face chasing a heel is the classic feud; two of a kind bring less.
constexpr Num face_against_heel_heat = 20;
constexpr Num faces_heat = 6;
constexpr Num heels_heat = 4;
// The first worker's drawing power against the promotion's first title.
constexpr Num level_band = 10;
constexpr Num at_level_heat = 25;
constexpr Num near_level_heat = 13;
constexpr Num below_level_heat = 8;
constexpr Num far_below_heat = 4;

constexpr std::size_t singles_workers = 2;
constexpr std::size_t tag_workers = 4;

Num popularity_heat(Num pop, Num level) {
  if (pop >= level) return at_level_heat;
  if (pop >= level - level_band) return near_level_heat;
  if (pop >= level - 2 * level_band) return below_level_heat;
  return far_below_heat;
}

Num alignment_heat(std::string_view first, std::string_view second) {
  if (first == alignment::face && second == alignment::heel) return face_against_heel_heat;
  if (first == alignment::face && second == alignment::face) return faces_heat;
  if (first == alignment::heel && second == alignment::heel) return heels_heat;
  return 0;
}

bool in_any_feud(const Store& store, const std::string& name) {
  for (std::size_t k = 0; k < md::feud_slots; ++k) {
    if (feud_involves(store, k, name)) return true;
  }
  return false;
}

Status not_a_choice(std::string_view text) {
  return Failure{quoted_excerpt(text) + " is not one of the choices."};
}

}  // namespace

Num starting_heat(const FeudOpening& o) {
  Num heat = o.type == feud::singles ? singles_heat : tag_heat;
  heat += popularity_heat(o.first_pop, o.reference_level);
  heat += alignment_heat(o.first_alignment, o.second_alignment);
  heat += o.gender == genders::male ? male_heat : female_heat;
  return within(heat, range::percent);
}

std::optional<std::size_t> first_free_feud_slot(const Store& store) {
  for (std::size_t k = 0; k < md::feud_slots; ++k) {
    if (!feud_running(store, k)) return k;
  }
  return std::nullopt;
}

std::vector<std::string> feud_candidates(const Store& store, std::string_view gender) {
  std::vector<std::string> out;
  const std::string& player = store.md(md::player_initials);
  if (player.empty()) return out;
  for (std::size_t row = 0; row < store.worker_count(); ++row) {
    const auto w = store.worker(row);
    if (w.promotion() != player || w.gender() != gender || w.name().empty()) continue;
    if (!in_any_feud(store, w.name())) out.push_back(w.name());
  }
  return out;
}

Result<FeudStart> FeudStart::begin(const Store& store) {
  if (!first_free_feud_slot(store)) return Failure{std::string(no_free_feud_slot_text)};
  return FeudStart();
}

std::string FeudStart::prompt() const {
  switch (step_) {
    case Step::type: return std::string(feud_type_prompt);
    case Step::gender: return std::string(feud_gender_prompt);
    case Step::wrestlers: return std::string(feud_wrestlers_prompt);
    default: return {};
  }
}

std::vector<std::string> FeudStart::choices() const {
  switch (step_) {
    case Step::type: return {std::string(feud::singles), std::string(feud::tag_team)};
    case Step::gender: return {std::string(genders::male), std::string(genders::female)};
    case Step::wrestlers: return candidates_;
    default: return {};
  }
}

std::size_t FeudStart::wanted() const { return type_ == feud::tag_team ? tag_workers : singles_workers; }

Status FeudStart::choose(Store& store, std::string_view text) {
  if (!open()) return Failure{"No feud is being started."};
  if (text == feud_cancel_choice) {
    cancel();
    return success();
  }
  const auto offered = choices();
  if (std::find(offered.begin(), offered.end(), text) == offered.end()) return not_a_choice(text);
  if (step_ == Step::type) {
    type_ = std::string(text);
    step_ = Step::gender;
    return success();
  }
  if (step_ == Step::gender) {
    gender_ = std::string(text);
    candidates_ = feud_candidates(store, gender_);
    if (candidates_.size() < wanted()) {
      cancel();
      return Failure{std::string(too_few_feud_workers_text)};
    }
    step_ = Step::wrestlers;
    return success();
  }
  return pick(store, text);
}

Status FeudStart::pick(Store& store, std::string_view name) {
  picked_.emplace_back(name);
  candidates_.erase(std::find(candidates_.begin(), candidates_.end(), name));
  if (picked_.size() < wanted()) return success();
  const auto slot = first_free_feud_slot(store);
  if (!slot) {
    cancel();
    return Failure{std::string(no_free_feud_slot_text)};
  }
  for (const auto& w : picked_) {
    if (in_any_feud(store, w)) {
      cancel();
      return Failure{w + " is already in a feud."};
    }
  }
  slot_ = *slot;
  write(store);
  step_ = Step::done;
  return success();
}

// The record: for a tag feud picks one and two are the first pair, three and four the second.
void FeudStart::write(Store& store) const {
  const bool tag = type_ == feud::tag_team;
  const std::string& first = picked_[0];
  const std::string& second = tag ? picked_[2] : picked_[1];
  const auto first_row = store.find_worker(first);
  const auto second_row = store.find_worker(second);
  FeudOpening opening;
  opening.type = type_;
  opening.gender = gender_;
  if (first_row) opening.first_pop = store.worker(*first_row).pop();
  if (first_row) opening.first_alignment = store.worker(*first_row).faceheel();
  if (second_row) opening.second_alignment = store.worker(*second_row).faceheel();
  if (const auto player = store.player_index()) opening.reference_level = store.promotion(*player).reference_level();
  const Num heat = starting_heat(opening);

  const auto f = feud_slot(store, slot_);
  for (std::size_t i = 0; i < md::feud_size; ++i) f.set(i, "");
  f.set(feud::type, type_);
  f.set_num(feud::duration, 0);
  f.set(feud::start_date, current_full_date(store));
  f.set(feud::state, std::string(feud::hot));
  f.set(feud::worker1, first);
  f.set(feud::worker2, second);
  if (tag) {
    f.set(feud::worker3, picked_[1]);
    f.set(feud::worker4, picked_[3]);
    f.set(feud::pair1, picked_[0] + std::string(feud::pair_joint) + picked_[1]);
    f.set(feud::pair2, picked_[2] + std::string(feud::pair_joint) + picked_[3]);
  }
  // Named once its sides are written.
  set_feud_heat(store, f, feud_heading(store, slot_), heat, "Feud started");
}

}  // namespace rv

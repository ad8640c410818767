#include "titles/championships.h"

#include <algorithm>
#include <array>

#include "state/date.h"
#include "state/naming.h"

namespace rv {

namespace {

constexpr std::array<std::string_view, prom::title_slots> slot_names = {
    "Primary Singles Title 1", "Primary Singles Title 2", "Secondary Singles Title", "Tertiary Singles Title",
    "Custom Title 1",          "Custom Title 2",          "Custom Title 3",          "Custom Title 4"};
constexpr std::array<std::string_view, 4> positions = {"Upper Card", "Mid Card", "Lower Mid Card", "Lower Card"};
// Singles title levels by size level (1 to 6) and card position.
constexpr std::array<std::array<Num, 4>, 6> singles_levels = {{
    {50, 40, 35, 30}, {60, 50, 45, 40}, {70, 60, 55, 50}, {80, 70, 65, 60}, {85, 75, 70, 65}, {90, 80, 75, 70}}};
constexpr std::string_view both_brands = "Both Brands";
constexpr std::string_view new_title_value = "70";

bool is_custom(std::size_t slot) { return slot >= 4; }

std::size_t position_index(std::string_view position) {
  for (std::size_t i = 0; i < positions.size(); ++i) {
    if (positions[i] == position) return i;
  }
  return positions.size() - 1;
}

// Why a title name cannot be used; nothing when it can.
std::optional<std::string> title_name_problem(const std::string& name, const std::vector<std::string>& taken) {
  return name_problem(name, NameKind::title, taken);
}

std::optional<std::string> holder_style_problem(const std::string& called) {
  return name_problem(called, NameKind::holder_style);
}

// The names of the promotion's other titles.
std::vector<std::string> other_names(const Store& store, std::size_t promotion, std::size_t slot) {
  std::vector<std::string> names;
  const auto p = store.promotion(promotion);
  for (std::size_t k = 0; k < prom::title_slots; ++k) {
    if (k != slot && p.title(k).exists()) names.push_back(p.title(k).name());
  }
  return names;
}

bool valid_slot(const Store& store, std::size_t promotion, std::size_t slot) {
  return promotion < store.promotion_count() && slot < prom::title_slots;
}

void add_history(Store& store, const std::string& title, const std::string& event) {
  append_record(store.titlehistory, {title, current_full_date(store), event});
}

}  // namespace

std::string_view slot_name(std::size_t slot) { return slot < slot_names.size() ? slot_names[slot] : ""; }

std::string slot_caption(const Store& store, std::size_t promotion, std::size_t slot) {
  if (!valid_slot(store, promotion, slot)) return {};
  const auto t = store.promotion(promotion).title(slot);
  return t.exists() ? t.name() + " (Click To Edit)" : "Unused (Click To Add)";
}

std::string holder_text(const Store& store, std::size_t promotion, std::size_t slot) {
  if (!valid_slot(store, promotion, slot)) return {};
  const auto t = store.promotion(promotion).title(slot);
  if (!t.exists()) return {};
  if (t.is_tag() && t.holder() != vacant && !t.get(TitleField::coholder1).empty()) {
    return t.holder() + " (" + t.get(TitleField::coholder1) + " & " + t.get(TitleField::coholder2) + ")";
  }
  return t.holder();
}

Num new_title_level(const Store& store, std::size_t promotion, std::size_t slot, std::string_view position) {
  if (promotion >= store.promotion_count()) return 0;
  const auto p = store.promotion(promotion);
  const std::size_t at = position_index(position);
  if (is_custom(slot)) return std::max<Num>(p.title(0).level() - 10 * static_cast<Num>(at), 1);
  const auto size = static_cast<std::size_t>(std::clamp<Num>(p.size_level(), 1, 6));
  return singles_levels[size - 1][at];
}

TitleCreation::TitleCreation(const Store& store, std::size_t promotion, std::size_t slot)
    : promotion_(promotion), slot_(slot) {
  if (!valid_slot(store, promotion, slot) || store.promotion(promotion).title(slot).exists()) return;
  const auto p = store.promotion(promotion);
  if (is_custom(slot)) steps_.push_back(Step::type);
  if (p.at(prom::roster_split) == "Yes") steps_.push_back(Step::brand);
  for (Step s : {Step::level, Step::gender, Step::weight, Step::hardcore, Step::name, Step::called}) steps_.push_back(s);
  taken_names_ = other_names(store, promotion, slot);
}

TitleCreation::Question TitleCreation::question() const {
  if (done()) return {};
  switch (steps_[step_]) {
    case Step::type: return {"Choose Title Type", {"Singles", "Tag Team"}};
    case Step::brand: return {"Which Brand Will Use This Title?", {std::string(both_brands), "Brand 1", "Brand 2"}};
    case Step::level: {
      Question q{"Level of Title", {}};
      for (std::size_t i = is_custom(slot_) ? 1 : 0; i < positions.size(); ++i) q.choices.emplace_back(positions[i]);
      return q;
    }
    case Step::gender: return {"Choose Gender For Holders", {"Male", "Female", "All"}};
    case Step::weight: return {"Choose Weight Class", {"Light", "Heavy", "All"}};
    case Step::hardcore: return {"Is This a Hardcore Style Title?", {"Yes", "No"}};
    case Step::name: return {"Name Of Title Belt", {}};
    case Step::called: return {"Name Of Title Holder", {}};
  }
  return {};
}

std::optional<std::string> TitleCreation::answer(const std::string& text) {
  if (done()) return std::string("The title is complete.");
  const Question q = question();
  if (!q.choices.empty() && std::find(q.choices.begin(), q.choices.end(), text) == q.choices.end()) {
    return "Please choose one of the answers offered.";
  }
  switch (steps_[step_]) {
    case Step::type: type_ = text; break;
    case Step::brand: brand_ = text == both_brands ? std::string(brand_all) : text; break;
    case Step::level: position_ = text; break;
    case Step::gender: gender_ = text; break;
    case Step::weight: weight_ = text; break;
    case Step::hardcore: hardcore_ = text; break;
    case Step::name:
      if (auto problem = title_name_problem(text, taken_names_)) return problem;
      name_ = text;
      break;
    case Step::called:
      if (auto problem = holder_style_problem(text)) return problem;
      called_ = text;
      break;
  }
  ++step_;
  return std::nullopt;
}

Status TitleCreation::finish(Store& store) const {
  if (!done() || steps_.empty()) return Failure{"The title is not complete."};
  if (!valid_slot(store, promotion_, slot_) || store.promotion(promotion_).title(slot_).exists()) {
    return Failure{"This slot already holds a title."};
  }
  const auto t = store.promotion(promotion_).title(slot_);
  const std::string level = to_text(new_title_level(store, promotion_, slot_, position_));
  const std::vector<std::pair<TitleField, std::string>> fields = {
      {TitleField::name, name_},           {TitleField::called, called_},
      {TitleField::kind, type_},           {TitleField::value, std::string(new_title_value)},
      {TitleField::gender_limit, gender_}, {TitleField::weight_limit, weight_},
      {hardcore_flag, hardcore_},          {TitleField::level, level},
      {TitleField::brand, brand_},         {TitleField::holder, std::string(vacant)},
      {current_reign, "0"},                {TitleField::record_holder, std::string(no_record_yet)},
      {TitleField::record_length, "0"},    {defences, "0"}};
  for (const auto& [field, value] : fields) t.put(field, value);
  add_history(store, name_, name_ + " Created");
  return success();
}

Status rename_title(Store& store, std::size_t promotion, std::size_t slot, const std::string& name,
                    const std::string& called) {
  if (!valid_slot(store, promotion, slot) || !store.promotion(promotion).title(slot).exists()) {
    return Failure{"There is no title in this slot."};
  }
  if (auto problem = title_name_problem(name, other_names(store, promotion, slot))) return Failure{*problem};
  if (auto problem = holder_style_problem(called)) return Failure{*problem};
  const auto t = store.promotion(promotion).title(slot);
  const std::string old = t.name();
  t.put(TitleField::name, name);
  t.put(TitleField::called, called);
  if (old != name) {  // only the title line of each entry: a date or an event may read the same
    for (std::size_t i = hist::title; i < store.titlehistory.size(); i += rec::title_history) {
      if (store.titlehistory[i] == old) store.titlehistory[i] = name;
    }
  }
  add_history(store, name, "Renamed " + name);
  return success();
}

std::vector<std::string> brand_choices(const Store& store, std::size_t promotion) {
  if (promotion < store.promotion_count() && store.promotion(promotion).at(prom::roster_split) == "Yes") {
    return {std::string(both_brands), "Brand 1", "Brand 2"};
  }
  return {std::string(both_brands)};
}

Status set_title_brand(Store& store, std::size_t promotion, std::size_t slot, const std::string& brand) {
  if (!valid_slot(store, promotion, slot) || !store.promotion(promotion).title(slot).exists()) {
    return Failure{"There is no title in this slot."};
  }
  const auto choices = brand_choices(store, promotion);
  if (std::find(choices.begin(), choices.end(), brand) == choices.end()) return Failure{"There is no such brand."};
  store.promotion(promotion).title(slot).put(TitleField::brand, brand == both_brands ? std::string(brand_all) : brand);
  return success();
}

Status retire_title(Store& store, std::size_t promotion, std::size_t slot) {
  if (!valid_slot(store, promotion, slot) || !store.promotion(promotion).title(slot).exists()) {
    return Failure{"There is no title in this slot."};
  }
  if (slot == 0) return Failure{"The first title of a promotion cannot be retired."};
  const auto t = store.promotion(promotion).title(slot);
  const std::string name = t.name();
  const std::size_t size = t.long_block() ? prom::long_title_size : prom::short_title_size;
  for (std::size_t i = 0; i < size; ++i) set_line(store.promotions, t.base() + i, "");
  add_history(store, name, "Title Retired");
  return success();
}

std::optional<TitleHistory> title_history(const Store& store, std::size_t promotion, std::size_t slot) {
  if (!valid_slot(store, promotion, slot) || !store.promotion(promotion).title(slot).exists()) return std::nullopt;
  const auto p = store.promotion(promotion);
  const auto t = p.title(slot);
  TitleHistory h;
  h.heading = "History of " + t.name();
  static constexpr std::array<std::string_view, 4> kinds = {"Primary Singles Title", "Primary Singles Title",
                                                            "Secondary Singles Title", "Tertiary Singles Title"};
  h.description = is_custom(slot) ? t.get(TitleField::kind) : std::string(kinds[slot]);
  const std::string& gender = t.get(TitleField::gender_limit);
  h.description += gender == brand_all ? " -- For Both Genders" : " -- For " + gender + "s Only";
  const std::string& weight = t.get(TitleField::weight_limit);
  h.description += weight == brand_all ? " -- For Any Weight Class" : " -- For " + weight + "weights";
  if (t.get(hardcore_flag) == "Yes") h.description += " -- Hardcore Style";
  const std::string& brand = t.get(TitleField::brand);
  if (brand == "Brand 1" || brand == "Brand 2") {
    h.description += " -- Exclusive To The " + p.at(brand == "Brand 1" ? prom::brand1_name : prom::brand2_name) + " Brand";
  } else {
    h.description += " -- For Both Brands";
  }
  const std::string& record_holder = t.get(TitleField::record_holder);
  h.record = record_holder.empty() || record_holder == no_record_yet
                 ? std::string(no_record_yet)
                 : record_holder + " - " + t.get(TitleField::record_length) + " day(s)";
  for (std::size_t i = 0; i + rec::title_history <= store.titlehistory.size(); i += rec::title_history) {
    if (store.titlehistory[i + hist::title] != t.name()) continue;
    h.entries.push_back({store.titlehistory[i + hist::date], store.titlehistory[i + hist::event]});
  }
  return h;
}

}  // namespace rv

#include "promotion/bigshow.h"

#include <algorithm>
#include <array>

#include "state/calendar.h"
#include "state/naming.h"
#include "state/text.h"

namespace rv {

namespace {

// Basic, regular and extensive promotion by size level 1 to 6.
constexpr std::array<std::array<Num, 3>, 6> prices = {{{10000, 15000, 25000},
                                                       {20000, 50000, 75000},
                                                       {50000, 100000, 150000},
                                                       {80000, 125000, 250000},
                                                       {200000, 400000, 800000},
                                                       {250000, 500000, 1000000}}};
constexpr std::array<std::string_view, 3> levels = {"Basic", "Regular", "Extensive"};
constexpr std::array<std::string_view, 3> promotion_texts = {"This event is being given basic promotion.",
                                                             "This event is being given regular promotion.",
                                                             "This event is being given extensive promotion."};
constexpr std::string_view both_brands = "Both Brands";

}  // namespace

std::vector<std::string> promotion_choices(Num size_level) {
  const auto size = static_cast<std::size_t>(std::clamp<Num>(size_level, 1, 6));
  std::vector<std::string> out;
  for (std::size_t i = 0; i < levels.size(); ++i) {
    out.push_back(std::string(levels[i]) + " ($" + grouped(prices[size - 1][i]) + ")");
  }
  return out;
}

Num big_show_promotion_cost(Num size_level, Num promotion_level) {
  const auto size = static_cast<std::size_t>(std::clamp<Num>(size_level, 1, 6));
  const auto level = static_cast<std::size_t>(std::clamp<Num>(promotion_level, 1, 3));
  return prices[size - 1][level - 1];
}

std::optional<BigShowInfo> big_show_info(const Store& store) {
  const std::string& name = store.md(md::next_big_show_name);
  const auto player = store.player_index();
  if (!player || name.empty() || name == none_text) return std::nullopt;
  const auto p = store.promotion(*player);
  const std::string& brand = store.md(md::next_big_show_brand);
  BigShowInfo info;
  info.presents = p.full_name() + " Presents";
  info.name = name;
  info.live = "Live on Pay-Per-View";
  // A brand without a name (the names are emptied when a split ends) goes by its own word.
  const auto brand_name = [&](std::size_t line, std::string_view word) {
    return p.at(line).empty() ? std::string(word) : p.at(line);
  };
  if (brand == brand_one) {
    info.featuring = "Featuring Superstars from " + brand_name(prom::brand1_name, brand_one);
  } else if (brand == brand_two) {
    info.featuring = "Featuring Superstars from " + brand_name(prom::brand2_name, brand_two);
  } else {
    info.featuring = "Featuring Superstars from both " + brand_name(prom::brand1_name, brand_one) + " and " +
                     brand_name(prom::brand2_name, brand_two);
  }
  const auto level = static_cast<std::size_t>(std::clamp<Num>(store.md_num(md::next_big_show_level), 1, 3));
  info.promotion = std::string(promotion_texts[level - 1]);
  info.logo = store.md(md::next_big_show_logo).empty() ? "NA" : store.md(md::next_big_show_logo);
  return info;
}

BigShowAnnouncement::BigShowAnnouncement(const Store& store, std::vector<std::string> logos) : logos_(std::move(logos)) {
  const auto player = store.player_index();
  if (!player) return;
  const auto p = store.promotion(*player);
  for (const auto& row : calendar_rows(store)) {
    if (std::find(dates_.begin(), dates_.end(), row.date) == dates_.end()) dates_.push_back(row.date);
  }
  promotions_ = promotion_choices(p.size_level());
  for (std::size_t k = 0; k < prom::regular_show_count; ++k) show_names_.push_back(p.show(k, prom::show::name));
  brand1_ = p.at(prom::brand1_name);
  brand2_ = p.at(prom::brand2_name);
  steps_ = {Step::date, Step::name};
  if (p.at(prom::roster_split) == "Yes") steps_.push_back(Step::brand);
  steps_.push_back(Step::promotion);
  steps_.push_back(Step::logo);
}

BigShowAnnouncement::Question BigShowAnnouncement::question() const {
  if (done()) return {};
  switch (steps_[step_]) {
    case Step::date: return {"Choose a date for this show.", dates_, 0};
    case Step::name: return {"What will this show be called?", {}, 0};
    case Step::brand: return {"Which Brand will be involved in this show?", {std::string(both_brands), "Brand 1", "Brand 2"}, 0};
    case Step::promotion: return {"What level of promotion will you give this show?", promotions_, 1};
    case Step::logo: {
      Question q{"Choose a logo for this show.", {std::string(no_logo_choice)}, 0};
      q.choices.insert(q.choices.end(), logos_.begin(), logos_.end());
      return q;
    }
  }
  return {};
}

std::optional<std::string> BigShowAnnouncement::answer(const std::string& text) {
  if (done()) return std::string("The show is already announced.");
  const Question q = question();
  const auto at = std::find(q.choices.begin(), q.choices.end(), text);
  switch (steps_[step_]) {
    case Step::date:
      if (at == q.choices.end()) return std::string("Please choose a date from the drop down list.");
      date_ = text;
      break;
    case Step::name:
      if (text.empty()) return std::string("Please enter the name of this event.");
      if (auto problem = name_problem(text, NameKind::show, show_names_)) return problem;
      name_ = text;
      break;
    case Step::brand:
      if (at == q.choices.end()) return std::string("Please choose one of the brands.");
      brand_ = text == both_brands ? std::string(brand_all) : text;
      break;
    case Step::promotion:
      if (at == q.choices.end()) return std::string("Please choose a level of promotion.");
      level_ = static_cast<std::size_t>(at - q.choices.begin());
      break;
    case Step::logo:
      if (at == q.choices.end()) return std::string("Please choose a logo from the list.");
      logo_ = text == no_logo_choice ? "NA" : text;
      break;
  }
  ++step_;
  return std::nullopt;
}

std::string BigShowAnnouncement::summary() const {
  const std::string brand = brand_ == "Brand 1" ? brand1_ : brand_ == "Brand 2" ? brand2_ : "Both";
  return "Name of Show: " + name_ + "\nBrand: " + brand + "\nPromotion: " +
         (level_ < promotions_.size() ? promotions_[level_] : std::string()) + "\nDate of Show: " + date_ +
         "\nLogo for Show: " + (logo_ == "NA" ? std::string("None") : logo_);
}

Status BigShowAnnouncement::confirm(Store& store) const {
  if (!done() || steps_.empty()) return Failure{"The announcement is not complete."};
  const auto day = find_calendar_day(store, date_);
  if (!day) return Failure{"The date " + date_ + " is no longer in the calendar."};
  // A show announced before gives up its place in the calendar.
  if (auto old = find_calendar_day(store, store.md(md::next_big_show_date))) {
    store.calendar[*old * rec::calendar_day + cal::big].clear();
  }
  store.set_md(md::next_big_show_name, name_);
  store.set_md(md::next_big_show_brand, brand_);
  store.set_md(md::next_big_show_level, std::to_string(level_ + 1));
  store.set_md(md::next_big_show_counter, "0");
  store.set_md(md::next_big_show_date, date_);
  store.set_md(md::next_big_show_logo, logo_);
  store.calendar[*day * rec::calendar_day + cal::big] = name_;
  return success();
}

}  // namespace rv

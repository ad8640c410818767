#include "feedback/feedback.h"

#include <array>
#include <optional>

#include "feedback/roster_feedback.h"

namespace rv {

namespace {

constexpr std::array<Band, 8> show_quality = {{{below_all, "terrible."},
                                               {30, "very poor."},
                                               {40, "poor."},
                                               {50, "below average."},
                                               {60, "average."},
                                               {70, "good."},
                                               {80, "very good."},
                                               {90, "superb."}}};

// How a buy rate reads depends on the promotion's size: only the three biggest sizes sell
// pay-per-views in numbers worth talking about.
constexpr std::array<Band, 7> buy_rate_size4 = {{{below_all, "terrible."},
                                                 {0.05, "very low."},
                                                 {0.1, "low."},
                                                 {0.2, "average."},
                                                 {0.3, "good."},
                                                 {0.4, "very good."},
                                                 {0.5, "excellent."}}};
constexpr std::array<Band, 9> buy_rate_size5 = {{{below_all, "terrible."},
                                                 {0.2, "very low."},
                                                 {0.3, "low."},
                                                 {0.4, "below average."},
                                                 {0.5, "average."},
                                                 {0.6, "above average."},
                                                 {0.7, "good."},
                                                 {0.8, "very good."},
                                                 {0.9, "excellent."}}};
constexpr std::array<Band, 9> buy_rate_size6 = {{{below_all, "terrible."},
                                                 {0.4, "very low."},
                                                 {0.5, "low."},
                                                 {0.6, "below average."},
                                                 {0.7, "average."},
                                                 {0.8, "above average."},
                                                 {0.9, "good."},
                                                 {1.0, "very good."},
                                                 {1.2, "excellent."}}};

std::span<const Band> buy_rate_bands(Num size_level) {
  switch (size_level) {
    case 4: return buy_rate_size4;
    case 5: return buy_rate_size5;
    case 6: return buy_rate_size6;
    default: return {};
  }
}

constexpr std::string_view balance_satisfied = "We are satisfied with the current bank balance.";
constexpr std::string_view balance_trouble = "We are in serious financial trouble.";
// By how far the balance is above the size's baseline, and by how far below it, in percent.
constexpr std::array<Band, 4> balance_above = {{{below_all, balance_satisfied},
                                                {25, "We are pleased with the current bank balance."},
                                                {50, "We are very pleased with the current bank balance."},
                                                {100, "The current bank balance is excellent."}}};
constexpr std::array<Band, 5> balance_below = {{{below_all, balance_satisfied},
                                                {10, "We are concerned about the current bank balance."},
                                                {25, "We are unhappy with the current bank balance."},
                                                {50, "We are very unhappy with the current bank balance."},
                                                {100, balance_trouble}}};

constexpr std::array<Band, 9> product = {
    {{below_all,
      "Our current product is nothing short of a joke. If things don't change, this promotion will go down the "
      "toilet very soon."},
     {30, "The quality of our product is very poor at the minute, and it is causing fans to switch off."},
     {40, "The quality of our product is poor at the minute."},
     {50, "The quality of our product is below average at the minute."},
     {60, "Our product is quite average in quality at the minute."},
     {70, "The quality of our product is good at the minute."},
     {80, "The quality of our product is very good at the minute."},
     {90, "The quality of our product is excellent at the minute."},
     {95, "Our product is scorching hot at the minute. Fans can't get enough of it."}}};

constexpr std::string_view championships_heading = "We estimate the value of the championships to be as follows:";

void shows_feedback(const Store& store, PromotionView p, std::vector<std::string>& out) {
  for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
    const std::string& name = p.show(k, prom::show::name);
    if (name.empty()) continue;
    const std::string_view quality = band_text(static_cast<double>(p.num(p.show_offset(k, prom::show::rating))),
                                               show_quality);
    if (p.show(k, prom::show::kind) == prom::show::house) {
      out.push_back("The general opinion of fans who go to " + p.show(k, prom::show::weekday) + "'s " + name +
                    " is that the quality is " + std::string(quality));
    } else {
      out.push_back("The fan's general opinion of " + name + " is that the quality is " + std::string(quality));
    }
  }
  const std::string& buy_rate = store.md(md::last_buy_rate);
  const auto bands = buy_rate_bands(p.size_level());
  if (!p.has_ppv_deal() || buy_rate.empty() || bands.empty()) return;
  out.push_back("The buy rate for " + store.md(md::last_big_show_name) + " was " +
                std::string(band_text(leading_number(buy_rate), bands)));
}

void championships_feedback(PromotionView p, std::vector<std::string>& out) {
  out.emplace_back(championships_heading);
  for (std::size_t k = 0; k < prom::title_slots; ++k) {
    const auto title = p.title(k);
    if (title.exists()) out.push_back(title.name() + "\n" + to_text(title.value()) + "%");
  }
}

// The balance against the money a promotion of this size is expected to hold.
std::string_view balance_feedback(const Store& store, PromotionView p) {
  const Num baseline = store.money_baseline(p.size_level());
  const Num balance = p.balance();
  // Without a baseline there is nothing to measure against: only a debt is worth a word.
  if (baseline <= 0) return balance < 0 ? balance_trouble : balance_satisfied;
  // In doubles, so that no balance can overflow; multiplied before dividing, so an exact
  // percentage stays exact on a band's edge.
  const double b = static_cast<double>(balance);
  const double r = static_cast<double>(baseline);
  if (b >= r) return band_text((b - r) * 100.0 / r, balance_above);
  return band_text((r - b) * 100.0 / r, balance_below);
}

}  // namespace

std::string_view band_text(double value, std::span<const Band> bands) {
  if (bands.empty()) return {};
  std::string_view text = bands.front().text;
  for (const auto& band : bands.subspan(1)) {
    if (value < band.from) break;
    text = band.text;
  }
  return text;
}

std::vector<std::string> feedback_areas(const Store& store) {
  const auto player = store.player_index();
  const bool split = player && store.promotion(*player).at(prom::roster_split) == split_on;
  return {std::string(split ? feedback_area::roster_split : feedback_area::roster), std::string(feedback_area::shows),
          std::string(feedback_area::championships), std::string(feedback_area::other)};
}

std::vector<std::string> feedback(const Store& store, std::string_view area) {
  const auto player = store.player_index();
  if (!player) return {"There is no feedback: the promotion you run is not in this game."};
  const PromotionView p = store.promotion(*player);
  std::vector<std::string> out;
  if (area == feedback_area::roster) {
    roster_feedback(store, p, false, out);
  } else if (area == feedback_area::roster_split) {
    roster_feedback(store, p, true, out);
  } else if (area == feedback_area::shows) {
    shows_feedback(store, p, out);
  } else if (area == feedback_area::championships) {
    championships_feedback(p, out);
  } else if (area == feedback_area::other) {
    out.emplace_back(balance_feedback(store, p));
    out.emplace_back(band_text(static_cast<double>(p.popularity()), product));
  } else {
    out.push_back("There is no area of feedback called \"" + std::string(area) + "\".");
  }
  return out;
}

std::string feedback_text(const Store& store, std::string_view area) {
  const auto messages = feedback(store, area);
  // The championships' heading is the only message of its area followed by a blank line.
  const bool listing = area == feedback_area::championships && store.player_index().has_value();
  std::string text;
  for (std::size_t i = 0; i < messages.size(); ++i) {
    text += messages[i];
    text += listing && i > 0 ? "\n" : "\n\n";
  }
  return text;
}

}  // namespace rv

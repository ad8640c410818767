#include "promotion/info.h"

#include <algorithm>
#include <iterator>
#include <numeric>
#include <optional>

#include "state/date.h"
#include "state/naming.h"

namespace rv {

namespace {

constexpr std::string_view type_names[] = {"Basic Indy",     "Indy With Local TV", "Regional Indy",
                                           "Small National", "Medium National",    "Large National"};

// A split roster has two brands, each with its half of the power figure slots and one talk show.
constexpr std::size_t brand_slots = 2;
constexpr std::size_t figures_per_brand = prom::power_figure_count / brand_slots;

// An empty slot reads as empty, "NA" (the shipped data) or "None".
bool names_nobody(const std::string& text) { return text.empty() || text == no_entry || text == none_text; }

std::size_t figure_line(std::size_t k) { return prom::power_figures + k * prom::power_figure_size; }
std::size_t talk_line(std::size_t k) { return prom::talk_shows + k * prom::talk_show_size; }

bool valid_promotion(const Store& store, std::size_t promotion) { return promotion < store.promotion_count(); }

bool works_for(const Store& store, std::size_t promotion, const std::string& worker) {
  const auto row = store.find_worker(worker);
  return !worker.empty() && row && store.worker(*row).promotion() == store.promotion(promotion).initials();
}

// Why a typed name or title cannot be stored, or nothing when it can.
std::optional<std::string> text_problem(const std::string& text, const std::string& what) {
  if (text.find_first_not_of(' ') == std::string::npos) return "The " + what + " cannot be blank.";
  if (!storable_text(text)) return "The " + what + " has a character the game cannot store.";
  return std::nullopt;
}

std::string power_figure_value(const PromotionView& p, std::size_t k) {
  const std::string& name = p.at(figure_line(k));
  if (names_nobody(name)) return std::string(none_text);
  const std::string& title = p.at(figure_line(k) + 1);
  return names_nobody(title) ? name : name + " (" + title + ")";
}

// The power figures and the talk show segment of one brand (the whole promotion when unsplit).
void add_staff_rows(std::vector<InfoRow>& rows, const PromotionView& p, std::size_t first_figure, std::size_t talk) {
  rows.push_back({"Power Figure 1", power_figure_value(p, first_figure), InfoAction::power_figure, first_figure});
  rows.push_back({"Power Figure 2", power_figure_value(p, first_figure + 1), InfoAction::power_figure, first_figure + 1});
  const std::size_t line = talk_line(talk);
  const std::string& name = p.at(line + prom::talk::name);
  const bool none = names_nobody(name);
  rows.push_back({"Talk Show Segment", none ? std::string(none_text) : name, InfoAction::talk_show, talk});
  rows.push_back({"Details",
                  none ? std::string(not_applicable)
                       : "Hosted by " + p.at(line + prom::talk::host) + " on " + p.at(line + prom::talk::show),
                  InfoAction::talk_show, talk});
}

bool record_unset(const std::string& text) { return text.empty() || text == no_record_yet; }

enum class Figure { tv_rating, buy_rate, attendance };

RecordRow figure_record(const Store& store, std::string_view heading, std::size_t line, Figure kind) {
  const std::string& figure = store.md(line);
  const std::string& holder = store.md(line + 1);
  if (record_unset(figure) || record_unset(holder)) {
    return {std::string(heading), std::string(not_applicable), std::string(no_record_yet)};
  }
  std::string shown = kind == Figure::attendance ? grouped(leading_int(figure))
                      : kind == Figure::tv_rating  ? pattern_number(leading_number(figure), tv_rating_pattern)
                                                   : decimal_text(leading_number(figure));
  return {std::string(heading), std::move(shown), holder};
}

RecordRow feud_record(const Store& store) {
  const std::string& heading = store.md(md::record_longest_feud);
  if (record_unset(heading)) return {"Longest Feud", std::string(not_applicable), std::string(no_record_yet)};
  const Num days = store.md_num(md::record_longest_feud_days);
  const std::string duration = to_text(days) + (days == 1 ? " day" : " days");
  return {"Longest Feud", duration, heading + " (" + duration + ")"};
}

}  // namespace

std::string_view promotion_type(Num size_level) {
  if (size_level < 1 || size_level > static_cast<Num>(std::size(type_names))) return {};
  return type_names[static_cast<std::size_t>(size_level - 1)];
}

std::vector<InfoRow> general_info(const Store& store) {
  const auto player = store.player_index();
  if (!player) return {};
  const auto p = store.promotion(*player);
  std::vector<InfoRow> rows = {
      {"Promotion Name", p.full_name() + " (" + p.initials() + ")"},
      {"Promotion Type", std::string(promotion_type(p.size_level()))},
      {"Country", p.country()},
      {"Popularity", to_text(p.popularity()) + "%"},
  };
  if (p.at(prom::roster_split) != split_on) {
    add_staff_rows(rows, p, 0, 0);
    return rows;
  }
  for (std::size_t brand = 0; brand < brand_slots; ++brand) {
    rows.push_back({std::string(brand == 0 ? brand_one : brand_two) + " Name", brand_name(store, *player, brand),
                    InfoAction::brand, brand});
    add_staff_rows(rows, p, brand * figures_per_brand, brand);
  }
  return rows;
}

std::string brand_name_question(std::size_t brand) {
  return "Enter the name of " + std::string(brand == 0 ? brand_one : brand_two) + ".";
}

const std::string& brand_name(const Store& store, std::size_t promotion, std::size_t brand) {
  return store.promotion(promotion).at(brand == 0 ? prom::brand1_name : prom::brand2_name);
}

Status set_brand_name(Store& store, std::size_t promotion, std::size_t brand, const std::string& name) {
  if (!valid_promotion(store, promotion) || brand >= brand_slots) return Failure{"There is no such brand."};
  const std::string& other = brand_name(store, promotion, brand_slots - 1 - brand);
  if (auto problem = name_problem(name, NameKind::brand, {other})) return Failure{*problem};
  store.promotion(promotion).set(brand == 0 ? prom::brand1_name : prom::brand2_name, name);
  return success();
}

std::vector<std::string> staff_candidates(const Store& store, std::size_t promotion) {
  std::vector<std::string> names;
  if (!valid_promotion(store, promotion)) return names;
  const std::string& initials = store.promotion(promotion).initials();
  for (std::size_t row = 0; row < store.worker_count(); ++row) {
    const auto w = store.worker(row);
    if (w.promotion() == initials && !w.name().empty()) names.push_back(w.name());
  }
  return names;
}

std::vector<std::string> talk_show_shows(const Store& store, std::size_t promotion) {
  std::vector<std::string> names;
  if (!valid_promotion(store, promotion)) return names;
  const auto p = store.promotion(promotion);
  for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
    if (!names_nobody(p.show(k, prom::show::name))) names.push_back(p.show(k, prom::show::name));
  }
  return names;
}

Status set_power_figure(Store& store, std::size_t promotion, std::size_t k, const std::string& worker,
                        const std::string& title) {
  if (!valid_promotion(store, promotion) || k >= prom::power_figure_count) return Failure{"There is no such Power Figure slot."};
  if (!works_for(store, promotion, worker)) return Failure{worker + " does not work for your promotion."};
  if (auto problem = text_problem(title, "job title")) return Failure{*problem};
  const auto p = store.promotion(promotion);
  p.set(figure_line(k), worker);
  p.set(figure_line(k) + 1, title);
  return success();
}

Status clear_power_figure(Store& store, std::size_t promotion, std::size_t k) {
  if (!valid_promotion(store, promotion) || k >= prom::power_figure_count) return Failure{"There is no such Power Figure slot."};
  const auto p = store.promotion(promotion);
  for (std::size_t i = 0; i < prom::power_figure_size; ++i) p.set(figure_line(k) + i, "");
  return success();
}

Status set_talk_show(Store& store, std::size_t promotion, std::size_t k, const std::string& name,
                     const std::string& host, const std::string& show) {
  if (!valid_promotion(store, promotion) || k >= prom::talk_show_count) return Failure{"There is no such Talk Show slot."};
  const std::string& other = store.promotion(promotion).at(talk_line(prom::talk_show_count - 1 - k) + prom::talk::name);
  if (auto problem = name_problem(name, NameKind::segment, {other})) return Failure{*problem};
  if (!works_for(store, promotion, host)) return Failure{host + " does not work for your promotion."};
  const auto shows = talk_show_shows(store, promotion);
  if (std::find(shows.begin(), shows.end(), show) == shows.end()) return Failure{"Your promotion has no show called " + show + "."};
  const auto p = store.promotion(promotion);
  p.set(talk_line(k) + prom::talk::name, name);
  p.set(talk_line(k) + prom::talk::host, host);
  p.set(talk_line(k) + prom::talk::show, show);
  return success();
}

Status clear_talk_show(Store& store, std::size_t promotion, std::size_t k) {
  if (!valid_promotion(store, promotion) || k >= prom::talk_show_count) return Failure{"There is no such Talk Show slot."};
  const auto p = store.promotion(promotion);
  for (std::size_t i = 0; i < prom::talk_show_size; ++i) p.set(talk_line(k) + i, std::string(no_entry));
  return success();
}

std::vector<RecordRow> promotion_records(const Store& store) {
  return {figure_record(store, "Highest TV Rating", md::record_top_rating, Figure::tv_rating),
          figure_record(store, "Lowest TV Rating", md::record_low_rating, Figure::tv_rating),
          figure_record(store, "Highest PPV Buy Rate", md::record_top_buy_rate, Figure::buy_rate),
          figure_record(store, "Lowest PPV Buy Rate", md::record_low_buy_rate, Figure::buy_rate),
          figure_record(store, "Highest Attendence", md::record_top_attendance, Figure::attendance),
          figure_record(store, "Lowest Attendence", md::record_low_attendance, Figure::attendance),
          feud_record(store)};
}

std::vector<RankingRow> promotion_rankings(const Store& store) {
  std::vector<std::size_t> order(store.promotion_count());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&store](std::size_t a, std::size_t b) {
    const auto pa = store.promotion(a);
    const auto pb = store.promotion(b);
    if (pa.size_level() != pb.size_level()) return pa.size_level() > pb.size_level();
    return pa.popularity() > pb.popularity();
  });
  const auto player = store.player_index();
  std::vector<RankingRow> rows;
  for (std::size_t i = 0; i < order.size(); ++i) {
    const auto p = store.promotion(order[i]);
    rows.push_back({ordinal(i + 1), p.full_name(), std::string(promotion_type(p.size_level())), p.popularity(),
                    player == order[i]});
  }
  return rows;
}

std::string ordinal(std::size_t n) { return std::to_string(n) + std::string(ordinal_suffix(static_cast<long long>(n))); }

}  // namespace rv

#include "state/ranges.h"

#include <array>

#include "state/text.h"

namespace rv {

namespace {

std::vector<NumberField> make_promotion_numbers() {
  std::vector<NumberField> f = {{prom::size_level, "size level", range::size_level},
                                {prom::balance, "bank balance", range::money}};
  for (std::size_t k = 0; k < prom::regular_show_count; ++k) {
    const std::size_t base = prom::regular_shows + k * prom::regular_show_size;
    const std::string show = "regular show " + std::to_string(k + 1);
    f.push_back({base + prom::show::rating, show + " rating", range::percent});
    f.push_back({base + prom::show::audience, show + " audience", range::figure});
  }
  f.push_back({prom::house_attendance, "house show attendance", range::figure});
  f.push_back({prom::tv_attendance, "televised show attendance", range::figure});
  for (std::size_t i = 0; i < 3; ++i) {
    f.push_back({prom::production_levels + i, "production level " + std::to_string(i + 1), range::production_level});
  }
  f.push_back({prom::popularity, "popularity", range::percent});
  f.push_back({prom::ppv_rating, "big show pay-per-view audience", range::figure});
  f.push_back({prom::big_show_attendance, "big show attendance", range::figure});
  for (std::size_t k = 0; k < prom::title_slots; ++k) {
    const bool long_block = k >= 4;
    const std::size_t base = long_block ? prom::long_titles + (k - 4) * prom::long_title_size
                                        : prom::short_titles + k * prom::short_title_size;
    const auto& offsets = long_block ? long_title_offsets : short_title_offsets;
    auto at = [&](TitleField t) { return base + static_cast<std::size_t>(offsets[static_cast<std::size_t>(t)]); };
    const std::string title = "title " + std::to_string(k + 1);
    f.push_back({at(TitleField::value), title + " value", range::percent});
    f.push_back({at(TitleField::level), title + " level", range::percent});
    f.push_back({at(current_reign), title + " reign in days", range::days});
    f.push_back({at(TitleField::record_length), title + " record reign in days", range::days});
    f.push_back({at(defences), title + " defences", range::days});
  }
  f.push_back({prom::next_big_show_level, "next big show level", range::big_show_level});
  f.push_back({prom::next_big_show_value, "days since the next big show was announced", range::days});
  return f;
}

std::vector<NumberField> make_maindata_numbers() {
  std::vector<NumberField> f = {{md::board_rating, "board rating", range::percent},
                                {md::review_weeks, "weeks of probation left", range::weeks},
                                {md::turn_freshness, "turn freshness", range::percent},
                                {md::days_since_growth, "days since the last growth", range::days},
                                {md::prospect_pop, "prospect popularity", range::percent},
                                {md::prospect_hardcore, "prospect hardcore skill", range::percent},
                                {md::prospect_ent, "prospect in-ring ability", range::percent},
                                {md::prospect_mic, "prospect microphone skill", range::percent},
                                {md::prospect_charisma, "prospect charisma", range::percent}};
  for (std::size_t line = md::records_first; line < md::record_longest_feud; line += 2) {
    f.push_back({line, "record figure", range::record_figure});
  }
  f.push_back({md::record_longest_feud_days, "longest feud in days", range::days});
  for (std::size_t i = 0; i < prom::regular_show_count; ++i) {
    f.push_back({md::last_show_figures + i, "last show figure", range::record_figure});
  }
  f.push_back({md::last_buy_rate, "last big show buy rate", range::record_figure});
  for (std::size_t i = 0; i < 2 * top10::entries_shown; ++i) {
    f.push_back({md::top_tv_ratings + 2 * i + 1, "weekly top ten figure", range::record_figure});
  }
  for (std::size_t k = 0; k < md::feud_slots; ++k) {
    const std::size_t base = md::feuds_first + k * md::feud_size;
    const std::string feud = "feud " + std::to_string(k + 1);
    f.push_back({base + feud::duration, feud + " duration in days", range::days});
    f.push_back({base + feud::cooling, feud + " cooling", range::feud_cooling});
    f.push_back({base + feud::heat, feud + " heat", range::percent});
  }
  f.push_back({md::next_big_show_level, "next big show level", range::big_show_level});
  f.push_back({md::next_big_show_counter, "days since the next big show was announced", range::days});
  f.push_back({md::cancelled_shows, "cancelled shows", range::days});
  for (std::size_t line = md::growth_counters_first; line < md::audience_mark1; ++line) {
    f.push_back({line, "growth counter", range::days});
  }
  f.push_back({md::audience_mark1, "first audience mark", range::figure});
  f.push_back({md::audience_mark2, "second audience mark", range::figure});
  for (std::size_t level = 1; level <= 6; ++level) {
    f.push_back({md::money_baseline_base + level, "money baseline of size " + std::to_string(level), range::money_amount});
  }
  f.push_back({md::rival_growth_day, "rival growth day", range::rival_growth_day});
  return f;
}

template <std::size_t N>
std::array<std::optional<Range>, N> by_line(const std::vector<NumberField>& fields) {
  std::array<std::optional<Range>, N> out{};
  for (const auto& f : fields) {
    if (f.line < N) out[f.line] = f.range;
  }
  return out;
}

}  // namespace

const std::vector<NumberField>& promotion_numbers() {
  static const std::vector<NumberField> fields = make_promotion_numbers();
  return fields;
}

const std::vector<NumberField>& maindata_numbers() {
  static const std::vector<NumberField> fields = make_maindata_numbers();
  return fields;
}

const std::vector<NumberField>& stipulation_numbers() {
  static const std::vector<NumberField> fields = {
      {stip::danger, "danger", range::percent},
      {stip::crowd_value, "crowd value", range::percent},
      {stip::rating_bonus, "rating bonus", range::percent},
      {stip::rating_bonus + 1, "crowd value as shipped", range::percent},
      {stip::rating_bonus + 2, "rating bonus as shipped", range::percent},
      {stip::rating_bonus + 3, "wear of the crowd value", range::percent},
      {stip::rating_bonus + 4, "wear of the rating bonus", range::percent}};
  return fields;
}

// Line 8 of an offer is a morale change for one of the player's own workers and the sum agreed
// with his promotion for a worker bought out.
constexpr Range offer_morale_or_sum{range::morale_change.lo, range::money_amount.hi};

const std::vector<NumberField>& negotiation_numbers() {
  static const std::vector<NumberField> fields = {{neg::wages, "wages", range::wage},
                                                  {neg::days, "days waited", range::days},
                                                  {neg::morale_change, "morale change or buy-out sum", offer_morale_or_sum}};
  return fields;
}

std::optional<Range> promotion_range(std::size_t offset) {
  static const auto table = by_line<rec::promotion>(promotion_numbers());
  return offset < table.size() ? table[offset] : std::nullopt;
}

std::optional<Range> maindata_range(std::size_t line) {
  static const auto table = by_line<md::line_count>(maindata_numbers());
  return line < table.size() ? table[line] : std::nullopt;
}

Num read_within(std::string_view text, std::optional<Range> r) {
  const Num v = leading_int(text);
  return r ? within(v, *r) : v;
}

std::optional<std::string> range_problem(std::string_view text, Range r) {
  if (r.holds(leading_int(text))) return std::nullopt;
  return "\"" + std::string(text) + "\" is outside " + to_text(r.lo) + " to " + to_text(r.hi);
}

}  // namespace rv

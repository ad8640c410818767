#pragma once
// The range of every number the tables store. A number outside its range makes a save or a data
// set unsound: the checks list it. The store's accessors read numbers saturated to their range
// and keep what they write inside it, so that a day of play never takes a sound game out of range.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/layout.h"
#include "state/numbers.h"

namespace rv {

namespace range {
inline constexpr Range percent{0, 100};  // popularity, skills, morale, ratings, title values
inline constexpr Range defended_title_value{1, 100};  // a title's value once it has been defended
inline constexpr Range money{-1'000'000'000'000, 1'000'000'000'000};  // a bank balance in dollars
inline constexpr Range money_amount{0, 1'000'000'000'000};            // a sum offered or a baseline
inline constexpr Range wage{0, 10'000'000};                           // a weekly wage or a fee
inline constexpr Range days{0, 1'000'000};                            // day counters and lengths
inline constexpr Range figure{0, 100'000'000};                        // audiences and attendances
inline constexpr Range record_figure{0, 1'000'000'000};               // figures kept for the records
inline constexpr Range size_level{1, 6};
inline constexpr Range production_level{0, 20};
inline constexpr Range big_show_level{0, 3};
inline constexpr Range weeks{0, 100};
inline constexpr Range years{0, 100};  // years left in the ring
inline constexpr Range rival_growth_day{0, 135};
inline constexpr Range feud_cooling{0, 1000};
inline constexpr Range morale_change{-100, 100};
inline constexpr Range capacity{1, 10'000'000};
inline constexpr Range year{1, 9999};
}  // namespace range

// A line (or a record offset) that holds a number: where, what it is, its range.
struct NumberField {
  std::size_t line;
  std::string what;
  Range range;
};

// The numbers of a promotion record (by offset, titles included), of maindata (by line, the date
// apart), of a stipulation and of a pending contract offer.
const std::vector<NumberField>& promotion_numbers();
const std::vector<NumberField>& maindata_numbers();
const std::vector<NumberField>& stipulation_numbers();
const std::vector<NumberField>& negotiation_numbers();
inline constexpr Range message_days_left = range::days;
inline constexpr Range offer_amount = range::money_amount;  // line ref3 of an "OFFER" message
inline constexpr Range top10_value = range::record_figure;

// The range of a numeric worker column (every other column: none).
constexpr std::optional<Range> column_range(Col c) {
  switch (c) {
    case Col::pop: case Col::ent: case Col::cond: case Col::morale:
    case Col::micskills: case Col::hardcore: case Col::charisma:
      return range::percent;
    case Col::wages: case Col::bookingfee:
      return range::wage;
    case Col::injury:
      return range::days;
    case Col::retire:
      return range::years;
    default:
      return std::nullopt;
  }
}
// The range of a promotion offset and of a maindata line that holds a number.
std::optional<Range> promotion_range(std::size_t offset);
std::optional<Range> maindata_range(std::size_t line);

// The text's number kept inside the range (no range: the number as read).
Num read_within(std::string_view text, std::optional<Range> r);
// "is outside 0 to 100" when the text's number is outside the range.
std::optional<std::string> range_problem(std::string_view text, Range r);

}  // namespace rv

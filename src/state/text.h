#pragma once
// Text helpers shared by every subsystem: the one number parser, number formatting,
// money text and the wildcard matcher used for name patterns.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/numbers.h"

namespace rv {

using Lines = std::vector<std::string>;

// Reads the number a text starts with ("12abc" -> 12, "-3.5" -> -3.5, " 7" -> 7).
// A text that does not start with a number reads as 0.
double leading_number(std::string_view text);

// The leading number cut to a whole number (truncation toward zero), saturated at
// plus or minus stored_number_limit.
std::int64_t leading_int(std::string_view text);

// A whole number and nothing else: digits, with a minus sign before them at most.
bool whole_number(std::string_view text);

// Plain decimal text of a whole number.
std::string to_text(std::int64_t value);

// Plain decimal text of a decimal number: no exponent, no trailing zeros ("0.4", "12").
std::string decimal_text(double value);

// A decimal number written by a digit pattern of '#' and '0' with at most one point: "##.0",
// "##.#0", "0.00". The point is followed by as many decimals as the pattern has places there,
// rounded half away from zero as the number reads to 15 significant digits (9.95 is 9.95, not a
// hair below it); decimals up to the last '0' are always written, later ones only when they are
// not zero. Before the point a '#' writes nothing for a zero, so "##.0" writes 0.8 as ".8", and
// each '0' there asks for one digit at least.
std::string pattern_number(double value, std::string_view pattern);
inline constexpr std::string_view tv_rating_pattern = "##.0";        // a televised show's rating
inline constexpr std::string_view overall_rating_pattern = "##.#0";  // a show's overall rating

// "$" followed by the amount grouped in thousands: 1234567 -> "$1,234,567", -500 -> "-$500".
std::string money_text(std::int64_t amount);

// The amount grouped in thousands without the "$": 600000 -> "600,000".
std::string grouped(std::int64_t amount);

// Wildcard match: '*' any run, '?' any one character, '#' one digit, [abc] / [!abc] a set.
// Case-sensitive. Used for file name patterns ("*.sav"); names are tested with contains().
// Runs in time proportional to the text's length times the pattern's.
bool like(std::string_view text, std::string_view pattern);

// The heading followed by the first `shown` items, one an indented line, and how many more.
std::string listed(std::string heading, const std::vector<std::string>& items, std::size_t shown = 10);

// True when `text` contains `part` (an empty part never counts as contained).
bool contains(std::string_view text, std::string_view part);

// The text for a woman: the whole words He, he, his and him become She, she, her and her.
std::string for_gender(std::string text, bool female);

// A text one line of a table can hold: no line break or other control character and no byte
// that Windows-1252 leaves undefined.
bool storable_text(std::string_view text);

// Text from outside (a line typed or read from a file) made safe to show back: in double quotes,
// every control byte and every byte Windows-1252 leaves undefined shown as '?', and anything past
// `longest` characters cut off and marked with "...".
std::string quoted_excerpt(std::string_view text, std::size_t longest = 60);

// A whole number clamped to [lo, hi].
std::int64_t clamp_int(std::int64_t value, std::int64_t lo, std::int64_t hi);

}  // namespace rv

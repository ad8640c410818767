#include "state/text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>

namespace rv {

double leading_number(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  double value = 0.0;
  bool any_digit = false;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
    value = value * 10.0 + (text[i] - '0');
    any_digit = true;
    ++i;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    double scale = 0.1;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      value += (text[i] - '0') * scale;
      scale /= 10.0;
      any_digit = true;
      ++i;
    }
  }
  if (!any_digit) return 0.0;
  return negative ? -value : value;
}

std::int64_t leading_int(std::string_view text) {
  const double v = leading_number(text);
  constexpr auto limit = static_cast<double>(stored_number_limit);
  if (!(v < limit)) return stored_number_limit;  // NaN cannot come out of the parser
  if (v <= -limit) return -stored_number_limit;
  return static_cast<std::int64_t>(v);
}

bool whole_number(std::string_view text) {
  std::size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
  if (i >= text.size()) return false;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

std::string to_text(std::int64_t value) { return std::to_string(value); }

std::string decimal_text(double value) {
  if (!std::isfinite(value)) return "0";
  if (value == std::trunc(value) && std::fabs(value) < 9.0e18) {
    return to_text(static_cast<std::int64_t>(value));
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.6f", value);
  std::string text = buffer;
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

namespace {

// The digits of |value| x 10^places rounded half away from zero, the value taken at 15
// significant digits; "0" for zero.
std::string scaled_digits(double value, int places) {
  constexpr int significant = 15;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, std::fabs(value));
  const std::string_view text = buffer;
  std::string mantissa;
  std::size_t e = 0;
  for (; e < text.size() && text[e] != 'e'; ++e)
    if (text[e] >= '0' && text[e] <= '9') mantissa += text[e];
  const int exponent = e < text.size() ? std::atoi(buffer + e + 1) : 0;
  // mantissa x 10^shift is the scaled value.
  const int shift = exponent - (significant - 1) + places;
  std::string out;
  if (shift >= 0) {
    out = mantissa + std::string(static_cast<std::size_t>(shift), '0');
  } else {
    const int kept = significant + shift;  // digits left of the cut
    out = kept > 0 ? mantissa.substr(0, static_cast<std::size_t>(kept)) : std::string();
    const char next = kept >= 0 && kept < significant ? mantissa[static_cast<std::size_t>(kept)] : '0';
    if (next >= '5') {
      std::size_t i = out.size();
      while (i > 0 && out[i - 1] == '9') out[--i] = '0';
      if (i == 0) out.insert(out.begin(), '1');
      else ++out[i - 1];
    }
  }
  const std::size_t first = out.find_first_not_of('0');
  return first == std::string::npos ? "0" : out.substr(first);
}

}  // namespace

std::string pattern_number(double value, std::string_view pattern) {
  if (!std::isfinite(value)) value = 0;
  const std::size_t point = pattern.find('.');
  const std::string_view before = pattern.substr(0, point);
  const std::string_view after = point == std::string_view::npos ? std::string_view() : pattern.substr(point + 1);
  const std::size_t places = after.size();
  const std::size_t least_places = after.find_last_of('0') == std::string_view::npos ? 0 : after.find_last_of('0') + 1;
  const std::size_t least_digits = static_cast<std::size_t>(std::count(before.begin(), before.end(), '0'));

  std::string digits = scaled_digits(value, static_cast<int>(places));
  if (digits.size() <= places) digits.insert(0, places + 1 - digits.size(), '0');
  std::string whole = digits.substr(0, digits.size() - places);
  std::string decimals = digits.substr(digits.size() - places);
  if (whole == "0") whole.clear();
  if (whole.size() < least_digits) whole.insert(0, least_digits - whole.size(), '0');
  while (decimals.size() > least_places && decimals.back() == '0') decimals.pop_back();

  const bool negative = value < 0 && digits.find_first_not_of('0') != std::string::npos;
  std::string out = negative ? "-" + whole : whole;
  if (!decimals.empty() || (point != std::string_view::npos && least_places > 0)) out += "." + decimals;
  return out;
}

std::string grouped(std::int64_t amount) {
  const bool negative = amount < 0;
  std::string digits = std::to_string(amount);
  if (negative) digits.erase(0, 1);
  std::string out;
  const std::size_t n = digits.size();
  for (std::size_t i = 0; i < n; ++i) {
    out += digits[i];
    const std::size_t left = n - i - 1;
    if (left > 0 && left % 3 == 0) out += ',';
  }
  return negative ? "-" + out : out;
}

std::string money_text(std::int64_t amount) {
  if (amount < 0) return "-$" + grouped(-amount);
  return "$" + grouped(amount);
}

namespace {

// Does the pattern item at `pi` (not a '*') match the character? `next` is the item after it.
bool item_matches(char c, std::string_view pat, std::size_t pi, std::size_t& next) {
  const char p = pat[pi];
  next = pi + 1;
  if (p == '?') return true;
  if (p == '#') return c >= '0' && c <= '9';
  if (p != '[') return c == p;
  const std::size_t close = pat.find(']', pi + 1);
  if (close == std::string_view::npos) return c == '[';  // a lone '[' matches itself
  next = close + 1;
  std::string_view set = pat.substr(pi + 1, close - pi - 1);
  const bool negate = !set.empty() && set[0] == '!';
  if (negate) set.remove_prefix(1);
  bool found = false;
  for (std::size_t k = 0; k < set.size(); ++k) {
    if (k + 2 < set.size() && set[k + 1] == '-') {
      if (c >= set[k] && c <= set[k + 2]) found = true;
      k += 2;
    } else if (set[k] == c) {
      found = true;
    }
  }
  return found != negate;
}

}  // namespace

// Every item but '*' matches exactly one character, so when a match fails only the last '*'
// needs to take one more character: no backtracking beyond it, and no run-away on patterns
// such as "a*a*a*a*b".
bool like(std::string_view text, std::string_view pat) {
  constexpr std::size_t none = std::string_view::npos;
  std::size_t t = 0, p = 0, star = none, star_text = 0;
  while (t < text.size()) {
    if (p < pat.size() && pat[p] == '*') {
      while (p < pat.size() && pat[p] == '*') ++p;
      if (p == pat.size()) return true;
      star = p;
      star_text = t;
      continue;
    }
    std::size_t next = 0;
    if (p < pat.size() && item_matches(text[t], pat, p, next)) {
      ++t;
      p = next;
      continue;
    }
    if (star == none) return false;
    p = star;
    t = ++star_text;
  }
  while (p < pat.size() && pat[p] == '*') ++p;
  return p == pat.size();
}


std::string listed(std::string heading, const std::vector<std::string>& items, std::size_t shown) {
  for (std::size_t i = 0; i < items.size() && i < shown; ++i) heading += "\n  " + items[i];
  if (items.size() > shown) heading += "\n  and " + std::to_string(items.size() - shown) + " more.";
  return heading;
}

bool contains(std::string_view text, std::string_view part) {
  return !part.empty() && text.find(part) != std::string_view::npos;
}

std::string quoted_excerpt(std::string_view text, std::size_t longest) {
  const bool cut = text.size() > longest;
  if (cut) text = text.substr(0, longest);
  std::string out = "\"";
  for (const char ch : text) out += storable_text(std::string_view(&ch, 1)) ? ch : '?';
  out += cut ? "...\"" : "\"";
  return out;
}

std::int64_t clamp_int(std::int64_t value, std::int64_t lo, std::int64_t hi) {
  return value < lo ? lo : (value > hi ? hi : value);
}

namespace {
bool letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
}  // namespace

std::string for_gender(std::string text, bool female) {
  if (!female) return text;
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size();) {
    if (!letter(text[i])) {
      out += text[i++];
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && letter(text[end])) ++end;
    const std::string_view word(text.data() + i, end - i);
    if (word == "He") out += "She";
    else if (word == "he") out += "she";
    else if (word == "his" || word == "him") out += "her";
    else if (word == "His" || word == "Him") out += "Her";
    else out += word;
    i = end;
  }
  return out;
}

bool storable_text(std::string_view text) {
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) return false;
  }
  return true;
}

}  // namespace rv

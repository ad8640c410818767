#include "state/text.h"

#include <cmath>
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
  if (v >= 9.0e18) return INT64_MAX;
  if (v <= -9.0e18) return INT64_MIN;
  return static_cast<std::int64_t>(v);
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

bool like_at(std::string_view text, std::size_t ti, std::string_view pat, std::size_t pi) {
  while (pi < pat.size()) {
    const char p = pat[pi];
    if (p == '*') {
      while (pi < pat.size() && pat[pi] == '*') ++pi;
      if (pi == pat.size()) return true;
      for (std::size_t k = ti; k <= text.size(); ++k) {
        if (like_at(text, k, pat, pi)) return true;
      }
      return false;
    }
    if (ti >= text.size()) return false;
    const char c = text[ti];
    if (p == '?') {
      ++ti;
      ++pi;
    } else if (p == '#') {
      if (c < '0' || c > '9') return false;
      ++ti;
      ++pi;
    } else if (p == '[') {
      const std::size_t close = pat.find(']', pi + 1);
      if (close == std::string_view::npos) {  // a lone '[' matches itself
        if (c != '[') return false;
        ++ti;
        ++pi;
        continue;
      }
      std::string_view set = pat.substr(pi + 1, close - pi - 1);
      bool negate = !set.empty() && set[0] == '!';
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
      if (found == negate) return false;
      ++ti;
      pi = close + 1;
    } else {
      if (c != p) return false;
      ++ti;
      ++pi;
    }
  }
  return ti == text.size();
}

}  // namespace

bool like(std::string_view text, std::string_view pattern) { return like_at(text, 0, pattern, 0); }

bool contains(std::string_view text, std::string_view part) {
  return !part.empty() && text.find(part) != std::string_view::npos;
}

std::int64_t clamp_int(std::int64_t value, std::int64_t lo, std::int64_t hi) {
  return value < lo ? lo : (value > hi ? hi : value);
}

}  // namespace rv

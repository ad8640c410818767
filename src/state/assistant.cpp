#include "state/assistant.h"

#include <array>
#include <optional>

namespace rv {

namespace {

constexpr std::array<std::string_view, 3> position_words = {"lower", "mid", "upper"};

std::string_view on_off(bool on) { return on ? "on" : "off"; }

std::string_view policy_word(OfferPolicy p) {
  switch (p) {
    case OfferPolicy::decline_all: return "decline";
    case OfferPolicy::accept_above: return "accept";
    case OfferPolicy::player: break;
  }
  return "off";
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// The keys in the order a file lists them.
enum class Key { renewals, signings, rival_offers, booking, wage_budget, renew_from, roster_size, accept_above, keep_stars };
constexpr std::array<std::string_view, 9> key_names = {"renewals",    "signings",   "rival_offers", "booking",
                                                       "wage_budget", "renew_from", "roster_size",  "accept_above",
                                                       "keep_stars"};

std::optional<Key> key_named(std::string_view word) {
  for (std::size_t k = 0; k < key_names.size(); ++k)
    if (key_names[k] == word) return static_cast<Key>(k);
  return std::nullopt;
}

// A whole number within `r`, or why not.
Result<Num> number_in(std::string_view value, Range r, std::string_view what) {
  if (value.starts_with('-') && whole_number(value)) return Failure{std::string(what) + " cannot be below zero."};
  if (!whole_number(value) || value.size() > 15) return Failure{std::string(what) + " must be a whole number."};
  const Num n = leading_int(value);
  if (!r.holds(n)) return Failure{std::string(what) + " must be from " + to_text(r.lo) + " to " + to_text(r.hi) + "."};
  return n;
}

// Sets one key from its value; the reason when the value cannot be taken.
Status take(AssistantChoices& c, Key key, std::string_view value) {
  auto area = [&](bool& on) -> Status {
    if (value != "on" && value != "off") return Failure{"the value must be on or off."};
    on = value == "on";
    return success();
  };
  switch (key) {
    case Key::renewals: return area(c.renewals);
    case Key::signings: return area(c.signings);
    case Key::booking: return area(c.booking);
    case Key::keep_stars: return area(c.keep_stars);
    case Key::rival_offers:
      if (value == "off") c.offers = OfferPolicy::player;
      else if (value == "decline") c.offers = OfferPolicy::decline_all;
      else if (value == "accept") c.offers = OfferPolicy::accept_above;
      else return Failure{"the value must be off, decline or accept."};
      return success();
    case Key::renew_from:
      for (std::size_t p = 0; p < position_words.size(); ++p) {
        if (position_words[p] != value) continue;
        c.renew_from = static_cast<int>(p) + 1;
        return success();
      }
      return Failure{"the value must be lower, mid or upper."};
    case Key::wage_budget: {
      auto n = number_in(value, wage_budget_range, "the wage budget");
      if (!n) return Failure{n.error()};
      c.wage_budget = *n;
      return success();
    }
    case Key::roster_size: {
      auto n = number_in(value, roster_size_range, "the roster size");
      if (!n) return Failure{n.error()};
      c.roster_size = static_cast<int>(*n);
      return success();
    }
    case Key::accept_above: {
      auto n = number_in(value, accept_above_range, "the amount");
      if (!n) return Failure{n.error()};
      c.accept_above = *n;
      return success();
    }
  }
  return success();
}

}  // namespace

std::string_view card_position_name(int position) {
  switch (position) {
    case 2: return "Mid Card";
    case 3: return "Upper Card";
    default: return "Lower Card";
  }
}

Lines assistant_lines(const AssistantChoices& c) {
  const auto word = position_words[static_cast<std::size_t>(c.renew_from >= 1 && c.renew_from <= 3 ? c.renew_from - 1 : 0)];
  Lines out = {"renewals " + std::string(on_off(c.renewals)),
               "signings " + std::string(on_off(c.signings)),
               "rival_offers " + std::string(policy_word(c.offers)),
               "booking " + std::string(on_off(c.booking)),
               "wage_budget " + to_text(c.wage_budget),
               "renew_from " + std::string(word),
               "roster_size " + to_text(c.roster_size),
               "accept_above " + to_text(c.accept_above)};
  if (c.keep_stars) out.push_back("keep_stars on");
  return out;
}

Result<AssistantChoices> read_assistant(const Lines& lines) {
  AssistantChoices c;
  std::array<bool, key_names.size()> seen{};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string where = "Line " + std::to_string(i + 1) + ": ";
    const std::string_view line = trimmed(lines[i]);
    if (line.empty() || line.starts_with('#')) continue;
    if (!storable_text(line)) return Failure{where + "the line holds characters a choice cannot."};
    const std::size_t gap = line.find_first_of(" \t");
    const std::string_view word = line.substr(0, gap);
    const std::string_view value = gap == std::string_view::npos ? std::string_view{} : trimmed(line.substr(gap));
    const auto key = key_named(word);
    if (!key) return Failure{where + "unknown key " + quoted_excerpt(word) + "."};
    const auto k = static_cast<std::size_t>(*key);
    if (seen[k]) return Failure{where + std::string(word) + " is given twice."};
    seen[k] = true;
    if (value.empty()) return Failure{where + std::string(word) + " needs a value."};
    if (const Status s = take(c, *key, value); !s) return Failure{where + std::string(word) + ": " + s.error()};
  }
  return c;
}

}  // namespace rv

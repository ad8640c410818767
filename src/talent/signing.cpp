#include "talent/signing.h"

#include <algorithm>
#include <cmath>

#include "state/date.h"
#include "state/ranges.h"
#include "talent/release.h"

namespace rv {

namespace {

// E + E x factor, rounded down.
// Int(e + e x percent / 100) worked in whole numbers: a factor such as 0.7 has no exact binary
// form, and e x 1.7 in floating point can land a hair under a whole result and lose a dollar.
Num raised(Num e, Num percent) {
  const Num m = 100 + percent;  // never below 0: no factor takes more than the whole
  // e x m / 100 split as (100q + r) x m / 100, so that only q x m can grow large; both parts share
  // e's sign, so cutting the second part cuts the whole toward zero as Int does.
  return add_sat(mul_sat(e / 100, m), (e % 100) * m / 100);
}

std::string signing_reply(bool wages, bool role, bool length) {
  const int key = (wages ? 4 : 0) + (role ? 2 : 0) + (length ? 1 : 0);
  const std::string lead = " has rejected your contract offer. He was not happy with ";
  switch (key) {
    case 0: return lead + "any of the contract.";
    case 3: return lead + "the wages you offered.";
    case 5: return lead + "the role you offered.";
    case 6: return lead + "the length of the contract.";
    case 4: return lead + "the length of the contract, or the role you offered.";
    case 2: return lead + "the length of the contract, or the wages you offered.";
    default: return lead + "the role or the wages you offered.";
  }
}

bool not_interested(const SigningContext& who) {
  const Num s = who.player_size, w = who.pop;
  return (who.owner_size && *who.owner_size - s >= 3) || (s == 1 && w >= 75) || (s <= 2 && w >= 80) ||
         (s <= 3 && w >= 85) || (s <= 4 && w >= 95);
}

bool length_taken(const SigningContext& who, int years) {
  if (who.owner_size && *who.owner_size > who.player_size) return years <= 2;
  if (who.owner_size && *who.owner_size == who.player_size) return years <= 3;
  return true;
}

bool role_taken(const SigningContext& who, int role) {
  if (who.retired) return true;
  if (who.pop >= who.level) return role == 3;
  if (who.pop >= who.level - 10) return role != 1;
  return true;
}

}  // namespace

std::string_view standing_in(Num w, Num t) {
  if (w >= t) return "upper";
  if (w >= t - 10) return "mid";
  return "lower";
}

Num contract_value(const Store& store, std::size_t row) { return release_cost(store, row); }

Num asking_price(Num value, Num w, Num t) {
  struct Band {
    Num above;    // the band holds t + above < w
    Num percent;  // the factor in hundredths
  };
  static constexpr Band bands[] = {{20, 80},  {15, 70},  {10, 60}, {5, 50},  {0, 40},  {-5, 30},
                                   {-10, 20}, {-15, 10}, {-20, 5}, {-25, 2}, {-30, 0}};
  Num percent = -5;
  for (const auto& b : bands) {
    if (w > t + b.above) {
      percent = b.percent;
      break;
    }
  }
  return raised(value, percent);
}

std::size_t owner_count(const Store& store, std::size_t owner) {
  const std::string& initials = store.promotion(owner).initials();
  std::size_t n = 0;
  for (std::size_t r = 0; r < store.worker_count(); ++r) {
    const auto w = store.worker(r);
    if (w.promotion() == initials && w.retire() != retire::retired) ++n;
  }
  return n;
}

bool owner_willing(Num owner_size, Num player_size, std::string_view standing, std::size_t count) {
  if (owner_size == 6 && player_size >= 4) {
    if (standing != "lower") return false;
    return count > 10;
  }
  if (standing == "upper") return count > 10;
  return count > 5;
}

Num signing_wage(Num w, Num morale, Num player_size, std::optional<Num> owner_size) {
  struct Band {
    Num above;
    Num wage;
  };
  static constexpr Band bands[] = {{95, 12000}, {90, 9000}, {85, 8000}, {80, 6000}, {75, 3000},
                                   {70, 1000},  {65, 750},  {60, 500},  {55, 300},  {50, 200}};
  Num e = 100;
  for (const auto& b : bands) {
    if (w > b.above) {
      e = b.wage;
      break;
    }
  }
  if (!owner_size) return e;  // nobody to compare with
  const Num d = player_size - *owner_size;
  if (morale > 60) {
    if (d == 0) return raised(e, 5);
    if (d == -1) return raised(e, 20);
    if (d == -2) return raised(e, 40);
    return e;
  }
  if (d >= 2) return raised(e, -10);
  if (d == 1) return raised(e, -5);
  if (d == -2) return raised(e, 20);
  return e;
}

SigningContext signing_context(const Store& store, std::size_t row) {
  const auto w = store.worker(row);
  SigningContext c;
  c.name = w.name();
  c.female = w.is_female();
  c.pop = w.pop();
  c.retired = w.retire() == retire::retired;
  if (const auto owner = store.find_promotion(w.promotion())) c.owner_size = store.promotion(*owner).size_level();
  if (const auto p = store.player_index()) {
    const auto promo = store.promotion(*p);
    c.player_size = promo.size_level();
    c.level = promo.reference_level();
    c.popularity = promo.popularity();
    c.promotion_name = promo.full_name();
  }
  c.expected = signing_wage(c.pop, w.morale(), c.player_size, c.owner_size);
  return c;
}

OfferJudgement judge_signing(const SigningContext& who, const SigningTerms& offer, Rng& rng) {
  OfferJudgement j;
  if (not_interested(who)) {
    j.early_refusal = true;
    j.reply = who.name + " is not interested in signing for your promotion.";
    return j;
  }
  const bool length = length_taken(who, offer.years);
  const bool wages = offer.wages >= who.expected;
  const bool role = role_taken(who, offer.role);
  if (!(wages && role && length)) {
    j.reply = who.name + for_gender(signing_reply(wages, role, length), who.female);
    return j;
  }
  if (who.popularity < 60 && rng.one_in(2)) {
    j.reply = who.name + " has decided to turn down your contract offer.";
    return j;
  }
  j.accepted = true;
  j.reply = who.name + " has signed your contract, and is now a part of " + who.promotion_name + ".";
  return j;
}

SigningAsk signing_asks(const SigningContext& who) {
  SigningAsk a;
  a.interested = !not_interested(who);
  a.wages = who.expected;
  a.role = 3;
  for (int role = 2; role >= 1; --role)
    if (role_taken(who, role)) a.role = role;
  a.longest_years = 1;
  for (int years = longest_contract_years; years > 1 && a.longest_years == 1; --years)
    if (length_taken(who, years)) a.longest_years = years;
  a.may_turn_down = who.popularity < 60;
  return a;
}

Result<Signing> Signing::approach(const Store& store, std::size_t row) {
  if (row >= store.worker_count()) return Failure{"That worker is not in the game."};
  const auto w = store.worker(row);
  if (offer_pending(store, w.name())) return Failure{"You are already waiting on a reply from " + w.name() + "."};
  if (w.promotion() == store.md(md::player_initials)) return Failure{w.name() + " already works for your promotion."};
  Signing s;
  s.name_ = w.name();
  s.female_ = w.is_female();
  s.terms_.role = static_cast<int>(std::clamp<Num>(leading_int(w.roles()), 1, 3));
  s.terms_.disposition = w.faceheel() == alignment::heel ? std::string(alignment::heel) : std::string(alignment::face);
  const std::string role(role_name(w.roles()));
  s.owner_ = store.find_promotion(w.promotion());
  if (!s.owner_) {
    s.description_ = "Currently not under contract to a promotion. Works as a " + role + ".";
    s.current_wages_ = "N/A";
    s.note_ = "As " + s.name_ + for_gender(" is not contracted to any promotion, you are able to negotiate directly with him. ", s.female_) +
              "Please put together your contract offer for " + s.name_ + " below.";
    return s;
  }
  const auto owner = store.promotion(*s.owner_);
  s.owner_initials_ = owner.initials();
  s.mode_ = Mode::buy_out;
  s.value_ = contract_value(store, row);
  s.buy_out_ = s.value_;
  s.description_ = "Currently under contract to " + owner.initials() + " until " + w.expires() + ". Works as a " + role + ".";
  s.current_wages_ = money_text(w.wages()) + " Per Week";
  const std::string& o = owner.full_name();
  s.note_ = s.name_ + " is currently under contract to " + o + ". " + o + for_gender(" value his contract at $", s.female_) +
            grouped(s.value_) + ". How much will you offer " + o + " to speak to " + s.name_ + "?";
  return s;
}

std::string Signing::amount_text() const {
  return money_text(amount()) + (mode_ == Mode::contract ? " Per Week" : "");
}

void Signing::amount_down(Num step) {
  Num& a = mode_ == Mode::contract ? terms_.wages : buy_out_;
  a = a > step ? a - step : 0;
}

void Signing::amount_up(Num step) {
  Num& a = mode_ == Mode::contract ? terms_.wages : buy_out_;
  a = std::min(a + step, mode_ == Mode::contract ? range::wage.hi : range::money_amount.hi);
}

Status Signing::set_amount(std::string_view text) {
  const bool digits = !text.empty() && text.size() <= 13 &&
                      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits) return Failure{"The amount must be a whole number of dollars."};
  const Num v = leading_int(text);
  const Num most = mode_ == Mode::contract ? range::wage.hi : range::money_amount.hi;
  if (v > most) return Failure{"No offer can be more than $" + grouped(most) + "."};
  (mode_ == Mode::contract ? terms_.wages : buy_out_) = v;
  return success();
}

void Signing::toggle_disposition() {
  terms_.disposition = terms_.disposition == alignment::face ? std::string(alignment::heel) : std::string(alignment::face);
}

void Signing::set_disposition(std::string_view disposition) {
  if (disposition == alignment::face || disposition == alignment::heel) terms_.disposition = std::string(disposition);
}

std::optional<std::string> Signing::buy_out_warning(const Store& store) const {
  const auto player = store.player_index();
  if ((mode_ != Mode::buy_out && mode_ != Mode::refused) || !player) return std::nullopt;
  const Num balance = store.promotion(*player).balance();
  if (buy_out_ <= balance) return std::nullopt;
  return "Offering " + money_text(buy_out_) + " is more than your balance of " + money_text(balance) +
         ": if " + name_ + " signs, paying it will leave the promotion in debt.\nMake the offer anyway?";
}

Status Signing::confirm_offer(const Store& store) {
  if (mode_ != Mode::buy_out && mode_ != Mode::refused) return Failure{"There is no buy-out offer to confirm."};
  const auto row = store.find_worker(name_);
  const auto player = store.player_index();
  if (!row || !owner_ || !player || store.worker(*row).promotion() != owner_initials_) {
    return Failure{name_ + " is no longer under contract to " + owner_initials_ + "."};
  }
  const auto owner = store.promotion(*owner_);
  const auto w = store.worker(*row);
  const auto standing = standing_in(w.pop(), owner.reference_level());
  const std::string& o = owner.full_name();
  if (!owner_willing(owner.size_level(), store.promotion(*player).size_level(), standing, owner_count(store, *owner_))) {
    note_ = o + " are not interested in negotiating with you over " + name_ + "'s contract.";
    mode_ = Mode::refused;
  } else if (buy_out_ >= asking_price(value_, w.pop(), owner.reference_level())) {
    note_ = o + " will let you speak with " + name_ +
            for_gender(" on the understanding that should he decide to sign a contract with your promotion, you will be required to pay ",
                       female_) +
            o + " the sum of $" + grouped(buy_out_) + ".";
    agreed_ = buy_out_;
    mode_ = Mode::agreed;
  } else {
    note_ = o + " have rejected your offer to speak to " + name_ + ".";
    mode_ = Mode::refused;
  }
  return success();
}

void Signing::begin_talks() {
  if (mode_ != Mode::agreed) return;
  mode_ = Mode::contract;
  note_ = "Please put together your contract offer for " + name_ + " below.";
}

void Signing::negotiate() {
  if (mode_ != Mode::refused) return;
  mode_ = Mode::buy_out;
  note_ = "Either improve your offer for " + name_ + ", or cancel negotiations.";
}

Result<std::string> Signing::offer_contract(Game& game) {
  Store& s = game.store;
  if (mode_ != Mode::contract) return Failure{"The contract cannot be offered yet."};
  const auto row = s.find_worker(name_);
  if (!row) return Failure{name_ + " is no longer in the game."};
  if (offer_pending(s, name_)) return Failure{"You are already waiting on a reply from " + name_ + "."};
  const auto j = judge_signing(signing_context(s, *row), terms_, game.rng);
  append_record(s.negotiations, {name_, s.worker(*row).promotion(), to_text(terms_.wages), to_text(terms_.role),
                                 month_year(current_date(s), terms_.years), terms_.disposition, j.accepted ? "4" : "3",
                                 "0", agreed_ ? to_text(*agreed_) : "", j.reply});
  mode_ = Mode::offered;
  return name_ + for_gender(" will consider your offer of a contract and will let you know his decision shortly.", female_);
}

}  // namespace rv

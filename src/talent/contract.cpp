#include "talent/contract.h"

#include <algorithm>
#include <vector>

#include "state/date.h"
#include "state/inbox.h"
#include "state/ledger.h"
#include "state/ranges.h"
#include "talent/release.h"

namespace rv {

namespace {

// A worker's answer in one band of morale: 0 never, 1 always, k a chance of 1 in k.
struct MoraleBand {
  Num from;
  int odds;
};
// One row of the wage judgement: the offer's distance above the expected wage, in whole
// percent, from `above` (exclusive) up to `upto` (inclusive); the morale bonus it earns; the
// bands of morale, lowest first.
struct WageRow {
  Num above;
  Num upto;
  Num bonus;
  std::vector<MoraleBand> bands;
};

constexpr Num far_below = -1'000'000'000;
constexpr Num far_above = 1'000'000'000;

// An offer exactly at the expected wage has a row of its own; below it, a band of p runs from
// `above`+1 to `upto` as well, so -5 <= p < 0 is the row (-6, -1].
const std::vector<WageRow>& wage_rows() {
  static const std::vector<WageRow> rows = {
      {50, far_above, 30, {{0, 1}}},
      {40, 50, 25, {{0, 1}}},
      {30, 40, 20, {{0, 1}}},
      {20, 30, 0, {{0, 0}, {30, 2}, {40, 1}}},
      {10, 20, 0, {{0, 0}, {40, 2}, {50, 1}}},
      {5, 10, 0, {{0, 0}, {50, 2}, {60, 1}}},
      {0, 5, 0, {{0, 0}, {60, 3}, {70, 1}}},
      {-6, -1, 0, {{0, 0}, {70, 4}, {80, 3}, {85, 2}}},
      {-11, -6, 0, {{0, 0}, {70, 6}, {80, 4}, {85, 3}, {90, 2}}},
      {-16, -11, 0, {{0, 0}, {80, 6}, {85, 4}, {90, 3}}},
      {-21, -16, 0, {{0, 0}, {85, 6}, {90, 4}, {95, 3}}},
      {far_below, -21, 0, {{0, 0}}},
  };
  return rows;
}
const WageRow exact_offer_row{0, 0, 0, {{0, 0}, {70, 2}, {80, 1}}};

// The odds the worker's mood gives in these bands: 0 never, 1 always, k a chance of 1 in k.
int odds_in(const std::vector<MoraleBand>& bands, Num morale) {
  int odds = 0;
  for (const auto& b : bands) {
    if (morale >= b.from) odds = b.odds;
  }
  return odds;
}

// Draws only for a chance: "never" and "always" take nothing from the generator.
bool decide(int odds, Rng& rng) {
  if (odds <= 1) return odds == 1;
  return rng.one_in(odds);
}

// Whole percent by which the offer lies above (or below) the expected wage, rounded down.
Num percent_above(Num offer, Num expected) {
  const Num diff = (offer - expected) * 100;
  Num q = diff / expected;
  if (diff % expected != 0 && diff < 0) --q;
  return q;
}

// How surely the worker takes this wage; adds the morale bonus it earns.
int wage_odds(const OfferContext& who, Num offer, Num& bonus) {
  const Num expected = expected_wage(who.pop);
  if (offer == expected) return odds_in(exact_offer_row.bands, who.morale);
  const Num p = percent_above(offer, expected);
  if (p == 0) return 1;  // less than one percent above: no row takes it
  for (const auto& row : wage_rows()) {
    if (p > row.above && p <= row.upto) {
      bonus += row.bonus;
      return odds_in(row.bands, who.morale);
    }
  }
  return 1;
}

// How surely the worker takes this role, before a non-wrestler's or a retiring worker's
// indifference; sets the morale bonus it earns.
int role_odds(const OfferContext& who, int role, Num& bonus) {
  const Num w = who.pop, l = who.level;
  if (role == 1) return w < l - 15 ? 1 : w < l - 10 ? 2 : 0;
  if (role == 2) {
    if (w < l - 15) bonus = 10;
    else if (w < l - 10) bonus = 5;
    else if (w >= l - 5) return w < l ? 2 : 0;
    return 1;
  }
  if (w < l - 15) bonus = 15;
  else if (w < l - 10) bonus = 10;
  return 1;
}

bool judge_wages(const OfferContext& who, Num offer, Num& bonus, Rng& rng) { return decide(wage_odds(who, offer, bonus), rng); }

bool judge_role(const OfferContext& who, int role, Num& bonus, Rng& rng) {
  // The chance is drawn even for a worker who takes any role, as it always was.
  const bool yes = decide(role_odds(who, role, bonus), rng);
  return yes || who.any_role;
}

bool judge_length(const OfferContext& who, int years) {
  if (who.level - 5 > who.pop) return true;
  const Num q = who.popularity;
  if (q < 60) return years == 1;
  if (q < 70) return years <= 2;
  if (q < 80) return years != 5;
  return true;
}

bool prefers_current_deal(const OfferContext& who, int years) {
  return years == 1 && who.weeks_left > 100 && who.morale > 75;
}

std::string verdict_reply(bool wages, bool role, bool length) {
  const int key = (wages ? 4 : 0) + (role ? 2 : 0) + (length ? 1 : 0);
  switch (key) {
    case 7: return " has accepted your offer of a new contract.";
    case 0:
      return " has rejected your contract offer for the following reasons: 1) He expects higher wages than you "
             "offered, 2) He is not happy with the role you have offered, and 3) He is not willing to agree to long "
             "term contract with the current state of the company.";
    case 1:
      return " has rejected your offer of a new contract. He did not feel that you offered fair wages and was not "
             "happy with the role you offered him.";
    case 2:
      return " has rejected your offer of a new contract. He expects higher wages and does not want to commit to a "
             "long term contract at this time.";
    case 4:
      return " has rejected your offer of a new contract. He is not happy with the role you offered him and does not "
             "want to commit to a long term contract at this time.";
    case 3: return " has rejected your offer of a new contract. He is not happy with the wages you offered.";
    case 5: return " has rejected your offer of a new contract. He is not happy with the role you offered.";
    default: return " has rejected your offer of a new contract. He does not want to commit to a long term contract.";
  }
}

}  // namespace

std::string_view role_name(std::string_view code) {
  const Num r = std::clamp<Num>(leading_int(code), 1, 3);
  return role_names[static_cast<std::size_t>(r - 1)];
}

std::string length_name(int years) { return std::to_string(years) + (years == 1 ? " Year" : " Years"); }

std::string weekly_wage_text(Num wages) { return money_text(wages) + " Per Week"; }

Num expected_wage(Num w) {
  struct Band {
    Num above;
    Num wage;
  };
  static constexpr Band bands[] = {{95, 12000}, {90, 9000}, {85, 7000}, {80, 5000}, {75, 2500},
                                   {70, 1000},  {65, 750},  {60, 500},  {55, 300},  {50, 200}};
  for (const auto& b : bands) {
    if (w > b.above) return b.wage;
  }
  return 100;
}

OfferContext offer_context(const Store& store, std::size_t row) {
  const auto w = store.worker(row);
  OfferContext c;
  c.name = w.name();
  c.female = w.is_female();
  c.pop = w.pop();
  c.morale = w.morale();
  c.any_role = w.ringstyle() == non_worker || w.retire() == retire::retired || w.retire() == retire::retiring;
  if (const auto p = store.player_index()) {
    c.level = store.promotion(*p).reference_level();
    c.popularity = store.promotion(*p).popularity();
  }
  c.weeks_left = weeks_left(store, row);
  return c;
}

OfferJudgement judge_offer(const OfferContext& who, const OfferTerms& offer, Rng& rng) {
  OfferJudgement j;
  if (prefers_current_deal(who, offer.years)) {
    j.early_refusal = true;
    j.reply = who.name + for_gender(" has rejected your contract offer. He would prefer to stay on his current "
                                    "contract rather than sign a shorter deal.",
                                    who.female);
    return j;
  }
  const bool role = judge_role(who, offer.role, j.morale_bonus, rng);
  const bool length = judge_length(who, offer.years);
  const bool wages = judge_wages(who, offer.wages, j.morale_bonus, rng);
  if (who.level < who.pop && who.morale < 70 && who.popularity < 60 && rng.one_in(3)) {
    j.early_refusal = true;
    j.morale_bonus = 0;
    j.reply = who.name + for_gender(" has rejected your contract offer. He does not want to agree another contract "
                                    "with the company in its current state.",
                                    who.female);
    return j;
  }
  j.accepted = wages && role && length;
  j.reply = who.name + for_gender(verdict_reply(wages, role, length), who.female);
  return j;
}

AskingTerms asking_terms(const OfferContext& who) {
  AskingTerms a;
  Num unused = 0;
  // Every wage above half as much again over the expected one is taken, so the search ends.
  while (wage_odds(who, a.wages, unused) != 1) ++a.wages;
  a.role = 3;
  for (int role = 1; role < 3 && a.role == 3; ++role) {
    if (who.any_role || role_odds(who, role, unused) == 1) a.role = role;
  }
  a.shortest_years = prefers_current_deal(who, 1) ? 2 : 1;
  a.longest_years = 1;
  for (int years = longest_contract_years; years > 1 && a.longest_years == 1; --years) {
    if (judge_length(who, years)) a.longest_years = years;
  }
  a.may_refuse_company = who.level < who.pop && who.morale < 70 && who.popularity < 60;
  return a;
}

ContractOffer::ContractOffer(const Store& store, std::size_t row) {
  const auto w = store.worker(row);
  terms_.wages = w.wages();
  terms_.role = static_cast<int>(std::clamp<Num>(leading_int(w.roles()), 1, 3));
}

void ContractOffer::wage_up(Num step) { terms_.wages = std::min(terms_.wages + step, range::wage.hi); }

void ContractOffer::meet(const AskingTerms& asked) {
  terms_.wages = std::min(asked.wages, range::wage.hi);
  terms_.role = asked.role;
  terms_.years = std::max(asked.longest_years, asked.shortest_years);
}

Status ContractOffer::set_wages(std::string_view text) {
  const bool digits = !text.empty() && text.size() <= 12 &&
                      std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits) return Failure{"Wages must be a whole number of dollars per week."};
  const Num amount = leading_int(text);
  if (amount > range::wage.hi) return Failure{"No contract can pay more than $" + grouped(range::wage.hi) + " per week."};
  terms_.wages = amount;
  return success();
}

bool offer_pending(const Store& store, const std::string& name) {
  for (std::size_t b = 0; b + rec::negotiation <= store.negotiations.size(); b += rec::negotiation) {
    if (store.negotiations[b + neg::name] == name) return true;
  }
  return false;
}

std::optional<std::string> offer_refusal(const Store& store, std::size_t row) {
  const std::string& name = store.worker(row).name();
  if (offer_pending(store, name)) return name + " is already considering a contract offer from you.";
  return std::nullopt;
}

std::string new_worker_expiry(const Date& today) { return month_year(today, new_worker_contract_years); }

void apply_contract(Store& store, std::size_t row, const OfferTerms& offer, Num morale_bonus) {
  const auto w = store.worker(row);
  w.set_wages(offer.wages);
  w.set_roles(to_text(offer.role));
  w.set_indybookings(offer.indy ? "Yes" : "No");
  w.set_expires(month_year(current_date(store), offer.years));
  set_worker_morale(store, row, std::min<Num>(w.morale() + morale_bonus, 100), "Contract: re-signed");
}

Result<OfferOutcome> make_offer(Game& game, std::size_t row, const OfferTerms& offer) {
  Store& s = game.store;
  if (row >= s.worker_count()) return Failure{"That worker is not on the roster."};
  if (auto why = offer_refusal(s, row)) return Failure{std::move(*why)};
  if (offer.wages < 0 || offer.wages > range::wage.hi) return Failure{"Those wages cannot be offered."};
  const OfferContext who = offer_context(s, row);
  OfferOutcome out;
  out.judgement = judge_offer(who, offer, game.rng);
  const auto& j = out.judgement;
  out.message = who.name + " will consider your offer and come back to you shortly.";
  if (who.weeks_left >= 2) {
    const bool terms = !j.early_refusal;
    append_record(s.negotiations,
                  {who.name, s.md(md::player_initials), terms ? to_text(offer.wages) : "", terms ? to_text(offer.role) : "",
                   terms ? month_year(current_date(s), offer.years) : "", terms ? (offer.indy ? "Yes" : "No") : "",
                   j.accepted ? "4" : "3", "0", to_text(j.morale_bonus), j.reply});
    return out;
  }
  out.answered_now = true;
  post_info(s, "Front Office", "Your Contract Offer For " + who.name, j.reply);
  if (j.accepted) apply_contract(s, row, offer, j.morale_bonus);
  return out;
}

}  // namespace rv

#include "cycle/assistant.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "cycle/board.h"
#include "cycle/contracts.h"
#include "promotion/production.h"
#include "shows/showsteps.h"
#include "state/date.h"
#include "state/inbox.h"
#include "talent/answers.h"
#include "talent/contract.h"
#include "talent/release.h"
#include "talent/signing.h"

namespace rv {

namespace {

bool players_worker(const WorkerView& w, const std::string& initials) {
  return !initials.empty() && w.promotion() == initials;
}

int role_code(const WorkerView& w) { return static_cast<int>(std::clamp<Num>(leading_int(w.roles()), 1, 3)); }

// "a Mid Card Worker", "an Upper Card Worker".
std::string as_role(int role) {
  const std::string_view name = role_names[static_cast<std::size_t>(std::clamp(role, 1, 3) - 1)];
  return (name.front() == 'U' ? "as an " : "as a ") + std::string(name);
}

// A worker whose leaving would cost the promotion 10 popularity or more: one within five of the
// reference level, or above it.
bool leaving_costs_a_star(const Store& s, const WorkerView& w) {
  const auto player = s.player_index();
  return player && standing_popularity_change(w.pop(), s.promotion(*player).reference_level()) >= star_departure_cost;
}

void tell(Store& s, std::string subject, std::string body) {
  post_info(s, std::string(talent_head_name), std::move(subject), std::move(body));
}

}  // namespace

Num committed_wages(const Store& s) {
  const std::string& me = s.md(md::player_initials);
  Num bill = 0;
  const std::size_t n = s.worker_count();
  for (std::size_t r = 0; r < n; ++r) {
    const auto w = s.worker(r);
    if (players_worker(w, me)) bill = add_sat(bill, w.wages());
  }
  for (std::size_t b = 0; b + rec::negotiation <= s.negotiations.size(); b += rec::negotiation) {
    const RecordView offer(s.negotiations, b);
    const Num wages = read_within(offer.at(neg::wages), range::wage);
    const auto row = s.find_worker(offer.at(neg::name));
    if (offer.at(neg::from_promotion) != me) {
      bill = add_sat(bill, wages);
    } else if (row && !offer.at(neg::wages).empty()) {
      bill = add_sat(sub_sat(bill, s.worker(*row).wages()), wages);
    }
  }
  return bill;
}

int roster_with_pending(const Store& s) {
  int count = board_roster_size(s);
  const std::string& me = s.md(md::player_initials);
  for (std::size_t b = 0; b + rec::negotiation <= s.negotiations.size(); b += rec::negotiation)
    if (s.negotiations[b + neg::from_promotion] != me) ++count;
  return count;
}

bool bank_carries(const Store& s, Num weekly_bill) {
  const auto player = s.player_index();
  if (!player) return false;
  const auto p = s.promotion(*player);
  return sub_sat(p.balance(), mul_sat(weekly_bill, 4)) >= debt_limits(p.size_level()).dismissal;
}

AssistantChoices default_choices(const Store& s) {
  AssistantChoices c;
  c.renewals = c.signings = c.booking = true;
  c.offers = OfferPolicy::decline_all;
  c.renew_from = 1;
  c.keep_stars = true;
  const Num bill = committed_wages(s);
  c.wage_budget = within(std::max<Num>(bill + bill / 4, bill + 1000), wage_budget_range);
  c.roster_size = static_cast<int>(within(board_roster_size(s), roster_size_range));
  return c;
}

namespace {

// Why a contract due this month was not renewed, as the head of talent relations puts it.
std::string not_renewed_reason(const AssistantChoices& c, int role, Num asked, Num next_bill) {
  if (role < c.renew_from) return "below the " + std::string(card_position_name(c.renew_from)) + " you asked me to keep";
  if (next_bill > c.wage_budget)
    return "asks " + weekly_wage_text(asked) + ", which would take the wages past your budget of $" + grouped(c.wage_budget) + " a week";
  return "asks " + weekly_wage_text(asked) + ", more than the bank can carry";
}

}  // namespace

Num renewal_reserve(const Store& s) {
  if (!s.assistant.renewals) return 0;
  const std::string& me = s.md(md::player_initials);
  const std::string now = ending_this_month(s), next = ending_months_ahead(s, 1);
  Num reserve = 0;
  for (std::size_t r = 0; r < s.worker_count(); ++r) {
    const auto w = s.worker(r);
    if (!players_worker(w, me) || (w.expires() != now && w.expires() != next) || w.retire() == retire::retired ||
        w.retire() == retire::retiring || role_code(w) < s.assistant.renew_from || offer_pending(s, w.name()))
      continue;
    reserve = add_sat(reserve, std::max<Num>(0, sub_sat(asking_terms(offer_context(s, r)).wages, w.wages())));
  }
  return reserve;
}

Num default_budget(const Store& s, Num starting_budget) {
  const auto player = s.player_index();
  const Num share = player ? s.promotion(*player).balance() / 260 : 0;
  return within(std::max(starting_budget, share), wage_budget_range);
}

void renew_contracts(Game& game, StaffDay& day) {
  Store& s = game.store;
  const AssistantChoices& c = s.assistant;
  const Date today = current_date(s);
  if (!c.renewals || today.day % 7 != 0) return;
  const std::string me = s.md(md::player_initials);
  const std::string ending = ending_this_month(s);
  std::vector<std::size_t> due;
  for (std::size_t r = 0; r < s.worker_count(); ++r) {
    const auto w = std::as_const(s).worker(r);
    if (!players_worker(w, me) || w.expires() != ending || w.retire() == retire::retired || w.retire() == retire::retiring)
      continue;
    if (!offer_pending(s, w.name())) due.push_back(r);
  }
  std::stable_sort(due.begin(), due.end(), [&s](std::size_t a, std::size_t b) {
    return std::as_const(s).worker(a).pop() > std::as_const(s).worker(b).pop();
  });
  Num bill = committed_wages(s);
  std::vector<std::string> reasons(due.size());  // why each one was not offered, if he was not
  for (std::size_t i = 0; i < due.size(); ++i) {
    const std::size_t r = due[i];
    const auto w = std::as_const(s).worker(r);
    ContractOffer offer(s, r);
    offer.meet(asking_terms(offer_context(s, r)));
    const OfferTerms terms = offer.terms();
    const Num next_bill = add_sat(sub_sat(bill, w.wages()), terms.wages);
    const bool past_budget = next_bill > c.wage_budget && !(c.keep_stars && leaving_costs_a_star(s, w));
    if (role_code(w) < c.renew_from || past_budget || !bank_carries(s, next_bill)) {
      reasons[i] = w.name() + " " + not_renewed_reason(c, role_code(w), terms.wages, next_bill) + ".";
      continue;
    }
    const std::string name = w.name();
    if (!make_offer(game, r, terms)) continue;
    bill = committed_wages(s);  // an answer given at once has changed the wages already, or not
    tell(s, "Contract Offered To " + name,
         "I have offered " + name + " a new contract: " + weekly_wage_text(terms.wages) + " " + as_role(terms.role) + " for " + length_name(terms.years) + ".");
    day.renewed.push_back(name);
  }
  if (today.day != 28) return;
  std::string body;
  for (std::size_t i = 0; i < due.size(); ++i) {
    const auto w = std::as_const(s).worker(due[i]);
    if (w.expires() != ending || offer_pending(s, w.name())) continue;
    day.let_go.push_back(w.name());
    body += (body.empty() ? "" : " ") + (!reasons[i].empty() ? reasons[i] : w.name() + " turned down what I offered.");
  }
  if (day.let_go.empty()) return;
  NewMessage m;
  m.sender = std::string(talent_head_name);
  m.subject = "Contracts Left To Run Out";
  m.body = "These contracts will be left to run out at the end of the month:";
  m.body2 = std::move(body);
  post_message(s, current_full_date(s), m);
}

namespace {

// The roster's wrestlers by gender and by standing against the reference level.
struct RosterShape {
  int men = 0, women = 0, upper = 0, mid = 0, lower = 0;
};

RosterShape roster_shape(const Store& s, Num level) {
  RosterShape shape;
  const std::string& me = s.md(md::player_initials);
  for (std::size_t r = 0; r < s.worker_count(); ++r) {
    const auto w = s.worker(r);
    if (!players_worker(w, me) || w.retire() == retire::retired || w.ringstyle() == non_worker) continue;
    ++(w.is_female() ? shape.women : shape.men);
    const std::string_view standing = standing_in(w.pop(), level);
    ++(standing == "upper" ? shape.upper : standing == "mid" ? shape.mid : shape.lower);
  }
  return shape;
}

// How well a worker fills the card's gaps for a roster of `size`: 2 for a gender the card is short
// of (a sixth of the roster, four at least, are women), 1 for a standing it is short of (a fifth
// upper, three tenths mid, the rest lower).
int gap_score(const RosterShape& shape, int size, bool female, std::string_view standing) {
  const int women = std::max(4, size / 6), upper = std::max(2, size / 5), mid = std::max(3, size * 3 / 10);
  int score = 0;
  if (female ? shape.women < women : shape.men < size - women) score += 2;
  if (standing == "upper") score += shape.upper < upper ? 1 : 0;
  else if (standing == "mid") score += shape.mid < mid ? 1 : 0;
  else score += shape.lower < size - upper - mid ? 1 : 0;
  return score;
}

struct Candidate {
  std::size_t row = 0;
  SigningAsk ask;
  int score = -1;
  Num pop = -1;
};

// The free agent who best fills the gaps and whose asking wage the bill can take (`room`: the
// most wages that may be added; none for no budget).
std::optional<Candidate> best_free_agent(const Store& s, int size, std::optional<Num> room, Num bill) {
  const auto player = s.player_index();
  if (!player) return std::nullopt;
  const RosterShape shape = roster_shape(s, s.promotion(*player).reference_level());
  std::optional<Candidate> best;
  for (std::size_t r = 0; r < s.worker_count(); ++r) {
    const auto w = s.worker(r);
    if (w.promotion() != free_agent || w.ringstyle() == non_worker || w.retire() == retire::retired ||
        w.retire() == retire::retiring || w.injury() != not_injured || offer_pending(s, w.name()))
      continue;
    const SigningContext who = signing_context(s, r);
    const SigningAsk ask = signing_asks(who);
    if (!ask.interested || (room && ask.wages > *room) || !bank_carries(s, add_sat(bill, ask.wages))) continue;
    const int score = gap_score(shape, size, who.female, standing_in(who.pop, who.level));
    if (!best || score > best->score || (score == best->score && who.pop > best->pop)) best = Candidate{r, ask, score, who.pop};
  }
  return best;
}

// Offers the free agent what he asks through the negotiation machine.
bool offer_to(Game& game, const Candidate& c, StaffDay& day) {
  auto signing = Signing::approach(game.store, c.row);
  if (!signing || signing->mode() != Signing::Mode::contract) return false;
  for (int i = 0; i < 3 && signing->terms().role != c.ask.role; ++i) signing->role_up();
  for (int i = 0; i < longest_contract_years && signing->terms().years != c.ask.longest_years; ++i) signing->length_up();
  if (!signing->set_amount(to_text(c.ask.wages))) return false;
  if (!signing->offer_contract(game)) return false;
  const SigningTerms& t = signing->terms();
  const std::string& name = signing->worker();
  tell(game.store, "Contract Offered To " + name,
       "I have offered the free agent " + name + " a contract: " + weekly_wage_text(t.wages) + " " + as_role(t.role) + " for " + length_name(t.years) + ".");
  day.signed_up.push_back(name);
  return true;
}

int fit_with_pending(const Store& s) {
  const std::string& me = s.md(md::player_initials);
  int fit = 0;
  for (std::size_t r = 0; r < s.worker_count(); ++r) {
    const auto w = s.worker(r);
    if (players_worker(w, me) && w.retire() != retire::retired && w.injury() == not_injured) ++fit;
  }
  return fit + roster_with_pending(s) - board_roster_size(s);
}

}  // namespace

void sign_free_agents(Game& game, StaffDay& day) {
  Store& s = game.store;
  const AssistantChoices& c = s.assistant;
  if (!c.signings && !c.booking) return;
  for (int offers = 0; offers < 3; ++offers) {
    const bool short_for_shows = c.booking && fit_with_pending(s) < staff_show_floor;
    const int roster = roster_with_pending(s);
    const bool short_of_size = c.signings && roster < c.roster_size;
    if (!short_for_shows && !short_of_size) return;
    const Num bill = committed_wages(s);
    std::optional<Num> room;
    // Newcomers leave room for the raises the renewals of this month and the next will ask.
    if (!short_for_shows) room = std::max<Num>(sub_sat(sub_sat(c.wage_budget, bill), renewal_reserve(s)), 0);
    const auto best = best_free_agent(s, std::max(c.roster_size, roster + 1), room, bill);
    if (!best || !offer_to(game, *best, day)) return;
  }
}

void answer_rival_offers(Game& game, StaffDay& day) {
  Store& s = game.store;
  const AssistantChoices& c = s.assistant;
  if (c.offers == OfferPolicy::player) return;
  std::vector<std::size_t> offers;
  for (std::size_t i = 0; i < s.message_count(); ++i) {
    if (s.message(i).at(msg::kind) != msg::offer) continue;  // the cheap test first: the inbox is long
    if (answers_for(s, i * rec::message) == Answers::accept_decline) offers.push_back(i * rec::message);
  }
  // From the last, so that answering one (which removes it) leaves the others where they are.
  for (auto it = offers.rbegin(); it != offers.rend(); ++it) {
    const RecordView m(s.newslist, *it);
    const std::string name = m.at(msg::ref2);
    const Num amount = read_within(m.at(msg::ref3), offer_amount);
    const auto bidder = s.find_promotion(m.at(msg::ref1));
    const std::string from = bidder ? s.promotion(*bidder).full_name() : m.at(msg::ref1);
    const bool accept = c.offers == OfferPolicy::accept_above && amount > c.accept_above;
    AnswerResult result = accept ? answer_action2(game, *it) : answer_action3(game, *it);
    if (result.message_kept) result = answer_action3(game, *it);  // he has gone already: nothing to take
    if (!result.answered) continue;
    std::string body = from + " offered $" + grouped(amount) + " to buy out " + name + "'s contract. ";
    body += accept ? "I accepted it." : "I declined it.";
    for (const auto& line : result.messages)
      if (line != offer_declined_message) body += " " + line;
    tell(s, "Offer For " + name + " Answered", body);
    day.answered.push_back(name);
  }
}

namespace {

// The fans give a show its whole production bonus three levels above what they expect.
constexpr Num production_headroom = 3;

void tell_production(Store& s, const char* kind, const char* why, Num from, Num to) {
  post_info(s, std::string(booker_name), to > from ? "Production Raised" : "Production Lowered",
            std::string(why) + ", so I " + (to > from ? "raised" : "lowered") + " the production of our " + kind +
                " shows from level " + to_text(from) + " to level " + to_text(to) + " ($" +
                grouped(production_cost(to)) + " Per Show).");
}

}  // namespace

void keep_production(Store& s) {
  const auto player = s.player_index();
  if (!s.assistant.booking || !player || current_date(s).day != 1) return;
  const Num size = s.promotion(*player).size_level();
  const Num baseline = s.money_baseline(size);
  const struct {
    ShowKind kind;
    const char* name;
  } kinds[] = {{ShowKind::primary, "primary"}, {ShowKind::secondary, "secondary"}, {ShowKind::big, "big"}};
  for (const auto& k : kinds) {
    const Num from = production_level(s, k.kind), wanted = expected_production(size, k.kind);
    if (from < production_level_min) continue;
    const Num balance = s.promotion(*player).balance();
    const auto year_at = [](Num level) { return mul_sat(production_cost(level), 52); };
    Num to = from;
    if (from < wanted) {
      // A year of weekly shows at the expected level must leave the bank above the board's limit.
      if (sub_sat(balance, year_at(wanted)) < debt_limits(size).dismissal) continue;
      to = wanted;
    } else if (from < wanted + production_headroom && from < production_level_max &&
               sub_sat(balance, year_at(from + 1)) >= mul_sat(baseline, 2)) {
      to = from + 1;  // money to spare: a year of the next level still leaves twice what the board expects
    } else if (from > wanted && sub_sat(balance, year_at(from)) < debt_limits(size).dismissal) {
      to = from - 1;  // the extras go first when a year of them would take the bank past the board's limit
    }
    if (to == from) continue;
    while (production_level(s, k.kind) != to) step_production(s, k.kind, to > from);
    tell_production(s, k.name,
                    to < from      ? "A year of shows at this level would take us past the board's limit on debt"
                    : to == wanted ? "The fans expect more of a promotion of our size"
                                   : "We have money to spare and the fans reward a better show",
                    from, to);
  }
}

StaffDay assistant_day(Game& game) {
  StaffDay day;
  if (!game.store.assistant.any() || !game.store.player_index()) return day;
  answer_rival_offers(game, day);
  renew_contracts(game, day);
  sign_free_agents(game, day);
  keep_production(game.store);
  return day;
}

}  // namespace rv

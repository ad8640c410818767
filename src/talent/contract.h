#pragma once
// A new contract for one of the player's workers: the offer the player composes, the worker's
// judgement of it (decided the moment it is made) and its delivery, at once when the current deal
// is about to run out, otherwise through the negotiations list that the daily cycle works off.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "state/date.h"
#include "state/game.h"
#include "state/result.h"

namespace rv {

inline constexpr std::array<std::string_view, 3> role_names = {"Lower Card Worker", "Mid Card Worker",
                                                               "Upper Card Worker"};
inline constexpr int longest_contract_years = 5;
// A worker new to the world (a free agent who appears, a prospect signed from the training camp)
// starts on a contract that runs this many years from the current month.
inline constexpr int new_worker_contract_years = 1;
std::string new_worker_expiry(const Date& today);
// "Lower Card Worker" for "1" and so on; an unknown code reads as the lower card.
std::string_view role_name(std::string_view code);
// "1 Year", "2 Years", ...
std::string length_name(int years);
// "$" + the amount in thousands + " Per Week".
std::string weekly_wage_text(Num wages);

// The role and length buttons of an offer cycle through their lists.
constexpr int role_below(int role) { return role <= 1 ? 3 : role - 1; }
constexpr int role_above(int role) { return role >= 3 ? 1 : role + 1; }
constexpr int shorter(int years) { return years <= 1 ? longest_contract_years : years - 1; }
constexpr int longer(int years) { return years >= longest_contract_years ? 1 : years + 1; }

// What the player offers.
struct OfferTerms {
  Num wages = 0;
  int role = 1;   // 1 lower, 2 mid, 3 upper card
  int years = 3;  // 1 to 5
  bool indy = false;
};

// Who judges the offer, and against what: the worker's standing and mood and the state of the
// company that offers (its reference level and its popularity).
struct OfferContext {
  std::string name;
  bool female = false;
  Num pop = 0;
  Num morale = 0;
  bool any_role = false;  // a non-wrestler or a retiring worker takes any role
  Num level = 0;          // the reference level
  Num popularity = 0;     // the company's popularity
  int weeks_left = 1;     // of the current contract
};
OfferContext offer_context(const Store& store, std::size_t row);

struct OfferJudgement {
  bool accepted = false;
  bool early_refusal = false;  // refused before the terms were weighed: no terms are kept
  Num morale_bonus = 0;
  std::string reply;           // starts with the worker's name
};

// The worker's answer to an offer. The draws come from `rng`, in the order role, wages, company.
OfferJudgement judge_offer(const OfferContext& who, const OfferTerms& offer, Rng& rng);
// What a worker of this popularity expects to be paid per week.
Num expected_wage(Num pop);

// What the worker asks for: the terms the judgement of an offer takes for certain.
struct AskingTerms {
  Num wages = 0;          // the lowest weekly wage taken without a chance of refusal
  int role = 3;           // the lowest role taken without a chance of refusal
  int shortest_years = 1;  // 2 when he would rather stay on his deal than sign for a year
  int longest_years = 1;   // the longest contract he agrees to
  // He may still refuse to sign with the company in its state, whatever the terms.
  bool may_refuse_company = false;
};
AskingTerms asking_terms(const OfferContext& who);

// The offer on the contract screen while it is composed.
class ContractOffer {
 public:
  ContractOffer(const Store& store, std::size_t row);
  const OfferTerms& terms() const { return terms_; }
  void wage_down(Num step) { terms_.wages = terms_.wages > step ? terms_.wages - step : 0; }
  void wage_up(Num step);
  // The wage typed as text: a whole number from 0 to the highest wage a contract can hold.
  Status set_wages(std::string_view text);
  void role_down() { terms_.role = role_below(terms_.role); }
  void role_up() { terms_.role = role_above(terms_.role); }
  void length_down() { terms_.years = shorter(terms_.years); }
  void length_up() { terms_.years = longer(terms_.years); }
  void toggle_indy() { terms_.indy = !terms_.indy; }
  void set_indy(bool allowed) { terms_.indy = allowed; }
  // The offer becomes what the worker asks: the asking wage and role, for the longest length accepted.
  void meet(const AskingTerms& asked);

 private:
  OfferTerms terms_;
};

// The player's pending offer to this worker, if any ("... is already considering ...").
bool offer_pending(const Store& store, const std::string& name);
// Refuses a new offer while one is pending: the message to show.
std::optional<std::string> offer_refusal(const Store& store, std::size_t row);

struct OfferOutcome {
  OfferJudgement judgement;
  bool answered_now = false;  // the reply is in the inbox already
  std::string message;        // "... will consider your offer and come back to you shortly."
};
// Makes the offer: judged, then delivered at once (fewer than two weeks left, the contract
// applied when accepted) or kept in the negotiations list for the daily cycle.
Result<OfferOutcome> make_offer(Game& game, std::size_t row, const OfferTerms& offer);
// Writes an accepted contract to the worker: wages, role, indy bookings, the expiry `years` from
// this month and the morale bonus (morale never above 100).
void apply_contract(Store& store, std::size_t row, const OfferTerms& offer, Num morale_bonus);

}  // namespace rv

#pragma once
// Bringing a worker from outside the roster into the promotion: a free agent is offered a
// contract at once; a worker under contract elsewhere is first bought out, his promotion asked
// how much it wants to let the player talk to him. The worker judges the contract the moment it is
// offered; his answer comes through the negotiations list, as a re-signing's does.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "state/game.h"
#include "state/result.h"
#include "talent/contract.h"

namespace rv {

// "upper", "mid" or "lower": the worker's standing against a promotion's reference level.
std::string_view standing_in(Num pop, Num level);
// Weeks left on the worker's contract times his weekly wages.
Num contract_value(const Store& store, std::size_t row);
// What the owner asks before he lets the player talk to a worker of this popularity.
Num asking_price(Num value, Num pop, Num owner_level);
// The owner's workers who have not retired.
std::size_t owner_count(const Store& store, std::size_t owner);
// Whether the owner will talk at all about a worker of this standing.
bool owner_willing(Num owner_size, Num player_size, std::string_view standing, std::size_t count);
// What the worker expects to be paid to join, by his popularity and mood and the two sizes
// (a free agent has no employer to compare with: `owner_size` empty).
Num signing_wage(Num pop, Num morale, Num player_size, std::optional<Num> owner_size);

// Who judges a signing offer and against what.
struct SigningContext {
  std::string name;
  bool female = false;
  Num pop = 0;
  bool retired = false;
  std::optional<Num> owner_size;  // empty for a free agent
  Num player_size = 1;
  Num level = 0;       // the player's reference level
  Num popularity = 0;  // the player's popularity
  Num expected = 0;    // signing_wage
  std::string promotion_name;
};
SigningContext signing_context(const Store& store, std::size_t row);
struct SigningTerms {
  Num wages = 100;
  int role = 1;
  int years = 1;
  std::string disposition;  // "Face" or "Heel"
};
// The worker's answer; the draw comes from `rng`.
OfferJudgement judge_signing(const SigningContext& who, const SigningTerms& offer, Rng& rng);

// What a worker asks to sign: the terms the judgement of a signing takes.
struct SigningAsk {
  bool interested = true;  // not at all interested in a promotion this small: nothing is taken
  Num wages = 0;           // the lowest weekly wage taken
  int role = 3;            // the lowest role taken
  int longest_years = 1;   // the longest contract signed
  bool may_turn_down = false;  // a promotion below 60% popularity is turned down half the time
};
SigningAsk signing_asks(const SigningContext& who);

// The negotiation screen: buy-out mode for a worker under contract elsewhere, contract mode for a
// free agent or once his promotion has agreed.
class Signing {
 public:
  enum class Mode { buy_out, agreed, refused, contract, offered };
  // Opens the approach; the refusal message when an offer to him is awaited already.
  static Result<Signing> approach(const Store& store, std::size_t row);

  Mode mode() const { return mode_; }
  bool under_contract() const { return owner_.has_value(); }
  const std::string& worker() const { return name_; }
  const std::string& description() const { return description_; }
  const std::string& current_wages() const { return current_wages_; }
  // The note or question above the offer, the last answer of the owner or worker.
  const std::string& note() const { return note_; }
  // The sum offered the owner (buy-out) or the weekly wage (contract).
  Num amount() const { return mode_ == Mode::contract ? terms_.wages : buy_out_; }
  const SigningTerms& terms() const { return terms_; }
  // The amount text: "$" + thousands, with " Per Week" for a wage.
  std::string amount_text() const;

  void amount_down(Num step);
  void amount_up(Num step);
  Status set_amount(std::string_view text);
  void role_down() { terms_.role = role_below(terms_.role); }
  void role_up() { terms_.role = role_above(terms_.role); }
  void length_down() { terms_.years = shorter(terms_.years); }
  void length_up() { terms_.years = longer(terms_.years); }
  void toggle_disposition();
  void set_disposition(std::string_view disposition);

  // A sum for the owner beyond the player's balance may still be offered (the board judges the
  // debt, not the owner): the warning to put to the player first, or nothing when he can pay.
  std::optional<std::string> buy_out_warning(const Store& store) const;
  // "Confirm Offer": the owner's answer; the mode becomes agreed or refused.
  Status confirm_offer(const Store& store);
  // "Begin Talks" after the owner agreed; "Negotiate" after he refused.
  void begin_talks();
  void negotiate();
  // "Offer Contract": judged and kept in the negotiations list; the message to show.
  Result<std::string> offer_contract(Game& game);

 private:
  Signing() = default;
  Mode mode_ = Mode::contract;
  std::string name_, description_, current_wages_, note_;
  std::optional<std::size_t> owner_;
  std::string owner_initials_;
  Num value_ = 0;    // the contract's value to the owner
  Num buy_out_ = 0;  // offered to the owner
  std::optional<Num> agreed_;  // the sum the owner agreed to
  SigningTerms terms_;
  bool female_ = false;
};

}  // namespace rv

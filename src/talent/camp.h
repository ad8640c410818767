#pragma once
// The training camp: its latest prospect (maindata's prospect lines, filled by the daily cycle)
// and the signing that makes him a worker of the player's promotion.
#include <optional>
#include <string>
#include <string_view>

#include "state/result.h"
#include "state/store.h"

namespace rv {

struct Prospect {
  std::string name;  // his birth name; the ring name is chosen when he signs
  std::string gender, ring_style, weight;
  Num pop = 0, hardcore = 0, ent = 0, mic = 0, charisma = 0;
};

inline constexpr std::string_view no_trainees_text =
    "There are no trainees ready for a full time position at this time.";
inline constexpr std::string_view prospect_signed_text = "This wrestler is now under contract to your Promotion.";

// The prospect waiting in the camp; nothing while the name line is empty.
std::optional<Prospect> current_prospect(const Store& store);

// The finisher the camp teaches a wrestler of this ring style; empty for a hardcore wrestler
// and any style the camp does not know.
std::string default_finisher(std::string_view ring_style);

// A warning for a finisher named "The ...": the commentary puts "the" in front of it itself.
// Empty for any other name.
std::string finisher_warning(std::string_view finisher);

// What the player decides when the prospect signs.
struct CampSigning {
  std::string ring_name, short_name, finisher;
  std::string disposition = "Face";
  std::string finisher_type = "p";
  bool indy = false;
};

// The new worker's first contract: what he is paid and what he starts on.
namespace camp {
inline constexpr std::string_view pop = "25";
inline constexpr std::string_view wages = "200";
inline constexpr std::string_view booking_fee = "100";
inline constexpr std::string_view injury = "0";
inline constexpr std::string_view condition = "100";
inline constexpr std::string_view morale = "85";
inline constexpr std::string_view career_years = "25";
}  // namespace camp

// Signs the prospect: one new worker of the player's promotion, and the camp empty again.
// Refused, with nothing changed, for a blank or taken ring name, a blank short name or finisher,
// a text the tables cannot hold, a disposition or finisher type the game does not know, or an
// empty camp.
Status sign_prospect(Store& store, const CampSigning& signing);

}  // namespace rv

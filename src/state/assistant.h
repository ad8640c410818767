#pragma once
// The areas the player hands to his staff, and the small "key value" file that holds them: a save
// keeps it beside its tables ("assistant.rv1"), and `ringvale-cli next-day --assistant FILE`
// reads the same lines. A save without the file has every area with the player.
#include <string>
#include <string_view>

#include "state/numbers.h"
#include "state/result.h"
#include "state/text.h"

namespace rv {

inline constexpr std::string_view assistant_file = "assistant.rv1";

// How the staff answer a rival's offer for one of the player's workers.
enum class OfferPolicy { player, decline_all, accept_above };

struct AssistantChoices {
  bool renewals = false;  // re-sign workers whose contracts end this month
  bool signings = false;  // keep the roster at `roster_size` with free agents
  bool booking = false;   // book and run the shows that "Play Until Next Show" reaches
  bool keep_stars = false;  // re-sign a worker whose leaving would cost popularity even past the budget
  OfferPolicy offers = OfferPolicy::player;
  Num wage_budget = 0;       // the most the roster's wages may come to each week, in dollars
  int renew_from = 1;        // the lowest card position re-signed: 1 lower, 2 mid, 3 upper
  int roster_size = 20;      // the workers the signings keep on the roster
  Num accept_above = 0;      // with accept_above: offers of more than this are accepted

  bool any() const { return renewals || signings || booking || offers != OfferPolicy::player; }
  bool operator==(const AssistantChoices&) const = default;
};

// The ranges a choice may take; anything else is refused.
inline constexpr Range wage_budget_range{0, 1'000'000'000};
inline constexpr Range roster_size_range{10, 200};
inline constexpr Range accept_above_range{0, 1'000'000'000'000};

// The choices as lines: "renewals on", "wage_budget 25000", ... every key once, but "keep_stars"
// only when it is on (a file written before the choice existed reads and writes back the same).
Lines assistant_lines(const AssistantChoices& choices);
// Reads the lines: blank lines and lines starting with '#' are skipped, a key left out keeps its
// value of a new game. An unknown key, a key given twice, a value that is not one of its words
// or a number outside its range is refused with the line named ("Line 3: ...").
Result<AssistantChoices> read_assistant(const Lines& lines);

// "Lower Card", "Mid Card", "Upper Card".
std::string_view card_position_name(int position);

}  // namespace rv
